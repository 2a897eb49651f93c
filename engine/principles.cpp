#include "engine/principles.h"

#include "engine/date_format.h"
#include "engine/numbers.h"
#include "engine/zodiac.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace orvenda {
namespace {

constexpr std::array<std::string_view, 13> kAnimalNames = {
    "",      "Заяц",   "Дракон", "Змея", "Лошадь", "Коза", "Обезьяна",
    "Петух", "Собака", "Кабан",  "Мышь", "Телец",  "Тигр",
};
constexpr std::array<bool, 13> kAnimalFeminine = {
    false, false, false, true, true, true, true, false, true, false, true, false, false,
};

constexpr std::array<std::string_view, 10> kColourMasculine = {
    "", "Красный", "Оранжевый", "Жёлтый", "Зелёный", "Голубой", "Синий", "Фиолетовый", "Белый", "Чёрный",
};
constexpr std::array<std::string_view, 10> kColourFeminine = {
    "", "Красная", "Оранжевая", "Жёлтая", "Зелёная", "Голубая", "Синяя", "Фиолетовая", "Белая", "Чёрная",
};

// Colour index by the last decimal digit of a principle.
constexpr std::array<int, 10> kColourOfDigit = {1, 1, 3, 3, 8, 8, 9, 9, 6, 6};

// Energy of a decade by its number mod 7 (index 0 stands for 7).
constexpr std::array<int, 7> kEnergyOfDecade = {5, 1, 2, 6, 3, 7, 4};

struct DayMonth {
    int day;
    int month;
};

// Both tables are read from 1 January, but each starts at 21 March and has
// exactly one period that runs over the year end.
constexpr std::array<DayMonth, 36> kDecadeStarts = {{
    {21, 3},  {2, 4},  {12, 4},  {21, 4},  {2, 5},  {12, 5},  {21, 5},  {1, 6},  {11, 6},
    {22, 6},  {2, 7},  {12, 7},  {22, 7},  {3, 8},  {12, 8},  {22, 8},  {3, 9},  {12, 9},
    {24, 9},  {4, 10}, {13, 10}, {23, 10}, {3, 11}, {11, 11}, {22, 11}, {3, 12}, {12, 12},
    {22, 12}, {2, 1},  {12, 1},  {22, 1},  {3, 2},  {13, 2},  {19, 2},  {2, 3},  {12, 3},
}};

constexpr std::array<DayMonth, 60> kWeekStarts = {{
    {21, 3},  {27, 3},  {2, 4},  {8, 4},   {14, 4},  {20, 4},  {26, 4},  {2, 5},  {8, 5},   {14, 5},
    {21, 5},  {27, 5},  {2, 6},  {8, 6},   {15, 6},  {22, 6},  {28, 6},  {4, 7},  {10, 7},  {16, 7},
    {22, 7},  {28, 7},  {3, 8},  {9, 8},   {15, 8},  {22, 8},  {28, 8},  {3, 9},  {10, 9},  {17, 9},
    {24, 9},  {30, 9},  {6, 10}, {12, 10}, {18, 10}, {23, 10}, {29, 10}, {4, 11}, {10, 11}, {16, 11},
    {22, 11}, {28, 11}, {4, 12}, {10, 12}, {16, 12}, {22, 12}, {28, 12}, {3, 1},  {9, 1},   {15, 1},
    {22, 1},  {28, 1},  {3, 2},  {9, 2},   {15, 2},  {20, 2},  {26, 2},  {4, 3},  {10, 3},  {16, 3},
}};

// A day and month as one ordered number; month 1..12 and day 1..31 give 33..415.
constexpr int DayKey(int month, int day) noexcept
{
    return month * 32 + day;
}
constexpr int kDayKeyCount = 13 * 32;

template <std::size_t N> constexpr int YearEndPeriods(const std::array<DayMonth, N>& starts) noexcept
{
    int count = 0;
    for (std::size_t i = 0; i < N; ++i) {
        const DayMonth& from = starts[i];
        const DayMonth& to = starts[(i + 1) % N];
        if (DayKey(from.month, from.day) > DayKey(to.month, to.day)) {
            ++count;
        }
    }
    return count;
}

// The period (1..N) holding each day of the year, by DayKey. A period holds
// the days from its start up to the day before the next start; the one whose
// next start comes earlier in the calendar runs over the year end. Which days
// a period holds depends only on day and month (29 February simply lengthens
// its period), so one table serves common and leap years alike.
template <std::size_t N>
constexpr std::array<std::uint8_t, kDayKeyCount> PeriodByDay(const std::array<DayMonth, N>& starts) noexcept
{
    std::array<std::uint8_t, kDayKeyCount> table{};
    for (int key = 0; key < kDayKeyCount; ++key) {
        table[static_cast<std::size_t>(key)] = 1;
        for (std::size_t i = 0; i < N; ++i) {
            const int from = DayKey(starts[i].month, starts[i].day);
            const int to = DayKey(starts[(i + 1) % N].month, starts[(i + 1) % N].day);
            const bool holds = from <= to ? (from <= key && key < to) : (key >= from || key < to);
            if (holds) {
                table[static_cast<std::size_t>(key)] = static_cast<std::uint8_t>(i + 1);
                break;
            }
        }
    }
    return table;
}

static_assert(YearEndPeriods(kDecadeStarts) == 1);
static_assert(YearEndPeriods(kWeekStarts) == 1);

constexpr auto kDecadeByDay = PeriodByDay(kDecadeStarts);
constexpr auto kWeekByDay = PeriodByDay(kWeekStarts);

static_assert(kDecadeByDay[DayKey(3, 21)] == 1 && kDecadeByDay[DayKey(3, 20)] == 36);
static_assert(kDecadeByDay[DayKey(1, 1)] == 28 && kDecadeByDay[DayKey(12, 31)] == 28);
static_assert(kWeekByDay[DayKey(1, 2)] == 47 && kWeekByDay[DayKey(1, 3)] == 48);

// Period i (1..N, N + 1 meaning 1 again) in the given year; any other i gives 1 January.
template <std::size_t N>
TDateRec PeriodStart(const std::array<DayMonth, N>& starts, std::int32_t year, int i) noexcept
{
    if (i == static_cast<int>(N) + 1) {
        i = 1;
    }
    if (i < 1 || i > static_cast<int>(N)) {
        return MakeDate(year, 1, 1);
    }
    const DayMonth& start = starts[static_cast<std::size_t>(i - 1)];
    return MakeDate(year, start.month, start.day);
}

// Non-negative remainder of a by m (m > 0).
constexpr std::int64_t PositiveMod(std::int64_t a, std::int64_t m) noexcept
{
    const std::int64_t r = a % m;
    return r < 0 ? r + m : r;
}

// Days before each month of a common year.
constexpr std::array<int, 13> kCommonDaysBefore = {0,   31,  59,  90,  120, 151, 181,
                                                   212, 243, 273, 304, 334, 365};

} // namespace

int DigitRoot(std::int64_t n) noexcept
{
    // Unsigned magnitude: |INT64_MIN| does not fit in int64.
    std::uint64_t v = n < 0 ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
    while (v >= 10) {
        std::uint64_t sum = 0;
        for (; v != 0; v /= 10) {
            sum += v % 10;
        }
        v = sum;
    }
    return static_cast<int>(v);
}

int PrincipleAnimal(int p) noexcept
{
    if (p < 1 || p > 60) {
        return 0;
    }
    const int a = p % 12;
    return a == 0 ? 12 : a;
}

int PrincipleColour(int p) noexcept
{
    if (p < 1 || p > 60) {
        return 0;
    }
    return kColourOfDigit[static_cast<std::size_t>(p % 10)];
}

std::string AnimalName(int animal)
{
    if (animal < 1 || animal > 12) {
        return {};
    }
    return std::string(kAnimalNames[static_cast<std::size_t>(animal)]);
}

bool AnimalIsFeminine(int animal) noexcept
{
    return animal >= 1 && animal <= 12 && kAnimalFeminine[static_cast<std::size_t>(animal)];
}

std::string ColourName(int colour, bool feminine)
{
    if (colour < 1 || colour > 9) {
        return {};
    }
    const auto& names = feminine ? kColourFeminine : kColourMasculine;
    return std::string(names[static_cast<std::size_t>(colour)]);
}

std::string PrincipleName(int p)
{
    if (p < 1 || p > 60) {
        return {};
    }
    const int animal = PrincipleAnimal(p);
    return ColourName(PrincipleColour(p), AnimalIsFeminine(animal)) + " " + AnimalName(animal);
}

int CenturyPrinciple(std::int32_t year) noexcept
{
    if (year == 0) {
        return 0;
    }
    // 64-bit: |INT32_MIN| does not fit in 32 bits.
    const std::int64_t a = year < 0 ? -static_cast<std::int64_t>(year) : year;
    const int r = DigitRoot(a / 1000 + (a % 1000) / 100 + 1);
    int p = 14;
    if (r == 1 || r == 4 || r == 7) {
        p = 54;
    } else if (r == 2 || r == 5 || r == 8) {
        p = 34;
    }
    return year < 0 ? 68 - p : p;
}

int YearPrinciple(std::int32_t year) noexcept
{
    if (year == 0) {
        return 0;
    }
    // Year -1 is followed by year 1, so negative years are counted one up.
    const std::int64_t y = year >= 1 ? year : static_cast<std::int64_t>(year) + 1;
    return static_cast<int>(PositiveMod(y - 7, 60)) + 1;
}

int MonthPrinciple(TDateRec date) noexcept
{
    if (!IsValidDate(date)) {
        return 0;
    }
    int e = (date.Year % 5) * 12 + date.Month + 9;
    if (e > 60) {
        e -= 60;
    }
    return e == 0 ? 60 : e;
}

TDateRec DecadeStart(std::int32_t year, int i) noexcept
{
    return PeriodStart(kDecadeStarts, year, i);
}

TDateRec WeekStart(std::int32_t year, int i) noexcept
{
    return PeriodStart(kWeekStarts, year, i);
}

int DecadeOfDate(TDateRec date) noexcept
{
    if (!IsValidDate(date)) {
        return 1;
    }
    return kDecadeByDay[static_cast<std::size_t>(DayKey(date.Month, date.Day))];
}

int DecadeEnergy(int i) noexcept
{
    return kEnergyOfDecade[static_cast<std::size_t>(PositiveMod(i, 7))];
}

std::string EnergyName(int e)
{
    if (e < 1 || e > 7) {
        return {};
    }
    return ColourName(e, true);
}

int WeekPrinciple(TDateRec date) noexcept
{
    if (!IsValidDate(date)) {
        return 1;
    }
    return kWeekByDay[static_cast<std::size_t>(DayKey(date.Month, date.Day))];
}

int DayPrinciple(TDateRec date) noexcept
{
    if (!IsValidDate(date)) {
        return 0;
    }
    // The 32-year cycle counts from 1889 and assumes a leap year every fourth
    // year; 64-bit so that every 32-bit year can be taken away from 1889.
    const std::int64_t d = PositiveMod(static_cast<std::int64_t>(date.Year) - 1889, 32);
    const std::int64_t yearStart = (21 * (d / 4) + 5 * (d % 4) + 20) % 24;
    // Whole months add their length less 24, days one each: together the day
    // of the year less one, mod 24.
    std::int64_t e = (yearStart + DayOfYear(date) - 1) % 24;
    if (e == 0) {
        e = 24;
    }
    if (e <= 8) {
        return static_cast<int>(e) + 2;
    }
    if (e <= 16) {
        return static_cast<int>(e) + 14;
    }
    return static_cast<int>(e) + 26;
}

TDateRec ComputedDecadeStart(int k) noexcept
{
    if (k == 37) {
        k = 1;
    }
    if (k < 1 || k > 36) {
        return MakeDate(0, 1, 1);
    }
    const int sign = (k - 1) / 3 + 1;
    const int part = (k - 1) % 3;
    const TDateRec z1 = ZodiacStart(sign);
    const TDateRec z2 = ZodiacStart(sign + 1);
    const int first = kCommonDaysBefore[static_cast<std::size_t>(z1.Month - 1)] + z1.Day;
    const int next = kCommonDaysBefore[static_cast<std::size_t>(z2.Month - 1)] + z2.Day;
    // Days from the sign's first day to its last one (the day before the next
    // sign), in a common year; Capricorn's count runs across the year end.
    int span = next - 1 - first;
    if (span < 0) {
        span += 365;
    }
    const int third = span / 3;
    int day = first + part * third;
    if (day > 365) {
        day -= 365;
    }
    int month = 1;
    while (month < 12 && kCommonDaysBefore[static_cast<std::size_t>(month)] < day) {
        ++month;
    }
    return MakeDate(0, month, day - kCommonDaysBefore[static_cast<std::size_t>(month - 1)]);
}

TDateRec FigurePointDate(TDateRec date, int n, int k) noexcept
{
    if (n < 1) {
        return date;
    }
    // The step is single precision on purpose: 365 / 6 * 3 gives 182.4999...,
    // which rounds to 182.
    const float f = static_cast<float>(DaysInYear(date.Year)) / static_cast<float>(n);
    const double days = RoundHalfUp(static_cast<double>(k) * static_cast<double>(f));
    return AddDays(date, static_cast<std::int64_t>(days));
}

int LinkedPrinciple(int p, int n, int k) noexcept
{
    std::int64_t shift = 0;
    if (n >= 1) {
        const float g = 60.0f / static_cast<float>(n);
        shift = static_cast<std::int64_t>(RoundHalfUp(static_cast<double>(k) * static_cast<double>(g)));
    }
    const std::int64_t r = PositiveMod(static_cast<std::int64_t>(p) + shift, 60);
    return r == 0 ? 60 : static_cast<int>(r);
}

std::string PeriodText(TDateRec start, TDateRec nextStart)
{
    return FormatDate(start, "d.m - ") + FormatDate(SubtractDays(nextStart, 1), "d.m");
}

} // namespace orvenda
