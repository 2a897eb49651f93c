#pragma once

// The state of the event and saying file editor, without any window: the
// file being edited, its table of records, the current record, the modified
// mark and the texts of the caption and the status bar. The editor window
// shows what this model says; the main window's delete and switch-off
// commands drive it directly (editors/event_commands.h).
//
// Records are numbered from 1 exactly as the loader numbers them (both read
// through events/event_format.h); a line the reader cannot take apart keeps
// its number and is written back unchanged, so that saving after a change to
// another record never loses it.

#include "engine/codec.h"
#include "engine/date.h"
#include "engine/journal.h"
#include "engine/textfile.h"
#include "events/event_format.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvenda {

enum class EditorLayout {
    None,      // no file loaded
    FixedDate, // "[fixed events]", "[fixed events with full date]"
    Floating,  // "[float events]"
    Saying,    // "[wisdom]", "[wisdom by]"
};

EditorLayout LayoutOfFormat(EventFileFormat format) noexcept;

// One row of the editor's table. Which fields count depends on the layout:
// fixed-date: day, month, year, hour, minute, dbefore, dafter, active, event;
// floating: astro, day (the weekday key), week, month, year, dbefore, dafter,
// active, event; saying: wisdom, author.
struct EditorRecord {
    std::int32_t astro = 0;
    std::int32_t day = 0;
    std::int32_t week = 0;
    std::int32_t month = 0;
    std::int32_t year = 0;
    // Only the full-date format keeps a time; empty when none is given.
    std::optional<std::int32_t> hour;
    std::optional<std::int32_t> minute;
    std::int32_t dbefore = 0;
    std::int32_t dafter = 0;
    bool active = false;
    std::string event;
    std::string wisdom;
    std::string author;
    // Set for a line that the reader could not take apart: the lines as they
    // stand in the file, written back so. `event` then shows them joined by
    // spaces. Editing any field of the row drops them.
    std::optional<std::vector<std::string>> verbatim;
};

struct LookupItem {
    std::int32_t key = 0;
    std::string item;
};
using LookupList = std::vector<LookupItem>;

// The drop-down lists of the floating layout.
struct LookupLists {
    LookupList astro;    // "t_astro_rus.txt"
    LookupList weekdays; // "t_days_rus.txt"
    LookupList weeks;    // "t_week_rus.txt"
    LookupList months;   // "t_months_rus.txt"
};

// Each entry is an integer key, white space, then the item (at most 99
// characters) to the line end. Lines that do not start with an integer are
// skipped. A file that cannot be opened adds "В редакторе событий невозможно
// открыть файл: " + path to the journal and leaves its list empty.
LookupLists ReadLookupLists(const std::string& templateFolder, Journal& journal);

class EventFileModel {
public:
    struct [[nodiscard]] OpenResult {
        enum Status { Opened, CannotOpen, UnknownFormat };
        Status status = Opened;
        // UnknownFormat: the text of the message box (caption "Ошибка!").
        // CannotOpen: the line added to the journal.
        std::string message;
    };

    // templateFolder ends with its separator; the lookup lists are read from
    // it whenever a floating file is opened or created. Without one (the
    // commands of the main window) no lookup list is read.
    explicit EventFileModel(std::string templateFolder = {});

    // Closes the current file without asking (the window asks first), then
    // reads `path`. A file that cannot be opened leaves no file loaded and
    // adds a journal line; an unknown header changes nothing more.
    OpenResult Open(const std::string& path, Journal& journal);
    // An empty unnamed table of the kind's format (any of the five).
    void New(EventFileFormat kind, Journal& journal);
    // Drops the table without asking or saving.
    void Close();

    // Writes the table to the current path, which must be set. On success the
    // modified mark is cleared and the source text renewed; on failure nothing
    // changes and the old file stays as it was. A Windows-1251 file that
    // cannot hold some character is not written (the result names them).
    SaveResult Save();
    // Saves an unnamed file under `path`, which becomes its path; the caption
    // stays.
    SaveResult NameAndSave(const std::string& path);
    // Saves under `path`, which becomes the current path, and sets the caption.
    SaveResult SaveAs(const std::string& path);

    bool IsLoaded() const noexcept { return m_layout != EditorLayout::None; }
    const std::string& Path() const noexcept { return m_path; }
    EventFileFormat Format() const noexcept { return m_format; }
    EditorLayout Layout() const noexcept { return m_layout; }
    bool IsModified() const noexcept { return m_modified; }
    // Whether the file at the current path is no longer the one last read or
    // written here: another program saved, replaced or removed it.
    bool ChangedOnDisk() const;

    // The encoding the file is written in: as it was read, Windows-1251 for a
    // new file.
    TextEncoding Encoding() const noexcept { return m_encoding; }
    void SetEncoding(TextEncoding encoding) noexcept { m_encoding = encoding; }

    // "Редактор", "Редактор - " + file name, "Редактор событий" or "Редактор высказываний".
    const std::string& Caption() const noexcept { return m_caption; }
    // The three status panels. PositionText is "n/count" while a table is
    // loaded and nullopt otherwise (the panel then keeps its text).
    std::string ModifiedText() const;
    std::optional<std::string> PositionText() const;
    const std::string& PathText() const noexcept { return m_path; }

    // The file text as last read or saved, every line followed by "\n" (the
    // file itself has CR LF); empty for a new file not yet saved.
    const std::string& SourceText() const noexcept { return m_source; }
    // The lines that saving would write now: the header, then the records.
    std::vector<std::string> ComposeLines() const;

    const LookupLists& Lookups() const noexcept { return m_lookups; }
    void LoadLookupLists(const std::string& templateFolder, Journal& journal);

    const std::vector<EditorRecord>& Records() const noexcept { return m_records; }
    int Count() const noexcept { return static_cast<int>(m_records.size()); }
    // 1-based; 0 when the table is empty.
    int CurrentNumber() const noexcept { return m_current; }
    const EditorRecord* Current() const noexcept;
    // Makes record n (1..Count) current; false (and no change) otherwise.
    bool Select(int n) noexcept;

    // A new record before the current one (the first of an empty table),
    // made current. Event records start with dbefore 1, dafter 0 and active.
    bool Insert();
    // The record after the deleted one becomes current (the last when the
    // last was deleted).
    bool DeleteCurrent();
    // Sets active to false; false when there is no current event record (a
    // saying, or a line kept as it stands).
    bool SetCurrentInactive();

    // Editing the current record sets the modified mark; false when there is
    // no current record.
    bool SetAstro(std::int32_t value) { return setField(&EditorRecord::astro, value); }
    bool SetDay(std::int32_t value) { return setField(&EditorRecord::day, value); }
    bool SetWeek(std::int32_t value) { return setField(&EditorRecord::week, value); }
    bool SetMonth(std::int32_t value) { return setField(&EditorRecord::month, value); }
    bool SetYear(std::int32_t value) { return setField(&EditorRecord::year, value); }
    bool SetHour(std::optional<std::int32_t> value) { return setField(&EditorRecord::hour, value); }
    bool SetMinute(std::optional<std::int32_t> value) { return setField(&EditorRecord::minute, value); }
    bool SetDBefore(std::int32_t value) { return setField(&EditorRecord::dbefore, value); }
    bool SetDAfter(std::int32_t value) { return setField(&EditorRecord::dafter, value); }
    bool SetActive(bool value) { return setField(&EditorRecord::active, value); }
    bool SetEvent(const std::string& value) { return setField(&EditorRecord::event, value); }
    bool SetWisdom(const std::string& value) { return setField(&EditorRecord::wisdom, value); }
    bool SetAuthor(const std::string& value) { return setField(&EditorRecord::author, value); }
    // The calendar pick: day, month and year of `date`.
    bool PickDate(TDateRec date);

private:
    // The current record, about to change: the modified mark is set and a
    // line kept as it stood is dropped. nullptr without a current record.
    EditorRecord* startEdit();
    template <typename T, typename V> bool setField(T EditorRecord::*field, const V& value)
    {
        EditorRecord* record = startEdit();
        if (record) {
            record->*field = value;
        }
        return record != nullptr;
    }
    void setUp(EventFileFormat format, Journal& journal);
    SaveResult write(const std::string& path);

    std::string m_templateFolder;
    std::string m_path;
    EventFileFormat m_format = EventFileFormat::Unknown;
    EditorLayout m_layout = EditorLayout::None;
    TextEncoding m_encoding = TextEncoding::Windows1251;
    bool m_modified = false;
    std::string m_caption;
    std::string m_source;
    std::vector<EditorRecord> m_records;
    int m_current = 0;
    // "[wisdom by]": the author line of the file, written when the table has
    // no record to take it from.
    std::string m_fileAuthor;
    bool m_hasFileAuthor = false;
    // The file as last read or written here.
    FileStamp m_diskStamp;
    LookupLists m_lookups;
};

} // namespace orvenda
