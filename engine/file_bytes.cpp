#include "engine/file_bytes.h"

#include "engine/helper_thread.h"
#include "engine/huge_pages.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvenda {

ReadableFile::ReadableFile(const std::string& path)
{
    // O_NONBLOCK: a pipe without a writer opens at once instead of waiting;
    // it is refused below. For a regular file the flag changes nothing.
    m_fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (m_fd < 0) {
        m_failure = ReadFailure::CannotOpen;
        return;
    }
    struct stat info {};
    if (::fstat(m_fd, &info) != 0) {
        m_failure = ReadFailure::ReadError;
    } else if (!S_ISREG(info.st_mode)) {
        m_failure = ReadFailure::NotRegular;
    } else if (static_cast<std::uint64_t>(info.st_size) > MaxReadBytes) {
        m_failure = ReadFailure::TooLarge;
    } else {
        m_size = static_cast<std::size_t>(info.st_size);
    }
}

ReadableFile::~ReadableFile()
{
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

std::size_t ReadableFile::ReadAt(std::uint64_t offset, char* into, std::size_t room) noexcept
{
    return ReadAt(offset, into, room, m_failure);
}

std::size_t ReadableFile::ReadAt(std::uint64_t offset, char* into, std::size_t room,
                                 ReadFailure& failure) const noexcept
{
    std::size_t got = 0;
    while (got < room) {
        const ssize_t n = ::pread(m_fd, into + got, room - got, static_cast<off_t>(offset + got));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            failure = ReadFailure::ReadError;
            return 0;
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    return got;
}

ReadFailure ReadFileBytes(const std::string& path, std::string& bytes)
{
    bytes.clear();
    ReadableFile file(path);
    if (file.failure() != ReadFailure::None) {
        return file.failure();
    }
    // One byte more than the size, so that a file grown since it was opened
    // shows up as a full buffer and is read on.
    std::size_t room = file.size() + 1;
    try {
        bytes.resize(room);
        AdviseHugePages(bytes.data(), bytes.size());
    } catch (const std::exception&) {
        return ReadFailure::ReadError;
    }
    std::size_t filled = 0;
    for (;;) {
        const std::size_t got = file.ReadAt(filled, bytes.data() + filled, room - filled);
        if (file.failure() != ReadFailure::None) {
            bytes.clear();
            return file.failure();
        }
        filled += got;
        if (filled < room) {
            break;
        }
        if (room > MaxReadBytes) {
            bytes.clear();
            return ReadFailure::TooLarge;
        }
        room = std::min<std::size_t>(room * 2, MaxReadBytes + 1);
        try {
            bytes.resize(room);
        } catch (const std::exception&) {
            bytes.clear();
            return ReadFailure::ReadError;
        }
    }
    bytes.resize(filled);
    return ReadFailure::None;
}

void ByteBuffer::Free::operator()(char* data) const noexcept
{
    std::free(data);
}

bool ByteBuffer::reserve(std::size_t bytes)
{
    if (bytes <= m_capacity) {
        return true;
    }
    // A little more than asked, so that files of about one size share one
    // buffer. What is read so far moves along (a file that grew while read).
    // Whole huge pages, aligned to them, so that the system can fill the
    // buffer a huge page at a time (huge_pages.h): a few faults for a file of
    // megabytes instead of one for every 4 KiB.
    const std::size_t capacity = NextHugePage(std::max(bytes, m_capacity + m_capacity / 2));
    std::unique_ptr<char, Free> data(static_cast<char*>(std::aligned_alloc(HugePageBytes, capacity)));
    if (!data) {
        return false;
    }
    if (m_size > 0) {
        std::memcpy(data.get(), m_data.get(), m_size);
    }
    m_data = std::move(data);
    m_capacity = capacity;
    AdviseHugePages(m_data.get(), m_capacity);
    return true;
}

std::size_t ByteBuffer::readFirst(ReadableFile& file, std::size_t room)
{
    // Copying megabytes from the system's cache is a tenth of reading a
    // large event file; the second half is copied by a second thread
    // meanwhile. Its bytes count only when the first half came whole: a file
    // shortened meanwhile ends where the first read ended, as one read would.
    constexpr std::size_t kSplitBytes = std::size_t{1} << 20;
    if (room < kSplitBytes || m_helper == nullptr || !HelperThread::Worthwhile()) {
        return file.ReadAt(0, m_data.get(), room);
    }
    const std::size_t half = room / 2;
    ReadFailure secondFailure = ReadFailure::None;
    std::size_t second = 0;
    std::size_t first = 0;
    {
        const HelperThread::Waiting waiting = m_helper->Run(
            [&] { second = file.ReadAt(half, m_data.get() + half, room - half, secondFailure); });
        first = file.ReadAt(0, m_data.get(), half);
    }
    if (first < half || file.failure() != ReadFailure::None) {
        return first;
    }
    if (secondFailure != ReadFailure::None) {
        return file.ReadAt(half, m_data.get() + half, room - half);
    }
    return half + second;
}

ReadFailure ByteBuffer::Read(const std::string& path)
{
    m_size = 0;
    ReadableFile file(path);
    if (file.failure() != ReadFailure::None) {
        return file.failure();
    }
    // One byte more than the size, so that a file grown since it was opened
    // shows up as a full buffer and is read on.
    std::size_t room = file.size() + 1;
    for (;;) {
        if (!reserve(room)) {
            m_size = 0;
            return ReadFailure::ReadError;
        }
        m_size +=
            m_size == 0 ? readFirst(file, room) : file.ReadAt(m_size, m_data.get() + m_size, room - m_size);
        if (file.failure() != ReadFailure::None) {
            m_size = 0;
            return file.failure();
        }
        if (m_size < room) {
            return ReadFailure::None;
        }
        if (room > MaxReadBytes) {
            m_size = 0;
            return ReadFailure::TooLarge;
        }
        room = std::min<std::size_t>(room * 2, MaxReadBytes + 1);
    }
}

} // namespace orvenda
