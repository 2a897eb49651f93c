#include "events/period.h"

#include "engine/date_format.h"
#include "engine/day_count.h"
#include "engine/numbers.h"

#include <algorithm>
#include <charconv>

namespace orvenda {

namespace {

const char* const kDateError = "Не верно указана дата!";

// A floating figure as the labels show it: the whole part, and the fraction
// only when it is not zero, with the given decimal separator.
std::string figureText(double value, std::string_view separator)
{
    char buffer[64];
    // Fifteen significant digits hold every day count of the year range
    // together with the fractions a precision of up to 9 places asks for.
    const std::to_chars_result end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, end.ptr);
    const std::size_t point = text.find('.');
    if (point != std::string::npos)
        text.replace(point, 1, separator);
    return text;
}

// Whole years between the two years, the missing year 0 left out.
std::int64_t yearsBetween(std::int32_t from, std::int32_t to)
{
    std::int64_t years = std::int64_t{to} - from;
    if (from < 0 && to > 0)
        --years;
    return years;
}

bool afterLeapDayOfItsYear(TDateRec date)
{
    return IsLeapYear(date.Year) && date.Month > 2;
}

bool afterFebruary28OfLeapYear(TDateRec date)
{
    return IsLeapYear(date.Year) && (date.Month > 2 || (date.Month == 2 && date.Day > 28));
}

// The length of the year the partial years are measured by: 366 when a leap
// day can lie inside the period, 365 otherwise.
int yearLength(TDateRec from, TDateRec to)
{
    if (afterLeapDayOfItsYear(from)) {
        // From after 29 February its own leap day is behind; only a later
        // leap year that the period reaches past February brings one in.
        return afterFebruary28OfLeapYear(to) && to.Year != from.Year ? 366 : 365;
    }
    return IsLeapYear(from.Year) || afterFebruary28OfLeapYear(to) ? 366 : 365;
}

TDateRec readField(std::string_view text)
{
    return ReadDate(text, DayFirst, DefaultDate);
}

} // namespace

std::string PrecisionHint(int precision)
{
    std::string value = std::to_string(precision);
    if (precision <= kMinPrecision)
        value = "минимальная";
    else if (precision >= kMaxPrecision)
        value = "максимальная";
    return "Точность вычислений: " + value;
}

PeriodFigures PeriodFiguresOf(TDateRec from, TDateRec to, int precision, std::string_view decimalSeparator)
{
    PeriodFigures figures;
    const TDateRec difference = SubtractDateTimes(to, from);
    figures.Period = FormatDate(difference, "Y.m.d");

    const std::int64_t days = DaysFromTo(from, to);
    figures.Days = std::to_string(days);

    const double weeks =
        static_cast<double>(days / 7) + RoundTo(static_cast<double>(days % 7) / 7.0, precision);
    figures.Weeks = figureText(weeks, decimalSeparator);

    const double months = static_cast<double>(std::int64_t{difference.Year} * 12 + difference.Month) +
                          RoundTo(difference.Day / 30.0, precision);
    figures.Months = figureText(months, decimalSeparator);

    std::int64_t whole = 0;
    std::int64_t partDays = days;
    if (from.Year != to.Year) {
        whole = yearsBetween(from.Year, to.Year) - 1;
        partDays = DaysInYear(from.Year) - DayOfYear(from) + DayOfYear(to);
    }
    const double years =
        static_cast<double>(whole) + RoundTo(static_cast<double>(partDays) / yearLength(from, to), precision);
    figures.Years = figureText(years, decimalSeparator);
    return figures;
}

PeriodPresenter::PeriodPresenter(std::string decimalSeparator) : m_separator(std::move(decimalSeparator)) {}

void PeriodPresenter::ComputePeriodFigures(std::string_view fromText, std::string_view toText)
{
    if (fromText.empty() || toText.empty())
        return;
    TDateRec from = readField(fromText);
    TDateRec to = readField(toText);
    if (!IsValidDate(from) || !IsValidDate(to)) {
        m_error = kDateError;
        return;
    }
    if (IsLater(from, to))
        SwapDates(from, to);
    m_error.clear();
    m_figures = PeriodFiguresOf(from, to, m_precision, m_separator);
}

void PeriodPresenter::SetPrecision(int precision)
{
    m_precision = std::clamp(precision, kMinPrecision, kMaxPrecision);
}

void PeriodPresenter::SetDateError()
{
    m_error = kDateError;
}

std::optional<PeriodDays> PeriodToShow(std::string_view fromText, std::string_view toText, bool includeYear,
                                       std::int32_t currentYear)
{
    PeriodDays period{readField(fromText), readField(toText)};
    if (!IsValidDate(period.from) || !IsValidDate(period.to))
        return std::nullopt;
    if (IsLater(period.from, period.to))
        SwapDates(period.from, period.to);
    if (!includeYear) {
        period.from.Year = currentYear;
        period.to.Year = currentYear;
    }
    return period;
}

} // namespace orvenda
