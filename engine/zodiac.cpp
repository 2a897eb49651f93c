#include "engine/zodiac.h"

#include "engine/principles.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace orvenda {
namespace {

struct SignStart {
    std::string_view name;
    int day;
    int month;
};

// Signs 1..12 counted from Aries (index 0 is "no sign").
constexpr std::array<SignStart, 13> kSigns = {{
    {"", 0, 0},
    {"Овен", 21, 3},
    {"Телец", 21, 4},
    {"Близнецы", 21, 5},
    {"Рак", 22, 6},
    {"Лев", 23, 7},
    {"Дева", 24, 8},
    {"Весы", 24, 9},
    {"Скорпион", 24, 10},
    {"Стрелец", 23, 11},
    {"Козерог", 22, 12},
    {"Водолей", 21, 1},
    {"Рыбы", 21, 2},
}};

// Signs in calendar order from 1 January: a date before the first day of
// kSignsByMonth[i] belongs to the sign before it (Capricorn for early January).
constexpr std::array<int, 12> kSignsByMonth = {11, 12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

} // namespace

int ZodiacSign(TDateRec date) noexcept
{
    if (!IsValidDate(date)) {
        return 0;
    }
    int sign = 10;
    for (const int next : kSignsByMonth) {
        const SignStart& start = kSigns[static_cast<std::size_t>(next)];
        if (date.Month < start.month || (date.Month == start.month && date.Day < start.day)) {
            break;
        }
        sign = next;
    }
    return sign;
}

std::string ZodiacName(int i)
{
    if (i < 1 || i > 12) {
        return {};
    }
    return std::string(kSigns[static_cast<std::size_t>(i)].name);
}

TDateRec ZodiacStart(int i) noexcept
{
    if (i == 13) {
        i = 1;
    }
    if (i < 1 || i > 12) {
        return ZeroDate;
    }
    const SignStart& start = kSigns[static_cast<std::size_t>(i)];
    return MakeDate(0, start.month, start.day);
}

int FiveYearSign(std::int32_t year) noexcept
{
    const int sign = (YearPrinciple(year) + 4) / 5;
    return sign == 0 ? 1 : sign;
}

} // namespace orvenda
