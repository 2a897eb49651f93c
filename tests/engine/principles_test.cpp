#include "engine/principles.h"

#include "engine/date.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <set>
#include <string>
#include <vector>

namespace orvenda {
namespace {

constexpr std::int32_t kMinYear = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMaxYear = std::numeric_limits<std::int32_t>::max();

// Leap and common years on both sides of year 1, common century years included.
constexpr std::array<std::int32_t, 8> kSampleYears = {2007, 2008, 1900, 2000, 1, -1, -4, -5};

// Calls f(date) for every day of the year, in order, time 0.
template <typename F> void ForEachDay(std::int32_t year, F f)
{
    for (int m = 1; m <= 12; ++m) {
        for (int d = 1; d <= DaysInMonth(year, m); ++d) {
            f(MakeDate(year, m, d));
        }
    }
}

TDateRec At(std::int32_t y, int mo, int d, int h, int mi, int s, int ms)
{
    TDateRec date = MakeDate(y, mo, d);
    date.Hour = static_cast<std::uint16_t>(h);
    date.Minute = static_cast<std::uint16_t>(mi);
    date.Second = static_cast<std::uint16_t>(s);
    date.Millisecond = static_cast<std::uint16_t>(ms);
    return date;
}

std::string DateTrace(TDateRec d)
{
    return std::to_string(d.Day) + "." + std::to_string(d.Month) + "." + std::to_string(d.Year);
}

std::int32_t YearBefore(std::int32_t y)
{
    return y == 1 ? -1 : y - 1;
}
std::int32_t YearAfter(std::int32_t y)
{
    return y == -1 ? 1 : y + 1;
}

// Every period i whose start <= date < next start, the periods scanned one by
// one as the tables are written. With yearEnd set, the period that runs over
// the year end takes its start from the year before for a January date and its
// next start from the year after for a December date.
std::vector<int> PeriodsHolding(TDateRec date, TDateRec (*startOf)(std::int32_t, int), int count,
                                bool yearEnd)
{
    std::vector<int> found;
    for (int i = 1; i <= count; ++i) {
        TDateRec from = startOf(date.Year, i);
        TDateRec to = startOf(date.Year, i + 1);
        if (yearEnd && IsLater(from, to)) {
            if (date.Month == 1) {
                from.Year = YearBefore(date.Year);
            } else {
                to.Year = YearAfter(date.Year);
            }
        }
        if (IsLaterOrSame(date, from) && IsEarlier(date, to)) {
            found.push_back(i);
        }
    }
    return found;
}

// ---- Names and colours ----

TEST(PrincipleNames, ColourAgreesWithTheAnimal)
{
    const struct {
        int p;
        const char* name;
    } cases[] = {{1, "Красный Заяц"},
                 {2, "Жёлтый Дракон"},
                 {3, "Жёлтая Змея"},
                 {4, "Белая Лошадь"},
                 {5, "Белая Коза"},
                 {6, "Чёрная Обезьяна"},
                 {7, "Чёрный Петух"},
                 {8, "Синяя Собака"},
                 {9, "Синий Кабан"},
                 {10, "Красная Мышь"},
                 {11, "Красный Телец"},
                 {12, "Жёлтый Тигр"},
                 {14, "Белый Дракон"},
                 {21, "Красный Кабан"},
                 {34, "Белая Мышь"},
                 {47, "Чёрный Телец"},
                 {54, "Белая Обезьяна"},
                 {58, "Синяя Мышь"},
                 {60, "Красный Тигр"},
                 {0, ""},
                 {61, ""},
                 {-1, ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.p);
        EXPECT_EQ(PrincipleName(c.p), c.name);
    }
}

TEST(PrincipleNames, SixtyDistinctNames)
{
    std::set<std::string> names;
    for (int p = 1; p <= 60; ++p) {
        names.insert(PrincipleName(p));
    }
    EXPECT_EQ(names.size(), 60u);
}

TEST(PrincipleNames, HelpersOutsideTheirRangesAreEmpty)
{
    EXPECT_EQ(PrincipleAnimal(0), 0);
    EXPECT_EQ(PrincipleColour(61), 0);
    EXPECT_EQ(AnimalName(13), "");
    EXPECT_FALSE(AnimalIsFeminine(0));
    EXPECT_EQ(ColourName(10, true), "");
    EXPECT_EQ(ColourName(5, false), "Голубой");
    const char* energies[] = {"",        "Красная", "Оранжевая",  "Жёлтая", "Зелёная",
                              "Голубая", "Синяя",   "Фиолетовая", ""};
    for (int e = 0; e <= 8; ++e) {
        SCOPED_TRACE(e);
        EXPECT_EQ(EnergyName(e), energies[e]);
    }
}

TEST(DigitRoot, SumsDigitsDownToOne)
{
    const std::int64_t cases[][2] = {{38, 2},
                                     {0, 0},
                                     {9, 9},
                                     {10, 1},
                                     {-38, 2},
                                     {std::numeric_limits<std::int64_t>::max(), 7},
                                     {std::numeric_limits<std::int64_t>::min(), 8}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0]);
        EXPECT_EQ(DigitRoot(c[0]), c[1]);
    }
}

// ---- Century, year and month principles ----

TEST(YearlyPrinciples, CenturyAndYear)
{
    const struct {
        std::int32_t year;
        int century;
        int yearPrinciple;
    } cases[] = {
        {1, 54, 55},     {999, 54, 33},  {1000, 34, 34},    {1899, 54, 33},     {1900, 34, 34},
        {1950, 34, 24},  {1984, 34, 58}, {1986, 34, 60},    {1987, 34, 1},      {2006, 14, 20},
        {2007, 14, 21},  {2100, 54, 54}, {-1, 14, 54},      {-60, 14, 55},      {-1950, 34, 25},
        {-2007, 54, 28}, {0, 0, 0},      {kMaxYear, 14, 1}, {kMinYear, 54, 47},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        EXPECT_EQ(CenturyPrinciple(c.year), c.century);
        EXPECT_EQ(YearPrinciple(c.year), c.yearPrinciple);
    }
}

TEST(YearlyPrinciples, YearsStepThroughTheCycleWithoutYearZero)
{
    for (std::int32_t y = -300; y < 300; y = YearAfter(y)) {
        SCOPED_TRACE(y);
        EXPECT_EQ(YearPrinciple(YearAfter(y)), YearPrinciple(y) % 60 + 1);
    }
}

TEST(YearlyPrinciples, Month)
{
    const struct {
        TDateRec date;
        int expected;
    } cases[] = {
        {MakeDate(2005, 1, 1), 10},     {MakeDate(2005, 12, 31), 21}, {MakeDate(2006, 1, 1), 22},
        {MakeDate(2009, 3, 1), 60},     {MakeDate(2009, 4, 1), 1},    {MakeDate(2009, 12, 1), 9},
        {MakeDate(kMaxYear, 1, 1), 34}, {MakeDate(0, 1, 1), 0},       {MakeDate(2007, 2, 29), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(DateTrace(c.date));
        EXPECT_EQ(MonthPrinciple(c.date), c.expected);
    }
}

TEST(YearlyPrinciples, MonthsRunA60MonthCycle)
{
    int previous = MonthPrinciple(MakeDate(1, 1, 1));
    for (std::int32_t y = 1; y <= 2100; ++y) {
        for (int m = y == 1 ? 2 : 1; m <= 12; ++m) {
            SCOPED_TRACE(y * 100 + m);
            const int p = MonthPrinciple(MakeDate(y, m, 15));
            ASSERT_EQ(p, previous % 60 + 1);
            previous = p;
        }
    }
}

// ---- Decades, weeks and energies ----

TEST(Periods, DecadeAndWeekOfDate)
{
    TDateRec unsetTime = UnsetDateTime;
    unsetTime.Year = 2007;
    unsetTime.Month = 3;
    unsetTime.Day = 21;
    const struct {
        TDateRec date;
        int decade;
        int week;
    } cases[] = {{MakeDate(2007, 3, 21), 1, 1},
                 {MakeDate(2007, 3, 20), 36, 60},
                 {MakeDate(2007, 3, 16), 36, 60},
                 {MakeDate(2007, 12, 21), 27, 45},
                 {MakeDate(2007, 12, 22), 28, 46},
                 {MakeDate(2007, 12, 27), 28, 46},
                 {MakeDate(2007, 12, 28), 28, 47},
                 {MakeDate(2007, 12, 31), 28, 47},
                 {MakeDate(2007, 1, 1), 28, 47},
                 {MakeDate(2007, 1, 2), 29, 47},
                 {MakeDate(2007, 1, 3), 29, 48},
                 {MakeDate(2008, 2, 29), 34, 57},
                 {MakeDate(2008, 3, 2), 35, 57},
                 {MakeDate(2008, 3, 4), 35, 58},
                 {MakeDate(-1, 1, 1), 28, 47},
                 {MakeDate(kMinYear, 3, 21), 1, 1},
                 {MakeDate(kMaxYear, 12, 31), 28, 47},
                 {At(2007, 3, 20, 23, 59, 59, 999), 36, 60},
                 {unsetTime, 1, 1},
                 {MakeDate(2007, 2, 29), 1, 1},
                 {MakeDate(0, 5, 5), 1, 1},
                 {MakeDate(2007, 13, 1), 1, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(DateTrace(c.date));
        EXPECT_EQ(DecadeOfDate(c.date), c.decade);
        EXPECT_EQ(WeekPrinciple(c.date), c.week);
    }
}

TEST(Periods, EveryDayLiesInExactlyTheDecadeAndWeekWhosePeriodsHoldIt)
{
    for (const std::int32_t year : kSampleYears) {
        ForEachDay(year, [](TDateRec date) {
            SCOPED_TRACE(DateTrace(date));
            std::vector<int> decades = PeriodsHolding(date, DecadeStart, 36, false);
            // Decade 28 runs from 22 December to 1 January.
            if (IsLaterOrSame(date, MakeDate(date.Year, 12, 22)) || (date.Month == 1 && date.Day == 1)) {
                decades.push_back(28);
            }
            ASSERT_EQ(decades.size(), 1u);
            EXPECT_EQ(DecadeOfDate(date), decades[0]);
            const std::vector<int> weeks = PeriodsHolding(date, WeekStart, 60, true);
            ASSERT_EQ(weeks.size(), 1u);
            EXPECT_EQ(WeekPrinciple(date), weeks[0]);
        });
    }
}

TEST(Periods, StartsAndEnergies)
{
    EXPECT_EQ(DecadeStart(2007, 28), MakeDate(2007, 12, 22));
    EXPECT_EQ(DecadeStart(-3, 37), MakeDate(-3, 3, 21));
    EXPECT_EQ(DecadeStart(2007, 0), MakeDate(2007, 1, 1));
    EXPECT_EQ(DecadeStart(2007, 38), MakeDate(2007, 1, 1));
    const int energies[][2] = {{1, 1}, {2, 2}, {3, 6},  {4, 3},  {5, 7}, {6, 4},
                               {7, 5}, {8, 1}, {14, 5}, {28, 5}, {36, 1}};
    for (const auto& c : energies) {
        SCOPED_TRACE(c[0]);
        EXPECT_EQ(DecadeEnergy(c[0]), c[1]);
    }
}

TEST(Periods, PeriodTextsEndTheDayBeforeTheNextStart)
{
    EXPECT_EQ(PeriodText(DecadeStart(2007, 1), DecadeStart(2007, 2)), "21.03 - 01.04");
    EXPECT_EQ(PeriodText(DecadeStart(2007, 28), DecadeStart(2007, 29)), "22.12 - 01.01");
    EXPECT_EQ(PeriodText(DecadeStart(2008, 34), DecadeStart(2008, 35)), "19.02 - 01.03");
    EXPECT_EQ(PeriodText(WeekStart(2007, 47), WeekStart(2007, 48)), "28.12 - 02.01");
    EXPECT_EQ(PeriodText(WeekStart(2007, 60), WeekStart(2007, 61)), "16.03 - 20.03");
}

TEST(Periods, ComputedStartsDivideTheZodiacSigns)
{
    const struct {
        int k;
        int day;
        int month;
    } cases[] = {
        {1, 21, 3},   {2, 31, 3},   {3, 10, 4}, {4, 21, 4},  {6, 9, 5},   {8, 31, 5}, {9, 10, 6},
        {28, 22, 12}, {29, 31, 12}, {30, 9, 1}, {36, 11, 3}, {37, 21, 3}, {0, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.k);
        EXPECT_EQ(ComputedDecadeStart(c.k), MakeDate(0, c.month, c.day));
    }
}

// ---- Day principles ----

// The 24 day principles in the order in which the days take them.
int NextDayPrinciple(int p)
{
    if (p == 10) {
        return 23;
    }
    if (p == 30) {
        return 43;
    }
    return p == 50 ? 3 : p + 1;
}

TEST(DayPrinciples, KnownDays)
{
    const struct {
        TDateRec date;
        int expected;
    } cases[] = {
        {MakeDate(1889, 1, 1), 46}, {MakeDate(1888, 12, 31), 45}, {MakeDate(2007, 1, 1), 29},
        {MakeDate(2007, 1, 3), 43}, {MakeDate(2007, 1, 11), 3},   {MakeDate(1900, 12, 31), 23},
        {MakeDate(1901, 1, 1), 25}, {MakeDate(-1, 1, 1), 23},     {MakeDate(kMinYear, 1, 1), 28},
        {MakeDate(2007, 2, 29), 0}, {MakeDate(0, 1, 1), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(DateTrace(c.date));
        EXPECT_EQ(DayPrinciple(c.date), c.expected);
    }
}

TEST(DayPrinciples, StepOneValuePerDayThroughTheYear)
{
    for (const std::int32_t year : {2007, 2008, 1900, -1, -4, kMinYear, kMaxYear}) {
        int previous = 0;
        ForEachDay(year, [&previous](TDateRec date) {
            SCOPED_TRACE(DateTrace(date));
            const int p = DayPrinciple(date);
            if (previous != 0) {
                ASSERT_EQ(p, NextDayPrinciple(previous));
            }
            previous = p;
        });
    }
}

TEST(DayPrinciples, YearEndsContinueTheCycleExceptAfterCommonCenturyYears)
{
    for (std::int32_t y = 1899; y <= 2100; ++y) {
        SCOPED_TRACE(y);
        const int last = DayPrinciple(MakeDate(y, 12, 31));
        const int expected = y % 100 == 0 && !IsLeapYear(y) ? NextDayPrinciple(NextDayPrinciple(last))
                                                            : NextDayPrinciple(last);
        EXPECT_EQ(DayPrinciple(MakeDate(y + 1, 1, 1)), expected);
    }
}

// ---- Figure points and links ----

TEST(FigurePoints, StepIsSinglePrecision)
{
    const struct {
        TDateRec date;
        int n;
        int k;
        TDateRec expected;
    } cases[] = {
        {MakeDate(2007, 1, 1), 4, 2, MakeDate(2007, 7, 3)},   // 182.5 rounds up
        {MakeDate(2007, 1, 1), 6, 3, MakeDate(2007, 7, 2)},   // 182.49999 in single precision
        {MakeDate(2007, 1, 1), 6, 1, MakeDate(2007, 3, 3)},   // 60.83 -> 61
        {MakeDate(2007, 1, 1), 5, 1, MakeDate(2007, 3, 15)},  // 73
        {MakeDate(2007, 1, 1), 7, 7, MakeDate(2008, 1, 1)},   // 364.99999 -> the whole year
        {MakeDate(2008, 1, 1), 7, 7, MakeDate(2009, 1, 1)},   // 366 days
        {MakeDate(2008, 1, 1), 4, 1, MakeDate(2008, 4, 2)},   // 91.5 -> 92
        {MakeDate(2008, 1, 1), 20, 5, MakeDate(2008, 4, 1)},  // 91.49999 -> 91
        {MakeDate(2007, 1, 1), 4, -1, MakeDate(2006, 10, 2)}, // -91.25 -> -91
        {At(2007, 6, 15, 10, 20, 30, 400), 4, 1, At(2007, 9, 14, 10, 20, 30, 400)},
        {MakeDate(2007, 1, 1), 0, 1, MakeDate(2007, 1, 1)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.n) + "/" + std::to_string(c.k));
        EXPECT_EQ(FigurePointDate(c.date, c.n, c.k), c.expected);
    }
}

TEST(FigurePoints, LinkedPrinciple)
{
    const int cases[][4] = {
        // p, n, k, expected
        {21, 6, 1, 31}, {21, 4, 4, 21}, {60, 1, 1, 60},      {50, 6, 1, 60}, {1, 7, 1, 10},  {1, 7, 4, 35},
        {1, 7, 7, 1},   {1, 8, 1, 9},   {1, 8, 3, 24},       {1, 9, 3, 21},  {59, 7, 3, 25}, {1, 72, 3, 3},
        {1, 56, 7, 8},  {5, 6, -1, 55}, {1, 1, kMaxYear, 1}, {21, 0, 5, 21},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c[0]) + " " + std::to_string(c[1]) + "/" + std::to_string(c[2]));
        EXPECT_EQ(LinkedPrinciple(c[0], c[1], c[2]), c[3]);
    }
}

} // namespace
} // namespace orvenda
