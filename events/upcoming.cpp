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

// The first pass for every loaded event, with what depends on the current day
// alone worked out once: the records are many (a refresh may see a million),
// the current day is one. Each answer is the one the date functions give for
// the same arguments; they are only remembered, for the small values that
// almost every record has.
class WindowTest {
public:
    explicit WindowTest(TDateRec today) : m_today(today), m_todayNumber(DayNumber(today))
    {
        m_years[0] = today.Year;
        m_years[1] = yearAfter(today.Year);
        m_years[2] = yearBefore(today.Year);
        for (std::size_t y = 0; y < m_years.size(); ++y) {
            if (!m_years[y]) {
                continue;
            }
            for (int month = 0; month < kMonths; ++month) {
                for (int day = 0; day < kDays; ++day) {
                    m_occurrences[y][static_cast<std::size_t>(month)][static_cast<std::size_t>(day)] =
                        DayNumber(MakeDate(*m_years[y], month, day));
                }
            }
        }
        m_reachesNext.fill(kUnknown);
        m_reachesPrevious.fill(kUnknown);
    }

    std::int64_t TodayNumber() const noexcept { return m_todayNumber; }

    // The day number of the occurrence whose notice window covers the current
    // day: the current year's first, then the next year's when the window
    // reaches past the year's end, then the previous year's when it reaches
    // back before its start.
    std::optional<std::int64_t> OccurrenceInWindow(const TEventRec& record)
    {
        const std::array<bool, 3> tried{true, reachesNextYear(record.DaysBefore),
                                        reachesPreviousYear(record.DaysAfter)};
        for (std::size_t y = 0; y < tried.size(); ++y) {
            if (!tried[y] || !m_years[y]) {
                continue;
            }
            const std::int64_t occurrence = dayIn(record, y);
            if (insideWindow(occurrence - m_todayNumber, record)) {
                return occurrence;
            }
        }
        return std::nullopt;
    }

private:
    static constexpr int kMonths = 13; // 0..12; other months are worked out each time
    static constexpr int kDays = 32;   // 0..31
    static constexpr std::size_t kRemembered = 512;
    static constexpr signed char kUnknown = -1;

    // AddDays(today, daysBefore) lies in a later year.
    bool reachesNextYear(int daysBefore)
    {
        const auto work = [&] { return AddDays(m_today, daysBefore).Year > m_today.Year; };
        return remembered(m_reachesNext, daysBefore, work);
    }

    // SubtractDays(today, daysAfter) lies in an earlier year.
    bool reachesPreviousYear(int daysAfter)
    {
        const auto work = [&] { return SubtractDays(m_today, daysAfter).Year < m_today.Year; };
        return remembered(m_reachesPrevious, daysAfter, work);
    }

    template <typename Work>
    static bool remembered(std::array<signed char, kRemembered>& answers, int days, const Work& work)
    {
        if (days < 0 || static_cast<std::size_t>(days) >= answers.size()) {
            return work();
        }
        signed char& answer = answers[static_cast<std::size_t>(days)];
        if (answer == kUnknown) {
            answer = work() ? 1 : 0;
        }
        return answer == 1;
    }

    // occurrenceDay in candidate year y.
    std::int64_t dayIn(const TEventRec& record, std::size_t y) const
    {
        const std::uint16_t month = record.Date.Month;
        const std::uint16_t day = record.Date.Day;
        if (month < kMonths && day < kDays) {
            return m_occurrences[y][month][day];
        }
        return occurrenceDay(record, *m_years[y]);
    }

    TDateRec m_today;
    std::int64_t m_todayNumber;
    // The current year, the next one and the one before (none past the 32-bit range).
    std::array<std::optional<std::int32_t>, 3> m_years;
    std::array<std::array<std::array<std::int64_t, kDays>, kMonths>, 3> m_occurrences{};
    std::array<signed char, kRemembered> m_reachesNext;
    std::array<signed char, kRemembered> m_reachesPrevious;
};

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
        const std::int64_t n = std::abs(DayNumber(record.Date) - window.TodayNumber());
        if (n >= 1000 && n % 1000 == 0) {
            AddListRow(result.DaysList, record);
        }
        // Most counts differ in their last two digits already.
        if (n > 100 && n % 10 == n / 10 % 10 && AllDigitsSame(n)) {
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
