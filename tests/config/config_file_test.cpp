#include "config/config_file.h"

#include "config/autostart.h"
#include "config/schemes.h"
#include "config/settings_text.h"
#include "engine/codec.h"
#include "tests/config/printers.h"
#include "tests/support/test_files.h"

#include <functional>

#include <gtest/gtest.h>

namespace orvenda {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;
using Files = std::vector<TListedFile>;

void ExpectSameSettings(const TConfigRec& actual, const TConfigRec& expected)
{
    EXPECT_EQ(actual.EventFiles, expected.EventFiles);
    EXPECT_EQ(actual.WisdomFiles, expected.WisdomFiles);
    EXPECT_EQ(actual.ConfirmExit, expected.ConfirmExit);
    EXPECT_EQ(actual.AdjustFormSize, expected.AdjustFormSize);
    EXPECT_EQ(actual.LogEnable, expected.LogEnable);
    EXPECT_EQ(actual.UserLog, expected.UserLog);
    EXPECT_EQ(actual.UserLogFileName, expected.UserLogFileName);
    EXPECT_EQ(actual.LogAppend, expected.LogAppend);
    EXPECT_EQ(actual.ColorScheme, expected.ColorScheme);
    EXPECT_EQ(actual.ShowAstroPanel, expected.ShowAstroPanel);
    EXPECT_EQ(actual.ToolBarShow, expected.ToolBarShow);
    EXPECT_EQ(actual.ToolBarShowTXT, expected.ToolBarShowTXT);
    EXPECT_EQ(actual.ViewGroup, expected.ViewGroup);
    EXPECT_EQ(actual.ViewDateInStr, expected.ViewDateInStr);
    EXPECT_EQ(actual.Autostart, expected.Autostart);
    EXPECT_EQ(actual.Looks, expected.Looks);
}

class ConfigFile : public ::testing::Test {
protected:
    TempFolder dir;
    std::string pf = dir.folder();
    ConfigEnvironment env{pf, "/opt/orvenda/orvenda", dir / "autostart", "07.01.2007", "9:05:03"};
    Journal journal;

    std::string cfgPath() const { return pf + ConfigFileName; }
    LoadConfigResult load(TConfigRec& config, ConfigObserver* observer = nullptr)
    {
        return LoadConfig(config, env, journal, observer);
    }
};

const std::string kLists = "[Events in]\r\na.evt\r\n[end list]\r\n[Wisdom in]\r\nw.wis\r\n[end list]\r\n";

TEST_F(ConfigFile, ReadsListsAndSettings)
{
    const std::string cp1251Name = std::string(300, '\xE0'); // "а" x 300, one line too long
    std::string a254;                                        // the same 254 times, in UTF-8
    for (int i = 0; i < 254; ++i) {
        a254 += "а";
    }
    struct Case {
        const char* name;
        std::string text;
        std::function<void(TConfigRec&)> expect; // applied to a record read from kLists
    } const cases[] = {
        {"folders: bare name, absolute, relative",
         "[Events in]\r\na.evt\r\n/data/ev/b.evt\r\nsub/c.evt\r\n../d.evt\r\n[end list]\r\n"
         "[Wisdom in]\r\nw.wis\r\n[end list]\r\n",
         [&](TConfigRec& c) {
             c.EventFiles = {{pf, "a.evt"}, {"/data/ev/", "b.evt"}, {"sub/", "c.evt"}, {"../", "d.evt"}};
         }},
        {"empty list section", "[Events in]\r\n[end list]\r\n[Wisdom in]\r\nw.wis\r\n[end list]\r\n",
         [](TConfigRec& c) {
             c.EventFiles = {{"", ""}};
         }},
        {"trailing unnamed entries go, inner ones stay",
         "[Events in]\r\na.evt\r\n\r\nb.evt\r\n\r\n\r\n[end list]\r\n[Wisdom in]\r\n\r\n\r\n[end list]\r\n",
         [&](TConfigRec& c) {
             c.EventFiles = {{pf, "a.evt"}, {pf, ""}, {pf, "b.evt"}};
             c.WisdomFiles = {{pf, ""}};
         }},
        {"settings before and between the lists are ignored",
         "ConfirmExit=True\r\n[Events in]\r\na.evt\r\n[end list]\r\nLogEnable=True\r\n"
         "[Wisdom in]\r\nw.wis\r\n[end list]\r\nViewGroup=False\r\n",
         [](TConfigRec& c) { c.ViewGroup = false; }},
        {"every key",
         kLists + "ConfirmExit=True\r\nAdjustFormSize=True\r\nLogEnable=True\r\nUserLog=False\r\n"
                  "UserLogFileName = my = log.txt \r\nLogAppend=False\r\nColorScheme=none\r\n"
                  "ShowAstroPanel=False\r\nToolBarShow=False\r\nToolBarShowTXT=True\r\n"
                  "ViewGroup=False\r\nViewDateInStr=False\r\n",
         [](TConfigRec& c) {
             c.ConfirmExit = c.AdjustFormSize = c.LogEnable = c.ToolBarShowTXT = true;
             c.UserLog = c.LogAppend = c.ShowAstroPanel = c.ToolBarShow = c.ViewGroup = c.ViewDateInStr =
                 false;
             c.UserLogFileName = "my = log.txt";
             c.ColorScheme = "none";
         }},
        {"boolean values",
         kLists + "ConfirmExit=TRUE\r\nAdjustFormSize  =  1\r\nUserLog = yes\r\n"
                  "LogAppend=  tRuE  \r\nViewGroup=0\r\nViewDateInStr=11\r\nShowAstroPanel =\r\n",
         [](TConfigRec& c) {
             c.ConfirmExit = c.AdjustFormSize = true;
             c.UserLog = c.ViewGroup = c.ViewDateInStr = c.ShowAstroPanel = false;
         }},
        {"keys are case-sensitive", kLists + "confirmexit=True\r\nCONFIRMEXIT=True\r\n Confirm Exit=True\r\n",
         [](TConfigRec&) {}},
        {"lines without a key are skipped", kLists + "= True\r\nConfirmExit True\r\n\r\nLogEnable=1\r\n",
         [](TConfigRec& c) { c.LogEnable = true; }},
        {"DefaultConfig stops the settings",
         kLists + "ConfirmExit=True\r\nDefaultConfig = true\r\nLogEnable=True\r\n",
         [](TConfigRec& c) { c.ConfirmExit = true; }},
        {"DefaultConfig false goes on", kLists + "DefaultConfig=False\r\nLogEnable=True\r\n",
         [](TConfigRec& c) { c.LogEnable = true; }},
        {"missing saying list: settings are not reached",
         "[Events in]\r\na.evt\r\n[end list]\r\nConfirmExit=True\r\n",
         [](TConfigRec& c) {
             c.WisdomFiles = {{"", ""}};
         }},
        {"missing event list: nothing after it is read",
         "[Wisdom in]\r\nw.wis\r\n[end list]\r\nConfirmExit=True\r\n",
         [](TConfigRec& c) {
             c.EventFiles = {{"", ""}};
             c.WisdomFiles = {{"", ""}};
         }},
        {"line feeds alone, no end of list, no last line end", "[Events in]\nx/a.evt\n[Wisdom in]\nw.wis",
         [&](TConfigRec& c) {
             c.EventFiles = {{"x/", "a.evt"}, {pf, "[Wisdom in]"}, {pf, "w.wis"}};
             c.WisdomFiles = {{"", ""}};
         }},
        {"lines longer than 254 characters are read as several",
         "[Events in]\r\n" + cp1251Name +
             "\r\n[end list]\r\n[Wisdom in]\r\nw.wis\r\n[end list]\r\n"
             "UserLogFileName = " +
             cp1251Name + "=False\r\n",
         [&](TConfigRec& c) {
             c.EventFiles = {{pf, a254}, {pf, a254.substr(0, 46 * 2)}};
             c.UserLogFileName = a254.substr(0, (254 - 18) * 2);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(cfgPath(), c.text);
        TConfigRec expected;
        expected.EventFiles = {{pf, "a.evt"}};
        expected.WisdomFiles = {{pf, "w.wis"}};
        c.expect(expected);
        TConfigRec config; // with lists added in the options window and not saved
        config.EventFiles = {{pf, "a.evt"}, {"/added/", "unsaved.evt"}};
        config.WisdomFiles = {{"Нет", ""}};
        EXPECT_TRUE(load(config).found);
        ExpectSameSettings(config, expected);
    }
}

TEST_F(ConfigFile, MissingFileIsReportedAndChangesNothing)
{
    TConfigRec config;
    config.EventFiles = {{"/e/", "e.evt"}};
    config.ConfirmExit = true;
    config.Looks[LcEvt].FontSize = 20;
    const TConfigRec before = config;
    EXPECT_FALSE(load(config).found);
    ExpectSameSettings(config, before);
    EXPECT_EQ(journal.Lines(),
              (std::vector<std::string>{
                  "Загружаем конфигурацию: 07.01.2007 в 9:05:03",
                  "!! Не найден конфигурационный файл " + cfgPath() + " => события не загружены!",
              }));
}

struct Recorder : ConfigObserver {
    std::vector<std::string> calls;
    void ShowCurrentDay() override { calls.push_back("day"); }
    void SchemeListChanged(const std::vector<std::string>& names) override
    {
        calls.push_back("schemes " + std::to_string(names.size()));
    }
    void LogEnableChanged(bool on) override { calls.push_back("log " + BoolText(on)); }
    void UserLogChanged(bool on) override { calls.push_back("userlog " + BoolText(on)); }
    void ShowAstroPanelChanged(bool on) override { calls.push_back("astro " + BoolText(on)); }
    void ToolBarShowChanged(bool on) override { calls.push_back("toolbar " + BoolText(on)); }
    void ToolBarShowTXTChanged(bool on) override { calls.push_back("captions " + BoolText(on)); }
    void SchemeObjectLoaded(int object) override { calls.push_back("object " + std::to_string(object)); }
    void ApplyLooks(const TLooks& looks) override { calls.push_back("apply " + looks[LcEvt].FontName); }
};

TEST_F(ConfigFile, WindowsHearOfEachStepInOrder)
{
    TLooks scheme = DefaultLooks();
    scheme[LcEvt].FontName = "Courier";
    ASSERT_TRUE(SaveScheme(scheme, pf, "night", journal).ok());
    WriteBytes(cfgPath(), kLists +
                              "LogEnable=1\r\nUserLog=False\r\nColorScheme=night\r\nShowAstroPanel=False\r\n"
                              "ToolBarShow=True\r\nToolBarShowTXT=True\r\nViewGroup=False\r\n");
    TConfigRec config;
    Recorder recorder;
    EXPECT_TRUE(load(config, &recorder).found);
    EXPECT_EQ(recorder.calls,
              (std::vector<std::string>{"day", "schemes 1", "log True", "userlog False", "object 0",
                                        "object 1", "object 2", "object 3", "object 4", "astro False",
                                        "toolbar True", "captions True", "apply Courier"}));
    EXPECT_EQ(config.Looks, scheme);
    EXPECT_EQ(journal.Lines(), std::vector<std::string>{"Загружаем конфигурацию: 07.01.2007 в 9:05:03"});
}

TEST_F(ConfigFile, ExistingAutostartEntryIsTakenOver)
{
    WriteBytes(cfgPath(), kLists);
    TConfigRec config;
    EXPECT_TRUE(load(config).found);
    EXPECT_FALSE(config.Autostart); // no entry: unchanged

    ASSERT_TRUE(WriteAutostart(true, env.autostartDir, "/old/place/orvenda"));
    const std::string entry = env.autostartDir + "/" + AutostartEntryName;
    config.Autostart = true; // already known: the entry is left as it is
    EXPECT_TRUE(load(config).found);
    EXPECT_NE(ReadBytes(entry).find("/old/place/"), std::string::npos);

    config.Autostart = false; // found now: the entry is pointed at this program
    EXPECT_TRUE(load(config).found);
    EXPECT_TRUE(config.Autostart);
    EXPECT_NE(ReadBytes(entry).find("Exec=\"/opt/orvenda/orvenda\"\n"), std::string::npos);
}

// tests/data/config/saved.expected is written by hand from the file layout
// (in UTF-8, then `iconv -f UTF-8 -t CP1251 | sed 's/$/\r/'`); after a
// deliberate change of the layout, edit it the same way.
TEST_F(ConfigFile, SavedFileMatchesTheLayoutByteForByte)
{
    TConfigRec config;
    config.EventFiles = {
        {pf, "main.evt"}, {"/home/user/events/", "birthdays.evt"}, {"/home/user/", ""}, {"sub/", "rel.evt"}};
    config.WisdomFiles = {{"Нет", ""}};
    config.ConfirmExit = config.LogEnable = config.ToolBarShowTXT = true;
    config.UserLog = config.LogAppend = config.ShowAstroPanel = config.ViewGroup = false;
    config.UserLogFileName = "журнал.log";
    config.ColorScheme = "Морская";
    ASSERT_TRUE(SaveConfig(config, cfgPath(), pf, journal).ok());
    EXPECT_EQ(test::CompareWithGolden(ORVENDA_TEST_DATA_DIR "/config/saved.expected", ReadBytes(cfgPath())),
              "");

    TConfigRec loaded;
    EXPECT_TRUE(load(loaded).found);
    config.EventFiles.erase(config.EventFiles.begin() + 2);
    config.WisdomFiles = {{"", ""}}; // the emptied list comes back as read from an empty section
    ExpectSameSettings(loaded, config);
}

TEST_F(ConfigFile, Utf8FileStaysUtf8)
{
    WriteBytes(cfgPath(), "    Здесь указываются файлы событий\n[Events in]\nсобытия.evt\n[end list]\n"
                          "[Wisdom in]\n[end list]\nColorScheme = Ночь\n");
    TConfigRec config;
    EXPECT_TRUE(load(config).found);
    EXPECT_EQ(config.EventFiles, (Files{{pf, "события.evt"}}));
    config.UserLogFileName = "日志.log"; // Windows-1251 could not hold it
    ASSERT_TRUE(SaveConfig(config, cfgPath(), pf, journal).ok());
    const std::string bytes = ReadBytes(cfgPath());
    EXPECT_EQ(DetectEncoding(bytes), TextEncoding::Utf8);
    EXPECT_NE(bytes.find("\r\nсобытия.evt\r\n"), std::string::npos);

    TConfigRec again;
    EXPECT_TRUE(load(again).found);
    ExpectSameSettings(again, config);
}

TEST_F(ConfigFile, FailedSaveKeepsTheOldFileAndSaysWhy)
{
    WriteBytes(cfgPath(), kLists);
    TConfigRec config;
    config.EventFiles = {{"/日本/", "a.evt"}, {pf, "€uro.evt"}}; // "€" exists in Windows-1251
    const SaveResult unencodable = SaveConfig(config, cfgPath(), pf, journal);
    EXPECT_EQ(unencodable.status, SaveResult::Unencodable);
    EXPECT_EQ(unencodable.unmappable, "日本");
    EXPECT_EQ(ReadBytes(cfgPath()), kLists);
    EXPECT_EQ(ConfigSaveFailureText(unencodable, cfgPath()),
              "Невозможно сохранить файл конфигурации в " + cfgPath() +
                  "\nэтих знаков нет в кодировке Windows-1251: 日本");

    const std::string nowhere = dir / "missing/Orvenda.cfg";
    EXPECT_EQ(SaveConfig(TConfigRec{}, nowhere, pf, journal).status, SaveResult::WriteFailed);
    EXPECT_EQ(journal.Lines(),
              (std::vector<std::string>{"Невозможно сохранить файл конфигурации в " + cfgPath(),
                                        "Невозможно сохранить файл конфигурации в " + nowhere}));
}

// Names in the lists that look like the file's own markers or keep odd
// blanks come back from saving and reading as they were, with every entry
// after them.
TEST_F(ConfigFile, ListedNamesLikeTheFileMarkersSurviveSaving)
{
    const std::vector<std::string> names = {
        "[end list]",         "[Events in]",          "[Wisdom in]", " blanks around.evt ",
        "ConfirmExit = True", "DefaultConfig = True", "cr\r"};
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        TConfigRec config;
        config.EventFiles = {{pf, name}, {pf, "after.evt"}, {"/elsewhere/", name}};
        config.WisdomFiles = {{pf, name}, {pf, "after.wis"}};
        ASSERT_TRUE(SaveConfig(config, cfgPath(), pf, journal).ok());
        TConfigRec back;
        back.ConfirmExit = true;
        ASSERT_TRUE(load(back).found);
        // The looks come from the scheme, not from this file.
        TConfigRec expected = config;
        expected.Looks = back.Looks;
        ExpectSameSettings(back, expected);
    }
}

} // namespace
} // namespace orvenda
