#pragma once

// Reading and safe writing of the program's text files.

#include "engine/codec.h"
#include "engine/file_bytes.h"

#include <optional>
#include <string>
#include <vector>

namespace orvenda {

struct TextFile {
    std::string text; // UTF-8
    TextEncoding encoding = TextEncoding::Windows1251;
};

// The whole file, decoded; nullopt when it cannot be read, and then
// `failure`, when given, says why. Only regular files of at most
// MaxReadBytes are read (file_bytes.h).
std::optional<TextFile> ReadTextFile(const std::string& path, ReadFailure* failure = nullptr);

struct SaveResult {
    enum Status { Ok, Unencodable, WriteFailed };
    Status status = Ok;
    // Unencodable: the characters the encoding cannot hold (nothing was written).
    std::string unmappable;
    // WriteFailed: what the system said.
    std::string error;

    bool ok() const noexcept { return status == Ok; }
};

// Writes every line followed by CR LF. The text goes to a temporary file in
// the same folder, which is then renamed over `path`, so a failure never
// leaves a half-written file; on failure the old file stays as it was. A
// Windows-1251 file that would lose characters is not written.
SaveResult SaveTextFile(const std::string& path, const std::vector<std::string>& lines,
                        TextEncoding encoding);
// The same for text that already holds its line ends.
SaveResult SaveTextFileRaw(const std::string& path, std::string_view utf8Text, TextEncoding encoding);

} // namespace orvenda
