#pragma once

// The looks of the configuration put onto the main window's text areas; the
// colours, fonts and alignments come from config/ui/qt_looks.h, which the
// options window's samples use too.

#include "config/config.h"
#include "config/ui/qt_looks.h"

class QLabel;
class QTableView;
class QTextEdit;

namespace orvenda {

// Background, font, font colour and alignment.
void ApplyLook(QLabel* label, const TObjectLook& look);
void ApplyLook(QTextEdit* box, const TObjectLook& look);
// Background, font and font colour (the list's alignment is stored but not
// used); the rows become as high as the font's pixel size + 10.
void ApplyLook(QTableView* list, const TObjectLook& look);

} // namespace orvenda
