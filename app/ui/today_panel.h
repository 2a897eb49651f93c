#pragma once

// The today panel of the main window: the weekday, the caption "Сегодня" and
// the current day, stacked between the day buttons "<" and ">".

#include "config/config.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace orvenda {

class ClickableLabel;

class TodayPanel : public QWidget {
    Q_OBJECT
public:
    explicit TodayPanel(QWidget* parent = nullptr);

    void ShowDay(const QString& dateText, const QString& weekdayText);
    // The looks of the three captions: "Сегодня", the date, the weekday.
    void ApplyLooks(const TLooks& looks);

signals:
    void previousDay();
    void nextDay();
    void today();
    void dateClicked();
    void dateDoubleClicked();

private:
    QPushButton* m_previous = nullptr;
    QPushButton* m_next = nullptr;
    QLabel* m_weekday = nullptr;
    ClickableLabel* m_todayCaption = nullptr;
    ClickableLabel* m_date = nullptr;
};

} // namespace orvenda
