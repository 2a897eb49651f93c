#include "tools/eventlist/event_list.h"

#include "engine/date_format.h"
#include "engine/principles.h"
#include "engine/utf8.h"
#include "engine/zodiac.h"

#include <algorithm>
#include <charconv>

namespace orvenda {

namespace {

// The text after the first blank, trimmed; empty without a blank.
std::string_view AfterBlank(std::string_view text)
{
    const std::size_t pos = text.find(' ');
    return pos == std::string_view::npos ? std::string_view() : Trim(text.substr(pos + 1));
}

// Characters (code points) first..last of a text, counted from 1.
std::string_view Characters(std::string_view text, std::size_t first, std::size_t last)
{
    const std::string_view head = Utf8Left(text, first - 1);
    const std::string_view rest = text.substr(head.size());
    return Utf8Left(rest, last - first + 1);
}

// A field of the pension fund's records without its enclosing quotes.
std::string Unquoted(std::string_view field)
{
    const std::size_t length = Utf8Length(field);
    if (length < 2)
        return {};
    return std::string(Characters(field, 2, length - 1));
}

// The comma-separated fields of a record, each trimmed.
std::vector<std::string_view> CommaFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t comma = line.find(',');
        fields.push_back(Trim(line.substr(0, comma)));
        if (comma == std::string_view::npos)
            return fields;
        line = line.substr(comma + 1);
    }
}

struct ParsedLine {
    TDateRec date;
    std::string text;
};

ParsedLine ParseListLine(std::string_view line)
{
    const std::size_t blank = line.find(' ');
    const std::string_view dateText = blank == std::string_view::npos ? line : line.substr(0, blank + 1);
    return {ReadDate(dateText, YearFirst, UnsetDateTime), std::string(AfterBlank(line))};
}

ParsedLine ParseFullDateLine(std::string_view line)
{
    line = Trim(line);
    const std::size_t blank = line.find(' ');
    const std::string_view dateText = blank == std::string_view::npos ? line : line.substr(0, blank + 1);
    // The date, days before, days after and the active flag go before the text.
    std::string_view text = line;
    for (int i = 0; i < 4; ++i)
        text = AfterBlank(text);
    return {ReadDate(dateText, YearFirst, UnsetDateTime), std::string(text)};
}

ParsedLine ParsePensionLine(std::string_view line)
{
    const std::vector<std::string_view> fields = CommaFields(line);
    auto field = [&](std::size_t n) { return n <= fields.size() ? Unquoted(fields[n - 1]) : std::string(); };
    // Surname, first name and patronymic; the birth date.
    std::string name = field(4) + " " + field(5) + " " + field(6);
    return {ReadDate(field(9), DayFirst, UnsetDateTime), std::string(Trim(name))};
}

} // namespace

std::string EvtListDateText(TDateRec date)
{
    std::string text = FormatDate(date, "d.m.Y");
    // The grid shows the hour with two digits, as it does day and month.
    if (IsValidDateTime(date))
        text += "  " + Pad(std::to_string(date.Hour), "0", 2, "right") + FormatDate(date, ":M");
    return text;
}

TDateRec EvtListRecordDate(const EvtListRecord& record)
{
    return ReadDate(record.datetime, DayFirst, UnsetDateTime);
}

bool EventList::Add(TDateRec date, std::string_view text)
{
    if (!IsValidDate(date))
        return false;
    m_open = true;
    m_records.push_back({EvtListDateText(date), std::string(text)});
    m_modified = true;
    return true;
}

void EventList::Delete(std::size_t index)
{
    if (index >= m_records.size())
        return;
    m_records.erase(m_records.begin() + static_cast<std::ptrdiff_t>(index));
    m_modified = true;
}

void EventList::Clear()
{
    m_records.clear();
    m_open = true;
    m_modified = false;
}

std::vector<std::string> EvtListFileLines(const EventList& list)
{
    std::vector<std::string> lines;
    lines.reserve(list.Size() + 1);
    lines.emplace_back(EvtListHeader);
    for (const EvtListRecord& record : list.Records()) {
        const TDateRec date = EvtListRecordDate(record);
        const std::string dateText =
            IsValidDateTime(date) ? FormatDate(date, "Y.m.d_H:M") : FormatDate(date, "Y.m.d") + "      ";
        lines.push_back(dateText + " " + record.event);
    }
    return lines;
}

SaveResult SaveEvtListFile(const std::string& path, const EventList& list)
{
    const std::vector<std::string> lines = EvtListFileLines(list);
    SaveResult result = SaveTextFile(path, lines, TextEncoding::Windows1251);
    if (result.status == SaveResult::Unencodable)
        result = SaveTextFile(path, lines, TextEncoding::Utf8);
    return result;
}

ImportResult ImportEvtListLines(const std::vector<std::string>& lines, EventList& list)
{
    ImportResult result;
    if (lines.empty())
        return result;
    const std::string_view first = Trim(lines[0]);
    std::size_t from = 1;
    ParsedLine (*parse)(std::string_view) = nullptr;
    if (first == EvtListHeader) {
        result.format = EvtListFormat::List;
        parse = ParseListLine;
    } else if (first == FullDateHeader) {
        result.format = EvtListFormat::FullDate;
        parse = ParseFullDateLine;
    } else if (Characters(lines[0], 2, 5) == "ЗГЛВ") {
        result.format = EvtListFormat::PensionFund;
        parse = ParsePensionLine;
        from = 4;
    } else {
        return result;
    }
    const bool wasEmpty = list.Empty();
    list.Open();
    for (std::size_t i = from; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (Trim(line).empty())
            continue;
        if (result.format == EvtListFormat::PensionFund && Characters(line, 2, 5) != "АНКТ")
            continue;
        const ParsedLine parsed = parse(line);
        if (list.Add(parsed.date, parsed.text)) {
            ++result.added;
        } else {
            ++result.skipped;
            result.skippedLines.push_back(i + 1);
        }
    }
    // A file read into an empty list is what the list holds: nothing to save.
    if (wasEmpty)
        list.MarkSaved();
    return result;
}

ImportResult ImportEvtListFile(const std::string& path, EventList& list)
{
    const std::optional<TextFile> file = ReadTextFile(path);
    if (!file) {
        ImportResult result;
        result.readFailed = true;
        return result;
    }
    std::vector<std::string> lines;
    LineReader reader(file->text);
    std::string line;
    while (reader.ReadLine(line))
        lines.push_back(line);
    return ImportEvtListLines(lines, list);
}

std::string ImportMessage(const ImportResult& result, std::string_view path)
{
    if (result.readFailed)
        return "Не удалось прочитать файл: " + std::string(path);
    if (result.format == EvtListFormat::Unknown)
        return "Файл " + std::string(path) +
               " не является списком событий, файлом событий с полной датой или "
               "файлом сведений ПФР: ничего не добавлено.";
    if (result.skipped == 0)
        return {};
    std::string lines;
    const std::size_t shown = std::min<std::size_t>(result.skippedLines.size(), 10);
    for (std::size_t i = 0; i < shown; ++i)
        lines += (i ? ", " : "") + std::to_string(result.skippedLines[i]);
    if (shown < result.skippedLines.size())
        lines += ", …";
    return "Добавлено записей: " + std::to_string(result.added) +
           ". Пропущено строк с неверной или неполной датой: " + std::to_string(result.skipped) +
           " (номера строк: " + lines + ").";
}

EntryPictures EntryCharacteristics(const EvtListRecord& record)
{
    const TDateRec e = EvtListRecordDate(record);
    EntryPictures pictures;
    auto principle = [](int n) { return EntryPicture{PictureKind::Principle, n, std::to_string(n)}; };
    pictures[0] = principle(CenturyPrinciple(e.Year));
    pictures[1] = principle(YearPrinciple(e.Year));
    pictures[2] = principle(MonthPrinciple(e));
    const int decade = DecadeOfDate(e);
    const int energy = DecadeEnergy(decade);
    pictures[3] = {PictureKind::Energy, energy,
                   EnergyName(energy) + " " +
                       PeriodText(DecadeStart(e.Year, decade), DecadeStart(e.Year, decade + 1))};
    pictures[4] = principle(WeekPrinciple(e));
    pictures[5] = principle(DayPrinciple(e));
    pictures[6] = principle(0);
    // Minute 0 is the 60th principle; an entry without a time has none.
    const int minute = e.Minute == 0 ? 60 : e.Minute > 60 ? 0 : e.Minute;
    pictures[7] = principle(minute);
    const int sign = ZodiacSign(e);
    TDateRec signStart = ZodiacStart(sign);
    TDateRec nextStart = ZodiacStart(sign + 1);
    // The sign's boundaries carry no year; take them in the entry's year so
    // that the day before the next start can be found.
    signStart.Year = nextStart.Year = e.Year;
    pictures[8] = {PictureKind::Zodiak, sign, ZodiacName(sign) + " " + PeriodText(signStart, nextStart)};
    return pictures;
}

std::string EntryPictureFile(const EntryPicture& picture)
{
    static constexpr const char* kFolders[] = {"Img/Principles/", "Img/Energy/", "Img/Zodiak/"};
    return kFolders[static_cast<int>(picture.kind)] + Pad(std::to_string(picture.number), "0", 2, "right") +
           ".bmp";
}

std::vector<int> StarNumbers(std::string_view text)
{
    std::vector<int> numbers;
    for (const std::string& run : DigitRuns(text, ", ")) {
        int n = 0;
        const auto [end, error] = std::from_chars(run.data(), run.data() + run.size(), n);
        if (error == std::errc() && end == run.data() + run.size() && n <= kMaxStarRays)
            numbers.push_back(n);
    }
    return numbers;
}

LinksGrid MakeLinksGrid(int principle, const std::vector<int>& stars)
{
    LinksGrid grid;
    const int widest = std::max(1, stars.empty() ? 1 : *std::max_element(stars.begin(), stars.end()));
    grid.columns = widest + 1;
    grid.rows = static_cast<int>(stars.size()) + 1;
    grid.starOfRow.assign(static_cast<std::size_t>(grid.rows), 0);
    grid.linked.assign(static_cast<std::size_t>(grid.rows),
                       std::vector<int>(static_cast<std::size_t>(grid.columns), 0));
    for (std::size_t r = 0; r < stars.size(); ++r) {
        const int n = stars[r];
        grid.starOfRow[r + 1] = n;
        for (int k = 1; k <= n; ++k)
            grid.linked[r + 1][static_cast<std::size_t>(k)] = LinkedPrinciple(principle, n, k);
    }
    return grid;
}

std::string LinksCaption(int principle)
{
    if (principle < 1 || principle > 60)
        return {};
    return "Связи между принципами для принципа " + PrincipleName(principle);
}

} // namespace orvenda
