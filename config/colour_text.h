#pragma once

// Colours as the scheme files write them: a known colour by its identifier
// ("clBlack", "clBtnFace" ...), any other as "$" and eight upper-case
// hexadecimal digits.

#include "config/config.h"

#include <optional>
#include <string>
#include <string_view>

namespace orvenda {

// A system colour is this base plus the platform's system colour index.
constexpr TColor SystemColourBase = 0x80000000u;
constexpr TColor clBlack = 0x000000;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWindowText = SystemColourBase + 8;
constexpr TColor clBtnFace = SystemColourBase + 15;
constexpr TColor clGrayText = SystemColourBase + 17;

constexpr bool IsSystemColour(TColor colour) noexcept
{
    return (colour & 0xFF000000u) == SystemColourBase;
}

// The identifier of the colour, or "$" + 8 upper-case hex digits.
std::string ColourText(TColor colour);
// An identifier (letter case ignored), "$" + 1..8 hex digits, or a decimal
// integer from -2147483648 to 4294967295 (negative values are taken as their
// 32-bit two's complement, as a signed colour would be written). No blanks
// around it. Anything else is nullopt.
std::optional<TColor> ColourOfText(std::string_view text);

} // namespace orvenda
