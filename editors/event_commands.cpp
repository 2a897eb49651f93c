#include "editors/event_commands.h"

#include "editors/event_file.h"
#include "engine/file_lock.h"

namespace orvenda {

namespace {

enum class Change { SwitchOff, Delete };

std::string saveError(const std::string& path, const SaveResult& result)
{
    if (result.status == SaveResult::ReadOnly) {
        return ReadOnlyText(path);
    }
    if (result.status == SaveResult::Unencodable) {
        return "Файл " + path + " не сохранён: кодировка файла не может передать символы " +
               result.unmappable;
    }
    return "Файл " + path + " не сохранён: " + result.error;
}

EventCommandResult changeEvent(const std::string& path, int ordinal, Change change, Journal& journal,
                               const std::optional<std::string>& expectedText)
{
    // From reading to writing no other writer of the program may change the
    // file: a second command waits for the first and then changes the first
    // one's result, so neither change is lost.
    const FileLock lock = FileLock::Acquire(path);
    if (!lock.ok()) {
        return {false, LockFailureText(lock, path)};
    }
    EventFileModel model;
    const EventFileModel::OpenResult opened = model.Open(path, journal);
    if (opened.status != EventFileModel::OpenResult::Opened) {
        return {false, opened.message};
    }
    if (!IsEventFormat(model.Format())) {
        return {false, "Файл " + path + " не является файлом событий"};
    }
    if (!model.Select(ordinal)) {
        return {false, "В файле " + path + " нет события с номером " + std::to_string(ordinal)};
    }
    // A line that is not an event was never loaded, so no window row names
    // it: the file has changed since it was read.
    if (model.Current()->verbatim) {
        return {false, "Строка " + std::to_string(ordinal) + " файла " + path + " не является событием"};
    }
    if (expectedText && model.Current()->event != *expectedText) {
        return {false, "Файл " + path + " изменился после того, как был прочитан: событие номер " +
                           std::to_string(ordinal) + " теперь \"" + model.Current()->event +
                           "\". Файл не изменён; обновите список и повторите команду."};
    }
    if (change == Change::SwitchOff) {
        model.SetCurrentInactive();
    } else {
        model.DeleteCurrent();
    }
    const SaveResult saved = model.Save();
    model.Close();
    if (!saved.ok()) {
        return {false, saveError(path, saved)};
    }
    return {true, {}};
}

} // namespace

EventCommandResult SwitchOffEvent(const std::string& path, int ordinal, Journal& journal,
                                  const std::optional<std::string>& expectedText)
{
    return changeEvent(path, ordinal, Change::SwitchOff, journal, expectedText);
}

EventCommandResult DeleteEvent(const std::string& path, int ordinal, Journal& journal,
                               const std::optional<std::string>& expectedText)
{
    return changeEvent(path, ordinal, Change::Delete, journal, expectedText);
}

} // namespace orvenda
