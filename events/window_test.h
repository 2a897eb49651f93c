#pragma once

// The first test of the upcoming events, for one record at a time: whether
// its notice window covers the current day, and whether its day count is a
// notable one. The refresh runs it for every loaded record (a million, for
// some users), so what depends on the current day alone is worked out once.
// Not shared between threads: each keeps its own copy.

#include "engine/date.h"
#include "engine/numbers.h"
#include "events/records.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <vector>

namespace orvenda {

// There is no year 0: the year after -1 is 1. No year past the 32-bit range.
inline std::optional<std::int32_t> yearAfter(std::int32_t year)
{
    if (year == -1) {
        return 1;
    }
    if (year == std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return year + 1;
}

inline std::optional<std::int32_t> yearBefore(std::int32_t year)
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
inline std::int64_t occurrenceDay(const TEventRec& record, std::int32_t year)
{
    return DayNumber(MakeDate(year, record.Date.Month, record.Date.Day));
}

// What the window test needs of a record, as plain numbers: the loader
// fills it straight from the file's fields, and a date put together field
// by field in memory and read back whole costs the processor a wait.
struct EventDay {
    std::int32_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t day = 0;
    int daysBefore = 0;
    int daysAfter = 0;
    int active = 0;

    static EventDay Of(const TEventRec& record) noexcept
    {
        return {record.Date.Year,  record.Date.Month, record.Date.Day,
                record.DaysBefore, record.DaysAfter,  record.Active};
    }
};

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
        // Month 0 counts as January, as in DayNumber.
        for (int month = 1; month <= 12; ++month) {
            for (const int leap : {0, 1}) {
                const std::int32_t year = leap == 1 ? 2000 : 2001;
                m_monthStarts[static_cast<std::size_t>(leap)][static_cast<std::size_t>(month)] =
                    DayNumber(MakeDate(year, month, 0)) - DayNumber(MakeDate(year, 1, 0));
            }
        }
        m_firstKeptYear = std::int64_t{today.Year} - kKeptYearsBack;
    }

    std::int64_t TodayNumber() const noexcept { return m_todayNumber; }

    // Days between the current day and the record's date with its stored
    // year as it is, also 0 (no year).
    std::int64_t DayCount(const TEventRec& record) const noexcept
    {
        return std::abs(DayNumber(record.Date) - m_todayNumber);
    }
    std::int64_t DayCount(const EventDay& day) noexcept { return std::abs(dayNumber(day) - m_todayNumber); }
    // A non-zero multiple of 1000.
    static bool IsThousands(std::int64_t n) noexcept { return n >= 1000 && n % 1000 == 0; }
    // Above 100 with all digits equal; most counts differ in their last two digits already.
    static bool IsSameDigits(std::int64_t n) noexcept
    {
        return n > 100 && n % 10 == n / 10 % 10 && AllDigitsSame(n);
    }

    // Whether the record goes into any of the three lists of the upcoming
    // events: active and inside its window, or a notable count of days away.
    // The loader asks this of the record's fields before it makes an event
    // of them: for the few it keeps.
    bool Listed(const EventDay& day)
    {
        if (day.active == 1 && OccurrenceInWindow(day)) {
            return true;
        }
        const std::int64_t n = DayCount(day);
        return IsThousands(n) || IsSameDigits(n);
    }

    // The day number of the occurrence whose notice window covers the current
    // day: the current year's first, then the next year's when the window
    // reaches past the year's end, then the previous year's when it reaches
    // back before its start.
    std::optional<std::int64_t> OccurrenceInWindow(const TEventRec& record)
    {
        return OccurrenceInWindow(EventDay::Of(record));
    }
    std::optional<std::int64_t> OccurrenceInWindow(const EventDay& day)
    {
        const std::array<bool, 3> tried{true, reachesNextYear(day.daysBefore),
                                        reachesPreviousYear(day.daysAfter)};
        for (std::size_t y = 0; y < tried.size(); ++y) {
            if (!tried[y] || !m_years[y]) {
                continue;
            }
            const std::int64_t d = dayIn(day, y) - m_todayNumber;
            // d > 0: the occurrence lies d days ahead of the current day.
            if ((0 <= d && d <= day.daysBefore) || (-std::int64_t{day.daysAfter} <= d && d <= 0)) {
                return d + m_todayNumber;
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

    // DayNumber of the record's own date. A day number is the number of the
    // day before the year's first, plus the days before the month in a
    // common or leap year, plus the day (also a day 0 or 31 of a shorter
    // month: the count just runs on); so for the years of most records the
    // first two are remembered from DayNumber itself.
    std::int64_t dayNumber(const EventDay& day) noexcept
    {
        const std::int64_t k = std::int64_t{day.year} - m_firstKeptYear;
        if (k < 0 || k >= static_cast<std::int64_t>(m_yearStarts.size()) || day.month > 12) {
            return DayNumber(MakeDate(day.year, day.month, day.day));
        }
        YearStart& start = m_yearStarts[static_cast<std::size_t>(k)];
        if (!start.known) {
            start.number = DayNumber(MakeDate(day.year, 1, 0));
            start.leap = DayNumber(MakeDate(day.year, 3, 0)) - start.number == 60;
            start.known = true;
        }
        return start.number + m_monthStarts[start.leap ? 1 : 0][day.month] + day.day;
    }

    // occurrenceDay in candidate year y.
    std::int64_t dayIn(const EventDay& day, std::size_t y) const
    {
        if (day.month < kMonths && day.day < kDays) {
            return m_occurrences[y][day.month][day.day];
        }
        return DayNumber(MakeDate(*m_years[y], day.month, day.day));
    }

    struct YearStart {
        std::int64_t number = 0; // DayNumber of day 0 of January
        bool leap = false;
        bool known = false;
    };
    // The years kept: from two millennia back (records without a year have
    // year 0) to a century ahead.
    static constexpr std::int64_t kKeptYearsBack = 2100;
    static constexpr std::size_t kKeptYears = 2200;

    TDateRec m_today;
    std::int64_t m_todayNumber;
    std::int64_t m_firstKeptYear = 0;
    std::vector<YearStart> m_yearStarts = std::vector<YearStart>(kKeptYears);
    std::array<std::array<std::int64_t, 13>, 2> m_monthStarts{};
    // The current year, the next one and the one before (none past the 32-bit range).
    std::array<std::optional<std::int32_t>, 3> m_years;
    std::array<std::array<std::array<std::int64_t, kDays>, kMonths>, 3> m_occurrences{};
    std::array<signed char, kRemembered> m_reachesNext;
    std::array<signed char, kRemembered> m_reachesPrevious;
};

} // namespace orvenda
