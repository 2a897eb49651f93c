#include "engine/day_count.h"

#include <gtest/gtest.h>

#include <limits>

namespace orvenda {
namespace {

TEST(DayCount, RunsOnWithoutPauseAcrossYearOne)
{
    EXPECT_EQ(DaysFromTo(MakeDate(-1, 12, 31), MakeDate(1, 1, 1)), 1);
    EXPECT_EQ(DaysFromTo(MakeDate(1, 1, 1), MakeDate(-1, 12, 31)), -1);
    EXPECT_EQ(DaysFromTo(MakeDate(2007, 1, 1), MakeDate(2008, 1, 1)), 365);

    // Every shift from a day before year 1 to a day after it and back again.
    const TDateRec start = MakeDate(-2, 11, 1);
    TDateRec previous = start;
    for (std::int64_t k = 1; k <= 1200; ++k) {
        const std::optional<TDateRec> day = ShiftByDays(start, k);
        ASSERT_TRUE(day && IsValidDate(*day)) << k;
        ASSERT_EQ(DaysFromTo(start, *day), k);
        ASSERT_EQ(DaysFromTo(previous, *day), 1) << k;
        ASSERT_EQ(ShiftByDays(*day, -k), start) << k;
        previous = *day;
    }
}

TEST(DayCount, RefusesDaysBeyondTheYearRange)
{
    constexpr std::int32_t maxYear = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t minYear = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(ShiftByDays(MakeDate(maxYear, 12, 30), 1), MakeDate(maxYear, 12, 31));
    EXPECT_FALSE(ShiftByDays(MakeDate(maxYear, 12, 31), 1));
    EXPECT_EQ(ShiftByDays(MakeDate(minYear, 1, 2), -1), MakeDate(minYear, 1, 1));
    EXPECT_FALSE(ShiftByDays(MakeDate(minYear, 1, 1), -1));
    EXPECT_FALSE(ShiftByDays(MakeDate(2007, 1, 1), std::numeric_limits<std::int64_t>::max()));
    EXPECT_FALSE(ShiftByDays(MakeDate(2007, 1, 1), std::numeric_limits<std::int64_t>::min()));
}

} // namespace
} // namespace orvenda
