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

// How the reader's text counts characters for the line limits: decoded
// UTF-8, or the bytes of a single-byte (Windows-1251) file, one character
// each. The numbers and line ends are ASCII in both.
enum class TextUnits { Utf8, SingleByte };

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
    // UTF-8; empty when the reader gives views only (ViewsOnly).
    std::string text;

    // Views into the reader's text, in its units, valid while that text
    // lives: the record's text, and for Unreadable and BadCounts the lines
    // the record took (with their line ends). `offset` is where the record's
    // first character stands in the text.
    std::string_view textBytes;
    std::string_view source;
    std::size_t offset = 0;
};

// Walks the records of an event file's text. The header is read on
// construction; records of any other format than the three event formats are
// not read (Next answers false at once).
class EventFileReader {
public:
    // Decoded text, which the reader keeps.
    EventFileReader(std::string text, std::size_t headerLimit);
    // A file's text in `units`, which must outlive the reader and the views
    // of its records; a single-byte text is decoded only where a string is
    // filled.
    EventFileReader(std::string_view text, TextUnits units, std::size_t headerLimit);
    // The records of `format` in a piece of a file without its header, from
    // the piece's start, which must be a line start. Numbered from 1 and from
    // line 1 on: a file read in pieces adds the numbers before the piece.
    EventFileReader(std::string_view piece, TextUnits units, EventFileFormat format);

    const std::string& Header() const noexcept { return m_header; }
    EventFileFormat Format() const noexcept { return m_format; }

    // Records get their views but no strings (text, sourceLines): for a
    // reader that decodes only the texts it keeps.
    void ViewsOnly() noexcept { m_strings = false; }
    // Every record the general way, without the quicker reading of the
    // usual ones: for the tests that check both give the same records.
    void QuickReadingOff() noexcept { m_quickReading = false; }
    // Bytes of the text read so far (after the header: where the records start).
    std::size_t Position() const noexcept { return m_pos; }

    // The next record; false at the end of the text. Every record line
    // yields one record, a last line without a line end included; blank lines
    // between fixed and float records are skipped.
    bool Next(EventFileRecord& record);

private:
    bool nextNumbered(EventFileRecord& record, int count);
    bool nextFullDate(EventFileRecord& record);
    // Consumes the rest of the line that holds `offset` (bytes ahead of the
    // reader's position) and sets the record's source from `lineStart` on.
    void consumeThroughLineEnd(EventFileRecord& record, std::size_t lineStart, std::size_t offset);
    void skip(std::size_t bytes);
    // The next line, at most maxChars characters (the rest of a longer line
    // is the following line); false at the end of the text.
    bool readLine(std::string_view& line, std::size_t maxChars);
    std::string_view remaining() const noexcept { return m_text.substr(m_pos); }
    std::string decoded(std::string_view bytes) const;

    std::string m_owned;
    std::string_view m_text;
    std::size_t m_pos = 0;
    TextUnits m_units = TextUnits::Utf8;
    bool m_strings = true;
    bool m_quickReading = true;
    std::string m_header;
    EventFileFormat m_format = EventFileFormat::Unknown;
    int m_lineNumber = 1; // line of the reader's position
    int m_ordinal = 0;
};

struct [[nodiscard]] SayingFileContent {
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
