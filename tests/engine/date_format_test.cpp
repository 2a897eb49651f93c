#include "engine/date_format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace orvenda {
namespace {

constexpr std::int32_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();

// ---- Formatting ----

// 7 January 2007 is a Sunday; 2007 starts on a Monday.
constexpr TDateRec kMorning{2007, 1, 7, 9, 5, 3, 45};

TEST(FormatDate, PatternLetters)
{
    struct Case {
        TDateRec date;
        const char* pattern;
        const char* expected;
    };
    const Case cases[] = {
        {kMorning, "d.m.Y", "07.01.2007"},
        {kMorning, "D", "07.01.07"},
        {kMorning, "z", "2007.01.07_09:05:03:045"},
        {kMorning, "Z", "07.01.2007 09:05:03:045"},
        {kMorning, "e.m", "7.01"},
        {kMorning, "Y.m.d_H:M :S N", "2007.01.07_9:05 :03 45"},
        {kMorning, "c", "07.01.07 09:05:03"},
        {kMorning, "F", "Sunday 07.01.07"},
        {kMorning, "I p P", "09 AM am"},
        {{2007, 1, 7, 13, 0, 0, 0}, "I p P", "01 PM pm"},
        {{2007, 1, 7, 12, 0, 0, 0}, "I p P", "12 AM am"},
        {kMorning, "j u V W C", "007 7 01 01 21"},
        {MakeDate(2007, 1, 8), "u V W", "1 02 01"},
        {kMorning, "A a B b", "Вс Воскресенье Января Янв"},
        {kMorning, "dnm", "07\n01"},
        {MakeDate(1905, 3, 4), "y", "05"},
        // Years before year 1: "y" is the signed remainder, padded to 2.
        {MakeDate(-7, 6, 14), "D Y y", "-14.06.-7 -7 -7"},
        {MakeDate(-2010, 6, 14), "y", "-10"},
        {MakeDate(-105, 6, 14), "y C", "-5 -2"},
        // Unset fields are shown as stored.
        {UnsetDateTime, "z", "0.00.00_25:61:61:1000"},
        // Literals and other characters.
        {kMorning, "\\d", "d"},
        {kMorning, "\\\\d", "\\07"},
        {kMorning, "d\\", "07"},
        {kMorning, "\\Дd", "Д07"},
        {kMorning, "Дата: d.m - #", "Дата: 07.01 - #"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern);
        EXPECT_EQ(FormatDate(c.date, c.pattern), c.expected);
    }
}

// ---- Reading ----

TDateRec Unreadable()
{
    TDateRec r = DefaultDate;
    r.Year = 0;
    return r;
}

TEST(ReadDate, RunsSignsAndLimits)
{
    struct Case {
        const char* text;
        DateOrder order;
        TDateRec def;
        TDateRec expected;
    };
    const TDateRec y2000 = MakeDate(2000, 1, 1);
    const Case cases[] = {
        {"7.1.2007", DayFirst, ZeroDate, {2007, 1, 7, 0, 0, 0, 0}},
        {"-44.3.15", DayFirst, ZeroDate, {-15, 3, 44, 0, 0, 0, 0}},
        {"2007/1/7 10:30", YearFirst, ZeroDate, {2007, 1, 7, 10, 30, 0, 0}},
        {"2007.01.07", YearFirst, UnsetDateTime, {2007, 1, 7, 25, 61, 61, 1000}},
        {"1,2 3", DayFirst, ZeroDate, {3, 2, 1, 0, 0, 0, 0}},
        {"1.2.3.4.5.6.7.8.9", DayFirst, ZeroDate, {3, 2, 1, 4, 5, 6, 7}},
        {"15.6", DayFirst, y2000, MakeDate(2000, 6, 15)},
        {"..,,  ", DayFirst, y2000, y2000},
        // Other characters are skipped without ending a run.
        {"a7b.1x.2007", DayFirst, ZeroDate, {2007, 1, 7, 0, 0, 0, 0}},
        {"1ё2.3.4", DayFirst, ZeroDate, {4, 3, 12, 0, 0, 0, 0}},
        {"7 января 2007", DayFirst, ZeroDate, {0, 2007, 7, 0, 0, 0, 0}},
        // A minus does not end a run; each one turns the year's sign, also the default's.
        {"2007-01-07", YearFirst, ZeroDate, {20070107, 0, 0, 0, 0, 0, 0}},
        {"7.1.2007-", DayFirst, ZeroDate, {-2007, 1, 7, 0, 0, 0, 0}},
        {"-", DayFirst, y2000, MakeDate(-2000, 1, 1)},
        {"-", DayFirst, MakeDate(kInt32Min, 1, 1), MakeDate(kInt32Max, 1, 1)},
        {"-2147483647.1.1", YearFirst, ZeroDate, {-kInt32Max, 1, 1, 0, 0, 0, 0}},
        {"00000000000007.1.2000", DayFirst, ZeroDate, {2000, 1, 7, 0, 0, 0, 0}},
        // 16-bit fields keep the low 16 bits: 65537 = 0x10001, 70000 = 0x11170.
        {"65537.70000.2000", DayFirst, ZeroDate, {2000, 4464, 1, 0, 0, 0, 0}},
        {"2147483647.1.1", DayFirst, ZeroDate, {1, 1, 65535, 0, 0, 0, 0}},
        // Beyond 32 bits the whole text is unreadable, wherever the run is.
        {"2147483648.1.1", YearFirst, MakeDate(2000, 5, 5), Unreadable()},
        {"1.1.2000.0.0.0.0.99999999999999999999", DayFirst, ZeroDate, Unreadable()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ReadDate(c.text, c.order, c.def), c.expected);
    }
    EXPECT_FALSE(IsValidDate(Unreadable()));
    EXPECT_EQ(ReadYMD("1999"), MakeDate(1999, 1, 1));
}

TEST(ReadDate, ReadsBackWhatTheFormatterWrites)
{
    const TDateRec dates[] = {kMorning, {-44, 3, 15, 23, 59, 59, 999}, DefaultDate};
    for (const TDateRec& d : dates) {
        SCOPED_TRACE(FormatDate(d, "z"));
        EXPECT_EQ(ReadYMD(FormatDate(d, "z")), d);
        EXPECT_EQ(ReadDate(FormatDate(d, "Z"), DayFirst, ZeroDate), d);
    }
}

} // namespace
} // namespace orvenda
