#include "editors/event_file.h"
#include "tests/support/test_files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace orvenda {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

const std::string EditorData = ORVENDA_TEST_DATA_DIR "/editors/";
const std::string EventData = ORVENDA_TEST_DATA_DIR "/events/";

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

// ---- Round trips against hand-written files ----

std::vector<std::string> goldenCases()
{
    std::vector<std::string> cases;
    for (const auto& entry : fs::directory_iterator(EditorData)) {
        if (entry.path().extension() == ".expected") {
            cases.push_back(entry.path().stem().string());
        }
    }
    std::sort(cases.begin(), cases.end());
    return cases;
}

std::string inputOf(const std::string& name)
{
    const std::string evt = EditorData + name + ".evt";
    return fs::exists(evt) ? evt : EditorData + name + ".wis";
}

// The first lines where two texts differ, for the failure message.
class EditorRoundTrip : public ::testing::TestWithParam<std::string> {};

TEST_P(EditorRoundTrip, SavedUnchangedGivesTheColumnLayout)
{
    TempFolder folder;
    const std::string path = folder.Copy(inputOf(GetParam()));
    const std::string expectedPath = EditorData + GetParam() + ".expected";
    Journal journal;
    EventFileModel model;
    ASSERT_EQ(model.Open(path, journal).status, EventFileModel::OpenResult::Opened);
    ASSERT_TRUE(model.Save().ok());
    EXPECT_EQ(test::CompareWithGolden(expectedPath, ReadBytes(path)), "");

    // The layout is a fixed point: reading and saving it again changes nothing.
    ASSERT_EQ(model.Open(path, journal).status, EventFileModel::OpenResult::Opened);
    ASSERT_TRUE(model.Save().ok());
    EXPECT_EQ(test::CompareWithGolden(expectedPath, ReadBytes(path)), "");
    EXPECT_TRUE(journal.Lines().empty());
}

INSTANTIATE_TEST_SUITE_P(Golden, EditorRoundTrip, ::testing::ValuesIn(goldenCases()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

// ---- Opening, creating and the texts of the window ----

TEST(EventFileModel, OpenFailuresLeaveNoFileLoaded)
{
    Journal journal;
    EventFileModel model;
    const std::string missing = "/nonexistent/a.evt";
    EXPECT_EQ(model.Open(missing, journal).status, EventFileModel::OpenResult::CannotOpen);
    EXPECT_EQ(journal.Lines(),
              std::vector<std::string>{"В редакторе событий невозможно открыть файл: " + missing});

    ASSERT_EQ(model.Open(EventData + "fixed.evt", journal).status, EventFileModel::OpenResult::Opened);
    const std::string list = EventData + "list_header.evt";
    const EventFileModel::OpenResult result = model.Open(list, journal);
    EXPECT_EQ(result.status, EventFileModel::OpenResult::UnknownFormat);
    EXPECT_EQ(result.message,
              "Неизвестный формат файла.\n Файл = " + list + "\n Формат = [fixed events list]");
    EXPECT_FALSE(model.IsLoaded());
    EXPECT_EQ(model.Caption(), "Редактор");
    EXPECT_EQ(model.PositionText(), std::nullopt);
    EXPECT_EQ(journal.Lines().size(), 1u);
}

TEST(EventFileModel, CaptionAndStatusFollowTheFile)
{
    TempFolder folder;
    const std::string path = folder.Copy(EventData + "fixed.evt");
    Journal journal;
    EventFileModel model;
    EXPECT_EQ(model.Caption(), "Редактор");
    ASSERT_EQ(model.Open(path, journal).status, EventFileModel::OpenResult::Opened);
    EXPECT_EQ(model.Caption(), "Редактор - fixed.evt");
    EXPECT_EQ(model.PathText(), path);
    EXPECT_EQ(model.PositionText(), "1/3");
    EXPECT_TRUE(model.Select(3));
    EXPECT_FALSE(model.Select(4));
    EXPECT_EQ(model.PositionText(), "3/3");
    EXPECT_EQ(model.ModifiedText(), "");
    EXPECT_TRUE(model.SetDAfter(5));
    EXPECT_EQ(model.ModifiedText(), "Изменён");

    const std::string other = (folder / "other.evt");
    ASSERT_TRUE(model.SaveAs(other).ok());
    EXPECT_EQ(model.Caption(), "Редактор - other.evt");
    EXPECT_EQ(model.ModifiedText(), "");
    EXPECT_EQ(model.PositionText(), "3/3");

    model.Close();
    EXPECT_EQ(model.Caption(), "Редактор");
    EXPECT_EQ(model.PathText(), "");
    EXPECT_EQ(model.PositionText(), std::nullopt);
}

TEST(EventFileModel, NewFilesTheirPresetsAndTheTimeColumn)
{
    TempFolder folder;
    Journal journal;
    EventFileModel model;
    model.New(EventFileFormat::FullDateEvents, journal);
    EXPECT_EQ(model.Caption(), "Редактор событий");
    EXPECT_EQ(model.PositionText(), "0/0");
    ASSERT_TRUE(model.Insert());
    const EditorRecord& fresh = *model.Current();
    EXPECT_EQ(fresh.dbefore, 1);
    EXPECT_EQ(fresh.dafter, 0);
    EXPECT_TRUE(fresh.active);
    EXPECT_EQ(model.ModifiedText(), "Изменён");

    model.PickDate(MakeDate(2007, 1, 7));
    model.SetHour(10);
    model.SetMinute(30);
    model.SetEvent("Встреча");
    EXPECT_EQ(model.ComposeLines(), (std::vector<std::string>{"[fixed events with full date]",
                                                              "2007.01.07_10:30   1   0 1 Встреча"}));
    model.SetMinute(std::nullopt);
    EXPECT_EQ(model.ComposeLines()[1], "2007.01.07         1   0 1 Встреча");

    // Saving an unnamed file names it and keeps the caption.
    EXPECT_FALSE(model.Save().ok());
    const std::string path = (folder / "new.evt");
    ASSERT_TRUE(model.NameAndSave(path).ok());
    EXPECT_EQ(model.PathText(), path);
    EXPECT_EQ(model.Caption(), "Редактор событий");
    EXPECT_EQ(ReadBytes(path),
              "[fixed events with full date]\r\n2007.01.07         1   0 1 \xC2\xF1\xF2\xF0\xE5\xF7\xE0\r\n");

    model.New(EventFileFormat::WisdomBy, journal);
    EXPECT_EQ(model.Caption(), "Редактор высказываний");
    ASSERT_TRUE(model.Insert());
    EXPECT_FALSE(model.Current()->active);
}

TEST(EventFileModel, OneAuthorFileWritesTheFirstRecordsAuthor)
{
    Journal journal;
    EventFileModel model;
    ASSERT_EQ(model.Open(EditorData + "wisdom_by.wis", journal).status, EventFileModel::OpenResult::Opened);
    ASSERT_EQ(model.Count(), 3);
    model.Select(2);
    model.SetAuthor("Другой");
    EXPECT_EQ(model.ComposeLines()[1], "Козьма Прутков");
    model.Select(1);
    model.SetAuthor("Новый");
    EXPECT_EQ(model.ComposeLines()[1], "Новый");
}

TEST(EventFileModel, InsertGoesBeforeTheCurrentRecordAndDeleteMovesOn)
{
    Journal journal;
    EventFileModel model;
    ASSERT_EQ(model.Open(EventData + "fixed.evt", journal).status, EventFileModel::OpenResult::Opened);
    const auto texts = [&] {
        std::vector<std::string> t;
        for (const EditorRecord& r : model.Records()) {
            t.push_back(r.event);
        }
        return t;
    };
    model.Select(2);
    model.Insert();
    EXPECT_EQ(model.CurrentNumber(), 2);
    EXPECT_EQ(texts(),
              (std::vector<std::string>{"Новый год 2000", "", "Високосный день", "Рождество, активность 2"}));
    model.DeleteCurrent();
    EXPECT_EQ(model.Current()->event, "Високосный день");
    model.Select(3);
    model.DeleteCurrent();
    EXPECT_EQ(model.CurrentNumber(), 2);
    EXPECT_EQ(texts(), (std::vector<std::string>{"Новый год 2000", "Високосный день"}));
}

TEST(EventFileModel, UnencodableTextIsRefusedAndTheFileStays)
{
    TempFolder folder;
    const std::string path = folder.Copy(EventData + "fixed.evt");
    const std::string before = ReadBytes(path);
    Journal journal;
    EventFileModel model;
    ASSERT_EQ(model.Open(path, journal).status, EventFileModel::OpenResult::Opened);
    model.SetEvent("Поездка в 東京");
    const SaveResult result = model.Save();
    EXPECT_EQ(result.status, SaveResult::Unencodable);
    EXPECT_THAT(result.unmappable, HasSubstr("東"));
    EXPECT_THAT(result.unmappable, HasSubstr("京"));
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_TRUE(model.IsModified());
}

TEST(EventFileModel, Utf8FileIsWrittenBackAsUtf8)
{
    TempFolder folder;
    const std::string path = folder.Copy(EventData + "utf8.evt");
    Journal journal;
    EventFileModel model;
    ASSERT_EQ(model.Open(path, journal).status, EventFileModel::OpenResult::Opened);
    EXPECT_EQ(model.Encoding(), TextEncoding::Utf8);
    model.SetEvent("Поездка в 東京");
    ASSERT_TRUE(model.Save().ok());
    EXPECT_EQ(ReadBytes(path), "[fixed events]\r\n 9  5 1945   5   1 1 Поездка в 東京\r\n");
}

TEST(EventFileModel, LookupListsOfTheFloatingLayout)
{
    TempFolder folder;
    const std::string templates = (folder / "Template/");
    fs::create_directories(templates);
    // Windows-1251: "Весна", "Лето"; a line without a key is skipped.
    WriteBytes(templates + "t_astro_rus.txt",
               "1 \xC2\xE5\xF1\xED\xE0\r\n\r\nno key\r\n2\t\xCB\xE5\xF2\xEE\r\n");
    WriteBytes(templates + "t_days_rus.txt", "7 " + std::string(120, 'x') + "\r\n");
    WriteBytes(templates + "t_week_rus.txt", "5 last");
    Journal journal;
    EventFileModel model(templates);
    ASSERT_EQ(model.Open(EditorData + "float_layout.evt", journal).status,
              EventFileModel::OpenResult::Opened);
    const auto items = [](const LookupList& list) {
        std::vector<std::pair<int, std::string>> pairs;
        for (const LookupItem& i : list) {
            pairs.emplace_back(i.key, i.item);
        }
        return pairs;
    };
    using Items = std::vector<std::pair<int, std::string>>;
    EXPECT_EQ(items(model.Lookups().astro), (Items{{1, "Весна"}, {2, "Лето"}}));
    EXPECT_EQ(items(model.Lookups().weekdays), (Items{{7, std::string(99, 'x')}}));
    EXPECT_EQ(items(model.Lookups().weeks), (Items{{5, "last"}}));
    EXPECT_TRUE(model.Lookups().months.empty());
    EXPECT_EQ(journal.Lines(), std::vector<std::string>{"В редакторе событий невозможно открыть файл: " +
                                                        templates + "t_months_rus.txt"});
}

// Files on which saving once changed what the next opening read: the records
// read after saving are those read before.
TEST(EventFileModel, FilesThatRandomInputFoundSaveStably)
{
    const std::string found[] = {
        // A last line of white space without a line end was a record of its
        // own, kept as it stood and written back with a line end: then it was gone.
        "[fixed events]\r\n 1  1 2000   0   0 1 \xCF\xE5\xF0\xE2\xEE\xE5\r\n\r\n\r",
        "[float events]\n  0  7  5  3 2007   7   1 1 x\n \t ",
        // A lone CR before the text was part of it, and written as a blank that
        // the next reading skipped.
        "[fixed events]\r\n 1  1 2000   3   1 1\rF?\n -2  2 2001   3 -  1 1 \xC2\xF2\xEE\xF0\xEE\xE5\r\r\n",
    };
    TempFolder dir;
    for (const std::string& bytes : found) {
        SCOPED_TRACE(bytes);
        WriteBytes(dir / "found.evt", bytes);
        Journal journal;
        EventFileModel model;
        ASSERT_EQ(model.Open(dir / "found.evt", journal).status, EventFileModel::OpenResult::Opened);
        const std::string source = model.SourceText();
        std::vector<std::string> texts;
        for (const EditorRecord& r : model.Records()) {
            texts.push_back(r.event);
        }
        ASSERT_TRUE(model.Save().ok());

        EventFileModel again;
        ASSERT_EQ(again.Open(dir / "found.evt", journal).status, EventFileModel::OpenResult::Opened);
        EXPECT_EQ(again.SourceText(), source);
        std::vector<std::string> textsAgain;
        for (const EditorRecord& r : again.Records()) {
            textsAgain.push_back(r.event);
        }
        EXPECT_EQ(textsAgain, texts);
        EXPECT_TRUE(journal.Lines().empty());
    }
}

} // namespace
} // namespace orvenda
