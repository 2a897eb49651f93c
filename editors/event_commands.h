#pragma once

// The main window's commands on one event, addressed by the file it came
// from and its ordinal there: the file is opened in the editor's model, the
// record selected by number, changed, saved and closed.

#include "engine/file_save.h"
#include "engine/journal.h"

#include <optional>
#include <string>

namespace orvenda {

class EventFileModel;

struct [[nodiscard]] EventCommandResult {
    bool ok = false;
    // When not ok: what went wrong, for a message to the user. The file is
    // then unchanged.
    std::string error;
    // The user cancelled (the editor's close question): nothing changed and
    // there is nothing to report.
    bool cancelled = false;
};

enum class EventChange { SwitchOff, Delete };

// Changes record `ordinal` (1-based) of the event file open in `model`,
// which is not saved. With `expectedText`, the record must still hold that
// event text: a file changed on disk since its events were loaded is then
// left alone instead of changing a neighbouring event.
EventCommandResult ApplyEventChange(EventFileModel& model, int ordinal, EventChange change,
                                    const std::optional<std::string>& expectedText);

// "Файл <path> не сохранён: " and the reason, for a failed save.
std::string FileNotSavedText(const std::string& path, const SaveResult& result);

// The file commands without an editor window (the terminal companion): the
// file is locked, read, changed and written back.
// Sets the active field of record `ordinal` (1-based) to 0; `expectedText`
// as above.
EventCommandResult SwitchOffEvent(const std::string& path, int ordinal, Journal& journal,
                                  const std::optional<std::string>& expectedText = std::nullopt);
// Removes record `ordinal` (1-based) from the file; `expectedText` as above.
EventCommandResult DeleteEvent(const std::string& path, int ordinal, Journal& journal,
                               const std::optional<std::string>& expectedText = std::nullopt);

} // namespace orvenda
