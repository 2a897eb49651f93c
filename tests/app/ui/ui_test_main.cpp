// Runs the window tests of one file: `test_app_ui <name> [QtTest options]`,
// or all of them without a name.

#include "app/ui/application.h"
#include "ui_test_support.h"

#include <clocale>

int main(int argc, char** argv)
{
    std::setlocale(LC_ALL, "");
    // The program's own application object, so that its error handling is tested too.
    orvenda::Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Орвенда"));

    return orvenda::test::RunRegisteredTests(argc, argv);
}
