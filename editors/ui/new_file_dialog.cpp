#include "editors/ui/new_file_dialog.h"

#include "editors/new_file_kinds.h"
#include "editors/ui/event_editor_window.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orvenda {

namespace {

QString q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

TFormNewEvtFile::TFormNewEvtFile(TFormEvtEdit& editor, QWidget* parent) : QDialog(parent), m_editor(editor)
{
    setObjectName(QStringLiteral("FormNewEvtFile"));
    setWindowTitle(QStringLiteral("Создание файла"));
    setModal(true);

    auto* group = new QButtonGroup(this);
    auto* choices = new QVBoxLayout;
    QFont bold = font();
    bold.setBold(true);
    for (std::size_t i = 0; i < NewFileKinds.size(); ++i) {
        auto* choice = new QRadioButton(q(NewFileKinds[i].caption), this);
        choice->setObjectName(QStringLiteral("RBKind%1").arg(i + 1));
        choice->setFont(bold);
        group->addButton(choice, static_cast<int>(i));
        choices->addWidget(choice);
        if (!NewFileKinds[i].note.empty()) {
            auto* note = new QLabel(q(NewFileKinds[i].note), this);
            // Under the caption's text, past the round button.
            note->setContentsMargins(choice->sizeHint().height() + 4, 0, 0, 0);
            choices->addWidget(note);
        }
        choices->addSpacing(6);
        m_choices[i] = choice;
    }
    choices->addStretch(1);
    m_choices[0]->setChecked(true);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("BOk"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Отмена"), this);
    cancel->setObjectName(QStringLiteral("BCancel"));
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(choices, 1);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ok, &QPushButton::clicked, this, &TFormNewEvtFile::accept);
    connect(cancel, &QPushButton::clicked, this, &TFormNewEvtFile::reject);
}

EventFileFormat TFormNewEvtFile::ChosenKind() const
{
    for (std::size_t i = 0; i < m_choices.size(); ++i) {
        if (m_choices[i]->isChecked())
            return NewFileKinds[i].format;
    }
    return NewFileKinds[0].format;
}

void TFormNewEvtFile::accept()
{
    m_editor.show();
    QDialog::accept();
    m_editor.newFile(ChosenKind());
    m_editor.enableFileCommands(true);
}

} // namespace orvenda
