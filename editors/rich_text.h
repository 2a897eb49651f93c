#pragma once

// Formatted text as runs of characters that share one look, and its file
// form, RTF. The text editor window turns its document into runs and back;
// everything about the file lives here so that it is tested without a
// display.
//
// The RTF written and read is a small subset: the font table (face names),
// the colour table, \f \fs \cf \b \i \ul \ulnone \strike \plain, paragraphs
// (\par), line breaks inside a paragraph (\line), tabs (\tab), escaped
// characters (\'xx read as Windows-1251, \uN with its \ucN fallback skipped)
// and a few named characters (dashes, quotes, bullet, non-breaking space).
// Every other control word is passed over; groups of other destinations
// (pictures, style sheets, document information, anything behind \*) are
// skipped with their content. Paragraph layout (alignment, indents) is not
// kept.

#include "engine/principle_colours.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvenda {

struct TextStyle {
    // Empty: the area's own font.
    std::string Face;
    // Size in half points (RTF's unit); 0: the area's own size.
    int HalfPoints = 0;
    // nullopt: the area's own text colour.
    std::optional<Rgb> Colour;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;

    friend bool operator==(const TextStyle&, const TextStyle&) = default;
};

struct TextRun {
    TextStyle Style;
    // UTF-8; "\n" ends a paragraph, U+2028 breaks a line inside one.
    std::string Text;

    friend bool operator==(const TextRun&, const TextRun&) = default;
};

using RichText = std::vector<TextRun>;

// Pure 7-bit RTF: characters outside ASCII are escaped. Adjacent runs of one
// style may be given separately; empty runs are left out.
std::string WriteRtf(const RichText& text);

// nullopt when the text does not start as an RTF document ("{\rtf"); a
// broken document gives what could be read of it. Adjacent runs of one
// style are joined.
std::optional<RichText> ReadRtf(std::string_view rtf);

} // namespace orvenda
