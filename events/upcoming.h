#pragma once

// The events around the current day, laid out day by day under headings,
// with the two lists of notable day counts, and the details line of a
// clicked event.

#include "engine/date.h"
#include "events/records.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvenda {

// One row of the shown event list: an event, or a heading (also the "no
// events" row), which has only Text. The texts of the list's columns are
// made from it where they are shown (DateColumnText, FullDateText).
struct ShownRow {
    enum class Kind { Heading, Event };

    Kind RowKind = Kind::Heading;
    TDateRec Date{};          // the event's date, as read back from its full date text
    std::string Text;         // column 1
    std::string FilePath;     // the event's file; empty for a heading
    std::int32_t Ordinal = 0; // the event's record number in its file, from 1

    bool IsEvent() const noexcept { return RowKind == Kind::Event; }
};

// Column 0: "d.m", ".Y" when there is a year, " H:M" when a time is given
// and ":S" when a second is; empty for a heading.
std::string DateColumnText(const ShownRow& row);
// Column 2: FormatDate pattern "z" of the event's date; empty for a heading.
std::string FullDateText(const ShownRow& row);

struct [[nodiscard]] UpcomingResult {
    // Active events whose notice window covers the current day, in list order.
    std::vector<TEventRec> YearsList;
    // Events a non-zero multiple of 1000 days away from the current day.
    std::vector<TEventRec> DaysList;
    // Events more than 100 days away, with all digits of the count equal.
    std::vector<TEventRec> SameDigitsList;
    // What the main window lists. Empty only when events were found but none
    // of them falls on a laid-out day and both count lists are empty.
    std::vector<ShownRow> Shown;
    // Rows of the three lists above together; an event in two lists counts twice.
    int Count = 0;
};

// Appends one row. dateText is an event's date in the "z" form (read back
// year first over the unset date-time) or empty for a heading row. Rows are
// always appended: a row whose text is empty is kept, not overwritten later.
void AddShownRow(std::vector<ShownRow>& rows, std::string_view dateText, std::string_view text,
                 std::string_view path, std::int32_t ordinal);

void AddListRow(std::vector<TEventRec>& list, const TEventRec& record);

enum class DayLayout {
    // Refresh and grouping: every windowed event is laid out once, on the
    // occurrence found inside its window, even when that occurrence lies in
    // the year before or after the range; the range is widened to hold it.
    MainView,
    // The period window: the days from..to are laid out and an event matches
    // a day by month and day (in the current day's year for days up to its
    // year's end, in the following year for later days). A range that runs
    // backwards lays out nothing.
    Period,
};

// Builds the three lists and the shown list for the current day `today`
// (only its date counts). Range ends are taken by their day numbers, so a
// day past the month's end counts as the day it names. Never throws.
UpcomingResult ComputeUpcoming(const std::vector<TEventRec>& all, TDateRec today, TDateRec from, TDateRec to,
                               bool group, DayLayout layout);

struct [[nodiscard]] EventDetails {
    bool isEvent = false;
    // Day, month and year of the event and the years, weeks and days from it
    // to the current day; empty for a heading row.
    std::string text;
    // The date to fill the Kalachakra panel with: the event's date, in the
    // current day's year when the event has no year.
    TDateRec astroDate;
};

EventDetails ShowEventDetails(const ShownRow& row, TDateRec today);

} // namespace orvenda
