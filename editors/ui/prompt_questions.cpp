#include "editors/ui/prompt_questions.h"

#include <QCoreApplication>
#include <QString>

namespace orvenda {

namespace {

QString q(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

EditorQuestions::Answer PromptQuestions::AskNoOkCancel(const std::string& text)
{
    switch (
        m_prompt.Ask(m_parent, QCoreApplication::applicationName(), q(text), Prompt::Buttons::NoOkCancel)) {
    case Prompt::Answer::Ok:
        return Answer::Ok;
    case Prompt::Answer::No:
        return Answer::No;
    case Prompt::Answer::Cancel:
        break;
    }
    return Answer::Cancel;
}

bool PromptQuestions::AskOverwrite(const std::string& text)
{
    return m_prompt.Ask(m_parent, QCoreApplication::applicationName(), q(text),
                        Prompt::Buttons::OverwriteCancel) == Prompt::Answer::Ok;
}

void PromptQuestions::ShowError(const std::string& caption, const std::string& text)
{
    m_prompt.ShowError(m_parent, q(caption), q(text));
}

std::string PromptQuestions::OpenFileName(const FileFilter& filter)
{
    const ToolkitFilter toolkit = ToToolkitFilter(filter);
    return m_prompt
        .OpenFileName(m_parent, QStringLiteral("Открыть"), QString(), q(toolkit.filter), q(toolkit.selected))
        .toStdString();
}

std::string PromptQuestions::SaveFileName(const FileFilter& filter)
{
    const ToolkitFilter toolkit = ToToolkitFilter(filter);
    return m_prompt
        .SaveFileName(m_parent, QStringLiteral("Сохранить как"), QString(), q(toolkit.filter),
                      q(toolkit.selected))
        .toStdString();
}

} // namespace orvenda
