#include "editors/text_area_output.h"

#include <string>

namespace orvenda {

void TextAreaOutput::AppendLine(std::string_view text)
{
    std::string lines;
    lines.reserve(text.size() + 2);
    if (m_area.EndsInsideLine()) {
        lines += '\n';
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            lines += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            lines += text[i];
        }
    }
    lines += '\n';
    m_area.InsertAtEnd(lines);
}

void TextAreaOutput::StartOutputBlock()
{
    if (m_area.LineCount() >= 2) {
        AppendLine("");
        AppendLine("");
    }
}

} // namespace orvenda
