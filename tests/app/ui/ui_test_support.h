#pragma once

// Shared pieces of the main window's tests: the test registry, questions that
// answers in advance, and a temporary program folder with its files.

#include "engine/scripted_questions.h"
#include "engine/textfile.h"
#include "tests/support/test_files.h"
#include "tests/support/ui_test_registry.h"

#include <QObject>
#include <QTest>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace orvenda::test {

// What was asked, as "caption|text".
inline QStringList Asked(const ScriptedQuestions& questions)
{
    QStringList texts;
    for (const std::string& text : questions.asked)
        texts << QString::fromStdString(text);
    return texts;
}

// A program folder of its own for one test, removed afterwards.
class TempProgramFolder {
public:
    bool isValid() const { return true; }
    // With the trailing "/".
    std::string path() const { return m_dir.folder(); }
    QString qpath() const { return QString::fromStdString(m_dir.folder()); }

    // Lines in Windows-1251 with CR LF, as the program's files are.
    bool Write(const std::string& name, const std::vector<std::string>& lines) const
    {
        return SaveTextFile(path() + name, lines, TextEncoding::Windows1251).ok();
    }

private:
    TempFolder m_dir{"orvenda-ui"};
};

} // namespace orvenda::test
