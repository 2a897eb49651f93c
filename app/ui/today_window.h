#pragma once

#include "engine/date.h"

#include <QWidget>

class QLabel;
class QGridLayout;

namespace orvenda {

// A small window with a date, its weekday and the seven rows of the
// Kalachakra panel.
class TodayWindow : public QWidget {
    Q_OBJECT
public:
    TodayWindow(QString programFolder, QWidget* parent = nullptr);

    void ShowDate(TDateRec date);

private:
    QString m_programFolder;
    QLabel* m_dateLabel = nullptr;
    QLabel* m_weekdayLabel = nullptr;
    QGridLayout* m_rows = nullptr;
};

} // namespace orvenda
