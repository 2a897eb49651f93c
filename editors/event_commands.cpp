#include "editors/event_commands.h"

#include "editors/event_file.h"
#include "engine/file_failure.h"
#include "engine/file_lock.h"

namespace orvenda {

namespace {

EventCommandResult changeEvent(const std::string& path, int ordinal, EventChange change, Journal& journal,
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
    EventCommandResult applied = ApplyEventChange(model, ordinal, change, expectedText);
    if (!applied.ok) {
        return applied;
    }
    const SaveResult saved = model.Save();
    model.Close();
    if (!saved.ok()) {
        return {false, FileNotSavedText(path, saved)};
    }
    return applied;
}

} // namespace

std::string FileNotSavedText(const std::string& path, const SaveResult& result)
{
    return FailureText(FailureOf(result, path), FailureWording::Command);
}

EventCommandResult ApplyEventChange(EventFileModel& model, int ordinal, EventChange change,
                                    const std::optional<std::string>& expectedText)
{
    const std::string& path = model.Path();
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
        const FileFailure changed{FileFailureCode::ChangedElsewhere, path,
                                  "событие номер " + std::to_string(ordinal) + " теперь \"" +
                                      model.Current()->event + "\""};
        return {false, FailureText(changed, FailureWording::Command)};
    }
    if (change == EventChange::SwitchOff) {
        model.SetCurrentInactive();
    } else {
        model.DeleteCurrent();
    }
    return {true, {}};
}

EventCommandResult SwitchOffEvent(const std::string& path, int ordinal, Journal& journal,
                                  const std::optional<std::string>& expectedText)
{
    return changeEvent(path, ordinal, EventChange::SwitchOff, journal, expectedText);
}

EventCommandResult DeleteEvent(const std::string& path, int ordinal, Journal& journal,
                               const std::optional<std::string>& expectedText)
{
    return changeEvent(path, ordinal, EventChange::Delete, journal, expectedText);
}

} // namespace orvenda
