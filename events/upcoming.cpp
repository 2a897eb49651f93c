#include "events/upcoming.h"

#include "engine/text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <utility>

namespace orvenda {

namespace {

// The first letter is a Latin "C", as the user has always seen it.
constexpr std::string_view NoEventsText = "Cобытий нет";
constexpr std::string_view ThousandsHeading = "==== Cобытия с кратностью дней 1000 ====";
constexpr std::string_view SameDigitsHeading = "==== Особые сроки ====";

// There is no year 0: the year after -1 is 1. No year past the 32-bit range.
std::optional<std::int32_t> yearAfter(std::int32_t year)
{
    if (year == -1) {
        return 1;
    }
    if (year == std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return year + 1;
}

std::optional<std::int32_t> yearBefore(std::int32_t year)
{
    if (year == 1) {
        return -1;
    }
    if (year == std::numeric_limits<std::int32_t>::min()) {
        return std::nullopt;
    }
    return year - 1;
}

// The day number of the event's month and day in `year`. Going through the
// day number places 29 February of a common year on 1 March and Day 0 on the
// last day of the previous month.
std::int64_t occurrenceDay(const TEventRec& record, std::int32_t year)
{
    return DayNumber(MakeDate(year, record.Date.Month, record.Date.Day));
}

// d > 0: the occurrence lies d days ahead of the current day.
bool insideWindow(std::int64_t d, const TEventRec& record)
{
    const std::int64_t before = record.DaysBefore;
    const std::int64_t after = record.DaysAfter;
    return (0 <= d && d <= before) || (-after <= d && d <= 0);
}

// The day number of the occurrence whose notice window covers the current
// day: the current year's first, then the next year's when the window reaches
// past the year's end, then the previous year's when it reaches back before
// its start.
std::optional<std::int64_t> occurrenceInWindow(const TEventRec& record, TDateRec today)
{
    const std::int64_t todayNumber = DayNumber(today);
    const std::array<std::optional<std::int32_t>, 3> years{
        today.Year,
        AddDays(today, record.DaysBefore).Year > today.Year ? yearAfter(today.Year) : std::nullopt,
        SubtractDays(today, record.DaysAfter).Year < today.Year ? yearBefore(today.Year) : std::nullopt,
    };
    for (const auto& year : years) {
        if (!year) {
            continue;
        }
        const std::int64_t occurrence = occurrenceDay(record, *year);
        if (insideWindow(occurrence - todayNumber, record)) {
            return occurrence;
        }
    }
    return std::nullopt;
}

std::string dayWord(std::int64_t n)
{
    return PluralForm(n, "день", "дня", "дней");
}

// o > 0: the day lies o days before the current day.
std::string headingFor(std::int64_t o)
{
    switch (o) {
    case -2:
        return " ---- Послезавтра ----";
    case -1:
        return " ---- Завтра ----";
    case 0:
        return " ---- Сегодня ----";
    case 1:
        return " ---- Вчера ----";
    case 2:
        return " ---- Позавчера ----";
    default:
        break;
    }
    if (o < 0) {
        return " ---- Через " + std::to_string(-o) + " " + dayWord(-o) + "----";
    }
    return " ---- " + std::to_string(o) + " " + dayWord(o) + " назад ----";
}

void addEventRow(std::vector<ShownRow>& rows, const TEventRec& record)
{
    AddShownRow(rows, FormatDate(record.Date, "z"), record.Text, record.FilePath,
                std::to_string(record.Ordinal));
}

void addExtraList(std::vector<ShownRow>& rows, const std::vector<TEventRec>& list, std::string_view heading,
                  bool group)
{
    if (list.empty()) {
        return;
    }
    if (group) {
        AddShownRow(rows, "", heading, "", "");
    }
    for (const TEventRec& record : list) {
        addEventRow(rows, record);
    }
}

// An event of YearsList placed on a day.
struct Placement {
    std::int64_t day;
    std::size_t index;
};

// The days from..to, an event matching a day by month and day: days up to
// the end of the current day's year take the current year's occurrence,
// later days the next year's. So an event can be placed twice (a range over
// two years) and nothing is placed two or more years ahead.
std::vector<Placement> placeByMonthAndDay(const std::vector<TEventRec>& years, TDateRec today, TDateRec from,
                                          TDateRec to)
{
    std::vector<Placement> placements;
    const std::int64_t first = DayNumber(from);
    const std::int64_t last = DayNumber(to);
    if (first > last) {
        return placements;
    }
    const std::optional<std::int32_t> nextYear = yearAfter(today.Year);
    for (std::size_t i = 0; i < years.size(); ++i) {
        const std::int64_t thisYearDay = occurrenceDay(years[i], today.Year);
        if (DateOfDayNumber(thisYearDay).Year <= today.Year && first <= thisYearDay && thisYearDay <= last) {
            placements.push_back({thisYearDay, i});
        }
        if (!nextYear) {
            continue;
        }
        const std::int64_t nextYearDay = occurrenceDay(years[i], *nextYear);
        if (DateOfDayNumber(nextYearDay).Year > today.Year && first <= nextYearDay && nextYearDay <= last) {
            placements.push_back({nextYearDay, i});
        }
    }
    return placements;
}

} // namespace

void AddShownRow(std::vector<ShownRow>& rows, std::string_view dateText, std::string_view text,
                 std::string_view path, std::string_view ordinal)
{
    ShownRow row;
    if (!dateText.empty()) {
        const TDateRec date = ReadDate(dateText, YearFirst, UnsetDateTime);
        row.DateText = FormatDate(date, "d.m");
        if (date.Year != 0) {
            row.DateText += FormatDate(date, ".Y");
        }
        // An hour of 25 and a second of 61 mean that no time was given.
        if (date.Hour < 25) {
            row.DateText += FormatDate(date, " H:M");
        }
        if (date.Second <= 60) {
            row.DateText += FormatDate(date, ":S");
        }
        row.FullDate = FormatDate(date, "z");
    }
    row.Text = text;
    row.FilePath = path;
    row.Ordinal = ordinal;
    rows.push_back(std::move(row));
}

void AddListRow(std::vector<TEventRec>& list, const TEventRec& record)
{
    list.push_back(record);
}

UpcomingResult ComputeUpcoming(const std::vector<TEventRec>& all, TDateRec today, TDateRec from, TDateRec to,
                               bool group, DayLayout layout)
{
    UpcomingResult result;
    // Day number of each YearsList entry's occurrence inside its window.
    std::vector<std::int64_t> occurrences;

    for (const TEventRec& record : all) {
        const std::optional<std::int64_t> occurrence = occurrenceInWindow(record, today);
        if (occurrence && record.Active == 1) {
            AddListRow(result.YearsList, record);
            occurrences.push_back(*occurrence);
        }
        // The stored year as it is, also 0 (no year), for every record.
        const std::int64_t n = std::abs(DaysBetween(today, record.Date));
        if (n >= 1000 && n % 1000 == 0) {
            AddListRow(result.DaysList, record);
        }
        if (n > 100 && AllDigitsSame(n)) {
            AddListRow(result.SameDigitsList, record);
        }
    }
    result.Count =
        static_cast<int>(result.YearsList.size() + result.DaysList.size() + result.SameDigitsList.size());

    if (result.Count == 0) {
        AddShownRow(result.Shown, "", NoEventsText, "", "");
        return result;
    }

    std::vector<Placement> placements;
    if (layout == DayLayout::MainView) {
        for (std::size_t i = 0; i < occurrences.size(); ++i) {
            placements.push_back({occurrences[i], i});
        }
    } else {
        placements = placeByMonthAndDay(result.YearsList, today, from, to);
    }
    // Days in date order; within a day the events keep the list order.
    std::stable_sort(placements.begin(), placements.end(),
                     [](const Placement& a, const Placement& b) { return a.day < b.day; });

    const std::int64_t todayNumber = DayNumber(today);
    std::optional<std::int64_t> previousDay;
    for (const Placement& placement : placements) {
        if (group && placement.day != previousDay) {
            AddShownRow(result.Shown, "", headingFor(todayNumber - placement.day), "", "");
        }
        previousDay = placement.day;
        addEventRow(result.Shown, result.YearsList[placement.index]);
    }

    addExtraList(result.Shown, result.DaysList, ThousandsHeading, group);
    addExtraList(result.Shown, result.SameDigitsList, SameDigitsHeading, group);
    return result;
}

EventDetails ShowEventDetails(const ShownRow& row, TDateRec today)
{
    EventDetails details;
    if (row.FullDate.empty()) {
        return details;
    }
    const TDateRec date = ReadYMD(row.FullDate);
    details.isEvent = true;
    details.text = std::to_string(date.Day) + " " + MonthName(date.Month, 3) + " ";
    if (date.Year != 0) {
        const std::int64_t years = std::int64_t{today.Year} - date.Year;
        const std::int64_t days = DaysBetween(date, today);
        const std::int64_t weeks = days / 7;
        const std::int64_t restDays = std::abs(days % 7);
        details.text += std::to_string(date.Year) + "; Сегодня событию " + std::to_string(years) + " " +
                        PluralForm(years, "год", "года", "лет") + " | " + std::to_string(weeks) + "," +
                        std::to_string(restDays) + " " + PluralForm(weeks, "неделя", "недели", "недель") +
                        " | " + std::to_string(days) + " " + dayWord(days);
    }
    details.astroDate = date;
    if (date.Year == 0) {
        details.astroDate.Year = today.Year;
    }
    return details;
}

} // namespace orvenda
