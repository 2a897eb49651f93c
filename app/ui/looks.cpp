#include "app/ui/looks.h"

#include "config/colour_text.h"
#include "engine/text.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QTextEdit>

#include <algorithm>
#include <array>

namespace orvenda {

namespace {

struct PaletteColour {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

constexpr QPalette::ColorRole NoRole = QPalette::NoRole;

// Windows system colour indexes 0..30 and the palette colours closest in
// meaning; index 25 is unused on Windows.
constexpr std::array<PaletteColour, 31> SystemColours{{
    {QPalette::Active, QPalette::Button},          // 0 clScrollBar
    {QPalette::Active, QPalette::Dark},            // 1 clBackground (the desktop)
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
    {QPalette::Active, NoRole},                    // 25 unused
    {QPalette::Active, QPalette::Link},            // 26 clHotLight
    {QPalette::Active, QPalette::Highlight},       // 27 clGradientActiveCaption
    {QPalette::Inactive, QPalette::Mid},           // 28 clGradientInactiveCaption
    {QPalette::Active, QPalette::Highlight},       // 29 clMenuHighlight
    {QPalette::Active, QPalette::Window},          // 30 clMenuBar
}};

constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

constexpr int LargestFontSize = 144;

bool SameFamily(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Colours a widget's palette roles when the look names a colour. System
// colours come from the application's palette: the widget's own palette may
// already hold the colours of an earlier look.
void SetRoleColour(QPalette& palette, QPalette::ColorRole role, TColor colour)
{
    if (const std::optional<QColor> c = QColorOf(colour, QGuiApplication::palette()))
        palette.setColor(role, *c);
}

} // namespace

std::optional<QColor> QColorOf(TColor colour, const QPalette& palette)
{
    if (colour == clNone || colour == clDefault)
        return std::nullopt;
    if (IsSystemColour(colour)) {
        const TColor index = colour - SystemColourBase;
        if (index >= SystemColours.size() || SystemColours[index].role == NoRole)
            return std::nullopt;
        return palette.color(SystemColours[index].group, SystemColours[index].role);
    }
    // Any other high byte (palette-relative forms) keeps only the RGB part.
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

QFont FontOfLook(const TObjectLook& look)
{
    const QFont systemFont = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    QFont font = systemFont;
    const QString face = QString::fromStdString(look.FontName);
    if (!face.isEmpty()) {
        QFont wanted(face);
        if (SameFamily(QFontInfo(wanted).family(), face))
            font.setFamily(face);
    }
    if (look.FontSize > 0)
        font.setPointSize(std::min(look.FontSize, LargestFontSize));
    font.setBold((look.FontStyle & FontBold) != 0);
    font.setItalic((look.FontStyle & FontItalic) != 0);
    font.setUnderline((look.FontStyle & FontUnderline) != 0);
    font.setStrikeOut((look.FontStyle & FontStrikeOut) != 0);
    return font;
}

Qt::Alignment AlignmentOfLook(int alignment)
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

void ApplyLook(QLabel* label, const TObjectLook& look)
{
    QPalette palette = label->palette();
    SetRoleColour(palette, QPalette::Window, look.Color);
    SetRoleColour(palette, QPalette::WindowText, look.FontColor);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    label->setFont(FontOfLook(look));
    label->setAlignment(AlignmentOfLook(look.Alignment));
}

void ApplyLook(QTextEdit* box, const TObjectLook& look)
{
    QPalette palette = box->palette();
    SetRoleColour(palette, QPalette::Base, look.Color);
    SetRoleColour(palette, QPalette::Text, look.FontColor);
    box->setPalette(palette);
    box->setFont(FontOfLook(look));
    QTextOption option = box->document()->defaultTextOption();
    option.setAlignment(AlignmentOfLook(look.Alignment) & Qt::AlignHorizontal_Mask);
    box->document()->setDefaultTextOption(option);
}

void ApplyLook(QTableView* list, const TObjectLook& look)
{
    QPalette palette = list->palette();
    SetRoleColour(palette, QPalette::Base, look.Color);
    SetRoleColour(palette, QPalette::Text, look.FontColor);
    list->setPalette(palette);
    const QFont font = FontOfLook(look);
    list->setFont(font);
    const int rowHeight = QFontInfo(font).pixelSize() + 10;
    list->verticalHeader()->setMinimumSectionSize(1);
    list->verticalHeader()->setDefaultSectionSize(rowHeight);
}

} // namespace orvenda
