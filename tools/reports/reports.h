#pragma once

// The three spreadsheet reports, each filled into a copy of its template
// (ReportFolders: the user's or the delivered one): the birthday principle table for a
// range of years, the day principle calendar of a year, and the personal
// event list with the Kalachakra characteristics of every entry and their
// counts. The result is a workbook in memory; report_file.h saves it.

#include "engine/principle_colours.h"
#include "engine/spreadsheet/workbook.h"
#include "tools/eventlist/event_list.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvenda::reports {

struct [[nodiscard]] ReportResult {
    std::optional<sheet::Workbook> Book;
    std::string Error;                 // Russian, for a message box, when Book is empty
    std::vector<std::string> Warnings; // entries that could not be described
};

// Where a report finds its files, each folder with a trailing separator.
// A template in the user's folder's Template/ (one the user recoloured) is
// taken before the delivered one in the data folder's; the pictures are
// always the delivered ones beneath the data folder's Img/.
struct ReportFolders {
    std::string User;
    std::string Data;

    // One folder for both, as in the build folder or a portable copy;
    // implicit, so that a single folder may be passed as it is.
    ReportFolders(const std::string& folder) : User(folder), Data(folder) {}
    ReportFolders(std::string user, std::string data) : User(std::move(user)), Data(std::move(data)) {}

    // The template `name` ("kala_day.xlsx") the reports read.
    std::string Template(std::string_view name) const;
};

ReportResult BirthdayReport(const ReportFolders& folders, std::int32_t fromYear, std::int32_t toYear);
ReportResult CalendarReport(const ReportFolders& folders, std::int32_t year, const PrincipleColours& colours);
// The entries as the personal event list holds them, in its order.
ReportResult ListReport(const ReportFolders& folders, const std::vector<EvtListRecord>& entries);

// Whether digits in `colour` need a dark cell ground to be read on white
// (true for the yellow, white and pale red principle colours).
bool NeedsDarkGround(Rgb colour) noexcept;
// The font colour of a cell, with the dark ground when the colour needs it.
void PaintReadable(sheet::Workbook& book, int row, int column, Rgb colour);

// The first value of the birthday table (the day principle row of 1 January
// of `year` in the table of 24 principles), 1..24.
int BirthdayStartValue(std::int32_t year) noexcept;

} // namespace orvenda::reports
