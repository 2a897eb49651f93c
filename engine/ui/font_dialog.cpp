#include "engine/ui/font_dialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvenda {

namespace {

// The line of Qt's chooser that shows the sample text: the only line edit
// inside one of its group boxes (the others name the face, style and size).
QLineEdit* sampleOf(QFontDialog* chooser)
{
    for (QGroupBox* group : chooser->findChildren<QGroupBox*>())
        if (auto* sample = group->findChild<QLineEdit*>())
            return sample;
    return nullptr;
}

} // namespace

FontDialog::FontDialog(const QFont& font, const QColor& colour, bool withApply, QWidget* parent)
    : QDialog(parent), m_colour(colour)
{
    setObjectName(QStringLiteral("fontDialog"));
    setWindowTitle(QStringLiteral("Шрифт"));

    // Qt's chooser without its own buttons, as a part of this dialog.
    m_chooser = new QFontDialog(this);
    m_chooser->setObjectName(QStringLiteral("fontChooser"));
    m_chooser->setWindowFlags(Qt::Widget);
    m_chooser->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    m_chooser->setSizeGripEnabled(false);
    m_chooser->setCurrentFont(font);
    m_sample = sampleOf(m_chooser);

    auto* colourLabel = new QLabel(QStringLiteral("Цвет:"), this);
    m_colourButton = new QPushButton(this);
    m_colourButton->setObjectName(QStringLiteral("fontColour"));
    m_colourButton->setIconSize(QSize(32, 16));
    m_colourButton->setToolTip(QStringLiteral("Цвет шрифта"));
    colourLabel->setBuddy(m_colourButton);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("ОК"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cancel"));
    QPushButton* apply = buttons->addButton(QStringLiteral("Применить"), QDialogButtonBox::ApplyRole);
    apply->setObjectName(QStringLiteral("apply"));
    apply->setVisible(withApply);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(colourLabel);
    bottom->addWidget(m_colourButton);
    bottom->addSpacing(12);
    bottom->addWidget(buttons, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_chooser, 1);
    layout->addLayout(bottom);

    connect(m_colourButton, &QPushButton::clicked, this, &FontDialog::pickColour);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(apply, &QPushButton::clicked, this, &FontDialog::applied);
    // Escape in the chooser's lists closes the chooser itself; the whole
    // dialog goes with it, as Cancel.
    connect(m_chooser, &QDialog::finished, this,
            [this](int result) { result == QDialog::Accepted ? accept() : reject(); });
    showColour();
}

QFont FontDialog::currentFont() const
{
    return m_chooser->currentFont();
}

void FontDialog::setCurrentColour(const QColor& colour)
{
    m_colour = colour;
    m_colourChosen = true;
    showColour();
}

void FontDialog::pickColour()
{
    const QColor colour = QColorDialog::getColor(m_colour, this, QStringLiteral("Цвет шрифта"));
    if (colour.isValid())
        setCurrentColour(colour);
}

void FontDialog::showColour()
{
    QPixmap swatch(m_colourButton->iconSize());
    swatch.fill(m_colour);
    QPainter painter(&swatch);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    painter.end();
    m_colourButton->setIcon(QIcon(swatch));
    // The sample is written in the chosen colour.
    if (m_sample) {
        QPalette sample = m_sample->palette();
        sample.setColor(QPalette::Text, m_colour);
        m_sample->setPalette(sample);
    }
}

} // namespace orvenda
