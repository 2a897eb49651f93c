#include "engine/textfile.h"

#include "engine/huge_pages.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <exception>
#include <optional>
#include <string_view>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvenda {

std::optional<TextFile> ReadTextFile(const std::string& path, ReadFailure* failure)
{
    ReadFailure none = ReadFailure::None;
    ReadFailure& why = failure ? *failure : none;
    ReadableFile file(path);
    why = file.failure();
    if (why != ReadFailure::None) {
        return std::nullopt;
    }
    const std::size_t size = file.size();

    // The opening piece of the file settles the encoding of most files.
    constexpr std::size_t kPiece = std::size_t{1} << 16;
    std::string piece((size > 0 && size < kPiece) ? size : kPiece, '\0');
    std::uint64_t offset = file.ReadAt(0, piece.data(), piece.size());
    std::string_view bytes(piece.data(), static_cast<std::size_t>(offset));

    TextFile result;
    if (file.failure() == ReadFailure::None && !OpeningSettlesWindows1251(bytes)) {
        std::string whole;
        why = ReadFileBytes(path, whole);
        if (why != ReadFailure::None) {
            return std::nullopt;
        }
        result.encoding = DetectEncoding(whole);
        result.text = DecodeText(whole, result.encoding);
        return result;
    }

    // A Windows-1251 file is decoded piece by piece, so that its bytes are
    // never held whole beside their text. Each byte gives at most three, so
    // one reservation holds the text; only what is written of it is ever
    // touched.
    result.encoding = TextEncoding::Windows1251;
    try {
        result.text.reserve(3 * std::max(size, bytes.size()));
        AdviseHugePages(result.text.data(), result.text.capacity());
    } catch (const std::exception&) {
        // The text then grows as it is decoded.
    }
    while (!bytes.empty() && file.failure() == ReadFailure::None) {
        if (offset > MaxReadBytes) {
            why = ReadFailure::TooLarge;
            return std::nullopt;
        }
        result.text += Cp1251ToUtf8(bytes);
        const std::size_t got = file.ReadAt(offset, piece.data(), piece.size());
        offset += got;
        bytes = std::string_view(piece.data(), got);
    }
    why = file.failure();
    if (why != ReadFailure::None) {
        return std::nullopt;
    }
    return result;
}

SaveResult SaveTextFile(const std::string& path, const std::vector<std::string>& lines, TextEncoding encoding)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return SaveTextFileRaw(path, text, encoding);
}

SaveResult SaveTextFileRaw(const std::string& path, std::string_view utf8Text, TextEncoding encoding)
{
    EncodedText encoded = EncodeText(utf8Text, encoding);
    if (!encoded.complete()) {
        SaveResult result;
        result.status = SaveResult::Unencodable;
        result.unmappable = std::move(encoded.unmappable);
        return result;
    }
    return SaveBytes(path, encoded.bytes);
}

} // namespace orvenda
