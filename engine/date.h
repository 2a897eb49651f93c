#pragma once

// The date record and all day arithmetic of the program.
//
// The calendar is the Gregorian one carried back to year 1 and mirrored into
// negative years; there is no year 0 (a record with Year 0 means "no year" and
// fails IsValidDate). Day number 1 is 1 January of year 1; 31 December of
// year -1 is day number -1. Weekday index 0 is Monday.
//
// Every function is pure (the clock readers aside) and never throws. The
// algorithms do not validate their input: callers check with IsValidDate.

#include <cstdint>
#include <string>
#include <string_view>

namespace orvenda {

struct TDateRec {
    std::int32_t Year = 1;
    std::uint16_t Month = 1;
    std::uint16_t Day = 1;
    std::uint16_t Hour = 0;
    std::uint16_t Minute = 0;
    std::uint16_t Second = 0;
    std::uint16_t Millisecond = 0;

    friend constexpr bool operator==(const TDateRec&, const TDateRec&) = default;
};

// 1.1.1 00:00:00.000
inline constexpr TDateRec DefaultDate{};
// Every field 0: no date is held.
inline constexpr TDateRec ZeroDate{0, 0, 0, 0, 0, 0, 0};
// No date and no time given; event records start from this value.
inline constexpr TDateRec UnsetDateTime{0, 0, 0, 25, 61, 61, 1000};

// A record holding only a date, time 00:00:00.000.
constexpr TDateRec MakeDate(std::int32_t year, int month, int day) noexcept
{
    return TDateRec{year, static_cast<std::uint16_t>(month), static_cast<std::uint16_t>(day), 0, 0, 0, 0};
}

// ---- Leap years and lengths ----

// Divisibility is tested on the signed value: -4 and -400 are leap, -100 is not; 0 is not.
bool IsLeapYear(std::int32_t year) noexcept;
// 366 for a leap year, else 365 (also for year 0).
int DaysInYear(std::int32_t year) noexcept;
bool IsJulianLeapYear(std::int32_t year) noexcept;
// month 1..12; any other month gives 0.
int DaysInMonth(std::int32_t year, int month) noexcept;
int DaysInMonthJulian(std::int32_t year, int month) noexcept;
// 1 January = 1. Month must be 1..12 (another month counts as January).
int DayOfYear(TDateRec date) noexcept;

// ---- Validation ----

// Year != 0, Month 1..12, Day 1..DaysInMonth. Time fields are not looked at.
bool IsValidDate(TDateRec date) noexcept;
// IsValidDate, Hour < 24 and Minute < 60.
bool IsValidDateTime(TDateRec date) noexcept;

// ---- Day numbers ----

// Running day count, 1 January of year 1 = 1; negative years mirror the
// positive side (31.12.-1 = -1, 1.1.-1 = -365); for Year 0 the DayOfYear.
// Every 32-bit year fits: |result| < 2^40.
std::int64_t DayNumber(TDateRec date) noexcept;
// The inverse of DayNumber; 0 counts as 1. Time fields are 0. Numbers beyond
// the 32-bit year range give the first or last day of that range.
TDateRec DateOfDayNumber(std::int64_t n) noexcept;
// DayNumber(b) - DayNumber(a): positive when b is later. Time is ignored.
std::int64_t DaysBetween(TDateRec a, TDateRec b) noexcept;
// Shift by k days through the day number; the time of day is kept. A sum of 0
// counts as 1, so from 31.12.-1 both k = 1 and k = 2 give 1.1.1. A sum past
// the 64-bit range saturates (and then clamps to the year range).
TDateRec AddDays(TDateRec date, std::int64_t k) noexcept;
TDateRec SubtractDays(TDateRec date, std::int64_t k) noexcept;

// ---- Durations and date-plus-date arithmetic ----

// Splits a day count into whole years (Year, with the sign of n), months
// (Month) and days (Day), the years counted from year 1 and the months those
// of the last whole year. Counts of 2^31 - 1 years or more give that many.
TDateRec DurationOfDays(std::int64_t n) noexcept;
// The date calculator's date-plus-date: Year is the sum of the years plus a
// year carried over either end of a's year; Month and Day split the summed
// days of the year as DurationOfDays does; time 0.
TDateRec AddDateTimes(TDateRec a, TDateRec b) noexcept;
TDateRec SubtractDateTimes(TDateRec a, TDateRec b) noexcept;

// ---- Comparison of date-times ----

// Unset time fields (hour above 24, minute or second above 60, millisecond
// above 999) count as 0 in IsLater; IsSameMoment compares raw milliseconds.
bool IsLater(TDateRec a, TDateRec b) noexcept;
bool IsEarlier(TDateRec a, TDateRec b) noexcept;
bool IsSameMoment(TDateRec a, TDateRec b) noexcept;
bool IsLaterOrSame(TDateRec a, TDateRec b) noexcept;
bool IsEarlierOrSame(TDateRec a, TDateRec b) noexcept;
void SwapDates(TDateRec& a, TDateRec& b) noexcept;

// ---- Weekdays and weeks ----

// The classic formula; 1 January 2000 gives 2451545. Meaningful for Year >= 1.
std::int64_t JulianDayNumber(TDateRec date) noexcept;
// 0 = Monday .. 6 = Sunday. Before year 1 the weekdays run on without a break
// from the engine's own day count (31.12.-1 is the Sunday before 1.1.1).
int WeekdayIndex(TDateRec date) noexcept;
enum class WeekdayForm {
    English,      // "Monday"
    EnglishShort, // "Mon"
    Russian,      // "Понедельник"
    RussianShort, // "Пн"
};
// A value outside the forms gives "".
std::string WeekdayName(TDateRec date, WeekdayForm form);
enum class MonthForm {
    English = 1,  // "January"
    EnglishShort, // "Jan"
    Genitive,     // "Января"
    RussianShort, // "Янв"
    Russian,      // "Январь"
};
// Month 1..12; another month or a value outside the forms gives "".
std::string MonthName(int month, MonthForm form);
// "monday": Monday 1 .. Sunday 7; "sunday": Sunday 1 .. Saturday 7 (compared
// in lower case); any other text gives -1.
int WeekdayNumber(TDateRec date, std::string_view firstDay);
// Weeks run Monday to Sunday; the week holding 1 January is week 1.
int WeekOfYear(TDateRec date) noexcept;
// DayOfYear / 7, truncating.
int WeekCount(TDateRec date) noexcept;
// The date of the n-th (n 1..4) or last (n 5) weekday (1 Monday .. 7 Sunday)
// of month (0 = the current month) in the current year. mode != 0 leaves Day 0.
// Time fields are unset. The current year and month are passed in so that the
// caller decides where "now" comes from.
TDateRec NthWeekdayOfMonth(int mode, int weekday, int n, int month, std::int32_t currentYear,
                           int currentMonth) noexcept;
// The same, reading the current year and month from the clock.
TDateRec NthWeekdayOfMonth(int mode, int weekday, int n, int month);
// ceil(|year| / 100) with the year's sign; 0 for year 0.
std::int32_t CenturyOfYear(std::int32_t year) noexcept;

// ---- Clock and conversions ----

// The local date and time from the system clock, to the millisecond.
TDateRec Now();
// Days since 30 December 1899 with the time of day as the fraction (the
// spreadsheet serial date), rounded to the millisecond. A negative value's
// whole part is the day and its fraction's size the time. Days run on without
// a pause from 1.1.1 back to 31.12.-1. NaN counts as 0; values outside the
// 32-bit year range are clamped.
TDateRec FromDateTime(double serial) noexcept;

} // namespace orvenda
