#include "engine/date.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <ctime>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace orvenda {

// Readable failure messages: d.m.Y H:M:S.ms
void PrintTo(const TDateRec& d, std::ostream* os)
{
    *os << d.Day << '.' << d.Month << '.' << d.Year << ' ' << d.Hour << ':' << d.Minute << ':' << d.Second << '.'
        << d.Millisecond;
}

namespace {

constexpr std::int32_t kMaxYear = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMinYear = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kMaxI64 = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMinI64 = std::numeric_limits<std::int64_t>::min();

TDateRec MakeDateTime(std::int32_t y, int mo, int d, int h, int mi, int s = 0, int ms = 0)
{
    return TDateRec{y,
                    static_cast<std::uint16_t>(mo),
                    static_cast<std::uint16_t>(d),
                    static_cast<std::uint16_t>(h),
                    static_cast<std::uint16_t>(mi),
                    static_cast<std::uint16_t>(s),
                    static_cast<std::uint16_t>(ms)};
}

TDateRec WithUnsetTime(TDateRec d)
{
    d.Hour = UnsetDateTime.Hour;
    d.Minute = UnsetDateTime.Minute;
    d.Second = UnsetDateTime.Second;
    d.Millisecond = UnsetDateTime.Millisecond;
    return d;
}

// The leap rule written out independently of the engine.
bool ReferenceLeap(std::int64_t y)
{
    return y != 0 && (y % 400 == 0 || (y % 4 == 0 && y % 100 != 0));
}

int ReferenceMonthLength(std::int64_t y, int m)
{
    static constexpr int kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return (m == 2 && ReferenceLeap(y)) ? 29 : kLengths[m - 1];
}

int ReferenceDayOfYear(std::int64_t y, int m, int d)
{
    int doy = d;
    for (int k = 1; k < m; ++k) {
        doy += ReferenceMonthLength(y, k);
    }
    return doy;
}

// ---- Leap years and lengths ----

TEST(LeapYearsAndLengths, LeapRuleOnSignedYears)
{
    struct Case {
        std::int32_t year;
        bool leap;
        bool julianLeap;
    };
    const Case cases[] = {
        {1900, false, true}, {2000, true, true},  {2004, true, true},     {2100, false, true},
        {2007, false, false}, {0, false, false},  {-4, true, true},       {-100, false, true},
        {-400, true, true},  {-1, false, false},  {1, false, false},     {kMaxYear, false, false},
        {kMinYear, true, true}, // 2^31 is divisible by 4 but not by 100
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.year);
        EXPECT_EQ(IsLeapYear(c.year), c.leap);
        EXPECT_EQ(DaysInYear(c.year), c.leap ? 366 : 365);
        EXPECT_EQ(IsJulianLeapYear(c.year), c.julianLeap);
    }
}

TEST(LeapYearsAndLengths, LeapRuleAgreesWithChronoAwayFromYearZero)
{
    // std::chrono applies the same divisibility to the signed year; only its year 0 differs.
    for (int y = -32767; y <= 32767; ++y) {
        if (y != 0 && IsLeapYear(y) != std::chrono::year{y}.is_leap()) {
            ADD_FAILURE() << "year " << y;
            return;
        }
    }
}

TEST(LeapYearsAndLengths, MonthLengths)
{
    struct Case {
        std::int32_t year;
        int month;
        int gregorian;
        int julian;
    };
    const Case cases[] = {
        {2007, 1, 31, 31}, {2007, 2, 28, 28}, {2008, 2, 29, 29}, {1900, 2, 28, 29}, {2000, 2, 29, 29},
        {2100, 2, 28, 29}, {-4, 2, 29, 29},   {-100, 2, 28, 29}, {0, 2, 28, 28},    {2007, 4, 30, 30},
        {2007, 12, 31, 31}, {2007, 0, 0, 0},  {2007, 13, 0, 0},  {2007, -1, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << '/' << c.month);
        EXPECT_EQ(DaysInMonth(c.year, c.month), c.gregorian);
        EXPECT_EQ(DaysInMonthJulian(c.year, c.month), c.julian);
    }
}

TEST(LeapYearsAndLengths, MonthLengthsAgreeWithChrono)
{
    using namespace std::chrono;
    for (int y = 1; y <= 32767; y += 3) {
        for (unsigned m = 1; m <= 12; ++m) {
            const auto last = year_month_day_last{year{y}, month_day_last{month{m}}}.day();
            if (DaysInMonth(y, static_cast<int>(m)) != static_cast<int>(unsigned{last})) {
                ADD_FAILURE() << y << '/' << m;
                return;
            }
        }
    }
}

TEST(LeapYearsAndLengths, DayOfYear)
{
    struct Case {
        TDateRec date;
        int expected;
    };
    const Case cases[] = {
        {MakeDate(2007, 1, 1), 1},     {MakeDate(2007, 2, 1), 32},   {MakeDate(2007, 3, 1), 60},
        {MakeDate(2008, 3, 1), 61},    {MakeDate(2007, 12, 31), 365}, {MakeDate(2008, 12, 31), 366},
        {MakeDate(-4, 3, 1), 61},      {MakeDate(0, 3, 1), 60},
        {MakeDate(2007, 0, 5), 5}, // a month outside 1..12 counts as January
        {MakeDate(2007, 13, 5), 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.date));
        EXPECT_EQ(DayOfYear(c.date), c.expected);
    }
}

TEST(LeapYearsAndLengths, Validation)
{
    struct Case {
        TDateRec date;
        bool validDate;
        bool validDateTime;
    };
    const Case cases[] = {
        {MakeDate(2007, 1, 1), true, true},
        {MakeDate(0, 1, 1), false, false},
        {MakeDate(2007, 2, 29), false, false},
        {MakeDate(2008, 2, 29), true, true},
        {MakeDate(-4, 2, 29), true, true},
        {MakeDate(-100, 2, 29), false, false},
        {MakeDate(2007, 4, 31), false, false},
        {MakeDate(2007, 4, 0), false, false},
        {MakeDate(2007, 0, 1), false, false},
        {MakeDate(2007, 13, 1), false, false},
        {MakeDateTime(2007, 1, 1, 23, 59, 59, 999), true, true},
        {MakeDateTime(2007, 1, 1, 24, 0), true, false},
        {MakeDateTime(2007, 1, 1, 0, 60), true, false},
        // Seconds and milliseconds are not looked at.
        {MakeDateTime(2007, 1, 1, 0, 0, 61, 1000), true, true},
        {WithUnsetTime(MakeDate(2007, 1, 1)), true, false},
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
    // Worked out by hand: 1999 years of 365 days plus 484 leap days before 2000.
    const Case cases[] = {
        {MakeDate(1, 1, 1), 1},          {MakeDate(1, 12, 31), 365},      {MakeDate(2, 1, 1), 366},
        {MakeDate(4, 12, 31), 1461},     {MakeDate(2000, 1, 1), 730120},  {MakeDate(-1, 12, 31), -1},
        {MakeDate(-1, 1, 1), -365},      {MakeDate(-2, 1, 1), -730},      {MakeDate(-4, 12, 31), -1096},
        {MakeDate(-4, 1, 1), -1461},     {MakeDate(-100000, 1, 1), -36524250},
        {MakeDate(100000, 12, 31), 36524250},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.date));
        EXPECT_EQ(DayNumber(c.date), c.n);
        EXPECT_EQ(DateOfDayNumber(c.n), c.date);
    }
    // Year 0 is no year: its day number is the day of the year.
    EXPECT_EQ(DayNumber(MakeDate(0, 3, 1)), 60);
    EXPECT_EQ(DayNumber(MakeDate(0, 12, 31)), 365);
    // 0 counts as 1.
    EXPECT_EQ(DateOfDayNumber(0), MakeDate(1, 1, 1));
    // The day number counts the same days as the Julian day.
    EXPECT_EQ(JulianDayNumber(MakeDate(2000, 1, 1)) - JulianDayNumber(MakeDate(1, 1, 1)) + 1,
              DayNumber(MakeDate(2000, 1, 1)));
}

TEST(DayNumbers, TimeIsIgnoredAndNotReturned)
{
    EXPECT_EQ(DayNumber(MakeDateTime(2007, 5, 9, 23, 59, 59, 999)), DayNumber(MakeDate(2007, 5, 9)));
    EXPECT_EQ(DateOfDayNumber(DayNumber(MakeDateTime(2007, 5, 9, 23, 59))), MakeDate(2007, 5, 9));
}

// Walks day by day with a (year, month, day) counter, so the loop over 200000
// years stays cheap; the day number must grow by one at each step except over
// the missing 0 between 31.12.-1 and 1.1.1.
TEST(DayNumbers, EveryDayFromMinus100000To100000)
{
    std::int32_t y = -100000;
    int m = 1;
    int d = 1;
    std::int64_t expected = -36524250;
    int weekday = WeekdayIndex(MakeDate(y, m, d));
    std::int64_t days = 0;
    for (;;) {
        const TDateRec date = MakeDate(y, m, d);
        const std::int64_t n = DayNumber(date);
        if (n != expected || DateOfDayNumber(n) != date || WeekdayIndex(date) != weekday) {
            ADD_FAILURE() << testing::PrintToString(date) << ": day number " << n << " expected " << expected
                          << ", back " << testing::PrintToString(DateOfDayNumber(n)) << ", weekday "
                          << WeekdayIndex(date) << " expected " << weekday;
            return;
        }
        ++days;
        ++expected;
        if (expected == 0) {
            expected = 1;
        }
        weekday = (weekday + 1) % 7;
        if (++d > ReferenceMonthLength(y, m)) {
            d = 1;
            if (++m > 12) {
                m = 1;
                if (++y == 0) {
                    y = 1;
                }
                if (y > 100000) {
                    break;
                }
            }
        }
    }
    EXPECT_EQ(expected, 36524250 + 1);
    EXPECT_EQ(days, 2 * 36524250);
}

// std::chrono counts days independently; its years agree with ours from year 1 on.
TEST(DayNumbers, AgreeWithChronoForPositiveYears)
{
    using namespace std::chrono;
    const sys_days first{year{1} / January / 1};
    const sys_days last{year{32767} / December / 31};
    for (sys_days sd = first; sd <= last; sd += days{1}) {
        const year_month_day ymd{sd};
        const TDateRec date = MakeDate(int{ymd.year()}, static_cast<int>(unsigned{ymd.month()}),
                                       static_cast<int>(unsigned{ymd.day()}));
        const std::int64_t n = (sd - first).count() + 1;
        const int weekday = static_cast<int>(weekday::weekday{sd}.iso_encoding()) - 1;
        if (DayNumber(date) != n || DateOfDayNumber(n) != date || WeekdayIndex(date) != weekday) {
            ADD_FAILURE() << testing::PrintToString(date) << " day " << n;
            return;
        }
    }
}

// The day number as the calendar defines it: the lengths of the years before
// summed one by one. One walk up to 2^31 serves every sampled year.
TEST(DayNumbers, AgreeWithYearByYearSumsUpToTheEndsOfTheYearRange)
{
    std::vector<std::int64_t> samples = {1,    2,    3,     4,      5,       99,      100,     101,
                                         399,  400,  401,   1600,   1900,    2000,    2007,    9999,
                                         10000, 100000, 123457, 1000000, 65537000, 999999999, 1234567890};
    for (std::int64_t y = std::int64_t{kMaxYear} - 999; y <= std::int64_t{kMaxYear} + 1; ++y) {
        samples.push_back(y); // the last 1000 years of each side, 2^31 for year -2^31
    }

    std::int64_t before = 0; // lengths of years 1 .. y - 1
    std::int64_t y = 1;
    for (const std::int64_t sample : samples) {
        for (; y < sample; ++y) {
            before += ReferenceLeap(y) ? 366 : 365;
        }
        const int length = ReferenceLeap(sample) ? 366 : 365;
        const int march1 = ReferenceDayOfYear(sample, 3, 1);
        SCOPED_TRACE(sample);
        if (sample <= kMaxYear) {
            const auto year = static_cast<std::int32_t>(sample);
            EXPECT_EQ(DayNumber(MakeDate(year, 1, 1)), before + 1);
            EXPECT_EQ(DayNumber(MakeDate(year, 3, 1)), before + march1);
            EXPECT_EQ(DayNumber(MakeDate(year, 12, 31)), before + length);
            EXPECT_EQ(DateOfDayNumber(before + 1), MakeDate(year, 1, 1));
            EXPECT_EQ(DateOfDayNumber(before + march1), MakeDate(year, 3, 1));
            EXPECT_EQ(DateOfDayNumber(before + length), MakeDate(year, 12, 31));
        }
        // The mirrored year counts from its last day back.
        const auto negative = static_cast<std::int32_t>(-sample);
        EXPECT_EQ(DayNumber(MakeDate(negative, 12, 31)), -(before + 1));
        EXPECT_EQ(DayNumber(MakeDate(negative, 3, 1)), -(before + length - march1 + 1));
        EXPECT_EQ(DayNumber(MakeDate(negative, 1, 1)), -(before + length));
        EXPECT_EQ(DateOfDayNumber(-(before + 1)), MakeDate(negative, 12, 31));
        EXPECT_EQ(DateOfDayNumber(-(before + length - march1 + 1)), MakeDate(negative, 3, 1));
        EXPECT_EQ(DateOfDayNumber(-(before + length)), MakeDate(negative, 1, 1));
    }
}

TEST(DayNumbers, NumbersBeyondTheYearRangeClamp)
{
    const TDateRec lastDay = MakeDate(kMaxYear, 12, 31);
    const TDateRec firstDay = MakeDate(kMinYear, 1, 1);
    struct Case {
        std::int64_t n;
        TDateRec expected;
    };
    const Case cases[] = {
        {DayNumber(lastDay), lastDay},       {DayNumber(lastDay) + 1, lastDay}, {kMaxI64, lastDay},
        {DayNumber(firstDay), firstDay},     {DayNumber(firstDay) - 1, firstDay}, {kMinI64, firstDay},
        {kMinI64 + 1, firstDay},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.n);
        EXPECT_EQ(DateOfDayNumber(c.n), c.expected);
    }
    EXPECT_LT(DayNumber(lastDay), std::int64_t{1} << 40);
    EXPECT_GT(DayNumber(firstDay), -(std::int64_t{1} << 40));
}

// ---- Arithmetic and durations ----

TEST(ArithmeticAndDurations, AddDays)
{
    struct Case {
        TDateRec date;
        std::int64_t k;
        TDateRec expected;
    };
    const Case cases[] = {
        {MakeDate(2007, 2, 28), 1, MakeDate(2007, 3, 1)},
        {MakeDate(2008, 2, 28), 1, MakeDate(2008, 2, 29)},
        {MakeDate(2008, 3, 1), -1, MakeDate(2008, 2, 29)},
        {MakeDate(2007, 12, 31), 1, MakeDate(2008, 1, 1)},
        {MakeDate(2008, 1, 1), -1, MakeDate(2007, 12, 31)},
        {MakeDate(2007, 1, 1), 365, MakeDate(2008, 1, 1)},
        {MakeDate(2007, 5, 9), 0, MakeDate(2007, 5, 9)},
        {MakeDate(-1, 12, 31), -365, MakeDate(-2, 12, 31)},
        {MakeDate(1, 1, 1), -2, MakeDate(-1, 12, 31)},
        // The sum lands on day number 0, which counts as 1: 1.1.1 is reached
        // from 31.12.-1 by one day and by two.
        {MakeDate(-1, 12, 31), 1, MakeDate(1, 1, 1)},
        {MakeDate(-1, 12, 31), 2, MakeDate(1, 1, 1)},
        {MakeDate(1, 1, 1), -1, MakeDate(1, 1, 1)},
        {MakeDate(2007, 1, 1), kMaxI64, MakeDate(kMaxYear, 12, 31)},
        {MakeDate(2007, 1, 1), kMinI64, MakeDate(kMinYear, 1, 1)},
        {MakeDate(kMaxYear, 12, 31), 1, MakeDate(kMaxYear, 12, 31)},
        {MakeDate(kMinYear, 1, 1), -1, MakeDate(kMinYear, 1, 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << testing::PrintToString(c.date) << " + " << c.k);
        EXPECT_EQ(AddDays(c.date, c.k), c.expected);
        if (c.k != kMinI64) {
            EXPECT_EQ(SubtractDays(c.date, -c.k), c.expected);
        }
    }
    EXPECT_EQ(SubtractDays(MakeDate(2007, 1, 1), kMinI64), MakeDate(kMaxYear, 12, 31));
}

TEST(ArithmeticAndDurations, AddDaysKeepsTheTimeOfDay)
{
    const TDateRec start = MakeDateTime(2007, 2, 28, 13, 45, 30, 250);
    EXPECT_EQ(AddDays(start, 1), MakeDateTime(2007, 3, 1, 13, 45, 30, 250));
    EXPECT_EQ(SubtractDays(start, 59), MakeDateTime(2006, 12, 31, 13, 45, 30, 250));
    EXPECT_EQ(AddDays(WithUnsetTime(MakeDate(2007, 1, 1)), 1), WithUnsetTime(MakeDate(2007, 1, 2)));
    EXPECT_EQ(AddDays(MakeDateTime(2007, 1, 1, 7, 0), kMaxI64), MakeDateTime(kMaxYear, 12, 31, 7, 0));
}

TEST(ArithmeticAndDurations, DaysBetween)
{
    struct Case {
        TDateRec a;
        TDateRec b;
        std::int64_t expected;
    };
    const Case cases[] = {
        {MakeDate(2007, 1, 1), MakeDate(2008, 1, 1), 365},
        {MakeDate(2008, 1, 1), MakeDate(2007, 1, 1), -365},
        {MakeDate(2008, 1, 1), MakeDate(2009, 1, 1), 366},
        {MakeDate(2000, 1, 1), MakeDate(2000, 1, 1), 0},
        {MakeDateTime(2007, 1, 1, 23, 59), MakeDateTime(2007, 1, 2, 0, 1), 1},
        // 31.12.-1 is -1 and 1.1.1 is 1.
        {MakeDate(-1, 12, 31), MakeDate(1, 1, 1), 2},
        {MakeDate(kMinYear, 1, 1), MakeDate(kMaxYear, 12, 31),
         DayNumber(MakeDate(kMaxYear, 12, 31)) - DayNumber(MakeDate(kMinYear, 1, 1))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.a) + " .. " + testing::PrintToString(c.b));
        EXPECT_EQ(DaysBetween(c.a, c.b), c.expected);
    }
}

// The split described for durations, step by step, used on counts small enough to walk.
TDateRec ReferenceDuration(std::int64_t n)
{
    const std::int32_t sign = n < 0 ? -1 : 1;
    n = n < 0 ? -n : n;
    std::int32_t years = 0;
    while ((ReferenceLeap(years + 1) ? 366 : 365) <= n) {
        ++years;
        n -= ReferenceLeap(years) ? 366 : 365;
    }
    int months = 0;
    while (n != 0 && months < 12 && ReferenceMonthLength(ReferenceLeap(years) ? 2000 : 2001, months + 1) <= n) {
        ++months;
        n -= ReferenceMonthLength(ReferenceLeap(years) ? 2000 : 2001, months);
    }
    return TDateRec{years * sign, static_cast<std::uint16_t>(months), static_cast<std::uint16_t>(n), 0, 0, 0, 0};
}

TEST(ArithmeticAndDurations, DurationOfDays)
{
    struct Case {
        std::int64_t n;
        std::int32_t years;
        int months;
        int days;
    };
    // Worked out by hand from the year and month lengths.
    const Case cases[] = {
        {0, 0, 0, 0},
        {30, 0, 0, 30},
        {31, 0, 1, 0},
        {59, 0, 2, 0},
        {364, 0, 11, 30},
        {365, 1, 0, 0},
        {400, 1, 1, 4},
        {-400, -1, 1, 4},
        {1155, 3, 2, 1},
        // Three years leave 365 days, one short of leap year 4; the months of
        // (common) year 3 take them all and the walk stops after December.
        {1460, 3, 12, 0},
        {1461, 4, 0, 0},
        // After year 4 the months are those of a leap year: 29 days in February.
        {1520, 4, 1, 28},
        {146097, 400, 0, 0},
        {-146097, -400, 0, 0},
        {kMaxI64, kMaxYear, 0, 0},
        {kMinI64, -kMaxYear, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.n);
        EXPECT_EQ(DurationOfDays(c.n), (TDateRec{c.years, static_cast<std::uint16_t>(c.months),
                                                 static_cast<std::uint16_t>(c.days), 0, 0, 0, 0}));
    }
}

TEST(ArithmeticAndDurations, DurationOfDaysAgreesWithTheStepwiseSplit)
{
    for (std::int64_t n = -3000; n <= 800000; n += (n < 3000 ? 1 : 97)) {
        if (DurationOfDays(n) != ReferenceDuration(n)) {
            ADD_FAILURE() << n << ": " << testing::PrintToString(DurationOfDays(n)) << " expected "
                          << testing::PrintToString(ReferenceDuration(n));
            return;
        }
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
    // Each expected value worked out by hand: day of year of a plus (or minus)
    // that of b in a's year, a carried day from the time sum, a year carried
    // over either end, then the split into months and days.
    const Case cases[] = {
        {"23:00 plus 02:00 carries one day and drops the hour", MakeDateTime(2007, 1, 10, 23, 0),
         MakeDateTime(1, 1, 5, 2, 0), false, MakeDate(2008, 0, 16)},
        {"115 days split into three months", MakeDate(2007, 3, 15), MakeDate(0, 2, 10), false,
         MakeDate(2007, 3, 25)},
        {"past the year end", MakeDate(2007, 12, 20), MakeDate(1, 1, 20), false, MakeDate(2009, 0, 9)},
        {"past the end of a leap year", MakeDate(2008, 12, 20), MakeDate(1, 1, 20), false, MakeDate(2010, 0, 9)},
        {"b's day of year in a leap year of a", MakeDate(2008, 1, 1), MakeDate(1, 3, 1), false,
         MakeDate(2009, 2, 3)},
        {"b's day of year in a common year of a", MakeDate(2007, 1, 1), MakeDate(1, 3, 1), false,
         MakeDate(2008, 2, 2)},
        {"negative time sum borrows a day", MakeDateTime(2007, 3, 15, 10, 0), MakeDateTime(1, 1, 10, 12, 0), true,
         MakeDate(2006, 2, 4)},
        {"before the year start borrows 365 days", MakeDate(2007, 1, 5), MakeDate(1, 1, 10), true,
         MakeDate(2005, 11, 26)},
        {"negative year of a", MakeDate(-5, 1, 10), MakeDate(1, 1, 5), false, MakeDate(-5, 11, 26)},
        {"equal days give no days", MakeDate(2007, 1, 5), MakeDate(1, 1, 5), true, MakeDate(2006, 0, 0)},
        {"the year sum saturates", MakeDate(kMaxYear, 1, 1), MakeDate(kMaxYear, 1, 1), false,
         MakeDate(kMaxYear, 0, 2)},
        {"negating the lowest year saturates", MakeDate(1, 1, 1), MakeDate(kMinYear, 1, 1), true,
         MakeDate(kMaxYear, 0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.subtract ? SubtractDateTimes(c.a, c.b) : AddDateTimes(c.a, c.b), c.expected);
    }
}

// ---- Comparison ----

TEST(Comparison, OrderOfDateTimes)
{
    const TDateRec day = MakeDate(2007, 5, 9);
    struct Case {
        const char* what;
        TDateRec a;
        TDateRec b;
        bool later;   // IsLater(a, b)
        bool earlier; // IsEarlier(a, b)
        bool same;    // IsSameMoment(a, b)
    };
    const Case cases[] = {
        {"next year", MakeDate(2008, 1, 1), MakeDate(2007, 12, 31), true, false, false},
        {"positive after negative year", MakeDate(1, 1, 1), MakeDate(-1, 12, 31), true, false, false},
        {"later day", MakeDate(2007, 5, 10), day, true, false, false},
        {"a second later", MakeDateTime(2007, 5, 9, 10, 0, 0), MakeDateTime(2007, 5, 9, 9, 59, 59, 999), true, false,
         false},
        {"a millisecond later", MakeDateTime(2007, 5, 9, 10, 0, 0, 500), MakeDateTime(2007, 5, 9, 10, 0, 0, 499),
         true, false, false},
        {"same moment", MakeDateTime(2007, 5, 9, 10, 0, 0, 500), MakeDateTime(2007, 5, 9, 10, 0, 0, 500), false,
         false, true},
        // Unset time counts as midnight, but the raw milliseconds still differ.
        {"unset time against midnight", WithUnsetTime(day), day, false, false, false},
        {"unset time against one millisecond", WithUnsetTime(day), MakeDateTime(2007, 5, 9, 0, 0, 0, 1), false,
         true, false},
        {"unset time against unset time", WithUnsetTime(day), WithUnsetTime(day), false, false, true},
        // Hour 24 is not above 24 and so runs into the next day.
        {"hour 24 is the next midnight", MakeDateTime(2007, 5, 9, 24, 0), MakeDate(2007, 5, 10), false, false, true},
        {"minute 60 is the next hour", MakeDateTime(2007, 5, 9, 9, 60), MakeDateTime(2007, 5, 9, 10, 0), false,
         false, true},
        {"minute 61 counts as 0", MakeDateTime(2007, 5, 9, 9, 61), MakeDateTime(2007, 5, 9, 9, 0), false, false,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(IsLater(c.a, c.b), c.later);
        EXPECT_EQ(IsEarlier(c.a, c.b), c.earlier);
        EXPECT_EQ(IsSameMoment(c.a, c.b), c.same);
        EXPECT_EQ(IsLater(c.b, c.a), c.earlier);
        EXPECT_EQ(IsSameMoment(c.b, c.a), c.same);
        EXPECT_EQ(IsLaterOrSame(c.a, c.b), c.later || c.same);
        EXPECT_EQ(IsEarlierOrSame(c.a, c.b), c.earlier || c.same);
    }
}

TEST(Comparison, SwapDates)
{
    TDateRec a = MakeDateTime(2007, 1, 1, 1, 2, 3, 4);
    TDateRec b = WithUnsetTime(MakeDate(-5, 6, 7));
    const TDateRec oldA = a;
    const TDateRec oldB = b;
    SwapDates(a, b);
    EXPECT_EQ(a, oldB);
    EXPECT_EQ(b, oldA);
}

// ---- Weekdays and weeks ----

TEST(WeekdaysAndWeeks, JulianDayNumber)
{
    // 1.1.2000 is the well-known 2451545; 1.1.1 worked out from the formula:
    // y 0, m 10: 1532 / 5 = 306, + 1 + 1721119.
    EXPECT_EQ(JulianDayNumber(MakeDate(2000, 1, 1)), 2451545);
    EXPECT_EQ(JulianDayNumber(MakeDate(1, 1, 1)), 1721426);
    EXPECT_EQ(JulianDayNumber(MakeDate(2000, 3, 1)) - JulianDayNumber(MakeDate(2000, 2, 28)), 2);
    EXPECT_EQ(JulianDayNumber(MakeDate(1900, 3, 1)) - JulianDayNumber(MakeDate(1900, 2, 28)), 1);
}

TEST(WeekdaysAndWeeks, WeekdayIndexAndNames)
{
    struct Case {
        TDateRec date;
        int index;
        const char* english;
        const char* russianShort;
    };
    const Case cases[] = {
        {MakeDate(2007, 1, 1), 0, "Monday", "Пн"},      {MakeDate(2007, 1, 7), 6, "Sunday", "Вс"},
        {MakeDate(2009, 1, 1), 3, "Thursday", "Чт"},    {MakeDate(2000, 1, 1), 5, "Saturday", "Сб"},
        {MakeDate(1, 1, 1), 0, "Monday", "Пн"},         {MakeDate(-1, 12, 31), 6, "Sunday", "Вс"},
        {MakeDate(-1, 12, 30), 5, "Saturday", "Сб"},    {MakeDate(-1, 1, 1), 6, "Sunday", "Вс"},
        {MakeDate(kMinYear, 1, 1), WeekdayIndex(MakeDate(kMinYear, 1, 1)), nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.date));
        EXPECT_EQ(WeekdayIndex(c.date), c.index);
        EXPECT_GE(WeekdayIndex(c.date), 0);
        EXPECT_LE(WeekdayIndex(c.date), 6);
        if (c.english != nullptr) {
            EXPECT_EQ(WeekdayName(c.date, 0), c.english);
            EXPECT_EQ(WeekdayName(c.date, 3), c.russianShort);
        }
    }
    const TDateRec monday = MakeDate(2007, 1, 1);
    EXPECT_EQ(WeekdayName(monday, 1), "Mon");
    EXPECT_EQ(WeekdayName(monday, 2), "Понедельник");
    EXPECT_EQ(WeekdayName(MakeDate(2007, 1, 7), 2), "Воскресенье");
    EXPECT_EQ(WeekdayName(monday, 4), "");
    EXPECT_EQ(WeekdayName(monday, -1), "");
}

TEST(WeekdaysAndWeeks, MonthNames)
{
    struct Case {
        int month;
        int set;
        const char* expected;
    };
    const Case cases[] = {
        {1, 1, "January"}, {12, 1, "December"}, {5, 2, "May"},    {9, 2, "Sep"},     {3, 3, "Марта"},
        {5, 3, "Мая"},     {5, 4, "Май"},       {11, 4, "Ноя"},   {5, 5, "Май"},     {12, 5, "Декабрь"},
        {0, 1, ""},        {13, 1, ""},         {1, 0, ""},       {1, 6, ""},        {-1, 3, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.month << " in set " << c.set);
        EXPECT_EQ(MonthName(c.month, c.set), c.expected);
    }
}

TEST(WeekdaysAndWeeks, WeekdayNumber)
{
    struct Case {
        TDateRec date;
        const char* firstDay;
        int expected;
    };
    const TDateRec monday = MakeDate(2007, 1, 1);
    const TDateRec saturday = MakeDate(2007, 1, 6);
    const TDateRec sunday = MakeDate(2007, 1, 7);
    const Case cases[] = {
        {monday, "monday", 1}, {saturday, "monday", 6}, {sunday, "monday", 7},
        {monday, "sunday", 2}, {saturday, "sunday", 7}, {sunday, "sunday", 1},
        {sunday, "Sunday", 1}, {monday, "MONDAY", 1},   {MakeDate(-1, 12, 31), "sunday", 1},
        {monday, "tuesday", -1}, {monday, "", -1},      {monday, "mondays", -1},
        {monday, "Понедельник", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.date) + " " + c.firstDay);
        EXPECT_EQ(WeekdayNumber(c.date, c.firstDay), c.expected);
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
        // 2007 starts on a Monday.
        {MakeDate(2007, 1, 1), 1, 0},
        {MakeDate(2007, 1, 6), 1, 0},
        {MakeDate(2007, 1, 7), 1, 1},
        {MakeDate(2007, 1, 8), 2, 1},
        {MakeDate(2007, 12, 31), 53, 52},
        // 2009 starts on a Thursday: its first week has four days.
        {MakeDate(2009, 1, 1), 1, 0},
        {MakeDate(2009, 1, 4), 1, 0},
        {MakeDate(2009, 1, 5), 2, 0},
        {MakeDate(2009, 12, 31), 53, 52},
        // 2008 is leap and starts on a Tuesday.
        {MakeDate(2008, 12, 28), 52, 51},
        {MakeDate(2008, 12, 29), 53, 52},
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
        std::int32_t currentYear;
        int currentMonth;
        TDateRec expected;
    };
    // March 2007 starts on a Thursday; February 2008 on a Friday; February 2007 on a Thursday.
    const Case cases[] = {
        {"last Sunday of March", 0, 7, 5, 3, 2007, 1, MakeDate(2007, 3, 25)},
        {"first Monday of the current month", 0, 1, 1, 0, 2007, 1, MakeDate(2007, 1, 1)},
        {"first Thursday on the 1st", 0, 4, 1, 3, 2007, 6, MakeDate(2007, 3, 1)},
        {"first Monday after the first Sunday", 0, 1, 1, 3, 2007, 6, MakeDate(2007, 3, 5)},
        {"second Sunday", 0, 7, 2, 3, 2007, 6, MakeDate(2007, 3, 11)},
        {"fourth Friday", 0, 5, 4, 3, 2007, 6, MakeDate(2007, 3, 23)},
        {"last Saturday is the fifth", 0, 6, 5, 3, 2007, 6, MakeDate(2007, 3, 31)},
        {"last Friday of a leap February", 0, 5, 5, 2, 2008, 6, MakeDate(2008, 2, 29)},
        {"last Friday of a common February", 0, 5, 5, 2, 2007, 6, MakeDate(2007, 2, 23)},
        {"no such weekday falls back to the last day", 0, 8, 1, 4, 2007, 6, MakeDate(2007, 4, 30)},
        {"a month outside 1..12 has no last day", 0, 1, 1, 13, 2007, 6, MakeDate(2007, 13, 0)},
        {"another mode leaves the day 0", 1, 7, 5, 3, 2007, 6, MakeDate(2007, 3, 0)},
        {"another mode with the current month", 2, 7, 5, 0, 2007, 6, MakeDate(2007, 6, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(NthWeekdayOfMonth(c.mode, c.weekday, c.n, c.month, c.currentYear, c.currentMonth),
                  WithUnsetTime(c.expected));
    }
}

TEST(WeekdaysAndWeeks, NthWeekdayOfMonthReadsTheClock)
{
    const TDateRec before = Now();
    const TDateRec result = NthWeekdayOfMonth(1, 1, 1, 0);
    const TDateRec after = Now();
    EXPECT_EQ(result.Day, 0);
    EXPECT_TRUE((result.Year == before.Year && result.Month == before.Month) ||
                (result.Year == after.Year && result.Month == after.Month));
}

TEST(WeekdaysAndWeeks, CenturyOfYear)
{
    struct Case {
        std::int32_t year;
        std::int32_t century;
    };
    const Case cases[] = {
        {2000, 20}, {2001, 21},   {2007, 21},  {1, 1},          {100, 1},          {101, 2},
        {0, 0},     {-1, -1},     {-50, -1},   {-100, -1},      {-101, -2},
        {kMaxYear, 21474837},     {kMinYear, -21474837},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.year);
        EXPECT_EQ(CenturyOfYear(c.year), c.century);
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
        {0.0, MakeDate(1899, 12, 30)},
        {1.0, MakeDate(1899, 12, 31)},
        {2.0, MakeDate(1900, 1, 1)},
        {36526.0, MakeDate(2000, 1, 1)},
        // 36526 + 7 * 365 + 2 leap days
        {39083.0, MakeDate(2007, 1, 1)},
        {39083.5, MakeDateTime(2007, 1, 1, 12, 0)},
        {39083.75, MakeDateTime(2007, 1, 1, 18, 0)},
        {39083.0 + kSecond, MakeDateTime(2007, 1, 1, 0, 0, 1)},
        {39083.0 + 3723.456 * kSecond, MakeDateTime(2007, 1, 1, 1, 2, 3, 456)},
        {39083.0 + 86399.999 * kSecond, MakeDateTime(2007, 1, 1, 23, 59, 59, 999)},
        // Less than half a millisecond before midnight rounds into the next day.
        {39083.0 + 86399.9996 * kSecond, MakeDate(2007, 1, 2)},
        // Negative: the whole part is the day, the fraction's size the time.
        {-0.5, MakeDateTime(1899, 12, 30, 12, 0)},
        {-1.25, MakeDateTime(1899, 12, 29, 6, 0)},
        {-1.0 - 86399.9996 * kSecond, MakeDate(1899, 12, 28)},
        // The first day of year 1 and the day before it.
        {-693593.0, MakeDate(1, 1, 1)},
        {-693594.0, MakeDate(-1, 12, 31)},
        {-693595.0, MakeDate(-1, 12, 30)},
        {std::nan(""), MakeDate(1899, 12, 30)},
        {HUGE_VAL, MakeDate(kMaxYear, 12, 31)},
        {-HUGE_VAL, MakeDate(kMinYear, 1, 1)},
        {1e300, MakeDate(kMaxYear, 12, 31)},
        {-1e18, MakeDate(kMinYear, 1, 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.serial);
        EXPECT_EQ(FromDateTime(c.serial), c.expected);
    }
}

TEST(ClockConversions, NowIsTheLocalTimeOfTheClock)
{
    const std::time_t before = std::time(nullptr);
    const TDateRec now = Now();
    const std::time_t after = std::time(nullptr) + 1;
    const auto local = [](std::time_t t) {
        std::tm tm{};
        localtime_r(&t, &tm);
        return MakeDateTime(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec);
    };
    EXPECT_TRUE(IsValidDateTime(now));
    EXPECT_LT(now.Second, 60);
    EXPECT_LT(now.Millisecond, 1000);
    EXPECT_TRUE(IsLaterOrSame(now, local(before)));
    EXPECT_TRUE(IsEarlierOrSame(now, local(after)));
}

} // namespace
} // namespace orvenda
