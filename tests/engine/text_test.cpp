#include "engine/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace orvenda {
namespace {

constexpr std::int32_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kInt64Min = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kInt64Max = std::numeric_limits<std::int64_t>::max();

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
        int order;
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

// ---- Padding and text forms ----

TEST(Pad, FillsToTheWidthInCharacters)
{
    struct Case {
        const char* text;
        const char* fill;
        int width;
        const char* alignment;
        const char* expected;
    };
    const Case cases[] = {
        {"5", "0", 2, "Right", "05"},    {"ab", " ", 5, "center", " ab  "},
        {"ab", "*", 5, "LEFT", "ab***"}, {"ab", "*", 6, "Center", "**ab**"},
        {"abc", "0", 3, "right", "abc"}, {"ab", "*", 5, "middle", "ab"},
        {"ab", "", 5, "left", "ab"},     {"ab", "*", -3, "left", "ab"},
        {"Пн", " ", 4, "left", "Пн  "},  {"1", "ж", 3, "right", "жж1"},
        {"1", "ab", 3, "right", "aa1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + "|" + c.fill + "|" + std::to_string(c.width) + "|" + c.alignment);
        EXPECT_EQ(Pad(c.text, c.fill, c.width, c.alignment), c.expected);
    }
    EXPECT_EQ(Utf8Length("Ёлка"), 4u);
    EXPECT_EQ(Utf8Left("Ёлка", 2), "Ёл");
    EXPECT_EQ(Utf8Left("Ёлка", 10), "Ёлка");
    EXPECT_EQ(Trim("\x01 \tа б\r\n\x1f "), "а б");
    EXPECT_EQ(ToLowerAscii("MonDAY Ёж"), "monday Ёж");
}

TEST(TextForms, BooleansAndAlignments)
{
    EXPECT_EQ(BoolText(true), "True");
    EXPECT_EQ(BoolText(false), "False");
    const std::pair<const char*, bool> bools[] = {
        {" TRUE ", true}, {"tRuE\r", true}, {" 1\t", true}, {"0", false},
        {"11", false},    {"yes", false},   {"", false},    {"+1", false},
    };
    for (const auto& [text, expected] : bools) {
        SCOPED_TRACE(text);
        EXPECT_EQ(TextToBool(text), expected);
    }
    EXPECT_EQ(AlignmentText(AlignLeft) + AlignmentText(AlignRight) + AlignmentText(AlignCenter) +
                  AlignmentText(-1),
              "LeftRightCenterCenter");
    const std::pair<const char*, int> alignments[] = {
        {"Left", 0}, {"Right", 1}, {"Center", 2}, {"left", 2}, {" Left", 2}, {"", 2},
    };
    for (const auto& [text, expected] : alignments) {
        SCOPED_TRACE(text);
        EXPECT_EQ(AlignmentOfText(text), expected);
    }
}

TEST(TextForms, FontStyles)
{
    EXPECT_EQ(FontStyleText(0), "Plain");
    EXPECT_EQ(FontStyleText(FontUnderline | FontBold | FontItalic), "Bold+Italic+Underline+");
    const std::pair<const char*, unsigned> cases[] = {
        {"Bold+Italic+", FontBold | FontItalic},
        {"Bold+Italic", FontBold | FontItalic},
        {"StrikeOut+Underline+", FontStrikeOut | FontUnderline},
        {"Italic++Bold", FontBold | FontItalic},
        {"bold+", 0u},
        {"Bold +", 0u},
        {"Plain+Bold+", FontBold},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(FontStyleOfText(text), expected);
    }
    for (unsigned styles = 0; styles < 16; ++styles) {
        SCOPED_TRACE(styles);
        EXPECT_EQ(FontStyleOfText(FontStyleText(styles)), styles);
    }
}

// ---- Key/value lines and runs ----

TEST(KeyValue, SplitAtTheFirstEqualsSign)
{
    struct Case {
        std::string line;
        std::string key;
        std::string value;
    };
    std::string cyr300;
    for (int i = 0; i < 300; ++i) {
        cyr300 += "ж";
    }
    const Case cases[] = {
        {"ConfirmExit     = True", "ConfirmExit", "True"},
        {"\tKey\t=\tValue\r", "Key", "Value"},
        {"a=b=c", "a", "b=c"},
        {"key=", "key", ""},
        {"  no equals  ", "", "no equals"},
        {"k=" + std::string(300, 'x'), "k", std::string(256, 'x')},
        {"k=" + cyr300, "k", cyr300.substr(0, 256 * 2)},
        // The limit counts the blank after "=": 255 letters remain.
        {"k= " + std::string(300, 'x'), "k", std::string(255, 'x')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.substr(0, 40));
        EXPECT_EQ(KeyOf(c.line), c.key);
        EXPECT_EQ(ValueOf(c.line), c.value);
    }
}

TEST(KeyValue, NewlinesRunsAndColumns)
{
    const std::pair<const char*, const char*> strips[] = {
        {"abc\r\n", "abc"}, {"abc\n", "abc"}, {"abc\n\n", "abc\n"}, {"abc\r", "abc\r"}, {"", ""},
    };
    for (const auto& [buffer, expected] : strips) {
        SCOPED_TRACE(buffer);
        EXPECT_EQ(StripNewline(buffer), expected);
    }

    using Runs = std::vector<std::string>;
    const std::tuple<const char*, const char*, Runs> runs[] = {
        {"12.3-45", ".", Runs{"12", "345"}}, {"..1..", ".", Runs{"1"}}, {"a1b2", "", Runs{"12"}},
        {"1ж2", "ж", Runs{"1", "2"}},        {"1ё2", "ж", Runs{"12"}},  {"abc", ".", Runs{}},
    };
    for (const auto& [text, separators, expected] : runs) {
        SCOPED_TRACE(text);
        EXPECT_EQ(DigitRuns(text, separators), expected);
    }

    EXPECT_EQ(ColumnLetter(1) + ColumnLetter(2) + ColumnLetter(26), "ABZ");
    EXPECT_EQ(ColumnLetter(0) + ColumnLetter(27) + ColumnLetter(-1), "");
}

// ---- Plural forms ----

TEST(PluralForm, RussianEndings)
{
    const std::pair<std::int64_t, const char*> cases[] = {
        {1, "день"},   {2, "дня"},    {5, "дней"},         {11, "дней"},        {21, "день"},
        {111, "дней"}, {121, "день"}, {0, "дней"},         {4, "дня"},          {19, "дней"},
        {22, "дня"},   {100, "дней"}, {101, "день"},       {112, "дней"},       {1011, "дней"},
        {-1, "день"},  {-22, "дня"},  {kInt64Min, "дней"}, {kInt64Max, "дней"}, {kInt64Min + 7, "день"},
    };
    for (const auto& [n, expected] : cases) {
        SCOPED_TRACE(n);
        EXPECT_EQ(PluralForm(n, "день", "дня", "дней"), expected);
    }
}

// ---- Numbers ----

TEST(EscapeControls, ControlCharactersAreShownAsHex)
{
    EXPECT_EQ(EscapeControls("Обычный текст, \\ и \"кавычки\""), "Обычный текст, \\ и \"кавычки\"");
    // A terminal colour sequence, a bell, a tab, DEL and the single-character CSI (U+009B).
    EXPECT_EQ(EscapeControls("\x1B[31mкрасный\x07\t\x7F\xC2\x9B"
                             "2J"),
              "\\x1B[31mкрасный\\x07\\x09\\x7F\\x9B2J");
    EXPECT_EQ(EscapeControls(std::string("a\0b", 3)), "a\\x00b");
    // U+00A0 (C2 A0) and Cyrillic letters are no control characters.
    EXPECT_EQ(EscapeControls("\xC2\xA0Ё"), "\xC2\xA0Ё");
}

TEST(Numbers, ParseWholeDecimalNumbers)
{
    struct Case {
        const char* text;
        std::optional<std::int64_t> as64;
        std::optional<std::int32_t> as32;
    };
    const Case cases[] = {
        {"+42", 42, 42},
        {"-42", -42, -42},
        {"007", 7, 7},
        {"-2147483648", -2147483648LL, kInt32Min},
        {"2147483648", 2147483648LL, std::nullopt},
        {"-2147483649", -2147483649LL, std::nullopt},
        {"9223372036854775807", kInt64Max, std::nullopt},
        {"-9223372036854775808", kInt64Min, std::nullopt},
        {"9223372036854775808", std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt},
        {"-", std::nullopt, std::nullopt},
        {"+-1", std::nullopt, std::nullopt},
        {" 1", std::nullopt, std::nullopt},
        {"1.0", std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseInt64(c.text), c.as64);
        EXPECT_EQ(ParseInt32(c.text), c.as32);
    }
}

TEST(Numbers, RoundingPercentMaxAndDigits)
{
    const std::pair<double, double> halfUp[] = {{2.5, 3.0}, {2.49, 2.0}, {-2.5, -2.0}, {-2.6, -3.0}};
    for (const auto& [x, expected] : halfUp) {
        SCOPED_TRACE(x);
        EXPECT_DOUBLE_EQ(RoundHalfUp(x), expected);
    }
    EXPECT_DOUBLE_EQ(RoundTo(1.25, 1), 1.3);
    EXPECT_DOUBLE_EQ(RoundTo(-1.25, 1), -1.2);
    EXPECT_DOUBLE_EQ(RoundTo(1250.0, -2), 1300.0);
    EXPECT_DOUBLE_EQ(Percent(200, 50), 25.0);
    EXPECT_TRUE(std::isinf(Percent(0, 5)));
    EXPECT_EQ(MaxOf3(3, 1, 2) + MaxOf3(1, 3, 2) + MaxOf3(1, 2, 3), 9);
    EXPECT_EQ(MaxOf3(-5, -7, -6), -5);

    const std::pair<std::int64_t, bool> digits[] = {
        {0, true},    {7, true},          {2222, true},
        {-333, true}, {12, false},        {101, false},
        {-10, false}, {kInt64Min, false}, {999999999999999999, true},
    };
    for (const auto& [n, expected] : digits) {
        SCOPED_TRACE(n);
        EXPECT_EQ(AllDigitsSame(n), expected);
    }
}

} // namespace
} // namespace orvenda
