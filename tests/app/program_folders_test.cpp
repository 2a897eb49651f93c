#include "app/program_folders.h"
#include "app/session.h"

#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace orvenda {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

struct FolderCase {
    const char* what;
    FolderFacts facts;
    ProgramFolders expected;
};

class DecideProgramFoldersTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(DecideProgramFoldersTest, FollowsTheRule)
{
    const ProgramFolders folders = DecideProgramFolders(GetParam().facts);
    EXPECT_EQ(folders.programFolder, GetParam().expected.programFolder);
    EXPECT_EQ(folders.dataFolder, GetParam().expected.dataFolder);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DecideProgramFoldersTest,
    ::testing::Values(FolderCase{"portable: writable and holding the configuration",
                                 {"/home/u/orvenda/", true, true, "/home/u/.cfg", "/home/u"},
                                 {"/home/u/orvenda/", "/home/u/orvenda/"}},
                      FolderCase{"installed in /usr: data in share/, the user's files in XDG_CONFIG_HOME",
                                 {"/usr/bin/", false, false, "/home/u/.cfg", "/home/u"},
                                 {"/home/u/.cfg/orvenda/", "/usr/share/orvenda/"}},
                      FolderCase{"root may write /usr/bin, but it holds no configuration: still installed",
                                 {"/usr/bin", true, false, "", "/root"},
                                 {"/root/.config/orvenda/", "/usr/share/orvenda/"}},
                      FolderCase{"unpacked elsewhere: the data beside the unpacked bin/",
                                 {"/tmp/x/usr/local/bin/", false, false, "", "/home/u/"},
                                 {"/home/u/.config/orvenda/", "/tmp/x/usr/local/share/orvenda/"}},
                      FolderCase{"a relative XDG_CONFIG_HOME is ignored",
                                 {"/usr/bin/", false, false, "config", "/home/u"},
                                 {"/home/u/.config/orvenda/", "/usr/share/orvenda/"}},
                      FolderCase{"a read-only portable copy keeps its data and gives the user a folder",
                                 {"/media/cd/orvenda/", false, true, "", "/home/u"},
                                 {"/home/u/.config/orvenda/", "/media/cd/orvenda/"}},
                      FolderCase{"no home at all: nothing but the data folder is known",
                                 {"/usr/bin/", false, false, "", ""},
                                 {"/usr/share/orvenda/", "/usr/share/orvenda/"}}),
    [](const ::testing::TestParamInfo<FolderCase>& info) { return "Case" + std::to_string(info.index); });

// A data folder as the package delivers it.
class SeedTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"Orvenda.cfg", "holidays.evt", "proverbs.wis", "oriental_perls.wis",
                                 "Светлая.sch", "Orvenda.html", "change.log"})
            WriteBytes(m_data / name, std::string("delivered ") + name + "\r\n");
        fs::create_directories(m_data.folder() + "Template");
        WriteBytes(m_data / "Template/t_days_rus.txt", "list\r\n");
    }

    std::string User() const { return m_home.folder() + "orvenda/"; }

    TempFolder m_data;
    TempFolder m_home;
    Journal m_journal;
};

TEST_F(SeedTest, FirstStartCopiesTheUsersFilesAndNothingElse)
{
    SeedProgramFolder(User(), m_data.folder(), m_journal);

    for (const char* name : {"Orvenda.cfg", "holidays.evt", "proverbs.wis", "Светлая.sch"})
        EXPECT_EQ(ReadBytes(User() + name), ReadBytes(m_data / name)) << name;
    for (const char* name : {"oriental_perls.wis", "Orvenda.html", "change.log", "Template"})
        EXPECT_FALSE(fs::exists(User() + name)) << name;
    EXPECT_EQ(m_journal.Lines(),
              (std::vector<std::string>{"Создана папка пользователя: " + User(),
                                        "Скопированы файлы из " + m_data.folder() +
                                            ": holidays.evt, proverbs.wis, Светлая.sch, Orvenda.cfg"}));
}

TEST_F(SeedTest, ALaterStartNeverReplacesOrRestoresTheUsersFiles)
{
    SeedProgramFolder(User(), m_data.folder(), m_journal);
    WriteBytes(User() + "Orvenda.cfg", "mine\r\n");
    fs::remove(User() + "holidays.evt");
    WriteBytes(m_data / "proverbs.wis", "updated by the package\r\n");

    Journal later;
    SeedProgramFolder(User(), m_data.folder(), later);
    EXPECT_EQ(ReadBytes(User() + "Orvenda.cfg"), "mine\r\n");
    EXPECT_FALSE(fs::exists(User() + "holidays.evt"));
    EXPECT_EQ(ReadBytes(User() + "proverbs.wis"), "delivered proverbs.wis\r\n");
    EXPECT_TRUE(later.Lines().empty());
}

TEST_F(SeedTest, AnInterruptedFirstStartIsCompletedWithoutTouchingWhatIsThere)
{
    fs::create_directories(User());
    WriteBytes(User() + "Светлая.sch", "the user's own scheme\r\n");

    SeedProgramFolder(User(), m_data.folder(), m_journal);
    EXPECT_EQ(ReadBytes(User() + "Светлая.sch"), "the user's own scheme\r\n");
    EXPECT_EQ(ReadBytes(User() + "Orvenda.cfg"), ReadBytes(m_data / "Orvenda.cfg"));
    ASSERT_EQ(m_journal.Lines().size(), 1u);
    EXPECT_EQ(m_journal.Lines()[0],
              "Скопированы файлы из " + m_data.folder() + ": holidays.evt, proverbs.wis, Orvenda.cfg");
}

TEST_F(SeedTest, AFolderThatCannotBeMadeIsReportedAndNothingIsCopied)
{
    WriteBytes(m_home / "orvenda", "a file where the folder should be");
    SeedProgramFolder(User(), m_data.folder(), m_journal);
    ASSERT_EQ(m_journal.Lines().size(), 1u);
    EXPECT_EQ(m_journal.Lines()[0].rfind("Невозможно создать папку пользователя " + User() + ": ", 0), 0u)
        << m_journal.Lines()[0];
}

// The session of an installed program: the user's folder is seeded at start,
// the configuration is read from it, the fixed saying file from the data.
TEST_F(SeedTest, AnInstalledSessionReadsTheUsersCopiesAndTheDeliveredData)
{
    SessionEnvironment env;
    env.programFolder = User();
    env.dataFolder = m_data.folder();
    env.autostartDir = m_home.folder() + "autostart/";
    env.clock = FixedClock(TDateRec{2026, 12, 30, 10, 0, 0, 0});
    env.changeCurrentFolder = false;
    Session session(env);
    session.StartUp();
    EXPECT_EQ(session.DataFile("Img/Kalachakra.jpg"), m_data.folder() + "Img/Kalachakra.jpg");
    (void)session.Refresh();

    const std::vector<std::string>& journal = session.GetJournal().Lines();
    EXPECT_NE(std::find(journal.begin(), journal.end(), "Создана папка пользователя: " + User()),
              journal.end());
    for (const std::string& line : journal) {
        EXPECT_EQ(line.find("Не найден конфигурационный файл"), std::string::npos) << line;
        EXPECT_EQ(line.find("Жемчужинами"), std::string::npos) << line;
    }
}

} // namespace
} // namespace orvenda
