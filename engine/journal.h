#pragma once

// The error journal: an append-only list of text lines that lasts while the
// program runs. Every subsystem reports problems by adding a line; the journal
// window shows it and the run log copies it to a file.

#include <string>
#include <vector>

namespace orvenda {

class Journal {
public:
    void Add(std::string line) { m_lines.push_back(std::move(line)); }
    const std::vector<std::string>& Lines() const noexcept { return m_lines; }

private:
    std::vector<std::string> m_lines;
};

} // namespace orvenda
