#include "app/run_log.h"
#include "app/session.h"
#include "engine/codec.h"
#include "engine/date_format.h"
#include "engine/textfile.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

namespace orvenda {
namespace {

namespace fs = std::filesystem;

// A program folder of its own for each test, removed afterwards.
class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(m_folder.path() / "autostart"); }

    std::string Folder() const { return m_folder.folder(); }

    void Write(const std::string& name, const std::vector<std::string>& lines)
    {
        ASSERT_TRUE(SaveTextFile(Folder() + name, lines, TextEncoding::Windows1251).ok());
    }

    static std::vector<std::string> Config(const std::vector<std::string>& eventFiles,
                                           const std::vector<std::string>& settings = {},
                                           const std::vector<std::string>& sayingFiles = {})
    {
        std::vector<std::string> lines = {"    Здесь указываются файлы событий", "[Events in]"};
        lines.insert(lines.end(), eventFiles.begin(), eventFiles.end());
        lines.insert(lines.end(),
                     {"[end list]", "", "    Здесь указываются файлы высказываний", "[Wisdom in]"});
        lines.insert(lines.end(), sayingFiles.begin(), sayingFiles.end());
        lines.insert(lines.end(), {"[end list]", "", "     Здесь указываются остальные настройки",
                                   "!!! исправлять можно только значения параметров !!!",
                                   "      (т.е. после символа \"=\") ", ""});
        lines.insert(lines.end(), settings.begin(), settings.end());
        return lines;
    }

    Session MakeSession(TDateRec now)
    {
        SessionEnvironment env;
        env.programFolder = Folder();
        env.programPath = Folder() + "orvenda";
        env.autostartDir = Folder() + "autostart";
        env.clock.now = [this] { return m_now; };
        env.clock.shortDate = [](TDateRec t) { return FormatDate(t, "d/m/Y"); };
        env.clock.shortTime = [](TDateRec t) { return FormatDate(t, "T"); };
        env.changeCurrentFolder = false;
        m_now = now;
        return Session(env);
    }

    static std::vector<std::string> Texts(const MainView& view)
    {
        std::vector<std::string> texts;
        for (const ShownRow& row : view.Events)
            texts.push_back(DateColumnText(row) + "|" + row.Text);
        return texts;
    }

    std::string ReadBytes(const std::string& name) const
    {
        std::ifstream in(Folder() + name, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }

    test::TempFolder m_folder{"orvenda-session"};
    TDateRec m_now;
};

TEST_F(ProgramFolderTest, FirstStartWithoutAnyFileReportsEveryMissingFile)
{
    Session session = MakeSession({2026, 12, 8, 21, 5, 7, 0});
    session.StartUp();
    ASSERT_TRUE(session.Refresh().ok);

    const std::vector<std::string> expected = {
        "Программа запущена: 08/12/2026 в 21:05:07",
        "-------------------",
        "Загружаем конфигурацию: 08/12/2026 в 21:05:07",
        "!! Не найден конфигурационный файл " + Folder() + "Orvenda.cfg => события не загружены!",
        "Не найден файл событий:    Искали в: ",
        "Не найден файл c Жемчужинами Востока: " + Folder() + "oriental_perls.wis",
        "Не найден файл высказыватий:    Искали в: ",
    };
    EXPECT_EQ(session.GetJournal().Lines(), expected);
    EXPECT_EQ(session.View().StatusFiles, "?");
    EXPECT_EQ(Texts(session.View()), std::vector<std::string>{"|Cобытий нет"});
    EXPECT_EQ(session.View().StatusCount, "0");
    EXPECT_EQ(session.View().Saying, (std::array<std::string, 2>{"", ""}));
    EXPECT_EQ(session.View().DateLabel, "08.12.26");
    EXPECT_EQ(session.View().WeekdayLabel, "Вторник");
    EXPECT_EQ(session.View().Astro[0].Name, "Белый Дракон");
}

TEST_F(ProgramFolderTest, RefreshShowsTheDayItsEventsAndItsSaying)
{
    Write("Orvenda.cfg", Config({"a.evt"}, {}, {"b.wis"}));
    Write("b.wis", {"[wisdom by]", "Автор", "Последнее изречение"});
    Write("a.evt", {"[fixed events]", " 9 12    0   3   0  1 Завтрашнее", " 8 12 2016   0   0  1 Сегодняшнее",
                    " 1  6    0   3   3  1 Далёкое"});
    std::vector<std::string> sayings = {"Жемчужины", "Мудрец"};
    for (int i = 0; i < 366; ++i)
        sayings.push_back("Изречение " + std::to_string(i));
    Write("oriental_perls.wis", sayings);

    Session session = MakeSession({2026, 12, 8, 10, 0, 0, 0});
    session.StartUp();
    ASSERT_TRUE(session.Refresh().ok);

    const MainView& view = session.View();
    EXPECT_EQ(view.StatusFiles, "");
    EXPECT_EQ(Texts(view), (std::vector<std::string>{"| ---- Сегодня ----", "08.12.2016|Сегодняшнее",
                                                     "| ---- Завтра ----", "09.12|Завтрашнее"}));
    EXPECT_EQ(view.StatusCount, "2");
    // 8 December is day 342 of a common year; the list of sayings counts 29 February.
    EXPECT_EQ(view.Saying[0], "Изречение 342");
    EXPECT_EQ(view.Saying[1], "Мудрец");
    ASSERT_EQ(session.Sayings().size(), 367u);
    EXPECT_EQ(session.Sayings().back().Author, "Автор");
    EXPECT_EQ(session.DetailsOfRow(1), "8 Декабря 2016; Сегодня событию 10 лет | 521,5 неделя | 3652 дня");
    EXPECT_EQ(session.DetailsOfRow(0), "");
}

TEST_F(ProgramFolderTest, SteppingOverTheYearEndLaysOutTheNewYear)
{
    Write("Orvenda.cfg", Config({"a.evt"}));
    Write("a.evt", {"[fixed events]", " 2  1    0   5   0  1 Второе января"});
    Session session = MakeSession({2026, 12, 30, 0, 0, 0, 0});
    session.StartUp();
    ASSERT_TRUE(session.Refresh().ok);
    // Seen from 30 December the event lies ahead in the next year.
    EXPECT_EQ(Texts(session.View()),
              (std::vector<std::string>{"| ---- Через 3 дня----", "02.01|Второе января"}));

    ASSERT_TRUE(session.StepDay(2).ok);
    EXPECT_EQ(session.CurrentDay().Year, 2027);
    EXPECT_EQ(session.View().DateLabel, "01.01.27");
    EXPECT_EQ(Texts(session.View()), (std::vector<std::string>{"| ---- Завтра ----", "02.01|Второе января"}));
}

TEST_F(ProgramFolderTest, SelectingARowShowsDetailsAndTheEventsPanel)
{
    Write("Orvenda.cfg", Config({"a.evt"}));
    Write("a.evt", {"[fixed events]", "15  3 2005   3   0  1 Событие"});
    Session session = MakeSession({2008, 3, 15, 9, 0, 0, 0});
    session.StartUp();
    ASSERT_TRUE(session.Refresh().ok);

    EXPECT_FALSE(session.SelectRow(0)); // the heading
    ASSERT_TRUE(session.SelectRow(1));
    EXPECT_EQ(session.View().StatusDetails,
              "15 Марта 2005; Сегодня событию 3 года | 156,4 недель | 1096 дней");
    EXPECT_EQ(session.View().Astro[1].Period, "2005");
    session.ShowCurrentDayPanel();
    EXPECT_EQ(session.View().Astro[1].Period, "2008");
}

TEST_F(ProgramFolderTest, GroupingOffDropsTheHeadings)
{
    Write("Orvenda.cfg", Config({"a.evt"}));
    Write("a.evt", {"[fixed events]", "15  3 2005   3   0  1 Событие"});
    Session session = MakeSession({2008, 3, 14, 9, 0, 0, 0});
    session.StartUp();
    ASSERT_TRUE(session.Refresh().ok);
    session.SetGrouping(false);
    EXPECT_EQ(Texts(session.View()), std::vector<std::string>{"15.03.2005|Событие"});
    EXPECT_EQ(session.View().StatusCount, "1");
}

TEST_F(ProgramFolderTest, SwitchingOffAndDeletingRewriteOnlyThatEvent)
{
    Write("Orvenda.cfg", Config({"a.evt"}));
    Write("a.evt", {"[fixed events]", "14  3    0   3   0 1 Первое", "15  3    0   3   0 1 Второе",
                    "16  3    0   3   0 1 Третье"});
    Session session = MakeSession({2008, 3, 14, 9, 0, 0, 0});
    session.StartUp();
    ASSERT_TRUE(session.Refresh().ok);
    ASSERT_EQ(session.View().Events.size(), 6u);
    ASSERT_EQ(session.View().Events[3].Text, "Второе");

    ASSERT_TRUE(session.SwitchOffRow(3).ok);
    EXPECT_EQ(Cp1251ToUtf8(ReadBytes("a.evt")),
              "[fixed events]\r\n14  3    0   3   0 1 Первое\r\n"
              "15  3    0   3   0 0 Второе\r\n16  3    0   3   0 1 Третье\r\n");
    EXPECT_EQ(Texts(session.View()), (std::vector<std::string>{"| ---- Сегодня ----", "14.03|Первое",
                                                               "| ---- Послезавтра ----", "16.03|Третье"}));

    ASSERT_TRUE(session.DeleteRow(1).ok);
    EXPECT_EQ(Texts(session.View()), (std::vector<std::string>{"| ---- Послезавтра ----", "16.03|Третье"}));
    EXPECT_EQ(session.LoadedEventCount(), 2u);

    // The file changed on disk after the refresh: the command refuses rather
    // than delete whatever now stands at that number.
    Write("a.evt", {"[fixed events]", "13  3    0   3   0 1 Новое", "15  3    0   3   0 0 Второе",
                    "16  3    0   3   0 1 Третье"});
    const CommandResult refused = session.DeleteRow(1);
    EXPECT_FALSE(refused.ok);
    EXPECT_NE(refused.error.find("Второе"), std::string::npos);
    EXPECT_EQ(session.LoadedEventCount(), 3u);

    // A heading row has no file: nothing happens.
    const std::string before = ReadBytes("a.evt");
    EXPECT_TRUE(session.DeleteRow(0).ok);
    EXPECT_EQ(ReadBytes("a.evt"), before);
}

// The desktop program's commands go through its editor; a command the user
// cancelled there changes nothing and is not followed by a refresh.
TEST_F(ProgramFolderTest, RowCommandsGoThroughTheEditorWhenThereIsOne)
{
    Write("Orvenda.cfg", Config({"a.evt"}));
    Write("a.evt", {"[fixed events]", "14  3    0   3   0 1 Первое", "15  3    0   3   0 1 Второе"});
    Session session = MakeSession({2008, 3, 14, 9, 0, 0, 0});
    session.StartUp();
    ASSERT_TRUE(session.Refresh().ok);
    std::vector<std::string> calls;
    bool cancel = true;
    session.SetEventEditor(
        [&](const std::string& path, int ordinal, EventChange change, const std::string& text) {
            calls.push_back(std::to_string(ordinal) + (change == EventChange::Delete ? " delete " : " off ") +
                            text);
            if (cancel) {
                EventCommandResult cancelled;
                cancelled.cancelled = true;
                return cancelled;
            }
            return DeleteEvent(path, ordinal, session.GetJournal(), text);
        });
    const std::string before = ReadBytes("a.evt");
    const std::size_t journalLines = session.GetJournal().Lines().size();
    ASSERT_TRUE(session.DeleteRow(3).ok);
    EXPECT_EQ(ReadBytes("a.evt"), before);
    EXPECT_EQ(session.GetJournal().Lines().size(), journalLines);

    cancel = false;
    ASSERT_TRUE(session.DeleteRow(3).ok);
    EXPECT_EQ(calls, (std::vector<std::string>{"2 delete Второе", "2 delete Второе"}));
    EXPECT_EQ(Cp1251ToUtf8(ReadBytes("a.evt")), "[fixed events]\r\n14  3    0   3   0 1 Первое\r\n");
    EXPECT_EQ(session.AllEvents().size(), 1u);
}

TEST_F(ProgramFolderTest, AFullDateLineWithoutNumbersEndsTheRefreshAndTheNextOneStartsOver)
{
    Write("Orvenda.cfg", Config({"full.evt"}));
    Write("full.evt",
          {"[fixed events with full date]", "2008.03.14   3   0  1 Хорошее", "2008.03.15 три 0 1 Плохое"});
    Session session = MakeSession({2008, 3, 14, 9, 0, 0, 0});
    session.StartUp();
    const CommandResult failed = session.Refresh();
    EXPECT_FALSE(failed.ok);
    EXPECT_NE(failed.error.find("full.evt"), std::string::npos);

    Write("full.evt", {"[fixed events with full date]", "2008.03.14   3   0  1 Хорошее"});
    ASSERT_TRUE(session.Refresh().ok);
    EXPECT_EQ(Texts(session.View()), (std::vector<std::string>{"| ---- Сегодня ----", "14.03.2008|Хорошее"}));
}

TEST_F(ProgramFolderTest, ADailyLogIsReplacedAndAnAppendedLogGrows)
{
    Write("Orvenda.cfg",
          Config({}, {"LogEnable       = True", "UserLog         = False", "LogAppend       = False"}));
    Session session = MakeSession({2026, 12, 8, 10, 0, 0, 0});
    session.StartUp();
    ASSERT_TRUE(session.Refresh().ok);
    ASSERT_TRUE(session.Refresh().ok);
    // The date text "08/12/2026" names the file with its "/" turned into "-".
    const std::string daily = ReadBytes("08-12-2026.log");
    std::string journal;
    for (const std::string& line : session.GetJournal().Lines())
        journal += line + "\r\n";
    EXPECT_EQ(Cp1251ToUtf8(daily), journal);

    Write("Orvenda.cfg",
          Config({}, {"LogEnable       = True", "UserLog         = True", "LogAppend       = True"}));
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(session.Refresh().ok);
    const std::string appended = ReadBytes("Orvenda.log");
    std::size_t stars = 0;
    for (std::size_t at = appended.find("******************************\r\n"); at != std::string::npos;
         at = appended.find("******************************\r\n", at + 1))
        ++stars;
    EXPECT_EQ(stars, 3u);
    EXPECT_NE(appended.find(Utf8ToCp1251(session.GetJournal().Lines().back()).bytes), std::string::npos);
}

TEST(RunLog, ALogThatCannotBeWrittenIsReportedInTheJournal)
{
    TConfigRec config;
    config.LogEnable = true;
    config.UserLog = true;
    config.UserLogFileName = "/nonexistent-folder-of-orvenda/x.log";
    Journal journal;
    journal.Add("строка");
    WriteRunLog(config, journal, "/tmp/", "08/12/2026");
    EXPECT_EQ(journal.Lines().back(), "Невозможно создать log-файл");

    config.LogAppend = false;
    WriteRunLog(config, journal, "/tmp/", "08/12/2026");
    EXPECT_EQ(journal.Lines().back(), "Невозможно создать log-файл");
}

TEST(RunLog, NeverTakesTheProgramsOwnFiles)
{
    test::TempFolder folder;
    const std::string program = folder.folder();
    for (const char* name : {"Orvenda.cfg", "a.evt", "b.wis", "other.log"})
        test::WriteBytes(program + name, "keep\r\n");
    TConfigRec config;
    config.LogEnable = true;
    config.UserLog = true;
    config.EventFiles = {TListedFile{"", "x.evt"}, TListedFile{program, "a.evt"}};
    config.WisdomFiles = {TListedFile{program, "b.wis"}};
    for (const bool append : {true, false}) {
        config.LogAppend = append;
        for (const char* name : {"Orvenda.cfg", "a.evt", "b.wis"}) {
            config.UserLogFileName = name;
            Journal journal;
            journal.Add("строка");
            WriteRunLog(config, journal, program, "x");
            EXPECT_EQ(test::ReadBytes(program + name), "keep\r\n") << name;
            EXPECT_EQ(journal.Lines().back(), "Журнал не записан в " + program + name +
                                                  ": это файл настроек, событий или высказываний программы");
        }
        // Any other file is the log as asked.
        config.UserLogFileName = "other.log";
        Journal journal;
        journal.Add("строка");
        WriteRunLog(config, journal, program, "x");
        EXPECT_NE(test::ReadBytes(program + "other.log").find(Utf8ToCp1251("строка").bytes),
                  std::string::npos);
    }
}

TEST(RunLog, NamesFollowTheSettings)
{
    TConfigRec config;
    config.UserLog = false;
    EXPECT_EQ(RunLogPath(config, "/p/", "08/12/26"), "/p/08-12-26.log");
    config.UserLog = true;
    config.UserLogFileName = "my.log";
    EXPECT_EQ(RunLogPath(config, "/p/", "x"), "/p/my.log");
    config.UserLogFileName = "/var/tmp/abs.log";
    EXPECT_EQ(RunLogPath(config, "/p/", "x"), "/var/tmp/abs.log");
}

// The window reads the files on another thread: a request taken before a
// newer one is never applied, in whichever order the two are done, and its
// reading leaves no lines in the journal; a grouping changed meanwhile holds.
TEST_F(ProgramFolderTest, OnlyTheNewestRefreshRequestIsApplied)
{
    Write("Orvenda.cfg", Config({"a.evt", "gone.evt"}));
    Write("a.evt", {"[fixed events]", " 8 12 2016   0   0  1 Старое"});
    Session session = MakeSession({2026, 12, 8, 10, 0, 0, 0});
    session.StartUp();
    RefreshOutcome older = ComputeRefresh(session.BeginRefresh());
    Write("a.evt", {"[fixed events]", " 8 12 2016   0   0  1 Новое", " 8 12 2017   0   0  1 Второе"});
    const RefreshInputs newerInputs = session.BeginRefresh();
    session.SetGrouping(false);
    RefreshOutcome newer = ComputeRefresh(newerInputs);
    const std::vector<std::string> viewBefore = Texts(session.View());
    const std::size_t linesBefore = session.GetJournal().Lines().size();
    const std::size_t linesRead = newer.journal.Lines().size();

    EXPECT_FALSE(session.FinishRefresh(older).has_value());
    EXPECT_EQ(Texts(session.View()), viewBefore);
    EXPECT_EQ(session.GetJournal().Lines().size(), linesBefore);

    const std::optional<CommandResult> applied = session.FinishRefresh(newer);
    ASSERT_TRUE(applied.has_value());
    EXPECT_TRUE(applied->ok);
    EXPECT_EQ(Texts(session.View()), (std::vector<std::string>{"08.12.2016|Новое", "08.12.2017|Второе"}));
    EXPECT_EQ(session.View().StatusFiles, "?");
    // Only the newer reading's lines, the missing file once among them.
    const std::vector<std::string>& lines = session.GetJournal().Lines();
    ASSERT_EQ(lines.size(), linesBefore + linesRead);
    EXPECT_EQ(
        std::count_if(lines.begin() + static_cast<std::ptrdiff_t>(linesBefore), lines.end(),
                      [](const std::string& line) { return line.find("gone.evt") != std::string::npos; }),
        1);
}

// While a refresh for a new day is still reading, the rows, the grouping and
// a row's details go by the day the rows were read for.
TEST_F(ProgramFolderTest, PendingRefreshLeavesTheRowsWithTheirOwnDay)
{
    Write("Orvenda.cfg", Config({"a.evt"}));
    Write("a.evt", {"[fixed events]", " 8 12 2016   0   0  1 Сегодняшнее"});
    Session session = MakeSession({2026, 12, 8, 10, 0, 0, 0});
    session.StartUp();
    ASSERT_TRUE(session.Refresh().ok);
    const std::string details = session.DetailsOfRow(1);
    std::optional<RefreshInputs> pending;
    session.SetRefreshRunner([&pending](RefreshInputs inputs) { pending = std::move(inputs); });

    ASSERT_TRUE(session.StepDay(1).ok);
    ASSERT_TRUE(pending.has_value());
    EXPECT_EQ(session.View().DateLabel, "09.12.26");
    session.SetGrouping(false);
    EXPECT_EQ(Texts(session.View()), std::vector<std::string>{"08.12.2016|Сегодняшнее"});
    EXPECT_EQ(session.DetailsOfRow(0), details);

    RefreshOutcome outcome = ComputeRefresh(*pending);
    ASSERT_TRUE(session.FinishRefresh(outcome).has_value());
    EXPECT_EQ(Texts(session.View()), std::vector<std::string>{"|Cобытий нет"});
}

} // namespace
} // namespace orvenda
