#pragma once

// How the tools' output lands in the text editor's area. The area's text is
// a run of lines as the user sees them: a line break at the very end does
// not start another line, so output appended after the user's last line
// goes on the next line and after a finished line right below it.

#include "engine/text_output.h"

#include <cstddef>
#include <string_view>

namespace orvenda {

// The area as the rules below see it; the window implements it over its
// document, tests over a string.
class TextArea {
public:
    virtual ~TextArea() = default;
    // Lines counted as above: "" has none, "a" and "a\n" one, "a\nb" two.
    virtual std::size_t LineCount() const = 0;
    // Whether the text is not empty and does not end with a line break.
    virtual bool EndsInsideLine() const = 0;
    // Adds UTF-8 text with "\n" line breaks at the very end.
    virtual void InsertAtEnd(std::string_view text) = 0;
};

class TextAreaOutput final : public TextOutput {
public:
    explicit TextAreaOutput(TextArea& area) : m_area(area) {}

    // Each line of `text` (CR LF, LF or CR between them) is added as a
    // finished line.
    void AppendLine(std::string_view text) override;
    void StartOutputBlock() override;

private:
    TextArea& m_area;
};

} // namespace orvenda
