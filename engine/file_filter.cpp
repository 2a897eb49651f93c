#include "engine/file_filter.h"

namespace orvenda {

namespace {

std::vector<std::string_view> split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(
            text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// "Cобытия (*.evt)" -> "Cобытия"
std::string_view nameWithoutPatterns(std::string_view name)
{
    name = trimmed(name);
    if (!name.empty() && name.back() == ')') {
        const std::size_t open = name.rfind('(');
        if (open != std::string_view::npos) {
            name = trimmed(name.substr(0, open));
        }
    }
    return name;
}

std::string toolkitPatterns(std::string_view patterns)
{
    std::string result;
    for (std::string_view pattern : split(patterns, ';')) {
        pattern = trimmed(pattern);
        if (pattern.empty()) {
            continue;
        }
        if (!result.empty()) {
            result += ' ';
        }
        result += pattern == "*.*" ? std::string_view("*") : pattern;
    }
    return result.empty() ? "*" : result;
}

} // namespace

ToolkitFilter ToToolkitFilter(const FileFilter& filter)
{
    ToolkitFilter result;
    if (filter.pairs.empty()) {
        return result;
    }
    const std::vector<std::string_view> parts = split(filter.pairs, '|');
    std::vector<std::string> entries;
    for (std::size_t i = 0; i < parts.size(); i += 2) {
        const std::string_view patterns = i + 1 < parts.size() ? parts[i + 1] : std::string_view();
        std::string entry(nameWithoutPatterns(parts[i]));
        entry += entry.empty() ? "(" : " (";
        entry += toolkitPatterns(patterns);
        entry += ')';
        entries.push_back(std::move(entry));
    }
    for (const std::string& entry : entries) {
        if (!result.filter.empty()) {
            result.filter += ";;";
        }
        result.filter += entry;
    }
    const bool inRange = filter.index >= 1 && static_cast<std::size_t>(filter.index) <= entries.size();
    result.selected = entries[inRange ? static_cast<std::size_t>(filter.index - 1) : 0];
    return result;
}

} // namespace orvenda
