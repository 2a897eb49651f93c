#include "config/settings_text.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace orvenda {
namespace {

// ---- Text forms ----

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

} // namespace
} // namespace orvenda
