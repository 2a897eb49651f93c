#pragma once

// The month calendar "Календарь": the user picks a date by double-clicking it
// and the date goes to the window that opened the calendar, as named by the
// caller key.

#include <QDate>
#include <QWidget>

#include <string>

class QCalendarWidget;

namespace orvenda {

class TFormCalendar : public QWidget {
    Q_OBJECT
public:
    explicit TFormCalendar(QWidget* parent = nullptr);

    void SetCallerKey(std::string key) { m_callerKey = std::move(key); }
    const std::string& CallerKey() const noexcept { return m_callerKey; }
    void SetDate(QDate date);
    QDate Date() const;

    // What a double click on a day does: hands the date to the caller named
    // by the key, then hides the window.
    void PickDate(QDate date);

signals:
    void mainDatePicked(QDate date);
    void calcDatePicked(QDate date);

private:
    QCalendarWidget* m_calendar = nullptr;
    std::string m_callerKey;
};

} // namespace orvenda
