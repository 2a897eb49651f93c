#include "editors/ui/rich_document.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cmath>

namespace orvenda {

namespace {

TextStyle styleOf(const QTextCharFormat& format, const QFont& documentFont, const Rgb& textColour)
{
    const QFont font = format.font().resolve(documentFont);
    TextStyle style;
    style.Face = font.family().toStdString();
    style.HalfPoints = font.pointSizeF() > 0 ? static_cast<int>(std::lround(font.pointSizeF() * 2)) : 0;
    const QBrush brush = format.foreground();
    if (brush.style() != Qt::NoBrush) {
        const QColor c = brush.color();
        style.Colour = Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                           static_cast<std::uint8_t>(c.blue())};
    } else {
        style.Colour = textColour;
    }
    style.Bold = font.bold();
    style.Italic = font.italic();
    style.Underline = font.underline();
    style.StrikeOut = font.strikeOut();
    return style;
}

QTextCharFormat formatOf(const TextStyle& style)
{
    QTextCharFormat format;
    if (!style.Face.empty())
        format.setFontFamilies({QString::fromStdString(style.Face)});
    if (style.HalfPoints > 0)
        format.setFontPointSize(style.HalfPoints / 2.0);
    if (style.Colour)
        format.setForeground(QColor(style.Colour->Red, style.Colour->Green, style.Colour->Blue));
    format.setFontWeight(style.Bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(style.Italic);
    format.setFontUnderline(style.Underline);
    format.setFontStrikeOut(style.StrikeOut);
    return format;
}

} // namespace

RichText ToRichText(const QTextDocument& document, const Rgb& textColour)
{
    RichText text;
    const QFont documentFont = document.defaultFont();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin()) {
            if (text.empty())
                text.push_back({styleOf(block.charFormat(), documentFont, textColour), {}});
            text.back().Text += '\n';
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            TextStyle style = styleOf(fragment.charFormat(), documentFont, textColour);
            std::string piece = fragment.text().toStdString();
            if (!text.empty() && text.back().Style == style)
                text.back().Text += piece;
            else
                text.push_back({std::move(style), std::move(piece)});
        }
    }
    return text;
}

void SetRichText(QTextDocument& document, const RichText& text)
{
    document.clear();
    QTextCursor cursor(&document);
    for (const TextRun& run : text)
        cursor.insertText(QString::fromStdString(run.Text), formatOf(run.Style));
}

} // namespace orvenda
