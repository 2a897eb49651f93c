// The terminal companion's file commands, run as a separate process on copies
// of small event files.

#include "engine/codec.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

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

} // namespace
} // namespace orvenda
