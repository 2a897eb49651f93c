#include "engine/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <tuple>

namespace orvenda {
namespace {

constexpr std::int32_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt64Min = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kInt64Max = std::numeric_limits<std::int64_t>::max();

TEST(Numbers, ParseWholeDecimalNumbers)
{
    struct Case {
        const char* text;
        std::optional<std::int64_t> as64;
        std::optional<std::int32_t> as32;
    };
    const Case cases[] = {
        {"+42", 42, 42},
        {"-42", -42, -42},
        {"007", 7, 7},
        {"-2147483648", -2147483648LL, kInt32Min},
        {"2147483648", 2147483648LL, std::nullopt},
        {"-2147483649", -2147483649LL, std::nullopt},
        {"9223372036854775807", kInt64Max, std::nullopt},
        {"-9223372036854775808", kInt64Min, std::nullopt},
        {"9223372036854775808", std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt},
        {"-", std::nullopt, std::nullopt},
        {"+-1", std::nullopt, std::nullopt},
        {" 1", std::nullopt, std::nullopt},
        {"1.0", std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseInt64(c.text), c.as64);
        EXPECT_EQ(ParseInt32(c.text), c.as32);
    }
}

TEST(Numbers, RoundingPercentMaxAndDigits)
{
    const std::pair<double, double> halfUp[] = {{2.5, 3.0}, {2.49, 2.0}, {-2.5, -2.0}, {-2.6, -3.0}};
    for (const auto& [x, expected] : halfUp) {
        SCOPED_TRACE(x);
        EXPECT_DOUBLE_EQ(RoundHalfUp(x), expected);
    }
    EXPECT_DOUBLE_EQ(RoundTo(1.25, 1), 1.3);
    EXPECT_DOUBLE_EQ(RoundTo(-1.25, 1), -1.2);
    EXPECT_DOUBLE_EQ(RoundTo(1250.0, -2), 1300.0);
    EXPECT_DOUBLE_EQ(Percent(200, 50), 25.0);
    EXPECT_TRUE(std::isinf(Percent(0, 5)));
    EXPECT_EQ(MaxOf3(3, 1, 2) + MaxOf3(1, 3, 2) + MaxOf3(1, 2, 3), 9);
    EXPECT_EQ(MaxOf3(-5, -7, -6), -5);

    const std::pair<std::int64_t, bool> digits[] = {
        {0, true},    {7, true},          {2222, true},
        {-333, true}, {12, false},        {101, false},
        {-10, false}, {kInt64Min, false}, {999999999999999999, true},
    };
    for (const auto& [n, expected] : digits) {
        SCOPED_TRACE(n);
        EXPECT_EQ(AllDigitsSame(n), expected);
    }
}

} // namespace
} // namespace orvenda
