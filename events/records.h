#pragma once

// One loaded event and one saying, as the loaders produce them.

#include "engine/date.h"
#include "events/shared_string.h"

#include <string>

namespace orvenda {

struct TEventRec {
    std::string Text;
    // Day, month and year of the event; time fields from the file when it has
    // them, else unset (UnsetDateTime's values).
    TDateRec Date = UnsetDateTime;
    // Full path of the file the record came from (Folder followed by Name);
    // the records of one file share it.
    SharedString FilePath;
    // 1-based number of the record among the records of its file, in file
    // order; equal to the editor's record number for the same file.
    int Ordinal = 0;
    int DaysBefore = 0;
    int DaysAfter = 0;
    // The active value as read; only 1 counts as active.
    int Active = 0;
};

struct TSayingRec {
    std::string Text;
    std::string Author;
};

} // namespace orvenda
