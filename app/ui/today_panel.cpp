#include "app/ui/today_panel.h"

#include "app/ui/clickable_label.h"
#include "app/ui/looks.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace orvenda {

namespace {

QPushButton* DayButton(const QString& name, const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setFixedWidth(24);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

int TextWidth(const QLabel* label)
{
    return QFontMetrics(label->font()).horizontalAdvance(label->text());
}

} // namespace

TodayPanel::TodayPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PTodayInfo"));
    m_previous = DayButton(QStringLiteral("BdayPrev"), QStringLiteral("<"), this);
    m_next = DayButton(QStringLiteral("BdayNext"), QStringLiteral(">"), this);

    m_weekday = new QLabel(this);
    m_weekday->setObjectName(QStringLiteral("LTdDayOfWeek"));
    m_todayCaption = new ClickableLabel(this);
    m_todayCaption->setObjectName(QStringLiteral("LTdText"));
    m_todayCaption->setText(QStringLiteral("Сегодня"));
    m_todayCaption->setCursor(Qt::PointingHandCursor);
    m_date = new ClickableLabel(this);
    m_date->setObjectName(QStringLiteral("LTdDate"));
    m_date->setCursor(Qt::PointingHandCursor);
    for (QLabel* label : {static_cast<QLabel*>(m_weekday), static_cast<QLabel*>(m_todayCaption),
                          static_cast<QLabel*>(m_date)}) {
        label->setAlignment(Qt::AlignCenter);
        label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    }

    auto* captions = new QVBoxLayout;
    captions->setContentsMargins(0, 0, 0, 0);
    captions->setSpacing(0);
    captions->addWidget(m_weekday);
    captions->addWidget(m_todayCaption);
    captions->addWidget(m_date);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_previous);
    layout->addLayout(captions, 1);
    layout->addWidget(m_next);

    connect(m_previous, &QPushButton::clicked, this, &TodayPanel::previousDay);
    connect(m_next, &QPushButton::clicked, this, &TodayPanel::nextDay);
    connect(m_todayCaption, &ClickableLabel::clicked, this, &TodayPanel::today);
    connect(m_date, &ClickableLabel::clicked, this, &TodayPanel::dateClicked);
    connect(m_date, &ClickableLabel::doubleClicked, this, &TodayPanel::dateDoubleClicked);
}

void TodayPanel::ShowDay(const QString& dateText, const QString& weekdayText)
{
    m_date->setText(dateText);
    m_weekday->setText(weekdayText);
}

void TodayPanel::ApplyLooks(const TLooks& looks)
{
    ApplyLook(m_todayCaption, looks[LcToday]);
    ApplyLook(m_date, looks[LcDate]);
    ApplyLook(m_weekday, looks[LcDayOfWeek]);
    // Wide enough for the longest caption in its own font, with the two day
    // buttons beside it. The weekday is measured by the longest names so that
    // stepping through the week does not make the panel jump.
    const QFontMetrics weekdayMetrics(m_weekday->font());
    const int widest =
        std::max({TextWidth(m_todayCaption) + 4, TextWidth(m_date) + 5, TextWidth(m_weekday) + 5,
                  weekdayMetrics.horizontalAdvance(QStringLiteral("Понедельник")) + 5,
                  weekdayMetrics.horizontalAdvance(QStringLiteral("Воскресенье")) + 5});
    setMinimumWidth(widest + 2 * m_previous->width() + 16);
}

} // namespace orvenda
