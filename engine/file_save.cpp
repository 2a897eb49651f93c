#include "engine/file_save.h"

#include "engine/file_failure.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <optional>
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

SaveResult Failed(std::string error)
{
    SaveResult result;
    result.status = SaveResult::WriteFailed;
    result.error = std::move(error);
    return result;
}

SaveResult Failed(int error)
{
    return Failed(SystemErrorText(error));
}

SaveResult ReadOnlyResult()
{
    SaveResult result;
    result.status = SaveResult::ReadOnly;
    result.error = "файл только для чтения";
    return result;
}

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) noexcept : m_fd(fd) {}
    Descriptor(Descriptor&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept
    {
        std::swap(m_fd, other.m_fd);
        return *this;
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }

    int get() const noexcept { return m_fd; }
    // Closes now and reports the result: a delayed write error can show up here.
    int close() noexcept { return ::close(std::exchange(m_fd, -1)); }

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

// Writes the bytes, brings them to the disk and checks that the file holds
// exactly them; 0 or the error.
int WriteComplete(int fd, std::string_view bytes) noexcept
{
    if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) {
        return errno;
    }
    struct stat written {};
    if (::fstat(fd, &written) != 0) {
        return errno;
    }
    return static_cast<std::uint64_t>(written.st_size) == bytes.size() ? 0 : EIO;
}

// A process beyond its file size limit is killed by SIGXFSZ in the middle of
// a write, without a word; ignored, the write fails with EFBIG and the save
// reports it. A handler the program installed itself is left alone.
void IgnoreFileSizeSignal()
{
    static const bool done = [] {
        struct sigaction current {};
        if (::sigaction(SIGXFSZ, nullptr, &current) == 0 && !(current.sa_flags & SA_SIGINFO) &&
            current.sa_handler == SIG_DFL) {
            ::signal(SIGXFSZ, SIG_IGN);
        }
        return true;
    }();
    (void)done;
}

// The folder part of a path, with its trailing "/" ("" for a bare name).
std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The file a save of `path` writes: symbolic links followed to the end,
// which need not exist yet. nullopt (and `error`) for a loop.
std::optional<std::string> FollowLinks(const std::string& path, int& error)
{
    constexpr int kMostLinks = 40; // as the system allows
    std::string current = path;
    for (int i = 0; i < kMostLinks; ++i) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return current;
        }
        std::string target(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 4096) + 1, '\0');
        const ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
        if (n < 0) {
            error = errno;
            return std::nullopt;
        }
        target.resize(static_cast<std::size_t>(n));
        current = target.starts_with('/') ? target : FolderOf(current) + target;
    }
    error = ELOOP;
    return std::nullopt;
}

// Short, so that a file name near the system's limit still leaves room:
// ".orv" and six letters or digits from the process id, a counter and the
// clock.
std::string TemporaryName(const std::string& folder)
{
    static std::atomic<std::uint64_t> counter{0};
    constexpr std::string_view kAlphabet = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::uint64_t mix = static_cast<std::uint64_t>(::getpid()) * 0x9E3779B97F4A7C15ULL;
    mix ^= counter.fetch_add(1) * 0xBF58476D1CE4E5B9ULL;
    mix ^= static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    mix ^= mix >> 31;
    std::string name = folder + ".orv";
    for (int i = 0; i < 6; ++i) {
        name += kAlphabet[mix % kAlphabet.size()];
        mix /= kAlphabet.size();
    }
    return name;
}

constexpr int kNameAttempts = 100;

// A new named temporary file in `folder`. Created with mode 0666 so that the
// process's umask applies, as for any file the program writes.
Descriptor CreateNamedTemporary(const std::string& folder, std::string& name)
{
    for (int i = 0; i < kNameAttempts; ++i) {
        name = TemporaryName(folder);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return Descriptor(fd);
        }
    }
    errno = EEXIST;
    return Descriptor();
}

// An unnamed file in `folder` (it vanishes with the process until it is
// given a name); -1 with errno when the folder cannot have one.
Descriptor CreateUnnamedTemporary(const std::string& folder)
{
    return Descriptor(::open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
}

// Gives an unnamed file a temporary name in `folder`; false when the system
// does not let it.
bool NameUnnamed(int fd, const std::string& folder, std::string& name)
{
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int i = 0; i < kNameAttempts; ++i) {
        name = TemporaryName(folder);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            return true;
        }
        if (errno == EEXIST) {
            continue;
        }
        // Without /proc the descriptor itself can be linked, by a privileged
        // process only.
        if (::linkat(fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0) {
            return true;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    name.clear();
    return false;
}

// After a rename the folder entry itself must reach the disk; a failure here
// does not undo the save, so it is not reported.
void SyncFolder(const std::string& folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool IsReadOnly(const std::string& target, const struct stat& info)
{
    // Nobody may write a file without a write permission; an administrator
    // could, but would undo the protection.
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return true;
    }
    return ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0 &&
           (errno == EACCES || errno == EROFS);
}

// A complete copy of the new text that outlives the process: beside the
// target when the folder allows, else in the temporary folder.
Descriptor CreateSafetyCopy(const std::string& target, std::string_view bytes, std::string& name, int& error)
{
    const char* tmp = std::getenv("TMPDIR");
    std::string elsewhere = (tmp && *tmp) ? tmp : "/tmp";
    if (!elsewhere.ends_with('/')) {
        elsewhere += '/';
    }
    for (const std::string& folder : {FolderOf(target), elsewhere}) {
        Descriptor copy = CreateNamedTemporary(folder, name);
        if (copy.get() < 0) {
            error = errno;
            continue;
        }
        error = WriteComplete(copy.get(), bytes);
        if (error == 0) {
            return copy;
        }
        ::unlink(name.c_str());
        name.clear();
        // A full disk or the size limit fails the same way elsewhere.
        return Descriptor();
    }
    name.clear();
    return Descriptor();
}

// Writes over the old file itself, which keeps its inode, links, mode and
// owner. `copy` names a complete copy of the text that already exists
// (empty: one is made first); it is removed once the file holds the text.
SaveResult WriteInPlace(const std::string& target, std::string_view bytes, std::string copy)
{
    int error = 0;
    if (copy.empty() && CreateSafetyCopy(target, bytes, copy, error).get() < 0) {
        return Failed(error);
    }
    const auto dropCopy = [&copy] { ::unlink(copy.c_str()); };

    Descriptor file(::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (file.get() < 0) {
        error = errno;
        dropCopy();
        if (error == EACCES || error == EROFS) {
            return ReadOnlyResult();
        }
        return Failed(error);
    }
    // Room for the new text is claimed before the old one is cut, where the
    // file system can: a full disk then fails here with the file untouched.
    if (::fallocate(file.get(), FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(bytes.size())) != 0 &&
        (errno == ENOSPC || errno == EDQUOT || errno == EFBIG)) {
        error = errno;
        dropCopy();
        return Failed(error);
    }
    if (::ftruncate(file.get(), 0) != 0 || (error = WriteComplete(file.get(), bytes)) != 0 ||
        file.close() != 0) {
        if (error == 0) {
            error = errno;
        }
        // The old text is gone and the new one may be incomplete: the copy
        // is the user's text now.
        return Failed(SystemErrorText(error) +
                      "; файл записан не полностью, новый текст целиком сохранён в " + copy);
    }
    dropCopy();
    SaveResult result;
    result.stamp = StampOfFile(target);
    return result;
}

// Writes the text to a temporary file beside `target` and renames it over
// the old file (`old` when `exists`), or falls back to writing in place.
SaveResult Replace(const std::string& target, std::string_view bytes, const struct stat* old,
                   bool unnamedAllowed)
{
    const std::string folder = FolderOf(target);
    std::string name;
    Descriptor temp;
    if (unnamedAllowed) {
        temp = CreateUnnamedTemporary(folder);
        if (temp.get() < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
            unnamedAllowed = false; // the file system has no unnamed files
        }
    }
    if (!unnamedAllowed) {
        temp = CreateNamedTemporary(folder, name);
    }
    if (temp.get() < 0) {
        const int error = errno;
        // A folder where no new file may be made: the file itself may still
        // be writable.
        if (old && (error == EACCES || error == EPERM)) {
            return WriteInPlace(target, bytes, {});
        }
        return Failed(error);
    }
    const auto dropTemp = [&name] {
        if (!name.empty()) {
            ::unlink(name.c_str());
        }
    };

    if (const int error = WriteComplete(temp.get(), bytes); error != 0) {
        dropTemp();
        return Failed(error);
    }

    if (old) {
        struct stat made {};
        if (::fstat(temp.get(), &made) != 0) {
            const int error = errno;
            dropTemp();
            return Failed(error);
        }
        if ((made.st_uid != old->st_uid || made.st_gid != old->st_gid) &&
            ::fchown(temp.get(), old->st_uid, old->st_gid) != 0) {
            // Only the owner and group of the old file itself may stay: the
            // text goes there, and the complete temporary file is its copy.
            if (name.empty() && !NameUnnamed(temp.get(), folder, name)) {
                return WriteInPlace(target, bytes, {});
            }
            return WriteInPlace(target, bytes, name);
        }
        // After the owner, which may clear the set-id bits.
        if (::fchmod(temp.get(), old->st_mode & 07777) != 0) {
            const int error = errno;
            dropTemp();
            return Failed(error);
        }
    }

    // The unnamed file gets its name only now, just before the rename, so a
    // process killed before this point leaves nothing behind.
    if (name.empty() && !NameUnnamed(temp.get(), folder, name)) {
        return Replace(target, bytes, old, false);
    }
    if (::rename(name.c_str(), target.c_str()) != 0) {
        const int error = errno;
        dropTemp();
        return Failed(error);
    }
    temp.close();
    SyncFolder(folder);
    SaveResult result;
    result.stamp = StampOfFile(target);
    return result;
}

} // namespace

std::string ReadOnlyText(const std::string& path)
{
    return FailureText({FileFailureCode::ReadOnly, path, {}}, FailureWording::Command);
}

SaveResult SaveBytes(const std::string& path, std::string_view bytes)
{
    IgnoreFileSizeSignal();
    int error = 0;
    const std::optional<std::string> target = FollowLinks(path, error);
    if (!target) {
        return Failed(error);
    }

    struct stat old {};
    if (::stat(target->c_str(), &old) != 0) {
        if (errno != ENOENT) {
            return Failed(errno);
        }
        return Replace(*target, bytes, nullptr, true);
    }
    if (S_ISDIR(old.st_mode)) {
        return Failed(EISDIR);
    }
    if (!S_ISREG(old.st_mode)) {
        return Failed("не является обычным файлом");
    }
    if (IsReadOnly(*target, old)) {
        return ReadOnlyResult();
    }
    // A rename would split the file off its other names.
    if (old.st_nlink > 1) {
        return WriteInPlace(*target, bytes, {});
    }
    return Replace(*target, bytes, &old, true);
}

} // namespace orvenda
