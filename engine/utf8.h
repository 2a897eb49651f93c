#pragma once

// Helpers for UTF-8 texts shared by every subsystem: lengths and cuts,
// padding, trimming, digit runs, Russian plural endings and the quoting of
// text from a file. Lengths, widths and positions count characters (code
// points), not bytes. Nothing throws.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvenda {

constexpr bool IsAsciiDigit(char c) noexcept
{
    return c >= '0' && c <= '9';
}

// Bytes of the UTF-8 character that starts at `pos`, never past the end.
std::size_t Utf8CharBytes(std::string_view text, std::size_t pos) noexcept;
// Number of characters (code points) of a UTF-8 text.
std::size_t Utf8Length(std::string_view text) noexcept;
// The first `count` characters of a UTF-8 text.
std::string_view Utf8Left(std::string_view text, std::size_t count) noexcept;

// Only when text is shorter than width: "left" appends fill, "right"
// prepends it, "center" splits it (compared in lower case); any other
// alignment leaves the text unchanged. fill is one character.
std::string Pad(std::string_view text, std::string_view fill, int width, std::string_view alignment);
// Removes leading and trailing blanks and control characters (code < 32).
std::string_view Trim(std::string_view text) noexcept;
// ASCII letters only; other bytes are kept.
std::string ToLowerAscii(std::string_view text);

// Removes one trailing line feed (and a carriage return before it).
std::string StripNewline(std::string_view buffer);
// Digit runs of text; a character of `separators` ends a run, other non-digits are skipped.
std::vector<std::string> DigitRuns(std::string_view text, std::string_view separators);
// "A".."Z" for n 1..26; "" otherwise.
std::string ColumnLetter(int n);
// Russian plural form of a count: one (1, 21 ...), few (2..4, 22 ...), many.
std::string PluralForm(std::int64_t n, std::string_view one, std::string_view few, std::string_view many);
// Text from a file as it may be quoted in a message or journal line: control
// characters (U+0000..U+001F, U+007F..U+009F) are shown as "\xHH", so a
// file cannot put escape sequences on the user's terminal. A backslash stays
// as it is.
std::string EscapeControls(std::string_view utf8);

} // namespace orvenda
