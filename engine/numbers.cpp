#include "engine/numbers.h"

#include "engine/utf8.h"

#include <cmath>
#include <limits>

namespace orvenda {

namespace {

// Magnitude limit is max for positive numbers and max + 1 for negative ones.
std::optional<std::int64_t> ParseSigned(std::string_view text, std::int64_t min, std::int64_t max) noexcept
{
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    const std::uint64_t limit =
        negative ? static_cast<std::uint64_t>(-(min + 1)) + 1 : static_cast<std::uint64_t>(max);
    std::uint64_t value = 0;
    for (char c : text) {
        if (!IsAsciiDigit(c)) {
            return std::nullopt;
        }
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (value > (limit - digit) / 10) {
            return std::nullopt;
        }
        value = value * 10 + digit;
    }
    if (!negative) {
        return static_cast<std::int64_t>(value);
    }
    // value <= |min|; -(value - 1) - 1 stays in range for min itself.
    return value == 0 ? 0 : -static_cast<std::int64_t>(value - 1) - 1;
}

} // namespace

std::optional<std::int32_t> ParseInt32(std::string_view text) noexcept
{
    const auto v =
        ParseSigned(text, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());
    if (!v) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(*v);
}

std::optional<std::int64_t> ParseInt64(std::string_view text) noexcept
{
    return ParseSigned(text, std::numeric_limits<std::int64_t>::min(),
                       std::numeric_limits<std::int64_t>::max());
}

double RoundHalfUp(double x) noexcept
{
    const double whole = std::floor(x);
    return (x - whole >= 0.5) ? whole + 1.0 : whole;
}

double RoundTo(double x, int k) noexcept
{
    const double scale = std::pow(10.0, k);
    return RoundHalfUp(x * scale) / scale;
}

double Percent(double whole, double part) noexcept
{
    return part * 100.0 / whole;
}

int MaxOf3(int a, int b, int c) noexcept
{
    const int ab = a > b ? a : b;
    return ab > c ? ab : c;
}

bool AllDigitsSame(std::int64_t n) noexcept
{
    std::uint64_t a = n < 0 ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
    const std::uint64_t digit = a % 10;
    while (a != 0) {
        if (a % 10 != digit) {
            return false;
        }
        a /= 10;
    }
    return true;
}

} // namespace orvenda
