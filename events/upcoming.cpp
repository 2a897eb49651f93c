#include "events/upcoming.h"

#include "engine/date_format.h"
#include "engine/utf8.h"
#include "events/window_test.h"

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

// A row of the shown list; `date` is the date read back from the row's full
// date text (none for a heading row).
void appendRow(std::vector<ShownRow>& rows, const std::optional<TDateRec>& date, std::string_view text,
               std::string_view path, std::int32_t ordinal)
{
    ShownRow row;
    if (date) {
        row.RowKind = ShownRow::Kind::Event;
        row.Date = *date;
        row.FilePath = path;
        row.Ordinal = ordinal;
    }
    row.Text = text;
    rows.push_back(std::move(row));
}

// The row of an event, as AddShownRow makes it from the event's full date
// text. That text reads back as the same date for every year but the lowest
// 32-bit one, whose digits do not fit a date field; only that year goes the
// long way through the text.
void addEventRow(std::vector<ShownRow>& rows, const TEventRec& record)
{
    if (record.Date.Year == std::numeric_limits<std::int32_t>::min()) {
        AddShownRow(rows, FormatDate(record.Date, "z"), record.Text, record.FilePath, record.Ordinal);
        return;
    }
    appendRow(rows, record.Date, record.Text, record.FilePath, record.Ordinal);
}

void addExtraList(std::vector<ShownRow>& rows, const std::vector<TEventRec>& list, std::string_view heading,
                  bool group)
{
    if (list.empty()) {
        return;
    }
    if (group) {
        AddShownRow(rows, "", heading, "", 0);
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

std::string DateColumnText(const ShownRow& row)
{
    if (!row.IsEvent()) {
        return {};
    }
    // "d.m", ".Y" when there is a year, " H:M" when a time is given (an hour
    // of 25 means none) and ":S" when a second is (61 means none), as one
    // pattern.
    std::string pattern = "d.m";
    if (row.Date.Year != 0) {
        pattern += ".Y";
    }
    if (row.Date.Hour < 25) {
        pattern += " H:M";
    }
    if (row.Date.Second <= 60) {
        pattern += ":S";
    }
    return FormatDate(row.Date, pattern);
}

std::string FullDateText(const ShownRow& row)
{
    return row.IsEvent() ? FormatDate(row.Date, "z") : std::string();
}

void AddShownRow(std::vector<ShownRow>& rows, std::string_view dateText, std::string_view text,
                 std::string_view path, std::int32_t ordinal)
{
    if (dateText.empty()) {
        appendRow(rows, std::nullopt, text, path, ordinal);
        return;
    }
    appendRow(rows, ReadDate(dateText, YearFirst, UnsetDateTime), text, path, ordinal);
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

    WindowTest window(today);
    for (const TEventRec& record : all) {
        // Only active records are listed, so the window of the others is not looked for.
        if (record.Active == 1) {
            if (const std::optional<std::int64_t> occurrence = window.OccurrenceInWindow(record)) {
                AddListRow(result.YearsList, record);
                occurrences.push_back(*occurrence);
            }
        }
        // The stored year as it is, also 0 (no year), for every record.
        const std::int64_t n = window.DayCount(record);
        if (WindowTest::IsThousands(n)) {
            AddListRow(result.DaysList, record);
        }
        if (WindowTest::IsSameDigits(n)) {
            AddListRow(result.SameDigitsList, record);
        }
    }
    result.Count =
        static_cast<int>(result.YearsList.size() + result.DaysList.size() + result.SameDigitsList.size());

    if (result.Count == 0) {
        AddShownRow(result.Shown, "", NoEventsText, "", 0);
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
            AddShownRow(result.Shown, "", headingFor(todayNumber - placement.day), "", 0);
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
    if (!row.IsEvent()) {
        return details;
    }
    const TDateRec date = ReadYMD(FullDateText(row));
    details.isEvent = true;
    details.text = std::to_string(date.Day) + " " + MonthName(date.Month, MonthForm::Genitive) + " ";
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
