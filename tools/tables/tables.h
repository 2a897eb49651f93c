#pragma once

// The reference tables of the tables window and of `orvenda-cli table`: one
// function per table returning its lines as they are printed, the size of a
// table before it is built, and the printing through a TextOutput with the
// window's separation from earlier output.
//
// Every table works on signed years; the inputs are checked by
// TableInputError first (the functions themselves assume checked inputs).

#include "engine/date.h"
#include "engine/text_output.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvenda {

// A longer table is refused by the terminal and asked about by the window.
inline constexpr std::uint64_t kTableLineLimit = 100000;
// Not even asked about: the text window could not hold it.
inline constexpr std::uint64_t kTableHardLimit = 2000000;
// The inputs stay well inside 32 bits, so that every year a table computes
// from them (the next year, the year 32 later, 100 times a century) fits.
inline constexpr std::int32_t kTableYearLimit = 999999999;
inline constexpr std::int32_t kTableCenturyLimit = 9999999;
inline constexpr int kTableMaxColumnWidth = 99;

// Principles of the centuries from..to (century 0 is left out).
std::vector<std::string> CenturyTable(std::int32_t from, std::int32_t to);
// Principles of the years from..to, year 0 included (it has no principle).
std::vector<std::string> YearTable(std::int32_t from, std::int32_t to);
// Principles of the twelve months of `year` (not 0).
std::vector<std::string> MonthTable(std::int32_t year);
// The 36 decades with their tabular and computed periods and energies; the
// year only names the table.
std::vector<std::string> DecadeTable(std::int32_t year);
// The 60 week periods and their principles; the year only names the table.
std::vector<std::string> WeekTable(std::int32_t year);
// The day principle of every day from `from` while not later than `to`
// (valid dates; the times count, a reversed period prints the heading only).
std::vector<std::string> DayTable(TDateRec from, TDateRec to);
// The zodiac signs of the five-year periods of the years from..to, one row a
// year or, grouped, one row for each run of years with the same sign.
std::vector<std::string> FiveYearSignTable(std::int32_t from, std::int32_t to, bool grouped);
// The periods of the twelve signs; the year only names the table.
std::vector<std::string> ZodiacTable(std::int32_t year);
// The calendar of `year` (not 0): three bands of four months, a column a week.
std::vector<std::string> CalendarTable(std::int32_t year);
// The two tables that find the principle of a birthday for the years
// from..to, with columns `width` characters wide (1..kTableMaxColumnWidth).
std::vector<std::string> BirthdayTables(std::int32_t from, std::int32_t to, int width);

enum class TableKind { Century, Year, Month, Decade, Week, Days, FiveYearSigns, Zodiac, Calendar, Birthday };

// One table with its inputs, as the window's page or the terminal's
// arguments give them. One-year tables read `from`.
struct TableRequest {
    TableKind kind = TableKind::Year;
    std::int32_t from = 0;
    std::int32_t to = 0;
    TDateRec fromDate = DefaultDate; // Days
    TDateRec toDate = DefaultDate;   // Days
    bool grouped = true;             // FiveYearSigns
    int width = 3;                   // Birthday
};

// The kinds with an "от"/"до" range of years or centuries.
bool HasYearRange(TableKind kind) noexcept;
// A reversed range of years or centuries changes places, as the window does
// with its spin edits; the period of the day table is left as it is.
void SwapIfReversed(TableRequest& request) noexcept;
// What is wrong with the inputs, in the user's words; nullopt when they are fine.
std::optional<std::string> TableInputError(const TableRequest& request);
// The number of lines the table will have, found without building it. The
// birthday tables have a fixed number of rows that grow in width: their size
// counts every year they list as one line more, so a huge span is caught too.
std::uint64_t TableSize(const TableRequest& request);
std::vector<std::string> TableLines(const TableRequest& request);
// Starts a new block of output and appends the table's lines.
void PrintTable(const TableRequest& request, TextOutput& output);

} // namespace orvenda
