#pragma once

// A prompt for tests: answers and dialog results are queued in advance, and
// everything asked is recorded so that tests can check the texts.

#include "engine/ui/prompt.h"

#include <QStringList>

#include <deque>

namespace orvenda {

class ScriptedPrompt final : public Prompt {
public:
    std::deque<Answer> answers;    // Ask takes the next; Cancel (or No) when none is left
    std::deque<QString> fileNames; // file dialogs take the next; "" when none is left
    std::deque<std::optional<QColor>> colours;
    std::deque<std::optional<QFont>> fonts;
    QStringList asked; // "caption|text" of every Ask, ShowError and Inform

    Answer Ask(QWidget*, const QString& caption, const QString& text, Buttons buttons) override
    {
        asked << caption + QLatin1Char('|') + text;
        if (answers.empty())
            return buttons == Buttons::OkNo ? Answer::No : Answer::Cancel;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void ShowError(QWidget*, const QString& caption, const QString& text) override
    {
        asked << caption + QLatin1Char('|') + text;
    }
    void Inform(QWidget*, const QString& caption, const QString& text) override
    {
        asked << caption + QLatin1Char('|') + text;
    }
    QString OpenFileName(QWidget*, const QString&, const QString&, const QString&, const QString&) override
    {
        return nextFileName();
    }
    QString SaveFileName(QWidget*, const QString&, const QString&, const QString&, const QString&) override
    {
        return nextFileName();
    }
    std::optional<QColor> PickColour(QWidget*, const QColor&) override
    {
        if (colours.empty())
            return std::nullopt;
        auto colour = colours.front();
        colours.pop_front();
        return colour;
    }
    std::optional<QFont> PickFont(QWidget*, const QFont&) override
    {
        if (fonts.empty())
            return std::nullopt;
        auto font = fonts.front();
        fonts.pop_front();
        return font;
    }

private:
    QString nextFileName()
    {
        if (fileNames.empty())
            return {};
        QString name = fileNames.front();
        fileNames.pop_front();
        return name;
    }
};

} // namespace orvenda
