// The main window finds an event in its file by the loader's ordinal and has
// the editor change it; these tests hold the two numberings together.

#include "editors/event_commands.h"
#include "tests/support/test_files.h"

#include "editors/event_file.h"
#include "engine/textfile.h"
#include "events/loader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <tuple>

namespace orvenda {
namespace {

namespace fs = std::filesystem;

const std::string DataDir = ORVENDA_TEST_DATA_DIR "/";
constexpr TDateRec Clock = MakeDate(2007, 3, 15);

// Blank lines, unreadable lines, numbers over two lines, missing final line
// ends, an active value of 2, all three event formats.
const std::vector<std::string> ContractFiles = {
    "events/blank_lines.evt",
    "events/fixed.evt",
    "events/no_final_newline.evt",
    "events/float_no_final_newline.evt",
    "events/fulldate.evt",
    "events/broken/text_instead_of_numbers.evt",
    "events/broken/negative_first_number.evt",
    "events/broken/float_cut_short.evt",
    "events/broken/empty_text.evt",
    "editors/unreadable_kept.evt",
};

using test::ReadBytes;

std::vector<std::string> fileLines(const std::string& path)
{
    std::vector<std::string> lines;
    const std::optional<TextFile> file = ReadTextFile(path);
    if (!file) {
        return lines;
    }
    std::string_view text = file->text;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

std::vector<TEventRec> load(const std::string& path)
{
    Journal journal;
    const fs::path p(path);
    return LoadEventFiles({{p.parent_path().string() + "/", p.filename().string()}}, Clock, journal).events;
}

// What a rewrite keeps of an event: an active value other than 0 becomes 1.
using EventKey = std::tuple<std::string, std::int32_t, int, int, int, int, int, int, bool>;
EventKey keyOf(const TEventRec& e)
{
    return {e.Text,        e.Date.Year,  e.Date.Month, e.Date.Day,   e.Date.Hour,
            e.Date.Minute, e.DaysBefore, e.DaysAfter,  e.Active != 0};
}

// A copy of a data file in a folder of its own, removed afterwards.
class TempCopy {
public:
    explicit TempCopy(const std::string& source) : m_path(m_folder.Copy(source)) {}
    void Reset(const std::string& source) const { m_folder.Copy(source); }
    const std::string& Path() const { return m_path; }

private:
    test::TempFolder m_folder{"orvenda-commands"};
    std::string m_path;
};

// The file as the editor writes it unchanged, and the line each record starts on.
struct Normalised {
    std::vector<std::string> lines;
    std::vector<std::size_t> firstLine; // index in lines, per record
};

Normalised normalise(const std::string& path)
{
    Journal journal;
    EventFileModel model;
    EXPECT_EQ(model.Open(path, journal).status, EventFileModel::OpenResult::Opened);
    Normalised n{model.ComposeLines(), {}};
    std::size_t line = 1;
    for (const EditorRecord& r : model.Records()) {
        n.firstLine.push_back(line);
        line += r.verbatim ? r.verbatim->size() : 1;
    }
    return n;
}

TEST(RecordNumbering, LoaderAndEditorNumberRecordsAlike)
{
    for (const std::string& file : ContractFiles) {
        SCOPED_TRACE(file);
        const std::vector<TEventRec> events = load(DataDir + file);
        Journal journal;
        EventFileModel model;
        ASSERT_EQ(model.Open(DataDir + file, journal).status, EventFileModel::OpenResult::Opened);
        const auto rows = std::count_if(model.Records().begin(), model.Records().end(),
                                        [](const EditorRecord& r) { return !r.verbatim; });
        EXPECT_EQ(static_cast<std::size_t>(rows), events.size());
        for (const TEventRec& e : events) {
            SCOPED_TRACE("ordinal " + std::to_string(e.Ordinal));
            ASSERT_TRUE(model.Select(e.Ordinal));
            const EditorRecord& r = *model.Current();
            EXPECT_FALSE(r.verbatim);
            EXPECT_EQ(r.event, e.Text);
            EXPECT_EQ(r.year, e.Date.Year);
            EXPECT_EQ(r.dbefore, e.DaysBefore);
            EXPECT_EQ(r.dafter, e.DaysAfter);
            EXPECT_EQ(r.active, e.Active != 0);
            if (model.Layout() == EditorLayout::FixedDate) {
                EXPECT_EQ(r.day, e.Date.Day);
                EXPECT_EQ(r.month, e.Date.Month);
            }
        }
    }
}

// Every record of every file, switched off and deleted in turn: the command
// touches the addressed record only, every other line stays as the editor
// writes it unchanged.
TEST(RecordNumbering, CommandsChangeExactlyTheAddressedRecord)
{
    for (const std::string& file : ContractFiles) {
        const std::string original = DataDir + file;
        const std::vector<TEventRec> events = load(original);
        const Normalised normal = normalise(original);
        TempCopy copy(original);
        for (int n = 1; n <= static_cast<int>(normal.firstLine.size()); ++n) {
            const bool isEvent =
                std::any_of(events.begin(), events.end(), [&](const TEventRec& e) { return e.Ordinal == n; });
            const std::size_t line = normal.firstLine[static_cast<std::size_t>(n - 1)];
            for (const bool remove : {false, true}) {
                SCOPED_TRACE(file + (remove ? ": delete " : ": switch off ") + std::to_string(n));
                copy.Reset(original);
                Journal journal;
                const EventCommandResult result =
                    remove ? DeleteEvent(copy.Path(), n, journal) : SwitchOffEvent(copy.Path(), n, journal);
                if (!isEvent) {
                    EXPECT_FALSE(result.ok);
                    EXPECT_EQ(ReadBytes(copy.Path()), ReadBytes(original));
                    continue;
                }
                ASSERT_TRUE(result.ok) << result.error;

                std::vector<std::string> lines = fileLines(copy.Path());
                std::vector<std::string> want = normal.lines;
                if (remove) {
                    want.erase(want.begin() + static_cast<std::ptrdiff_t>(line));
                } else if (line < lines.size()) {
                    // The switched line is checked through the loader below.
                    want[line] = lines[line];
                }
                EXPECT_EQ(lines, want);

                std::vector<std::pair<int, EventKey>> wantEvents, gotEvents;
                for (const TEventRec& e : events) {
                    EventKey key = keyOf(e);
                    if (e.Ordinal == n && !remove) {
                        std::get<8>(key) = false;
                    }
                    if (e.Ordinal != n || !remove) {
                        wantEvents.emplace_back(remove && e.Ordinal > n ? e.Ordinal - 1 : e.Ordinal, key);
                    }
                }
                for (const TEventRec& e : load(copy.Path())) {
                    gotEvents.emplace_back(e.Ordinal, keyOf(e));
                }
                EXPECT_EQ(gotEvents, wantEvents);
            }
        }
    }
}

TEST(EventCommands, RefusedCommandsChangeNothing)
{
    struct Case {
        std::string file;
        int ordinal;
    };
    const std::vector<Case> cases = {
        {"events/fixed.evt", 0},
        {"events/fixed.evt", 4},
        {"events/fixed.evt", -1},
        {"events/list_header.evt", 1},
        {"events/wisdom_by.wis", 1},
        {"events/empty.evt", 1},
        {"events/broken/text_instead_of_numbers.evt", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file + " " + std::to_string(c.ordinal));
        TempCopy copy(DataDir + c.file);
        const std::string before = ReadBytes(copy.Path());
        Journal journal;
        for (const EventCommandResult& result : {SwitchOffEvent(copy.Path(), c.ordinal, journal),
                                                 DeleteEvent(copy.Path(), c.ordinal, journal)}) {
            EXPECT_FALSE(result.ok);
            EXPECT_FALSE(result.error.empty());
        }
        EXPECT_EQ(ReadBytes(copy.Path()), before);
    }
    Journal journal;
    const EventCommandResult missing = DeleteEvent("/nonexistent/x.evt", 1, journal);
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.error, "В редакторе событий невозможно открыть файл: /nonexistent/x.evt");
}

} // namespace
} // namespace orvenda
