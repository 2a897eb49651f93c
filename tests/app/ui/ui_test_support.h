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

// The shared scripted prompt, which also keeps the button set of every
// question: the questions differ in OK/No and OK/Cancel.
class ScriptedPromptWithButtons final : public Prompt {
public:
    struct Question {
        QString caption;
        QString text;
        Buttons buttons;
    };

    void AnswerNext(Answer answer) { m_inner.answers.push_back(answer); }

    Answer Ask(QWidget* parent, const QString& caption, const QString& text, Buttons buttons) override
    {
        questions.push_back({caption, text, buttons});
        return m_inner.Ask(parent, caption, text, buttons);
    }
    void ShowError(QWidget*, const QString&, const QString& text) override { errors.push_back(text); }
    void Inform(QWidget* parent, const QString& caption, const QString& text) override
    {
        m_inner.Inform(parent, caption, text);
    }
    QString OpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter, const QString& selected) override
    {
        return m_inner.OpenFileName(parent, caption, folder, filter, selected);
    }
    QString SaveFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter, const QString& selected) override
    {
        return m_inner.SaveFileName(parent, caption, folder, filter, selected);
    }
    std::optional<QColor> PickColour(QWidget* parent, const QColor& initial) override
    {
        return m_inner.PickColour(parent, initial);
    }
    std::optional<QFont> PickFont(QWidget* parent, const QFont& initial) override
    {
        return m_inner.PickFont(parent, initial);
    }

    std::vector<Question> questions;
    std::vector<QString> errors;

private:
    ScriptedPrompt m_inner;
};

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
