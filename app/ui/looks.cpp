#include "app/ui/looks.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QTextEdit>

namespace orvenda {

namespace {

// Colours a widget's palette roles when the look names a colour. System
// colours come from the application's palette: the widget's own palette may
// already hold the colours of an earlier look.
void SetRoleColour(QPalette& palette, QPalette::ColorRole role, TColor colour)
{
    if (const std::optional<QColor> c = ColourOfValue(colour, QGuiApplication::palette()))
        palette.setColor(role, *c);
}

} // namespace

void ApplyLook(QLabel* label, const TObjectLook& look)
{
    QPalette palette = label->palette();
    SetRoleColour(palette, QPalette::Window, look.Color);
    SetRoleColour(palette, QPalette::WindowText, look.FontColor);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    label->setFont(FontOfObjectLook(look));
    label->setAlignment(QtAlignmentOfLook(look.Alignment));
}

void ApplyLook(QTextEdit* box, const TObjectLook& look)
{
    QPalette palette = box->palette();
    SetRoleColour(palette, QPalette::Base, look.Color);
    SetRoleColour(palette, QPalette::Text, look.FontColor);
    box->setPalette(palette);
    box->setFont(FontOfObjectLook(look));
    QTextOption option = box->document()->defaultTextOption();
    option.setAlignment(QtAlignmentOfLook(look.Alignment) & Qt::AlignHorizontal_Mask);
    box->document()->setDefaultTextOption(option);
}

void ApplyLook(QTableView* list, const TObjectLook& look)
{
    QPalette palette = list->palette();
    SetRoleColour(palette, QPalette::Base, look.Color);
    SetRoleColour(palette, QPalette::Text, look.FontColor);
    list->setPalette(palette);
    const QFont font = FontOfObjectLook(look);
    list->setFont(font);
    const int rowHeight = QFontInfo(font).pixelSize() + 10;
    list->verticalHeader()->setMinimumSectionSize(1);
    list->verticalHeader()->setDefaultSectionSize(rowHeight);
}

} // namespace orvenda
