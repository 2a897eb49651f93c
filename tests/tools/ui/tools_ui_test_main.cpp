// Runs the tools' window tests: `test_tools_ui <name> [QtTest options]`, or
// all of them without a name.

#include "ui_support/ui_test_registry.h"

#include <QApplication>

#include <clocale>

int main(int argc, char** argv)
{
    std::setlocale(LC_ALL, "");
    QApplication app(argc, argv);
    return orvenda::test::RunRegisteredTests(argc, argv);
}
