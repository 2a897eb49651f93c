#pragma once

// The date calculator's state machine: it reads the input field, keeps the
// accumulated date or day count between steps, writes every step to the calc
// tape and puts the result back into the field. The window only forwards its
// keys and shows what this says; orvenda-cli calc drives the same class.

#include "engine/date.h"
#include "engine/text_output.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvenda {

// A message box the window shows for a refused step.
struct CalcMessage {
    std::string caption; // empty: the program's own title
    std::string text;
};

struct [[nodiscard]] CalcStep {
    // Set when the step was refused; nothing else changed then.
    std::optional<CalcMessage> refused;
    // A "+" or "-" went through: the tape is to be shown (below the calculator
    // the first time) and the field selected, so that the next key replaces it.
    bool showTape = false;
};

enum class CalcOperationKind { None, Sum, Substr, Equal };

class DateCalculator {
public:
    // Steps are written to `tape`, which must outlive the calculator.
    explicit DateCalculator(TextOutput& tape);

    // The input field `ECalc`.
    const std::string& Field() const noexcept { return m_field; }
    void SetField(std::string text) { m_field = std::move(text); }
    // "Сегодня": the field := `now` as day.month.year.
    void SetToday(TDateRec now);

    CalcStep BSumClick();    // "+"
    CalcStep BSubstrClick(); // "-"
    // "=": finishes the pending "+" or "-" on the field, then starts over.
    // A refused input keeps the chain, so the user can correct it.
    CalcStep BResultClick();
    void BEClearClick(); // "C"
    // "Характ-ка": the characteristics report of the date in the field, as a
    // new block of the output.
    CalcStep BKalaClick();

    CalcOperationKind CalcOperation() const noexcept { return m_operation; }
    const std::string& CalcResultText() const noexcept { return m_resultText; }
    // All fields zero while no date is held.
    TDateRec CalcDate() const noexcept { return m_date; }
    std::int64_t CalcDays() const noexcept { return m_days; }

private:
    CalcStep step(CalcOperationKind sign);
    void reset();

    TextOutput& m_tape;
    std::string m_field;
    CalcOperationKind m_operation = CalcOperationKind::None;
    std::string m_resultText;
    TDateRec m_date = ZeroDate;
    std::int64_t m_days = 0;
};

// The box after an input that is neither a date nor a whole number.
CalcMessage InvalidValueMessage();

} // namespace orvenda
