#include "config/colour_text.h"

#include "engine/numbers.h"
#include "engine/utf8.h"

#include <array>
#include <cstdint>

namespace orvenda {

namespace {

struct NamedColour {
    const char* name;
    TColor value;
};

constexpr TColor sys(TColor index)
{
    return SystemColourBase + index;
}

// Every colour with an identifier; each value appears once, so writing and
// reading are inverse.
constexpr std::array<NamedColour, 52> kNamedColours{{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clNone", 0x1FFFFFFF},
    {"clDefault", 0x20000000},
    {"clScrollBar", sys(0)},
    {"clBackground", sys(1)},
    {"clActiveCaption", sys(2)},
    {"clInactiveCaption", sys(3)},
    {"clMenu", sys(4)},
    {"clWindow", sys(5)},
    {"clWindowFrame", sys(6)},
    {"clMenuText", sys(7)},
    {"clWindowText", sys(8)},
    {"clCaptionText", sys(9)},
    {"clActiveBorder", sys(10)},
    {"clInactiveBorder", sys(11)},
    {"clAppWorkSpace", sys(12)},
    {"clHighlight", sys(13)},
    {"clHighlightText", sys(14)},
    {"clBtnFace", sys(15)},
    {"clBtnShadow", sys(16)},
    {"clGrayText", sys(17)},
    {"clBtnText", sys(18)},
    {"clInactiveCaptionText", sys(19)},
    {"clBtnHighlight", sys(20)},
    {"cl3DDkShadow", sys(21)},
    {"cl3DLight", sys(22)},
    {"clInfoText", sys(23)},
    {"clInfoBk", sys(24)},
    {"clHotLight", sys(26)},
    {"clGradientActiveCaption", sys(27)},
    {"clGradientInactiveCaption", sys(28)},
    {"clMenuHighlight", sys(29)},
    {"clMenuBar", sys(30)},
}};

int hexDigit(char c) noexcept
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

} // namespace

std::string ColourText(TColor colour)
{
    for (const NamedColour& named : kNamedColours) {
        if (named.value == colour) {
            return named.name;
        }
    }
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text = "$";
    for (int shift = 28; shift >= 0; shift -= 4) {
        text += digits[(colour >> shift) & 0xF];
    }
    return text;
}

std::optional<TColor> ColourOfText(std::string_view text)
{
    if (text.empty()) {
        return std::nullopt;
    }
    const std::string lower = ToLowerAscii(text);
    for (const NamedColour& named : kNamedColours) {
        if (ToLowerAscii(named.name) == lower) {
            return named.value;
        }
    }
    if (text.front() == '$') {
        const std::string_view digits = text.substr(1);
        if (digits.empty() || digits.size() > 8) {
            return std::nullopt;
        }
        TColor value = 0;
        for (char c : digits) {
            const int digit = hexDigit(c);
            if (digit < 0) {
                return std::nullopt;
            }
            value = (value << 4) | static_cast<TColor>(digit);
        }
        return value;
    }
    // Only digits with an optional leading minus: the number reader may allow
    // more (a "+" sign), which a colour never had.
    const std::string_view magnitude = text.front() == '-' ? text.substr(1) : text;
    if (magnitude.empty()) {
        return std::nullopt;
    }
    for (char c : magnitude) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
    }
    const std::optional<std::int64_t> number = ParseInt64(text);
    if (!number || *number < INT32_MIN || *number > static_cast<std::int64_t>(UINT32_MAX)) {
        return std::nullopt;
    }
    return static_cast<TColor>(static_cast<std::uint64_t>(*number) & 0xFFFFFFFFu);
}

} // namespace orvenda
