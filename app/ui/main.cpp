// Орвенда, the desktop program: the windows are created once, in a fixed
// order, and live until the program ends; the main window starts the session
// when it is first shown.

#include "app/program_folders.h"
#include "app/system_clock.h"
#include "app/ui/application.h"
#include "app/ui/main_window.h"
#include "app/ui/principle_color_window.h"
#include "app/ui/program_icon.h"
#include "app/ui/windows.h"
#include "config/autostart.h"
#include "editors/ui/event_editor_window.h"
#include "engine/ui/prompt.h"
#include "engine/ui/qt_translation.h"
#include "tools/eventlist/ui/event_list_window.h"

#include <QSessionManager>

#include <clocale>

int main(int argc, char** argv)
{
    // The journal's date and time texts follow the user's locale.
    std::setlocale(LC_ALL, "");
    orvenda::Application app(argc, argv);
    orvenda::InstallQtTranslation();
    QApplication::setApplicationName(orvenda::ProgramTitle());
    QGuiApplication::setDesktopFileName(QStringLiteral("orvenda"));
    QApplication::setWindowIcon(orvenda::ProgramIcon());

    orvenda::MessageBoxPrompt prompt;
    app.SetPrompt(&prompt);

    // The one place the folders are decided: portable beside the executable,
    // or installed with the user's files in their home (app/program_folders.h).
    const orvenda::ProgramFolders folders = orvenda::DecideProgramFolders(
        orvenda::ProbeFolderFacts(QCoreApplication::applicationDirPath().toStdString()));
    orvenda::SessionEnvironment env;
    env.programFolder = folders.programFolder;
    env.dataFolder = folders.dataFolder;
    env.programPath = QCoreApplication::applicationFilePath().toStdString();
    env.autostartDir = orvenda::DefaultAutostartDir();
    env.clock = orvenda::SystemClock();

    orvenda::Windows windows(env, prompt);
    QObject::connect(&windows.Main(), &orvenda::TFormMain::exitAccepted, &app, &QCoreApplication::quit);
#ifndef QT_NO_SESSIONMANAGER
    // The desktop session ending: the editor's and the event list's unsaved
    // changes get their questions, and Cancel asks the session to stay.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &app, [&windows](QSessionManager& manager) {
        if (manager.allowsInteraction()) {
            const bool quit = windows.MayQuit();
            manager.release();
            if (!quit)
                manager.cancel();
        }
    });
#endif

    windows.Main().show();
    return QApplication::exec();
}
