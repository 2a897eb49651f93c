#include "events/loader.h"

#include "engine/textfile.h"
#include "events/event_format.h"

#include <iterator>
#include <optional>
#include <string>
#include <utility>

namespace orvenda {

namespace {

TEventRec eventOf(const EventFileRecord& record, EventFileFormat format, TDateRec clockNow)
{
    TEventRec event;
    event.Text = record.text;
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

std::string badCountsMessage(const std::string& path, const EventFileRecord& record)
{
    return "Ошибка в файле событий " + path + ", строка " + std::to_string(record.lineNumber) + ":\n\"" +
           (record.sourceLines.empty() ? std::string() : record.sourceLines.front()) +
           "\"\nПосле даты должны стоять три целых числа: за сколько дней сообщать о событии, "
           "сколько дней сообщать после него и признак включения (1 или 0).";
}

std::string unreadableMessage(const std::string& path, const EventFileRecord& record)
{
    return "Строка " + std::to_string(record.lineNumber) + " файла событий " + path +
           " не прочитана и пропущена: " +
           (record.sourceLines.empty() ? std::string() : record.sourceLines.front());
}

} // namespace

EventLoadResult LoadEventFiles(const std::vector<TListedFile>& files, TDateRec clockNow, Journal& journal)
{
    EventLoadResult result;
    for (const TListedFile& file : files) {
        const std::string path = file.Folder + file.Name;
        std::optional<TextFile> content = ReadTextFile(path);
        if (!content) {
            journal.Add("Не найден файл событий: " + file.Name + "   Искали в: " + file.Folder);
            result.missingFile = true;
            continue;
        }
        EventFileReader reader(std::move(content->text), EventHeaderLimit);
        EventFileRecord record;
        while (reader.Next(record)) {
            if (record.status == EventFileRecord::BadCounts) {
                result.failed = true;
                result.error = badCountsMessage(path, record);
                return result;
            }
            if (record.status == EventFileRecord::Unreadable) {
                journal.Add(unreadableMessage(path, record));
                continue;
            }
            TEventRec event = eventOf(record, reader.Format(), clockNow);
            event.FilePath = path;
            result.events.push_back(std::move(event));
        }
    }
    return result;
}

SayingLoadResult LoadSayingFiles(const std::vector<TListedFile>& files, const std::string& programFolder,
                                 Journal& journal)
{
    SayingLoadResult result;
    const std::string pearlsPath = programFolder + OrientalPearlsFileName;
    if (std::optional<TextFile> pearls = ReadTextFile(pearlsPath)) {
        SayingFileContent content = ReadSayingFileAs(std::move(pearls->text), EventFileFormat::WisdomBy);
        std::move(content.sayings.begin(), content.sayings.end(), std::back_inserter(result.sayings));
    } else {
        // The "c" before "Жемчужинами" is a Latin letter in this message.
        journal.Add("Не найден файл c Жемчужинами Востока: " + pearlsPath);
        result.missingFile = true;
    }

    for (const TListedFile& file : files) {
        std::optional<TextFile> text = ReadTextFile(file.Folder + file.Name);
        if (!text) {
            // "высказыватий" is spelled so in this message.
            journal.Add("Не найден файл высказыватий: " + file.Name + "   Искали в: " + file.Folder);
            result.missingFile = true;
            continue;
        }
        SayingFileContent content = ReadSayingFile(std::move(text->text));
        std::move(content.sayings.begin(), content.sayings.end(), std::back_inserter(result.sayings));
    }
    return result;
}

} // namespace orvenda
