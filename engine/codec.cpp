#include "engine/codec.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <utility>

namespace orvenda {

namespace {

// Code points of the bytes 0x80..0xFF of Windows-1251. The code page leaves
// 0x98 unassigned; it maps to U+0098 so that any byte read can be written back.
constexpr std::array<char16_t, 128> kCp1251High = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // B8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, // C0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, // C8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, // D0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F, // D8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, // E0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, // E8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447, // F0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F, // F8
};

// The UTF-8 form of each byte of Windows-1251, packed for one four-byte
// store: the bytes of the character from the lowest address up (one for
// ASCII, two or three for the rest, all of which lies below U+10000) and
// their count in the top byte. The store also writes that count after the
// character, where the next character or the end of the text covers it.
static_assert(std::endian::native == std::endian::little, "the packed form assumes little-endian stores");

constexpr std::array<std::uint32_t, 256> MakeCp1251Utf8()
{
    std::array<std::uint32_t, 256> table{};
    for (std::size_t b = 0; b < table.size(); ++b) {
        const char32_t cp = b < 0x80 ? static_cast<char32_t>(b) : kCp1251High[b - 0x80];
        std::uint32_t packed = 0;
        if (cp < 0x80) {
            packed = cp | (1u << 24);
        } else if (cp < 0x800) {
            packed = (0xC0 | (cp >> 6)) | ((0x80 | (cp & 0x3F)) << 8) | (2u << 24);
        } else {
            packed = (0xE0 | (cp >> 12)) | ((0x80 | ((cp >> 6) & 0x3F)) << 8) | ((0x80 | (cp & 0x3F)) << 16) |
                     (3u << 24);
        }
        table[b] = packed;
    }
    return table;
}

constexpr std::array<std::uint32_t, 256> kCp1251Utf8 = MakeCp1251Utf8();
// 0xC0 is "А" (D0 90), 0x88 the euro sign (E2 82 AC).
static_assert(kCp1251Utf8[0xC0] == (0xD0u | 0x90u << 8 | 2u << 24));
static_assert(kCp1251Utf8[0x88] == (0xE2u | 0x82u << 8 | 0xACu << 16 | 3u << 24));
static_assert(kCp1251Utf8['A'] == ('A' | 1u << 24));

// Writes the UTF-8 form of `b` at `to` and returns the position after it.
// Always stores four bytes: the caller leaves three bytes of room at the end.
inline char* PutCp1251(char* to, unsigned char b) noexcept
{
    const std::uint32_t packed = kCp1251Utf8[b];
    std::memcpy(to, &packed, sizeof packed);
    return to + (packed >> 24);
}

constexpr char32_t kReplacement = 0xFFFD;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

struct Decoded {
    char32_t cp = 0;
    std::size_t length = 1; // bytes consumed, at least 1
    bool valid = false;
};

// Decodes one character at `pos` (< bytes.size()). An invalid sequence
// consumes its longest valid-looking start (at least one byte), so that a
// broken character stands as one replacement, as Unicode recommends.
Decoded DecodeAt(std::string_view bytes, std::size_t pos) noexcept
{
    const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byteAt(pos);
    if (lead < 0x80) {
        return {lead, 1, true};
    }
    std::size_t extra = 0;
    char32_t cp = 0;
    // The range allowed for the second byte excludes overlong forms,
    // surrogates and code points above U+10FFFF.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2;
        cp = lead & 0x0F;
        if (lead == 0xE0) {
            low = 0xA0;
        } else if (lead == 0xED) {
            high = 0x9F;
        }
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3;
        cp = lead & 0x07;
        if (lead == 0xF0) {
            low = 0x90;
        } else if (lead == 0xF4) {
            high = 0x8F;
        }
    } else {
        return {kReplacement, 1, false};
    }
    for (std::size_t k = 1; k <= extra; ++k) {
        if (pos + k >= bytes.size()) {
            return {kReplacement, k, false};
        }
        const unsigned char b = byteAt(pos + k);
        const unsigned char lo = (k == 1) ? low : 0x80;
        const unsigned char hi = (k == 1) ? high : 0xBF;
        if (b < lo || b > hi) {
            return {kReplacement, k, false};
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    return {cp, extra + 1, true};
}

// The Windows-1251 byte of a code point, or -1 when the code page has none.
int Cp1251ByteOf(char32_t cp) noexcept
{
    if (cp < 0x80) {
        return static_cast<int>(cp);
    }
    if (cp >= 0x0410 && cp <= 0x044F) {
        return static_cast<int>(cp - 0x0410 + 0xC0);
    }
    for (std::size_t i = 0; i < 0x40; ++i) {
        if (kCp1251High[i] == cp) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}

void NoteUnmappable(std::string& list, char32_t cp)
{
    std::string ch;
    AppendUtf8(ch, cp);
    // Each character once; the list is short, so a plain search will do.
    std::size_t pos = 0;
    while (pos < list.size()) {
        const Decoded d = DecodeAt(list, pos);
        if (list.compare(pos, d.length, ch) == 0) {
            return;
        }
        pos += d.length;
    }
    list += ch;
}

// UTF-8 text with every invalid sequence replaced by U+FFFD.
std::string SanitizeUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const Decoded d = DecodeAt(bytes, pos);
        if (d.valid) {
            out.append(bytes.substr(pos, d.length));
        } else {
            AppendUtf8(out, kReplacement);
        }
        pos += d.length;
    }
    return out;
}

bool StartsWithMark(std::string_view bytes) noexcept
{
    return bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark;
}

} // namespace

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string Cp1251ToUtf8(std::string_view bytes)
{
    // Every file the program reads passes through here, so the output is sized
    // once: each high byte becomes at most three bytes (plus the room that
    // PutCp1251 needs), and the string is cut to what was written.
    std::size_t high = 0;
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        // The high bits of eight bytes moved to the low bit of each byte;
        // the product sums the eight into its top byte.
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + i, sizeof word);
        const std::uint64_t ones = (word >> 7) & 0x0101010101010101ULL;
        high += static_cast<std::size_t>((ones * 0x0101010101010101ULL) >> 56);
    }
    for (; i < bytes.size(); ++i) {
        high += static_cast<unsigned char>(bytes[i]) >> 7;
    }
    std::string out;
    if (high == 0) {
        out.assign(bytes);
        return out;
    }
    out.resize(bytes.size() + 2 * high + 3);
    char* to = out.data();
    const char* from = bytes.data();
    const char* const end = from + bytes.size();
    constexpr std::size_t kWord = 8;
    while (static_cast<std::size_t>(end - from) >= kWord) {
        // Eight plain ASCII bytes (numbers, blanks, line ends) are copied as they are.
        std::uint64_t word;
        std::memcpy(&word, from, kWord);
        if ((word & 0x8080808080808080ULL) == 0) {
            std::memcpy(to, from, kWord);
            to += kWord;
        } else {
            for (std::size_t k = 0; k < kWord; ++k) {
                to = PutCp1251(to, static_cast<unsigned char>(from[k]));
            }
        }
        from += kWord;
    }
    while (from != end) {
        to = PutCp1251(to, static_cast<unsigned char>(*from++));
    }
    out.resize(static_cast<std::size_t>(to - out.data()));
    return out;
}

EncodedText Utf8ToCp1251(std::string_view utf8)
{
    EncodedText result;
    result.bytes.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const Decoded d = DecodeAt(utf8, pos);
        const int b = d.valid ? Cp1251ByteOf(d.cp) : -1;
        if (b >= 0) {
            result.bytes += static_cast<char>(b);
        } else {
            result.bytes += '?';
            NoteUnmappable(result.unmappable, d.cp);
        }
        pos += d.length;
    }
    return result;
}

bool IsValidUtf8(std::string_view bytes) noexcept
{
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const Decoded d = DecodeAt(bytes, pos);
        if (!d.valid) {
            return false;
        }
        pos += d.length;
    }
    return true;
}

TextEncoding DetectEncoding(std::string_view bytes) noexcept
{
    if (StartsWithMark(bytes)) {
        return TextEncoding::Utf8Bom;
    }
    bool nonAscii = false;
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            nonAscii = true;
            break;
        }
    }
    // Plain ASCII is taken as Windows-1251 so that it is written back the
    // way the program writes its own files.
    return (nonAscii && IsValidUtf8(bytes)) ? TextEncoding::Utf8 : TextEncoding::Windows1251;
}

bool OpeningSettlesWindows1251(std::string_view opening) noexcept
{
    if (StartsWithMark(opening)) {
        return false;
    }
    std::size_t end = opening.size();
    while (end > 0 && static_cast<unsigned char>(opening[end - 1]) >= 0x80) {
        --end;
    }
    return !IsValidUtf8(opening.substr(0, end));
}

std::string DecodeText(std::string_view bytes, TextEncoding encoding)
{
    if (encoding == TextEncoding::Windows1251) {
        return Cp1251ToUtf8(bytes);
    }
    if (StartsWithMark(bytes)) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    // Inside the program text is always valid UTF-8, even when the caller
    // names the wrong encoding.
    return SanitizeUtf8(bytes);
}

EncodedText EncodeText(std::string_view utf8, TextEncoding encoding)
{
    if (encoding == TextEncoding::Windows1251) {
        return Utf8ToCp1251(utf8);
    }
    EncodedText result;
    if (encoding == TextEncoding::Utf8Bom) {
        result.bytes = kByteOrderMark;
    }
    result.bytes.reserve(result.bytes.size() + utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const Decoded d = DecodeAt(utf8, pos);
        if (d.valid) {
            result.bytes.append(utf8.substr(pos, d.length));
        } else {
            result.bytes += '?';
            NoteUnmappable(result.unmappable, kReplacement);
        }
        pos += d.length;
    }
    return result;
}

LineReader::LineReader(std::string text) : m_text(std::move(text)) {}

bool LineReader::ReadLine(std::string& line, std::size_t maxChars)
{
    if (AtEnd()) {
        return false;
    }
    // A limit of 0 would never move on; one character is the least piece.
    if (maxChars == 0) {
        maxChars = 1;
    }
    const std::string_view rest = Remaining();
    const std::size_t feed = rest.find('\n');
    std::string_view content = rest.substr(0, feed);
    std::size_t consumed = (feed == std::string_view::npos) ? rest.size() : feed + 1;
    if (feed != std::string_view::npos && !content.empty() && content.back() == '\r') {
        content.remove_suffix(1);
    }
    // A line of no more bytes than the limit has no more characters either;
    // otherwise walk at most maxChars characters, so a long line costs its
    // limit, not its length.
    std::size_t bytes = content.size() <= maxChars ? content.size() : 0;
    std::size_t chars = 0;
    while (bytes < content.size()) {
        if ((static_cast<unsigned char>(content[bytes]) & 0xC0) != 0x80) {
            if (chars == maxChars) {
                break;
            }
            ++chars;
        }
        ++bytes;
    }
    if (bytes < content.size()) {
        content = content.substr(0, bytes);
        consumed = bytes;
    }
    line.assign(content);
    m_pos += consumed;
    return true;
}

void LineReader::Skip(std::size_t bytes) noexcept
{
    const std::size_t left = m_text.size() - m_pos;
    m_pos += (bytes < left) ? bytes : left;
}

} // namespace orvenda
