#include "engine/file_failure.h"

#include "engine/file_lock.h"

namespace orvenda {

FileFailure FailureOf(const SaveResult& result, const std::string& path)
{
    switch (result.status) {
    case SaveResult::ReadOnly:
        return {FileFailureCode::ReadOnly, path, {}};
    case SaveResult::Unencodable:
        return {FileFailureCode::Unencodable, path, result.unmappable};
    case SaveResult::Ok:
    case SaveResult::WriteFailed:
        break;
    }
    return {FileFailureCode::CannotWrite, path, result.error};
}

FileFailure FailureOf(ReadFailure failure, const std::string& path)
{
    switch (failure) {
    case ReadFailure::NotRegular:
        return {FileFailureCode::NotRegular, path, {}};
    case ReadFailure::TooLarge:
        return {FileFailureCode::TooLarge, path, {}};
    case ReadFailure::ReadError:
        return {FileFailureCode::Unreadable, path, {}};
    case ReadFailure::None:
    case ReadFailure::CannotOpen:
        break;
    }
    return {FileFailureCode::NotFound, path, {}};
}

FileFailure FailureOf(const FileLock& lock, const std::string& path)
{
    if (lock.status() == FileLock::Status::Busy) {
        return {FileFailureCode::Busy, path, {}};
    }
    return {FileFailureCode::Unavailable, path, lock.error()};
}

std::string FailureReason(const FileFailure& failure)
{
    const std::string& path = failure.path;
    switch (failure.code) {
    case FileFailureCode::NotFound:
        return "файл не найден";
    case FileFailureCode::ReadOnly:
        return "файл только для чтения";
    case FileFailureCode::NotRegular:
        return "это не обычный файл";
    case FileFailureCode::TooLarge:
        return "он больше " + std::to_string(MaxReadBytes >> 20) + " МБ";
    case FileFailureCode::Unreadable:
        return "ошибка чтения";
    case FileFailureCode::Busy:
        // A lock that was not taken is told as a sentence of its own, which
        // the journal line quotes whole.
        return "Файл занят другой программой: " + path;
    case FileFailureCode::Unavailable:
        return "Файл " + path + " недоступен: " + failure.detail;
    case FileFailureCode::Unencodable:
        return "этих знаков нет в кодировке Windows-1251: " + failure.detail;
    case FileFailureCode::CannotWrite:
    case FileFailureCode::ChangedElsewhere:
        break;
    }
    return failure.detail;
}

std::string FailureText(const FileFailure& failure, FailureWording wording)
{
    const std::string& path = failure.path;
    switch (wording) {
    case FailureWording::Command:
        switch (failure.code) {
        case FileFailureCode::ReadOnly:
            return "Файл только для чтения: " + path;
        case FileFailureCode::Busy:
        case FileFailureCode::Unavailable:
            return FailureReason(failure);
        case FileFailureCode::ChangedElsewhere:
            return "Файл " + path + " изменился после того, как был прочитан: " + failure.detail +
                   ". Файл не изменён; обновите список и повторите команду.";
        default:
            break;
        }
        break;
    case FailureWording::NotSaved:
        break;
    case FailureWording::SaveFailed:
        return "Не удалось сохранить файл: " + path + "\n" + FailureReason(failure);
    case FailureWording::SaveFailedLine:
        return "Не удалось сохранить файл: " + path + " (" + FailureReason(failure) + ")";
    }
    return "Файл " + path + " не сохранён: " + FailureReason(failure);
}

} // namespace orvenda
