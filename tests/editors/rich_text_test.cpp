#include "editors/rich_text.h"

#include <gtest/gtest.h>

namespace orvenda {

void PrintTo(const TextRun& run, std::ostream* os)
{
    const TextStyle& s = run.Style;
    *os << "{\"" << run.Text << "\" face=" << s.Face << " hp=" << s.HalfPoints;
    if (s.Colour) {
        *os << " rgb=" << int(s.Colour->Red) << "," << int(s.Colour->Green) << "," << int(s.Colour->Blue);
    }
    *os << (s.Bold ? " b" : "") << (s.Italic ? " i" : "") << (s.Underline ? " u" : "")
        << (s.StrikeOut ? " s" : "") << "}";
}

namespace {

TextStyle Style(std::string face, int halfPoints, std::optional<Rgb> colour = std::nullopt, bool bold = false,
                bool italic = false, bool underline = false, bool strikeOut = false)
{
    return {std::move(face), halfPoints, colour, bold, italic, underline, strikeOut};
}

struct RoundTrip {
    const char* name;
    RichText text;
};

class RtfRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(RtfRoundTrip, ReadsBackWhatWasWritten)
{
    const RichText& text = GetParam().text;
    const std::string rtf = WriteRtf(text);
    for (const char c : rtf) {
        ASSERT_LT(static_cast<unsigned char>(c), 0x80) << rtf;
    }
    EXPECT_EQ(ReadRtf(rtf), text) << rtf;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RtfRoundTrip,
    ::testing::Values(
        RoundTrip{"Empty", {}},
        RoundTrip{"EveryLookOfARun",
                  {{Style("DejaVu Sans", 20), "обычный "},
                   {Style("DejaVu Serif", 28, Rgb{200, 10, 0}, true), "жирный красный"},
                   {Style("DejaVu Sans", 21, Rgb{0, 0, 255}, false, true, true, true), " всё сразу"}}},
        RoundTrip{"ParagraphsTabsAndLineBreaks",
                  {{Style("Arial", 24), "строка 1\n\tс табуляцией\u2028перенос\n\nпосле пустой"}}},
        RoundTrip{"MarkupCharactersAndOtherScripts",
                  {{Style("Mono {x}", 20), "\\ { } ; €№ ё Ё — «» ü 中文 😀 \u00a0"}}},
        RoundTrip{"AutomaticColourBesideExplicitBlack",
                  {{Style("A", 20), "авто "}, {Style("A", 20, Rgb{0, 0, 0}), "чёрный"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RtfWriting, AdjacentRunsOfOneStyleAndEmptyRunsReadBackJoined)
{
    const RichText text{{Style("A", 20), "один "}, {Style("A", 20), ""}, {Style("A", 20), "два"}};
    EXPECT_EQ(ReadRtf(WriteRtf(text)), (RichText{{Style("A", 20), "один два"}}));
}

struct Foreign {
    const char* name;
    const char* rtf;
    RichText expected;
};

class RtfFromOtherPrograms : public ::testing::TestWithParam<Foreign> {};

TEST_P(RtfFromOtherPrograms, ReadsTheSupportedSubset)
{
    EXPECT_EQ(ReadRtf(GetParam().rtf), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RtfFromOtherPrograms,
    ::testing::Values(
        Foreign{"WordPadLike",
                "{\\rtf1\\ansi\\ansicpg1251\\deff0\\nouicompat{\\fonttbl{\\f0\\fnil\\fcharset204 Calibri;}"
                "{\\f1\\fswiss{\\*\\panose 020b}Arial;}}\r\n{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
                "{\\*\\generator Riched20 10.0}\\viewkind4\\uc1 \r\n\\pard\\sa200\\f0\\fs22\\'cf\\'f0\\'e8"
                "\\cf1\\b\\f1 \\'e2\\'e5\\'f2\\cf0\\b0\\par\r\n}\r\n",
                {{Style("Calibri", 22), "При"},
                 {Style("Arial", 22, Rgb{255, 0, 0}, true), "вет"},
                 {Style("Arial", 22), "\n"}}},
        Foreign{"UnicodeWithFallbacksAndSurrogates",
                "{\\rtf1\\uc1 a\\u1078?b\\uc2\\u-3913\\'3f\\'3f c\\u-10179?\\u-8704?}",
                {{Style("", 0), "aжb\uf0b7 c😀"}}},
        Foreign{"GroupsScopeTheLookAndPlainResetsIt",
                "{\\rtf1{\\fonttbl\\f0 Times;\\f1 Courier;}\\f1\\fs30{\\i kursiv}\\ul under\\ulnone ,"
                "\\plain  plain\\emdash\\~\\ldblquote q\\rdblquote}",
                {{Style("Courier", 30, {}, false, true), "kursiv"},
                 {Style("Courier", 30, {}, false, false, true), "under"},
                 {Style("Courier", 30), ","},
                 {Style("Times", 0), " plain—\u00a0“q”"}}},
        Foreign{"SkippedDestinationsAndFieldResults",
                "{\\rtf1{\\info{\\title T}}{\\stylesheet{\\s0 Normal;}}{\\pict\\pngblip 89504e47}"
                "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}} {\\*\\unknown gone}end}",
                {{Style("", 0), "link end"}}},
        Foreign{"BrokenDocumentGivesWhatWasRead",
                "{\\rtf1 text{\\b bold",
                {{Style("", 0), "text"}, {Style("", 0, {}, true), "bold"}}},
        Foreign{"ExtremeNumbersAndBadEscapes",
                "{\\rtf1\\fs99999999999\\cf-5\\f77 x\\'zz}",
                {{Style("", 3276), "xzz"}}},
        Foreign{"ClosingBraceEndsTheDocument", "{\\rtf1 a}b", {{Style("", 0), "a"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RtfReading, TextThatIsNotRtfIsRefused)
{
    EXPECT_FALSE(ReadRtf("just text"));
    EXPECT_FALSE(ReadRtf("{\\rt"));
    EXPECT_FALSE(ReadRtf(""));
    EXPECT_TRUE(ReadRtf(" \r\n{\\rtf1}"));
}

TEST(RtfReading, DeepNestingAndLongInputStaySafe)
{
    const std::string deep = "{\\rtf1 " + std::string(100000, '{') + "x" + std::string(100000, '}') + "y}";
    const auto text = ReadRtf(deep);
    ASSERT_TRUE(text);
    ASSERT_EQ(text->size(), 1u);
    EXPECT_EQ(text->front().Text, "xy");
}

} // namespace
} // namespace orvenda
