#include "editors/editor_controller.h"
#include "editors/event_commands.h"
#include "engine/scripted_questions.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace orvenda {
namespace {

namespace fs = std::filesystem;
using Answer = Questions::Answer;

using test::ReadBytes;

using test::WriteBytes;

const std::string FixedFile =
    "[fixed events]\r\n 1  1 2000   3   1 1 New year\r\n 9  5    0   7   0 1 Victory\r\n";

class EditorControllerTest : public ::testing::Test {
protected:
    EditorControllerTest()
    {
        controller.SetSavedHandler([this](const std::string& file) { saved.push_back(file); });
    }
    std::string path(const std::string& name) const { return m_folder / name; }
    std::string write(const std::string& name, const std::string& bytes) const
    {
        WriteBytes(path(name), bytes);
        return path(name);
    }
    // A fixed-events file opened and changed in its first record.
    std::string openModified()
    {
        const std::string file = write("a.evt", FixedFile);
        EXPECT_TRUE(controller.Open(file));
        EXPECT_TRUE(controller.Model().SetDay(2));
        controller.RefreshStatus();
        return file;
    }

    Journal journal;
    ScriptedQuestions questions;
    EditorController controller{ORVENDA_PROGRAM_DIR "Template/", journal, questions};
    std::vector<std::string> saved; // paths given to the saved handler

private:
    test::TempFolder m_folder{"orvenda-controller"};
};

// ---- The close question ----

struct CloseCase {
    const char* name;
    std::vector<Answer> answers;
    std::vector<std::string> fileNames;
    bool unnamed;      // a new file instead of one opened from disk
    bool closes;       // Close() answers true and no file is left
    bool writesChange; // the changed record reaches a file
};

class CloseQuestion : public EditorControllerTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseQuestion, AnswersDecideWhetherTheFileIsSavedAndDropped)
{
    const CloseCase& c = GetParam();
    std::string file;
    if (c.unnamed) {
        ASSERT_TRUE(controller.New(EventFileFormat::FullDateEvents));
        ASSERT_TRUE(controller.Insert());
        ASSERT_TRUE(controller.Model().SetEvent("Birthday"));
        controller.EnableFileCommands(true);
    } else {
        file = openModified();
    }
    questions.answers.assign(c.answers.begin(), c.answers.end());
    for (const std::string& name : c.fileNames) {
        questions.fileNames.push_back(path(name));
    }

    EXPECT_EQ(controller.Close(), c.closes);

    ASSERT_EQ(questions.questions.size(), 1u);
    EXPECT_EQ(questions.questions[0], "Текущий файл не был сохранён! Сохранить?");
    EXPECT_EQ(controller.Model().IsLoaded(), !c.closes);
    EXPECT_EQ(controller.FileCommandsEnabled(), !c.closes);
    if (!c.closes) {
        EXPECT_TRUE(controller.Model().IsModified());
        EXPECT_EQ(controller.StatusTexts().modified, "Изменён");
    } else {
        EXPECT_EQ(controller.Model().Caption(), "Редактор");
        EXPECT_EQ(controller.StatusTexts().modified, "");
        EXPECT_EQ(controller.StatusTexts().path, "");
    }
    EXPECT_EQ(saved.size(), c.writesChange ? 1u : 0u);
    if (c.unnamed) {
        const bool written = !c.fileNames.empty() && fs::exists(path(c.fileNames[0]));
        EXPECT_EQ(written, c.writesChange);
        if (written) {
            EXPECT_NE(ReadBytes(path(c.fileNames[0])).find("Birthday"), std::string::npos);
        }
    } else {
        const bool changed = ReadBytes(file) != FixedFile;
        EXPECT_EQ(changed, c.writesChange);
        if (changed) {
            EXPECT_EQ(ReadBytes(file).substr(0, 30), "[fixed events]\r\n 2  1 2000   3");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, CloseQuestion,
    ::testing::Values(
        CloseCase{"NoDropsTheChanges", {Answer::No}, {}, false, true, false},
        CloseCase{"CancelKeepsEverything", {Answer::Cancel}, {}, false, false, false},
        CloseCase{"OkSavesNamedFileThenCloses", {Answer::Ok}, {}, false, true, true},
        CloseCase{"OkWithCancelledSaveDialogKeepsTheFile", {Answer::Ok}, {}, true, false, false},
        CloseCase{"OkNamesUnnamedFileThenCloses", {Answer::Ok}, {"named.evt"}, true, true, true},
        CloseCase{"OkWithFailingSaveKeepsTheFile", {Answer::Ok}, {"missing/x.evt"}, true, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditorControllerTest, CancelledQuestionStopsOpenAndNew)
{
    const std::string first = openModified();
    const std::string second = write("b.evt", FixedFile);

    EXPECT_FALSE(controller.Open(second));
    EXPECT_FALSE(controller.NewCommand());
    EXPECT_FALSE(controller.New(EventFileFormat::Wisdom));

    EXPECT_EQ(questions.questions.size(), 3u);
    EXPECT_EQ(controller.Model().Path(), first);
    EXPECT_EQ(controller.Model().Format(), EventFileFormat::FixedEvents);
    EXPECT_EQ(controller.Model().Records()[0].day, 2);
    EXPECT_TRUE(controller.Model().IsModified());
}

// ---- Open, its failures and the file commands ----

TEST_F(EditorControllerTest, OpenOutcomesAndTheFileCommands)
{
    ASSERT_TRUE(controller.Open(write("a.evt", FixedFile)));
    EXPECT_TRUE(controller.FileCommandsEnabled());
    EXPECT_EQ(controller.StatusTexts().position, "1/2");
    EXPECT_EQ(controller.StatusTexts().path, path("a.evt"));

    // An unknown header: the error box, the previous file is gone and the
    // file commands stay off.
    const std::string list = write("list.evl", "[fixed events list]\r\n2000.01.01 x\r\n");
    EXPECT_FALSE(controller.Open(list));
    ASSERT_EQ(questions.errors.size(), 1u);
    EXPECT_EQ(questions.errors[0],
              "Ошибка!|Неизвестный формат файла.\n Файл = " + list + "\n Формат = [fixed events list]");
    EXPECT_FALSE(controller.Model().IsLoaded());
    EXPECT_FALSE(controller.FileCommandsEnabled());
    EXPECT_TRUE(journal.Lines().empty());

    // A missing file: a journal line, no file, but the commands are on.
    const std::string missing = path("none.evt");
    EXPECT_FALSE(controller.Open(missing));
    ASSERT_EQ(journal.Lines().size(), 1u);
    EXPECT_EQ(journal.Lines()[0], "В редакторе событий невозможно открыть файл: " + missing);
    EXPECT_FALSE(controller.Model().IsLoaded());
    EXPECT_TRUE(controller.FileCommandsEnabled());
    EXPECT_EQ(controller.Model().Caption(), "Редактор");
    EXPECT_EQ(questions.errors.size(), 1u);
}

// ---- Save and Save as ----

struct NewKindCase {
    EventFileFormat kind;
    const char* caption;
    int preselected; // of the save dialog for an unnamed file
    const char* header;
    const char* extension; // given to a name chosen without one
};

class SaveUnnamed : public EditorControllerTest, public ::testing::WithParamInterface<NewKindCase> {};

TEST_P(SaveUnnamed, GoesThroughTheSaveDialogAndKeepsTheCaption)
{
    const NewKindCase& c = GetParam();
    ASSERT_TRUE(controller.New(c.kind));
    EXPECT_EQ(controller.Model().Caption(), c.caption);
    EXPECT_EQ(controller.StatusTexts().path, "");
    EXPECT_EQ(controller.StatusTexts().position, "0/0");

    // Cancelled: nothing is written, nothing changes.
    ASSERT_TRUE(controller.Insert());
    EXPECT_FALSE(controller.Save());
    EXPECT_TRUE(controller.Model().IsModified());
    EXPECT_EQ(controller.Model().Path(), "");

    // A name without an extension gets the one of its kind.
    const std::string target = path("new") + "." + c.extension;
    questions.fileNames.push_back(path("new"));
    EXPECT_TRUE(controller.Save());
    ASSERT_EQ(questions.saveChoices.size(), 2u);
    EXPECT_EQ(questions.saveChoices[1].filter.pairs, EditorFilePairs);
    EXPECT_EQ(questions.saveChoices[1].filter.index, c.preselected);
    EXPECT_EQ(questions.saveChoices[1].defaultExtension, c.extension);
    EXPECT_EQ(controller.Model().Path(), target);
    EXPECT_EQ(controller.Model().Caption(), c.caption);
    EXPECT_FALSE(controller.Model().IsModified());
    EXPECT_EQ(controller.StatusTexts().path, target);
    EXPECT_EQ(ReadBytes(target).substr(0, std::string(c.header).size() + 2), std::string(c.header) + "\r\n");

    // Named now: the next save asks nothing.
    EXPECT_TRUE(controller.Save());
    EXPECT_EQ(questions.saveChoices.size(), 2u);
    EXPECT_EQ(saved, (std::vector<std::string>{target, target}));

    // "Сохранить как" likewise; a name with an extension of its own keeps it.
    questions.fileNames = {path("copy"), path("copy.file")};
    EXPECT_TRUE(controller.SaveAs());
    EXPECT_EQ(controller.Model().Path(), path("copy") + "." + c.extension);
    EXPECT_EQ(questions.saveChoices.back().defaultExtension, c.extension);
    EXPECT_TRUE(controller.SaveAs());
    EXPECT_EQ(controller.Model().Path(), path("copy.file"));
}

INSTANTIATE_TEST_SUITE_P(Kinds, SaveUnnamed,
                         ::testing::Values(NewKindCase{EventFileFormat::FullDateEvents, "Редактор событий", 2,
                                                       "[fixed events with full date]", "evt"},
                                           NewKindCase{EventFileFormat::FloatEvents, "Редактор событий", 2,
                                                       "[float events]", "evt"},
                                           NewKindCase{EventFileFormat::Wisdom, "Редактор высказываний", 3,
                                                       "[wisdom]", "wis"},
                                           NewKindCase{EventFileFormat::WisdomBy, "Редактор высказываний", 3,
                                                       "[wisdom by]", "wis"}));

TEST_F(EditorControllerTest, FailedWriteIsReportedAndKeepsTheMark)
{
    const std::string file = openModified();
    questions.fileNames.push_back(path("missing/x.evt"));
    EXPECT_FALSE(controller.SaveAs());
    ASSERT_EQ(questions.errors.size(), 1u);
    EXPECT_EQ(
        questions.errors[0].rfind("Ошибка!|Не удалось сохранить файл: " + path("missing/x.evt") + "\n", 0),
        0u);
    ASSERT_EQ(journal.Lines().size(), 1u);
    EXPECT_EQ(journal.Lines()[0].rfind("Не удалось сохранить файл: " + path("missing/x.evt"), 0), 0u);
    EXPECT_TRUE(controller.Model().IsModified());
    EXPECT_EQ(controller.Model().Path(), file);
    EXPECT_EQ(ReadBytes(file), FixedFile);
    EXPECT_TRUE(saved.empty());
}

// A read-only file is not written; "Сохранить как" keeps the text under
// another name, and cancelling it keeps the change in the editor.
TEST_F(EditorControllerTest, ReadOnlyFileIsRefusedAndSaveAsOffered)
{
    const std::string file = openModified();
    fs::permissions(file, fs::perms(0444));
    ASSERT_FALSE(controller.Save());
    EXPECT_EQ(questions.errors, std::vector<std::string>{"Ошибка!|Файл только для чтения: " + file});
    ASSERT_EQ(questions.saveChoices.size(), 1u);
    EXPECT_EQ(questions.saveChoices[0].filter.pairs, SaveAsFilePairs);
    EXPECT_TRUE(controller.Model().IsModified());
    EXPECT_EQ(ReadBytes(file), FixedFile);

    questions.fileNames = {path("copy.evt")};
    ASSERT_TRUE(controller.Save());
    EXPECT_EQ(ReadBytes(file), FixedFile);
    EXPECT_EQ(ReadBytes(path("copy.evt")).substr(0, 22), "[fixed events]\r\n 2  1 ");
    EXPECT_EQ(controller.Model().Path(), path("copy.evt"));
    EXPECT_FALSE(controller.Model().IsModified());
}

TEST_F(EditorControllerTest, TextOutsideWindows1251IsNotWrittenAndNamesTheCharacters)
{
    const std::string file = openModified();
    ASSERT_TRUE(controller.Model().SetEvent("Новый год 🎄"));
    EXPECT_FALSE(controller.Save());
    ASSERT_EQ(questions.errors.size(), 1u);
    EXPECT_NE(questions.errors[0].find("🎄"), std::string::npos);
    EXPECT_EQ(ReadBytes(file), FixedFile);
    EXPECT_TRUE(controller.Model().IsModified());
}

// ---- Navigator and status ----

TEST_F(EditorControllerTest, NavigatorMovesAndItsButtonsFollowThePosition)
{
    using Move = EditorController::Move;
    using State = EditorController::NavigatorState;
    EXPECT_EQ(controller.Navigator(), State{});

    ASSERT_TRUE(controller.Open(write("three.evt", FixedFile + " 3  3    0   1   0 1 Third\r\n")));
    struct Step {
        Move move;
        bool moved;
        const char* position;
        State buttons; // first, prior, next, last, insert, delete
    };
    const Step steps[] = {
        {Move::Next, true, "2/3", {true, true, true, true, true, true}},
        {Move::Last, true, "3/3", {true, true, false, false, true, true}},
        {Move::Next, false, "3/3", {true, true, false, false, true, true}},
        {Move::Prior, true, "2/3", {true, true, true, true, true, true}},
        {Move::First, true, "1/3", {false, false, true, true, true, true}},
        {Move::Prior, false, "1/3", {false, false, true, true, true, true}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.position);
        EXPECT_EQ(controller.Navigate(step.move), step.moved);
        EXPECT_EQ(controller.StatusTexts().position, step.position);
        EXPECT_EQ(controller.Navigator(), step.buttons);
    }
    EXPECT_FALSE(controller.Model().IsModified());
}

TEST_F(EditorControllerTest, InsertAndDeleteMarkTheFileAndUpdateTheStatus)
{
    ASSERT_TRUE(controller.New(EventFileFormat::FloatEvents));
    EXPECT_EQ(controller.Navigator(),
              (EditorController::NavigatorState{false, false, false, false, true, false}));
    EXPECT_EQ(controller.StatusTexts().modified, "");

    ASSERT_TRUE(controller.Insert());
    EXPECT_EQ(controller.StatusTexts().modified, "Изменён");
    EXPECT_EQ(controller.StatusTexts().position, "1/1");
    const EditorRecord* record = controller.Model().Current();
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->dbefore, 1);
    EXPECT_EQ(record->dafter, 0);
    EXPECT_TRUE(record->active);

    ASSERT_TRUE(controller.DeleteCurrent());
    EXPECT_EQ(controller.StatusTexts().position, "0/0");
    EXPECT_FALSE(controller.DeleteCurrent());
}

TEST_F(EditorControllerTest, PositionKeepsItsTextWhenTheFileIsClosed)
{
    ASSERT_TRUE(controller.Open(write("a.evt", FixedFile)));
    ASSERT_TRUE(controller.Select(2));
    EXPECT_EQ(controller.StatusTexts().position, "2/2");
    ASSERT_TRUE(controller.Close());
    EXPECT_EQ(controller.StatusTexts().position, "2/2");
    EXPECT_EQ(controller.StatusTexts().path, "");
}

// ---- The editor and the other writers of the file ----

const std::string Holidays = "[fixed events]\r\n"
                             " 1  1 2000   3   1 1 New year\r\n"
                             " 9  5    0   7   0 1 Victory\r\n"
                             " 9 12    0   3   1 1 Heroes\r\n";

// The main window's switch-off goes through the editor: a modified file is
// closed with the question first, and the command works on what is on disk
// after that.
TEST_F(EditorControllerTest, MainWindowCommandClosesTheEditorsFileFirst)
{
    struct Case {
        const char* name;
        Answer answer;
        bool cancelled;
        std::string bytes; // the file after the command
    };
    const Case cases[] = {
        {"Cancel keeps the editor and the file", Answer::Cancel, true, Holidays},
        {"No drops the editor's change", Answer::No, false,
         "[fixed events]\r\n 1  1 2000   3   1 1 New year\r\n 9  5    0   7   0 1 Victory\r\n"
         " 9 12    0   3   1 0 Heroes\r\n"},
        {"OK saves it first", Answer::Ok, false,
         "[fixed events]\r\n 1  1 2000   3   1 1 New year\r\n 9  5    0   1   0 1 Victory\r\n"
         " 9 12    0   3   1 0 Heroes\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = write("holidays.evt", Holidays);
        ASSERT_TRUE(controller.Open(file));
        ASSERT_TRUE(controller.Select(2));
        ASSERT_TRUE(controller.Model().SetDBefore(1));
        questions.answers = {c.answer};
        questions.questions.clear();

        const EventCommandResult done = controller.ChangeEvent(file, 3, EventChange::SwitchOff, "Heroes");
        EXPECT_EQ(questions.questions, std::vector<std::string>{std::string(SaveChangesQuestion)});
        EXPECT_EQ(done.cancelled, c.cancelled);
        EXPECT_EQ(done.ok, !c.cancelled) << done.error;
        EXPECT_EQ(ReadBytes(file), c.bytes);
        // Cancelled, the editor still holds its change; otherwise it holds no
        // file that a later save could write back.
        EXPECT_EQ(controller.Model().IsLoaded(), c.cancelled);
        EXPECT_EQ(controller.Model().IsModified(), c.cancelled);
        controller.Model().Close();
    }

    // An unmodified file is closed without a question; a record that no
    // longer holds the event shown changes nothing.
    const std::string file = write("holidays.evt", Holidays);
    ASSERT_TRUE(controller.Open(file));
    questions.questions.clear();
    const EventCommandResult moved = controller.ChangeEvent(file, 2, EventChange::Delete, "Heroes");
    EXPECT_FALSE(moved.ok);
    EXPECT_FALSE(moved.cancelled);
    EXPECT_TRUE(questions.questions.empty());
    EXPECT_EQ(ReadBytes(file), Holidays);
    EXPECT_FALSE(controller.Model().IsLoaded());
    ASSERT_TRUE(controller.ChangeEvent(file, 2, EventChange::Delete, "Victory").ok);
    EXPECT_EQ(ReadBytes(file),
              "[fixed events]\r\n 1  1 2000   3   1 1 New year\r\n 9 12    0   3   1 1 Heroes\r\n");
}

// The issue's own steps: the editor holds a change of record 2, another
// writer switches off record 3; saving asks before it would undo that.
TEST_F(EditorControllerTest, FileChangedByAnotherWriterIsOverwrittenOnlyWhenAsked)
{
    const std::string file = write("holidays.evt", Holidays);
    ASSERT_TRUE(controller.Open(file));
    ASSERT_TRUE(controller.Select(2));
    ASSERT_TRUE(controller.Model().SetDBefore(1));
    ASSERT_TRUE(SwitchOffEvent(file, 3, journal).ok);
    const std::string switchedOff = ReadBytes(file);
    ASSERT_NE(switchedOff, Holidays);

    EXPECT_FALSE(controller.Save());
    EXPECT_EQ(questions.questions, std::vector<std::string>{std::string(OverwriteQuestion)});
    EXPECT_EQ(questions.buttons, std::vector<Questions::Buttons>{Questions::Buttons::OverwriteCancel});
    EXPECT_EQ(ReadBytes(file), switchedOff);
    EXPECT_TRUE(controller.Model().IsModified());
    EXPECT_EQ(controller.Model().Records()[1].dbefore, 1);

    questions.answers = {Answer::Ok};
    ASSERT_TRUE(controller.Save());
    EXPECT_EQ(ReadBytes(file), "[fixed events]\r\n 1  1 2000   3   1 1 New year\r\n"
                               " 9  5    0   1   0 1 Victory\r\n 9 12    0   3   1 1 Heroes\r\n");
    // Its own save is no change by another program.
    ASSERT_TRUE(controller.Model().SetDBefore(2));
    ASSERT_TRUE(controller.Save());
    EXPECT_EQ(questions.questions.size(), 2u);
}

TEST_F(EditorControllerTest, UnmodifiedFileIsReadAgainWhenChangedOnDisk)
{
    const std::string file = write("holidays.evt", Holidays);
    ASSERT_TRUE(controller.Open(file));
    EXPECT_FALSE(controller.ReloadIfChangedOnDisk());
    ASSERT_TRUE(controller.Select(3));

    // Record 3 is still there after the first delete, and is the last one
    // after the second.
    ASSERT_TRUE(DeleteEvent(file, 1, journal).ok);
    ASSERT_TRUE(controller.ReloadIfChangedOnDisk());
    EXPECT_EQ(controller.Model().Count(), 2);
    EXPECT_EQ(controller.Model().CurrentNumber(), 2);
    EXPECT_EQ(controller.StatusTexts().position, "2/2");

    // With a change of its own, the editor keeps its table; saving asks.
    ASSERT_TRUE(controller.Model().SetDBefore(9));
    ASSERT_TRUE(SwitchOffEvent(file, 1, journal).ok);
    const std::string switchedOff = ReadBytes(file);
    EXPECT_FALSE(controller.ReloadIfChangedOnDisk());
    EXPECT_EQ(controller.Model().Records()[1].dbefore, 9);
    EXPECT_FALSE(controller.Save());
    EXPECT_EQ(ReadBytes(file), switchedOff);

    // A file that is gone leaves the table as it is.
    questions.answers = {Answer::No};
    ASSERT_TRUE(controller.Open(file));
    fs::remove(file);
    EXPECT_FALSE(controller.ReloadIfChangedOnDisk());
    EXPECT_EQ(controller.Model().Count(), 2);
}

} // namespace
} // namespace orvenda
