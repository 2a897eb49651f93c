#pragma once

// The question seam for tests: answers and dialog results are queued in
// advance, and everything asked is recorded so that tests can check texts,
// buttons and file choices.

#include "engine/questions.h"

#include <deque>
#include <string>
#include <vector>

namespace orvenda {

class ScriptedQuestions final : public Questions {
public:
    std::deque<Answer> answers;        // Ask takes the next; the negative answer when none is left
    std::deque<std::string> fileNames; // file dialogs take the next; "" (cancelled) when none is left
    std::deque<std::optional<Rgb>> colours;
    std::deque<std::optional<Font>> fonts;
    // The fonts each font dialog puts to use with "Применить" before its
    // answer from `fonts`; none when the queue is empty.
    std::deque<std::vector<Font>> fontApplies;

    std::vector<std::string> asked;      // "caption|text" of every Ask, ShowError and Inform, in order
    std::vector<std::string> questions;  // texts of Ask only
    std::vector<std::string> errors;     // "caption|text" of ShowError only
    std::vector<Buttons> buttons;        // the button set of every Ask
    std::vector<FileChoice> openChoices; // every open dialog
    std::vector<FileChoice> saveChoices; // every save dialog
    std::vector<Rgb> colourStarts;       // the initial colour of every colour dialog
    std::vector<Font> fontStarts;        // the initial font of every font dialog

    Answer Ask(const std::string& caption, const std::string& text, Buttons set) override
    {
        asked.push_back(caption + "|" + text);
        questions.push_back(text);
        buttons.push_back(set);
        return take(answers, set == Buttons::OkNo ? Answer::No : Answer::Cancel);
    }
    void ShowError(const std::string& caption, const std::string& text) override
    {
        asked.push_back(caption + "|" + text);
        errors.push_back(caption + "|" + text);
    }
    void Inform(const std::string& caption, const std::string& text) override
    {
        asked.push_back(caption + "|" + text);
    }
    std::string OpenFileName(const FileChoice& choice) override
    {
        openChoices.push_back(choice);
        return take(fileNames, std::string());
    }
    std::string SaveFileName(const FileChoice& choice) override
    {
        saveChoices.push_back(choice);
        return take(fileNames, std::string());
    }
    std::optional<Rgb> PickColour(const Rgb& initial) override
    {
        colourStarts.push_back(initial);
        return take(colours, std::optional<Rgb>());
    }
    std::optional<Font> PickFont(const Font& initial, const FontApply& apply) override
    {
        fontStarts.push_back(initial);
        for (const Font& font : take(fontApplies, std::vector<Font>()))
            if (apply)
                apply(font);
        return take(fonts, std::optional<Font>());
    }

private:
    template <typename T> static T take(std::deque<T>& queue, T otherwise)
    {
        if (queue.empty())
            return otherwise;
        T value = std::move(queue.front());
        queue.pop_front();
        return value;
    }
};

} // namespace orvenda
