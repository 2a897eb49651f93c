#include "config/keep_encoding.h"

#include "engine/textfile.h"

namespace orvenda {

TextEncoding EncodingToKeep(const std::string& path)
{
    const std::optional<TextFile> existing = ReadTextFile(path);
    if (existing && existing->encoding != TextEncoding::Windows1251) {
        return existing->encoding;
    }
    return TextEncoding::Windows1251;
}

} // namespace orvenda
