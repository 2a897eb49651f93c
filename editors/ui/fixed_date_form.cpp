#include "editors/ui/fixed_date_form.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <initializer_list>

namespace orvenda {

FixedDateForm::FixedDateForm(EventFileModel& model, QWidget* parent)
    : RecordForm(model, parent), m_event(new QLineEdit(this)), m_day(NewNumberBox("EDay", this)),
      m_month(NewNumberBox("EMonth", this)), m_year(NewNumberBox("EYear", this)),
      m_hour(NewOptionalNumberEdit("EHour", 23, this)), m_minute(NewOptionalNumberEdit("EMinute", 59, this)),
      m_before(NewNumberBox("EDBefore", this)), m_after(NewNumberBox("EDAfter", this)),
      m_active(new QCheckBox(QStringLiteral("Включено"), this)), m_calendar(new QCalendarWidget(this))
{
    m_event->setObjectName(QStringLiteral("EEvent"));
    m_active->setObjectName(QStringLiteral("CBActive"));
    m_calendar->setObjectName(QStringLiteral("Calendar"));
    m_calendar->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
    // The program speaks Russian whatever the system's language.
    m_calendar->setLocale(QLocale(QLocale::Russian, QLocale::Russia));
    m_calendar->setFirstDayOfWeek(Qt::Monday);
    m_calendar->setGridVisible(true);
    const QString calendarHint = QStringLiteral("Для выбора даты дважды щёлкните мышью");
    m_calendar->setToolTip(calendarHint);
    m_calendar->setStatusTip(calendarHint);

    auto* eventRow = new QHBoxLayout;
    eventRow->addWidget(new QLabel(QStringLiteral("Событие"), this));
    eventRow->addWidget(m_event, 1);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("День"), m_day);
    fields->addRow(QStringLiteral("Месяц"), m_month);
    fields->addRow(QStringLiteral("Год"), m_year);
    fields->addRow(QStringLiteral("Час"), m_hour);
    fields->addRow(QStringLiteral("Минута"), m_minute);

    auto* notice = new QGroupBox(QStringLiteral("Сообщать о событии (в днях)"), this);
    auto* noticeFields = new QFormLayout(notice);
    noticeFields->addRow(QStringLiteral("до"), m_before);
    noticeFields->addRow(QStringLiteral("после"), m_after);

    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addWidget(notice);
    left->addWidget(m_active);
    left->addStretch(1);

    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addWidget(m_calendar, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(eventRow);
    layout->addLayout(body, 1);

    connect(m_event, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (m_model.SetEvent(text.toStdString()))
            emit edited();
    });
    connectNumber(m_day, &EventFileModel::SetDay);
    connectNumber(m_month, &EventFileModel::SetMonth);
    connectNumber(m_year, &EventFileModel::SetYear);
    connectNumber(m_before, &EventFileModel::SetDBefore);
    connectNumber(m_after, &EventFileModel::SetDAfter);
    connect(m_hour, &QLineEdit::textChanged, this, [this] { timeEdited(m_hour, true); });
    connect(m_minute, &QLineEdit::textChanged, this, [this] { timeEdited(m_minute, false); });
    // A half-typed time is not stored; leaving the field shows what is.
    connect(m_hour, &QLineEdit::editingFinished, this, &FixedDateForm::showTime);
    connect(m_minute, &QLineEdit::editingFinished, this, &FixedDateForm::showTime);
    connect(m_active, &QCheckBox::toggled, this, [this](bool on) {
        if (m_model.SetActive(on))
            emit edited();
    });
    connect(m_calendar, &QCalendarWidget::activated, this, &FixedDateForm::pickDate);
}

void FixedDateForm::timeEdited(QLineEdit* edit, bool hour)
{
    const OptionalNumber number = OptionalNumberOf(*edit);
    if (!number.valid)
        return;
    if (hour ? m_model.SetHour(number.value) : m_model.SetMinute(number.value))
        emit edited();
}

void FixedDateForm::Load()
{
    const QSignalBlocker blockers[] = {QSignalBlocker(m_event),  QSignalBlocker(m_day),
                                       QSignalBlocker(m_month),  QSignalBlocker(m_year),
                                       QSignalBlocker(m_hour),   QSignalBlocker(m_minute),
                                       QSignalBlocker(m_before), QSignalBlocker(m_after),
                                       QSignalBlocker(m_active), QSignalBlocker(m_calendar)};
    const EditorRecord* record = m_model.Current();
    const EditorRecord empty;
    const EditorRecord& shown = record ? *record : empty;
    for (QWidget* field : std::initializer_list<QWidget*>{m_event, m_day, m_month, m_year, m_before, m_after,
                                                          m_active, m_calendar}) {
        field->setEnabled(record != nullptr);
    }
    // Only the full-date format keeps a time.
    const bool timeKept = record && m_model.Format() == EventFileFormat::FullDateEvents;
    m_hour->setEnabled(timeKept);
    m_minute->setEnabled(timeKept);

    m_event->setText(QString::fromStdString(shown.event));
    m_day->setValue(shown.day);
    m_month->setValue(shown.month);
    m_year->setValue(shown.year);
    showTime();
    m_before->setValue(shown.dbefore);
    m_after->setValue(shown.dafter);
    m_active->setChecked(shown.active);
    if (record)
        showDateInCalendar(*record);
}

void FixedDateForm::showTime()
{
    const QSignalBlocker hourBlocker(m_hour);
    const QSignalBlocker minuteBlocker(m_minute);
    const EditorRecord* record = m_model.Current();
    m_hour->setText(record ? OptionalNumberText(record->hour) : QString());
    m_minute->setText(record ? OptionalNumberText(record->minute) : QString());
}

void FixedDateForm::showDateInCalendar(const EditorRecord& record)
{
    // A record without a year is shown in the year the calendar already shows.
    const int year = record.year != 0 ? record.year : m_calendar->yearShown();
    const QDate date(year, record.month, record.day);
    if (date.isValid() && date >= m_calendar->minimumDate() && date <= m_calendar->maximumDate())
        m_calendar->setSelectedDate(date);
}

void FixedDateForm::SetCalendarDate(const QDate& date)
{
    const QSignalBlocker blocker(m_calendar);
    m_calendar->setSelectedDate(date);
}

void FixedDateForm::pickDate(const QDate& date)
{
    TDateRec picked = UnsetDateTime;
    picked.Year = date.year();
    picked.Month = static_cast<std::uint16_t>(date.month());
    picked.Day = static_cast<std::uint16_t>(date.day());
    if (m_model.PickDate(picked)) {
        Load();
        emit edited();
    }
}

} // namespace orvenda
