#pragma once

// The saying of the day and a saying chosen at random.

#include "engine/date.h"
#include "events/records.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace orvenda {

// The index of the saying that belongs to a calendar date. A list for daily
// use has 366 entries, one per date of a leap year, 29 February at 59; in a
// common year the dates from 1 March on skip that entry, so 1 March is always
// 60 and 31 December always 365. Month must be 1..12.
int SayingIndexOfDay(TDateRec day) noexcept;

// An index in 0..count-1 from a generator seeded with the clock's whole
// seconds: the same second always gives the same index, and every index can
// come up. 0 when count is 0. Counts beyond the int range are cut to it.
int RandomSayingIndex(std::size_t count, std::int64_t clockSeconds) noexcept;

// The saying's text and author; two empty lines for an index outside the list.
std::array<std::string, 2> SayingLines(const std::vector<TSayingRec>& sayings, int index);

} // namespace orvenda
