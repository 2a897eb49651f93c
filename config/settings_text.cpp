#include "config/settings_text.h"

#include "engine/utf8.h"

#include <array>

namespace orvenda {

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

} // namespace orvenda
