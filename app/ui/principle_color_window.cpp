#include "app/ui/principle_color_window.h"

#include "app/ui/clickable_label.h"
#include "engine/questions.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orvenda {

TFormPrincipleColor::TFormPrincipleColor(PrincipleColours& colours, Questions& questions, ReportSetup setup,
                                         QWidget* parent)
    : QWidget(parent, Qt::Window), m_colours(colours), m_questions(questions), m_setup(std::move(setup))
{
    setObjectName(QStringLiteral("FormPrincipleColor"));
    setWindowTitle(QStringLiteral("Настройки для Excel"));

    auto* paintLabel = new QLabel(QStringLiteral("Раскрашивать дни месяцев:"), this);
    RBMonthColor = new QRadioButton(QStringLiteral("Соответсвенно цвету месяца"), this);
    RBMonthColor->setObjectName(QStringLiteral("RBMonthColor"));
    RBTemplateColor = new QRadioButton(QStringLiteral("Цветом, определённым в шаблоне"), this);
    RBTemplateColor->setObjectName(QStringLiteral("RBTemplateColor"));
    (m_colours.ByMonthColour ? RBMonthColor : RBTemplateColor)->setChecked(true);

    GroupBoxColors = new QGroupBox(QStringLiteral("Цвета принципов"), this);
    GroupBoxColors->setObjectName(QStringLiteral("GroupBoxColors"));
    auto* grid = new QGridLayout(GroupBoxColors);
    grid->addWidget(new QLabel(QStringLiteral("мужской"), GroupBoxColors), 0, 1, Qt::AlignCenter);
    grid->addWidget(new QLabel(QStringLiteral("женский"), GroupBoxColors), 0, 2, Qt::AlignCenter);
    const QString rows[] = {QStringLiteral("Красный"), QStringLiteral("Жёлтый "), QStringLiteral("Белый"),
                            QStringLiteral("Чёрный"), QStringLiteral("Синий ")};
    for (int row = 0; row < 5; ++row) {
        grid->addWidget(new QLabel(rows[row], GroupBoxColors), row + 1, 0);
        for (int column = 0; column < 2; ++column) {
            const int k = row * 2 + column;
            auto* panel = new ClickableLabel(GroupBoxColors);
            panel->setObjectName(QStringLiteral("Panel%1").arg(k));
            panel->setFrameShape(QFrame::Panel);
            panel->setFrameShadow(QFrame::Sunken);
            panel->setAutoFillBackground(true);
            panel->setFixedSize(64, 22);
            panel->setCursor(Qt::PointingHandCursor);
            panel->setToolTip(QStringLiteral("Щёлкните, чтобы выбрать цвет"));
            connect(panel, &ClickableLabel::clicked, this, [this, k] { PanelClick(k); });
            grid->addWidget(panel, row + 1, column + 1);
            m_panels[static_cast<std::size_t>(k)] = panel;
            paintPanel(k);
        }
    }

    BOpenTemplate = new QPushButton(QStringLiteral("Открыть шаблон"), this);
    BOpenTemplate->setObjectName(QStringLiteral("BOpenTemplate"));
    checkTemplate();
    BClose = new QPushButton(QStringLiteral("ОК"), this);
    BClose->setObjectName(QStringLiteral("BClose"));
    BClose->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BOpenTemplate);
    buttons->addStretch(1);
    buttons->addWidget(BClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(paintLabel);
    layout->addWidget(RBMonthColor);
    layout->addWidget(RBTemplateColor);
    layout->addWidget(GroupBoxColors);
    layout->addStretch(1);
    layout->addLayout(buttons);

    connect(RBMonthColor, &QRadioButton::toggled, this, &TFormPrincipleColor::showChoice);
    connect(BClose, &QPushButton::clicked, this, &QWidget::hide);
    connect(BOpenTemplate, &QPushButton::clicked, this, &TFormPrincipleColor::BOpenTemplateClick);
    showChoice();
}

void TFormPrincipleColor::PanelClick(int k)
{
    const Rgb now = m_colours.Colours[static_cast<std::size_t>(k)];
    const std::optional<Questions::Rgb> chosen = m_questions.PickColour({now.Red, now.Green, now.Blue});
    if (!chosen)
        return;
    m_colours.Colours[static_cast<std::size_t>(k)] = {chosen->red, chosen->green, chosen->blue};
    paintPanel(k);
}

void TFormPrincipleColor::ShowColours()
{
    show();
    raise();
    activateWindow();
}

void TFormPrincipleColor::showEvent(QShowEvent* event)
{
    checkTemplate();
    QWidget::showEvent(event);
}

void TFormPrincipleColor::BOpenTemplateClick()
{
    OpenDayTemplate(m_questions, m_setup.Folders(), m_setup.open);
    checkTemplate();
}

void TFormPrincipleColor::checkTemplate()
{
    BOpenTemplate->setEnabled(QFileInfo(DayTemplatePath(m_setup.Folders())).isFile());
}

void TFormPrincipleColor::showChoice()
{
    m_colours.ByMonthColour = RBMonthColor->isChecked();
    GroupBoxColors->setVisible(m_colours.ByMonthColour);
}

void TFormPrincipleColor::paintPanel(int k)
{
    const Rgb c = m_colours.Colours[static_cast<std::size_t>(k)];
    QPalette look = m_panels[static_cast<std::size_t>(k)]->palette();
    look.setColor(QPalette::Window, QColor(c.Red, c.Green, c.Blue));
    m_panels[static_cast<std::size_t>(k)]->setPalette(look);
}

} // namespace orvenda
