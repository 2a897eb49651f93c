#include "engine/date_format.h"

#include "engine/utf8.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <utility>

namespace orvenda {

namespace {

// The decimal digits of value (with "-" when negative), with "0" in front up
// to `width` characters: Pad(std::to_string(value), "0", width, "right"),
// written straight into `out` because every date shown passes through here.
void AppendPadded(std::string& out, long long value, int width)
{
    char digits[24];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
    const auto length = static_cast<int>(end - digits);
    if (length < width) {
        out.append(static_cast<std::size_t>(width - length), '0');
    }
    out.append(digits, end);
}

void AppendNumber(std::string& out, long long value)
{
    AppendPadded(out, value, 0);
}

std::string Padded(long long value, int width)
{
    std::string out;
    AppendPadded(out, value, width);
    return out;
}

void AppendTime(std::string& out, TDateRec date)
{
    AppendPadded(out, date.Hour, 2);
    out += ':';
    AppendPadded(out, date.Minute, 2);
    out += ':';
    AppendPadded(out, date.Second, 2);
}

std::string TimeText(TDateRec date)
{
    std::string out;
    AppendTime(out, date);
    return out;
}

// "d.m.y", with "-" in front for years before year 1.
std::string ShortDateText(TDateRec date)
{
    std::string out = date.Year < 0 ? "-" : "";
    return out + Padded(date.Day, 2) + "." + Padded(date.Month, 2) + "." + Padded(date.Year % 100, 2);
}

// The piece of one pattern letter; false when the character is no letter of the pattern.
bool AppendPiece(std::string& out, TDateRec date, char letter)
{
    switch (letter) {
    case 'd':
        AppendPadded(out, date.Day, 2);
        break;
    case 'e':
        AppendNumber(out, date.Day);
        break;
    case 'm':
        AppendPadded(out, date.Month, 2);
        break;
    case 'y':
        AppendPadded(out, date.Year % 100, 2);
        break;
    case 'Y':
        AppendNumber(out, date.Year);
        break;
    case 'H':
        AppendNumber(out, date.Hour);
        break;
    case 'I':
        out += Padded(date.Hour > 12 ? date.Hour - 12 : date.Hour, 2);
        break;
    case 'M':
        AppendPadded(out, date.Minute, 2);
        break;
    case 'S':
        AppendPadded(out, date.Second, 2);
        break;
    case 'N':
        out += std::to_string(date.Millisecond);
        break;
    case 'p':
        out += date.Hour > 12 ? "PM" : "AM";
        break;
    case 'P':
        out += date.Hour > 12 ? "pm" : "am";
        break;
    case 'j':
        out += Padded(DayOfYear(date), 3);
        break;
    case 'u':
        out += std::to_string(WeekdayNumber(date, "monday"));
        break;
    case 'V':
        out += Padded(WeekOfYear(date), 2);
        break;
    case 'W':
        out += Padded(WeekCount(date), 2);
        break;
    case 'C':
        out += std::to_string(CenturyOfYear(date.Year));
        break;
    case 'A':
        out += WeekdayName(date, WeekdayForm::RussianShort);
        break;
    case 'a':
        out += WeekdayName(date, WeekdayForm::Russian);
        break;
    case 'B':
        out += MonthName(date.Month, MonthForm::Genitive);
        break;
    case 'b':
        out += MonthName(date.Month, MonthForm::RussianShort);
        break;
    case 'D':
        out += ShortDateText(date);
        break;
    case 'T':
        out += TimeText(date);
        break;
    case 'c':
        out += ShortDateText(date) + " " + TimeText(date);
        break;
    case 'F':
        out += WeekdayName(date, WeekdayForm::English) + " " + ShortDateText(date);
        break;
    case 'z':
        AppendNumber(out, date.Year);
        out += '.';
        AppendPadded(out, date.Month, 2);
        out += '.';
        AppendPadded(out, date.Day, 2);
        out += '_';
        AppendTime(out, date);
        out += ':';
        AppendPadded(out, date.Millisecond, 3);
        break;
    case 'Z':
        out += Padded(date.Day, 2) + "." + Padded(date.Month, 2) + "." + std::to_string(date.Year) + " " +
               TimeText(date) + ":" + Padded(date.Millisecond, 3);
        break;
    case 'n':
        out += '\n';
        break;
    default:
        return false;
    }
    return true;
}

} // namespace

std::string FormatDate(TDateRec date, std::string_view pattern)
{
    std::string out;
    std::size_t pos = 0;
    while (pos < pattern.size()) {
        if (pattern[pos] == '\\') {
            ++pos;
            if (pos < pattern.size()) {
                const std::size_t len = Utf8CharBytes(pattern, pos);
                out.append(pattern.substr(pos, len));
                pos += len;
            }
            continue;
        }
        if (AppendPiece(out, date, pattern[pos])) {
            ++pos;
            continue;
        }
        const std::size_t len = Utf8CharBytes(pattern, pos);
        out.append(pattern.substr(pos, len));
        pos += len;
    }
    return out;
}

TDateRec ReadDate(std::string_view text, DateOrder order, TDateRec def)
{
    constexpr std::size_t kFields = 7;
    constexpr std::int64_t kRunMax = std::numeric_limits<std::int32_t>::max();
    // The characters that end a run of digits, looked up for every
    // character: a refresh reads a date from every full-date record.
    static constexpr std::array<bool, 256> kSeparator = [] {
        std::array<bool, 256> table{};
        for (const unsigned char c : std::string_view(" ,./:_")) {
            table[c] = true;
        }
        return table;
    }();

    std::array<std::int64_t, kFields> runs{};
    std::size_t runCount = 0;
    std::int64_t value = 0;
    bool inRun = false;
    bool negative = false;
    const auto endRun = [&] {
        if (inRun && runCount < kFields) {
            runs[runCount++] = value;
        }
        inRun = false;
        value = 0;
    };

    for (char c : text) {
        if (IsAsciiDigit(c)) {
            // value <= kRunMax before this step, so the int64 cannot overflow.
            value = value * 10 + (c - '0');
            inRun = true;
            if (value > kRunMax) {
                TDateRec unreadable = DefaultDate;
                unreadable.Year = 0;
                return unreadable;
            }
        } else if (kSeparator[static_cast<unsigned char>(c)]) {
            endRun();
        } else if (c == '-') {
            negative = !negative;
        }
    }
    endRun();

    TDateRec result = def;
    // Runs are at most INT32_MAX: the year takes them whole, the 16-bit
    // fields keep their low 16 bits.
    const auto field = [](std::int64_t v) { return static_cast<std::uint16_t>(v & 0xFFFF); };
    for (std::size_t i = 0; i < runCount; ++i) {
        const std::int64_t v = runs[i];
        switch (i) {
        case 0:
            if (order == YearFirst) {
                result.Year = static_cast<std::int32_t>(v);
            } else {
                result.Day = field(v);
            }
            break;
        case 1:
            result.Month = field(v);
            break;
        case 2:
            if (order == YearFirst) {
                result.Day = field(v);
            } else {
                result.Year = static_cast<std::int32_t>(v);
            }
            break;
        case 3:
            result.Hour = field(v);
            break;
        case 4:
            result.Minute = field(v);
            break;
        case 5:
            result.Second = field(v);
            break;
        default:
            result.Millisecond = field(v);
            break;
        }
    }
    if (negative) {
        // The default's year may be INT32_MIN, whose negation does not fit.
        result.Year = result.Year == std::numeric_limits<std::int32_t>::min()
                          ? std::numeric_limits<std::int32_t>::max()
                          : -result.Year;
    }
    return result;
}

TDateRec ReadYMD(std::string_view text)
{
    return ReadDate(text, YearFirst, DefaultDate);
}

} // namespace orvenda
