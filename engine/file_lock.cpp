#include "engine/file_lock.h"

#include "engine/file_failure.h"

#include <algorithm>
#include <cerrno>
#include <system_error>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvenda {

namespace {

bool SameFile(const struct stat& a, const struct stat& b) noexcept
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// A FIFO or a device must never block the opening, and only a regular file
// is ever written.
int OpenForLocking(const std::string& path) noexcept
{
    const int flags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    int fd = ::open(path.c_str(), O_RDONLY | flags);
    if (fd < 0 && errno == EACCES) {
        // A file its owner may write but not read can still be locked.
        fd = ::open(path.c_str(), O_WRONLY | flags);
    }
    return fd;
}

} // namespace

FileStamp StampOfFile(const std::string& path)
{
    FileStamp stamp;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return stamp;
    }
    stamp.exists = true;
    stamp.device = info.st_dev;
    stamp.inode = info.st_ino;
    stamp.size = info.st_size;
    stamp.modifiedNs = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    return stamp;
}

FileLock::FileLock(FileLock&& other) noexcept
    : m_fd(other.m_fd), m_status(other.m_status), m_error(std::move(other.m_error))
{
    other.m_fd = -1;
    other.m_status = Status::NoFile;
}

FileLock& FileLock::operator=(FileLock&& other) noexcept
{
    if (this != &other) {
        Release();
        m_fd = other.m_fd;
        m_status = other.m_status;
        m_error = std::move(other.m_error);
        other.m_fd = -1;
        other.m_status = Status::NoFile;
    }
    return *this;
}

FileLock::~FileLock()
{
    Release();
}

void FileLock::Release() noexcept
{
    if (m_fd >= 0) {
        // Closing the only descriptor of this opening drops the lock.
        ::close(m_fd);
        m_fd = -1;
    }
}

FileLock FileLock::Acquire(const std::string& path, std::chrono::milliseconds patience)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + patience;
    std::chrono::milliseconds pause{5};
    constexpr int kMostReplacements = 100;
    int replaced = 0;

    FileLock lock;
    for (;;) {
        const int fd = OpenForLocking(path);
        if (fd < 0) {
            if (errno == ENOENT) {
                lock.m_status = Status::NoFile;
            } else {
                lock.m_status = Status::Failed;
                lock.m_error = std::system_category().message(errno);
            }
            return lock;
        }
        lock.m_fd = fd;
        struct stat locked {};
        if (::fstat(fd, &locked) != 0 || !S_ISREG(locked.st_mode)) {
            lock.Release();
            lock.m_status = Status::Failed;
            lock.m_error = "не является обычным файлом";
            return lock;
        }

        int taken = ::flock(fd, LOCK_EX | LOCK_NB);
        while (taken != 0 && (errno == EWOULDBLOCK || errno == EINTR) && Clock::now() < deadline) {
            std::this_thread::sleep_for(pause);
            pause = std::min(pause * 2, std::chrono::milliseconds{100});
            taken = ::flock(fd, LOCK_EX | LOCK_NB);
        }
        if (taken != 0) {
            const int error = errno;
            lock.Release();
            if (error == EWOULDBLOCK || error == EINTR) {
                lock.m_status = Status::Busy;
            } else {
                lock.m_status = Status::Failed;
                lock.m_error = std::system_category().message(error);
            }
            return lock;
        }

        // The writer we waited for may have renamed a new file over this one:
        // its text is at the path now, and that is the file to lock.
        struct stat atPath {};
        if (::stat(path.c_str(), &atPath) == 0 && SameFile(atPath, locked)) {
            lock.m_status = Status::Locked;
            return lock;
        }
        lock.Release();
        // Only a writer saving again and again without a pause keeps
        // replacing it.
        if (++replaced == kMostReplacements) {
            lock.m_status = Status::Busy;
            return lock;
        }
    }
}

std::string LockFailureText(const FileLock& lock, const std::string& path)
{
    return FailureText(FailureOf(lock, path), FailureWording::Command);
}

} // namespace orvenda
