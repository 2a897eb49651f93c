#pragma once

// The one seam through which the program asks the user something: questions
// with their buttons, errors, information, file choices, colour and font
// choices. Everything here is plain data, so the rules that ask (the session,
// the options, the editor) are tested without a display: the windows use
// the Qt dialogs (engine/ui/prompt.h), the tests a script
// (engine/scripted_questions.h).

#include "engine/file_filter.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace orvenda {

// The caption of the program's own questions.
inline constexpr std::string_view ProgramName = "Орвенда";

class Questions {
public:
    enum class Answer { Ok, No, Cancel };
    // The buttons of a question, in the order shown. OverwriteCancel:
    // "Перезаписать" (answered Ok) and "Отмена".
    enum class Buttons { OkCancel, OkNo, NoOkCancel, OverwriteCancel };

    // A file dialog: its caption (empty for the toolkit's own), the folder it
    // starts in (empty for the current folder) and its filter. A save dialog
    // gives a name typed without an extension `defaultExtension` (without the
    // dot; empty for none) before it asks whether to replace an existing file.
    struct FileChoice {
        std::string caption;
        std::string folder;
        FileFilter filter;
        std::string defaultExtension = {};

        friend bool operator==(const FileChoice&, const FileChoice&) = default;
    };

    struct Rgb {
        std::uint8_t red = 0;
        std::uint8_t green = 0;
        std::uint8_t blue = 0;

        friend bool operator==(const Rgb&, const Rgb&) = default;
    };

    struct Font {
        std::string family;
        int pointSize = 8;
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strikeOut = false;
        // nullopt: the desktop's text colour, which the dialog leaves as it
        // is unless the user picks another.
        std::optional<Rgb> colour;

        friend bool operator==(const Font&, const Font&) = default;
    };
    // The font dialog's "Применить": the dialog's current font, put to use
    // while the dialog stays open. Empty when the caller has no use for it;
    // the dialog then shows no such button.
    using FontApply = std::function<void(const Font&)>;

    virtual ~Questions() = default;

    // A question in a box without icon. Closing the box without a button
    // counts as the last negative answer of the set (Cancel, or No for OkNo).
    virtual Answer Ask(const std::string& caption, const std::string& text, Buttons buttons) = 0;
    // An error that ended a command; the program goes on afterwards.
    virtual void ShowError(const std::string& caption, const std::string& text) = 0;
    // A plain message with an OK button.
    virtual void Inform(const std::string& caption, const std::string& text) = 0;
    // The chosen path, or an empty text when the dialog was cancelled. The
    // open dialog only offers existing files.
    virtual std::string OpenFileName(const FileChoice& choice) = 0;
    virtual std::string SaveFileName(const FileChoice& choice) = 0;
    // nullopt when the dialog was cancelled.
    virtual std::optional<Rgb> PickColour(const Rgb& initial) = 0;
    // nullopt when the dialog was cancelled; what "Применить" put to use
    // before stays.
    virtual std::optional<Font> PickFont(const Font& initial, const FontApply& apply) = 0;
};

// For a program without a person to ask (the terminal companion): every
// question gets its negative answer, every dialog is cancelled, and errors
// and messages are left to the caller's own output.
class NoQuestions final : public Questions {
public:
    Answer Ask(const std::string&, const std::string&, Buttons buttons) override
    {
        return buttons == Buttons::OkNo ? Answer::No : Answer::Cancel;
    }
    void ShowError(const std::string&, const std::string&) override {}
    void Inform(const std::string&, const std::string&) override {}
    std::string OpenFileName(const FileChoice&) override { return {}; }
    std::string SaveFileName(const FileChoice&) override { return {}; }
    std::optional<Rgb> PickColour(const Rgb&) override { return std::nullopt; }
    std::optional<Font> PickFont(const Font&, const FontApply&) override { return std::nullopt; }
};

} // namespace orvenda
