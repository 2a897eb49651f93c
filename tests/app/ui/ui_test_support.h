#pragma once

// Shared pieces of the main window's tests: the test registry, a prompt that
// answers in advance, and a temporary program folder with its files.

#include "engine/textfile.h"
#include "engine/ui/scripted_prompt.h"
#include "tests/ui_support/ui_test_registry.h"

#include <QObject>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace orvenda::test {

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
