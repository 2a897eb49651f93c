#include "engine/utf8.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <utility>

namespace orvenda {
namespace {

constexpr std::int64_t kInt64Min = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kInt64Max = std::numeric_limits<std::int64_t>::max();

// ---- Padding ----

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

} // namespace
} // namespace orvenda
