#include "events/event_format.h"

#include "engine/numbers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

namespace orvenda {
namespace {

// The numbers of a record are whole decimal numbers in 32 bits, as ParseInt32
// reads them; anything else makes the line unreadable. Each token stands as
// the days before of a fixed record and as the first count of a full-date one.
TEST(EventFileReader, NumbersAreWholeDecimalsIn32Bits)
{
    struct Case {
        const char* token;
        std::optional<std::int32_t> value; // nullopt: not a number
    };
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    const Case cases[] = {
        {"7", 7},
        {"007", 7},
        {"+5", 5},
        {"-3", -3},
        {"-0", 0},
        {"2147483647", kMax},
        {"-2147483648", kMin},
        {"000000000002147483647", kMax},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"+-5", std::nullopt},
        {"-+5", std::nullopt},
        {"--5", std::nullopt},
        {"+", std::nullopt},
        {"-", std::nullopt},
        {"5x", std::nullopt},
        {"0x10", std::nullopt},
        {"1.5", std::nullopt},
        {"\xEF\xBC\x91", std::nullopt}, // a full-width digit one
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.token);
        // The reader and ParseInt32 must agree, since the editor's numbers
        // go through the one and the main window's through the other.
        EXPECT_EQ(ParseInt32(c.token), c.value);

        EventFileReader fixed(std::string("[fixed events]\r\n 1  1 2000 ") + c.token + "   0 1 Текст\r\n",
                              EventHeaderLimit);
        EventFileRecord record;
        ASSERT_TRUE(fixed.Next(record));
        if (c.value) {
            EXPECT_EQ(record.status, EventFileRecord::Read);
            EXPECT_EQ(record.daysBefore, *c.value);
            EXPECT_EQ(record.text, "Текст");
        } else {
            EXPECT_EQ(record.status, EventFileRecord::Unreadable);
        }
        EXPECT_FALSE(fixed.Next(record));

        EventFileReader full(std::string("[fixed events with full date]\r\n2000.01.01 ") + c.token +
                                 " 0 1 Текст\r\n",
                             EventHeaderLimit);
        ASSERT_TRUE(full.Next(record));
        if (c.value) {
            EXPECT_EQ(record.status, EventFileRecord::Read);
            EXPECT_EQ(record.daysBefore, *c.value);
            EXPECT_EQ(record.text, "Текст");
        } else {
            EXPECT_EQ(record.status, EventFileRecord::BadCounts);
        }
    }
}

// The text of a full-date record is the rest of the line, trimmed; the line
// itself is kept for the message when the counts are not numbers.
TEST(EventFileReader, FullDateTextIsTheTrimmedRestOfTheLine)
{
    struct Case {
        const char* line;
        const char* text;
    };
    const Case cases[] = {
        {"2000.01.01   1   0 1 Встреча", "Встреча"},
        {"2000.01.01_9:30   1   0 1   два  слова  ", "два  слова"},
        {"2000.01.01 1 0 1", ""},
        {"2000.01.01 1 0 1 ", ""},
        {"2000.01.01 1 0 1 \t", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EventFileReader reader(std::string("[fixed events with full date]\r\n") + c.line + "\r\n",
                               EventHeaderLimit);
        EventFileRecord record;
        ASSERT_TRUE(reader.Next(record));
        EXPECT_EQ(record.status, EventFileRecord::Read);
        EXPECT_EQ(record.text, c.text);
        EXPECT_FALSE(reader.Next(record));
    }

    EventFileReader broken("[fixed events with full date]\r\n2000.01.01 1 x 1 Текст\r\n", EventHeaderLimit);
    EventFileRecord record;
    ASSERT_TRUE(broken.Next(record));
    EXPECT_EQ(record.status, EventFileRecord::BadCounts);
    ASSERT_EQ(record.sourceLines.size(), 1u);
    EXPECT_EQ(record.sourceLines[0], "2000.01.01 1 x 1 Текст");
    EXPECT_EQ(record.lineNumber, 2);
}

// The usual records are read a quicker way; whatever a file holds, the
// records must be those of the general reading, field by field. The lines
// are put together from numbers, signs, gaps and line ends of every kind
// that borders on the usual record, in files long and short (the quick way
// takes the numbers 32 bytes at a time where the text has room for that).
TEST(EventFileReader, QuickReadingGivesTheRecordsOfTheGeneralOne)
{
    const char* const numbers[] = {"0",          "7",          "31",         "2005",        "-44",
                                   "+5",         "-0",         "--5",        "5-",          "123456789",
                                   "1234567890", "-999999999", "2147483648", "00000000012", "1x",
                                   "-",          "\xC0",       "12.5",       "3-4",         "-1-"};
    const char* const gaps[] = {" ", "   ", "\t", " \t ", "\r\n", "\n ", "\v", "\f", "\r "};
    const char* const ends[] = {" Текст события", "", "\r", " ", "\tтаб", "-хвост", "5", "-5"};
    std::uint32_t seed = 12345;
    const auto pick = [&seed](std::size_t size) {
        seed = seed * 1664525 + 1013904223;
        return static_cast<std::size_t>(seed >> 8) % size;
    };
    const char* const dates[] = {"2000.01.01", "1908.02.09_13:28", "-44.03.15", "", "2000.01.01\t5", "2000"};
    for (const std::string_view header : {FixedEventsHeader, FloatEventsHeader, FullDateEventsHeader}) {
        const bool fullDate = header == FullDateEventsHeader;
        const int count = header == FixedEventsHeader ? 6 : header == FloatEventsHeader ? 8 : 3;
        for (int file = 0; file < 300; ++file) {
            std::string text = std::string(header) + "\r\n";
            for (int line = 0, lines = 1 + static_cast<int>(pick(12)); line < lines; ++line) {
                text += pick(4) == 0 ? " " : "";
                if (fullDate) {
                    text += dates[pick(std::size(dates))];
                    text += pick(3) != 0 ? std::string(1 + pick(8), ' ') : gaps[pick(std::size(gaps))];
                }
                for (int k = 0; k < count; ++k) {
                    // Mostly short numbers between blanks, as in the files the program writes.
                    text += pick(3) != 0 ? std::to_string(pick(32)) : numbers[pick(std::size(numbers))];
                    if (k + 1 < count) {
                        text += pick(3) != 0 ? std::string(1 + pick(3), ' ') : gaps[pick(std::size(gaps))];
                    }
                }
                text += ends[pick(std::size(ends))];
                text += pick(6) == 0 ? "" : "\r\n";
            }
            SCOPED_TRACE(text);
            EventFileReader quick(text, EventHeaderLimit);
            EventFileReader general(text, EventHeaderLimit);
            general.QuickReadingOff();
            EventFileRecord a;
            EventFileRecord b;
            for (;;) {
                const bool more = quick.Next(a);
                ASSERT_EQ(more, general.Next(b));
                if (!more) {
                    break;
                }
                ASSERT_EQ(a.status, b.status);
                ASSERT_EQ(std::tie(a.ordinal, a.lineNumber, a.offset, a.astro, a.weekday, a.week, a.day,
                                   a.month, a.year, a.daysBefore, a.daysAfter, a.active),
                          std::tie(b.ordinal, b.lineNumber, b.offset, b.astro, b.weekday, b.week, b.day,
                                   b.month, b.year, b.daysBefore, b.daysAfter, b.active));
                ASSERT_EQ(a.date, b.date);
                ASSERT_EQ(a.text, b.text);
                ASSERT_EQ(a.textBytes, b.textBytes);
                ASSERT_EQ(a.source, b.source);
                ASSERT_EQ(a.sourceLines, b.sourceLines);
            }
            EXPECT_EQ(quick.Position(), general.Position());
        }
    }
}

} // namespace
} // namespace orvenda
