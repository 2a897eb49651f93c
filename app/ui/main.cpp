// Орвенда, the desktop program: the windows are created once, in a fixed
// order, and live until the program ends; the main window starts the session
// when it is first shown.

#include "app/program_folders.h"
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

    // The one place the folders are decided: portable beside the executable,
    // or installed with the user's files in their home (app/program_folders.h).
    const orvenda::ProgramFolders folders = orvenda::DecideProgramFolders(
        orvenda::ProbeFolderFacts(QCoreApplication::applicationDirPath().toStdString()));
    const QString programFolder = QString::fromStdString(folders.programFolder);
    const QString dataFolder = QString::fromStdString(folders.dataFolder);
    orvenda::SessionEnvironment env;
    env.programFolder = folders.programFolder;
    env.dataFolder = folders.dataFolder;
    env.programPath = QCoreApplication::applicationFilePath().toStdString();
    env.autostartDir = orvenda::DefaultAutostartDir();
    env.clock = orvenda::SystemClock();

    orvenda::TFormMain formMain(env, prompt);
    orvenda::Session& session = formMain.GetSession();
    orvenda::TFormOptions formOptions(session.Config(), programFolder,
                                      QString::fromStdString(env.autostartDir),
                                      QString::fromStdString(env.programPath), session.GetJournal(), prompt);
    orvenda::TFormStatus formStatus(session.GetJournal());
    orvenda::TFormAbout formAbout(programFolder, dataFolder);
    // The editor owns its new-file dialog; its lookup lists are delivered
    // templates.
    orvenda::TFormEvtEdit formEvtEdit(dataFolder, session.GetJournal(), prompt);
    orvenda::TFormCalendar formCalendar;
    formMain.SetWindows(&formStatus, &formAbout, &formCalendar);
    formMain.SetEditorWindows(&formEvtEdit, &formOptions);
    QObject::connect(&formMain, &orvenda::TFormMain::exitAccepted, &app, &QCoreApplication::quit);

    formMain.show();
    return QApplication::exec();
}
