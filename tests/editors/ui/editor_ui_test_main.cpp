// Runs the window tests of one file: `test_editors_ui <name> [QtTest options]`,
// or all of them without a name.

#include "editor_ui_test_support.h"

#include <QApplication>

#include <clocale>
#include <cstdio>

int main(int argc, char** argv)
{
    std::setlocale(LC_ALL, "");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Орвенда"));

    const auto& registry = orvenda::test::TestRegistry();
    std::vector<char*> args{argv[0]};
    const char* only = nullptr;
    if (argc > 1 && argv[1][0] != '-') {
        only = argv[1];
        if (registry.find(only) == registry.end()) {
            std::fprintf(stderr, "no window test named %s\n", only);
            return 2;
        }
    }
    for (int i = only ? 2 : 1; i < argc; ++i)
        args.push_back(argv[i]);

    int failures = 0;
    for (const auto& [name, create] : registry) {
        if (only && name != only)
            continue;
        std::unique_ptr<QObject> test = create();
        failures += QTest::qExec(test.get(), static_cast<int>(args.size()), args.data());
    }
    return failures == 0 ? 0 : 1;
}
