#include "engine/day_count.h"

#include <limits>

namespace orvenda {

namespace {

using Year32 = std::numeric_limits<std::int32_t>;

// The engine's day number with the gap closed: 31.12.-1 is 0, 1.1.1 is 1.
std::int64_t serialDay(TDateRec date) noexcept
{
    const std::int64_t n = DayNumber(date);
    return date.Year < 0 ? n + 1 : n;
}

TDateRec dateOfSerial(std::int64_t serial) noexcept
{
    return DateOfDayNumber(serial <= 0 ? serial - 1 : serial);
}

} // namespace

std::int64_t DaysFromTo(TDateRec a, TDateRec b) noexcept
{
    // Both serials lie within +-2^40 (DayNumber's range), so the difference fits.
    return serialDay(b) - serialDay(a);
}

std::optional<TDateRec> ShiftByDays(TDateRec date, std::int64_t k) noexcept
{
    static const std::int64_t first = serialDay(MakeDate(Year32::min(), 1, 1));
    static const std::int64_t last = serialDay(MakeDate(Year32::max(), 12, 31));
    const std::int64_t from = serialDay(date);
    // k may be any 64-bit count; the distances to the ends fit in 64 bits.
    if (k > last - from || k < first - from)
        return std::nullopt;
    TDateRec result = dateOfSerial(from + k);
    result.Hour = date.Hour;
    result.Minute = date.Minute;
    result.Second = date.Second;
    result.Millisecond = date.Millisecond;
    return result;
}

} // namespace orvenda
