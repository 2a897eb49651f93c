#include "events/loader.h"

#include "engine/file_bytes.h"
#include "engine/file_failure.h"
#include "engine/helper_thread.h"
#include "engine/textfile.h"
#include "engine/utf8.h"
#include "events/event_format.h"

#include "events/window_test.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace orvenda {

namespace {

// The dates of floating events in the year and month of the clock. Every
// record of a float file needs one, and the records of a million-event file
// have no more than a few hundred different rules: each is worked out once.
class FloatDates {
public:
    explicit FloatDates(TDateRec clockNow) : m_clockNow(clockNow) {}

    TDateRec Of(const EventFileRecord& record)
    {
        const auto in = [](std::int32_t value, int size) { return value >= 0 && value < size; };
        if (!in(record.astro, 1) || !in(record.weekday, kWeekdays) || !in(record.week, kWeeks) ||
            !in(record.month, kMonths)) {
            return work(record);
        }
        const std::size_t index =
            (static_cast<std::size_t>(record.weekday) * kWeeks + static_cast<std::size_t>(record.week)) *
                kMonths +
            static_cast<std::size_t>(record.month);
        std::optional<TDateRec>& date = m_dates[index];
        if (!date) {
            date = work(record);
        }
        return *date;
    }

private:
    static constexpr int kWeekdays = 8; // 0..7
    static constexpr int kWeeks = 6;    // 0..5
    static constexpr int kMonths = 13;  // 0..12

    TDateRec work(const EventFileRecord& record) const noexcept
    {
        return NthWeekdayOfMonth(record.astro, record.weekday, record.week, record.month, m_clockNow.Year,
                                 m_clockNow.Month);
    }

    TDateRec m_clockNow;
    std::array<std::optional<TDateRec>, std::size_t{kWeekdays} * kWeeks * kMonths> m_dates{};
};

// The record's date and counts, as the event made of it will hold them:
// values beyond the 16-bit fields are cut to them, as in every date record.
// A floating event falls in the year and month of the clock.
EventDay dayOf(const EventFileRecord& record, EventFileFormat format, FloatDates& floatDates)
{
    EventDay day{record.year,
                 static_cast<std::uint16_t>(record.month),
                 static_cast<std::uint16_t>(record.day),
                 record.daysBefore,
                 record.daysAfter,
                 record.active};
    if (format == EventFileFormat::FloatEvents) {
        const TDateRec date = floatDates.Of(record);
        day.month = date.Month;
        day.day = date.Day;
    } else if (format == EventFileFormat::FullDateEvents) {
        day.year = record.date.Year;
        day.month = record.date.Month;
        day.day = record.date.Day;
    }
    return day;
}

// The event of a record that is kept, without its text, which is decoded
// only then.
TEventRec eventOf(const EventFileRecord& record, EventFileFormat format, const EventDay& day)
{
    TEventRec event;
    event.Ordinal = record.ordinal;
    event.DaysBefore = record.daysBefore;
    event.DaysAfter = record.daysAfter;
    event.Active = record.active;
    // A full-date record keeps its time; the others have none.
    event.Date = format == EventFileFormat::FullDateEvents ? record.date : UnsetDateTime;
    event.Date.Year = day.year;
    event.Date.Month = day.month;
    event.Date.Day = day.day;
    return event;
}

// A file of garbage would otherwise fill the journal (and the run log) with
// a line for each of its lines: the first ones tell the user enough.
constexpr int kUnreadableLinesShown = 100;

// A line that stopped the loading or was skipped, as the user will see it.
struct LineNote {
    int lineNumber = 0;
    std::string text; // UTF-8, control characters escaped
};

// The file's text as the reader takes it: a Windows-1251 file as its bytes,
// one character a byte, its texts decoded only where kept; a UTF-8 file as
// its text without the byte-order mark.
struct FileText {
    std::string_view text;
    TextUnits units = TextUnits::SingleByte;
    std::string decoded; // only for a UTF-8 file with broken characters
};

FileText textOf(std::string_view bytes)
{
    constexpr std::size_t kOpening = std::size_t{1} << 16;
    FileText file;
    file.text = bytes;
    const TextEncoding encoding = OpeningSettlesWindows1251(bytes.substr(0, kOpening))
                                      ? TextEncoding::Windows1251
                                      : DetectEncoding(bytes);
    if (encoding == TextEncoding::Windows1251) {
        return file;
    }
    file.units = TextUnits::Utf8;
    if (encoding == TextEncoding::Utf8Bom) {
        // After the mark: valid UTF-8 is its own text; anything else is
        // decoded with its broken characters replaced, as everywhere.
        const std::string_view rest = bytes.substr(3);
        if (IsValidUtf8(rest)) {
            file.text = rest;
        } else {
            file.decoded = DecodeText(bytes, encoding);
            file.text = file.decoded;
        }
    }
    return file;
}

std::string utf8Of(std::string_view bytes, TextUnits units)
{
    return units == TextUnits::SingleByte ? Cp1251ToUtf8(bytes) : std::string(bytes);
}

// The first line of a record's source, for a message.
std::string firstSourceLine(const EventFileRecord& record, TextUnits units)
{
    std::string_view line = record.source.substr(0, record.source.find('\n'));
    if (!line.empty() && line.back() == '\r' && line.size() < record.source.size()) {
        line.remove_suffix(1);
    }
    return EscapeControls(utf8Of(line, units));
}

// What one thread makes of a stretch of a file's records. Ordinals and line
// numbers are those of the reader that read them.
struct Piece {
    std::vector<TEventRec> events;
    std::size_t loaded = 0;
    std::vector<LineNote> unreadable; // the first kUnreadableLinesShown
    int unreadableCount = 0;
    std::optional<LineNote> badCounts;
    // Where the piece's first record starts, its ordinal and line.
    std::size_t firstOffset = std::string_view::npos;
    int firstOrdinal = 0;
    int firstLine = 0;
    // The record at which the reader stopped, when it was given a place to stop.
    std::optional<EventFileRecord> boundary;
};

struct PieceContext {
    EventFileFormat format;
    TextUnits units;
    TDateRec clockNow;
    const SharedString* path;
    // Only the events that can show on this day are kept.
    std::optional<TDateRec> shownOn;
};

// What a thread works out once for all the records it reads.
struct PieceWork {
    explicit PieceWork(const PieceContext& context) : floatDates(context.clockNow)
    {
        if (context.shownOn) {
            window.emplace(*context.shownOn);
        }
    }
    std::optional<WindowTest> window;
    FloatDates floatDates;
};

// What a record adds to a piece; false when it stops the loading (a
// full-date line with bad counts).
bool takeRecord(const EventFileRecord& record, const PieceContext& context, PieceWork& work, Piece& piece)
{
    if (record.status == EventFileRecord::BadCounts) {
        piece.badCounts = LineNote{record.lineNumber, firstSourceLine(record, context.units)};
        return false;
    }
    if (record.status == EventFileRecord::Unreadable) {
        if (++piece.unreadableCount <= kUnreadableLinesShown) {
            piece.unreadable.push_back({record.lineNumber, firstSourceLine(record, context.units)});
        }
        return true;
    }
    ++piece.loaded;
    const EventDay day = dayOf(record, context.format, work.floatDates);
    if (work.window && !work.window->Listed(day)) {
        return true;
    }
    TEventRec event = eventOf(record, context.format, day);
    event.Text = utf8Of(record.textBytes, context.units);
    event.FilePath = *context.path;
    piece.events.push_back(std::move(event));
    return true;
}

// Reads records until the end, a full-date line with bad counts, or the
// first record that starts at or after `stopAt`; `pending`, a record read
// already, comes first.
void readPiece(EventFileReader& reader, const PieceContext& context, Piece& piece,
               std::size_t stopAt = std::string_view::npos, const EventFileRecord* pending = nullptr)
{
    PieceWork work(context);
    if (pending && !takeRecord(*pending, context, work, piece)) {
        return;
    }
    EventFileRecord record;
    while (reader.Next(record)) {
        if (record.offset >= stopAt) {
            piece.boundary = std::move(record);
            return;
        }
        if (piece.firstOffset == std::string_view::npos) {
            piece.firstOffset = record.offset;
            piece.firstOrdinal = record.ordinal;
            piece.firstLine = record.lineNumber;
        }
        if (!takeRecord(record, context, work, piece)) {
            return;
        }
    }
}

// Appends the second piece of a file to the first, whose reader stopped at
// `boundary`, the second one's first record.
void appendPiece(Piece& first, Piece&& second, const EventFileRecord& boundary)
{
    const int ordinals = boundary.ordinal - second.firstOrdinal;
    const int lines = boundary.lineNumber - second.firstLine;
    first.events.reserve(first.events.size() + second.events.size());
    for (TEventRec& event : second.events) {
        event.Ordinal += ordinals;
        first.events.push_back(std::move(event));
    }
    first.loaded += second.loaded;
    for (LineNote& note : second.unreadable) {
        if (first.unreadable.size() < static_cast<std::size_t>(kUnreadableLinesShown)) {
            note.lineNumber += lines;
            first.unreadable.push_back(std::move(note));
        }
    }
    first.unreadableCount += second.unreadableCount;
    if (second.badCounts) {
        second.badCounts->lineNumber += lines;
        first.badCounts = std::move(second.badCounts);
    }
}

// Below this size a file is read by one thread: a second one would cost more
// to start than it saves.
constexpr std::size_t kSplitBytes = std::size_t{1} << 19;

// The records of a file's text after its header. A large file is read by two
// threads, the second from the first line start past the middle. Whether a
// record starts there is only known once the first thread gets there (the
// numbers of a record may run over several lines, a long line is read in
// pieces), so the first thread reads up to the first record at or past that
// line start and checks that it is the second one's first record; where it
// is not, the first thread reads on alone. Either way the records, their
// ordinals and lines are those of one reader from the start.
Piece readRecords(EventFileReader& reader, std::string_view text, std::size_t bodyStart,
                  const PieceContext& context, HelperThread& helper)
{
    Piece first;
    const std::size_t middle = bodyStart + (text.size() - bodyStart) / 2;
    const std::size_t lineEnd = text.find('\n', middle);
    if (text.size() - bodyStart < kSplitBytes || !HelperThread::Worthwhile() ||
        lineEnd == std::string_view::npos || lineEnd + 1 >= text.size()) {
        readPiece(reader, context, first);
        return first;
    }
    const std::size_t split = lineEnd + 1;
    Piece second;
    {
        const HelperThread::Waiting waiting = helper.Run([&] {
            EventFileReader rest(text.substr(split), context.units, context.format);
            rest.ViewsOnly();
            readPiece(rest, context, second);
        });
        readPiece(reader, context, first, split);
    }
    if (!first.boundary) {
        return first; // ended, or stopped by bad counts, before the second piece
    }
    const EventFileRecord boundary = std::move(*first.boundary);
    first.boundary.reset();
    if (second.firstOffset != std::string_view::npos && split + second.firstOffset == boundary.offset) {
        appendPiece(first, std::move(second), boundary);
    } else {
        readPiece(reader, context, first, std::string_view::npos, &boundary);
    }
    return first;
}

std::string badCountsMessage(const std::string& path, const LineNote& line)
{
    return "Ошибка в файле событий " + EscapeControls(path) + ", строка " + std::to_string(line.lineNumber) +
           ":\n\"" + line.text +
           "\"\nПосле даты должны стоять три целых числа: за сколько дней сообщать о событии, "
           "сколько дней сообщать после него и признак включения (1 или 0).";
}

std::string unreadableMessage(const std::string& path, const LineNote& line)
{
    return "Строка " + std::to_string(line.lineNumber) + " файла событий " + EscapeControls(path) +
           " не прочитана и пропущена: " + line.text;
}

std::string skippedLinesMessage(const std::string& path, int skipped)
{
    return "Ещё " + std::to_string(skipped) + " " + PluralForm(skipped, "строка", "строки", "строк") +
           " файла событий " + EscapeControls(path) +
           (skipped % 10 == 1 && skipped % 100 != 11 ? " не прочитана и пропущена"
                                                     : " не прочитаны и пропущены");
}

// The journal line for a listed file that cannot be read. `kind` is the
// file's kind in the genitive ("событий", "высказываний").
std::string unreadFileMessage(ReadFailure failure, std::string_view kind, const TListedFile& file)
{
    const std::string where = EscapeControls(file.Name) + "   Искали в: " + EscapeControls(file.Folder);
    return "Файл " + std::string(kind) +
           " не прочитан: " + FailureReason(FailureOf(failure, file.Folder + file.Name)) + ": " + where;
}

} // namespace

EventLoadResult LoadEventFiles(const std::vector<TListedFile>& files, TDateRec clockNow, Journal& journal,
                               std::optional<TDateRec> shownOn)
{
    EventLoadResult result;
    // One helper for the halves of every file, kept from file to file.
    HelperThread helper;
    ByteBuffer bytes(&helper);
    for (const TListedFile& file : files) {
        const std::string path = file.Folder + file.Name;
        const ReadFailure failure = bytes.Read(path);
        if (failure != ReadFailure::None) {
            journal.Add(failure == ReadFailure::CannotOpen
                            ? "Не найден файл событий: " + EscapeControls(file.Name) +
                                  "   Искали в: " + EscapeControls(file.Folder)
                            : unreadFileMessage(failure, "событий", file));
            result.missingFile = true;
            continue;
        }
        const FileText text = textOf(bytes.view());
        EventFileReader reader(text.text, text.units, EventHeaderLimit);
        if (!IsEventFormat(reader.Format())) {
            continue;
        }
        reader.ViewsOnly();
        const SharedString sharedPath(path);
        const PieceContext context{reader.Format(), text.units, clockNow, &sharedPath, shownOn};
        Piece piece = readRecords(reader, text.text, reader.Position(), context, helper);

        result.loaded += piece.loaded;
        if (result.events.empty()) {
            result.events = std::move(piece.events);
        } else {
            std::move(piece.events.begin(), piece.events.end(), std::back_inserter(result.events));
        }
        for (const LineNote& note : piece.unreadable) {
            journal.Add(unreadableMessage(path, note));
        }
        if (piece.unreadableCount > kUnreadableLinesShown) {
            journal.Add(skippedLinesMessage(path, piece.unreadableCount - kUnreadableLinesShown));
        }
        if (piece.badCounts) {
            result.failed = true;
            result.error = badCountsMessage(path, *piece.badCounts);
            return result;
        }
    }
    return result;
}

SayingLoadResult LoadSayingFiles(const std::vector<TListedFile>& files, const std::string& programFolder,
                                 Journal& journal)
{
    SayingLoadResult result;
    const std::string pearlsPath = programFolder + OrientalPearlsFileName;
    ReadFailure failure = ReadFailure::None;
    if (std::optional<TextFile> pearls = ReadTextFile(pearlsPath, &failure)) {
        SayingFileContent content = ReadSayingFileAs(std::move(pearls->text), EventFileFormat::WisdomBy);
        std::move(content.sayings.begin(), content.sayings.end(), std::back_inserter(result.sayings));
    } else {
        // The "c" before "Жемчужинами" is a Latin letter in this message.
        journal.Add(failure == ReadFailure::CannotOpen
                        ? "Не найден файл c Жемчужинами Востока: " + EscapeControls(pearlsPath)
                        : unreadFileMessage(failure, "с Жемчужинами Востока",
                                            {programFolder, OrientalPearlsFileName}));
        result.missingFile = true;
    }

    for (const TListedFile& file : files) {
        std::optional<TextFile> text = ReadTextFile(file.Folder + file.Name, &failure);
        if (!text) {
            // "высказыватий" is spelled so in this message.
            journal.Add(failure == ReadFailure::CannotOpen
                            ? "Не найден файл высказыватий: " + EscapeControls(file.Name) +
                                  "   Искали в: " + EscapeControls(file.Folder)
                            : unreadFileMessage(failure, "высказываний", file));
            result.missingFile = true;
            continue;
        }
        SayingFileContent content = ReadSayingFile(std::move(text->text));
        std::move(content.sayings.begin(), content.sayings.end(), std::back_inserter(result.sayings));
    }
    return result;
}

} // namespace orvenda
