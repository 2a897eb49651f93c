#pragma once

// The form tab of the fixed-date layout ("[fixed events]" and "[fixed events
// with full date]"): the event text, the date fields, the time fields (only
// the full-date format keeps them), the notice days, the active box and a
// month calendar whose double click takes its date into the record.

#include "editors/ui/record_form.h"

#include <QDate>

class QCalendarWidget;
class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace orvenda {

class FixedDateForm final : public RecordForm {
    Q_OBJECT
public:
    explicit FixedDateForm(EventFileModel& model, QWidget* parent = nullptr);

    void Load() override;
    // The month the calendar shows when the record has no date of its own.
    void SetCalendarDate(const QDate& date);

private:
    void pickDate(const QDate& date);
    void showDateInCalendar(const EditorRecord& record);
    void timeEdited(QLineEdit* edit, bool hour);
    void showTime();

    QLineEdit* m_event;
    QSpinBox* m_day;
    QSpinBox* m_month;
    QSpinBox* m_year;
    QLineEdit* m_hour;
    QLineEdit* m_minute;
    QSpinBox* m_before;
    QSpinBox* m_after;
    QCheckBox* m_active;
    QCalendarWidget* m_calendar;
};

} // namespace orvenda
