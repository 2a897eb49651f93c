#include "engine/text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

namespace orvenda {

namespace {

bool IsContinuationByte(char c) noexcept
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Bytes of the UTF-8 character that starts at `pos`, never past the end.
std::size_t CharBytesAt(std::string_view text, std::size_t pos) noexcept
{
    std::size_t end = pos + 1;
    while (end < text.size() && IsContinuationByte(text[end])) {
        ++end;
    }
    return end - pos;
}

bool IsDigit(char c) noexcept
{
    return c >= '0' && c <= '9';
}

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
        out += WeekdayName(date, 3);
        break;
    case 'a':
        out += WeekdayName(date, 2);
        break;
    case 'B':
        out += MonthName(date.Month, 3);
        break;
    case 'b':
        out += MonthName(date.Month, 4);
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
        out += WeekdayName(date, 0) + " " + ShortDateText(date);
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
                const std::size_t len = CharBytesAt(pattern, pos);
                out.append(pattern.substr(pos, len));
                pos += len;
            }
            continue;
        }
        if (AppendPiece(out, date, pattern[pos])) {
            ++pos;
            continue;
        }
        const std::size_t len = CharBytesAt(pattern, pos);
        out.append(pattern.substr(pos, len));
        pos += len;
    }
    return out;
}

TDateRec ReadDate(std::string_view text, int order, TDateRec def)
{
    constexpr std::size_t kFields = 7;
    constexpr std::int64_t kRunMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::string_view kSeparators = " ,./:_";

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
        if (IsDigit(c)) {
            // value <= kRunMax before this step, so the int64 cannot overflow.
            value = value * 10 + (c - '0');
            inRun = true;
            if (value > kRunMax) {
                TDateRec unreadable = DefaultDate;
                unreadable.Year = 0;
                return unreadable;
            }
        } else if (kSeparators.find(c) != std::string_view::npos) {
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

std::string Pad(std::string_view text, std::string_view fill, int width, std::string_view alignment)
{
    std::string result(text);
    const std::size_t length = Utf8Length(text);
    if (fill.empty() || width <= 0 || length >= static_cast<std::size_t>(width)) {
        return result;
    }
    const std::string_view unit = Utf8Left(fill, 1);
    const std::size_t missing = static_cast<std::size_t>(width) - length;
    const std::string align = ToLowerAscii(alignment);
    std::size_t before = 0;
    if (align == "left") {
        before = 0;
    } else if (align == "right") {
        before = missing;
    } else if (align == "center") {
        before = missing / 2;
    } else {
        return result;
    }
    std::string out;
    out.reserve(text.size() + missing * unit.size());
    for (std::size_t i = 0; i < before; ++i) {
        out += unit;
    }
    out += text;
    for (std::size_t i = before; i < missing; ++i) {
        out += unit;
    }
    return out;
}

std::size_t Utf8Length(std::string_view text) noexcept
{
    std::size_t count = 0;
    for (char c : text) {
        if (!IsContinuationByte(c)) {
            ++count;
        }
    }
    return count;
}

std::string_view Utf8Left(std::string_view text, std::size_t count) noexcept
{
    std::size_t chars = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (!IsContinuationByte(text[pos])) {
            if (chars == count) {
                break;
            }
            ++chars;
        }
        ++pos;
    }
    return text.substr(0, pos);
}

std::string_view Trim(std::string_view text) noexcept
{
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string ToLowerAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

std::string BoolText(bool b)
{
    return b ? "True" : "False";
}

bool TextToBool(std::string_view s)
{
    const std::string_view t = Trim(s);
    return t == "1" || ToLowerAscii(t) == "true";
}

std::string AlignmentText(int alignment)
{
    switch (alignment) {
    case AlignLeft:
        return "Left";
    case AlignRight:
        return "Right";
    default:
        return "Center";
    }
}

int AlignmentOfText(std::string_view s)
{
    if (s == "Left") {
        return AlignLeft;
    }
    if (s == "Right") {
        return AlignRight;
    }
    return AlignCenter;
}

namespace {

struct StyleName {
    FontStyleFlag flag;
    std::string_view name;
};

// The order in which the words are written.
constexpr std::array<StyleName, 4> kStyleNames = {{
    {FontBold, "Bold"},
    {FontItalic, "Italic"},
    {FontUnderline, "Underline"},
    {FontStrikeOut, "StrikeOut"},
}};

} // namespace

std::string FontStyleText(unsigned styles)
{
    std::string out;
    for (const StyleName& s : kStyleNames) {
        if (styles & s.flag) {
            out += s.name;
            out += '+';
        }
    }
    return out.empty() ? "Plain" : out;
}

unsigned FontStyleOfText(std::string_view s)
{
    if (s == "Plain") {
        return 0;
    }
    unsigned styles = 0;
    while (!s.empty()) {
        const std::size_t plus = s.find('+');
        const std::string_view piece = s.substr(0, plus);
        for (const StyleName& n : kStyleNames) {
            if (piece == n.name) {
                styles |= n.flag;
            }
        }
        if (plus == std::string_view::npos) {
            break;
        }
        s.remove_prefix(plus + 1);
    }
    return styles;
}

std::string KeyOf(std::string_view line)
{
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) {
        return {};
    }
    return std::string(Trim(line.substr(0, eq)));
}

std::string ValueOf(std::string_view line)
{
    constexpr std::size_t kMaxValueChars = 256;
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) {
        return std::string(Trim(line));
    }
    // Cut first, then trim: the limit counts the blanks after "=" too.
    return std::string(Trim(Utf8Left(line.substr(eq + 1), kMaxValueChars)));
}

std::string StripNewline(std::string_view buffer)
{
    if (!buffer.empty() && buffer.back() == '\n') {
        buffer.remove_suffix(1);
        if (!buffer.empty() && buffer.back() == '\r') {
            buffer.remove_suffix(1);
        }
    }
    return std::string(buffer);
}

std::vector<std::string> DigitRuns(std::string_view text, std::string_view separators)
{
    std::vector<std::string> runs;
    std::string run;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t len = CharBytesAt(text, pos);
        const std::string_view ch = text.substr(pos, len);
        if (len == 1 && IsDigit(ch[0])) {
            run += ch[0];
        } else if (separators.find(ch) != std::string_view::npos) {
            if (!run.empty()) {
                runs.push_back(std::move(run));
                run.clear();
            }
        }
        pos += len;
    }
    if (!run.empty()) {
        runs.push_back(std::move(run));
    }
    return runs;
}

std::string ColumnLetter(int n)
{
    if (n < 1 || n > 26) {
        return {};
    }
    return std::string(1, static_cast<char>('A' + n - 1));
}

std::string PluralForm(std::int64_t n, std::string_view one, std::string_view few, std::string_view many)
{
    // |n| as unsigned, so that INT64_MIN has a magnitude too.
    std::uint64_t a = n < 0 ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
    if (a > 100) {
        a %= 100;
    }
    if (a >= 11 && a <= 19) {
        return std::string(many);
    }
    const std::uint64_t last = a % 10;
    if (last == 1) {
        return std::string(one);
    }
    if (last >= 2 && last <= 4) {
        return std::string(few);
    }
    return std::string(many);
}

namespace {

// Magnitude limit is max for positive numbers and max + 1 for negative ones.
std::optional<std::int64_t> ParseSigned(std::string_view text, std::int64_t min, std::int64_t max) noexcept
{
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    const std::uint64_t limit =
        negative ? static_cast<std::uint64_t>(-(min + 1)) + 1 : static_cast<std::uint64_t>(max);
    std::uint64_t value = 0;
    for (char c : text) {
        if (!IsDigit(c)) {
            return std::nullopt;
        }
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (value > (limit - digit) / 10) {
            return std::nullopt;
        }
        value = value * 10 + digit;
    }
    if (!negative) {
        return static_cast<std::int64_t>(value);
    }
    // value <= |min|; -(value - 1) - 1 stays in range for min itself.
    return value == 0 ? 0 : -static_cast<std::int64_t>(value - 1) - 1;
}

} // namespace

std::optional<std::int32_t> ParseInt32(std::string_view text) noexcept
{
    const auto v =
        ParseSigned(text, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());
    if (!v) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(*v);
}

std::optional<std::int64_t> ParseInt64(std::string_view text) noexcept
{
    return ParseSigned(text, std::numeric_limits<std::int64_t>::min(),
                       std::numeric_limits<std::int64_t>::max());
}

double RoundHalfUp(double x) noexcept
{
    const double whole = std::floor(x);
    return (x - whole >= 0.5) ? whole + 1.0 : whole;
}

double RoundTo(double x, int k) noexcept
{
    const double scale = std::pow(10.0, k);
    return RoundHalfUp(x * scale) / scale;
}

double Percent(double whole, double part) noexcept
{
    return part * 100.0 / whole;
}

int MaxOf3(int a, int b, int c) noexcept
{
    const int ab = a > b ? a : b;
    return ab > c ? ab : c;
}

bool AllDigitsSame(std::int64_t n) noexcept
{
    std::uint64_t a = n < 0 ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
    const std::uint64_t digit = a % 10;
    while (a != 0) {
        if (a % 10 != digit) {
            return false;
        }
        a /= 10;
    }
    return true;
}

std::string EscapeControls(std::string_view utf8)
{
    constexpr std::string_view kHex = "0123456789ABCDEF";
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        unsigned code = 0x100; // none
        if (c < 0x20 || c == 0x7F) {
            code = c;
        } else if (c == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(utf8[i + 1]) <= 0x9F) {
            // U+0080..U+009F, the second set of control characters (U+009B
            // starts an escape sequence on many terminals).
            code = static_cast<unsigned char>(utf8[++i]);
        }
        if (code > 0xFF) {
            out += utf8[i];
            continue;
        }
        out += "\\x";
        out += kHex[code >> 4];
        out += kHex[code & 0xF];
    }
    return out;
}

} // namespace orvenda
