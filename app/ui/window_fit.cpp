#include "app/ui/window_fit.h"

#include <algorithm>
#include <cstdint>

namespace orvenda {

namespace {

constexpr int TextMargin = 10;

int ClampToInt(std::int64_t value)
{
    return static_cast<int>(std::clamp<std::int64_t>(value, 0, INT32_MAX));
}

} // namespace

ColumnWidths FitColumns(const std::vector<ShownRow>& rows, bool dateInLine, int listWidth,
                        const TextWidthFn& textWidth)
{
    return FitColumns(MeasureRows(rows, dateInLine, textWidth), dateInLine, listWidth);
}

WidestTexts MeasureRows(std::span<const ShownRow> rows, bool dates, const TextWidthFn& textWidth)
{
    WidestTexts widest;
    for (const ShownRow& row : rows) {
        if (dates)
            widest.date = std::max(widest.date, textWidth(DateColumnText(row)));
        widest.text = std::max(widest.text, textWidth(row.Text));
    }
    return widest;
}

ColumnWidths FitColumns(WidestTexts widest, bool dateInLine, int listWidth)
{
    ColumnWidths widths;
    widths.textWidth = ClampToInt(std::int64_t{widest.text} + TextMargin);
    if (dateInLine) {
        widths.w0 = ClampToInt(std::int64_t{widest.date} + TextMargin);
        widths.w1 = widths.textWidth;
    } else {
        widths.w0 = 0;
        widths.w1 = std::max(listWidth, 0);
    }
    return widths;
}

int FitWindowWidth(int contentWidth, int borderWidth, int screenWidth, int listChrome)
{
    std::int64_t width =
        std::int64_t{contentWidth} + 2 * std::int64_t{borderWidth} + std::max<std::int64_t>(40, listChrome);
    width = std::max<std::int64_t>(width, MinimumFittedWidth);
    width = std::min<std::int64_t>(width, screenWidth);
    return ClampToInt(width);
}

int CentredLeft(int screenLeft, int screenWidth, int width)
{
    return screenLeft + screenWidth / 2 - width / 2;
}

} // namespace orvenda
