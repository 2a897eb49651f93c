#pragma once

// Where the three reports write into their templates. The template
// generator lays its headings and frames around the same cells.

namespace orvenda::reports {

// ---- Birthday principle table (kala_day_years) ----
inline constexpr int kBirthdayFirstRow = 8;
inline constexpr int kBirthdayMaxRows = 32;
inline constexpr int kBirthdayYearColumn = 13; // first year column, after the 12 months
// Year columns end at column Z.
inline constexpr int kBirthdayMaxYearColumns = 13;
inline constexpr int kBirthdayYearsHeadingRow = 6;

// ---- Day principle calendar (kala_day) ----
inline constexpr int kCalendarYearRow = 1;
inline constexpr int kCalendarYearColumn = 20;
inline constexpr int kCalendarFirstRow = 6;    // principle row k = 1 is row 6
inline constexpr int kCalendarFirstColumn = 4; // Sunday of the first band
inline constexpr int kCalendarBandWidth = 8;   // the bands start at columns 4, 12, 20
inline constexpr int kCalendarPictureRow = 33;

struct MonthLegend {
    int Row;
    int FontColumn;
    int FillColumn;
};
// Month 1..12 at index 0..11.
inline constexpr MonthLegend kMonthLegend[12] = {
    {30, 4, 6},   {31, 4, 6},   {30, 9, 8},   {31, 9, 8},   {30, 12, 14}, {31, 12, 14},
    {30, 17, 16}, {31, 17, 16}, {30, 20, 22}, {31, 20, 22}, {30, 25, 24}, {31, 25, 24},
};

// The 24 day principles in the order of the calendar's rows (and of the
// birthday table's second table).
inline constexpr int kDayPrinciples[24] = {3,  4,  5,  6,  7,  8,  9,  10, 23, 24, 25, 26,
                                           27, 28, 29, 30, 43, 44, 45, 46, 47, 48, 49, 50};

// ---- Event list workbook (kala_listevt) ----
inline constexpr int kListFirstRow = 4;
// Characteristics start below the list: row kListFirstRow + 3 + n for n entries.
inline constexpr int kListTableGap = 3;
inline constexpr int kCountsFirstRow = 5;

} // namespace orvenda::reports
