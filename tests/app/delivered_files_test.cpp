// The files delivered beside the program (data/, copied into the program
// folder by the build): they are edited by hand, so these tests check that
// each one reads the way the program reads it and is written the way the
// program would write it.

#include "app/astro_panel.h"
#include "app/session.h"
#include "app/system_clock.h"
#include "config/config_file.h"
#include "editors/event_file.h"
#include "engine/codec.h"
#include "engine/date.h"
#include "events/event_format.h"
#include "events/loader.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace orvenda {
namespace {

namespace fs = std::filesystem;

const std::string kDataFolder = std::string(ORVENDA_TEST_DATA_DIR) + "/../../data/";

using test::ReadBytes;

std::size_t Utf8Length(const std::string& text)
{
    std::size_t n = 0;
    for (unsigned char c : text)
        n += (c & 0xC0) != 0x80;
    return n;
}

// Windows-1251 text with CR LF after every line, the last one included, and
// none of the bytes that Windows-1251 leaves undefined.
void ExpectWindows1251Lines(const std::string& bytes)
{
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(DetectEncoding(bytes), TextEncoding::Windows1251) << "the file holds UTF-8";
    EXPECT_EQ(bytes.back(), '\n') << "the last line has no line end";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at byte " << i;
        }
        if (bytes[i] == '\r') {
            ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "bare CR at byte " << i;
        }
        ASSERT_NE(static_cast<unsigned char>(bytes[i]), 0x98) << "undefined byte at " << i;
    }
}

std::vector<std::string> Lines(const std::string& utf8)
{
    std::vector<std::string> lines;
    LineReader reader(utf8);
    std::string line;
    while (reader.ReadLine(line))
        lines.push_back(line);
    return lines;
}

struct EventFileCase {
    const char* name;
    EventFileFormat format;
};

void PrintTo(const EventFileCase& c, std::ostream* os)
{
    *os << c.name;
}

class DeliveredEventFile : public ::testing::TestWithParam<EventFileCase> {};

TEST_P(DeliveredEventFile, EncodingAndLineEnds)
{
    ExpectWindows1251Lines(ReadBytes(kDataFolder + GetParam().name));
}

// Every line after the header is one readable, active event on a real date,
// announced a few days ahead, and no two events of a file share a text.
TEST_P(DeliveredEventFile, EveryLineIsAnEventOnARealDate)
{
    const std::string text = Cp1251ToUtf8(ReadBytes(kDataFolder + GetParam().name));
    EventFileReader reader(text, EventHeaderLimit);
    ASSERT_EQ(reader.Format(), GetParam().format) << reader.Header();

    std::set<std::string> texts;
    EventFileRecord record;
    int count = 0;
    while (reader.Next(record)) {
        ++count;
        SCOPED_TRACE(record.lineNumber);
        ASSERT_EQ(record.status, EventFileRecord::Read);
        EXPECT_EQ(record.active, 1);
        EXPECT_GE(record.daysBefore, 3);
        EXPECT_LE(record.daysBefore, 7);
        EXPECT_GE(record.daysAfter, 0);
        EXPECT_LE(record.daysAfter, 1);
        EXPECT_FALSE(record.text.empty());
        EXPECT_TRUE(texts.insert(record.text).second) << "twice: " << record.text;
        switch (GetParam().format) {
        case EventFileFormat::FixedEvents:
            // 2000 is a leap year, so 29 February would pass as well.
            EXPECT_TRUE(IsValidDate(MakeDate(2000, record.month, record.day)));
            EXPECT_GE(record.year, 0);
            break;
        case EventFileFormat::FloatEvents:
            EXPECT_EQ(record.astro, 0);
            EXPECT_GE(record.weekday, 1);
            EXPECT_LE(record.weekday, 7);
            EXPECT_GE(record.week, 1);
            EXPECT_LE(record.week, 5);
            EXPECT_GE(record.month, 1);
            EXPECT_LE(record.month, 12);
            break;
        case EventFileFormat::FullDateEvents:
            EXPECT_TRUE(IsValidDate(record.date));
            if (record.date.Hour != UnsetDateTime.Hour) {
                EXPECT_TRUE(IsValidDateTime(record.date));
            }
            break;
        default:
            FAIL();
        }
    }
    EXPECT_EQ(count + 1, static_cast<int>(Lines(text).size()));
}

// The editor rewrites the whole file when an event is deleted or switched
// off: the delivered file must already be in its column layout, or the first
// such command would reformat every line.
TEST_P(DeliveredEventFile, IsInTheLayoutTheEditorWrites)
{
    Journal journal;
    EventFileModel model;
    ASSERT_EQ(model.Open(kDataFolder + GetParam().name, journal).status, EventFileModel::OpenResult::Opened);
    EXPECT_EQ(model.ComposeLines(), Lines(Cp1251ToUtf8(ReadBytes(kDataFolder + GetParam().name))));
}

INSTANTIATE_TEST_SUITE_P(Data, DeliveredEventFile,
                         ::testing::Values(EventFileCase{"holidays.evt", EventFileFormat::FixedEvents},
                                           EventFileCase{"floating.evt", EventFileFormat::FloatEvents},
                                           EventFileCase{"memorable.evt", EventFileFormat::FullDateEvents}),
                         [](const auto& info) { return std::string(fs::path(info.param.name).stem()); });

// One saying for every day of a leap year, each different, short enough for
// the saying box, and all by one named author.
TEST(DeliveredSayings, OneForEveryDayOfALeapYear)
{
    const std::string bytes = ReadBytes(kDataFolder + OrientalPearlsFileName);
    ExpectWindows1251Lines(bytes);
    const SayingFileContent content = ReadSayingFileAs(Cp1251ToUtf8(bytes), EventFileFormat::WisdomBy);
    ASSERT_EQ(content.sayings.size(), 366u);
    EXPECT_FALSE(content.author.empty());

    std::set<std::string> seen;
    for (std::size_t i = 0; i < content.sayings.size(); ++i) {
        SCOPED_TRACE(i);
        const std::string& saying = content.sayings[i].Text;
        EXPECT_FALSE(saying.empty());
        EXPECT_LT(Utf8Length(saying), 200u);
        if (saying.empty())
            continue;
        EXPECT_NE(saying.front(), ' ');
        EXPECT_NE(saying.back(), ' ');
        EXPECT_TRUE(seen.insert(saying).second) << "twice: " << saying;
    }
}

class DeliveredLookupList : public ::testing::TestWithParam<const char*> {};

// The editor's drop-down lists for floating events: every line an entry.
TEST_P(DeliveredLookupList, EveryLineIsAnEntry)
{
    const std::string bytes = ReadBytes(kDataFolder + "Template/" + GetParam());
    ExpectWindows1251Lines(bytes);
    Journal journal;
    const LookupLists lists = ReadLookupLists(kDataFolder + "Template/", journal);
    EXPECT_TRUE(journal.Lines().empty());
    const std::string name = GetParam();
    const LookupList& list = name == "t_astro_rus.txt"  ? lists.astro
                             : name == "t_days_rus.txt" ? lists.weekdays
                             : name == "t_week_rus.txt" ? lists.weeks
                                                        : lists.months;
    EXPECT_EQ(list.size(), Lines(Cp1251ToUtf8(bytes)).size());
}

INSTANTIATE_TEST_SUITE_P(Data, DeliveredLookupList,
                         ::testing::Values("t_astro_rus.txt", "t_days_rus.txt", "t_week_rus.txt",
                                           "t_months_rus.txt"),
                         [](const auto& info) { return std::string(fs::path(info.param).stem()); });

class DeliveredConfig : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(m_temp.path() / "autostart");
        m_folder = fs::absolute(kDataFolder).lexically_normal().string();
    }

    ConfigEnvironment Environment() const
    {
        ConfigEnvironment env;
        env.programFolder = m_folder;
        env.programPath = m_folder + "orvenda";
        env.autostartDir = m_temp / "autostart";
        return env;
    }

    test::TempFolder m_temp{"orvenda-delivered"};
    std::string m_folder;
};

// The three sample event files and the proverbs beside the program, and
// every setting at its default.
TEST_F(DeliveredConfig, ListsTheSampleFilesWithDefaultSettings)
{
    ExpectWindows1251Lines(ReadBytes(m_folder + ConfigFileName));
    TConfigRec config;
    Journal journal;
    ASSERT_TRUE(LoadConfig(config, Environment(), journal, nullptr).found);

    const std::vector<TListedFile> events = {
        {m_folder, "holidays.evt"}, {m_folder, "floating.evt"}, {m_folder, "memorable.evt"}};
    EXPECT_EQ(config.EventFiles, events);
    const std::vector<TListedFile> sayings = {{m_folder, "proverbs.wis"}};
    EXPECT_EQ(config.WisdomFiles, sayings);

    const TConfigRec defaults;
    EXPECT_EQ(config.ConfirmExit, defaults.ConfirmExit);
    EXPECT_EQ(config.AdjustFormSize, defaults.AdjustFormSize);
    EXPECT_EQ(config.LogEnable, defaults.LogEnable);
    EXPECT_EQ(config.UserLog, defaults.UserLog);
    EXPECT_EQ(config.UserLogFileName, defaults.UserLogFileName);
    EXPECT_EQ(config.LogAppend, defaults.LogAppend);
    EXPECT_EQ(config.ColorScheme, defaults.ColorScheme);
    EXPECT_EQ(config.ShowAstroPanel, defaults.ShowAstroPanel);
    EXPECT_EQ(config.ToolBarShow, defaults.ToolBarShow);
    EXPECT_EQ(config.ToolBarShowTXT, defaults.ToolBarShowTXT);
    EXPECT_EQ(config.ViewGroup, defaults.ViewGroup);
    EXPECT_EQ(config.ViewDateInStr, defaults.ViewDateInStr);
}

// "Сохранить настройки" right after the first start must leave the file as
// it was delivered, byte for byte.
TEST_F(DeliveredConfig, SavingItUnchangedGivesTheSameBytes)
{
    TConfigRec config;
    Journal journal;
    ASSERT_TRUE(LoadConfig(config, Environment(), journal, nullptr).found);
    const std::string saved = m_temp / ConfigFileName;
    ASSERT_TRUE(SaveConfig(config, saved, m_folder, journal).ok());
    EXPECT_EQ(ReadBytes(saved), ReadBytes(m_folder + ConfigFileName));
}

// A first start over the delivered files finds every file it is told about:
// nothing is missing, so the status bar shows no "?".
TEST_F(DeliveredConfig, AFirstStartFindsEveryListedFile)
{
    SessionEnvironment env;
    env.programFolder = m_folder;
    env.programPath = m_folder + "orvenda";
    env.autostartDir = m_temp / "autostart";
    env.clock = FixedClock(TDateRec{2026, 12, 8, 12, 0, 0, 0});
    env.changeCurrentFolder = false;
    Session session(env);
    session.StartUp();
    ASSERT_TRUE(session.Refresh().ok);
    for (const std::string& line : session.GetJournal().Lines())
        EXPECT_EQ(line.find("Не найден"), std::string::npos) << line;
    EXPECT_EQ(session.View().StatusFiles, "");
    EXPECT_FALSE(session.View().Saying[0].empty());
    EXPECT_GT(session.LoadedEventCount(), 50u);
}

struct PictureKind {
    const char* kind;
    int last;
};

void PrintTo(const PictureKind& k, std::ostream* os)
{
    *os << k.kind << " 0.." << k.last;
}

class DeliveredPictures : public ::testing::TestWithParam<PictureKind> {};

// Every picture the Kalachakra panel can ask for is a 40 x 40 BMP in the
// program folder. The pictures are painted by the desktop build only.
TEST_P(DeliveredPictures, EveryNumberHasA40By40Bitmap)
{
    const std::string programFolder = ORVENDA_PROGRAM_DIR;
    if (!fs::exists(programFolder + "Img/Kalachakra.jpg"))
        GTEST_SKIP() << "no pictures in " << programFolder << " (built without the desktop program)";
    for (int n = 0; n <= GetParam().last; ++n) {
        const std::string path = programFolder + PictureFileName(GetParam().kind, n);
        SCOPED_TRACE(path);
        const std::string bytes = ReadBytes(path);
        ASSERT_GE(bytes.size(), 26u);
        EXPECT_EQ(bytes.substr(0, 2), "BM");
        auto int32At = [&](std::size_t at) {
            std::uint32_t v = 0;
            for (int i = 3; i >= 0; --i)
                v = (v << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
            return static_cast<std::int32_t>(v);
        };
        EXPECT_EQ(int32At(18), 40);
        // A negative height is a top-down bitmap, just as good.
        EXPECT_EQ(std::abs(int32At(22)), 40);
    }
}

INSTANTIATE_TEST_SUITE_P(Data, DeliveredPictures,
                         ::testing::Values(PictureKind{"principle", 60}, PictureKind{"energy", 7},
                                           PictureKind{"zodiak", 12}),
                         [](const auto& info) { return std::string(info.param.kind); });

} // namespace
} // namespace orvenda
