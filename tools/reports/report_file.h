#pragma once

// Saving a finished report where the user finds it: the program folder's
// Report/, under the report's name and the moment it was made.

#include "engine/date.h"
#include "engine/spreadsheet/workbook.h"
#include "tools/reports/reports.h"

#include <string>
#include <string_view>
#include <vector>

namespace orvenda::reports {

// The names under which the reports are saved.
inline constexpr std::string_view kBirthdayReportName = "Принципы дней рождения";
inline constexpr std::string_view kCalendarReportName = "Принципы дней";
inline constexpr std::string_view kListReportName = "Список событий";

// "<folder>Report/<name> <Y-m-d H-M-S>.xlsx"; `programFolder` ends with a separator.
std::string ReportPath(const std::string& programFolder, std::string_view name, TDateRec now);

struct [[nodiscard]] SavedReport {
    bool Ok = false;
    std::string Path;
    std::string Error; // Russian, for a message box, when not Ok
    std::vector<std::string> Warnings;
};

// Writes the workbook to `path` (through a temporary file and a rename);
// `createFolder` makes its folder first when it is missing (Report/).
SavedReport SaveReport(const sheet::Workbook& book, const std::string& path, bool createFolder = false);

// The user's own copy of a delivered template, made from the data folder's
// one the first time: the template the user opens to recolour (the data
// folder of an installed program is read-only), which the reports then read.
// With one folder for both it is the delivered template itself.
struct UserTemplate {
    std::string Path;
    std::string Error; // Russian, for a message box; empty when Path may be opened
};
UserTemplate OwnTemplate(const ReportFolders& folders, std::string_view name);

// What the user is told when the saved report could not be opened.
std::string NotOpenedMessage(const std::string& path);

} // namespace orvenda::reports
