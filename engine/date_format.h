#pragma once

// The date formatter and reader: a record as text by a pattern, and a text of
// digit runs back into a record. Texts are UTF-8. Nothing throws.

#include "engine/date.h"

#include <string>
#include <string_view>

namespace orvenda {

// Appends for each pattern letter its piece of the record ("d.m.Y",
// "Y.m.d_H:M", "D", "z" ...); "\" makes the next character literal; any other
// character is copied.
std::string FormatDate(TDateRec date, std::string_view pattern);

enum DateOrder { DayFirst, YearFirst };
// Reads digit runs separated by " ,./:_" into the fields of `def` (DayFirst:
// day, month, year, hour, minute, second, millisecond; YearFirst: year, month,
// day, ...); every "-" flips the year's sign; other characters are skipped.
// A run that does not fit in 32 bits makes the text unreadable: the result is
// then DefaultDate with Year 0, which fails IsValidDate. Field values wider
// than 16 bits are cut to the field. Validation is the caller's.
TDateRec ReadDate(std::string_view text, DateOrder order, TDateRec def);
// ReadDate(text, YearFirst, DefaultDate).
TDateRec ReadYMD(std::string_view text);

} // namespace orvenda
