#pragma once

// The Kalachakra panel of the main window as data: seven rows (century, year,
// month, decade, week, day, zodiac), each a caption, a picture file, a name
// and a period.

#include "engine/date.h"

#include <array>
#include <string>
#include <string_view>

namespace orvenda {

struct AstroRow {
    std::string Caption; // "Век", "Год", ...; empty for the zodiac row
    std::string Picture; // relative to the program folder, e.g. "Img/Principles/14.bmp"
    std::string Name;
    std::string Period;

    friend bool operator==(const AstroRow&, const AstroRow&) = default;
};

using AstroRows = std::array<AstroRow, 7>;

// The picture of a characteristic relative to the program folder: kind
// "principle", "energy" or "zodiak" (compared in lower case) and the number
// written with two digits. An unknown kind gives the number's file name alone.
std::string PictureFileName(std::string_view kind, int n);

// The rows the panel shows for `date` (a valid date).
AstroRows FillAstroPanel(TDateRec date);

} // namespace orvenda
