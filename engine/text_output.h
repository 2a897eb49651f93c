#pragma once

// Where the tools print their results: the text editor window in the desktop
// program, standard output in orvenda-cli, a list of lines in tests. The date
// calculator, the tables and the period window write only through this.

#include <string>
#include <string_view>
#include <vector>

namespace orvenda {

class TextOutput {
public:
    virtual ~TextOutput() = default;
    // Adds `text` as a line at the end; a text holding line breaks becomes
    // several lines.
    virtual void AppendLine(std::string_view text) = 0;
    // Before a new block of output: two empty lines when the output already
    // holds at least two lines, nothing otherwise.
    virtual void StartOutputBlock() = 0;
};

// The output kept as lines, with the same block rule as the text editor.
class TextLines final : public TextOutput {
public:
    void AppendLine(std::string_view text) override
    {
        std::size_t start = 0;
        for (;;) {
            const std::size_t end = text.find('\n', start);
            std::string_view line = text.substr(start, end == std::string_view::npos ? end : end - start);
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            m_lines.emplace_back(line);
            if (end == std::string_view::npos)
                break;
            start = end + 1;
        }
    }
    void StartOutputBlock() override
    {
        if (m_lines.size() >= 2) {
            m_lines.emplace_back();
            m_lines.emplace_back();
        }
    }
    const std::vector<std::string>& Lines() const noexcept { return m_lines; }

private:
    std::vector<std::string> m_lines;
};

} // namespace orvenda
