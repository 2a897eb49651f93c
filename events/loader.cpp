#include "events/loader.h"

#include "engine/huge_pages.h"
#include "engine/text.h"
#include "engine/textfile.h"
#include "events/event_format.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <exception>
#include <filesystem>
#include <iterator>
#include <numeric>
#include <optional>
#include <string>
#include <system_error>
#include <utility>

namespace orvenda {

namespace {

// The record's text is moved into the event.
TEventRec eventOf(EventFileRecord& record, EventFileFormat format, TDateRec clockNow)
{
    TEventRec event;
    event.Text = std::move(record.text);
    event.Ordinal = record.ordinal;
    event.DaysBefore = record.daysBefore;
    event.DaysAfter = record.daysAfter;
    event.Active = record.active;
    switch (format) {
    case EventFileFormat::FixedEvents:
        // Values beyond the 16-bit fields are cut to them, as in every date record.
        event.Date = UnsetDateTime;
        event.Date.Year = record.year;
        event.Date.Month = static_cast<std::uint16_t>(record.month);
        event.Date.Day = static_cast<std::uint16_t>(record.day);
        break;
    case EventFileFormat::FloatEvents:
        event.Date = NthWeekdayOfMonth(record.astro, record.weekday, record.week, record.month, clockNow.Year,
                                       clockNow.Month);
        event.Date.Year = record.year;
        break;
    default:
        event.Date = record.date;
        break;
    }
    return event;
}

// Line ends of a text and one: the most lines it can hold.
std::size_t countLines(std::string_view text) noexcept
{
    std::size_t lines = 1;
    const char* from = text.data();
    const char* const end = from + text.size();
    while (const void* feed = std::memchr(from, '\n', static_cast<std::size_t>(end - from))) {
        ++lines;
        from = static_cast<const char*>(feed) + 1;
    }
    return lines;
}

// A file holds at most one record a line. Before a file is read the list gets
// room for its lines and for the records foreseen in the files still to come
// (as many per byte as in this one, and an eighth more), so that at a million
// events it grows once or twice instead of doubling its way up, which would
// touch twice the memory. The forecast is only a reservation: when the room
// cannot be had, the list grows as it goes.
void makeRoom(std::vector<TEventRec>& events, std::size_t lines, std::uintmax_t fileBytes,
              std::uintmax_t laterBytes)
{
    // No record line is shorter than this: a full-date line of a one-character
    // date and three one-digit counts, with its blanks and line end.
    constexpr double kShortestRecordBytes = 8;
    const double now = static_cast<double>(events.size()) + static_cast<double>(lines);
    if (now <= static_cast<double>(events.capacity())) {
        return;
    }
    double later = 0;
    if (fileBytes > 0) {
        later = static_cast<double>(lines) * static_cast<double>(laterBytes) / static_cast<double>(fileBytes);
        later = std::min(later * 9 / 8, static_cast<double>(laterBytes) / kShortestRecordBytes);
    }
    try {
        events.reserve(static_cast<std::size_t>(now + later));
        AdviseHugePages(events.data(), events.capacity() * sizeof(TEventRec));
    } catch (const std::exception&) {
        // Too much to reserve at once; push_back still grows the list as needed.
    }
}

std::string badCountsMessage(const std::string& path, const EventFileRecord& record)
{
    return "Ошибка в файле событий " + EscapeControls(path) + ", строка " +
           std::to_string(record.lineNumber) + ":\n\"" +
           EscapeControls(record.sourceLines.empty() ? std::string() : record.sourceLines.front()) +
           "\"\nПосле даты должны стоять три целых числа: за сколько дней сообщать о событии, "
           "сколько дней сообщать после него и признак включения (1 или 0).";
}

std::string unreadableMessage(const std::string& path, const EventFileRecord& record)
{
    return "Строка " + std::to_string(record.lineNumber) + " файла событий " + EscapeControls(path) +
           " не прочитана и пропущена: " +
           EscapeControls(record.sourceLines.empty() ? std::string() : record.sourceLines.front());
}

// A file of garbage would otherwise fill the journal (and the run log) with
// a line for each of its lines: the first ones tell the user enough.
constexpr int kUnreadableLinesShown = 100;

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
    const std::string what = "Файл " + std::string(kind);
    switch (failure) {
    case ReadFailure::NotRegular:
        return what + " не прочитан: это не обычный файл: " + where;
    case ReadFailure::TooLarge:
        return what + " не прочитан: он больше " + std::to_string(MaxReadBytes >> 20) + " МБ: " + where;
    case ReadFailure::ReadError:
        return what + " не прочитан: ошибка чтения: " + where;
    default:
        break;
    }
    return {};
}

} // namespace

EventLoadResult LoadEventFiles(const std::vector<TListedFile>& files, TDateRec clockNow, Journal& journal)
{
    EventLoadResult result;
    std::vector<std::uintmax_t> sizes;
    sizes.reserve(files.size());
    for (const TListedFile& file : files) {
        std::error_code error;
        const std::uintmax_t size = std::filesystem::file_size(file.Folder + file.Name, error);
        sizes.push_back(error ? 0 : size);
    }
    std::uintmax_t laterBytes = std::accumulate(sizes.begin(), sizes.end(), std::uintmax_t{0});

    for (std::size_t index = 0; index < files.size(); ++index) {
        const TListedFile& file = files[index];
        const std::string path = file.Folder + file.Name;
        laterBytes -= std::min(laterBytes, sizes[index]);
        ReadFailure failure = ReadFailure::None;
        std::optional<TextFile> content = ReadTextFile(path, &failure);
        if (!content) {
            journal.Add(failure == ReadFailure::CannotOpen
                            ? "Не найден файл событий: " + EscapeControls(file.Name) +
                                  "   Искали в: " + EscapeControls(file.Folder)
                            : unreadFileMessage(failure, "событий", file));
            result.missingFile = true;
            continue;
        }
        makeRoom(result.events, countLines(content->text), sizes[index], laterBytes);
        EventFileReader reader(std::move(content->text), EventHeaderLimit);
        const SharedString sharedPath(path);
        EventFileRecord record;
        int unreadable = 0;
        while (reader.Next(record)) {
            if (record.status == EventFileRecord::BadCounts) {
                result.failed = true;
                result.error = badCountsMessage(path, record);
                return result;
            }
            if (record.status == EventFileRecord::Unreadable) {
                if (++unreadable <= kUnreadableLinesShown) {
                    journal.Add(unreadableMessage(path, record));
                }
                continue;
            }
            TEventRec event = eventOf(record, reader.Format(), clockNow);
            event.FilePath = sharedPath;
            result.events.push_back(std::move(event));
        }
        if (unreadable > kUnreadableLinesShown) {
            journal.Add(skippedLinesMessage(path, unreadable - kUnreadableLinesShown));
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
