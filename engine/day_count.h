#pragma once

// Day arithmetic for the tools a user counts days with (the date calculator,
// the period window). The engine's day numbers leave out a number 0 between
// 31.12.-1 (-1) and 1.1.1 (1), so a shift by whole days across that gap would
// lose a day and the days between those two dates would be 2. Here the days
// run on without a pause, as the weekdays do, and a result beyond the 32-bit
// year range is refused instead of being clamped to its last day.

#include "engine/date.h"

#include <cstdint>
#include <optional>

namespace orvenda {

// Days from a to b, positive when b is later; 31.12.-1 to 1.1.1 is 1. Time is
// ignored. Both dates valid (IsValidDate).
std::int64_t DaysFromTo(TDateRec a, TDateRec b) noexcept;

// `date` moved by k days (k < 0 goes back), time of day kept; nullopt when
// the result would lie outside the years -2147483648 .. 2147483647.
std::optional<TDateRec> ShiftByDays(TDateRec date, std::int64_t k) noexcept;

} // namespace orvenda
