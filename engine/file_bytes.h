#pragma once

// Opening a file the user named for reading, and reading its bytes. Any path
// may stand in a list of files: a named pipe, a device such as /dev/zero, a
// folder. Only regular files are read, opened without blocking (opening a
// pipe that nobody writes to would wait for ever), and none larger than
// MaxReadBytes: a file that large is no text of this program, and reading it
// would take the memory of the whole machine.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace orvenda {

inline constexpr std::uint64_t MaxReadBytes = std::uint64_t{256} << 20;

enum class [[nodiscard]] ReadFailure{
    None,
    CannotOpen, // missing, no permission, an empty name
    NotRegular, // a folder, pipe, socket or device
    TooLarge,   // more than MaxReadBytes
    ReadError,  // opened, but a read failed
};

// An open regular file, closed when it goes out of scope.
class ReadableFile {
public:
    // Opens `path` and checks what it is; failure() says why it cannot be read.
    explicit ReadableFile(const std::string& path);
    ReadableFile(const ReadableFile&) = delete;
    ReadableFile& operator=(const ReadableFile&) = delete;
    ~ReadableFile();

    ReadFailure failure() const noexcept { return m_failure; }
    int fd() const noexcept { return m_fd; }
    // The size when it was opened; a file may still grow or shrink while read.
    std::size_t size() const noexcept { return m_size; }

    // Reads up to `room` bytes from `offset` (pread: threads may read
    // different parts at once). The bytes read; fewer only at the end of the
    // file. Sets failure() to ReadError and returns 0 on an error.
    std::size_t ReadAt(std::uint64_t offset, char* into, std::size_t room) noexcept;
    // The same without changing failure(), which is set in `failure` instead:
    // two threads may read two parts of the file at once.
    std::size_t ReadAt(std::uint64_t offset, char* into, std::size_t room,
                       ReadFailure& failure) const noexcept;

private:
    int m_fd = -1;
    std::size_t m_size = 0;
    ReadFailure m_failure = ReadFailure::None;
};

// The whole file into `bytes`, at most MaxReadBytes of it (a file that grows
// past the cap while it is read is TooLarge).
ReadFailure ReadFileBytes(const std::string& path, std::string& bytes);

// Room for the bytes of one file after another. Unlike a string it is not
// cleared before it is read into, and it keeps its room from file to file:
// at a million events the files are tens of megabytes, and each fresh
// megabyte costs the system a clearing of every page on first touch.
class HelperThread;

class ByteBuffer {
public:
    // With a helper, a large file is copied in two halves at once, the
    // second by the helper.
    explicit ByteBuffer(HelperThread* helper = nullptr) noexcept : m_helper(helper) {}

    std::string_view view() const noexcept { return {m_data.get(), m_size}; }

    // Reads the whole file, as ReadFileBytes does; the view is empty on failure.
    ReadFailure Read(const std::string& path);

private:
    struct Free {
        void operator()(char* data) const noexcept;
    };
    bool reserve(std::size_t bytes);
    // The first read of a file into the buffer, of up to `room` bytes; its
    // size, with a failure in `file`.
    std::size_t readFirst(ReadableFile& file, std::size_t room);

    HelperThread* m_helper = nullptr;
    std::unique_ptr<char, Free> m_data;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
};

} // namespace orvenda
