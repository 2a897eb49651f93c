#include "engine/utf8.h"

#include <cstdint>
#include <utility>

namespace orvenda {

namespace {

bool IsContinuationByte(char c) noexcept
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

std::size_t Utf8CharBytes(std::string_view text, std::size_t pos) noexcept
{
    std::size_t end = pos + 1;
    while (end < text.size() && IsContinuationByte(text[end])) {
        ++end;
    }
    return end - pos;
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
        const std::size_t len = Utf8CharBytes(text, pos);
        const std::string_view ch = text.substr(pos, len);
        if (len == 1 && IsAsciiDigit(ch[0])) {
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
