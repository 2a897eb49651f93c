#include "engine/date.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <limits>
#include <ostream>
#include <utility>
#include <vector>

namespace orvenda {

// Failure messages show d.m.Y H:M:S.ms
void PrintTo(const TDateRec& d, std::ostream* os)
{
    *os << d.Day << '.' << d.Month << '.' << d.Year << ' ' << d.Hour << ':' << d.Minute << ':' << d.Second
        << '.' << d.Millisecond;
}

namespace {

constexpr std::int32_t kMaxYear = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMinYear = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kMaxI64 = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMinI64 = std::numeric_limits<std::int64_t>::min();

TDateRec DT(std::int32_t y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0)
{
    const auto u = [](int v) { return static_cast<std::uint16_t>(v); };
    return TDateRec{y, u(mo), u(d), u(h), u(mi), u(s), u(ms)};
}

TDateRec WithUnsetTime(TDateRec d)
{
    return DT(d.Year, d.Month, d.Day, UnsetDateTime.Hour, UnsetDateTime.Minute, UnsetDateTime.Second,
              UnsetDateTime.Millisecond);
}

// The calendar's rules written out independently of the engine.
bool ReferenceLeap(std::int64_t y)
{
    return y != 0 && (y % 400 == 0 || (y % 4 == 0 && y % 100 != 0));
}

int ReferenceMonthLength(std::int64_t y, int m)
{
    static constexpr int kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return (m == 2 && ReferenceLeap(y)) ? 29 : kLengths[m - 1];
}

// ---- Leap years and lengths ----

TEST(LeapYearsAndLengths, LeapRulesOnSignedYears)
{
    struct Case {
        std::int32_t year;
        bool leap;
        bool julianLeap;
    };
    const Case cases[] = {
        {1900, false, true},      {2000, true, true},
        {2004, true, true},       {2100, false, true},
        {2007, false, false},     {0, false, false},
        {-4, true, true},         {-100, false, true},
        {-400, true, true},       {-1, false, false},
        {kMaxYear, false, false}, {kMinYear, true, true}, // 2^31 is divisible by 4 but not by 100
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.year);
        EXPECT_EQ(IsLeapYear(c.year), c.leap);
        EXPECT_EQ(DaysInYear(c.year), c.leap ? 366 : 365);
        EXPECT_EQ(IsJulianLeapYear(c.year), c.julianLeap);
        EXPECT_EQ(DaysInMonth(c.year, 2), c.leap ? 29 : 28);
        EXPECT_EQ(DaysInMonthJulian(c.year, 2), c.julianLeap ? 29 : 28);
        EXPECT_EQ(DaysInMonth(c.year, 4), 30);
        for (const int badMonth : {0, 13, -1}) {
            EXPECT_EQ(DaysInMonth(c.year, badMonth), 0);
            EXPECT_EQ(DaysInMonthJulian(c.year, badMonth), 0);
        }
    }
}

TEST(LeapYearsAndLengths, AgreeWithChrono)
{
    using namespace std::chrono;
    // std::chrono tests the signed year too; only its year 0 is leap.
    for (int y = -32767; y <= 32767; ++y) {
        ASSERT_TRUE(y == 0 || IsLeapYear(y) == year{y}.is_leap()) << y;
    }
    for (int y = 1; y <= 32767; y += 3) {
        for (unsigned m = 1; m <= 12; ++m) {
            const unsigned last{year_month_day_last{year{y}, month_day_last{month{m}}}.day()};
            ASSERT_EQ(DaysInMonth(y, static_cast<int>(m)), static_cast<int>(last)) << y << '/' << m;
        }
    }
}

TEST(LeapYearsAndLengths, DayOfYear)
{
    EXPECT_EQ(DayOfYear(DT(2007, 1, 1)), 1);
    EXPECT_EQ(DayOfYear(DT(2007, 3, 1)), 60);
    EXPECT_EQ(DayOfYear(DT(2008, 3, 1)), 61);
    EXPECT_EQ(DayOfYear(DT(2008, 12, 31)), 366);
    EXPECT_EQ(DayOfYear(DT(-4, 3, 1)), 61);
    EXPECT_EQ(DayOfYear(DT(2007, 13, 5)), 5); // a month outside 1..12 counts as January
}

TEST(LeapYearsAndLengths, Validation)
{
    struct Case {
        TDateRec date;
        bool validDate;
        bool validDateTime;
    };
    const Case cases[] = {
        {DT(2008, 2, 29), true, true},
        {DT(2007, 2, 29), false, false},
        {DT(-4, 2, 29), true, true},
        {DT(-100, 2, 29), false, false},
        {DT(0, 1, 1), false, false},
        {DT(2007, 4, 31), false, false},
        {DT(2007, 4, 0), false, false},
        {DT(2007, 13, 1), false, false},
        {DT(2007, 1, 1, 24, 0), true, false},
        {DT(2007, 1, 1, 23, 60), true, false},
        {DT(2007, 1, 1, 23, 59, 61, 1000), true, true}, // seconds and milliseconds are not looked at
        {WithUnsetTime(DT(2007, 1, 1)), true, false},
        {UnsetDateTime, false, false},
        {ZeroDate, false, false},
        {DefaultDate, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.date));
        EXPECT_EQ(IsValidDate(c.date), c.validDate);
        EXPECT_EQ(IsValidDateTime(c.date), c.validDateTime);
    }
}

// ---- Day numbers ----

TEST(DayNumbers, KnownPoints)
{
    struct Case {
        TDateRec date;
        std::int64_t n;
    };
    // By hand: 2000 follows 1999 years of 365 days and 484 leap days; 100000
    // follows 99999 years and 24249 leap days, and is leap itself.
    const Case cases[] = {
        {DT(1, 1, 1), 1},
        {DT(2, 1, 1), 366},
        {DT(4, 12, 31), 1461},
        {DT(2000, 1, 1), 730120},
        {DT(-1, 12, 31), -1},
        {DT(-1, 1, 1), -365},
        {DT(-4, 12, 31), -1096},
        {DT(-4, 1, 1), -1461},
        {DT(-100000, 1, 1), -36524250},
        {DT(100000, 12, 31), 36524250},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.date));
        EXPECT_EQ(DayNumber(c.date), c.n);
        EXPECT_EQ(DateOfDayNumber(c.n), c.date);
    }
    EXPECT_EQ(DayNumber(DT(0, 3, 1)), 60); // year 0: the day of the year
    EXPECT_EQ(DateOfDayNumber(0), DT(1, 1, 1));
    EXPECT_EQ(DayNumber(DT(2007, 5, 9, 23, 59, 59, 999)), DayNumber(DT(2007, 5, 9)));
    // The same count of days as the Julian day.
    EXPECT_EQ(JulianDayNumber(DT(2000, 1, 1)) - JulianDayNumber(DT(1, 1, 1)) + 1, DayNumber(DT(2000, 1, 1)));
}

// Kept out of the day loop so that the loop holds no addressable locals.
[[gnu::noinline]] void ReportDay(TDateRec date, std::int64_t expected, int weekday)
{
    ADD_FAILURE() << testing::PrintToString(date) << ": day number " << DayNumber(date) << " (expected "
                  << expected << "), back " << testing::PrintToString(DateOfDayNumber(expected))
                  << ", weekday " << WeekdayIndex(date) << " (expected " << weekday << ")";
}

// Walks day by day with a (year, month, day) counter: the day number grows by
// one at each step except over the missing 0 between 31.12.-1 and 1.1.1, it
// leads back to the date, and the weekdays run on before year 1.
TEST(DayNumbers, EveryDayFromMinus100000To100000)
{
    std::int64_t expected = -36524250;
    int weekday = WeekdayIndex(DT(-100000, 1, 1));
    for (std::int32_t y = -100000; y <= 100000; ++y) {
        for (int m = 1; m <= 12 && y != 0; ++m) {
            const int length = ReferenceMonthLength(y, m);
            for (int d = 1; d <= length; ++d) {
                const TDateRec date = MakeDate(y, m, d);
                const std::int64_t n = DayNumber(date);
                // Weekdays of positive years are compared with std::chrono below.
                if (n != expected || DateOfDayNumber(n) != date || (y < 1 && WeekdayIndex(date) != weekday)) {
                    ReportDay(date, expected, weekday);
                    return;
                }
                expected = expected == -1 ? 1 : expected + 1;
                weekday = weekday == 6 ? 0 : weekday + 1;
            }
        }
    }
    EXPECT_EQ(expected, 36524250 + 1);
}

TEST(DayNumbers, AgreeWithChronoForPositiveYears)
{
    using namespace std::chrono;
    // Every day of ten 400-year cycles, then every 11th day up to chrono's last year.
    const sys_days first{year{1} / January / 1};
    const sys_days everyDayUntil{year{4001} / January / 1};
    for (sys_days sd = first; sd <= sys_days{year{32767} / December / 31};
         sd += days{sd < everyDayUntil ? 1 : 11}) {
        const year_month_day ymd{sd};
        const TDateRec date = DT(int{ymd.year()}, static_cast<int>(unsigned{ymd.month()}),
                                 static_cast<int>(unsigned{ymd.day()}));
        const std::int64_t n = (sd - first).count() + 1;
        const int mondayFirst = static_cast<int>(weekday{sd}.iso_encoding()) - 1;
        if (DayNumber(date) != n || DateOfDayNumber(n) != date || WeekdayIndex(date) != mondayFirst) {
            ReportDay(date, n, mondayFirst);
            return;
        }
    }
}

// Sum of the lengths of years first .. last - 1, added one year at a time.
// Three years in four fail the cheap test by 4, which keeps 2^31 steps quick
// in a debug build.
std::int64_t SumOfYearLengths(std::int64_t first, std::int64_t last)
{
    std::int64_t sum = 0;
    for (std::int64_t y = first; y < last; ++y) {
        const bool leap = (y & 3) == 0 && (y % 100 != 0 || y % 400 == 0);
        sum += leap ? 366 : 365;
    }
    return sum;
}

// The day number as the calendar defines it: the lengths of the years before
// summed one by one. One walk up to 2^31 serves every sampled year.
TEST(DayNumbers, AgreeWithYearByYearSumsUpToTheEndsOfTheYearRange)
{
    std::vector<std::int64_t> samples = {1,     2,      3,      4,       5,        99,        100,       101,
                                         399,   400,    401,    1600,    1900,     2000,      2007,      9999,
                                         10000, 100000, 123457, 1000000, 65537000, 999999999, 1234567890};
    for (std::int64_t y = std::int64_t{kMaxYear} - 999; y <= std::int64_t{kMaxYear} + 1; ++y) {
        samples.push_back(y); // the last 1000 years of each side; 2^31 for year -2^31
    }
    std::int64_t before = 0; // lengths of the years before `sample`
    std::int64_t walked = 1;
    for (const std::int64_t sample : samples) {
        before += SumOfYearLengths(walked, sample);
        walked = sample;
        const int length = ReferenceLeap(sample) ? 366 : 365;
        const int march1 = ReferenceMonthLength(sample, 2) + 32;
        SCOPED_TRACE(sample);
        if (sample <= kMaxYear) {
            const auto y = static_cast<std::int32_t>(sample);
            EXPECT_EQ(DayNumber(DT(y, 1, 1)), before + 1);
            EXPECT_EQ(DayNumber(DT(y, 3, 1)), before + march1);
            EXPECT_EQ(DateOfDayNumber(before + march1), DT(y, 3, 1));
            EXPECT_EQ(DateOfDayNumber(before + length), DT(y, 12, 31));
        }
        // The mirrored year counts from its last day back.
        const auto y = static_cast<std::int32_t>(-sample);
        EXPECT_EQ(DayNumber(DT(y, 12, 31)), -(before + 1));
        EXPECT_EQ(DayNumber(DT(y, 3, 1)), -(before + length - march1 + 1));
        EXPECT_EQ(DateOfDayNumber(-(before + length - march1 + 1)), DT(y, 3, 1));
        EXPECT_EQ(DateOfDayNumber(-(before + length)), DT(y, 1, 1));
    }
}

TEST(DayNumbers, NumbersBeyondTheYearRangeClamp)
{
    const TDateRec last = DT(kMaxYear, 12, 31);
    const TDateRec first = DT(kMinYear, 1, 1);
    for (const std::int64_t n : {DayNumber(last), DayNumber(last) + 1, kMaxI64}) {
        EXPECT_EQ(DateOfDayNumber(n), last) << n;
    }
    for (const std::int64_t n : {DayNumber(first), DayNumber(first) - 1, kMinI64 + 1, kMinI64}) {
        EXPECT_EQ(DateOfDayNumber(n), first) << n;
    }
    EXPECT_LT(DayNumber(last), std::int64_t{1} << 40);
    EXPECT_GT(DayNumber(first), -(std::int64_t{1} << 40));
}

// ---- Arithmetic and durations ----

TEST(ArithmeticAndDurations, AddAndSubtractDays)
{
    struct Case {
        TDateRec date;
        std::int64_t k;
        TDateRec expected;
    };
    const Case cases[] = {
        {DT(2007, 2, 28, 13, 45, 30, 250), 1, DT(2007, 3, 1, 13, 45, 30, 250)}, // the time of day is kept
        {DT(2008, 2, 28), 1, DT(2008, 2, 29)},
        {DT(2008, 3, 1), -1, DT(2008, 2, 29)},
        {DT(2007, 12, 31), 1, DT(2008, 1, 1)},
        {DT(2007, 1, 1), 365, DT(2008, 1, 1)},
        {WithUnsetTime(DT(2007, 1, 1)), 1, WithUnsetTime(DT(2007, 1, 2))},
        {DT(-1, 12, 31), -365, DT(-2, 12, 31)},
        {DT(1, 1, 1), -2, DT(-1, 12, 31)},
        // Landing on day number 0 gives day 1: 1.1.1 is one day and two days after 31.12.-1.
        {DT(-1, 12, 31), 1, DT(1, 1, 1)},
        {DT(-1, 12, 31), 2, DT(1, 1, 1)},
        {DT(1, 1, 1), -1, DT(1, 1, 1)},
        {DT(2007, 1, 1, 7), kMaxI64, DT(kMaxYear, 12, 31, 7)},
        {DT(2007, 1, 1), kMinI64, DT(kMinYear, 1, 1)},
        {DT(kMaxYear, 12, 31), 1, DT(kMaxYear, 12, 31)},
        {DT(kMinYear, 1, 1), -1, DT(kMinYear, 1, 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << testing::PrintToString(c.date) << " + " << c.k);
        EXPECT_EQ(AddDays(c.date, c.k), c.expected);
        if (c.k != kMinI64) {
            EXPECT_EQ(SubtractDays(c.date, -c.k), c.expected);
        }
    }
    EXPECT_EQ(SubtractDays(DT(2007, 1, 1), kMinI64), DT(kMaxYear, 12, 31));
}

TEST(ArithmeticAndDurations, DaysBetween)
{
    EXPECT_EQ(DaysBetween(DT(2007, 1, 1), DT(2008, 1, 1)), 365);
    EXPECT_EQ(DaysBetween(DT(2008, 1, 1), DT(2007, 1, 1)), -365);
    EXPECT_EQ(DaysBetween(DT(2008, 1, 1), DT(2009, 1, 1)), 366);
    EXPECT_EQ(DaysBetween(DT(2007, 1, 1, 23, 59), DT(2007, 1, 2, 0, 1)), 1);
    EXPECT_EQ(DaysBetween(DT(-1, 12, 31), DT(1, 1, 1)), 2);
    EXPECT_EQ(DaysBetween(DT(kMinYear, 1, 1), DT(kMaxYear, 12, 31)),
              DayNumber(DT(kMaxYear, 12, 31)) - DayNumber(DT(kMinYear, 1, 1)));
}

// The split of a day count step by step, for counts small enough to walk.
TDateRec ReferenceDuration(std::int64_t n)
{
    const std::int32_t sign = n < 0 ? -1 : 1;
    n = std::abs(n);
    std::int32_t years = 0;
    while ((ReferenceLeap(years + 1) ? 366 : 365) <= n) {
        n -= ReferenceLeap(++years) ? 366 : 365;
    }
    // The months are those of year `years` (2000 stands for a leap one); the walk ends at December.
    const int monthsOf = ReferenceLeap(years) ? 2000 : 2001;
    int months = 0;
    while (months < 12 && ReferenceMonthLength(monthsOf, months + 1) <= n) {
        n -= ReferenceMonthLength(monthsOf, ++months);
    }
    return DT(years * sign, months, static_cast<int>(n));
}

TEST(ArithmeticAndDurations, DurationOfDays)
{
    struct Case {
        std::int64_t n;
        TDateRec expected;
    };
    // Worked out by hand from the year and month lengths.
    const Case cases[] = {
        {0, DT(0, 0, 0)},
        {30, DT(0, 0, 30)},
        {31, DT(0, 1, 0)},
        {364, DT(0, 11, 30)},
        {365, DT(1, 0, 0)},
        {400, DT(1, 1, 4)},
        {-400, DT(-1, 1, 4)},
        {1155, DT(3, 2, 1)},
        // Three years leave 365 days, one short of leap year 4; the months of
        // common year 3 take them all and the split stops after December.
        {1460, DT(3, 12, 0)},
        {1461, DT(4, 0, 0)},
        {1520, DT(4, 1, 28)}, // after leap year 4, February has 29 days
        {146097, DT(400, 0, 0)},
        {kMaxI64, DT(kMaxYear, 0, 0)},
        {kMinI64, DT(-kMaxYear, 0, 0)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DurationOfDays(c.n), c.expected) << c.n;
    }
    for (std::int64_t n = -3000; n <= 800000; n += (n < 3000 ? 1 : 97)) {
        ASSERT_EQ(DurationOfDays(n), ReferenceDuration(n)) << n;
    }
}

TEST(ArithmeticAndDurations, AddAndSubtractDateTimes)
{
    struct Case {
        const char* what;
        TDateRec a;
        TDateRec b;
        bool subtract;
        TDateRec expected;
    };
    // By hand: day of year of a plus (minus) that of b in a's year, a day
    // carried from the time sum, a year carried over either end, then the
    // split into whole months and days.
    const Case cases[] = {
        {"23:00 plus 02:00 carries one day and drops the hour", DT(2007, 1, 10, 23), DT(1, 1, 5, 2), false,
         DT(2008, 0, 16)},
        {"115 days are three whole months and 25 days", DT(2007, 3, 15), DT(0, 2, 10), false,
         DT(2007, 3, 25)},
        {"past the end of a common year", DT(2007, 12, 20), DT(1, 1, 20), false, DT(2009, 0, 9)},
        {"past the end of a leap year", DT(2008, 12, 20), DT(1, 1, 20), false, DT(2010, 0, 9)},
        {"b's day of year in a's leap year", DT(2008, 1, 1), DT(1, 3, 1), false, DT(2009, 2, 3)},
        {"b's day of year in a's common year", DT(2007, 1, 1), DT(1, 3, 1), false, DT(2008, 2, 2)},
        {"a negative time sum borrows a day", DT(2007, 3, 15, 10), DT(1, 1, 10, 12), true, DT(2006, 2, 4)},
        {"before the year start borrows 365 days", DT(2007, 1, 5), DT(1, 1, 10), true, DT(2005, 11, 26)},
        {"a negative year of a", DT(-5, 1, 10), DT(1, 1, 5), false, DT(-5, 11, 26)},
        {"equal days leave no days", DT(2007, 1, 5), DT(1, 1, 5), true, DT(2006, 0, 0)},
        {"the year sum saturates", DT(kMaxYear, 1, 1), DT(kMaxYear, 1, 1), false, DT(kMaxYear, 0, 2)},
        {"the lowest year negated saturates", DT(1, 1, 1), DT(kMinYear, 1, 1), true, DT(kMaxYear, 0, 2)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.subtract ? SubtractDateTimes(c.a, c.b) : AddDateTimes(c.a, c.b), c.expected);
    }
}

// ---- Comparison ----

TEST(Comparison, OrderOfDateTimes)
{
    const TDateRec day = DT(2007, 5, 9);
    struct Case {
        const char* what;
        TDateRec a;
        TDateRec b;
        bool later;   // IsLater(a, b)
        bool earlier; // IsEarlier(a, b)
        bool same;    // IsSameMoment(a, b)
    };
    const Case cases[] = {
        {"next year", DT(2008, 1, 1), DT(2007, 12, 31), true, false, false},
        {"positive after negative year", DT(1, 1, 1), DT(-1, 12, 31), true, false, false},
        {"a second later", DT(2007, 5, 9, 10), DT(2007, 5, 9, 9, 59, 59, 999), true, false, false},
        {"a millisecond later", DT(2007, 5, 9, 10, 0, 0, 500), DT(2007, 5, 9, 10, 0, 0, 499), true, false,
         false},
        {"same moment", DT(2007, 5, 9, 10, 0, 0, 500), DT(2007, 5, 9, 10, 0, 0, 500), false, false, true},
        // Unset time counts as midnight, but its raw milliseconds differ.
        {"unset time against midnight", WithUnsetTime(day), day, false, false, false},
        {"unset time against 00:00:00.001", WithUnsetTime(day), DT(2007, 5, 9, 0, 0, 0, 1), false, true,
         false},
        {"unset time against unset time", WithUnsetTime(day), WithUnsetTime(day), false, false, true},
        {"hour 24 is not above 24: the next midnight", DT(2007, 5, 9, 24), DT(2007, 5, 10), false, false,
         true},
        {"minute 61 counts as 0", DT(2007, 5, 9, 9, 61), DT(2007, 5, 9, 9, 0), false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(IsLater(c.a, c.b), c.later);
        EXPECT_EQ(IsEarlier(c.a, c.b), c.earlier);
        EXPECT_EQ(IsSameMoment(c.a, c.b), c.same);
        EXPECT_EQ(IsLater(c.b, c.a), c.earlier);
        EXPECT_EQ(IsLaterOrSame(c.a, c.b), c.later || c.same);
        EXPECT_EQ(IsEarlierOrSame(c.a, c.b), c.earlier || c.same);
    }
    TDateRec a = DT(2007, 1, 1, 1, 2, 3, 4);
    TDateRec b = WithUnsetTime(DT(-5, 6, 7));
    SwapDates(a, b);
    EXPECT_EQ(a, WithUnsetTime(DT(-5, 6, 7)));
    EXPECT_EQ(b, DT(2007, 1, 1, 1, 2, 3, 4));
}

// ---- Weekdays and weeks ----

TEST(WeekdaysAndWeeks, WeekdayIndexAndNames)
{
    // 1.1.1 from the formula by hand: y 0, m 10, 1532 / 5 = 306, + 1 + 1721119.
    EXPECT_EQ(JulianDayNumber(DT(2000, 1, 1)), 2451545);
    EXPECT_EQ(JulianDayNumber(DT(1, 1, 1)), 1721426);
    struct Case {
        TDateRec date;
        int index;
        const char* english;
        const char* russianShort;
    };
    const Case cases[] = {
        {DT(2007, 1, 1), 0, "Monday", "Пн"},   {DT(2007, 1, 7), 6, "Sunday", "Вс"},
        {DT(2009, 1, 1), 3, "Thursday", "Чт"}, {DT(2000, 1, 1), 5, "Saturday", "Сб"},
        {DT(1, 1, 1), 0, "Monday", "Пн"},      {DT(-1, 12, 31), 6, "Sunday", "Вс"},
        {DT(-1, 12, 30), 5, "Saturday", "Сб"}, {DT(-1, 1, 1), 6, "Sunday", "Вс"}, // 52 weeks earlier
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.date));
        EXPECT_EQ(WeekdayIndex(c.date), c.index);
        EXPECT_EQ(WeekdayName(c.date, WeekdayForm::English), c.english);
        EXPECT_EQ(WeekdayName(c.date, WeekdayForm::RussianShort), c.russianShort);
    }
    EXPECT_EQ(WeekdayName(DT(2007, 1, 1), WeekdayForm::EnglishShort), "Mon");
    EXPECT_EQ(WeekdayName(DT(2007, 1, 7), WeekdayForm::Russian), "Воскресенье");
    EXPECT_EQ(WeekdayName(DT(2007, 1, 1), static_cast<WeekdayForm>(4)), "");
    EXPECT_EQ(WeekdayName(DT(2007, 1, 1), static_cast<WeekdayForm>(-1)), "");
    for (const TDateRec end : {DT(kMinYear, 1, 1), DT(kMaxYear, 12, 31)}) {
        EXPECT_GE(WeekdayIndex(end), 0);
        EXPECT_LE(WeekdayIndex(end), 6);
    }
}

TEST(WeekdaysAndWeeks, MonthNames)
{
    EXPECT_EQ(MonthName(1, MonthForm::English), "January");
    EXPECT_EQ(MonthName(9, MonthForm::EnglishShort), "Sep");
    EXPECT_EQ(MonthName(3, MonthForm::Genitive), "Марта");
    EXPECT_EQ(MonthName(5, MonthForm::RussianShort), "Май");
    EXPECT_EQ(MonthName(12, MonthForm::Russian), "Декабрь");
    const std::pair<int, int> outside[] = {{0, 1}, {13, 1}, {1, 0}, {1, 6}, {-1, 3}};
    for (const auto& [month, set] : outside) {
        EXPECT_EQ(MonthName(month, static_cast<MonthForm>(set)), "") << month << " in set " << set;
    }
}

TEST(WeekdaysAndWeeks, WeekdayNumber)
{
    const TDateRec monday = DT(2007, 1, 1);
    const TDateRec saturday = DT(2007, 1, 6);
    const TDateRec sunday = DT(2007, 1, 7);
    EXPECT_EQ(WeekdayNumber(monday, "monday"), 1);
    EXPECT_EQ(WeekdayNumber(sunday, "monday"), 7);
    EXPECT_EQ(WeekdayNumber(sunday, "sunday"), 1);
    EXPECT_EQ(WeekdayNumber(monday, "sunday"), 2);
    EXPECT_EQ(WeekdayNumber(saturday, "sunday"), 7);
    EXPECT_EQ(WeekdayNumber(saturday, "MonDay"), 6);
    EXPECT_EQ(WeekdayNumber(DT(-1, 12, 31), "Sunday"), 1);
    for (const char* other : {"tuesday", "", "mondays", "Понедельник"}) {
        EXPECT_EQ(WeekdayNumber(monday, other), -1) << other;
    }
}

TEST(WeekdaysAndWeeks, WeekOfYearAndWeekCount)
{
    struct Case {
        TDateRec date;
        int week;
        int count;
    };
    const Case cases[] = {
        {DT(2007, 1, 7), 1, 1}, {DT(2007, 1, 8), 2, 1},     {DT(2007, 12, 31), 53, 52}, // starts on a Monday
        {DT(2009, 1, 4), 1, 0}, {DT(2009, 1, 5), 2, 0},     {DT(2009, 12, 31), 53, 52}, // on a Thursday
        {DT(2008, 1, 6), 1, 0}, {DT(2008, 12, 29), 53, 52},                             // leap, on a Tuesday
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.date));
        EXPECT_EQ(WeekOfYear(c.date), c.week);
        EXPECT_EQ(WeekCount(c.date), c.count);
    }
}

TEST(WeekdaysAndWeeks, NthWeekdayOfMonth)
{
    struct Case {
        const char* what;
        int mode;
        int weekday;
        int n;
        int month;
        TDateRec expected; // the current year 2007, the current month June
    };
    // March 2007 starts on a Thursday, February 2007 on a Thursday.
    const Case cases[] = {
        {"last Sunday of March", 0, 7, 5, 3, DT(2007, 3, 25)},
        {"first Thursday is the 1st", 0, 4, 1, 3, DT(2007, 3, 1)},
        {"first Monday after the first Sunday", 0, 1, 1, 3, DT(2007, 3, 5)},
        {"second Sunday", 0, 7, 2, 3, DT(2007, 3, 11)},
        {"fourth Friday", 0, 5, 4, 3, DT(2007, 3, 23)},
        {"last Saturday is the fifth", 0, 6, 5, 3, DT(2007, 3, 31)},
        {"last Friday of February", 0, 5, 5, 2, DT(2007, 2, 23)},
        {"first Friday of the current month", 0, 5, 1, 0, DT(2007, 6, 1)},
        {"no such weekday: the last day", 0, 8, 1, 4, DT(2007, 4, 30)},
        {"a month outside 1..12", 0, 1, 1, 13, DT(2007, 13, 0)},
        {"another mode leaves day 0", 1, 7, 5, 0, DT(2007, 6, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(NthWeekdayOfMonth(c.mode, c.weekday, c.n, c.month, 2007, 6), WithUnsetTime(c.expected));
    }
    // January 2007 starts on a Monday; February 2008 on a Friday and has five.
    EXPECT_EQ(NthWeekdayOfMonth(0, 1, 1, 0, 2007, 1), WithUnsetTime(DT(2007, 1, 1)));
    EXPECT_EQ(NthWeekdayOfMonth(0, 5, 5, 2, 2008, 1), WithUnsetTime(DT(2008, 2, 29)));

    const TDateRec before = Now();
    const TDateRec fromClock = NthWeekdayOfMonth(1, 1, 1, 0);
    const TDateRec after = Now();
    EXPECT_TRUE((fromClock.Year == before.Year && fromClock.Month == before.Month) ||
                (fromClock.Year == after.Year && fromClock.Month == after.Month));
}

TEST(WeekdaysAndWeeks, CenturyOfYear)
{
    const std::pair<std::int32_t, std::int32_t> cases[] = {
        {2000, 20},
        {2001, 21},
        {1, 1},
        {100, 1},
        {0, 0},
        {-1, -1},
        {-50, -1},
        {-100, -1},
        {-101, -2},
        {kMaxYear, 21474837},
        {kMinYear, -21474837},
    };
    for (const auto& [year, century] : cases) {
        EXPECT_EQ(CenturyOfYear(year), century) << year;
    }
}

// ---- Clock and conversions ----

TEST(ClockConversions, FromDateTime)
{
    constexpr double kSecond = 1.0 / 86400.0;
    struct Case {
        double serial;
        TDateRec expected;
    };
    const Case cases[] = {
        {0.0, DT(1899, 12, 30)},
        {2.0, DT(1900, 1, 1)},
        {39083.0, DT(2007, 1, 1)}, // 36526 (1.1.2000) + 7 * 365 + 2 leap days
        {39083.75, DT(2007, 1, 1, 18)},
        {39083.0 + 3723.456 * kSecond, DT(2007, 1, 1, 1, 2, 3, 456)},
        {39083.0 + 86399.999 * kSecond, DT(2007, 1, 1, 23, 59, 59, 999)},
        {39083.0 + 86399.9996 * kSecond, DT(2007, 1, 2)}, // rounds to the next midnight
        // Negative: the whole part is the day, the fraction's size the time.
        {-0.5, DT(1899, 12, 30, 12)},
        {-1.25, DT(1899, 12, 29, 6)},
        {-1.0 - 86399.9996 * kSecond, DT(1899, 12, 28)},
        // Days run on over the missing day number 0.
        {-693593.0, DT(1, 1, 1)},
        {-693594.0, DT(-1, 12, 31)},
        {std::nan(""), DT(1899, 12, 30)},
        {HUGE_VAL, DT(kMaxYear, 12, 31)},
        {-HUGE_VAL, DT(kMinYear, 1, 1)},
        {1e300, DT(kMaxYear, 12, 31)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FromDateTime(c.serial), c.expected) << c.serial;
    }
}

TEST(ClockConversions, NowIsTheLocalTimeOfTheClock)
{
    const auto local = [](std::time_t t) {
        std::tm tm{};
        localtime_r(&t, &tm);
        return DT(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec);
    };
    const std::time_t before = std::time(nullptr);
    const TDateRec now = Now();
    const std::time_t after = std::time(nullptr) + 1;
    EXPECT_TRUE(IsValidDateTime(now));
    EXPECT_LT(now.Second, 60);
    EXPECT_LT(now.Millisecond, 1000);
    EXPECT_TRUE(IsLaterOrSame(now, local(before)));
    EXPECT_TRUE(IsEarlierOrSame(now, local(after)));
}

} // namespace
} // namespace orvenda
