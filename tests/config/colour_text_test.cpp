#include "config/colour_text.h"

#include <iterator>
#include <vector>

#include <gtest/gtest.h>

namespace orvenda {
namespace {

struct Named {
    const char* name;
    TColor value;
};

// Written out from the colour table, not taken from the code.
// clang-format off
const Named kPlainColours[] = {
    {"clBlack", 0x000000}, {"clMaroon", 0x000080}, {"clGreen", 0x008000}, {"clOlive", 0x008080},
    {"clNavy", 0x800000}, {"clPurple", 0x800080}, {"clTeal", 0x808000}, {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF}, {"clLime", 0x00FF00}, {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000}, {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00}, {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6}, {"clCream", 0xF0FBFF}, {"clMedGray", 0xA4A0A0},
    {"clNone", 0x1FFFFFFF}, {"clDefault", 0x20000000},
};
// System colours by index; index 25 has no identifier.
const char* const kSystemColours[] = {
    "clScrollBar", "clBackground", "clActiveCaption", "clInactiveCaption", "clMenu", "clWindow",
    "clWindowFrame", "clMenuText", "clWindowText", "clCaptionText", "clActiveBorder", "clInactiveBorder",
    "clAppWorkSpace", "clHighlight", "clHighlightText", "clBtnFace", "clBtnShadow", "clGrayText",
    "clBtnText", "clInactiveCaptionText", "clBtnHighlight", "cl3DDkShadow", "cl3DLight", "clInfoText",
    "clInfoBk", nullptr, "clHotLight", "clGradientActiveCaption", "clGradientInactiveCaption",
    "clMenuHighlight", "clMenuBar",
};
// clang-format on

TEST(ColourText, EveryIdentifierIsWrittenAndReadBack)
{
    std::vector<Named> all(std::begin(kPlainColours), std::end(kPlainColours));
    for (TColor index = 0; index < std::size(kSystemColours); ++index) {
        if (kSystemColours[index]) {
            all.push_back({kSystemColours[index], 0x80000000u + index});
        }
    }
    for (const Named& c : all) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ColourText(c.value), c.name);
        EXPECT_EQ(ColourOfText(c.name), c.value);
    }
}

TEST(ColourText, ColoursWithoutIdentifierAreEightHexDigits)
{
    const Named cases[] = {
        {"$00123456", 0x00123456}, {"$00ABCDEF", 0x00ABCDEF}, {"$80000019", 0x80000019}, // no index 25
        {"$8000001F", 0x8000001F}, {"$1FFFFFFE", 0x1FFFFFFE}, {"$FFFFFFFF", 0xFFFFFFFF},
        {"$00000001", 0x00000001},
    };
    for (const Named& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ColourText(c.value), c.name);
        EXPECT_EQ(ColourOfText(c.name), c.value);
    }
}

TEST(ColourText, WrittenTextReadsBackOverTheWholeRange)
{
    for (std::uint64_t v = 0; v <= 0xFFFFFFFFu; v += 0x00F0F0F1) {
        const TColor colour = static_cast<TColor>(v);
        SCOPED_TRACE(ColourText(colour));
        EXPECT_EQ(ColourOfText(ColourText(colour)), colour);
    }
}

TEST(ColourText, ReadingAcceptsIdentifiersHexAndDecimalOnly)
{
    struct Case {
        const char* text;
        std::optional<TColor> colour;
    } const cases[] = {
        // clang-format off
        {"clbtnface", 0x8000000F}, {"CLRED", 0x0000FF},   // identifiers in any letter case
        {"$ff", 0xFF}, {"$0000FF", 0xFF}, {"255", 0xFF},  // short hex, lower case, decimal
        {"-2147483633", 0x8000000F},                      // a system colour as a signed number
        {"-1", 0xFFFFFFFF}, {"-2147483648", 0x80000000}, {"4294967295", 0xFFFFFFFF},
        {"4294967296", std::nullopt}, {"-2147483649", std::nullopt}, {"99999999999999999999", std::nullopt},
        {"$123456789", std::nullopt}, {"$", std::nullopt}, {"$12G4", std::nullopt}, {"0x10", std::nullopt},
        {"+5", std::nullopt}, {"-", std::nullopt}, {" 5", std::nullopt}, {"12a", std::nullopt},
        {"clPink", std::nullopt}, {"", std::nullopt},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ColourOfText(c.text), c.colour);
    }
}

} // namespace
} // namespace orvenda
