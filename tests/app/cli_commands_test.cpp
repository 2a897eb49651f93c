// The terminal companion's file commands, run as a separate process on copies
// of small event files.

#include "engine/codec.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace orvenda {
namespace {

namespace fs = std::filesystem;

class CliCommandTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return m_folder / name; }

    void WriteCp1251(const std::string& name, const std::string& utf8)
    {
        test::WriteBytes(Path(name), Utf8ToCp1251(utf8).bytes);
    }

    std::string Read(const std::string& name) const { return test::ReadBytes(Path(name)); }

    // Runs orvenda-cli with the arguments; returns the exit code, stdout in `out`.
    int Run(const std::string& arguments, std::string& out)
    {
        const std::string outFile = Path("stdout.txt");
        const std::string command =
            std::string(ORVENDA_CLI) + " " + arguments + " >" + outFile + " 2>" + Path("stderr.txt");
        const int status = std::system(command.c_str());
        out = Read("stdout.txt");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // Runs a shell command line; its exit code.
    static int Shell(const std::string& line)
    {
        const int status = std::system(("bash -c '" + line + "'").c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string Cli() const { return ORVENDA_CLI; }

    test::TempFolder m_folder{"orvenda-cli"};
};

const char* const kMessy = "[fixed events]\r\n"
                           "1 1 2000 3 1 1 Первое\r\n"
                           "\r\n"
                           "2   1    0   3   1   2   Второе  \r\n"
                           " 3 1 0 3 1 1 Третье";

TEST_F(CliCommandTest, RewritePrintsTheNormalisedFileAndLeavesItAlone)
{
    WriteCp1251("a.evt", kMessy);
    std::string out;
    ASSERT_EQ(Run(Path("a.evt"), out), 2); // no command: usage
    ASSERT_EQ(Run("rewrite " + Path("a.evt"), out), 0);
    // Columns at their widths, active 2 written as 1, the blank line and the
    // missing last line end made regular; UTF-8 on the way out.
    EXPECT_EQ(out, "[fixed events]\r\n"
                   " 1  1 2000   3   1 1 Первое\r\n"
                   " 2  1    0   3   1 1 Второе  \r\n"
                   " 3  1    0   3   1 1 Третье\r\n");
    EXPECT_EQ(Read("a.evt"), Utf8ToCp1251(kMessy).bytes);
}

TEST_F(CliCommandTest, RewriteRefusesAnUnknownHeader)
{
    WriteCp1251("list.evl", "[fixed events list]\r\n");
    std::string out;
    EXPECT_EQ(Run("rewrite " + Path("list.evl"), out), 2);
    EXPECT_EQ(out, "");
    EXPECT_NE(Read("stderr.txt").find("Формат = [fixed events list]"), std::string::npos);
}

TEST_F(CliCommandTest, OffAndDeleteChangeExactlyTheNumberedRecord)
{
    WriteCp1251("a.evt", kMessy);
    std::string out;
    ASSERT_EQ(Run("off " + Path("a.evt") + " 2", out), 0);
    EXPECT_EQ(Cp1251ToUtf8(Read("a.evt")), "[fixed events]\r\n"
                                           " 1  1 2000   3   1 1 Первое\r\n"
                                           " 2  1    0   3   1 0 Второе  \r\n"
                                           " 3  1    0   3   1 1 Третье\r\n");
    ASSERT_EQ(Run("delete " + Path("a.evt") + " 1", out), 0);
    EXPECT_EQ(Cp1251ToUtf8(Read("a.evt")), "[fixed events]\r\n"
                                           " 2  1    0   3   1 0 Второе  \r\n"
                                           " 3  1    0   3   1 1 Третье\r\n");

    const std::string before = Read("a.evt");
    EXPECT_EQ(Run("delete " + Path("a.evt") + " 3", out), 2);
    EXPECT_EQ(Run("off " + Path("a.evt") + " x", out), 2);
    EXPECT_EQ(Run("off " + Path("missing.evt") + " 1", out), 2);
    EXPECT_EQ(Read("a.evt"), before);
}

// Two commands on one file at the same time: the second waits for the
// first and changes its result, so both changes land.
TEST_F(CliCommandTest, TwoProcessesChangingOneFileBothLand)
{
    // Big enough that an unguarded read-change-write of one overlaps the
    // other's; small enough that neither waits out the other's lock on a
    // loaded machine.
    constexpr int kRecords = 3000;
    std::string text = "[fixed events]\r\n";
    for (int i = 1; i <= kRecords; ++i)
        text += " 1  1 2000   3   1 1 Событие " + std::to_string(i) + "\r\n";
    const std::pair<int, int> rounds[] = {{2, 2999}, {1500, 1501}, {1, 3000}};
    for (const auto& [a, b] : rounds) {
        SCOPED_TRACE(std::to_string(a) + " and " + std::to_string(b));
        WriteCp1251("big.evt", text);
        const std::string file = Path("big.evt");
        const std::string line = "(" + Cli() + " off " + file + " " + std::to_string(a) + "; echo $? >" +
                                 Path("a.rc") + ") & (" + Cli() + " off " + file + " " + std::to_string(b) +
                                 "; echo $? >" + Path("b.rc") + ") & wait";
        ASSERT_EQ(Shell(line), 0);
        EXPECT_EQ(Read("a.rc"), "0\n");
        EXPECT_EQ(Read("b.rc"), "0\n");
        const std::string after = Cp1251ToUtf8(Read("big.evt"));
        for (int n : {a, b})
            EXPECT_NE(after.find(" 1  1 2000   3   1 0 Событие " + std::to_string(n) + "\r\n"),
                      std::string::npos);
        // Nothing else changed.
        std::size_t off = 0;
        for (std::size_t at = after.find(" 0 ", 0); at != std::string::npos; at = after.find(" 0 ", at + 1))
            ++off;
        EXPECT_EQ(off, 2u);
    }
}

TEST_F(CliCommandTest, ReadOnlyFileAndSizeLimitAreReportedAndChangeNothing)
{
    WriteCp1251("a.evt", kMessy);
    const std::string before = Read("a.evt");
    fs::permissions(Path("a.evt"), fs::perms(0444));
    std::string out;
    EXPECT_EQ(Run("off " + Path("a.evt") + " 2", out), 2);
    EXPECT_NE(Read("stderr.txt").find("Файл только для чтения: " + Path("a.evt")), std::string::npos);
    EXPECT_EQ(Read("a.evt"), before);

    // A file grown past the size limit of the process: the save fails with
    // the system's message and leaves neither a changed file nor a temporary
    // one.
    fs::permissions(Path("a.evt"), fs::perms(0644));
    std::string big = "[fixed events]\r\n";
    for (int i = 0; i < 200; ++i)
        big += " 1  1 2000   3   1 1 Событие\r\n";
    WriteCp1251("big.evt", big);
    const std::string bigBefore = Read("big.evt");
    EXPECT_EQ(Shell("ulimit -f 2; " + Cli() + " off " + Path("big.evt") + " 2 2>" + Path("stderr.txt")), 2);
    EXPECT_NE(Read("stderr.txt").find("не сохранён"), std::string::npos);
    EXPECT_EQ(Read("big.evt"), bigBefore);
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(m_folder.path()))
        names.insert(entry.path().filename().string());
    EXPECT_EQ(names, (std::set<std::string>{"a.evt", "big.evt", "stderr.txt", "stdout.txt"}));
}

// Output that did not arrive is no success, for every command that prints.
TEST_F(CliCommandTest, UnwritableOutputFailsEveryCommand)
{
    WriteCp1251("a.evt", kMessy);
    for (const std::string& arguments :
         std::vector<std::string>{"chars 7.1.2007", "astro 15.3.2005", "rewrite " + Path("a.evt"),
                                  "day --folder " + m_folder.folder() + " --now \"1.1.2026 12:00:00\""}) {
        SCOPED_TRACE(arguments);
        ASSERT_EQ(Shell(Cli() + " " + arguments + " >/dev/null"), 0);
        EXPECT_EQ(Shell(Cli() + " " + arguments + " >/dev/full 2>" + Path("stderr.txt")), 1);
        EXPECT_NE(Read("stderr.txt").find("не удалось записать стандартный вывод"), std::string::npos);
    }
}

} // namespace
} // namespace orvenda
