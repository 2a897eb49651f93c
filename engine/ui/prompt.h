#pragma once

// The Qt side of the question seam (engine/questions.h): message boxes and
// the file, colour and font dialogs. Every dialog belongs to the window the
// user is working in.

#include "engine/questions.h"

namespace orvenda {

class MessageBoxPrompt final : public Questions {
public:
    Answer Ask(const std::string& caption, const std::string& text, Buttons buttons) override;
    void ShowError(const std::string& caption, const std::string& text) override;
    void Inform(const std::string& caption, const std::string& text) override;
    std::string OpenFileName(const FileChoice& choice) override;
    std::string SaveFileName(const FileChoice& choice) override;
    std::optional<Rgb> PickColour(const Rgb& initial) override;
    std::optional<Font> PickFont(const Font& initial, const FontApply& apply) override;
};

} // namespace orvenda
