#include "tools/calculator/date_calculator.h"

#include "engine/date_format.h"
#include "engine/day_count.h"
#include "engine/numbers.h"
#include "engine/utf8.h"
#include "tools/calculator/characteristics.h"

#include <limits>
#include <variant>

namespace orvenda {

namespace {

const char* const kInvalidCaption = "Неверное значение";

// The field holds a date, a whole number of days, or neither.
struct NotAValue {};
using Input = std::variant<TDateRec, std::int64_t, NotAValue>;

Input readInput(std::string_view text)
{
    const TDateRec date = ReadDate(text, DayFirst, ZeroDate);
    if (IsValidDate(date))
        return date;
    if (const std::optional<std::int64_t> n = ParseInt64(Trim(text)))
        return *n;
    return NotAValue{};
}

bool holdsDate(TDateRec date) noexcept
{
    return IsValidDate(date);
}

// A result beyond the years a date can hold, or a day count beyond 64 bits.
CalcMessage outOfRangeMessage()
{
    return {kInvalidCaption, "Слишком большое значение:\nрезультат выходит за допустимые пределы."};
}

std::optional<std::int64_t> checkedSum(std::int64_t a, std::int64_t b) noexcept
{
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        return std::nullopt;
    return sum;
}

std::optional<std::int64_t> checkedDifference(std::int64_t a, std::int64_t b) noexcept
{
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(a, b, &difference))
        return std::nullopt;
    return difference;
}

std::string dateText(TDateRec date)
{
    return FormatDate(date, "d.m.Y");
}

} // namespace

CalcMessage InvalidValueMessage()
{
    return {kInvalidCaption,
            "Допустимые значения:\n1) Дата (в формате День.Месяц.Год)\n2) Целое число (дни)"};
}

DateCalculator::DateCalculator(TextOutput& tape) : m_tape(tape) {}

void DateCalculator::SetToday(TDateRec now)
{
    m_field = dateText(now);
}

CalcStep DateCalculator::BSumClick()
{
    return step(CalcOperationKind::Sum);
}

CalcStep DateCalculator::BSubstrClick()
{
    return step(CalcOperationKind::Substr);
}

CalcStep DateCalculator::step(CalcOperationKind sign)
{
    const Input input = readInput(m_field);
    if (std::holds_alternative<NotAValue>(input))
        return {InvalidValueMessage(), false};

    // The new state is worked out first and taken over only when every part
    // of it is in range, so that a refused step leaves the chain as it was.
    TDateRec date = m_date;
    std::int64_t days = m_days;
    std::string line;
    std::string result;
    const bool add = sign == CalcOperationKind::Sum;

    if (const TDateRec* x = std::get_if<TDateRec>(&input)) {
        line = dateText(*x);
        if (holdsDate(date)) {
            if (add) {
                // The years of both dates add up; a sum beyond 32 bits would be clamped.
                const std::int64_t years = std::int64_t{date.Year} + x->Year;
                if (years <= std::numeric_limits<std::int32_t>::min() ||
                    years >= std::numeric_limits<std::int32_t>::max())
                    return {outOfRangeMessage(), false};
                date = AddDateTimes(date, *x);
                days = 0;
                result = dateText(date);
            } else {
                // Date minus date: the signed count, and the date is let go.
                days = DaysFromTo(*x, date);
                date = ZeroDate;
                result = std::to_string(days);
            }
        } else {
            // The count so far moves the date: forward for "+", back for "-".
            const std::optional<std::int64_t> shift =
                add ? std::optional<std::int64_t>(days) : checkedDifference(0, days);
            const std::optional<TDateRec> moved = shift ? ShiftByDays(*x, *shift) : std::nullopt;
            if (!moved)
                return {outOfRangeMessage(), false};
            date = *moved;
            days = 0;
            result = dateText(date);
        }
    } else {
        const std::int64_t n = std::get<std::int64_t>(input);
        line = std::to_string(n);
        if (holdsDate(date)) {
            const std::optional<std::int64_t> shift =
                add ? std::optional<std::int64_t>(n) : checkedDifference(0, n);
            const std::optional<TDateRec> moved = shift ? ShiftByDays(date, *shift) : std::nullopt;
            if (!moved)
                return {outOfRangeMessage(), false};
            date = *moved;
            days = 0;
            result = dateText(date);
        } else {
            std::optional<std::int64_t> count;
            if (add)
                count = checkedSum(days, n);
            else if (m_operation == CalcOperationKind::None)
                count = n; // the first operand of a chain
            else
                count = checkedDifference(days, n);
            if (!count)
                return {outOfRangeMessage(), false};
            days = *count;
            if (!add)
                date = ZeroDate;
            result = std::to_string(days);
        }
    }

    const char* const signText = add ? " + " : " - ";
    switch (m_operation) {
    case CalcOperationKind::None:
        line += signText;
        break;
    case CalcOperationKind::Equal:
        line += " =\n" + result;
        break;
    case CalcOperationKind::Sum:
    case CalcOperationKind::Substr:
        line += " =\n" + result + signText;
        break;
    }

    m_date = date;
    m_days = days;
    m_operation = sign;
    m_tape.AppendLine(line);
    m_resultText = result;
    m_field = result;
    return {std::nullopt, true};
}

CalcStep DateCalculator::BResultClick()
{
    CalcStep done;
    const CalcOperationKind pending = m_operation;
    if (pending == CalcOperationKind::Sum || pending == CalcOperationKind::Substr) {
        m_operation = CalcOperationKind::Equal;
        done = step(pending);
        if (done.refused) {
            m_operation = pending;
            return done;
        }
    }
    reset();
    m_tape.AppendLine("");
    return done;
}

void DateCalculator::BEClearClick()
{
    m_resultText.clear();
    m_field.clear();
    reset();
    m_tape.AppendLine("");
}

void DateCalculator::reset()
{
    m_date = ZeroDate;
    m_days = 0;
    m_operation = CalcOperationKind::None;
}

CalcStep DateCalculator::BKalaClick()
{
    const TDateRec date = ReadDate(m_field, DayFirst, ZeroDate);
    if (!IsValidDate(date))
        return {CalcMessage{"", "Должна быть указана дата!\n" + m_field + "\nНе является датой."}, false};
    m_tape.StartOutputBlock();
    for (const std::string& line : CharacteristicsReport(date))
        m_tape.AppendLine(line);
    return {std::nullopt, true};
}

} // namespace orvenda
