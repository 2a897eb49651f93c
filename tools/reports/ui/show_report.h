#pragma once

// Showing a report: it is saved into the program folder's Report/ and opened
// in the desktop's program for .xlsx files. Every failure reaches the user
// through the prompt, and a saved report that no program opens is named, so
// the work is not lost.

#include "engine/date.h"
#include "tools/reports/reports.h"

#include <QString>

#include <functional>
#include <string>
#include <string_view>

namespace orvenda {

class Questions;

// Opens a file in the desktop's program for it; false when none did. The
// default asks QDesktopServices; tests pass their own.
using FileOpener = std::function<bool(const QString& path)>;
FileOpener DesktopOpener();

// Saves and opens `report` under `name` and the moment `now`. Returns the
// saved file, or an empty text when nothing was saved.
QString ShowReport(Questions& questions, const reports::ReportResult& report,
                   const std::string& programFolder, std::string_view name, TDateRec now,
                   const FileOpener& open = DesktopOpener());

// "Открыть шаблон": the day calendar's template, for the user to look at or
// recolour: the user's own copy, made on the first opening (OwnTemplate);
// false (after the message) when it cannot be opened.
bool OpenDayTemplate(Questions& questions, const reports::ReportFolders& folders,
                     const FileOpener& open = DesktopOpener());
// The day calendar's template as the report reads it.
QString DayTemplatePath(const reports::ReportFolders& folders);

// What the windows that make reports are given: the pictures and the
// delivered templates lie beneath `dataFolder`, the user's own templates and
// the saved reports beneath `programFolder` (the data folder of an installed
// program is read-only); the reports go into its Report/, named
// after the moment `clock` gives, and shown by `open`. Tests replace the
// clock and the opener.
struct ReportSetup {
    std::string dataFolder;    // with a trailing separator
    std::string programFolder; // with a trailing separator
    std::function<TDateRec()> clock = Now;
    FileOpener open = DesktopOpener();

    reports::ReportFolders Folders() const { return {programFolder, dataFolder}; }
};

// ShowReport with the setup's folder, clock and opener.
QString ShowReport(Questions& questions, const ReportSetup& setup, const reports::ReportResult& report,
                   std::string_view name);

} // namespace orvenda
