#pragma once

// Shared pieces of the window tests: a registry that lets every *_test.cpp
// of this folder live in one executable (one ctest per file), a prompt that
// answers in advance, and a temporary program folder with its files.

#include "engine/textfile.h"
#include "engine/ui/scripted_prompt.h"

#include <QObject>
#include <QTemporaryDir>
#include <QTest>

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

// A program folder of its own for one test, removed afterwards.
class TempProgramFolder {
public:
    bool isValid() const { return m_dir.isValid(); }
    // With the trailing "/".
    std::string path() const { return m_dir.path().toStdString() + "/"; }
    QString qpath() const { return m_dir.path() + QLatin1Char('/'); }

    // Lines in Windows-1251 with CR LF, as the program's files are.
    bool Write(const std::string& name, const std::vector<std::string>& lines) const
    {
        return SaveTextFile(path() + name, lines, TextEncoding::Windows1251).ok();
    }

private:
    QTemporaryDir m_dir;
};

} // namespace orvenda::test

#define ORVENDA_UI_TEST(Class, name)                                                                         \
    namespace {                                                                                              \
    const bool registered##Class = ::orvenda::test::RegisterTest<Class>(name);                               \
    }
