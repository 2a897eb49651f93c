#include "app/system_clock.h"

#include <algorithm>
#include <ctime>

namespace orvenda {

std::string LocaleDateTimeText(TDateRec moment, const char* format)
{
    std::tm tm{};
    // tm_year is an int offset from 1900; years far from today are clamped so
    // that strftime gets a representable value.
    const std::int64_t year = moment.Year;
    tm.tm_year = static_cast<int>(std::min<std::int64_t>(std::max<std::int64_t>(year - 1900, -1900), 100000));
    tm.tm_mon = moment.Month >= 1 && moment.Month <= 12 ? moment.Month - 1 : 0;
    tm.tm_mday = moment.Day >= 1 && moment.Day <= 31 ? moment.Day : 1;
    tm.tm_hour = moment.Hour < 24 ? moment.Hour : 0;
    tm.tm_min = moment.Minute < 60 ? moment.Minute : 0;
    tm.tm_sec = moment.Second < 60 ? moment.Second : 0;
    tm.tm_wday = (WeekdayIndex(moment) + 1) % 7; // tm counts from Sunday
    tm.tm_yday = DayOfYear(moment) - 1;
    tm.tm_isdst = -1;
    char buffer[128];
    const std::size_t n = std::strftime(buffer, sizeof buffer, format, &tm);
    return std::string(buffer, n);
}

ClockSeams SystemClock()
{
    return ClockSeams{
        [] { return Now(); },
        [](TDateRec t) { return LocaleDateTimeText(t, "%x"); },
        [](TDateRec t) { return LocaleDateTimeText(t, "%X"); },
    };
}

ClockSeams FixedClock(TDateRec moment)
{
    ClockSeams seams = SystemClock();
    seams.now = [moment] { return moment; };
    return seams;
}

} // namespace orvenda
