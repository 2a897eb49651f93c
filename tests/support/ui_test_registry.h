#pragma once

// Lets every *_test.cpp of a window test folder live in one executable, one
// ctest per file: each file registers its QtTest class under a name, and the
// folder's main runs one of them (`<executable> <name> [QtTest options]`) or
// all of them without a name.

#include <QObject>
#include <QTest>

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace orvenda::test {

using TestFactory = std::function<std::unique_ptr<QObject>()>;

inline std::map<std::string, TestFactory>& TestRegistry()
{
    static std::map<std::string, TestFactory> registry;
    return registry;
}

template <typename T> bool RegisterTest(const char* name)
{
    TestRegistry()[name] = [] { return std::make_unique<T>(); };
    return true;
}

// Runs the registered tests as the command line says; the application
// object must exist already.
inline int RunRegisteredTests(int argc, char** argv)
{
    const auto& registry = TestRegistry();
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

} // namespace orvenda::test

#define ORVENDA_UI_TEST(Class, name)                                                                         \
    namespace {                                                                                              \
    const bool registered##Class = ::orvenda::test::RegisterTest<Class>(name);                               \
    }
