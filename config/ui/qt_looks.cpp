#include "config/ui/qt_looks.h"

#include "config/colour_text.h"
#include "config/settings_text.h"
#include "engine/ui/font_style.h"

#include <QFontDatabase>
#include <QFontInfo>

#include <algorithm>
#include <array>
#include <cmath>

namespace orvenda {

namespace {

struct PaletteColour {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// Windows system colour indexes 0..30 and the palette colours nearest in
// meaning; index 25 has no colour.
constexpr std::array<PaletteColour, 31> SystemColours{{
    {QPalette::Active, QPalette::Button},          // 0 clScrollBar
    {QPalette::Active, QPalette::Dark},            // 1 clBackground
    {QPalette::Active, QPalette::Highlight},       // 2 clActiveCaption
    {QPalette::Inactive, QPalette::Mid},           // 3 clInactiveCaption
    {QPalette::Active, QPalette::Window},          // 4 clMenu
    {QPalette::Active, QPalette::Base},            // 5 clWindow
    {QPalette::Active, QPalette::Shadow},          // 6 clWindowFrame
    {QPalette::Active, QPalette::WindowText},      // 7 clMenuText
    {QPalette::Active, QPalette::WindowText},      // 8 clWindowText
    {QPalette::Active, QPalette::HighlightedText}, // 9 clCaptionText
    {QPalette::Active, QPalette::Window},          // 10 clActiveBorder
    {QPalette::Inactive, QPalette::Window},        // 11 clInactiveBorder
    {QPalette::Active, QPalette::Dark},            // 12 clAppWorkSpace
    {QPalette::Active, QPalette::Highlight},       // 13 clHighlight
    {QPalette::Active, QPalette::HighlightedText}, // 14 clHighlightText
    {QPalette::Active, QPalette::Button},          // 15 clBtnFace
    {QPalette::Active, QPalette::Dark},            // 16 clBtnShadow
    {QPalette::Disabled, QPalette::Text},          // 17 clGrayText
    {QPalette::Active, QPalette::ButtonText},      // 18 clBtnText
    {QPalette::Disabled, QPalette::WindowText},    // 19 clInactiveCaptionText
    {QPalette::Active, QPalette::Light},           // 20 clBtnHighlight
    {QPalette::Active, QPalette::Shadow},          // 21 cl3DDkShadow
    {QPalette::Active, QPalette::Midlight},        // 22 cl3DLight
    {QPalette::Active, QPalette::ToolTipText},     // 23 clInfoText
    {QPalette::Active, QPalette::ToolTipBase},     // 24 clInfoBk
    {QPalette::Active, QPalette::NoRole},          // 25 none
    {QPalette::Active, QPalette::Link},            // 26 clHotLight
    {QPalette::Active, QPalette::Highlight},       // 27 clGradientActiveCaption
    {QPalette::Inactive, QPalette::Mid},           // 28 clGradientInactiveCaption
    {QPalette::Active, QPalette::Highlight},       // 29 clMenuHighlight
    {QPalette::Active, QPalette::Window},          // 30 clMenuBar
}};

constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;
constexpr int LargestPointSize = 144;

} // namespace

std::optional<QColor> ColourOfValue(TColor colour, const QPalette& palette)
{
    if (colour == clNone || colour == clDefault) {
        return std::nullopt;
    }
    if (IsSystemColour(colour)) {
        const TColor index = colour - SystemColourBase;
        if (index >= SystemColours.size() || SystemColours[index].role == QPalette::NoRole) {
            return std::nullopt;
        }
        return palette.color(SystemColours[index].group, SystemColours[index].role);
    }
    // Other high bytes (palette-relative colours) keep their RGB part.
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

TColor ValueOfColour(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return static_cast<TColor>(rgb.red()) | static_cast<TColor>(rgb.green()) << 8 |
           static_cast<TColor>(rgb.blue()) << 16;
}

QFont FontOfObjectLook(const TObjectLook& look)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    const QString face = QString::fromStdString(look.FontName);
    if (!face.isEmpty() && QFontDatabase::hasFamily(face)) {
        font.setFamily(face);
    }
    if (look.FontSize > 0) {
        font.setPointSize(std::min(look.FontSize, LargestPointSize));
    }
    font.setBold((look.FontStyle & FontBold) != 0);
    font.setItalic((look.FontStyle & FontItalic) != 0);
    font.setUnderline((look.FontStyle & FontUnderline) != 0);
    font.setStrikeOut((look.FontStyle & FontStrikeOut) != 0);
    // The face's own style name, for a font dialog to open on this style.
    font.setStyleName(StyleNameOf(font.family(), font.bold(), font.italic()));
    return font;
}

unsigned StyleOfFont(const QFont& font)
{
    return (font.bold() ? FontBold : 0u) | (font.italic() ? FontItalic : 0u) |
           (font.underline() ? FontUnderline : 0u) | (font.strikeOut() ? FontStrikeOut : 0u);
}

int PointSizeOfFont(const QFont& font)
{
    if (font.pointSize() > 0) {
        return font.pointSize();
    }
    return std::max(1, static_cast<int>(std::lround(QFontInfo(font).pointSizeF())));
}

Qt::Alignment QtAlignmentOfLook(int alignment)
{
    switch (alignment) {
    case AlignLeft:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case AlignRight:
        return Qt::AlignRight | Qt::AlignVCenter;
    default:
        return Qt::AlignCenter;
    }
}

} // namespace orvenda
