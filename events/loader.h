#pragma once

// Loading of the listed event and saying files at every refresh. Nothing is
// cached: each call reads the files again from disk.

#include "config/config.h"
#include "engine/date.h"
#include "engine/journal.h"
#include "events/records.h"

#include <optional>
#include <string>
#include <vector>

namespace orvenda {

struct [[nodiscard]] EventLoadResult {
    // All records of all files: files in list order, records in file order.
    std::vector<TEventRec> events;
    // A listed file could not be opened (the main window shows "?").
    bool missingFile = false;
    // Records read (not those of unreadable lines), kept or not.
    std::size_t loaded = 0;
    // A full-date line whose counts are not integers stopped the loading;
    // the records read before it stay in `events`.
    bool failed = false;
    // The message to show when failed.
    std::string error;
};

// Reads every listed file (the file opened is Folder followed by Name, an
// empty Name included). Floating dates are computed in the year and month of
// clockNow. A file that cannot be opened, and every unreadable line of a
// fixed or float file, adds a line to the journal; a file with an unknown
// header adds nothing.
//
// With `shownOn`, only the events that can show on that day are kept: those
// that are active with a notice window covering it, and those a notable
// count of days away (the three lists of ComputeUpcoming, which then gives
// the same result for that day as over every record). A refresh needs no
// more, and at a million events the others are most of the memory.
EventLoadResult LoadEventFiles(const std::vector<TListedFile>& files, TDateRec clockNow, Journal& journal,
                               std::optional<TDateRec> shownOn = std::nullopt);

struct [[nodiscard]] SayingLoadResult {
    // The sayings of the fixed saying file first, then those of the listed
    // files in list order, each in file order.
    std::vector<TSayingRec> sayings;
    bool missingFile = false;
};

// The name of the saying file read before the listed ones, from the folder of
// the delivered data (the program folder when the program runs portable).
inline constexpr const char* OrientalPearlsFileName = "oriental_perls.wis";

// `programFolder` is the folder that holds the fixed saying file and ends with
// its separator; the listed files carry their own folders.
SayingLoadResult LoadSayingFiles(const std::vector<TListedFile>& files, const std::string& programFolder,
                                 Journal& journal);

} // namespace orvenda
