#pragma once

// "Показать события за период": two dates, the length of the period between
// them, and "Показать", which lays out the main window's event list over the
// period. The figures and the days come from PeriodPresenter and PeriodToShow.

#include "engine/date.h"
#include "events/period.h"

#include <QWidget>

#include <cstdint>
#include <functional>

class QCheckBox;
class QDateEdit;
class QGridLayout;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace orvenda {

class TFormEvtOnPeriod : public QWidget {
    Q_OBJECT
public:
    // `today` sets both pickers; `currentYear` tells the main window's
    // current year when "Показать" is pressed without "учитывать год".
    TFormEvtOnPeriod(TDateRec today, std::function<std::int32_t()> currentYear, QWidget* parent = nullptr);

    void ComputePeriodFigures();
    // Shown, raised and active; where the user last left it, hidden or not.
    void ShowWindow();

signals:
    // "Показать" with valid dates: the main window lays out these days.
    void periodChosen(orvenda::TDateRec from, orvenda::TDateRec to);

private:
    QLabel* AddFigure(QGridLayout* grid, int row, const QString& caption, const QString& name,
                      const QString& start);
    void PickerChanged(QLineEdit* field, QDate date);
    void PrecisionChanged(int precision);
    void BShowClick();
    void ShowFigures();

    PeriodPresenter m_presenter;
    std::function<std::int32_t()> m_currentYear;
    QLineEdit* m_from = nullptr;
    QLineEdit* m_to = nullptr;
    QDateEdit* m_picker1 = nullptr;
    QDateEdit* m_picker2 = nullptr;
    QCheckBox* m_includeYear = nullptr;
    QSpinBox* m_precision = nullptr;
    QLabel* m_years = nullptr;
    QLabel* m_months = nullptr;
    QLabel* m_weeks = nullptr;
    QLabel* m_days = nullptr;
    QLabel* m_period = nullptr;
    QLabel* m_error = nullptr;
};

} // namespace orvenda
