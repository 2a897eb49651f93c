#pragma once

// The period window's rules: the length of a period in years, months, weeks
// and days with a chosen number of decimal places, and the two days over
// which "Показать" lays out the main window's list.

#include "engine/date.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvenda {

inline constexpr int kMinPrecision = 0;
inline constexpr int kMaxPrecision = 9;
inline constexpr int kStartPrecision = 3;

// The tooltip of the precision control: the number, or words at the bounds.
std::string PrecisionHint(int precision);

// The figures as the labels show them.
struct [[nodiscard]] PeriodFigures {
    std::string Years = "0";
    std::string Months = "0";
    std::string Weeks = "0";
    std::string Days = "0";
    std::string Period = "0.0.0"; // years.months.days
};

// The state behind the window's figures, error label and precision control.
class PeriodPresenter {
public:
    // `decimalSeparator` is the system's (the window passes its locale's).
    explicit PeriodPresenter(std::string decimalSeparator = ",");

    // Works the figures out from the two fields (day first, missing parts
    // from 1.1.1); the earlier date counts as the start. Nothing happens
    // while a field is empty; a wrong date sets the error and keeps the
    // figures.
    void ComputePeriodFigures(std::string_view fromText, std::string_view toText);

    // The control stops at its bounds; the figures are computed again by the caller.
    void SetPrecision(int precision);
    int Precision() const noexcept { return m_precision; }
    std::string Hint() const { return PrecisionHint(m_precision); }

    const PeriodFigures& Figures() const noexcept { return m_figures; }
    // "Не верно указана дата!" or empty: the text of `LErr`.
    const std::string& Error() const noexcept { return m_error; }
    // The error of a "Показать" with a wrong date, and its end.
    void SetDateError();
    void ClearError() { m_error.clear(); }

private:
    std::string m_separator;
    int m_precision = kStartPrecision;
    PeriodFigures m_figures;
    std::string m_error;
};

// The figures of the period from..to (from not later than to, both valid).
PeriodFigures PeriodFiguresOf(TDateRec from, TDateRec to, int precision, std::string_view decimalSeparator);

struct [[nodiscard]] PeriodDays {
    TDateRec from;
    TDateRec to;
};

// The days "Показать" lays out: the earlier date first; without
// `includeYear` both take the year of the current day (`currentYear`), so
// only month and day count and a period over the year end lays out nothing.
// nullopt when a field does not hold a valid date.
std::optional<PeriodDays> PeriodToShow(std::string_view fromText, std::string_view toText, bool includeYear,
                                       std::int32_t currentYear);

} // namespace orvenda
