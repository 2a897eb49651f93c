// Орвенда, the desktop program: the windows are created once, in a fixed
// order, and live until the program ends; the main window starts the session
// when it is first shown.

#include "app/system_clock.h"
#include "app/ui/about_window.h"
#include "app/ui/application.h"
#include "app/ui/calendar_window.h"
#include "app/ui/main_window.h"
#include "app/ui/program_icon.h"
#include "app/ui/status_window.h"
#include "config/autostart.h"
#include "config/ui/form_options.h"
#include "editors/ui/event_editor_window.h"
#include "engine/ui/prompt.h"

#include <QSessionManager>

#include <clocale>

int main(int argc, char** argv)
{
    // The journal's date and time texts follow the user's locale.
    std::setlocale(LC_ALL, "");
    orvenda::Application app(argc, argv);
    QApplication::setApplicationName(orvenda::ProgramTitle());
    QGuiApplication::setDesktopFileName(QStringLiteral("orvenda"));
    QApplication::setWindowIcon(orvenda::ProgramIcon());

    orvenda::MessageBoxPrompt prompt;
    app.SetPrompt(&prompt);

    const QString programFolder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    orvenda::SessionEnvironment env;
    env.programFolder = programFolder.toStdString();
    env.programPath = QCoreApplication::applicationFilePath().toStdString();
    env.autostartDir = orvenda::DefaultAutostartDir();
    env.clock = orvenda::SystemClock();

    orvenda::TFormMain formMain(env, prompt);
    orvenda::Session& session = formMain.GetSession();
    orvenda::TFormOptions formOptions(session.Config(), programFolder,
                                      QString::fromStdString(env.autostartDir),
                                      QString::fromStdString(env.programPath), session.GetJournal(), prompt);
    orvenda::TFormStatus formStatus(session.GetJournal());
    orvenda::TFormAbout formAbout(programFolder);
    // The editor owns its new-file dialog.
    orvenda::TFormEvtEdit formEvtEdit(programFolder, session.GetJournal(), prompt);
    orvenda::TFormCalendar formCalendar;
    formMain.SetWindows(&formStatus, &formAbout, &formCalendar);
    formMain.SetEditorWindows(&formEvtEdit, &formOptions);
    QObject::connect(&formMain, &orvenda::TFormMain::exitAccepted, &app, &QCoreApplication::quit);
#ifndef QT_NO_SESSIONMANAGER
    // The desktop session ending: the editor's unsaved changes get their
    // close question, and Cancel asks the session to stay.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &formEvtEdit,
                     [&formEvtEdit](QSessionManager& manager) {
                         if (manager.allowsInteraction()) {
                             const bool quit = formEvtEdit.QueryQuit();
                             manager.release();
                             if (!quit)
                                 manager.cancel();
                         }
                     });
#endif

    formMain.show();
    return QApplication::exec();
}
