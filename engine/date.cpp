#include "engine/date.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <limits>
#include <utility>

namespace orvenda {

namespace {

using Int64Limits = std::numeric_limits<std::int64_t>;
using Int32Limits = std::numeric_limits<std::int32_t>;

// Days before a month, index month - 1 (0..12); row 1 is the leap year.
constexpr int kDaysBeforeMonth[2][13] = {
    {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365},
    {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335, 366},
};

// Days in a month, index month (1..12); index 0 holds 0 so that a month of 0 has no days.
constexpr int kDaysInMonth[2][13] = {
    {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
};

constexpr const char* kWeekdayNames[4][7] = {
    {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"},
    {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"},
    {"Понедельник", "Вторник", "Среда", "Четверг", "Пятница", "Суббота", "Воскресенье"},
    {"Пн", "Вт", "Ср", "Чт", "Пт", "Сб", "Вс"},
};

// Set index 1..5 maps to row 0..4.
constexpr const char* kMonthNames[5][12] = {
    {"January", "February", "March", "April", "May", "June", "July", "August", "September", "October",
     "November", "December"},
    {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
    {"Января", "Февраля", "Марта", "Апреля", "Мая", "Июня", "Июля", "Августа", "Сентября", "Октября",
     "Ноября", "Декабря"},
    {"Янв", "Фев", "Мар", "Апр", "Май", "Июн", "Июл", "Авг", "Сен", "Окт", "Ноя", "Дек"},
    {"Январь", "Февраль", "Март", "Апрель", "Май", "Июнь", "Июль", "Август", "Сентябрь", "Октябрь", "Ноябрь",
     "Декабрь"},
};

constexpr int kDaysPer400Years = 146097;
constexpr int kDaysPer100Years = 36524; // a century whose last year is not leap
constexpr int kDaysPer4Years = 1461;
constexpr std::int64_t kMillisecondsPerDay = 86400000;

// Works on the signed value, so -4 and -400 are leap and -100 is not; 0 is not.
constexpr bool leapRule(std::int64_t year) noexcept
{
    return year != 0 && (year % 400 == 0 || (year % 4 == 0 && year % 100 != 0));
}

constexpr int daysInYearOf(std::int64_t year) noexcept
{
    return leapRule(year) ? 366 : 365;
}

// Month outside 1..12 counts as January.
constexpr int dayOfYearOf(std::int64_t year, int month, int day) noexcept
{
    const int index = (month >= 1 && month <= 12) ? month - 1 : 0;
    return kDaysBeforeMonth[leapRule(year) ? 1 : 0][index] + day;
}

// Sum of the lengths of years 1 .. year - 1. year in [1, 2^31 + 1]:
// p < 2^31 + 1, 365 * p < 2^40, so the sum stays below 2^40.
constexpr std::int64_t daysBeforeYear(std::int64_t year) noexcept
{
    const std::int64_t p = year - 1;            // [0, 2^31]
    return 365 * p + p / 4 - p / 100 + p / 400; // leap years among 1..p added once each
}

constexpr std::int64_t dayNumberOf(std::int64_t year, int month, int day) noexcept
{
    const int doy = dayOfYearOf(year, month, day);
    if (year >= 1) {
        return daysBeforeYear(year) + doy;
    }
    if (year == 0) {
        return doy;
    }
    const std::int64_t mirrored = -year; // [1, 2^31]
    return -(daysBeforeYear(mirrored) + daysInYearOf(year) - doy + 1);
}

struct YearDay {
    std::int64_t year; // >= 1
    int dayOfYear;     // 1 .. DaysInYear(year)
};

// The year and day of year of positive day number n, n in [1, 2^40].
// Cycles of 400 years start at year 1, so the long century and the long
// four-year block are the last ones of their cycle: the quotients for them
// are cut to 3.
constexpr YearDay yearDayOf(std::int64_t n) noexcept
{
    const std::int64_t d = n - 1;                                                  // [0, 2^40)
    const std::int64_t q400 = d / kDaysPer400Years;                                // [0, 2^40 / 146097)
    std::int64_t r = d % kDaysPer400Years;                                         // [0, 146096]
    const std::int64_t q100 = r < 3 * kDaysPer100Years ? r / kDaysPer100Years : 3; // [0, 3]
    r -= q100 * kDaysPer100Years;                                                  // [0, 36524]
    const std::int64_t q4 = r / kDaysPer4Years;                                    // [0, 24]
    r %= kDaysPer4Years;                                                           // [0, 1460]
    const std::int64_t q1 = r < 3 * 365 ? r / 365 : 3;                             // [0, 3]
    r -= q1 * 365;                                                                 // [0, 365]
    return {400 * q400 + 100 * q100 + 4 * q4 + q1 + 1, static_cast<int>(r) + 1};
}

// The month (1..12) holding day of year doy, doy in [1, days of the year].
// Months are at most 31 days long, so doy / 32 undershoots by at most one.
constexpr int monthOfDayOfYear(int doy, bool leap) noexcept
{
    const auto& before = kDaysBeforeMonth[leap ? 1 : 0];
    const int zeroBased = doy - 1;  // [0, 365]
    int month = zeroBased / 32 + 1; // [1, 12]
    if (zeroBased >= before[month]) {
        ++month;
    }
    return month;
}

constexpr bool monthEstimateHolds() noexcept
{
    for (int leap = 0; leap < 2; ++leap) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= kDaysInMonth[leap][month]; ++day) {
                const int doy = kDaysBeforeMonth[leap][month - 1] + day;
                if (monthOfDayOfYear(doy, leap == 1) != month) {
                    return false;
                }
            }
        }
    }
    return true;
}

// Range of day numbers whose year fits in 32 bits.
constexpr std::int64_t kMaxDayNumber = dayNumberOf(Int32Limits::max(), 12, 31);
constexpr std::int64_t kMinDayNumber = dayNumberOf(Int32Limits::min(), 1, 1);

static_assert(monthEstimateHolds());
static_assert(dayNumberOf(1, 1, 1) == 1);
static_assert(dayNumberOf(2, 1, 1) == 366);
static_assert(dayNumberOf(-1, 12, 31) == -1);
static_assert(dayNumberOf(-1, 1, 1) == -365);
static_assert(dayNumberOf(0, 3, 1) == 60);
// 1 January 2000 is Julian day 2451545 and 1 January of year 1 Julian day 1721426.
static_assert(dayNumberOf(2000, 1, 1) == 2451545 - 1721426 + 1);
static_assert(yearDayOf(dayNumberOf(2000, 12, 31)).year == 2000 &&
              yearDayOf(dayNumberOf(2000, 12, 31)).dayOfYear == 366);
static_assert(yearDayOf(dayNumberOf(2001, 1, 1)).year == 2001);
static_assert(kMaxDayNumber < (std::int64_t{1} << 40) && -kMinDayNumber < (std::int64_t{1} << 40));
static_assert(yearDayOf(kMaxDayNumber).year == Int32Limits::max());
static_assert(yearDayOf(-kMinDayNumber).year == -std::int64_t{Int32Limits::min()});

constexpr std::int64_t saturatingAdd(std::int64_t a, std::int64_t b) noexcept
{
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) {
        return b > 0 ? Int64Limits::max() : Int64Limits::min();
    }
    return sum;
}

constexpr std::int32_t clampToYear(std::int64_t year) noexcept
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(year, Int32Limits::min(), Int32Limits::max()));
}

// Time fields above their range mean "no time given" and count as 0 when ordering.
constexpr std::int64_t secondsOfYear(TDateRec d) noexcept
{
    const std::int64_t h = d.Hour > 24 ? 0 : d.Hour;
    const std::int64_t mi = d.Minute > 60 ? 0 : d.Minute;
    const std::int64_t s = d.Second > 60 ? 0 : d.Second;
    return (((dayOfYearOf(d.Year, d.Month, d.Day) - 1) * std::int64_t{24} + h) * 60 + mi) * 60 + s;
}

constexpr std::int64_t secondsOfDay(TDateRec d) noexcept
{
    return std::int64_t{d.Hour} * 3600 + std::int64_t{d.Minute} * 60 + d.Second;
}

char lowerAscii(char c) noexcept
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsLowerCase(std::string_view text, std::string_view lower) noexcept
{
    return text.size() == lower.size() && std::equal(text.begin(), text.end(), lower.begin(),
                                                     [](char a, char b) { return lowerAscii(a) == b; });
}

} // namespace

// ---- Leap years and lengths ----

bool IsLeapYear(std::int32_t year) noexcept
{
    return leapRule(year);
}

int DaysInYear(std::int32_t year) noexcept
{
    return daysInYearOf(year);
}

bool IsJulianLeapYear(std::int32_t year) noexcept
{
    return year != 0 && year % 4 == 0;
}

int DaysInMonth(std::int32_t year, int month) noexcept
{
    if (month < 1 || month > 12) {
        return 0;
    }
    return kDaysInMonth[IsLeapYear(year) ? 1 : 0][month];
}

int DaysInMonthJulian(std::int32_t year, int month) noexcept
{
    if (month < 1 || month > 12) {
        return 0;
    }
    return kDaysInMonth[IsJulianLeapYear(year) ? 1 : 0][month];
}

int DayOfYear(TDateRec date) noexcept
{
    return dayOfYearOf(date.Year, date.Month, date.Day);
}

// ---- Validation ----

bool IsValidDate(TDateRec date) noexcept
{
    return date.Year != 0 && date.Month >= 1 && date.Month <= 12 && date.Day >= 1 &&
           date.Day <= DaysInMonth(date.Year, date.Month);
}

bool IsValidDateTime(TDateRec date) noexcept
{
    return IsValidDate(date) && date.Hour < 24 && date.Minute < 60;
}

// ---- Day numbers ----

std::int64_t DayNumber(TDateRec date) noexcept
{
    return dayNumberOf(date.Year, date.Month, date.Day);
}

TDateRec DateOfDayNumber(std::int64_t n) noexcept
{
    if (n > kMaxDayNumber) {
        return MakeDate(Int32Limits::max(), 12, 31);
    }
    if (n < kMinDayNumber) {
        return MakeDate(Int32Limits::min(), 1, 1);
    }
    if (n == 0) {
        n = 1;
    }
    const bool negative = n < 0;
    const YearDay yd = yearDayOf(negative ? -n : n); // |n| <= 2^40
    const bool leap = leapRule(yd.year);
    // A negative year counts its days back from its last day.
    const int doy = negative ? daysInYearOf(yd.year) - yd.dayOfYear + 1 : yd.dayOfYear;
    const int month = monthOfDayOfYear(doy, leap);
    const int day = doy - kDaysBeforeMonth[leap ? 1 : 0][month - 1];
    return MakeDate(static_cast<std::int32_t>(negative ? -yd.year : yd.year), month, day);
}

std::int64_t DaysBetween(TDateRec a, TDateRec b) noexcept
{
    return DayNumber(b) - DayNumber(a); // both below 2^40 in magnitude
}

TDateRec AddDays(TDateRec date, std::int64_t k) noexcept
{
    // A sum past the 64-bit range saturates; DateOfDayNumber then clamps to the year range.
    TDateRec result = DateOfDayNumber(saturatingAdd(DayNumber(date), k));
    result.Hour = date.Hour;
    result.Minute = date.Minute;
    result.Second = date.Second;
    result.Millisecond = date.Millisecond;
    return result;
}

TDateRec SubtractDays(TDateRec date, std::int64_t k) noexcept
{
    // -INT64_MIN does not exist; one day less than the largest shift makes no difference.
    return AddDays(date, k == Int64Limits::min() ? Int64Limits::max() : -k);
}

// ---- Durations and date-plus-date arithmetic ----

TDateRec DurationOfDays(std::int64_t n) noexcept
{
    const std::int32_t sign = n < 0 ? -1 : 1;
    // Counts of 2^31 - 1 whole years or more saturate there.
    constexpr std::int64_t kMaxCount = daysBeforeYear(std::int64_t{Int32Limits::max()} + 1);
    const std::int64_t count = (n == Int64Limits::min() || std::abs(n) > kMaxCount) ? kMaxCount : std::abs(n);

    // The whole years are those that fit completely, counted from year 1: the
    // year holding day count + 1 is the first one that does not.
    const YearDay yd = yearDayOf(count + 1);
    const auto years = static_cast<std::int32_t>(yd.year - 1); // [0, 2^31 - 1]
    int rest = yd.dayOfYear - 1;                               // [0, 365]

    // Months are measured with the leap status of the last whole year, and the
    // walk ends at December even when a day count of 365 fills all twelve.
    const auto& lengths = kDaysInMonth[IsLeapYear(years) ? 1 : 0];
    int months = 0;
    while (months < 12 && lengths[months + 1] <= rest) {
        ++months;
        rest -= lengths[months];
    }
    return TDateRec{
        years * sign, static_cast<std::uint16_t>(months), static_cast<std::uint16_t>(rest), 0, 0, 0, 0};
}

TDateRec AddDateTimes(TDateRec a, TDateRec b) noexcept
{
    const int sa = a.Year < 0 ? -1 : 1;
    const int sb = b.Year < 0 ? -1 : 1;
    std::int64_t year = std::int64_t{a.Year} + b.Year;

    // b's day of year is taken with the leap status of a's year.
    TDateRec bInYearOfA = b;
    bInYearOfA.Year = a.Year;
    std::int64_t days = std::int64_t{DayOfYear(a)} * sa + std::int64_t{DayOfYear(bInYearOfA)} * sb;
    std::int64_t secs = secondsOfDay(a) * sa + secondsOfDay(b) * sb;

    // The time sum only carries whole days into the date; the rest is dropped.
    if (secs >= 86400) {
        days += 1;
    }
    if (secs < 0) {
        days -= 1;
    }
    if (days > DaysInYear(a.Year)) {
        year += 1;
        days -= DaysInYear(a.Year);
    }
    if (days < 0) {
        year -= 1;
        days += 365;
    }
    TDateRec result = DurationOfDays(days);
    result.Year = clampToYear(year);
    return result;
}

TDateRec SubtractDateTimes(TDateRec a, TDateRec b) noexcept
{
    b.Year = clampToYear(-std::int64_t{b.Year});
    return AddDateTimes(a, b);
}

// ---- Comparison of date-times ----

bool IsLater(TDateRec a, TDateRec b) noexcept
{
    if (a.Year != b.Year) {
        return a.Year > b.Year;
    }
    const std::int64_t sa = secondsOfYear(a);
    const std::int64_t sb = secondsOfYear(b);
    if (sa != sb) {
        return sa > sb;
    }
    const int ma = a.Millisecond > 999 ? 0 : a.Millisecond;
    const int mb = b.Millisecond > 999 ? 0 : b.Millisecond;
    return ma > mb;
}

bool IsEarlier(TDateRec a, TDateRec b) noexcept
{
    return IsLater(b, a);
}

bool IsSameMoment(TDateRec a, TDateRec b) noexcept
{
    return a.Year == b.Year && secondsOfYear(a) == secondsOfYear(b) && a.Millisecond == b.Millisecond;
}

bool IsLaterOrSame(TDateRec a, TDateRec b) noexcept
{
    return IsLater(a, b) || IsSameMoment(a, b);
}

bool IsEarlierOrSame(TDateRec a, TDateRec b) noexcept
{
    return IsEarlier(a, b) || IsSameMoment(a, b);
}

void SwapDates(TDateRec& a, TDateRec& b) noexcept
{
    std::swap(a, b);
}

// ---- Weekdays and weeks ----

std::int64_t JulianDayNumber(TDateRec date) noexcept
{
    // 64-bit throughout: y reaches -2^31 - 1 and 146097 * c stays below 2^42.
    std::int64_t m = 0;
    std::int64_t y = date.Year;
    if (date.Month > 2) {
        m = date.Month - 3;
    } else {
        m = date.Month + 9;
        y -= 1;
    }
    const std::int64_t c = y / 100;
    const std::int64_t r = y % 100;
    return (146097 * c) / 4 + (1461 * r) / 4 + (153 * m + 2) / 5 + date.Day + 1721119;
}

int WeekdayIndex(TDateRec date) noexcept
{
    if (date.Year >= 1) {
        // Year >= 1 keeps every term of the formula non-negative.
        return static_cast<int>(JulianDayNumber(date) % 7);
    }
    // Day number 1 (1.1.1) is a Monday and -1 the Sunday before it: close the
    // gap at 0 and take the remainder towards minus infinity.
    const std::int64_t n = DayNumber(date);
    const std::int64_t sinceMonday = n >= 1 ? n - 1 : n;
    return static_cast<int>(((sinceMonday % 7) + 7) % 7);
}

std::string WeekdayName(TDateRec date, WeekdayForm form)
{
    const int set = static_cast<int>(form);
    if (set < 0 || set > 3) {
        return {};
    }
    return kWeekdayNames[set][WeekdayIndex(date)];
}

std::string MonthName(int month, MonthForm form)
{
    const int set = static_cast<int>(form);
    if (set < 1 || set > 5 || month < 1 || month > 12) {
        return {};
    }
    return kMonthNames[set - 1][month - 1];
}

int WeekdayNumber(TDateRec date, std::string_view firstDay)
{
    const int index = WeekdayIndex(date);
    if (equalsLowerCase(firstDay, "monday")) {
        return index + 1;
    }
    if (equalsLowerCase(firstDay, "sunday")) {
        return (index + 1) % 7 + 1;
    }
    return -1;
}

int WeekOfYear(TDateRec date) noexcept
{
    const int w = WeekdayIndex(MakeDate(date.Year, 1, 1));
    return (DayOfYear(date) - 1 + w) / 7 + 1;
}

int WeekCount(TDateRec date) noexcept
{
    return DayOfYear(date) / 7;
}

TDateRec NthWeekdayOfMonth(int mode, int weekday, int n, int month, std::int32_t currentYear,
                           int currentMonth) noexcept
{
    TDateRec result = UnsetDateTime;
    result.Year = currentYear;
    result.Month = static_cast<std::uint16_t>(month == 0 ? currentMonth : month);
    if (mode != 0) {
        return result;
    }
    const int last = DaysInMonth(result.Year, result.Month); // 0 for a month outside 1..12
    // Weekday numbers 1 (Monday) .. 7 (Sunday), stepped along with the day.
    int dayWeekday = WeekdayIndex(MakeDate(result.Year, result.Month, 1)) + 1;
    int count = dayWeekday <= weekday ? 1 : 0;
    for (int day = 1; day <= last; ++day) {
        result.Day = static_cast<std::uint16_t>(day);
        if (dayWeekday == weekday && (count == n || (n == 5 && day + 7 > last))) {
            return result;
        }
        if (dayWeekday == 7) {
            ++count;
            dayWeekday = 1;
        } else {
            ++dayWeekday;
        }
    }
    result.Day = static_cast<std::uint16_t>(last);
    return result;
}

TDateRec NthWeekdayOfMonth(int mode, int weekday, int n, int month)
{
    const TDateRec now = Now();
    return NthWeekdayOfMonth(mode, weekday, n, month, now.Year, now.Month);
}

std::int32_t CenturyOfYear(std::int32_t year) noexcept
{
    const std::int64_t magnitude = std::abs(std::int64_t{year}); // [0, 2^31]
    const std::int64_t century = (magnitude + 99) / 100;         // [0, 21474837]
    return static_cast<std::int32_t>(year < 0 ? -century : century);
}

// ---- Clock and conversions ----

TDateRec Now()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
    if (localtime_r(&seconds, &local) == nullptr) {
        return DefaultDate;
    }
    const auto sinceEpoch = floor<milliseconds>(now.time_since_epoch()).count();
    const auto millisecond = ((sinceEpoch % 1000) + 1000) % 1000;
    return TDateRec{local.tm_year + 1900, static_cast<std::uint16_t>(local.tm_mon + 1),
                    static_cast<std::uint16_t>(local.tm_mday), static_cast<std::uint16_t>(local.tm_hour),
                    static_cast<std::uint16_t>(local.tm_min),
                    // A leap second (60) is shown as the last second of the minute.
                    static_cast<std::uint16_t>(std::min(local.tm_sec, 59)),
                    static_cast<std::uint16_t>(millisecond)};
}

TDateRec FromDateTime(double serial) noexcept
{
    // Serial 0 is 30 December 1899. Whole days of 10^12 lie beyond the 32-bit
    // year range in either direction, so the clamp only decides which end.
    constexpr double kDayLimit = 1e12;
    constexpr std::int64_t kEpoch = dayNumberOf(1899, 12, 30);
    if (std::isnan(serial)) {
        serial = 0.0;
    }
    serial = std::clamp(serial, -kDayLimit, kDayLimit);

    // Spreadsheet style: the whole part (towards zero) is the day, the
    // fraction's absolute value the time of that day.
    const double whole = std::trunc(serial);
    auto days = static_cast<std::int64_t>(whole); // |days| <= 10^12
    auto milliseconds =
        static_cast<std::int64_t>(std::llround(std::fabs(serial - whole) * kMillisecondsPerDay));
    if (milliseconds >= kMillisecondsPerDay) {
        // Rounded up to the next midnight: away from the epoch, as the sign says.
        milliseconds -= kMillisecondsPerDay;
        days += serial < 0 ? -1 : 1;
    }

    // Serial days run on without a pause across the missing day number 0.
    std::int64_t n = kEpoch + days;
    if (n <= 0) {
        n -= 1;
    }
    TDateRec result = DateOfDayNumber(n);
    result.Hour = static_cast<std::uint16_t>(milliseconds / 3600000);
    result.Minute = static_cast<std::uint16_t>(milliseconds / 60000 % 60);
    result.Second = static_cast<std::uint16_t>(milliseconds / 1000 % 60);
    result.Millisecond = static_cast<std::uint16_t>(milliseconds % 1000);
    return result;
}

} // namespace orvenda
