#pragma once

// Two writers of one file must not lose each other's change: whoever reads a
// file, changes it and writes it back holds an exclusive lock on it the whole
// time, and whoever wants to know whether a file changed since it was read
// compares its stamp.

#include <chrono>
#include <cstdint>
#include <string>

namespace orvenda {

// What a file looked like at one moment: which file sits at the path
// (links followed) and its size and modification time. A file replaced by
// another program's save is a different file even when its size and time
// agree.
struct FileStamp {
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;

    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// The stamp of the file at `path` now; `exists` is false when there is none.
FileStamp StampOfFile(const std::string& path);

// An exclusive advisory lock (flock) on the file at `path`, held until the
// object goes. Every writer of the program takes it, so a second writer waits
// for the first and then reads the first one's result.
//
// A save replaces the file by renaming a new one over it, and a writer that
// waited on the old file's lock would then hold a lock on a file that is no
// longer at the path: after locking, the file is checked to be the one at the
// path, and the lock is taken again on the new file when it is not.
class [[nodiscard]] FileLock {
public:
    enum class Status {
        Locked, // the lock is held
        NoFile, // nothing to lock: the file does not exist (yet)
        Busy,   // another writer kept it locked for all of `patience`
        Failed, // the file could not be opened for locking (`error` says why)
    };

    static constexpr std::chrono::milliseconds DefaultPatience{5000};

    FileLock() = default;
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();

    // Waits at most `patience` for the lock; zero tries once.
    static FileLock Acquire(const std::string& path, std::chrono::milliseconds patience = DefaultPatience);

    Status status() const noexcept { return m_status; }
    // Whether the caller may go on: the lock is held, or there is no file
    // another writer could be writing.
    bool ok() const noexcept { return m_status == Status::Locked || m_status == Status::NoFile; }
    // Failed: what the system said.
    const std::string& error() const noexcept { return m_error; }

    void Release() noexcept;

private:
    int m_fd = -1;
    Status m_status = Status::NoFile;
    std::string m_error;
};

// The message for a lock that was not taken, naming the file.
std::string LockFailureText(const FileLock& lock, const std::string& path);

} // namespace orvenda
