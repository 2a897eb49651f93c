#pragma once

// The looks of the configuration (colours in the 0x00BBGGRR / system colour
// form, font face, size, style, alignment) turned into Qt colours, fonts and
// alignments, and put onto the main window's text areas.

#include "config/config.h"

#include <QColor>
#include <QFont>
#include <QPalette>

#include <optional>

class QLabel;
class QTableView;
class QTextEdit;

namespace orvenda {

// A plain colour (0x00BBGGRR), or a system colour (0x80000000 + index) taken
// from `palette`. nullopt for clNone, clDefault and system indexes that have
// no meaning: the widget then keeps the colour it has by default.
std::optional<QColor> QColorOf(TColor colour, const QPalette& palette);

// Face, size and style of a look. A face that is not installed (the schemes'
// "MS Sans Serif" on Linux) falls back to the system's default face at the
// same size. Sizes are whole points, kept within 1..144 so that a broken
// scheme cannot make the window unusable; 0 or less keeps the default size.
QFont FontOfLook(const TObjectLook& look);

// AlignLeft, AlignRight, anything else centred; always vertically centred.
Qt::Alignment AlignmentOfLook(int alignment);

// Background, font, font colour and alignment.
void ApplyLook(QLabel* label, const TObjectLook& look);
void ApplyLook(QTextEdit* box, const TObjectLook& look);
// Background, font and font colour (the list's alignment is stored but not
// used); the rows become as high as the font's pixel size + 10.
void ApplyLook(QTableView* list, const TObjectLook& look);

} // namespace orvenda
