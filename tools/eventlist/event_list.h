#pragma once

// The personal event list: a user's dated entries in the order they were
// added, its list file (".evl", header "[fixed events list]"), the imports of
// full-date event files and of the pension fund's personal record files, the
// characteristics shown for an entry, and the links grid of a principle.
//
// Plain data and free functions; nothing throws. The window and the
// spreadsheet export both work on EventList.

#include "engine/codec.h"
#include "engine/date.h"
#include "engine/textfile.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orvenda {

inline constexpr std::string_view EvtListHeader = "[fixed events list]";
inline constexpr std::string_view FullDateHeader = "[fixed events with full date]";
inline constexpr std::string_view InvalidDateMessage = "Неверная или неполная дата.";
inline constexpr std::string_view EvtListErrorCaption = "Ошибка!";
inline constexpr std::string_view EvtListCaption = "Список событий";

// One entry, as the grid shows it.
struct EvtListRecord {
    // "d.m.Y", followed by two blanks and "H:M" when the entry has a time:
    // "07.03.1965  14:30".
    std::string datetime;
    std::string event;

    friend bool operator==(const EvtListRecord&, const EvtListRecord&) = default;
};

// The "datetime" text of a date: its time is written only when it passes
// IsValidDateTime.
std::string EvtListDateText(TDateRec date);
// The date and time an entry's "datetime" stands for; a missing time is the
// unset time of UnsetDateTime.
TDateRec EvtListRecordDate(const EvtListRecord& record);

class EventList {
public:
    // Appends an entry when `date` passes IsValidDate; otherwise adds nothing
    // and returns false (the caller shows InvalidDateMessage). The list is
    // opened by its first addition.
    bool Add(TDateRec date, std::string_view text);
    // Removes the entry at `index`; an index past the end does nothing.
    void Delete(std::size_t index);
    // Empty and open again, as after the window's "X".
    void Clear();

    const std::vector<EvtListRecord>& Records() const noexcept { return m_records; }
    std::size_t Size() const noexcept { return m_records.size(); }
    bool Empty() const noexcept { return m_records.empty(); }
    // Whether an entry was ever added or imported, or the list was cleared.
    bool IsOpen() const noexcept { return m_open; }
    void Open() noexcept { m_open = true; }
    // Entries were added or deleted since the list was last saved, loaded
    // into an empty list, or cleared.
    bool Modified() const noexcept { return m_modified; }
    void MarkSaved() noexcept { m_modified = false; }

private:
    std::vector<EvtListRecord> m_records;
    bool m_open = false;
    bool m_modified = false;
};

// ---- The list file ----

// The lines of the list file: the header, then for every entry its date as
// "Y.m.d_H:M", or "Y.m.d" and six blanks without a time, one blank and the text.
std::vector<std::string> EvtListFileLines(const EventList& list);
// Writes the list file in Windows-1251 with CR LF through a temporary file
// and a rename. A list holding characters Windows-1251 lacks is written in
// UTF-8 instead, which every reader of the program takes as well, so
// nothing the user typed is lost.
SaveResult SaveEvtListFile(const std::string& path, const EventList& list);

enum class EvtListFormat { List, FullDate, PensionFund, Unknown };

struct [[nodiscard]] ImportResult {
    EvtListFormat format = EvtListFormat::Unknown;
    std::size_t added = 0;
    // Lines of entries whose date could not be read; blank lines are not counted.
    std::size_t skipped = 0;
    // The numbers (from 1) of the skipped lines, for the message.
    std::vector<std::size_t> skippedLines;
    bool readFailed = false; // the file could not be opened or read
};

// Appends the entries of a file's lines to `list` (the list is not cleared):
// the first line names the format. Lines with an unreadable date are skipped
// and counted.
ImportResult ImportEvtListLines(const std::vector<std::string>& lines, EventList& list);
// The same for a file, read as Windows-1251 or UTF-8.
ImportResult ImportEvtListFile(const std::string& path, EventList& list);
// What the window says after an import that skipped lines or read nothing;
// empty when there is nothing to say.
std::string ImportMessage(const ImportResult& result, std::string_view path);

// ---- What the window shows for an entry ----

enum class PictureKind { Principle, Energy, Zodiak };

struct EntryPicture {
    PictureKind kind = PictureKind::Principle;
    int number = 0;
    std::string hint;

    friend bool operator==(const EntryPicture&, const EntryPicture&) = default;
};

// Century, year, month, decade, week, day, hour, minute, zodiac.
using EntryPictures = std::array<EntryPicture, 9>;
// The pictures of an entry's characteristics, from its "datetime".
EntryPictures EntryCharacteristics(const EvtListRecord& record);
// "Img/Principles/05.bmp": the picture file relative to the program folder.
std::string EntryPictureFile(const EntryPicture& picture);

// ---- Links of a principle with the points of stars ----

// The numbers of rays typed into the stars field: digit runs separated by
// commas or blanks; other characters are skipped, so "5;7" is 57. Numbers
// above kMaxStarRays are left out: a grid that wide would only hang the window.
inline constexpr int kMaxStarRays = 360;
std::vector<int> StarNumbers(std::string_view text);

// The links grid: the top row holds 1..R (R the largest star, at least 1) in
// columns 1..R, row r holds the r-th star N in column 0 and in columns 1..N
// the principle linked with `principle` at that star's point. Empty cells are 0.
struct LinksGrid {
    int columns = 0;
    int rows = 0;
    std::vector<int> starOfRow;           // index 0 is the top row (0 there)
    std::vector<std::vector<int>> linked; // linked[row][column], 0 where no picture

    int Cell(int row, int column) const
    {
        return linked[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    }
};
LinksGrid MakeLinksGrid(int principle, const std::vector<int>& stars);
// "Связи между принципами для принципа " and the principle's name; empty
// outside 1..60.
std::string LinksCaption(int principle);

} // namespace orvenda
