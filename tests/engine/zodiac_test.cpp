#include "engine/zodiac.h"

#include "engine/date.h"
#include "engine/principles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace orvenda {
namespace {

TEST(Zodiac, SignOfDate)
{
    const struct {
        TDateRec date;
        int expected;
    } cases[] = {
        {MakeDate(2007, 3, 20), 12},  {MakeDate(2007, 3, 21), 1},  {MakeDate(2007, 6, 21), 3},
        {MakeDate(2007, 6, 22), 4},   {MakeDate(2007, 12, 21), 9}, {MakeDate(2007, 12, 22), 10},
        {MakeDate(2007, 12, 31), 10}, {MakeDate(2007, 1, 1), 10},  {MakeDate(2007, 1, 20), 10},
        {MakeDate(2007, 1, 21), 11},  {MakeDate(2008, 2, 29), 12}, {MakeDate(-1, 8, 24), 6},
        {MakeDate(2007, 2, 29), 0},   {MakeDate(0, 3, 21), 0},     {MakeDate(2007, 0, 1), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.date.Day) + "." + std::to_string(c.date.Month) + "." +
                     std::to_string(c.date.Year));
        EXPECT_EQ(ZodiacSign(c.date), c.expected);
    }
}

// Every day of a leap and a common year lies in the one sign whose period,
// from its first day to the day before the next sign's, holds it.
TEST(Zodiac, EveryDayLiesInTheSignWhosePeriodHoldsIt)
{
    for (const std::int32_t year : {2007, 2008}) {
        for (TDateRec date = MakeDate(year, 1, 1); date.Year == year; date = AddDays(date, 1)) {
            SCOPED_TRACE(std::to_string(date.Day) + "." + std::to_string(date.Month));
            int holding = 0;
            int count = 0;
            for (int i = 1; i <= 12; ++i) {
                TDateRec from = ZodiacStart(i);
                TDateRec to = ZodiacStart(i + 1);
                from.Year = to.Year = year;
                // Capricorn: 22 December to 20 January.
                const bool holds = IsEarlier(from, to) ? IsLaterOrSame(date, from) && IsEarlier(date, to)
                                                       : IsLaterOrSame(date, from) || IsEarlier(date, to);
                if (holds) {
                    holding = i;
                    ++count;
                }
            }
            ASSERT_EQ(count, 1);
            EXPECT_EQ(ZodiacSign(date), holding);
        }
    }
}

TEST(Zodiac, NamesAndStarts)
{
    const char* names[] = {"",     "Овен",     "Телец",   "Близнецы", "Рак",     "Лев",  "Дева",
                           "Весы", "Скорпион", "Стрелец", "Козерог",  "Водолей", "Рыбы", ""};
    for (int i = 0; i <= 13; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(ZodiacName(i), names[i]);
    }
    EXPECT_EQ(ZodiacStart(1), MakeDate(0, 3, 21));
    EXPECT_EQ(ZodiacStart(10), MakeDate(0, 12, 22));
    EXPECT_EQ(ZodiacStart(13), ZodiacStart(1));
    EXPECT_EQ(ZodiacStart(0), ZeroDate);
    EXPECT_EQ(ZodiacStart(14), ZeroDate);

    TDateRec from = ZodiacStart(10);
    TDateRec to = ZodiacStart(11);
    from.Year = to.Year = 2008;
    EXPECT_EQ(PeriodText(from, to), "22.12 - 20.01");
}

TEST(Zodiac, FiveYearSign)
{
    const std::int32_t cases[][2] = {
        // year, sign
        {2007, 5}, {0, 1},    {1986, 12}, {1987, 1},
        {1991, 1}, {1992, 2}, {-1, 11},   {std::numeric_limits<std::int32_t>::min(), 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0]);
        EXPECT_EQ(FiveYearSign(c[0]), c[1]);
    }
}

} // namespace
} // namespace orvenda
