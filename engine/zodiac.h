#pragma once

// The zodiac sign of a date (by fixed day-and-month boundaries) and the sign
// of a five-year span of the 60-year cycle.

#include "engine/date.h"

#include <cstdint>
#include <string>

namespace orvenda {

// Sign 1..12 counted from Aries; 0 for a date that fails IsValidDate.
int ZodiacSign(TDateRec date) noexcept;
// "Овен" .. "Рыбы"; "" for indexes outside 1..12.
std::string ZodiacName(int i);
// The sign's first day with Year 0 and time 0; 13 gives sign 1's start; any
// other i the zero record.
TDateRec ZodiacStart(int i) noexcept;
// ceil(YearPrinciple / 5), 1 when that is 0.
int FiveYearSign(std::int32_t year) noexcept;

} // namespace orvenda
