#include "app/ui/calendar_window.h"

#include "app/ui/calendar_key.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

namespace orvenda {

TFormCalendar::TFormCalendar(QWidget* parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FormCalendar"));
    setWindowTitle(QStringLiteral("Календарь"));
    m_calendar = new QCalendarWidget(this);
    m_calendar->setObjectName(QStringLiteral("MonthCalendar1"));
    m_calendar->setLocale(QLocale(QLocale::Russian, QLocale::Russia));
    m_calendar->setFirstDayOfWeek(Qt::Monday);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_calendar->setGridVisible(true);
    m_calendar->setSelectedDate(QDate::currentDate());
    auto* hint = new QLabel(QStringLiteral("Выберите желаемую дату двойным щелчком"), this);
    hint->setObjectName(QStringLiteral("LHint"));
    hint->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_calendar, 1);
    layout->addWidget(hint);
    resize(360, 260);

    // A double click or Enter on a day.
    connect(m_calendar, &QCalendarWidget::activated, this, &TFormCalendar::PickDate);
}

void TFormCalendar::SetDate(QDate date)
{
    if (date.isValid())
        m_calendar->setSelectedDate(date);
}

QDate TFormCalendar::Date() const
{
    return m_calendar->selectedDate();
}

void TFormCalendar::PickDate(QDate date)
{
    switch (CallerOfKey(m_callerKey)) {
    case CalendarCaller::Main:
        emit mainDatePicked(date);
        break;
    case CalendarCaller::Calc:
        emit calcDatePicked(date);
        break;
    case CalendarCaller::None:
        break;
    }
    hide();
}

} // namespace orvenda
