#include "editors/event_file.h"

#include "engine/date_format.h"
#include "engine/numbers.h"
#include "engine/utf8.h"

#include <algorithm>
#include <utility>

namespace orvenda {

namespace {

const char* const NoFileCaption = "Редактор";
const char* const CannotOpenMessage = "В редакторе событий невозможно открыть файл: ";

std::string fileNameOf(const std::string& path)
{
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

std::string joined(const std::vector<std::string>& lines, const char* separator)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            text += separator;
        }
        text += lines[i];
    }
    return text;
}

// A line break inside a text would split its record in two and shift the
// numbers of every record after it.
std::string oneLine(std::string text)
{
    for (char& c : text) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return text;
}

// Appends value right-aligned in `width` characters (the widths are minimum
// widths). A value as wide as its column or wider would touch the number
// before it, so a separating space goes first.
void appendColumn(std::string& line, std::int32_t value, int width)
{
    const std::string digits = std::to_string(value);
    if (!line.empty() && line.back() != ' ' && digits.size() >= static_cast<std::size_t>(width)) {
        line += ' ';
    }
    line += Pad(digits, " ", width, "Right");
}

const char* activeText(bool active)
{
    return active ? " 1 " : " 0 ";
}

std::string fullDateText(const EditorRecord& record)
{
    TDateRec date = UnsetDateTime;
    date.Year = record.year;
    date.Month = static_cast<std::uint16_t>(record.month);
    date.Day = static_cast<std::uint16_t>(record.day);
    const bool timeGiven = record.hour && record.minute && *record.hour >= 0 && *record.hour < 24 &&
                           *record.minute >= 0 && *record.minute < 60;
    if (timeGiven) {
        date.Hour = static_cast<std::uint16_t>(*record.hour);
        date.Minute = static_cast<std::uint16_t>(*record.minute);
    }
    // A record whose date is not valid (year 0, say) still keeps its time, so
    // that it reads back as it was.
    const bool withTime = IsValidDate(date) ? IsValidDateTime(date) : timeGiven;
    return withTime ? FormatDate(date, "Y.m.d_H:M") : FormatDate(date, "Y.m.d") + "      ";
}

std::string eventLine(const EditorRecord& record, EventFileFormat format)
{
    std::string line;
    switch (format) {
    case EventFileFormat::FixedEvents:
        appendColumn(line, record.day, 2);
        appendColumn(line, record.month, 3);
        appendColumn(line, record.year, 5);
        break;
    case EventFileFormat::FloatEvents:
        appendColumn(line, record.astro, 3);
        appendColumn(line, record.day, 3);
        appendColumn(line, record.week, 3);
        appendColumn(line, record.month, 3);
        appendColumn(line, record.year, 5);
        break;
    default:
        line = fullDateText(record);
        break;
    }
    appendColumn(line, record.dbefore, 4);
    appendColumn(line, record.dafter, 4);
    line += activeText(record.active);
    line += oneLine(record.event);
    return line;
}

EditorRecord editorRecordOf(const EventFileRecord& read, EventFileFormat format)
{
    EditorRecord record;
    if (read.status != EventFileRecord::Read) {
        record.verbatim = read.sourceLines;
        record.event = joined(read.sourceLines, " ");
        return record;
    }
    switch (format) {
    case EventFileFormat::FixedEvents:
        record.day = read.day;
        record.month = read.month;
        record.year = read.year;
        break;
    case EventFileFormat::FloatEvents:
        record.astro = read.astro;
        record.day = read.weekday;
        record.week = read.week;
        record.month = read.month;
        record.year = read.year;
        break;
    default:
        // The date text gives what it gives: an unset hour (25) or minute (61)
        // leaves the field empty.
        record.day = read.date.Day;
        record.month = read.date.Month;
        record.year = read.date.Year;
        if (read.date.Hour < 24) {
            record.hour = read.date.Hour;
        }
        if (read.date.Minute < 60) {
            record.minute = read.date.Minute;
        }
        break;
    }
    record.dbefore = read.daysBefore;
    record.dafter = read.daysAfter;
    record.active = read.active != 0;
    record.event = read.text;
    return record;
}

void readLookupFile(const std::string& path, LookupList& list, Journal& journal)
{
    list.clear();
    std::optional<TextFile> file = ReadTextFile(path);
    if (!file) {
        journal.Add(CannotOpenMessage + path);
        return;
    }
    LineReader reader(std::move(file->text));
    std::string line;
    while (reader.ReadLine(line)) {
        std::string_view rest = line;
        const std::size_t keyStart = rest.find_first_not_of(" \t");
        if (keyStart == std::string_view::npos) {
            continue;
        }
        rest.remove_prefix(keyStart);
        const std::size_t keyEnd = std::min(rest.find_first_of(" \t"), rest.size());
        const std::optional<std::int32_t> key = ParseInt32(rest.substr(0, keyEnd));
        if (!key) {
            continue;
        }
        rest.remove_prefix(keyEnd);
        rest.remove_prefix(std::min(rest.find_first_not_of(" \t"), rest.size()));
        list.push_back(LookupItem{*key, std::string(Utf8Left(rest, 99))});
    }
}

} // namespace

EditorLayout LayoutOfFormat(EventFileFormat format) noexcept
{
    switch (format) {
    case EventFileFormat::FixedEvents:
    case EventFileFormat::FullDateEvents:
        return EditorLayout::FixedDate;
    case EventFileFormat::FloatEvents:
        return EditorLayout::Floating;
    case EventFileFormat::Wisdom:
    case EventFileFormat::WisdomBy:
        return EditorLayout::Saying;
    case EventFileFormat::Unknown:
        break;
    }
    return EditorLayout::None;
}

LookupLists ReadLookupLists(const std::string& templateFolder, Journal& journal)
{
    LookupLists lists;
    readLookupFile(templateFolder + "t_astro_rus.txt", lists.astro, journal);
    readLookupFile(templateFolder + "t_days_rus.txt", lists.weekdays, journal);
    readLookupFile(templateFolder + "t_week_rus.txt", lists.weeks, journal);
    readLookupFile(templateFolder + "t_months_rus.txt", lists.months, journal);
    return lists;
}

EventFileModel::EventFileModel(std::string templateFolder)
    : m_templateFolder(std::move(templateFolder)), m_caption(NoFileCaption)
{
}

EventFileModel::OpenResult EventFileModel::Open(const std::string& path, Journal& journal)
{
    Close();
    // Taken before reading: a change made while the file is read then shows
    // as a change, never the other way round.
    const FileStamp stamp = StampOfFile(path);
    std::optional<TextFile> file = ReadTextFile(path);
    if (!file) {
        OpenResult result{OpenResult::CannotOpen, CannotOpenMessage + path};
        journal.Add(result.message);
        return result;
    }
    EventFileReader reader(file->text, SayingHeaderLimit);
    if (reader.Format() == EventFileFormat::Unknown) {
        return OpenResult{OpenResult::UnknownFormat,
                          "Неизвестный формат файла.\n Файл = " + path + "\n Формат = " + reader.Header()};
    }

    setUp(reader.Format(), journal);
    if (IsEventFormat(m_format)) {
        EventFileRecord read;
        while (reader.Next(read)) {
            m_records.push_back(editorRecordOf(read, m_format));
        }
    } else {
        SayingFileContent content = ReadSayingFile(std::move(file->text));
        m_fileAuthor = content.author;
        m_hasFileAuthor = content.hasAuthorLine;
        for (TSayingRec& saying : content.sayings) {
            EditorRecord record;
            record.wisdom = std::move(saying.Text);
            record.author = std::move(saying.Author);
            m_records.push_back(std::move(record));
        }
    }

    m_source = joined(ComposeLines(), "\n") + "\n";
    m_current = m_records.empty() ? 0 : 1;
    m_path = path;
    m_encoding = file->encoding;
    m_diskStamp = stamp;
    m_caption = "Редактор - " + fileNameOf(path);
    m_modified = false;
    return OpenResult{OpenResult::Opened, {}};
}

void EventFileModel::New(EventFileFormat kind, Journal& journal)
{
    Close();
    if (kind == EventFileFormat::Unknown) {
        return;
    }
    setUp(kind, journal);
    m_caption = IsEventFormat(kind) ? "Редактор событий" : "Редактор высказываний";
}

void EventFileModel::Close()
{
    m_path.clear();
    m_format = EventFileFormat::Unknown;
    m_layout = EditorLayout::None;
    m_encoding = TextEncoding::Windows1251;
    m_modified = false;
    m_caption = NoFileCaption;
    m_source.clear();
    m_records.clear();
    m_current = 0;
    m_fileAuthor.clear();
    m_hasFileAuthor = false;
    m_diskStamp = {};
}

void EventFileModel::setUp(EventFileFormat format, Journal& journal)
{
    m_format = format;
    m_layout = LayoutOfFormat(format);
    if (m_layout == EditorLayout::Floating && !m_templateFolder.empty()) {
        LoadLookupLists(m_templateFolder, journal);
    }
}

void EventFileModel::LoadLookupLists(const std::string& templateFolder, Journal& journal)
{
    m_lookups = ReadLookupLists(templateFolder, journal);
}

SaveResult EventFileModel::Save()
{
    if (m_path.empty()) {
        SaveResult result;
        result.status = SaveResult::WriteFailed;
        result.error = "Не задано имя файла";
        return result;
    }
    return write(m_path);
}

SaveResult EventFileModel::NameAndSave(const std::string& path)
{
    SaveResult result = write(path);
    if (result.ok()) {
        m_path = path;
    }
    return result;
}

SaveResult EventFileModel::SaveAs(const std::string& path)
{
    SaveResult result = write(path);
    if (result.ok()) {
        m_path = path;
        m_caption = "Редактор - " + fileNameOf(path);
    }
    return result;
}

SaveResult EventFileModel::write(const std::string& path)
{
    SaveResult result;
    if (!IsLoaded() || path.empty()) {
        result.status = SaveResult::WriteFailed;
        result.error = IsLoaded() ? "Не задано имя файла" : "Нет открытого файла";
        return result;
    }
    const std::vector<std::string> lines = ComposeLines();
    result = SaveTextFile(path, lines, m_encoding);
    if (result.ok()) {
        m_modified = false;
        m_source = joined(lines, "\n") + "\n";
        m_diskStamp = result.stamp;
    }
    return result;
}

std::vector<std::string> EventFileModel::ComposeLines() const
{
    std::vector<std::string> lines;
    if (!IsLoaded()) {
        return lines;
    }
    lines.emplace_back(HeaderOfFormat(m_format));
    switch (m_format) {
    case EventFileFormat::Wisdom:
        for (const EditorRecord& record : m_records) {
            lines.push_back(oneLine(record.wisdom));
            lines.push_back(oneLine(record.author));
        }
        break;
    case EventFileFormat::WisdomBy:
        // One author for the whole file: the first record's.
        if (!m_records.empty()) {
            lines.push_back(oneLine(m_records.front().author));
        } else if (m_hasFileAuthor) {
            lines.push_back(oneLine(m_fileAuthor));
        }
        for (const EditorRecord& record : m_records) {
            lines.push_back(oneLine(record.wisdom));
        }
        break;
    default:
        for (const EditorRecord& record : m_records) {
            if (record.verbatim) {
                lines.insert(lines.end(), record.verbatim->begin(), record.verbatim->end());
            } else {
                lines.push_back(eventLine(record, m_format));
            }
        }
        break;
    }
    return lines;
}

bool EventFileModel::ChangedOnDisk() const
{
    return IsLoaded() && !m_path.empty() && StampOfFile(m_path) != m_diskStamp;
}

std::string EventFileModel::ModifiedText() const
{
    return m_modified ? "Изменён" : "";
}

std::optional<std::string> EventFileModel::PositionText() const
{
    if (!IsLoaded()) {
        return std::nullopt;
    }
    return std::to_string(m_current) + "/" + std::to_string(Count());
}

const EditorRecord* EventFileModel::Current() const noexcept
{
    return m_current > 0 ? &m_records[static_cast<std::size_t>(m_current - 1)] : nullptr;
}

bool EventFileModel::Select(int n) noexcept
{
    if (n < 1 || n > Count()) {
        return false;
    }
    m_current = n;
    return true;
}

bool EventFileModel::Insert()
{
    if (!IsLoaded()) {
        return false;
    }
    EditorRecord record;
    if (m_layout != EditorLayout::Saying) {
        record.dbefore = 1;
        record.dafter = 0;
        record.active = true;
    }
    const int position = m_current > 0 ? m_current - 1 : 0;
    m_records.insert(m_records.begin() + position, std::move(record));
    m_current = position + 1;
    m_modified = true;
    return true;
}

bool EventFileModel::DeleteCurrent()
{
    if (m_current == 0) {
        return false;
    }
    m_records.erase(m_records.begin() + (m_current - 1));
    m_current = std::min(m_current, Count());
    m_modified = true;
    return true;
}

bool EventFileModel::SetCurrentInactive()
{
    if (m_current == 0 || m_layout == EditorLayout::Saying ||
        m_records[static_cast<std::size_t>(m_current - 1)].verbatim) {
        return false;
    }
    startEdit()->active = false;
    return true;
}

EditorRecord* EventFileModel::startEdit()
{
    if (m_current == 0) {
        return nullptr;
    }
    EditorRecord& record = m_records[static_cast<std::size_t>(m_current - 1)];
    record.verbatim.reset();
    m_modified = true;
    return &record;
}

bool EventFileModel::PickDate(TDateRec date)
{
    EditorRecord* record = startEdit();
    if (record) {
        record->day = date.Day;
        record->month = date.Month;
        record->year = date.Year;
    }
    return record != nullptr;
}

} // namespace orvenda
