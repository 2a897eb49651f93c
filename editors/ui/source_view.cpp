#include "editors/ui/source_view.h"

#include <QFontDatabase>
#include <QPalette>

namespace orvenda {

SourceView::SourceView(QWidget* parent) : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("MSource"));
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    QPalette cream = palette();
    cream.setColor(QPalette::Base, QColor(0xFF, 0xFB, 0xF0));
    cream.setColor(QPalette::Text, Qt::black);
    setPalette(cream);
}

void SourceView::ShowSource(const QString& text)
{
    if (toPlainText() != text)
        setPlainText(text);
}

} // namespace orvenda
