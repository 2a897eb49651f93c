#pragma once

// The editor's questions put to the user through the shared prompt: message
// boxes captioned with the program's title, and the file dialogs with the
// filters turned into the toolkit's form.

#include "editors/editor_controller.h"
#include "engine/ui/prompt.h"

class QWidget;

namespace orvenda {

class PromptQuestions final : public EditorQuestions {
public:
    // Both must outlive this object; `parent` owns the boxes while shown.
    PromptQuestions(Prompt& prompt, QWidget* parent) : m_prompt(prompt), m_parent(parent) {}

    Answer AskNoOkCancel(const std::string& text) override;
    bool AskOverwrite(const std::string& text) override;
    void ShowError(const std::string& caption, const std::string& text) override;
    std::string OpenFileName(const FileFilter& filter) override;
    std::string SaveFileName(const FileFilter& filter) override;

private:
    Prompt& m_prompt;
    QWidget* m_parent;
};

} // namespace orvenda
