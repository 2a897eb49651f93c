#pragma once

// The main window's commands on one event, addressed by the file it came
// from and its ordinal there: the file is opened in the editor's model, the
// record selected by number, changed, saved and closed.

#include "engine/journal.h"

#include <optional>
#include <string>

namespace orvenda {

struct EventCommandResult {
    bool ok = false;
    // When not ok: what went wrong, for a message to the user. The file is
    // then unchanged.
    std::string error;
};

// Sets the active field of record `ordinal` (1-based) to 0.
// With `expectedText`, the record must still hold that event text: a file
// changed on disk since it was loaded is then left alone instead of changing
// a neighbouring event.
EventCommandResult SwitchOffEvent(const std::string& path, int ordinal, Journal& journal,
                                  const std::optional<std::string>& expectedText = std::nullopt);
// Removes record `ordinal` (1-based) from the file; `expectedText` as above.
EventCommandResult DeleteEvent(const std::string& path, int ordinal, Journal& journal,
                               const std::optional<std::string>& expectedText = std::nullopt);

} // namespace orvenda
