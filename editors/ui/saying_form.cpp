#include "editors/ui/saying_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace orvenda {

SayingForm::SayingForm(EventFileModel& model, QWidget* parent)
    : RecordForm(model, parent), m_wisdom(new QPlainTextEdit(this)), m_author(new QLineEdit(this))
{
    m_wisdom->setObjectName(QStringLiteral("MWisdom"));
    m_author->setObjectName(QStringLiteral("EAuthor"));
    // A saying is one line of its file; a line break typed here is written as a blank.
    m_wisdom->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_wisdom->setTabChangesFocus(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Высказывание:"), this));
    layout->addWidget(m_wisdom, 1);
    layout->addWidget(new QLabel(QStringLiteral("Автор:"), this));
    layout->addWidget(m_author);

    connect(m_wisdom, &QPlainTextEdit::textChanged, this, [this] {
        if (m_model.SetWisdom(m_wisdom->toPlainText().toStdString()))
            emit edited();
    });
    connect(m_author, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (m_model.SetAuthor(text.toStdString()))
            emit edited();
    });
}

void SayingForm::Load()
{
    const QSignalBlocker wisdomBlocker(m_wisdom);
    const QSignalBlocker authorBlocker(m_author);
    const EditorRecord* record = m_model.Current();
    m_wisdom->setEnabled(record != nullptr);
    m_author->setEnabled(record != nullptr);
    m_wisdom->setPlainText(record ? QString::fromStdString(record->wisdom) : QString());
    m_author->setText(record ? QString::fromStdString(record->author) : QString());
}

} // namespace orvenda
