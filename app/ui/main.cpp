// Орвенда, the desktop program: the windows are created once, in a fixed
// order, and live until the program ends; the main window starts the session
// when it is first shown.

#include "app/system_clock.h"
#include "app/ui/application.h"
#include "app/ui/main_window.h"
#include "app/ui/program_icon.h"
#include "app/ui/windows.h"
#include "config/autostart.h"
#include "engine/ui/prompt.h"
#include "engine/ui/qt_translation.h"

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

    const QString programFolder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    orvenda::SessionEnvironment env;
    env.programFolder = programFolder.toStdString();
    env.programPath = QCoreApplication::applicationFilePath().toStdString();
    env.autostartDir = orvenda::DefaultAutostartDir();
    env.clock = orvenda::SystemClock();

    orvenda::Windows windows(env, prompt);
    QObject::connect(&windows.Main(), &orvenda::TFormMain::exitAccepted, &app, &QCoreApplication::quit);

    windows.Main().show();
    return QApplication::exec();
}
