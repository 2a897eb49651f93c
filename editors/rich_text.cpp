#include "editors/rich_text.h"

#include "engine/codec.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>

namespace orvenda {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kLineSeparator = 0x2028;
constexpr char32_t kObjectReplacement = 0xFFFC;

// The next code point of `text` from `pos`, moving `pos` past it; an invalid
// sequence gives U+FFFD for its first byte.
char32_t nextCodePoint(std::string_view text, std::size_t& pos)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || pos + static_cast<std::size_t>(length) > text.size()) {
        ++pos;
        return kReplacement;
    }
    char32_t cp = lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        const unsigned char next = byte(pos + static_cast<std::size_t>(i));
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return kReplacement;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    pos += static_cast<std::size_t>(length);
    return cp;
}

// ---------------------------------------------------------------- writing

void writeUnicodeEscape(std::string& out, char32_t unit)
{
    // \uN takes a signed 16-bit number; "?" is the fallback for readers
    // without Unicode (\uc1).
    const int n = unit > 0x7FFF ? static_cast<int>(unit) - 0x10000 : static_cast<int>(unit);
    out += "\\u" + std::to_string(n) + "?";
}

void writeEscaped(std::string& out, std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        const char32_t cp = nextCodePoint(text, pos);
        switch (cp) {
        case '\\':
        case '{':
        case '}':
            out += '\\';
            out += static_cast<char>(cp);
            continue;
        case '\n':
            out += "\\par\n";
            continue;
        case '\t':
            out += "\\tab ";
            continue;
        case kLineSeparator:
            out += "\\line ";
            continue;
        case kObjectReplacement:
            continue;
        default:
            break;
        }
        if (cp < 0x20 || cp == 0x7F) {
            continue;
        }
        if (cp < 0x80) {
            out += static_cast<char>(cp);
            continue;
        }
        const EncodedText single = Utf8ToCp1251(text.substr(start, pos - start));
        if (single.complete() && single.bytes.size() == 1) {
            const auto b = static_cast<unsigned char>(single.bytes[0]);
            out += "\\'";
            out += kHex[b >> 4];
            out += kHex[b & 0xF];
        } else if (cp > 0xFFFF) {
            writeUnicodeEscape(out, 0xD800 + ((cp - 0x10000) >> 10));
            writeUnicodeEscape(out, 0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            writeUnicodeEscape(out, cp);
        }
    }
}

template <class T> int indexOf(std::vector<T>& table, const T& value)
{
    auto it = std::find(table.begin(), table.end(), value);
    if (it == table.end()) {
        table.push_back(value);
        it = table.end() - 1;
    }
    return static_cast<int>(it - table.begin());
}

// ---------------------------------------------------------------- reading

enum class Destination { Text, FontTable, ColourTable, Skip };

struct ReadState {
    Destination destination = Destination::Text;
    int font = 0;
    int halfPoints = 0;
    int colour = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int unicodeSkip = 1;
};

// Groups whose content is not text of the document.
bool isSkippedDestination(std::string_view word)
{
    static constexpr std::array<std::string_view, 28> kSkipped = {
        "info",         "stylesheet", "pict",      "header",     "headerl",           "headerr",
        "headerf",      "footer",     "footerl",   "footerr",    "footerf",           "object",
        "fldinst",      "xe",         "tc",        "listtable",  "listoverridetable", "revtbl",
        "rsidtbl",      "filetbl",    "generator", "nonshppict", "themedata",         "colorschememapping",
        "latentstyles", "datastore",  "footnote",  "annotation"};
    return std::find(kSkipped.begin(), kSkipped.end(), word) != kSkipped.end();
}

class RtfReader {
public:
    explicit RtfReader(std::string_view rtf) : m_rtf(rtf) {}

    RichText Read()
    {
        while (m_pos < m_rtf.size() && !m_finished) {
            const char c = m_rtf[m_pos++];
            if (c == '{') {
                openGroup();
            } else if (c == '}') {
                closeGroup();
            } else if (c == '\\') {
                control();
            } else if (c == '\r' || c == '\n') {
                // Line ends in the file are not text.
            } else {
                --m_pos;
                const char32_t cp = nextCodePoint(m_rtf, m_pos);
                if (!skipFallback()) {
                    text(cp);
                }
            }
        }
        flushHighSurrogate();
        return std::move(m_runs);
    }

private:
    static constexpr std::size_t kMaxDepth = 256;

    ReadState& state() { return m_stack.back(); }

    void openGroup()
    {
        m_skip = 0;
        if (m_stack.size() >= kMaxDepth || state().destination == Destination::Skip) {
            // Too deep or inside skipped content: only counted, so that the
            // closing braces match.
            ++m_uncounted;
            return;
        }
        m_stack.push_back(state());
    }

    void closeGroup()
    {
        m_skip = 0;
        if (m_uncounted > 0) {
            --m_uncounted;
            return;
        }
        if (m_stack.size() <= 1) {
            m_finished = true;
            return;
        }
        const Destination left = state().destination;
        m_stack.pop_back();
        if (left == Destination::FontTable && state().destination != Destination::FontTable) {
            finishFont();
        }
    }

    void control()
    {
        if (m_pos >= m_rtf.size()) {
            return;
        }
        const char c = m_rtf[m_pos];
        if (!isAsciiLetter(c)) {
            ++m_pos;
            symbol(c);
            return;
        }
        const std::size_t start = m_pos;
        while (m_pos < m_rtf.size() && isAsciiLetter(m_rtf[m_pos]) && m_pos - start < 32) {
            ++m_pos;
        }
        const std::string_view word = m_rtf.substr(start, m_pos - start);
        std::optional<int> parameter;
        bool negative = false;
        if (m_pos < m_rtf.size() && m_rtf[m_pos] == '-') {
            negative = true;
            ++m_pos;
        }
        long long value = 0;
        std::size_t digits = 0;
        while (m_pos < m_rtf.size() && m_rtf[m_pos] >= '0' && m_rtf[m_pos] <= '9') {
            if (digits++ < 10) {
                value = value * 10 + (m_rtf[m_pos] - '0');
            }
            ++m_pos;
        }
        if (digits > 0) {
            value = std::min(value, 1'000'000'000LL);
            parameter = static_cast<int>(negative ? -value : value);
        }
        if (m_pos < m_rtf.size() && m_rtf[m_pos] == ' ') {
            ++m_pos;
        }
        controlWord(word, parameter);
    }

    static bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

    void symbol(char c)
    {
        switch (c) {
        case '\\':
        case '{':
        case '}':
            if (!skipFallback()) {
                text(static_cast<unsigned char>(c));
            }
            break;
        case '*':
            state().destination = Destination::Skip;
            break;
        case '\'':
            hexCharacter();
            break;
        case '~':
            text(0x00A0);
            break;
        case '_':
            text(0x2011);
            break;
        case '\r':
        case '\n':
            text('\n');
            break;
        default:
            // \- (optional hyphen), \| and the like show nothing.
            break;
        }
    }

    void hexCharacter()
    {
        int value = 0;
        for (int i = 0; i < 2; ++i) {
            if (m_pos >= m_rtf.size()) {
                return;
            }
            const char h = m_rtf[m_pos];
            const int digit = h >= '0' && h <= '9'   ? h - '0'
                              : h >= 'a' && h <= 'f' ? h - 'a' + 10
                              : h >= 'A' && h <= 'F' ? h - 'A' + 10
                                                     : -1;
            if (digit < 0) {
                return;
            }
            value = value * 16 + digit;
            ++m_pos;
        }
        if (skipFallback()) {
            return;
        }
        const char byte = static_cast<char>(value);
        const std::string utf8 = Cp1251ToUtf8(std::string_view(&byte, 1));
        std::size_t pos = 0;
        text(nextCodePoint(utf8, pos));
    }

    bool skipFallback()
    {
        if (m_skip > 0) {
            --m_skip;
            return true;
        }
        return false;
    }

    void controlWord(std::string_view word, std::optional<int> parameter)
    {
        ReadState& s = state();
        const int n = parameter.value_or(1);
        if (word == "fonttbl") {
            s.destination = Destination::FontTable;
        } else if (word == "colortbl") {
            s.destination = Destination::ColourTable;
        } else if (isSkippedDestination(word)) {
            s.destination = Destination::Skip;
        } else if (s.destination == Destination::FontTable) {
            if (word == "f") {
                finishFont();
                m_fontEntry = n;
            }
        } else if (s.destination == Destination::ColourTable) {
            const int component = std::clamp(n, 0, 255);
            if (word == "red") {
                m_colourEntry.Red = static_cast<std::uint8_t>(component);
            } else if (word == "green") {
                m_colourEntry.Green = static_cast<std::uint8_t>(component);
            } else if (word == "blue") {
                m_colourEntry.Blue = static_cast<std::uint8_t>(component);
            } else {
                return;
            }
            m_colourSet = true;
        } else if (s.destination == Destination::Text) {
            textControlWord(s, word, parameter, n);
        }
    }

    void textControlWord(ReadState& s, std::string_view word, std::optional<int> parameter, int n)
    {
        if (word == "u") {
            unicode(n);
            return;
        }
        m_skip = 0;
        if (word == "par" || word == "sect" || word == "page") {
            text('\n');
        } else if (word == "line") {
            text(kLineSeparator);
        } else if (word == "tab") {
            text('\t');
        } else if (word == "emdash") {
            text(0x2014);
        } else if (word == "endash") {
            text(0x2013);
        } else if (word == "lquote") {
            text(0x2018);
        } else if (word == "rquote") {
            text(0x2019);
        } else if (word == "ldblquote") {
            text(0x201C);
        } else if (word == "rdblquote") {
            text(0x201D);
        } else if (word == "bullet") {
            text(0x2022);
        } else if (word == "deff") {
            m_defaultFont = n;
            s.font = n;
        } else if (word == "plain") {
            const ReadState kept = s;
            s = ReadState{};
            s.destination = kept.destination;
            s.unicodeSkip = kept.unicodeSkip;
            s.font = m_defaultFont;
        } else if (word == "f") {
            s.font = n;
        } else if (word == "fs") {
            s.halfPoints = std::clamp(parameter.value_or(0), 0, 3276);
        } else if (word == "cf") {
            s.colour = n;
        } else if (word == "b") {
            s.bold = n != 0;
        } else if (word == "i") {
            s.italic = n != 0;
        } else if (word == "ul") {
            s.underline = n != 0;
        } else if (word == "ulnone") {
            s.underline = false;
        } else if (word == "strike") {
            s.strikeOut = n != 0;
        } else if (word == "uc") {
            s.unicodeSkip = std::clamp(n, 0, 16);
        }
    }

    void unicode(int n)
    {
        const char32_t unit = static_cast<char32_t>(n < 0 ? n + 0x10000 : n) & 0xFFFF;
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            flushHighSurrogate();
            m_highSurrogate = unit;
        } else if (unit >= 0xDC00 && unit <= 0xDFFF && m_highSurrogate != 0) {
            const char32_t cp = 0x10000 + ((m_highSurrogate - 0xD800) << 10) + (unit - 0xDC00);
            m_highSurrogate = 0;
            text(cp);
        } else {
            text(unit);
        }
        m_skip = state().unicodeSkip;
    }

    void flushHighSurrogate()
    {
        if (m_highSurrogate != 0) {
            m_highSurrogate = 0;
            text(kReplacement);
        }
    }

    void text(char32_t cp)
    {
        // Lone surrogates from \uN have no UTF-8 form.
        if (cp >= 0xD800 && cp <= 0xDFFF)
            cp = kReplacement;
        std::string utf8;
        AppendUtf8(utf8, cp);
        textBytes(utf8);
    }

    void textBytes(std::string_view utf8)
    {
        ReadState& s = state();
        if (s.destination == Destination::FontTable) {
            if (utf8 == ";") {
                finishFont();
            } else {
                m_fontName += utf8;
            }
            return;
        }
        if (s.destination == Destination::ColourTable) {
            if (utf8 == ";") {
                m_colours.push_back(m_colourSet ? std::optional<Rgb>(m_colourEntry) : std::nullopt);
                m_colourEntry = {};
                m_colourSet = false;
            }
            return;
        }
        if (s.destination != Destination::Text) {
            return;
        }
        if (m_highSurrogate != 0) {
            flushHighSurrogate();
        }
        TextStyle style;
        if (const auto face = m_fonts.find(s.font); face != m_fonts.end()) {
            style.Face = face->second;
        }
        style.HalfPoints = s.halfPoints;
        if (s.colour > 0 && static_cast<std::size_t>(s.colour) < m_colours.size()) {
            style.Colour = m_colours[static_cast<std::size_t>(s.colour)];
        }
        style.Bold = s.bold;
        style.Italic = s.italic;
        style.Underline = s.underline;
        style.StrikeOut = s.strikeOut;
        if (m_runs.empty() || m_runs.back().Style != style) {
            m_runs.push_back(TextRun{std::move(style), {}});
        }
        m_runs.back().Text += utf8;
    }

    void finishFont()
    {
        if (m_fontEntry >= 0) {
            const std::size_t first = m_fontName.find_first_not_of(' ');
            const std::size_t last = m_fontName.find_last_not_of(' ');
            m_fonts[m_fontEntry] =
                first == std::string::npos ? "" : m_fontName.substr(first, last - first + 1);
        }
        m_fontEntry = -1;
        m_fontName.clear();
    }

    std::string_view m_rtf;
    std::size_t m_pos = 0;
    bool m_finished = false;
    std::vector<ReadState> m_stack{ReadState{}};
    std::size_t m_uncounted = 0;
    int m_skip = 0;
    char32_t m_highSurrogate = 0;
    int m_defaultFont = 0;
    std::map<int, std::string> m_fonts;
    int m_fontEntry = -1;
    std::string m_fontName;
    std::vector<std::optional<Rgb>> m_colours;
    Rgb m_colourEntry;
    bool m_colourSet = false;
    RichText m_runs;
};

} // namespace

std::string WriteRtf(const RichText& text)
{
    std::vector<std::string> faces;
    std::vector<Rgb> colours;
    std::string body;
    for (const TextRun& run : text) {
        if (run.Text.empty()) {
            continue;
        }
        const TextStyle& s = run.Style;
        std::string face = s.Face;
        std::erase(face, ';');
        body += "\\plain\\f" + std::to_string(indexOf(faces, face));
        if (s.HalfPoints > 0) {
            body += "\\fs" + std::to_string(s.HalfPoints);
        }
        if (s.Colour) {
            // Entry 0 of the table is the automatic colour.
            body += "\\cf" + std::to_string(indexOf(colours, *s.Colour) + 1);
        }
        body += s.Bold ? "\\b" : "";
        body += s.Italic ? "\\i" : "";
        body += s.Underline ? "\\ul" : "";
        body += s.StrikeOut ? "\\strike" : "";
        body += ' ';
        writeEscaped(body, run.Text);
    }
    if (faces.empty()) {
        faces.emplace_back();
    }

    std::string rtf = "{\\rtf1\\ansi\\ansicpg1251\\deff0\\uc1\n{\\fonttbl";
    for (std::size_t i = 0; i < faces.size(); ++i) {
        rtf += "{\\f" + std::to_string(i) + "\\fnil\\fcharset204 ";
        writeEscaped(rtf, faces[i]);
        rtf += ";}";
    }
    rtf += "}\n";
    if (!colours.empty()) {
        rtf += "{\\colortbl;";
        for (const Rgb& c : colours) {
            rtf += "\\red" + std::to_string(c.Red) + "\\green" + std::to_string(c.Green) + "\\blue" +
                   std::to_string(c.Blue) + ";";
        }
        rtf += "}\n";
    }
    rtf += "\\pard";
    rtf += body;
    rtf += "\n}\n";
    return rtf;
}

std::optional<RichText> ReadRtf(std::string_view rtf)
{
    const std::size_t start = rtf.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos || !rtf.substr(start).starts_with("{\\rtf")) {
        return std::nullopt;
    }
    // The opening brace is the document's own group, the reader's first state.
    return RtfReader(rtf.substr(start + 1)).Read();
}

} // namespace orvenda
