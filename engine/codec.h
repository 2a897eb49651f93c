#pragma once

// Text encodings of the program's files. Files are single-byte Windows-1251
// with CR LF line ends; inside the program all text is UTF-8. A file that is
// valid UTF-8 and holds non-ASCII text (as Linux editors write it) is read as
// UTF-8, so that it is not garbled, and the reader says so, so that a writer
// can keep the file's encoding.

#include <cstddef>
#include <string>
#include <string_view>

namespace orvenda {

enum class TextEncoding {
    Windows1251,
    Utf8,    // UTF-8 without a byte-order mark
    Utf8Bom, // UTF-8 with a byte-order mark
};

std::string Cp1251ToUtf8(std::string_view bytes);

struct [[nodiscard]] EncodedText {
    std::string bytes;
    // The distinct characters (UTF-8, in order of first appearance) that the
    // encoding cannot hold; in `bytes` each stands as "?". Invalid UTF-8 input
    // sequences are reported here as U+FFFD.
    std::string unmappable;

    bool complete() const noexcept { return unmappable.empty(); }
};

EncodedText Utf8ToCp1251(std::string_view utf8);

// Appends the UTF-8 bytes of one code point.
void AppendUtf8(std::string& out, char32_t cp);

bool IsValidUtf8(std::string_view bytes) noexcept;
// Utf8Bom when the bytes start with a byte-order mark; Utf8 when they are
// valid UTF-8 with at least one non-ASCII character; else Windows1251.
TextEncoding DetectEncoding(std::string_view bytes) noexcept;
// Whether the opening bytes of a file already settle that DetectEncoding
// would take the whole file for Windows-1251 whatever follows: no byte-order
// mark, and a sequence that is no UTF-8 before their last ASCII byte. No
// character can run across an ASCII byte, so what is no UTF-8 there is none
// in the whole file either.
bool OpeningSettlesWindows1251(std::string_view opening) noexcept;
// Bytes of a file in the given encoding to UTF-8 (a byte-order mark is dropped).
std::string DecodeText(std::string_view bytes, TextEncoding encoding);
// UTF-8 text to the bytes of a file in the given encoding (Utf8Bom adds the mark).
EncodedText EncodeText(std::string_view utf8, TextEncoding encoding);

// Reads decoded (UTF-8) text line by line. A line ends at CR LF or a bare LF;
// the line end is not part of the line. A last line without a line end is a
// line; the end of the text right after a line end is not.
class LineReader {
public:
    static constexpr std::size_t NoLimit = static_cast<std::size_t>(-1);

    explicit LineReader(std::string text);

    // The next line, at most maxChars characters: a longer line is returned in
    // pieces, the remainder counting as the following line. False at the end.
    bool ReadLine(std::string& line, std::size_t maxChars = NoLimit);
    bool AtEnd() const noexcept { return m_pos >= m_text.size(); }

    // Raw access for readers that take numbers across lines.
    std::string_view Remaining() const noexcept { return std::string_view(m_text).substr(m_pos); }
    void Skip(std::size_t bytes) noexcept;
    std::size_t Position() const noexcept { return m_pos; }

private:
    std::string m_text;
    std::size_t m_pos = 0;
};

} // namespace orvenda
