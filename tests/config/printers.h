#pragma once

// Readable failure messages for the settings types. Every test file that
// compares them includes this, so all of them print the same way.

#include "config/colour_text.h"
#include "config/config.h"
#include "config/settings_text.h"

#include <ostream>

namespace orvenda {

inline void PrintTo(const TListedFile& file, std::ostream* out)
{
    *out << '{' << file.Folder << ", " << file.Name << '}';
}

inline void PrintTo(const TObjectLook& look, std::ostream* out)
{
    *out << '{' << ColourText(look.Color) << ", " << AlignmentText(look.Alignment) << ", " << look.FontName
         << ", " << look.FontSize << ", " << ColourText(look.FontColor) << ", "
         << FontStyleText(look.FontStyle) << '}';
}

} // namespace orvenda
