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

std::string SystemErrorText(int error)
{
    return std::system_category().message(error);
}

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

bool WriteAll(int fd, std::string_view bytes) noexcept
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The folder part of a path ("" for a bare name) and the name part.
std::pair<std::string, std::string> SplitPath(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return {std::string(), path};
    }
    return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

// A name no other writer uses: the process id, a counter and the clock,
// mixed into six letters or digits.
std::string UniqueSuffix()
{
    static std::atomic<std::uint64_t> counter{0};
    constexpr std::string_view kAlphabet = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::uint64_t mix = static_cast<std::uint64_t>(::getpid()) * 0x9E3779B97F4A7C15ULL;
    mix ^= counter.fetch_add(1) * 0xBF58476D1CE4E5B9ULL;
    mix ^= static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    mix ^= mix >> 31;
    std::string out;
    for (int i = 0; i < 6; ++i) {
        out += kAlphabet[mix % kAlphabet.size()];
        mix /= kAlphabet.size();
    }
    return out;
}

// Opens a new temporary file beside `path`. Created with O_EXCL and mode 0666
// so that the process's umask applies, as for any file the program writes.
int CreateTemporary(const std::string& path, std::string& tempPath)
{
    const auto [folder, name] = SplitPath(path);
    constexpr int kAttempts = 100;
    for (int i = 0; i < kAttempts; ++i) {
        tempPath = folder + "." + name + ".tmp-" + UniqueSuffix();
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// After a rename the folder entry itself must reach the disk; a failure here
// does not undo the save, so it is not reported.
void SyncFolderOf(const std::string& path)
{
    const std::string folder = SplitPath(path).first;
    const char* name = folder.empty() ? "." : folder.c_str();
    const int fd = ::open(name, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

SaveResult WriteFailed(int error)
{
    SaveResult result;
    result.status = SaveResult::WriteFailed;
    result.error = SystemErrorText(error);
    return result;
}

SaveResult SaveBytes(const std::string& path, std::string_view bytes)
{
    std::string tempPath;
    FileHandle file(CreateTemporary(path, tempPath));
    if (file.get() < 0) {
        return WriteFailed(errno);
    }
    int error = 0;
    if (!WriteAll(file.get(), bytes) || ::fsync(file.get()) != 0) {
        error = errno;
    }
    if (file.close() != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && ::rename(tempPath.c_str(), path.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(tempPath.c_str());
        return WriteFailed(error);
    }
    SyncFolderOf(path);
    return {};
}

} // namespace

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
