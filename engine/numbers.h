#pragma once

// Numeric helpers: whole numbers read from text, rounding, percentages.
// Nothing throws.

#include <cstdint>
#include <optional>
#include <string_view>

namespace orvenda {

// A whole decimal number, optionally signed, the whole text; nullopt when it is
// not one or does not fit.
[[nodiscard]] std::optional<std::int32_t> ParseInt32(std::string_view text) noexcept;
[[nodiscard]] std::optional<std::int64_t> ParseInt64(std::string_view text) noexcept;

// floor(x), plus 1 when the fraction is >= 0.5.
double RoundHalfUp(double x) noexcept;
// RoundHalfUp(x * 10^k) / 10^k.
double RoundTo(double x, int k) noexcept;
// part * 100 / whole.
double Percent(double whole, double part) noexcept;
int MaxOf3(int a, int b, int c) noexcept;
// True when every decimal digit of |n| is the same (a single digit counts).
bool AllDigitsSame(std::int64_t n) noexcept;

} // namespace orvenda
