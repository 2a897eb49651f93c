#include "events/loader.h"

#include "engine/date_format.h"
#include "engine/file_bytes.h"
#include "engine/textfile.h"
#include "engine/utf8.h"
#include "events/event_format.h"
#include "events/upcoming.h"
#include "events/window_test.h"
#include "fuzz/random_input.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <limits>
#include <optional>

#include <sys/stat.h>

namespace orvenda {
namespace {

using ::testing::HasSubstr;

const std::string DataDir = ORVENDA_TEST_DATA_DIR "/events/";
// Floating dates are computed in March 2007.
constexpr TDateRec Clock = MakeDate(2007, 3, 15);

// A date without a time, as the fixed and float formats give it.
constexpr TDateRec dateOnly(std::int32_t y, int m, int d)
{
    return TDateRec{y, static_cast<std::uint16_t>(m), static_cast<std::uint16_t>(d), 25, 61, 61, 1000};
}

struct Expected {
    std::string text;
    TDateRec date;
    int ordinal;
    int before;
    int after;
    int active;
};

struct FileCase {
    std::string file;
    std::vector<Expected> events;
};

// Every event file that loads without a message, and what it holds.
const std::vector<FileCase> FileCases = {
    {"fixed.evt",
     {{"Новый год 2000", dateOnly(2000, 1, 1), 1, 3, 1, 1},
      {"Високосный день", dateOnly(0, 2, 29), 2, 7, 0, 0},
      {"Рождество, активность 2", dateOnly(2007, 1, 7), 3, 10, 2, 2}}},
    {"float.evt",
     {{"Последнее воскресенье марта", dateOnly(2007, 3, 25), 1, 7, 1, 1},
      {"Второй понедельник мая", dateOnly(0, 5, 14), 2, 3, 0, 1},
      // Month 0 is the clock's month; 1 March 2007 is a Thursday.
      {"Первый четверг текущего месяца", dateOnly(1999, 3, 1), 3, 0, 0, 0},
      // A non-zero astro computes no day.
      {"Астрономическое", dateOnly(0, 4, 0), 4, 1, 1, 1}}},
    {"fulldate.evt",
     {{"С временем", TDateRec{2007, 1, 7, 10, 30, 61, 1000}, 1, 3, 1, 1},
      {"Без времени, пробелы по краям", dateOnly(1961, 4, 12), 2, 0, 0, 0},
      {"До нашей эры", dateOnly(-44, 3, 15), 3, 5, 5, 1}}},
    {"no_final_newline.evt",
     {{"Первое", dateOnly(2001, 5, 1), 1, 1, 0, 1},
      {"Последнее без перевода строки", dateOnly(2002, 6, 2), 2, 1, 0, 1}}},
    {"float_no_final_newline.evt",
     {{"Первый понедельник января", dateOnly(0, 1, 1), 1, 1, 0, 1},
      {"Последнее воскресенье декабря", dateOnly(0, 12, 30), 2, 1, 0, 1}}},
    {"empty.evt", {}},
    {"blank_lines.evt",
     {{"После пустой строки", dateOnly(2000, 1, 1), 1, 0, 0, 1},
      {"Числа на двух строках", dateOnly(2002, 2, 2), 2, 0, 0, 1},
      {"Табуляция в начале", dateOnly(2003, 3, 3), 3, 0, 0, 1}}},
    {"list_header.evt", {}},
    {"utf8.evt", {{"День Победы — праздник", dateOnly(1945, 5, 9), 1, 5, 1, 1}}},
};

void expectEvents(const std::vector<TEventRec>& got, const std::vector<Expected>& want,
                  const std::string& path)
{
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        SCOPED_TRACE("record " + std::to_string(i + 1));
        EXPECT_EQ(got[i].Text, want[i].text);
        EXPECT_EQ(got[i].Date, want[i].date) << FormatDate(got[i].Date, "z");
        EXPECT_EQ(got[i].FilePath, path);
        EXPECT_EQ(got[i].Ordinal, want[i].ordinal);
        EXPECT_EQ(got[i].DaysBefore, want[i].before);
        EXPECT_EQ(got[i].DaysAfter, want[i].after);
        EXPECT_EQ(got[i].Active, want[i].active);
    }
}

TEST(LoadEventFiles, ReadsEveryFormatWithoutMessages)
{
    for (const FileCase& c : FileCases) {
        SCOPED_TRACE(c.file);
        Journal journal;
        const EventLoadResult result = LoadEventFiles({{DataDir, c.file}}, Clock, journal);
        EXPECT_FALSE(result.failed);
        EXPECT_FALSE(result.missingFile);
        EXPECT_TRUE(journal.Lines().empty());
        expectEvents(result.events, c.events, DataDir + c.file);
    }
}

TEST(LoadEventFiles, FilesInListOrderAndTheSameFileTwice)
{
    Journal journal;
    const EventLoadResult result = LoadEventFiles(
        {{DataDir, "no_final_newline.evt"}, {DataDir, "utf8.evt"}, {DataDir, "no_final_newline.evt"}}, Clock,
        journal);
    std::vector<std::pair<std::string, int>> got;
    for (const TEventRec& e : result.events) {
        got.emplace_back(e.Text, e.Ordinal);
    }
    const std::vector<std::pair<std::string, int>> want = {{"Первое", 1},
                                                           {"Последнее без перевода строки", 2},
                                                           {"День Победы — праздник", 1},
                                                           {"Первое", 1},
                                                           {"Последнее без перевода строки", 2}};
    EXPECT_EQ(got, want);
    EXPECT_EQ(result.events.back().FilePath, DataDir + "no_final_newline.evt");
}

TEST(LoadEventFiles, MissingFilesAreReportedAndTheOthersRead)
{
    Journal journal;
    const EventLoadResult result =
        LoadEventFiles({{"/nonexistent/", "gone.evt"}, {"", ""}, {DataDir, "utf8.evt"}}, Clock, journal);
    EXPECT_TRUE(result.missingFile);
    EXPECT_FALSE(result.failed);
    EXPECT_EQ(result.events.size(), 1u);
    const std::vector<std::string> want = {"Не найден файл событий: gone.evt   Искали в: /nonexistent/",
                                           "Не найден файл событий:    Искали в: "};
    EXPECT_EQ(journal.Lines(), want);
}

TEST(LoadEventFiles, NonIntegerCountStopsLoadingAndKeepsEarlierRecords)
{
    Journal journal;
    const std::string bad = DataDir + "fulldate_bad_count.evt";
    const EventLoadResult result =
        LoadEventFiles({{DataDir, "fulldate_bad_count.evt"}, {DataDir, "fixed.evt"}}, Clock, journal);
    EXPECT_TRUE(result.failed);
    ASSERT_EQ(result.events.size(), 1u);
    EXPECT_EQ(result.events[0].Text, "Первое");
    EXPECT_THAT(result.error, HasSubstr(bad));
    EXPECT_THAT(result.error, HasSubstr("строка 3"));
    EXPECT_THAT(result.error, HasSubstr("2008.02.08   x   1 1 Второе"));
}

struct BrokenCase {
    std::string file;
    std::vector<int> ordinals; // of the records loaded
    bool failed;
    // The one journal line (when failed: the error) holds this; "" for none.
    std::string message;
    std::optional<std::size_t> firstTextChars;
};

const std::vector<BrokenCase> BrokenCases = {
    {"text_instead_of_numbers.evt", {1, 3}, false, "Строка 3 ", {}},
    {"negative_first_number.evt", {1, 3}, false, "Строка 3 ", {}},
    {"number_too_big.evt", {2}, false, "Строка 2 ", {}},
    {"float_cut_short.evt", {1}, false, "Строка 3 ", {}},
    // The text is read up to 998 characters; the rest counts as the next line.
    {"long_text.evt", {1}, false, "Строка 2 ", 998},
    {"garbage.evt", {2}, false, "Строка 2 ", {}},
    // A record without text ends at its own line end.
    {"empty_text.evt", {1, 2}, false, "", 0},
    {"fulldate_blank_line_at_end.evt", {1, 2}, true, "строка 4", {}},
    {"fulldate_no_counts.evt", {}, true, "строка 2", {}},
    {"fulldate_huge_count.evt", {}, true, "строка 2", {}},
    {"header_only_no_newline.evt", {}, false, "", {}},
    {"zero_bytes.evt", {}, false, "", {}},
};

TEST(LoadEventFiles, BrokenInputs)
{
    const std::string dir = DataDir + "broken/";
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        const std::string name = entry.path().filename().string();
        const bool listed = std::any_of(BrokenCases.begin(), BrokenCases.end(),
                                        [&](const BrokenCase& c) { return c.file == name; });
        EXPECT_TRUE(listed) << name << " has no expected outcome";
    }
    for (const BrokenCase& c : BrokenCases) {
        SCOPED_TRACE(c.file);
        Journal journal;
        const EventLoadResult result = LoadEventFiles({{dir, c.file}}, Clock, journal);
        std::vector<int> ordinals;
        for (const TEventRec& e : result.events) {
            ordinals.push_back(e.Ordinal);
        }
        EXPECT_EQ(ordinals, c.ordinals);
        EXPECT_EQ(result.failed, c.failed);
        // A stop is reported in the error, a skipped line in the journal.
        const bool journalled = !c.failed && !c.message.empty();
        ASSERT_EQ(journal.Lines().size(), journalled ? 1u : 0u);
        EXPECT_EQ(result.error.empty(), !c.failed);
        if (!c.message.empty()) {
            const std::string& message = c.failed ? result.error : journal.Lines()[0];
            EXPECT_THAT(message, HasSubstr(c.message));
            EXPECT_THAT(message, HasSubstr(dir + c.file));
        }
        if (c.firstTextChars) {
            ASSERT_FALSE(result.events.empty());
            EXPECT_EQ(Utf8Length(result.events[0].Text), *c.firstTextChars);
        }
    }
}

// Any path may be listed. What is no regular file, or is past the size cap,
// gets a journal line and "?" as a missing file does, and the next file is
// still read; nothing waits on a pipe or reads a device.
TEST(LoadEventFiles, OnlyRegularFilesWithinTheCapAreRead)
{
    fuzzing::ScratchFolder scratch("loader-unsafe");
    const std::string folder = scratch.Folder();
    ASSERT_EQ(::mkfifo((folder + "pipe.evt").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", folder + "zero.evt");
    ASSERT_TRUE(fuzzing::WriteBytes(folder + "huge.evt", "[fixed events]\r\n 1  1 2000   0   0 1 x\r\n"));
    std::filesystem::resize_file(folder + "huge.evt", MaxReadBytes + 1);

    Journal journal;
    const EventLoadResult result = LoadEventFiles(
        {{folder, "pipe.evt"}, {folder, "zero.evt"}, {folder, "huge.evt"}, {DataDir, "fixed.evt"}}, Clock,
        journal);
    EXPECT_TRUE(result.missingFile);
    EXPECT_FALSE(result.failed);
    EXPECT_EQ(result.events.size(), 3u);
    ASSERT_EQ(journal.Lines().size(), 3u);
    EXPECT_EQ(journal.Lines()[0],
              "Файл событий не прочитан: это не обычный файл: pipe.evt   Искали в: " + folder);
    EXPECT_EQ(journal.Lines()[1],
              "Файл событий не прочитан: это не обычный файл: zero.evt   Искали в: " + folder);
    EXPECT_EQ(journal.Lines()[2],
              "Файл событий не прочитан: он больше 256 МБ: huge.evt   Искали в: " + folder);

    Journal sayingJournal;
    const SayingLoadResult sayings =
        LoadSayingFiles({{folder, "pipe.evt"}}, DataDir + "program/", sayingJournal);
    EXPECT_TRUE(sayings.missingFile);
    ASSERT_EQ(sayingJournal.Lines().size(), 1u);
    EXPECT_THAT(sayingJournal.Lines()[0], HasSubstr("это не обычный файл: pipe.evt"));
}

// A file of garbage: the first hundred unreadable lines are named, the rest
// counted in one line; what a line holds is quoted with its control
// characters escaped, so it cannot reach the user's terminal as a command.
TEST(LoadEventFiles, UnreadableLinesAreCappedAndQuotedSafely)
{
    fuzzing::ScratchFolder scratch("loader-garbage");
    std::string bytes = "[fixed events]\r\n\x1B]0;title\x07 garbage\r\n";
    for (int i = 0; i < 150; ++i) {
        bytes += "garbage " + std::to_string(i) + "\r\n";
    }
    bytes += " 1  1 2000   0   0 1 Last\r\n";
    ASSERT_TRUE(fuzzing::WriteBytes(scratch.PathOf("garbage.evt"), bytes));
    for (const int skipped : {51, 1}) {
        SCOPED_TRACE(skipped);
        if (skipped == 1) {
            // 101 unreadable lines: one line is left to count.
            std::string shorter = "[fixed events]\r\n";
            for (int i = 0; i < 101; ++i) {
                shorter += "garbage\r\n";
            }
            ASSERT_TRUE(fuzzing::WriteBytes(scratch.PathOf("garbage.evt"), shorter));
        }
        Journal journal;
        const EventLoadResult result = LoadEventFiles({{scratch.Folder(), "garbage.evt"}}, Clock, journal);
        ASSERT_EQ(journal.Lines().size(), 101u);
        if (skipped == 51) {
            EXPECT_EQ(journal.Lines()[0], "Строка 2 файла событий " + scratch.PathOf("garbage.evt") +
                                              " не прочитана и пропущена: \\x1B]0;title\\x07 garbage");
            ASSERT_EQ(result.events.size(), 1u);
            EXPECT_EQ(result.events[0].Ordinal, 152);
            EXPECT_EQ(journal.Lines()[100], "Ещё 51 строка файла событий " + scratch.PathOf("garbage.evt") +
                                                " не прочитана и пропущена");
        } else {
            EXPECT_EQ(journal.Lines()[100], "Ещё 1 строка файла событий " + scratch.PathOf("garbage.evt") +
                                                " не прочитана и пропущена");
        }
    }
}

// The records of a file as the reader gives them over its decoded text: what
// the loader must give, however it splits the work.
std::vector<TEventRec> readOneByOne(const std::string& path, std::vector<std::string>& unreadableLines)
{
    std::optional<TextFile> file = ReadTextFile(path);
    EventFileReader reader(file->text, EventHeaderLimit);
    std::vector<TEventRec> events;
    EventFileRecord record;
    while (reader.Next(record)) {
        if (record.status == EventFileRecord::Unreadable) {
            unreadableLines.push_back("Строка " + std::to_string(record.lineNumber));
            continue;
        }
        if (record.status == EventFileRecord::BadCounts) {
            break;
        }
        TEventRec event;
        event.Text = record.text;
        event.Ordinal = record.ordinal;
        event.DaysBefore = record.daysBefore;
        event.DaysAfter = record.daysAfter;
        event.Active = record.active;
        events.push_back(event);
    }
    return events;
}

// Files of several hundred kilobytes are read by two threads, the second
// from a line start past the middle. Each file below repeats one awkward
// record all through, so that the middle falls into one whatever its size:
// numbers over two lines, blank lines, lines longer than the limit,
// unreadable lines; the records, ordinals, texts and the journal must be
// those of one reader from the start.
TEST(LoadEventFiles, LargeFilesReadInPiecesAsInOne)
{
    fuzzing::ScratchFolder scratch("loader-pieces");
    struct Case {
        const char* name;
        std::string header;
        std::string record; // "#" is replaced by the record's number
        bool failed;
        bool finalLineEnd = true;
    };
    const std::string longText(1500, 'x');
    const Case cases[] = {
        {"plain", "[fixed events]", " 1  2 2000   3   1 1 \xD1\xEE\xE1\xFB\xF2\xE8\xE5 #\r\n", false},
        {"two_lines", "[fixed events]", " 1  2\r\n2000   3   1 1 Две строки #\r\n\r\n", false},
        {"blank_lines", "[float events]", "\r\n\r\n  0  7  5  3 2007   7   1 1 После пустых #\r\n", false},
        {"long_lines", "[fixed events]", " 1  2 2000   3   1 1 " + longText + "#\r\n", false},
        {"unreadable", "[fixed events]", "мусор #\r\n 1  2 2000   3   1 1 Годное #\r\n", false},
        {"full_date", "[fixed events with full date]", "2007.01.07_10:30    3   1  1  Полная дата #\r\n",
         false},
        {"utf8", "[fixed events]", " 1  2 2000   3   1 1 Текст в UTF-8 #\n", false},
        {"no_final_line_end", "[fixed events]", " 1  2 2000   3   1 1 Без конца строки #\r\n", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string bytes = c.header + "\r\n";
        for (int n = 1; bytes.size() < (std::size_t{1} << 20); ++n) {
            std::string record = c.record;
            record.replace(record.find('#'), 1, std::to_string(n));
            bytes += record;
        }
        if (!c.finalLineEnd) {
            bytes.resize(bytes.size() - 2);
        }
        const std::string path = scratch.PathOf(std::string(c.name) + ".evt");
        ASSERT_TRUE(fuzzing::WriteBytes(path, bytes));

        std::vector<std::string> unreadable;
        const std::vector<TEventRec> want = readOneByOne(path, unreadable);
        Journal journal;
        const EventLoadResult got =
            LoadEventFiles({{scratch.Folder(), std::string(c.name) + ".evt"}}, Clock, journal);
        EXPECT_EQ(got.failed, c.failed);
        ASSERT_EQ(got.events.size(), want.size());
        EXPECT_EQ(got.loaded, want.size());
        for (std::size_t i = 0; i < want.size(); ++i) {
            if (got.events[i].Ordinal != want[i].Ordinal || got.events[i].Text != want[i].Text ||
                got.events[i].DaysBefore != want[i].DaysBefore || got.events[i].Active != want[i].Active) {
                ADD_FAILURE() << "record " << i << ": " << got.events[i].Ordinal << " " << got.events[i].Text
                              << " instead of " << want[i].Ordinal << " " << want[i].Text;
                break;
            }
        }
        const std::size_t shown = std::min<std::size_t>(unreadable.size(), 100);
        ASSERT_EQ(journal.Lines().size(), shown + (unreadable.size() > 100 ? 1 : 0));
        for (std::size_t i = 0; i < shown; ++i) {
            EXPECT_THAT(journal.Lines()[i], ::testing::StartsWith(unreadable[i] + " "));
        }
    }
}

// A line with bad counts past the middle stops the loading there, with its
// own line number, and keeps what came before it.
TEST(LoadEventFiles, BadCountsInTheSecondPieceStopAtTheirLine)
{
    fuzzing::ScratchFolder scratch("loader-pieces-bad");
    std::string bytes = "[fixed events with full date]\r\n";
    int lines = 1;
    while (bytes.size() < (std::size_t{3} << 19)) {
        bytes += "2007.01.07    3   1  1  Полная дата\r\n";
        ++lines;
    }
    bytes += "2007.01.07    3   x  1  Плохая строка\r\n";
    bytes += "2007.01.07    3   1  1  После неё\r\n";
    ASSERT_TRUE(fuzzing::WriteBytes(scratch.PathOf("bad.evt"), bytes));
    Journal journal;
    const EventLoadResult result = LoadEventFiles({{scratch.Folder(), "bad.evt"}}, Clock, journal);
    EXPECT_TRUE(result.failed);
    EXPECT_EQ(result.events.size(), static_cast<std::size_t>(lines - 1));
    EXPECT_THAT(result.error, HasSubstr("строка " + std::to_string(lines + 1) + ":\n\"2007.01.07    3   x"));
}

// Kept for a day, the events give the same upcoming lists as all of them.
TEST(LoadEventFiles, EventsKeptForADayGiveTheSameList)
{
    fuzzing::ScratchFolder scratch("loader-kept");
    std::string bytes = "[fixed events]\r\n";
    for (int day = 1; day <= 366; ++day) {
        const TDateRec date = DateOfDayNumber(DayNumber(MakeDate(2000, 1, 1)) + day * 37);
        bytes += " " + std::to_string(date.Day) + " " + std::to_string(date.Month) + " " +
                 std::to_string(date.Year % 3 == 0 ? 0 : date.Year) + " " + std::to_string(day % 15) + " " +
                 std::to_string(day % 4) + " " + std::to_string(day % 5 == 0 ? 0 : 1) + " Событие " +
                 std::to_string(day) + "\r\n";
    }
    ASSERT_TRUE(fuzzing::WriteBytes(scratch.PathOf("year.evt"), bytes));
    const std::vector<TListedFile> files = {{scratch.Folder(), "year.evt"}, {DataDir, "float.evt"}};
    Journal journal;
    const EventLoadResult all = LoadEventFiles(files, Clock, journal);
    for (const TDateRec day : {MakeDate(2026, 12, 30), MakeDate(2007, 3, 15), MakeDate(2024, 1, 2)}) {
        SCOPED_TRACE(FormatDate(day, "d.m.Y"));
        const EventLoadResult kept = LoadEventFiles(files, Clock, journal, day);
        EXPECT_EQ(kept.loaded, all.loaded);
        EXPECT_LT(kept.events.size(), all.events.size());
        for (const DayLayout layout : {DayLayout::MainView, DayLayout::Period}) {
            const UpcomingResult want = ComputeUpcoming(all.events, day, MakeDate(day.Year, 1, 1),
                                                        MakeDate(day.Year, 12, 31), true, layout);
            const UpcomingResult got = ComputeUpcoming(kept.events, day, MakeDate(day.Year, 1, 1),
                                                       MakeDate(day.Year, 12, 31), true, layout);
            EXPECT_EQ(got.Count, want.Count);
            ASSERT_EQ(got.Shown.size(), want.Shown.size());
            for (std::size_t i = 0; i < want.Shown.size(); ++i) {
                EXPECT_EQ(got.Shown[i].Text, want.Shown[i].Text);
                EXPECT_EQ(FullDateText(got.Shown[i]), FullDateText(want.Shown[i]));
                EXPECT_EQ(got.Shown[i].Ordinal, want.Shown[i].Ordinal);
            }
        }
    }
}

// The loader asks the window test of a record's fields before it makes an
// event; the day counts it works out for them, from remembered year starts,
// are DayNumber's, odd dates included.
TEST(WindowTest, DayCountsOfARecordsFieldsAreThoseOfItsEvent)
{
    for (const TDateRec today : {MakeDate(2026, 12, 30), MakeDate(2007, 3, 15), MakeDate(-44, 3, 15)}) {
        WindowTest window(today);
        for (const std::int32_t year :
             {std::numeric_limits<std::int32_t>::min(), -2100, -401, -100, -44, -4, -1, 0, 1, 4, 100, 1900,
              2000, 2023, 2024, 2026, 2200, std::numeric_limits<std::int32_t>::max()}) {
            for (const int month : {0, 1, 2, 3, 12, 13, 65535}) {
                for (const int day : {0, 1, 28, 29, 30, 31, 65535}) {
                    TEventRec event;
                    event.Date = MakeDate(year, month, day);
                    const EventDay fields = EventDay::Of(event);
                    ASSERT_EQ(window.DayCount(fields), window.DayCount(event))
                        << today.Year << " " << year << "." << month << "." << day;
                }
            }
        }
    }
}

TEST(LoadSayingFiles, FixedFileFirstThenListedFilesInOrder)
{
    Journal journal;
    const SayingLoadResult result = LoadSayingFiles({{DataDir, "wisdom_by.wis"},
                                                     {DataDir, "wisdom.wis"},
                                                     {DataDir, "wisdom_by_author_only.wis"},
                                                     {DataDir, "wisdom_by_trailing_blank.wis"}},
                                                    DataDir + "program/", journal);
    std::vector<std::pair<std::string, std::string>> got;
    for (const TSayingRec& s : result.sayings) {
        got.emplace_back(s.Text, s.Author);
    }
    const std::vector<std::pair<std::string, std::string>> want = {
        {"Терпение и труд всё перетрут.", "Восточная мудрость"},
        {"Тише едешь — дальше будешь.", "Восточная мудрость"},
        {"Зри в корень!", "Козьма Прутков"},
        {"", "Козьма Прутков"},
        {"Никто не обнимет необъятного.", "Козьма Прутков"},
        {"Знание — сила.", "Фрэнсис Бэкон"},
        {"Я мыслю, следовательно, существую.", "Декарт"},
        {"Последнее без автора", ""},
    };
    EXPECT_EQ(got, want);
    EXPECT_FALSE(result.missingFile);
    EXPECT_TRUE(journal.Lines().empty());
}

TEST(LoadSayingFiles, MissingFilesAreReported)
{
    Journal journal;
    const SayingLoadResult result = LoadSayingFiles({{"/nowhere/", "x.wis"}}, "/nonexistent/", journal);
    EXPECT_TRUE(result.missingFile);
    EXPECT_TRUE(result.sayings.empty());
    // The "c" before "Жемчужинами" is the Latin letter; "высказыватий" is spelled so.
    const std::vector<std::string> want = {
        "Не найден файл \x63 Жемчужинами Востока: /nonexistent/oriental_perls.wis",
        "Не найден файл высказыватий: x.wis   Искали в: /nowhere/"};
    EXPECT_EQ(journal.Lines(), want);
}

// Files that random input found read wrongly, and what they hold.
TEST(LoadEventFiles, FilesThatRandomInputFoundReadWrongly)
{
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        // Reported as an unreadable line before.
        {"a last line of white space without a line end is no record",
         "[fixed events]\r\n 1  1 2000   0   0 1 first\r\n\r\n\r",
         {"first"}},
        {"the same in a float file", "[float events]\n  0  7  5  3 2007   7   1 1 x\n \t ", {"x"}},
        // The CR was part of the text before, and the editor wrote it as a
        // blank that the next reading skipped.
        {"a lone CR after the numbers is white space before the text",
         "[fixed events]\r\n 1  1 2000   3   1 1\rF?\n 2  2 2001   3   1 1 \r\r\n",
         {"F?", ""}},
    };
    fuzzing::ScratchFolder scratch("events-found");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(fuzzing::WriteBytes(scratch.PathOf("found.evt"), c.bytes));
        Journal journal;
        const EventLoadResult result = LoadEventFiles({{scratch.Folder(), "found.evt"}}, Clock, journal);
        EXPECT_FALSE(result.failed);
        EXPECT_TRUE(journal.Lines().empty()) << journal.Lines().front();
        std::vector<std::string> texts;
        for (const TEventRec& e : result.events) {
            texts.push_back(e.Text);
        }
        EXPECT_EQ(texts, c.texts);
    }
}

} // namespace
} // namespace orvenda
