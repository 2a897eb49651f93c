#pragma once

// The looks of the settings (colour values 0x00BBGGRR or system colours,
// font face, size and style, alignment) as Qt colours, fonts and alignments,
// for the samples of the options window and its colour and font dialogs.

#include "config/config.h"

#include <QColor>
#include <QFont>
#include <QPalette>

#include <optional>

namespace orvenda {

// A plain colour, or a system colour (0x80000000 + Windows index) taken from
// the palette role closest in meaning. nullopt for clNone, clDefault and
// indexes without a meaning: the widget keeps its own colour then.
std::optional<QColor> ColourOfValue(TColor colour, const QPalette& palette);
// The plain colour value (0x00BBGGRR) of a colour the user picked.
TColor ValueOfColour(const QColor& colour);

// Face, size and style of a look. A face that is not installed (the schemes'
// "MS Sans Serif" on Linux) gives the system's default face at the same
// size; sizes are kept within 1..144 points so that a broken scheme cannot
// make the window unusable.
QFont FontOfObjectLook(const TObjectLook& look);
// The style bits (FontStyleFlag) of a font.
unsigned StyleOfFont(const QFont& font);
// The whole points of a font, also for a font sized in pixels.
int PointSizeOfFont(const QFont& font);

// AlignLeft, AlignRight, anything else centred; vertically centred.
Qt::Alignment QtAlignmentOfLook(int alignment);

} // namespace orvenda
