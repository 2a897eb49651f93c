#include "events/event_format.h"

#include "engine/numbers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

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

} // namespace
} // namespace orvenda
