// Runs the window tests of one file: `test_<folder> <name> [QtTest options]`,
// or all of them without a name.

#include "tests/support/ui_test_registry.h"

#include <QApplication>

#include <clocale>

int main(int argc, char** argv)
{
    std::setlocale(LC_ALL, "");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Орвенда"));

    return orvenda::test::RunRegisteredTests(argc, argv);
}
