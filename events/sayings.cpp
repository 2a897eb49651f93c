#include "events/sayings.h"

#include <algorithm>
#include <limits>
#include <random>

namespace orvenda {

int SayingIndexOfDay(TDateRec day) noexcept
{
    int index = DayOfYear(day) - 1;
    // 28 February is index 58 in every year; the leap day's entry 59 is
    // skipped in common years.
    if (!IsLeapYear(day.Year) && index > 58) {
        index += 1;
    }
    return index;
}

int RandomSayingIndex(std::size_t count, std::int64_t clockSeconds) noexcept
{
    if (count == 0) {
        return 0;
    }
    const auto limit = static_cast<std::uint64_t>(std::numeric_limits<int>::max());
    const std::uint64_t modulus = std::min<std::uint64_t>(count, limit);
    // A fixed engine and no distribution object: the raw output of
    // mt19937_64 is the same with every standard library.
    std::mt19937_64 generator(static_cast<std::uint64_t>(clockSeconds));
    return static_cast<int>(generator() % modulus);
}

std::array<std::string, 2> SayingLines(const std::vector<TSayingRec>& sayings, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= sayings.size()) {
        return {};
    }
    const TSayingRec& saying = sayings[static_cast<std::size_t>(index)];
    return {saying.Text, saying.Author};
}

} // namespace orvenda
