#pragma once

// The date calculator "Калькулятор дат": an input field, a keypad and the
// four operations over dates and whole numbers of days, the characteristics
// report of a date, the month calendar and the desktop's own calculator. The
// steps and the report are printed through a TextOutput (the text editor
// window); the rules live in DateCalculator.

#include "engine/date.h"
#include "tools/calculator/date_calculator.h"

#include <QDate>
#include <QWidget>

#include <functional>

class QLineEdit;
class QPushButton;

namespace orvenda {

class Questions;
class TextOutput;

// The calculator programs of the usual desktops, in the order they are looked for.
inline constexpr const char* kDesktopCalculators[] = {"gnome-calculator", "kcalc", "galculator", "mate-calc",
                                                      "xcalc"};

class TFormCalculator : public QWidget {
    Q_OBJECT
public:
    // Seams: where the steps are printed, where messages go, the clock for
    // "Сегодня", and how a program is started (true when it started).
    using ProgramStarter = std::function<bool(const QString& program)>;
    TFormCalculator(TextOutput& output, Questions& questions, std::function<TDateRec()> now,
                    QWidget* parent = nullptr);

    void SetProgramStarter(ProgramStarter starter) { m_startProgram = std::move(starter); }

    // The month calendar's pick: day, month and year without leading zeros.
    void SetPickedDate(QDate date);
    // Shown, raised and active; where the user last left it, hidden or not.
    void ShowWindow();

    const DateCalculator& Calculator() const noexcept { return m_calc; }

signals:
    // "Календарь": the calendar is to be shown for the calculator.
    void calendarRequested();
    // A step was printed: the output window, when hidden, is to be shown
    // right below `frame` (the calculator's frame geometry).
    void outputBelowRequested(const QRect& frame);
    // The characteristics report was printed: the output window is to be shown.
    void outputRequested();

private:
    QPushButton* AddButton(const QString& name, const QString& text, int pixelSize, bool bold);
    void KeyClick(const QString& key);
    void BTodayClick();
    void BKalaClick();
    void BSysCalcClick();
    void BSumClick();
    void BSubstrClick();
    void BResultClick();
    void BEClearClick();
    // After a step: the message of a refused one, or the output and the selected field.
    void Finish(const CalcStep& step);
    void ShowRefusal(const CalcMessage& message);

    DateCalculator m_calc;
    Questions& m_questions;
    std::function<TDateRec()> m_now;
    ProgramStarter m_startProgram;
    QLineEdit* m_field = nullptr;
};

} // namespace orvenda
