#pragma once

// The arithmetic that fits the event list's columns and the main window's
// width to the listed texts. Plain C++: the window passes in how wide a text
// is in the list's font.

#include "events/upcoming.h"

#include <functional>
#include <span>
#include <string>
#include <vector>

namespace orvenda {

struct ColumnWidths {
    int w0 = 0; // column 0, the date in the line
    int w1 = 0; // column 1, the text
    // The widest column-1 text + 10, whether or not the date is in the line:
    // the window is fitted to this, not to the list's own width, so that a
    // fit does not feed on the width it produced.
    int textWidth = 0;

    friend bool operator==(const ColumnWidths&, const ColumnWidths&) = default;
};

using TextWidthFn = std::function<int(const std::string&)>;

// With the date in the line: w0 and w1 are the widest texts of columns 0 and
// 1 plus 10. Without it: w0 is 0 and w1 the list's current width.
ColumnWidths FitColumns(const std::vector<ShownRow>& rows, bool dateInLine, int listWidth,
                        const TextWidthFn& textWidth);

// The measuring half of FitColumns, which can be done ahead (a refresh
// measures its rows on the thread that reads the files): the widest texts of
// columns 1 and, with `dates`, 0.
struct WidestTexts {
    int date = 0;
    int text = 0;
};
WidestTexts MeasureRows(std::span<const ShownRow> rows, bool dates, const TextWidthFn& textWidth);
// The other half; `widest` holds the dates when dateInLine.
ColumnWidths FitColumns(WidestTexts widest, bool dateInLine, int listWidth);

inline constexpr int MinimumFittedWidth = 666;

// contentWidth + 2 × border + 40, at least 666 and at most the screen's
// width (the screen wins when it is narrower than 666). `listChrome` is what
// the window needs besides the columns (margins, the list's frame, its
// vertical scroll bar); where it is more than the 40 it takes their place,
// so that the columns fit without a horizontal scroll bar.
int FitWindowWidth(int contentWidth, int borderWidth, int screenWidth, int listChrome);

// The left edge that centres a window of `width` on a screen:
// screen width div 2 − width div 2, from the screen's left edge.
int CentredLeft(int screenLeft, int screenWidth, int width);

} // namespace orvenda
