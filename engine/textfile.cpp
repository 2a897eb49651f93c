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

namespace {

// Closes a descriptor when it goes out of scope (unless released).
class FileHandle {
public:
    explicit FileHandle(int fd) noexcept : m_fd(fd) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }

    int get() const noexcept { return m_fd; }
    // Closes now and reports the result: a delayed write error can show up here.
    int close() noexcept
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd);
    }

private:
    int m_fd;
};

// Reads until `room` bytes are in or the file ends; the number of bytes
// read, or nullopt on an error.
std::optional<std::size_t> ReadUpTo(int fd, char* into, std::size_t room) noexcept
{
    std::size_t got = 0;
    while (got < room) {
        const ssize_t n = ::read(fd, into + got, room - got);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return std::nullopt;
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    return got;
}

// Appends the rest of the file to `bytes`, expecting it to end at `expected`
// bytes; a file that grows meanwhile (or, like a pipe, has no size) is read
// on to its end. False on a read error.
bool ReadToEnd(int fd, std::string& bytes, std::size_t expected)
{
    std::size_t filled = bytes.size();
    bytes.resize(std::max(expected, filled));
    char more[65536];
    for (;;) {
        const bool full = filled == bytes.size();
        char* const into = full ? more : bytes.data() + filled;
        const std::size_t room = full ? sizeof more : bytes.size() - filled;
        const ssize_t n = ::read(fd, into, room);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (n == 0) {
            break;
        }
        if (full) {
            bytes.append(more, static_cast<std::size_t>(n));
        }
        filled += static_cast<std::size_t>(n);
    }
    bytes.resize(filled);
    return true;
}

// Whether the opening bytes of a file already settle that DetectEncoding
// would take it for Windows-1251 whatever follows: no byte-order mark, and
// a sequence that is no UTF-8 before their last ASCII byte. No character can
// run across an ASCII byte, so what is no UTF-8 there is none in the whole
// file either.
bool SettledAsWindows1251(std::string_view opening) noexcept
{
    if (opening.starts_with("\xEF\xBB\xBF")) {
        return false;
    }
    std::size_t end = opening.size();
    while (end > 0 && static_cast<unsigned char>(opening[end - 1]) >= 0x80) {
        --end;
    }
    return !IsValidUtf8(opening.substr(0, end));
}

} // namespace

std::optional<TextFile> ReadTextFile(const std::string& path)
{
    FileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) {
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || S_ISDIR(info.st_mode)) {
        return std::nullopt;
    }
    const std::size_t size =
        (S_ISREG(info.st_mode) && info.st_size > 0) ? static_cast<std::size_t>(info.st_size) : 0;

    // The opening piece of the file settles the encoding of most files.
    constexpr std::size_t kPiece = std::size_t{1} << 16;
    std::string piece((size > 0 && size < kPiece) ? size : kPiece, '\0');
    const std::optional<std::size_t> opening = ReadUpTo(file.get(), piece.data(), piece.size());
    if (!opening) {
        return std::nullopt;
    }
    std::string_view bytes(piece.data(), *opening);

    TextFile result;
    if (!SettledAsWindows1251(bytes)) {
        std::string whole(bytes);
        if (!ReadToEnd(file.get(), whole, std::max(size, whole.size()))) {
            return std::nullopt;
        }
        result.encoding = DetectEncoding(whole);
        result.text = DecodeText(whole, result.encoding);
        return result;
    }

    // A Windows-1251 file is decoded piece by piece, so that its bytes are
    // never held whole beside their text: at a million events each copy of
    // the files is tens of megabytes of fresh memory. Each byte gives at most
    // three, so one reservation holds the text; only what is written of it
    // is ever touched.
    result.encoding = TextEncoding::Windows1251;
    try {
        result.text.reserve(3 * std::max(size, bytes.size()));
        AdviseHugePages(result.text.data(), result.text.capacity());
    } catch (const std::exception&) {
        // The text then grows as it is decoded.
    }
    while (!bytes.empty()) {
        result.text += Cp1251ToUtf8(bytes);
        const std::optional<std::size_t> got = ReadUpTo(file.get(), piece.data(), piece.size());
        if (!got) {
            return std::nullopt;
        }
        bytes = std::string_view(piece.data(), *got);
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
