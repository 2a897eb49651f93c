#pragma once

// The text forms of settings in the configuration and scheme files, and
// their key=value lines. Texts are UTF-8. Nothing throws.

#include <string>
#include <string_view>

namespace orvenda {

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

} // namespace orvenda
