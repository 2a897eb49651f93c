#pragma once

// The characteristics report of the date calculator: the principles of a
// date, its zodiac sign, and the links of its week principle with the points
// of the four figures (cross, pentagram, tetragrammaton, seven-pointed star).

#include "engine/date.h"

#include <string>
#include <vector>

namespace orvenda {

// The lines the calculator appends to the text window for date `t` (a valid
// date), without the separating empty lines that go before a second report.
std::vector<std::string> CharacteristicsReport(TDateRec t);

} // namespace orvenda
