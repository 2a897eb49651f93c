#pragma once

// File dialog filters. The program states its filters as it has
// always shown them, pairs of a name and its patterns separated by "|"
// ("Cобытия (*.evt)|*.evt|Все файлы|*.*"), with a 1-based number choosing the
// preselected pair; the windows hand them to the toolkit's dialogs, which
// want "Name (patterns)" entries separated by ";;".

#include <string>
#include <string_view>
#include <vector>

namespace orvenda {

struct FileFilter {
    std::string pairs;
    // 1-based; out of range means the first pair.
    int index = 1;

    friend bool operator==(const FileFilter&, const FileFilter&) = default;
};

struct ToolkitFilter {
    std::string filter;   // every entry, ";;" between them
    std::string selected; // the preselected entry, one of those in `filter`
};

// Each pair becomes "name (patterns)": a pattern list already closing the
// name ("Cобытия (*.evt)") is replaced by the pair's own patterns, ";"
// between patterns becomes a space, and "*.*" becomes "*" (a name without a
// dot is a file too). A pair without patterns (an odd number of parts) gets
// "*". Empty input gives an empty filter.
ToolkitFilter ToToolkitFilter(const FileFilter& filter);

} // namespace orvenda
