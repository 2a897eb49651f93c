#pragma once

// The run log: a copy of the error journal written at the end of every refresh.

#include "config/config.h"
#include "engine/journal.h"

#include <string>

namespace orvenda {

// The log file's path: UserLogFileName, or `shortDate` + ".log" for a log per
// day (a "/" of the date text becomes "-", so the name stays one file name).
// A name without a folder lands in the program folder.
std::string RunLogPath(const TConfigRec& config, const std::string& programFolder,
                       const std::string& shortDate);

// Nothing unless LogEnable. Appends (behind a line of 30 asterisks) or replaces
// the file with the whole journal. A file that cannot be written adds
// "Невозможно создать log-файл" to the journal.
void WriteRunLog(const TConfigRec& config, Journal& journal, const std::string& programFolder,
                 const std::string& shortDate);

} // namespace orvenda
