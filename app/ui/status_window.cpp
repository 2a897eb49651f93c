#include "app/ui/status_window.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

namespace orvenda {

TFormStatus::TFormStatus(const Journal& journal, QWidget* parent)
    : QWidget(parent, Qt::Window), m_journal(journal)
{
    setObjectName(QStringLiteral("FormStatus"));
    setWindowTitle(QStringLiteral("Статус"));
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("MemoStatus"));
    m_memo->setReadOnly(true);
    m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_memo);
    resize(560, 320);
}

void TFormStatus::ShowJournal()
{
    QString text;
    for (const std::string& line : m_journal.Lines()) {
        text += QString::fromStdString(line);
        text += QLatin1Char('\n');
    }
    if (text == m_memo->toPlainText())
        return;
    m_memo->setPlainText(text);
    // The newest lines are the interesting ones.
    m_memo->verticalScrollBar()->setValue(m_memo->verticalScrollBar()->maximum());
}

void TFormStatus::showEvent(QShowEvent* event)
{
    ShowJournal();
    QWidget::showEvent(event);
}

} // namespace orvenda
