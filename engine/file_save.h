#pragma once

// Writing a whole file so that a failure never leaves it half-written and a
// save keeps what the user had:
// - the new text goes to a temporary file in the same folder (an unnamed one
//   where the system allows, so that a killed process leaves nothing behind),
//   checked complete, given the old file's mode, owner and group, and renamed
//   over the old file;
// - a symbolic link is followed: its target is written and the link stays;
// - a read-only file is refused;
// - a file with more than one hard link, a file in a folder where no new file
//   may be made, and a file whose owner or group the saver may not give a new
//   file are written in place: a complete copy of the new text is written to a
//   temporary file first, then the old file is truncated, written and synced,
//   and the copy removed only after that, so the inode, links, mode and owner
//   stay;
// - a write beyond the size limit of the process fails with a message instead
//   of killing the process (SIGXFSZ is ignored while it has no handler).
// Writers that read a file, change it and write it back hold its FileLock
// (engine/file_lock.h) meanwhile.

#include "engine/file_lock.h"

#include <string>
#include <string_view>

namespace orvenda {

struct [[nodiscard]] SaveResult {
    enum Status {
        Ok,
        Unencodable, // nothing was written
        WriteFailed, // the old file stays as it was
        ReadOnly,    // refused: the file may not be written
    };
    Status status = Ok;
    // Unencodable: the characters the encoding cannot hold.
    std::string unmappable;
    // WriteFailed: what the system said.
    std::string error;
    // Ok: the file as written, to tell a later change by someone else.
    FileStamp stamp;

    bool ok() const noexcept { return status == Ok; }
};

// "Файл только для чтения: " + path.
std::string ReadOnlyText(const std::string& path);

// Writes `bytes` as the whole content of the file at `path` by the rules
// above.
SaveResult SaveBytes(const std::string& path, std::string_view bytes);

} // namespace orvenda
