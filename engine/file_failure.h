#pragma once

// Why a file could not be read or written, as a plain value, and the one
// place where that is worded for the user. A message names the file as the
// program was given it; the texts are the program's own and differ only by
// where they are shown (see FailureWording).

#include "engine/file_bytes.h"
#include "engine/file_save.h"

#include <string>

namespace orvenda {

class FileLock;

enum class FileFailureCode {
    NotFound,         // missing, no permission, an empty name
    ReadOnly,         // may not be written
    NotRegular,       // a folder, pipe, socket or device
    TooLarge,         // larger than the reader takes
    Unreadable,       // opened, but a read failed
    CannotWrite,      // writing failed; the old file stays as it was
    Busy,             // another program is writing it
    Unavailable,      // its lock could not be taken for another reason
    ChangedElsewhere, // changed by another program since it was read
    Unencodable,      // characters the file's encoding cannot hold; nothing was written
};

struct [[nodiscard]] FileFailure {
    FileFailureCode code = FileFailureCode::CannotWrite;
    std::string path;
    // CannotWrite, Unavailable: what the system said; Unencodable: the
    // characters; ChangedElsewhere: what changed.
    std::string detail;
};

// The failure of a save that did not succeed.
FileFailure FailureOf(const SaveResult& result, const std::string& path);
// The failure of a read that did not succeed.
FileFailure FailureOf(ReadFailure failure, const std::string& path);
// The failure of a lock that was not taken.
FileFailure FailureOf(const FileLock& lock, const std::string& path);

// Where a failure is told, which decides the sentence around the reason.
enum class FailureWording {
    // A command's own result: "Файл <путь> не сохранён: <причина>"; a
    // read-only, busy or changed file has a sentence of its own.
    Command,
    // "Файл <путь> не сохранён: <причина>" whatever the reason.
    NotSaved,
    // An editor's error box: "Не удалось сохранить файл: <путь>" and the
    // reason on the next line.
    SaveFailed,
    // The journal: "Не удалось сохранить файл: <путь> (<причина>)".
    SaveFailedLine,
};

// The reason alone, as it follows the file's name in a message.
[[nodiscard]] std::string FailureReason(const FileFailure& failure);
// The whole message.
[[nodiscard]] std::string FailureText(const FileFailure& failure, FailureWording wording);

} // namespace orvenda
