#include "config/autostart.h"

#include "tests/support/test_files.h"

#include <cstdlib>

#include <gtest/gtest.h>

namespace orvenda {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

TEST(Autostart, OnWritesTheEntryAndOffRemovesIt)
{
    TempFolder home;
    const std::string dir = home / "config/autostart"; // created on the way
    const std::string entry = dir + "/orvenda.desktop";
    EXPECT_FALSE(ReadAutostart(dir));
    ASSERT_TRUE(WriteAutostart(true, dir, "/opt/Орвенда/orvenda"));
    EXPECT_EQ(ReadBytes(entry), "[Desktop Entry]\nType=Application\nName=Орвенда\n"
                                "Exec=\"/opt/Орвенда/orvenda\"\nX-GNOME-Autostart-enabled=true\n");
    EXPECT_TRUE(ReadAutostart(dir));
    EXPECT_TRUE(WriteAutostart(false, dir, ""));
    EXPECT_FALSE(std::filesystem::exists(entry));
    EXPECT_FALSE(ReadAutostart(dir));
    EXPECT_TRUE(WriteAutostart(false, dir, "")); // nothing to remove
}

TEST(Autostart, ProgramPathIsQuotedAndEscaped)
{
    struct Case {
        const char* path;
        const char* exec; // nullptr: cannot be written
    } const cases[] = {
        {"/opt/my app/orvenda", "\"/opt/my app/orvenda\""},
        {"/opt/$HOME/`x`/\"q\"", "\"/opt/\\$HOME/\\`x\\`/\\\"q\\\"\""},
        {"/opt/100%/orvenda", "\"/opt/100%%/orvenda\""},
        {"/opt/a\\b", "\"/opt/a\\\\\\\\b\""},
        {"/opt/two\nlines", nullptr},
        {"", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        TempFolder dir;
        EXPECT_EQ(WriteAutostart(true, dir.folder(), c.path), c.exec != nullptr);
        const std::string text = ReadBytes(dir / "orvenda.desktop");
        if (c.exec) {
            EXPECT_NE(text.find(std::string("\nExec=") + c.exec + "\n"), std::string::npos) << text;
        } else {
            EXPECT_EQ(text, "");
        }
    }
}

TEST(Autostart, EntryCountsOnlyWithAnExecValue)
{
    struct Case {
        const char* text;
        bool on;
    } const cases[] = {
        {"[Desktop Entry]\nExec=/usr/bin/orvenda\n", true},
        {"[Desktop Entry]\r\nName=x\r\nExec = \"/a b/orvenda\"\r\n", true},
        {"[Desktop Entry]\nExec=\n", false},
        {"[Desktop Entry]\nExec=   \n", false},
        {"[Desktop Entry]\nName=Орвенда\n", false},
        {"[Desktop Action x]\nExec=/usr/bin/orvenda\n", false},
        {"", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TempFolder dir;
        WriteBytes(dir / "orvenda.desktop", c.text);
        EXPECT_EQ(ReadAutostart(dir.folder()), c.on);
    }
}

TEST(Autostart, UnusableFolderFailsQuietly)
{
    TempFolder dir;
    WriteBytes(dir / "file", "");
    EXPECT_FALSE(WriteAutostart(true, dir / "file/autostart", "/opt/orvenda"));
    EXPECT_FALSE(WriteAutostart(true, "", "/opt/orvenda"));
    EXPECT_FALSE(ReadAutostart(""));
}

TEST(Autostart, DefaultFolderFollowsTheXdgVariables)
{
    const char* home = std::getenv("HOME");
    const std::string savedHome = home ? home : "";
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    const std::string savedConfigHome = configHome ? configHome : "";

    ::setenv("HOME", "/home/u", 1);
    ::setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ(DefaultAutostartDir(), "/cfg/autostart");
    ::setenv("XDG_CONFIG_HOME", "relative", 1); // not absolute: ignored
    EXPECT_EQ(DefaultAutostartDir(), "/home/u/.config/autostart");

    home ? ::setenv("HOME", savedHome.c_str(), 1) : ::unsetenv("HOME");
    configHome ? ::setenv("XDG_CONFIG_HOME", savedConfigHome.c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME");
}

} // namespace
} // namespace orvenda
