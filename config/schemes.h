#pragma once

// Colour schemes: files <name>.sch in the program folder that hold the looks
// of the main window's five text areas, seven lines per object.

#include "config/config.h"
#include "engine/journal.h"
#include "engine/textfile.h"

#include <string>
#include <vector>

namespace orvenda {

class ConfigObserver;

// The names (without ".sch") of the schemes in the folder, sorted by byte
// value. A file named just ".sch" is left out: an empty name loads nothing.
std::vector<std::string> ListSchemes(const std::string& programFolder);

// Reads programFolder + name + ".sch" into `looks`; false (looks untouched)
// when the name is empty or the file cannot be opened, the latter with a
// journal line. A size or colour that cannot be read, or lines missing at the
// end, keep the old values of those fields and are reported in the journal.
// The observer hears of each object as soon as it is set.
bool LoadScheme(TLooks& looks, const std::string& programFolder, const std::string& name, Journal& journal,
                ConfigObserver* observer);

// Writes the 35 lines of `looks` to programFolder + name + ".sch" through a
// temporary file. A scheme that is UTF-8 now stays UTF-8, any other is
// written in Windows-1251. Failures also add a line to the journal.
SaveResult SaveScheme(const TLooks& looks, const std::string& programFolder, const std::string& name,
                      Journal& journal);

} // namespace orvenda
