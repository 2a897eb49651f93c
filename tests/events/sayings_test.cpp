#include "events/sayings.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace orvenda {
namespace {

TEST(SayingIndex, EveryDateHasTheSameEntryInLeapAndCommonYears)
{
    const struct {
        TDateRec day;
        int index;
    } cases[] = {
        {MakeDate(2008, 1, 1), 0},   {MakeDate(2008, 2, 28), 58},   {MakeDate(2008, 2, 29), 59},
        {MakeDate(2008, 3, 1), 60},  {MakeDate(2008, 12, 31), 365}, {MakeDate(2007, 1, 1), 0},
        {MakeDate(2007, 2, 28), 58}, {MakeDate(2007, 3, 1), 60},    {MakeDate(2007, 12, 31), 365},
        {MakeDate(1900, 3, 1), 60},  {MakeDate(2000, 2, 29), 59},   {MakeDate(2000, 3, 1), 60},
        {MakeDate(2007, 7, 4), 185}, // day 185 of a common year: 184, plus the leap day's entry
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.day.Day << "." << c.day.Month << "." << c.day.Year);
        EXPECT_EQ(SayingIndexOfDay(c.day), c.index);
    }
}

TEST(SayingLines, TextAndAuthorOrTwoEmptyLines)
{
    const std::vector<TSayingRec> sayings = {{"first", "A"}, {"second", "B"}, {"third", ""}};
    const struct {
        int index;
        std::array<std::string, 2> lines;
    } cases[] = {
        {0, {"first", "A"}}, {2, {"third", ""}}, {3, {"", ""}}, {365, {"", ""}}, {-1, {"", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(SayingLines(sayings, c.index), c.lines);
    }
    EXPECT_EQ(SayingLines({}, 0), (std::array<std::string, 2>{"", ""}));
}

TEST(RandomSaying, NoSayingsGiveIndexZero)
{
    for (const std::int64_t seconds : {std::int64_t{0}, std::int64_t{-5}, std::int64_t{1205539200}}) {
        EXPECT_EQ(RandomSayingIndex(0, seconds), 0);
        EXPECT_EQ(RandomSayingIndex(1, seconds), 0);
    }
}

TEST(RandomSaying, EveryIndexComesUpAndNoneBeyond)
{
    for (const std::size_t count : {std::size_t{2}, std::size_t{7}, std::size_t{366}}) {
        SCOPED_TRACE(count);
        std::set<int> seen;
        for (std::int64_t seconds = 1205539200; seconds < 1205539200 + 6000; ++seconds) {
            const int index = RandomSayingIndex(count, seconds);
            ASSERT_GE(index, 0);
            ASSERT_LT(static_cast<std::size_t>(index), count);
            seen.insert(index);
        }
        EXPECT_EQ(seen.size(), count);
    }
}

TEST(RandomSaying, SameSecondGivesTheSameSaying)
{
    for (const std::int64_t seconds : {std::int64_t{0}, std::int64_t{-1}, std::int64_t{1205539200}}) {
        SCOPED_TRACE(seconds);
        EXPECT_EQ(RandomSayingIndex(366, seconds), RandomSayingIndex(366, seconds));
    }
}

} // namespace
} // namespace orvenda
