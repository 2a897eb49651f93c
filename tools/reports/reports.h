#pragma once

// The three spreadsheet reports, each filled into a copy of its template
// from the program folder's Template/: the birthday principle table for a
// range of years, the day principle calendar of a year, and the personal
// event list with the Kalachakra characteristics of every entry and their
// counts. The result is a workbook in memory; report_file.h saves it.

#include "engine/principle_colours.h"
#include "engine/spreadsheet/workbook.h"
#include "tools/eventlist/event_list.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvenda::reports {

struct ReportResult {
    std::optional<sheet::Workbook> Book;
    std::string Error;                 // Russian, for a message box, when Book is empty
    std::vector<std::string> Warnings; // entries that could not be described
};

// `programFolder` ends with a separator; the templates and pictures are
// found beneath it.
ReportResult BirthdayReport(const std::string& programFolder, std::int32_t fromYear, std::int32_t toYear);
ReportResult CalendarReport(const std::string& programFolder, std::int32_t year,
                            const PrincipleColours& colours);
// The entries as the personal event list holds them, in its order.
ReportResult ListReport(const std::string& programFolder, const std::vector<EvtListRecord>& entries);

// Whether digits in `colour` need a dark cell ground to be read on white
// (true for the yellow, white and pale red principle colours).
bool NeedsDarkGround(Rgb colour) noexcept;
// The font colour of a cell, with the dark ground when the colour needs it.
void PaintReadable(sheet::Workbook& book, int row, int column, Rgb colour);

// The first value of the birthday table (the day principle row of 1 January
// of `year` in the table of 24 principles), 1..24.
int BirthdayStartValue(std::int32_t year) noexcept;

} // namespace orvenda::reports
