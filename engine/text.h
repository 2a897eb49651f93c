#pragma once

// Text and number helpers shared by every subsystem: the date formatter and
// reader, padding, the text forms of settings, key=value lines, Russian
// plural endings and a few numeric helpers.
//
// Texts are UTF-8. Lengths, widths and positions count characters (code
// points), not bytes. Nothing throws.

#include "engine/date.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvenda {

// ---- Dates ----

// Appends for each pattern letter its piece of the record ("d.m.Y",
// "Y.m.d_H:M", "D", "z" ...); "\" makes the next character literal; any other
// character is copied.
std::string FormatDate(TDateRec date, std::string_view pattern);

enum DateOrder : int { DayFirst = 0, YearFirst = 1 };
// Reads digit runs separated by " ,./:_" into the fields of `def` (order 0:
// day, month, year, hour, minute, second, millisecond; order 1: year, month,
// day, ...); every "-" flips the year's sign; other characters are skipped.
// A run that does not fit in 32 bits makes the text unreadable: the result is
// then DefaultDate with Year 0, which fails IsValidDate. Field values wider
// than 16 bits are cut to the field. Validation is the caller's.
TDateRec ReadDate(std::string_view text, int order, TDateRec def);
// ReadDate(text, YearFirst, DefaultDate).
TDateRec ReadYMD(std::string_view text);

// ---- Text ----

// Only when text is shorter than width: "left" appends fill, "right"
// prepends it, "center" splits it (compared in lower case); any other
// alignment leaves the text unchanged. fill is one character.
std::string Pad(std::string_view text, std::string_view fill, int width, std::string_view alignment);

// Number of characters (code points) of a UTF-8 text.
std::size_t Utf8Length(std::string_view text) noexcept;
// The first `count` characters of a UTF-8 text.
std::string_view Utf8Left(std::string_view text, std::size_t count) noexcept;
// Removes leading and trailing blanks and control characters (code < 32).
std::string_view Trim(std::string_view text) noexcept;
// ASCII letters only; other bytes are kept.
std::string ToLowerAscii(std::string_view text);

std::string BoolText(bool b);
// True when the trimmed text is "true" in any case, or exactly "1".
bool TextToBool(std::string_view s);

enum Alignment : int { AlignLeft = 0, AlignRight = 1, AlignCenter = 2 };
// 0 "Left", 1 "Right", anything else "Center".
std::string AlignmentText(int alignment);
// "Left" 0, "Right" 1, anything else 2 (exact case).
int AlignmentOfText(std::string_view s);

enum FontStyleFlag : unsigned { FontBold = 1, FontItalic = 2, FontUnderline = 4, FontStrikeOut = 8 };
// "Bold+Italic+" ...; "Plain" for no style.
std::string FontStyleText(unsigned styles);
unsigned FontStyleOfText(std::string_view s);

// Text before the first "=", trimmed; "" without "=".
std::string KeyOf(std::string_view line);
// At most 256 characters after the first "=", trimmed; the whole line trimmed without "=".
std::string ValueOf(std::string_view line);
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

// A whole decimal number, optionally signed, the whole text; nullopt when it is
// not one or does not fit.
std::optional<std::int32_t> ParseInt32(std::string_view text) noexcept;
std::optional<std::int64_t> ParseInt64(std::string_view text) noexcept;

// ---- Numbers ----

// floor(x), plus 1 when the fraction is >= 0.5.
double RoundHalfUp(double x) noexcept;
// RoundHalfUp(x * 10^k) / 10^k.
double RoundTo(double x, int k) noexcept;
// part * 100 / whole.
double Percent(double whole, double part) noexcept;
int MaxOf3(int a, int b, int c) noexcept;
// True when every decimal digit of |n| is the same (a single digit counts).
bool AllDigitsSame(std::int64_t n) noexcept;

} // namespace orvenda
