#include "engine/codec.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace orvenda {
namespace {

std::string AllBytes()
{
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        bytes += static_cast<char>(b);
    }
    return bytes;
}

// ---- Windows-1251 ----

TEST(Codec, Cp1251CharactersOfTheUpperHalf)
{
    // From the Windows-1251 code chart.
    const std::pair<unsigned char, const char*> cases[] = {
        {0x41, "A"}, {0xC0, "А"}, {0xFF, "я"}, {0xA8, "Ё"}, {0xB8, "ё"},        {0xB9, "№"},
        {0x88, "€"}, {0x97, "—"}, {0xAB, "«"}, {0x93, "“"}, {0xA0, "\xC2\xA0"}, {0x98, "\xC2\x98"},
    };
    for (const auto& [byte, utf8] : cases) {
        SCOPED_TRACE(static_cast<int>(byte));
        const std::string one(1, static_cast<char>(byte));
        EXPECT_EQ(Cp1251ToUtf8(one), utf8);
        const EncodedText back = Utf8ToCp1251(utf8);
        EXPECT_EQ(back.bytes, one);
        EXPECT_TRUE(back.complete());
    }
}

TEST(Codec, EveryByteSurvivesTheRoundTrip)
{
    const std::string bytes = AllBytes();
    const std::string text = Cp1251ToUtf8(bytes);
    EXPECT_TRUE(IsValidUtf8(text));
    const EncodedText back = Utf8ToCp1251(text);
    EXPECT_EQ(back.bytes, bytes);
    EXPECT_TRUE(back.complete());

    // 256 bytes give 256 different characters.
    std::set<std::string> seen;
    for (int b = 0; b < 256; ++b) {
        seen.insert(Cp1251ToUtf8(std::string(1, static_cast<char>(b))));
    }
    EXPECT_EQ(seen.size(), 256u);
}

TEST(Codec, UnmappableCharactersAreListedOnce)
{
    struct Case {
        const char* text;
        const char* bytes;
        const char* unmappable;
    };
    const Case cases[] = {
        {"Ω a Ω 日", "? a ? ?", "Ω日"},
        {"\xC2\x81", "?", "\xC2\x81"}, // U+0081; the byte 0x81 is Ѓ
        {"a\xFF-\xFF", "a?-?", "\xEF\xBF\xBD"},
        {"\xE2\x82", "?", "\xEF\xBF\xBD"}, // a cut-off character is one replacement
        {"\xE2\x82-", "?-", "\xEF\xBF\xBD"},
        {"\xC0\x80", "??", "\xEF\xBF\xBD"},      // overlong: two bad bytes
        {"\xED\xA0\x80", "???", "\xEF\xBF\xBD"}, // a surrogate
        {"�", "?", "\xEF\xBF\xBD"},              // U+FFFD itself
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const EncodedText e = Utf8ToCp1251(c.text);
        EXPECT_EQ(e.bytes, c.bytes);
        EXPECT_EQ(e.unmappable, c.unmappable);
        EXPECT_FALSE(e.complete());
    }
}

// ---- UTF-8 and detection ----

TEST(Codec, StrictUtf8AndDetection)
{
    const std::pair<const char*, bool> cases[] = {
        {"Ёлка", true},
        {"\xF0\x9F\x98\x80", true},  // U+1F600
        {"\xF4\x8F\xBF\xBF", true},  // U+10FFFF
        {"\xC0\x80", false},         // overlong NUL
        {"\xE0\x80\x80", false},     // overlong
        {"\xF0\x80\x80\x80", false}, // overlong
        {"\xED\xA0\x80", false},     // U+D800
        {"\xF4\x90\x80\x80", false}, // above U+10FFFF
        {"\xE2\x82", false},         // cut off
        {"\x80", false},             // lone continuation byte
        {"\xCF\xF0\xE8", false},     // "При" in Windows-1251
    };
    for (const auto& [bytes, valid] : cases) {
        SCOPED_TRACE(bytes);
        EXPECT_EQ(IsValidUtf8(bytes), valid);
    }

    const std::pair<const char*, TextEncoding> encodings[] = {
        {"\xEF\xBB\xBF", TextEncoding::Utf8Bom},
        {"Привет", TextEncoding::Utf8},
        {"abc\r\n", TextEncoding::Windows1251},
        {"", TextEncoding::Windows1251},
        {"\xCF\xF0\xE8\xE2\xE5\xF2", TextEncoding::Windows1251},
        {"Привет\xFF", TextEncoding::Windows1251},
    };
    for (const auto& [bytes, expected] : encodings) {
        SCOPED_TRACE(bytes);
        EXPECT_EQ(DetectEncoding(bytes), expected);
    }
}

TEST(Codec, DecodeAndEncodeEachEncoding)
{
    const std::string bom = "\xEF\xBB\xBF";
    EXPECT_EQ(DecodeText("\xCF\xF0\xE8", TextEncoding::Windows1251), "При");
    EXPECT_EQ(DecodeText(bom + "При", TextEncoding::Utf8Bom), "При");
    // Mislabelled bytes still give valid UTF-8 inside the program.
    EXPECT_EQ(DecodeText("a\xFF", TextEncoding::Utf8), "a\xEF\xBF\xBD");
    EXPECT_EQ(EncodeText("При", TextEncoding::Utf8Bom).bytes, bom + "При");
    EXPECT_EQ(EncodeText("日", TextEncoding::Utf8).unmappable, "");
    EXPECT_EQ(EncodeText("a\xFF", TextEncoding::Utf8).unmappable, "\xEF\xBF\xBD");

    const std::string text = "«Ёлка» — № 5, 10 €\r\nвторая строка\r\n";
    for (TextEncoding enc : {TextEncoding::Windows1251, TextEncoding::Utf8, TextEncoding::Utf8Bom}) {
        SCOPED_TRACE(static_cast<int>(enc));
        const EncodedText e = EncodeText(text, enc);
        ASSERT_TRUE(e.complete());
        EXPECT_EQ(DetectEncoding(e.bytes), enc);
        EXPECT_EQ(DecodeText(e.bytes, enc), text);
    }
}

// ---- Line reader ----

TEST(LineReader, LineEndsAndLimits)
{
    using Lines = std::vector<std::string>;
    constexpr std::size_t kAll = LineReader::NoLimit;
    struct Case {
        std::string text;
        std::size_t maxChars;
        Lines expected;
    };
    const Case cases[] = {
        {"", kAll, Lines{}},
        {"a", kAll, Lines{"a"}},
        {"a\r\nb", kAll, Lines{"a", "b"}},
        {"a\nb\r\nc\n", kAll, Lines{"a", "b", "c"}},
        {"a\n\n", kAll, Lines{"a", ""}},
        {"\r\n\r\n", kAll, Lines{"", ""}},
        // A carriage return without a line feed is part of the line.
        {"a\rb\n", kAll, Lines{"a\rb"}},
        {"a\r", kAll, Lines{"a\r"}},
        {"a\r\r\n", kAll, Lines{"a\r"}},
        // Longer lines come in pieces; a piece of exactly the limit takes its line end.
        {"abcdef\n", 4, Lines{"abcd", "ef"}},
        {"abcd\r\nx", 4, Lines{"abcd", "x"}},
        {"abcdefgh\r\n", 4, Lines{"abcd", "efgh"}},
        {"ab\rcd\n", 2, Lines{"ab", "\rc", "d"}},
        {"Приветик\r\n", 3, Lines{"При", "вет", "ик"}},
        {"ab\n\n", 0, Lines{"a", "b", ""}},
        {std::string(300, 'x') + "\r\nnext", 254, Lines{std::string(254, 'x'), std::string(46, 'x'), "next"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 20) + " / " + std::to_string(c.maxChars));
        LineReader reader(c.text);
        Lines lines;
        std::string line;
        while (reader.ReadLine(line, c.maxChars)) {
            lines.push_back(line);
        }
        EXPECT_EQ(lines, c.expected);
        EXPECT_TRUE(reader.AtEnd());
    }
}

TEST(LineReader, RawAccessStaysInsideTheText)
{
    LineReader reader("12 34\nrest");
    reader.Skip(3);
    EXPECT_EQ(reader.Remaining(), "34\nrest");
    std::string line;
    ASSERT_TRUE(reader.ReadLine(line));
    EXPECT_EQ(line, "34");
    EXPECT_EQ(reader.Position(), 6u);
    reader.Skip(1000);
    EXPECT_EQ(reader.Position(), 10u);
    reader.Skip(LineReader::NoLimit);
    EXPECT_EQ(reader.Position(), 10u);
    EXPECT_FALSE(reader.ReadLine(line));
}

} // namespace
} // namespace orvenda
