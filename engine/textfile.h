#pragma once

// Reading and safe writing of the program's text files.

#include "engine/codec.h"
#include "engine/file_bytes.h"
#include "engine/file_save.h"

#include <optional>
#include <string>
#include <vector>

namespace orvenda {

struct [[nodiscard]] TextFile {
    std::string text; // UTF-8
    TextEncoding encoding = TextEncoding::Windows1251;
};

// The whole file, decoded; nullopt when it cannot be read, and then
// `failure`, when given, says why. Only regular files of at most
// MaxReadBytes are read (file_bytes.h).
[[nodiscard]] std::optional<TextFile> ReadTextFile(const std::string& path, ReadFailure* failure = nullptr);

// Writes every line followed by CR LF, by the rules of SaveBytes
// (engine/file_save.h): a failure never leaves a half-written file, links,
// mode and owner stay, a read-only file is refused. A Windows-1251 file that
// would lose characters is not written.
SaveResult SaveTextFile(const std::string& path, const std::vector<std::string>& lines,
                        TextEncoding encoding);
// The same for text that already holds its line ends.
SaveResult SaveTextFileRaw(const std::string& path, std::string_view utf8Text, TextEncoding encoding);

} // namespace orvenda
