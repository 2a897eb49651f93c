// The date reader, the number reader, the decoders and the line reader on
// random and damaged input: nothing may crash or hang, and what comes out must
// agree with small reference readers written here from the rules of the
// formats. Each run uses a fixed seed; a failure names the seed and the case,
// and CaseSeed(seed, case) makes that input again.

#include "engine/codec.h"
#include "engine/date.h"
#include "engine/date_format.h"
#include "engine/numbers.h"
#include "engine/utf8.h"
#include "fuzz/random_input.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace orvenda {
namespace {

using fuzzing::CaseSeed;
using fuzzing::Escaped;
using fuzzing::InputMaker;

constexpr std::uint64_t kSeed = 0x0E5A2024;

std::string caseTrace(std::uint64_t seed, int index, std::string_view input)
{
    return "seed " + std::to_string(seed) + ", case " + std::to_string(index) + ", input \"" +
           Escaped(input) + "\"";
}

// ---- Date reader ----

// What the date text says by the rules of the reader: its digit runs, as
// decimal texts without leading zeros, and whether the "-" signs flip the year.
struct DateRuns {
    std::vector<std::string> runs;
    bool negative = false;
};

DateRuns runsOf(std::string_view text)
{
    DateRuns out;
    std::string run;
    bool inRun = false;
    const auto endRun = [&] {
        if (inRun) {
            out.runs.push_back(run.empty() ? "0" : run);
        }
        run.clear();
        inRun = false;
    };
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            if (!(run.empty() && c == '0')) {
                run += c;
            }
            inRun = true;
        } else if (c == ' ' || c == ',' || c == '.' || c == '/' || c == ':' || c == '_') {
            endRun();
        } else if (c == '-') {
            out.negative = !out.negative;
        }
    }
    endRun();
    return out;
}

bool fitsInt32(const std::string& run)
{
    return run.size() < 10 || (run.size() == 10 && run <= "2147483647");
}

// The record the reader must give: the runs fill the fields in the order's
// sequence, 16-bit fields keep the low 16 bits, a run past 2^31 - 1 anywhere
// makes the text unreadable.
TDateRec expectedDate(std::string_view text, DateOrder order, TDateRec def)
{
    const DateRuns parsed = runsOf(text);
    for (const std::string& run : parsed.runs) {
        if (!fitsInt32(run)) {
            TDateRec unreadable = DefaultDate;
            unreadable.Year = 0;
            return unreadable;
        }
    }
    TDateRec date = def;
    const auto low16 = [](std::int64_t v) { return static_cast<std::uint16_t>(v % 65536); };
    for (std::size_t i = 0; i < parsed.runs.size() && i < 7; ++i) {
        const std::int64_t v = std::stoll(parsed.runs[i]);
        const bool yearSlot = (order == YearFirst && i == 0) || (order == DayFirst && i == 2);
        const bool daySlot = (order == YearFirst && i == 2) || (order == DayFirst && i == 0);
        if (yearSlot) {
            date.Year = static_cast<std::int32_t>(v);
        } else if (daySlot) {
            date.Day = low16(v);
        } else if (i == 1) {
            date.Month = low16(v);
        } else if (i == 3) {
            date.Hour = low16(v);
        } else if (i == 4) {
            date.Minute = low16(v);
        } else if (i == 5) {
            date.Second = low16(v);
        } else {
            date.Millisecond = low16(v);
        }
    }
    if (parsed.negative) {
        date.Year = -date.Year; // the callers below keep INT32_MIN out of the default
    }
    return date;
}

TDateRec randomDefault(InputMaker& maker)
{
    switch (maker.Below(4)) {
    case 0:
        return DefaultDate;
    case 1:
        return ZeroDate;
    case 2:
        return UnsetDateTime;
    default: {
        TDateRec d;
        // Any year but INT32_MIN, whose negation does not fit.
        d.Year = static_cast<std::int32_t>(static_cast<std::int64_t>(maker.Bits() % 4294967295ULL) -
                                           std::numeric_limits<std::int32_t>::max());
        d.Month = static_cast<std::uint16_t>(maker.Bits());
        d.Day = static_cast<std::uint16_t>(maker.Bits());
        d.Hour = static_cast<std::uint16_t>(maker.Bits());
        d.Minute = static_cast<std::uint16_t>(maker.Bits());
        d.Second = static_cast<std::uint16_t>(maker.Bits());
        d.Millisecond = static_cast<std::uint16_t>(maker.Bits());
        return d;
    }
    }
}

// Texts that the generator makes rarely but that sit on the edges.
const std::vector<std::string> DateEdgeTexts = {
    "",
    "-",
    "--",
    "2147483647.65535.65536",
    "-2147483647",
    "2147483648",
    "1.1." + std::string(300, '9'),
    "7.1.2007" + std::string(1, '\0') + "99",
    "7\r1\r2007",
    "0007.0001.0000000000002007",
    "65536.65537.1_65535:65536:70000:123456",
    "1.2.3.4.5.6.7.8.9.99999999999",
    "\xD0\x9F\xFF-5\xC3.3",
};

TEST(RandomDateText, ReadDateFillsFieldsByItsRunsAndReadsItsOwnFormatBack)
{
    constexpr int kCases = 30000;
    for (int i = 0; i < kCases; ++i) {
        InputMaker maker(CaseSeed(kSeed, static_cast<std::uint64_t>(i)));
        const std::string text = static_cast<std::size_t>(i) < DateEdgeTexts.size()
                                     ? DateEdgeTexts[static_cast<std::size_t>(i)]
                                     : maker.NumberishText(16);
        const DateOrder order = maker.Chance(50) ? DayFirst : YearFirst;
        const TDateRec def = randomDefault(maker);
        SCOPED_TRACE(caseTrace(kSeed, i, text) + ", order " + std::to_string(order));

        const TDateRec got = ReadDate(text, order, def);
        ASSERT_EQ(got, expectedDate(text, order, def)) << FormatDate(got, "z");

        // The program's own full patterns write every field, so any record
        // that came from a text reads back to itself, whatever the default.
        const TDateRec other = randomDefault(maker);
        ASSERT_EQ(ReadDate(FormatDate(got, "z"), YearFirst, other), got) << FormatDate(got, "z");
        ASSERT_EQ(ReadDate(FormatDate(got, "Z"), DayFirst, other), got) << FormatDate(got, "Z");
        if (order == YearFirst && def == DefaultDate) {
            ASSERT_EQ(ReadYMD(text), got);
        }
    }
}

TEST(RandomDateText, DefaultYearAtTheInt32LimitSurvivesASign)
{
    // The one year whose negation does not fit; the reader must not overflow.
    TDateRec def = DefaultDate;
    def.Year = std::numeric_limits<std::int32_t>::min();
    for (const char* text : {"-", "-1.2", "--", "1-2", "-.-.-"}) {
        SCOPED_TRACE(text);
        const TDateRec got = ReadDate(text, DayFirst, def);
        const TDateRec want = expectedDate(text, DayFirst, DefaultDate);
        EXPECT_EQ(got.Day, want.Day);
        EXPECT_EQ(got.Month, want.Month);
        EXPECT_NE(got.Year, 0);
    }
}

// ---- Whole numbers ----

// The reference: the standard reader, with the one leading "+" that the
// program's reader also takes.
template <typename T> std::optional<T> referenceNumber(std::string_view text)
{
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
            return std::nullopt;
        }
    }
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

TEST(RandomNumberText, ParseIntAgreesWithTheStandardReader)
{
    constexpr int kCases = 60000;
    const std::vector<std::string> edges = {"",
                                            "+",
                                            "-",
                                            "+-1",
                                            "-+1",
                                            "2147483647",
                                            "2147483648",
                                            "-2147483648",
                                            "-2147483649",
                                            "9223372036854775807",
                                            "9223372036854775808",
                                            "-9223372036854775808",
                                            "-9223372036854775809",
                                            "18446744073709551616",
                                            std::string(300, '0') + "1",
                                            "1 ",
                                            " 1",
                                            std::string("1\0", 2)};
    for (int i = 0; i < kCases; ++i) {
        InputMaker maker(CaseSeed(kSeed + 1, static_cast<std::uint64_t>(i)));
        std::string text;
        if (static_cast<std::size_t>(i) < edges.size()) {
            text = edges[static_cast<std::size_t>(i)];
        } else {
            text = maker.Number();
            if (maker.Chance(20)) {
                text = maker.Mutate(text, 1);
            }
        }
        SCOPED_TRACE(caseTrace(kSeed + 1, i, text));
        ASSERT_EQ(ParseInt32(text), referenceNumber<std::int32_t>(text));
        ASSERT_EQ(ParseInt64(text), referenceNumber<std::int64_t>(text));
    }
}

// ---- Decoding and lines ----

TEST(RandomFileBytes, DecodingGivesValidUtf8AndWindows1251BytesComeBackUnchanged)
{
    constexpr int kCases = 20000;
    for (int i = 0; i < kCases; ++i) {
        InputMaker maker(CaseSeed(kSeed + 2, static_cast<std::uint64_t>(i)));
        std::string bytes = maker.RandomBytes(64);
        if (maker.Chance(30)) {
            bytes = maker.Mutate("Привет, мир — \xEF\xBB\xBF ok\r\n", 1 + maker.Below(3));
        }
        if (maker.Chance(10)) {
            bytes.insert(0, "\xEF\xBB\xBF");
        }
        SCOPED_TRACE(caseTrace(kSeed + 2, i, bytes));

        for (TextEncoding encoding : {TextEncoding::Windows1251, TextEncoding::Utf8, TextEncoding::Utf8Bom}) {
            ASSERT_TRUE(IsValidUtf8(DecodeText(bytes, encoding))) << static_cast<int>(encoding);
        }
        // Every byte has a character, and every such character its byte.
        const EncodedText back =
            EncodeText(DecodeText(bytes, TextEncoding::Windows1251), TextEncoding::Windows1251);
        ASSERT_TRUE(back.complete()) << Escaped(back.unmappable);
        ASSERT_EQ(back.bytes, bytes);

        const TextEncoding detected = DetectEncoding(bytes);
        if (detected != TextEncoding::Windows1251) {
            // A file taken as UTF-8 is written back as it was.
            const EncodedText same = EncodeText(DecodeText(bytes, detected), detected);
            ASSERT_TRUE(same.complete());
            const bool mark = bytes.starts_with("\xEF\xBB\xBF");
            ASSERT_EQ(detected == TextEncoding::Utf8Bom, mark);
            ASSERT_TRUE(mark || IsValidUtf8(bytes));
            if (IsValidUtf8(bytes)) {
                ASSERT_EQ(same.bytes, bytes);
            }
        }
    }
}

// The lines of a text by the rule of the program's files, found here without
// the line reader: a line ends at LF, a CR just before that LF is no part of
// it, and the end of the text right after a line end starts no line.
std::vector<std::string> referenceLines(std::string_view text)
{
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t feed = text.find('\n');
        if (feed == std::string_view::npos) {
            lines.emplace_back(text);
            break;
        }
        std::string_view line = text.substr(0, feed);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        text.remove_prefix(feed + 1);
    }
    return lines;
}

TEST(RandomFileBytes, LineReaderKeepsEveryCharacterAndEveryLimit)
{
    constexpr int kCases = 1500;
    const std::vector<std::size_t> limits = {0, 1, 2, 3, 7, 99, 254, 998, LineReader::NoLimit};
    for (int i = 0; i < kCases; ++i) {
        InputMaker maker(CaseSeed(kSeed + 3, static_cast<std::uint64_t>(i)));
        std::string bytes = maker.Chance(50) ? maker.RandomBytes(300) : maker.NumberishText(60);
        if (maker.Chance(30)) {
            bytes = maker.Mutate(std::move(bytes), 1 + maker.Below(4));
        }
        const std::string text = DecodeText(bytes, DetectEncoding(bytes));
        SCOPED_TRACE(caseTrace(kSeed + 3, i, bytes));

        const std::vector<std::string> lines = referenceLines(text);
        std::string whole;
        for (const std::string& line : lines) {
            whole += line;
        }
        for (std::size_t limit : limits) {
            SCOPED_TRACE("limit " + std::to_string(limit));
            LineReader reader(text);
            std::vector<std::string> pieces;
            std::string piece;
            // Each read moves on by at least one byte, so a text cannot take
            // more reads than it has bytes.
            while (pieces.size() <= text.size() && reader.ReadLine(piece, limit)) {
                ASSERT_LE(Utf8Length(piece), limit == 0 ? 1 : limit);
                pieces.push_back(piece);
            }
            ASSERT_TRUE(reader.AtEnd());
            if (limit == LineReader::NoLimit) {
                ASSERT_EQ(pieces, lines);
            }
            std::string joined;
            for (const std::string& p : pieces) {
                joined += p;
            }
            ASSERT_EQ(joined, whole);
            ASSERT_GE(pieces.size(), lines.size());
        }
    }
}

} // namespace
} // namespace orvenda
