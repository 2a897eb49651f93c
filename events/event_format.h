#pragma once

// The reader of the event and saying files. The loader and the editor both
// take a file apart through this one reader, so that a record's number in the
// file (its ordinal) is the same for both: the main window addresses an event
// by file and ordinal and has the editor change exactly that record.
//
// Event files: a header line, then one record per line.
//   "[fixed events]"   day month year dbefore dafter active text
//   "[float events]"   astro weekday week month year dbefore dafter active text
//   "[fixed events with full date]"   date dbefore dafter active text
// Saying files: "[wisdom by]" (author line, then one saying per line) and
// "[wisdom]" (saying line, author line, in pairs).
//
// All texts are UTF-8 (the file has been decoded); limits count characters.

#include "engine/codec.h"
#include "engine/date.h"
#include "events/records.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvenda {

enum class EventFileFormat { Unknown, FixedEvents, FloatEvents, FullDateEvents, Wisdom, WisdomBy };

inline constexpr std::string_view FixedEventsHeader = "[fixed events]";
inline constexpr std::string_view FloatEventsHeader = "[float events]";
inline constexpr std::string_view FullDateEventsHeader = "[fixed events with full date]";
inline constexpr std::string_view WisdomHeader = "[wisdom]";
inline constexpr std::string_view WisdomByHeader = "[wisdom by]";

// Longest piece read as one line; the rest of a longer line counts as the
// following line. The loader reads an event file's header up to
// EventHeaderLimit characters; a saying file's header, and every header the
// editor reads, up to SayingHeaderLimit. No known header comes near either.
inline constexpr std::size_t EventHeaderLimit = 254;
inline constexpr std::size_t SayingHeaderLimit = 99;
inline constexpr std::size_t EventLineLimit = 998;
inline constexpr std::size_t SayingLineLimit = 998;
inline constexpr std::size_t AuthorLineLimit = 254;

// Exact comparison (case and spaces count); Unknown for anything else.
EventFileFormat FormatOfHeader(std::string_view header) noexcept;
// The header line of a format; "" for Unknown.
std::string_view HeaderOfFormat(EventFileFormat format) noexcept;
bool IsEventFormat(EventFileFormat format) noexcept;
bool IsSayingFormat(EventFileFormat format) noexcept;

// One record of an event file as it stands there.
struct EventFileRecord {
    enum Status {
        Read,       // the fields below hold the record
        Unreadable, // a fixed or float record that does not start with its integers, or
                    // whose first number is negative: not an event, kept as it stands
        BadCounts,  // a full-date line whose counts are not integers
    };
    Status status = Read;
    // 1-based number among the records of the file; unreadable records count too.
    int ordinal = 0;
    // Line of the file (the header is line 1) on which the record starts.
    int lineNumber = 0;
    // Unreadable and BadCounts: the lines the record took, without their line ends.
    std::vector<std::string> sourceLines;

    // "[fixed events]": day, month, year. "[float events]": astro, weekday,
    // week, month, year. Fields the format does not have stay 0.
    std::int32_t astro = 0;
    std::int32_t weekday = 0;
    std::int32_t week = 0;
    std::int32_t day = 0;
    std::int32_t month = 0;
    std::int32_t year = 0;
    // "[fixed events with full date]": the date text read year first over
    // UnsetDateTime, so the time is set only when the text gives one.
    TDateRec date = UnsetDateTime;

    std::int32_t daysBefore = 0;
    std::int32_t daysAfter = 0;
    std::int32_t active = 0;
    std::string text;
};

// Walks the records of an event file's text. The header is read on
// construction; records of any other format than the three event formats are
// not read (Next answers false at once).
class EventFileReader {
public:
    EventFileReader(std::string text, std::size_t headerLimit);

    const std::string& Header() const noexcept { return m_header; }
    EventFileFormat Format() const noexcept { return m_format; }

    // The next record; false at the end of the text. Every record line
    // yields one record, a last line without a line end included; blank lines
    // between fixed and float records are skipped.
    bool Next(EventFileRecord& record);

private:
    bool nextNumbered(EventFileRecord& record, int count);
    bool nextFullDate(EventFileRecord& record);
    // Consumes the rest of the line that holds `offset` (bytes ahead of the
    // reader's position) and returns the lines taken since `lineStart`.
    std::vector<std::string> consumeThroughLineEnd(std::size_t lineStart, std::size_t offset);
    void skip(std::size_t bytes);
    bool readLine(std::string& line, std::size_t maxChars);

    LineReader m_reader;
    std::string m_header;
    EventFileFormat m_format = EventFileFormat::Unknown;
    int m_lineNumber = 1; // line of the reader's position
    int m_ordinal = 0;
};

struct SayingFileContent {
    std::string header;
    EventFileFormat format = EventFileFormat::Unknown;
    // "[wisdom by]": whether the file has an author line, and the author (it
    // is also in every saying).
    bool hasAuthorLine = false;
    std::string author;
    std::vector<TSayingRec> sayings;
};

// A saying file by its header (read up to SayingHeaderLimit characters); an
// unknown header gives no sayings. "[wisdom]" with an odd last line gives
// that saying an empty author.
SayingFileContent ReadSayingFile(std::string text);
// A file in the layout of `format` whatever its first line says (the first
// line is skipped): the fixed saying file is a "[wisdom by]" file of this kind.
SayingFileContent ReadSayingFileAs(std::string text, EventFileFormat format);

} // namespace orvenda
