#include "config/options_state.h"
#include "engine/scripted_questions.h"

#include "config/autostart.h"
#include "config/colour_text.h"
#include "config/config_file.h"
#include "config/schemes.h"
#include "config/settings_text.h"
#include "tests/config/printers.h"
#include "tests/support/test_files.h"

#include <filesystem>
#include <functional>

#include <gtest/gtest.h>

namespace orvenda {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;
using Files = std::vector<TListedFile>;

class Options : public ::testing::Test {
protected:
    TempFolder dir;
    std::string pf = dir.folder();
    TConfigRec config;
    Journal journal;
    ScriptedQuestions questions;
    OptionsState state{config, OptionsEnvironment{pf, dir / "autostart", "/opt/orvenda/orvenda"}, journal,
                       questions};

    // The configuration as the next start would read it.
    TConfigRec reread()
    {
        TConfigRec read;
        ConfigEnvironment env{pf, "/opt/orvenda/orvenda", dir / "autostart", "1.1.2024", "0:00:00"};
        Journal ignored;
        EXPECT_TRUE(LoadConfig(read, env, ignored, nullptr).found);
        return read;
    }
};

// ---- The appearance controls ----

TEST_F(Options, ButtonsShowExactlyThePlainStyles)
{
    struct Case {
        unsigned style;
        bool bold;
        bool italic;
    };
    const Case cases[] = {
        {0, false, false},
        {FontBold, true, false},
        {FontItalic, false, true},
        {FontBold | FontItalic, true, true},
        {FontBold | FontUnderline, false, false},
        {FontItalic | FontStrikeOut, false, false},
        {FontBold | FontItalic | FontUnderline, false, false},
        {FontUnderline, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(FontStyleText(c.style));
        config.Looks[LcToday].FontStyle = c.style;
        const ObjectControls controls = state.Controls();
        EXPECT_EQ(controls.boldPressed, c.bold);
        EXPECT_EQ(controls.italicPressed, c.italic);
    }
}

TEST_F(Options, StyleButtonsLeaveExactlyThePressedStyles)
{
    struct Case {
        unsigned before;
        bool bold; // "Ж" pressed, else "К"
        unsigned after;
    };
    const Case cases[] = {
        {0, true, FontBold},
        {FontBold, true, 0},
        {FontItalic, true, FontBold | FontItalic},
        {FontBold | FontItalic, true, FontItalic},
        {FontUnderline, true, FontBold}, // underline shows neither pressed and is dropped
        {FontBold | FontStrikeOut, true, FontBold},
        {0, false, FontItalic},
        {FontItalic, false, 0},
        {FontBold, false, FontBold | FontItalic},
        {FontBold | FontItalic | FontUnderline, false, FontItalic},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(FontStyleText(c.before) + (c.bold ? " Ж" : " К"));
        config.Looks[LcWis].FontStyle = c.before;
        state.ChooseObjectByBox(LcWis);
        c.bold ? state.ToggleBold() : state.ToggleItalic();
        EXPECT_EQ(config.Looks[LcWis].FontStyle, c.after);
    }
}

TEST_F(Options, AlignmentButtonsPressOneAndReleaseToCentre)
{
    struct Case {
        int before;
        const char* presses; // "L" for "[=", "R" for "=]"
        int after;
    };
    const Case cases[] = {
        {AlignCenter, "L", AlignLeft},  {AlignCenter, "LL", AlignCenter}, {AlignLeft, "R", AlignRight},
        {AlignRight, "R", AlignCenter}, {AlignRight, "L", AlignLeft},     {AlignCenter, "RLR", AlignRight},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(AlignmentText(c.before) + " " + c.presses);
        config.Looks[LcDate].Alignment = c.before;
        state.ChooseObjectByBox(LcDate);
        for (const char* p = c.presses; *p; ++p) {
            *p == 'L' ? state.ToggleLeft() : state.ToggleRight();
        }
        EXPECT_EQ(config.Looks[LcDate].Alignment, c.after);
        const ObjectControls controls = state.Controls();
        EXPECT_EQ(controls.leftPressed, c.after == AlignLeft);
        EXPECT_EQ(controls.rightPressed, c.after == AlignRight);
    }
}

TEST_F(Options, OnlyTheEventsSampleHidesTheAlignmentButtons)
{
    state.ChooseObjectBySample(LcEvt);
    EXPECT_EQ(state.CurrentObject(), LcEvt);
    EXPECT_FALSE(state.Controls().alignmentVisible);
    state.ChooseObjectBySample(LcWis);
    EXPECT_TRUE(state.Controls().alignmentVisible);
    state.ChooseObjectBySample(LcEvt);
    state.ChooseObjectByBox(LcEvt);
    EXPECT_TRUE(state.Controls().alignmentVisible);
    state.ChooseObjectBySample(LcEvt);
    state.Show();
    EXPECT_EQ(state.CurrentObject(), LcToday);
    EXPECT_TRUE(state.Controls().alignmentVisible);
}

TEST_F(Options, ObjectsOutsideTheFiveAreIgnored)
{
    state.ChooseObjectByBox(LcWis);
    for (int object : {-1, static_cast<int>(LookObjectCount), 1000}) {
        state.ChooseObjectByBox(object);
        state.ChooseObjectBySample(object);
        EXPECT_EQ(state.CurrentObject(), LcWis);
    }
}

TEST_F(Options, AttributesChangeOnlyTheCurrentObject)
{
    state.ChooseObjectByBox(LcDate);
    state.SetColor(0x010203);
    state.SetFontColor(0x040506);
    state.SetFont("DejaVu Serif", 14, FontItalic | FontUnderline);
    TLooks expected = DefaultLooks();
    expected[LcDate] = {0x010203, AlignCenter, "DejaVu Serif", 14, 0x040506, FontItalic | FontUnderline};
    EXPECT_EQ(config.Looks, expected);
    EXPECT_EQ(state.Controls().color, 0x010203u);
    EXPECT_EQ(state.Controls().fontColor, 0x040506u);
}

TEST_F(Options, FontDialogPutsItsFontAndColourOnTheCurrentObject)
{
    using Font = Questions::Font;
    using Rgb = Questions::Rgb;
    const Font serif{"DejaVu Serif", 14, false, true, true, false, Rgb{0x12, 0x34, 0x56}};
    const Font sans{"DejaVu Sans", 9, true, false, false, true, std::nullopt};
    const TObjectLook before{0x00FFFFFF, AlignLeft, "MS Sans Serif", 8, clWindowText, FontBold};
    const TObjectLook withSerif{0x00FFFFFF, AlignLeft, "DejaVu Serif",
                                14,         0x563412,  FontItalic | FontUnderline};
    struct Case {
        const char* dialog;
        std::vector<Font> applied; // "Применить", in order
        std::optional<Font> answer;
        TObjectLook after;
        bool changed;
    };
    const Case cases[] = {
        {"cancelled", {}, std::nullopt, before, false},
        {"OK with a colour", {}, serif, withSerif, true},
        {"OK keeps a desktop colour the user left",
         {},
         sans,
         TObjectLook{0x00FFFFFF, AlignLeft, "DejaVu Sans", 9, clWindowText, FontBold | FontStrikeOut},
         true},
        {"applied, then cancelled: the applied font stays", {serif}, std::nullopt, withSerif, true},
        {"applied twice, then OK: the last font wins", {sans, serif}, serif, withSerif, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dialog);
        config.Looks[LcWis] = before;
        state.Show();
        state.ChooseObjectBySample(LcWis);
        questions.fontApplies.push_back(c.applied);
        questions.fonts.push_back(c.answer);
        std::vector<TObjectLook> shown; // what the window shows at each "Применить"
        EXPECT_EQ(state.PickFont([&] { shown.push_back(state.CurrentLook()); }), c.changed);
        EXPECT_EQ(config.Looks[LcWis], c.after);
        EXPECT_EQ(config.Looks[LcToday], DefaultLooks()[LcToday]);
        EXPECT_EQ(state.Changed(), c.changed);
        EXPECT_EQ(shown.size(), c.applied.size());
        if (!shown.empty()) {
            EXPECT_EQ(shown.back().FontName, c.applied.back().family);
        }
        // The dialog opens on the look's font; a desktop colour is no fixed colour.
        EXPECT_EQ(questions.fontStarts.back(),
                  (Font{"MS Sans Serif", 8, true, false, false, false, std::nullopt}));
    }
    config.Looks[LcWis].FontColor = 0x00CC8811;
    state.PickFont();
    EXPECT_EQ(questions.fontStarts.back().colour, (Rgb{0x11, 0x88, 0xCC}));
}

// ---- The changed mark, the scheme-changed flag and "Применить" ----

TEST_F(Options, WhatSetsTheChangedMark)
{
    struct Case {
        const char* action;
        std::function<void(OptionsState&)> run;
        bool changed;
        bool enablesApply;
    };
    const Case cases[] = {
        {"font confirmed", [](OptionsState& s) { s.SetFont("Arial", 9, 0); }, true, true},
        {"background colour", [](OptionsState& s) { s.SetColor(0xFF); }, false, true},
        {"font colour", [](OptionsState& s) { s.SetFontColor(0xFF); }, false, true},
        {"[=", [](OptionsState& s) { s.ToggleLeft(); }, false, true},
        {"=]", [](OptionsState& s) { s.ToggleRight(); }, false, true},
        {"Ж", [](OptionsState& s) { s.ToggleBold(); }, false, true},
        {"К", [](OptionsState& s) { s.ToggleItalic(); }, false, true},
        {"object by box", [](OptionsState& s) { s.ChooseObjectByBox(LcWis); }, false, false},
        {"object by sample", [](OptionsState& s) { s.ChooseObjectBySample(LcEvt); }, false, false},
        {"scheme chosen", [](OptionsState& s) { s.ChooseScheme("missing"); }, false, true},
        {"scheme typed", [](OptionsState& s) { s.SetSchemeName("new"); }, false, false},
        {"+", [](OptionsState& s) { s.AddFile(FileListKind::Events, "/d/a.evt"); }, true, false},
        {"+ sayings", [](OptionsState& s) { s.AddFile(FileListKind::Wisdom, "/d/a.wis"); }, true, false},
        {"-", [](OptionsState& s) { s.RemoveFile(FileListKind::Events, 0); }, true, false},
        {"- sayings", [](OptionsState& s) { s.RemoveFile(FileListKind::Wisdom, 0); }, true, false},
        {"x", [](OptionsState& s) { s.ClearFiles(FileListKind::Events); }, true, false},
        {"x sayings", [](OptionsState& s) { s.ClearFiles(FileListKind::Wisdom); }, true, false},
        {"one file", [](OptionsState& s) { s.SetUserLog(true); }, true, false},
        {"every day", [](OptionsState& s) { s.SetUserLog(false); }, true, false},
        {"log name", [](OptionsState& s) { s.SetLogFileName("x.log"); }, true, false},
        {"append", [](OptionsState& s) { s.SetLogAppend(false); }, true, false},
        {"exit confirmation", [](OptionsState& s) { s.SetConfirmExit(true); }, true, false},
        {"automatic width", [](OptionsState& s) { s.SetAdjustFormSize(true); }, true, false},
        {"astro panel", [](OptionsState& s) { s.SetShowAstroPanel(false); }, true, false},
        {"log check box", [](OptionsState& s) { s.SetLogEnable(true); }, true, false},
        {"autostart", [](OptionsState& s) { s.SetAutostart(true); }, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        TConfigRec record;
        Journal ignored;
        OptionsState s(record, OptionsEnvironment{pf, dir / "autostart", "/opt/orvenda/orvenda"}, ignored,
                       questions);
        s.Show();
        c.run(s);
        EXPECT_EQ(s.Changed(), c.changed);
        EXPECT_EQ(s.ApplyEnabled(), c.enablesApply);
        EXPECT_EQ(s.OkQuestion().has_value(), c.changed);
    }
}

TEST_F(Options, ApplyingSetsTheMarkAndDisablesApplyUntilTheNextChange)
{
    EXPECT_FALSE(state.ApplyEnabled()); // as the window is created
    state.ToggleBold();
    EXPECT_TRUE(state.ApplyEnabled());
    EXPECT_TRUE(state.SchemeChanged());
    EXPECT_FALSE(state.Changed());

    const TLooks& applied = state.ApplyLooks();
    EXPECT_EQ(&applied, &config.Looks);
    EXPECT_FALSE(state.ApplyEnabled());
    EXPECT_TRUE(state.Changed());
    EXPECT_TRUE(state.SchemeChanged()); // only saving the scheme clears it

    state.Show();
    EXPECT_FALSE(state.Changed());
    EXPECT_FALSE(state.ApplyEnabled());
}

TEST_F(Options, OkAsksToRememberOnlyAfterAChange)
{
    state.Show();
    state.SetColor(0x00FF00); // a colour alone waits for "Применить"
    EXPECT_FALSE(state.OkQuestion());
    state.SetConfirmExit(true);
    const std::optional<OptionsQuestion> question = state.OkQuestion();
    ASSERT_TRUE(question);
    EXPECT_EQ(question->caption, "Настройки изменены");
    EXPECT_EQ(question->text, "Запомнить текущую конфигурацию?");
}

TEST_F(Options, SavingWritesTheEditedRecordToTheProgramFolder)
{
    state.AddFile(FileListKind::Events, "/data/events/birthdays.evt");
    state.AddFile(FileListKind::Wisdom, pf + "mine.wis");
    state.SetConfirmExit(true);
    state.SetLogFileName("run.log");
    ASSERT_TRUE(state.SaveConfiguration().ok());

    const TConfigRec read = reread();
    EXPECT_EQ(read.EventFiles, (Files{{"/data/events/", "birthdays.evt"}}));
    EXPECT_EQ(read.WisdomFiles, (Files{{pf, "mine.wis"}}));
    EXPECT_TRUE(read.ConfirmExit);
    EXPECT_EQ(read.UserLogFileName, "run.log");
}

// ---- File lists ----

TEST_F(Options, AddingFilesRefusesTheSameFileTwice)
{
    struct Case {
        const char* name;
        FileListKind kind;
        std::vector<std::string> paths;
        Files expected;
        std::vector<bool> added;
    };
    const Case cases[] = {
        {"same event file twice",
         FileListKind::Events,
         {"/a/x.evt", "/a/x.evt"},
         {{"/a/", "x.evt"}},
         {true, false}},
        {"event file of the same name elsewhere",
         FileListKind::Events,
         {"/a/x.evt", "/b/x.evt"},
         {{"/a/", "x.evt"}, {"/b/", "x.evt"}},
         {true, true}},
        {"event names differ in case only",
         FileListKind::Events,
         {"/a/x.evt", "/a/X.evt"},
         {{"/a/", "x.evt"}, {"/a/", "X.evt"}},
         {true, true}},
        {"same saying file twice",
         FileListKind::Wisdom,
         {"/a/w.wis", "/a/w.wis"},
         {{"/a/", "w.wis"}},
         {true, false}},
        {"saying file of the same name elsewhere",
         FileListKind::Wisdom,
         {"/a/w.wis", "/b/w.wis"},
         {{"/a/", "w.wis"}},
         {true, false}},
        {"three different files",
         FileListKind::Events,
         {"/a/1.evt", "/a/2.evt", "/b/1.evt"},
         {{"/a/", "1.evt"}, {"/a/", "2.evt"}, {"/b/", "1.evt"}},
         {true, true, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TConfigRec record;
        Journal ignored;
        OptionsState s(record, OptionsEnvironment{pf, "", ""}, ignored, questions);
        std::vector<bool> added;
        for (const std::string& path : c.paths) {
            added.push_back(s.AddFile(c.kind, path));
        }
        EXPECT_EQ(added, c.added);
        EXPECT_EQ(s.Files(c.kind), c.expected);
        EXPECT_TRUE(s.Changed()); // even a refused file counts as an action
    }
}

TEST_F(Options, NewFileTakesThePlaceOfTheEmptyRowAtTheEnd)
{
    struct Case {
        const char* name;
        Files before;
        Files after;
    };
    const Case cases[] = {
        {"placeholder as read", {{"", ""}}, {{"/d/", "n.evt"}}},
        {"placeholder after emptying", {{"Нет", ""}}, {{"/d/", "n.evt"}}},
        {"named rows", {{"/a/", "a.evt"}}, {{"/a/", "a.evt"}, {"/d/", "n.evt"}}},
        {"empty row inside the list stays",
         {{"", ""}, {"/a/", "a.evt"}},
         {{"", ""}, {"/a/", "a.evt"}, {"/d/", "n.evt"}}},
        {"empty row at the end", {{"/a/", "a.evt"}, {"", ""}}, {{"/a/", "a.evt"}, {"/d/", "n.evt"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        config.EventFiles = c.before;
        EXPECT_TRUE(state.AddFile(FileListKind::Events, "/d/n.evt"));
        EXPECT_EQ(config.EventFiles, c.after);
    }
}

TEST_F(Options, FileInTheProgramFolderKeepsThatFolder)
{
    state.AddFile(FileListKind::Events, pf + "holidays.evt");
    EXPECT_EQ(config.EventFiles, (Files{{pf, "holidays.evt"}}));
    EXPECT_FALSE(state.AddFile(FileListKind::Events, pf + "holidays.evt"));
}

TEST_F(Options, RemovingRowsLeavesTheNoneRowWhenEmpty)
{
    struct Case {
        const char* name;
        Files before;
        std::size_t index;
        Files after;
    };
    const Files three{{"/a/", "1.evt"}, {"/a/", "2.evt"}, {"/a/", "3.evt"}};
    const Case cases[] = {
        {"first of three", three, 0, {{"/a/", "2.evt"}, {"/a/", "3.evt"}}},
        {"middle of three", three, 1, {{"/a/", "1.evt"}, {"/a/", "3.evt"}}},
        {"last of three", three, 2, {{"/a/", "1.evt"}, {"/a/", "2.evt"}}},
        {"the only row", {{"/a/", "1.evt"}}, 0, {{"Нет", ""}}},
        {"the placeholder as read", {{"", ""}}, 0, {{"Нет", ""}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        config.WisdomFiles = c.before;
        state.RemoveFile(FileListKind::Wisdom, c.index);
        EXPECT_EQ(config.WisdomFiles, c.after);
    }
}

TEST_F(Options, RemovingARowThatIsNotThereChangesNothing)
{
    config.EventFiles = {{"/a/", "1.evt"}};
    state.RemoveFile(FileListKind::Events, 1);
    state.RemoveFile(FileListKind::Events, static_cast<std::size_t>(-1));
    EXPECT_EQ(config.EventFiles, (Files{{"/a/", "1.evt"}}));
    EXPECT_FALSE(state.Changed());
}

TEST_F(Options, ClearingLeavesTheNoneRowAndSavesAnEmptyList)
{
    config.EventFiles = {{"/a/", "1.evt"}, {"/b/", "2.evt"}};
    config.WisdomFiles = {{"/a/", "w.wis"}};
    state.ClearFiles(FileListKind::Events);
    state.RemoveFile(FileListKind::Wisdom, 0);
    EXPECT_EQ(config.EventFiles, (Files{{"Нет", ""}}));
    EXPECT_EQ(config.WisdomFiles, (Files{{"Нет", ""}}));

    ASSERT_TRUE(state.SaveConfiguration().ok());
    const std::string text = ReadBytes(pf + ConfigFileName);
    EXPECT_NE(text.find("[Events in]\r\n[end list]\r\n"), std::string::npos);
    EXPECT_NE(text.find("[Wisdom in]\r\n[end list]\r\n"), std::string::npos);
    EXPECT_EQ(reread().EventFiles, (Files{{"", ""}}));
}

TEST_F(Options, OpeningARowNeedsAFile)
{
    config.EventFiles = {{"/a/", "1.evt"}, {"Нет", ""}};
    EXPECT_EQ(state.FilePath(FileListKind::Events, 0), "/a/1.evt");
    EXPECT_EQ(state.FilePath(FileListKind::Events, 1), std::nullopt);
    EXPECT_EQ(state.FilePath(FileListKind::Events, 2), std::nullopt);
}

TEST_F(Options, LogControlsFollowTheLogSwitches)
{
    constexpr TColor black = LogTextBlack;
    constexpr TColor silver = LogTextSilver;
    struct Case {
        bool logEnable;
        bool userLog;
        LogControls expected;
    };
    const Case cases[] = {
        {false, false, {false, false, silver, silver, silver}},
        {false, true, {false, false, silver, silver, silver}},
        {true, false, {true, false, black, black, silver}},
        {true, true, {true, true, black, black, black}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("LogEnable ") + BoolText(c.logEnable) + ", UserLog " + BoolText(c.userLog));
        state.SetLogEnable(c.logEnable);
        state.SetUserLog(c.userLog);
        EXPECT_EQ(state.Log(), c.expected);
        EXPECT_EQ(config.LogEnable, c.logEnable);
        EXPECT_EQ(config.UserLog, c.userLog);
    }
}

TEST_F(Options, AutostartWritesAndRemovesTheEntryAtOnce)
{
    const std::string entry = dir / "autostart" + "/" + AutostartEntryName;
    EXPECT_TRUE(state.SetAutostart(true));
    EXPECT_TRUE(config.Autostart);
    EXPECT_TRUE(ReadAutostart(dir / "autostart"));
    EXPECT_NE(ReadBytes(entry).find("Exec=\"/opt/orvenda/orvenda\""), std::string::npos);

    EXPECT_TRUE(state.SetAutostart(false));
    EXPECT_FALSE(config.Autostart);
    EXPECT_FALSE(std::filesystem::exists(entry));
}

// ---- Colour schemes ----

TEST_F(Options, ChoosingASchemeReadsItsLooksAndNamesIt)
{
    TLooks sea = DefaultLooks();
    sea[LcEvt].Color = 0x800000;
    sea[LcToday].FontStyle = FontItalic;
    ASSERT_TRUE(SaveScheme(sea, pf, "Море", journal).ok());

    EXPECT_TRUE(state.ChooseScheme("Море"));
    EXPECT_EQ(config.Looks, sea);
    EXPECT_EQ(config.ColorScheme, "Море");
    EXPECT_TRUE(state.ApplyEnabled());
    EXPECT_FALSE(state.Changed());
}

TEST_F(Options, SchemeThatCannotBeReadKeepsTheLooks)
{
    config.Looks[LcWis].Color = 0x111111;
    const TLooks before = config.Looks;
    EXPECT_FALSE(state.ChooseScheme("Нет такой"));
    EXPECT_EQ(config.Looks, before);
    EXPECT_EQ(config.ColorScheme, "Нет такой");
    EXPECT_FALSE(journal.Lines().empty());
}

TEST_F(Options, SavingASchemeUnderATypedNameListsIt)
{
    state.SetSchemeList({"Б", "А"});
    EXPECT_EQ(state.Schemes(), (std::vector<std::string>{"А", "Б"}));

    state.SetFontColor(0x00FF00);
    ASSERT_TRUE(state.SchemeChanged());
    state.SetSchemeName("Аа");
    EXPECT_TRUE(state.SaveCurrentScheme());
    EXPECT_FALSE(state.SchemeChanged());
    EXPECT_EQ(state.Schemes(), (std::vector<std::string>{"А", "Аа", "Б"}));

    TLooks read = DefaultLooks();
    ASSERT_TRUE(LoadScheme(read, pf, "Аа", journal, nullptr));
    EXPECT_EQ(read, config.Looks);
    // Saving a listed name again does not list it twice.
    EXPECT_TRUE(state.SaveCurrentScheme());
    EXPECT_EQ(state.Schemes(), (std::vector<std::string>{"А", "Аа", "Б"}));
    EXPECT_EQ(ListSchemes(pf), (std::vector<std::string>{"Аа"}));
}

TEST_F(Options, SchemeThatCannotBeWrittenIsNotListed)
{
    OptionsState s(config, OptionsEnvironment{dir / "missing/", "", ""}, journal, questions);
    s.SetSchemeName("Новая");
    EXPECT_FALSE(s.SaveCurrentScheme());
    EXPECT_TRUE(s.Schemes().empty());
    EXPECT_EQ(journal.Lines(), (std::vector<std::string>{"Невозможно сохранить цветовую схему"}));
}

TEST_F(Options, DeletingASchemeAsksThenRemovesFileAndName)
{
    WriteBytes(pf + "Ночь.sch", "");
    WriteBytes(pf + "День.sch", "");
    state.SetSchemeList(ListSchemes(pf));
    state.SetSchemeName("Ночь");

    const std::optional<OptionsQuestion> question = state.DeleteSchemeQuestion();
    ASSERT_TRUE(question);
    EXPECT_EQ(question->text, "Удалить цветовую схему «Ночь»?");

    EXPECT_TRUE(state.DeleteCurrentScheme());
    EXPECT_FALSE(std::filesystem::exists(pf + "Ночь.sch"));
    EXPECT_TRUE(std::filesystem::exists(pf + "День.sch"));
    EXPECT_EQ(state.Schemes(), (std::vector<std::string>{"День"}));
    EXPECT_EQ(config.ColorScheme, "");
    EXPECT_TRUE(state.Changed());
    EXPECT_TRUE(journal.Lines().empty());
}

TEST_F(Options, OnlyAListedSchemeCanBeDeleted)
{
    WriteBytes(pf + "Есть.sch", "");
    state.SetSchemeList({"Есть"});
    for (const char* name : {"", "Нет такой", "есть"}) {
        SCOPED_TRACE(name);
        state.SetSchemeName(name);
        EXPECT_FALSE(state.DeleteSchemeQuestion());
        EXPECT_FALSE(state.DeleteCurrentScheme());
    }
    EXPECT_TRUE(std::filesystem::exists(pf + "Есть.sch"));
    EXPECT_FALSE(state.Changed());
}

TEST_F(Options, SchemeThatCannotBeDeletedStaysListed)
{
    // A folder of the scheme's name cannot be removed as a file can.
    std::filesystem::create_directory(pf + "Папка.sch");
    WriteBytes(pf + "Папка.sch/inside", "");
    state.SetSchemeList({"Папка"});
    state.SetSchemeName("Папка");
    EXPECT_FALSE(state.DeleteCurrentScheme());
    EXPECT_EQ(state.Schemes(), (std::vector<std::string>{"Папка"}));
    EXPECT_EQ(config.ColorScheme, "Папка");
    ASSERT_EQ(journal.Lines().size(), 1u);
    EXPECT_TRUE(journal.Lines()[0].starts_with("Невозможно удалить цветовую схему Папка"));
}

// "OK" asks through the question seam: nothing when unchanged, the
// configuration written only on OK, and a failed write shown, not dropped.
TEST_F(Options, AcceptAsksThenWritesAndShowsAFailure)
{
    state.Show();
    EXPECT_TRUE(state.Accept().ok());
    EXPECT_TRUE(questions.asked.empty());

    state.SetConfirmExit(true);
    questions.answers = {Questions::Answer::Cancel};
    EXPECT_TRUE(state.Accept().ok());
    EXPECT_EQ(questions.asked,
              std::vector<std::string>{"Настройки изменены|Запомнить текущую конфигурацию?"});
    EXPECT_FALSE(std::filesystem::exists(pf + ConfigFileName));

    questions.answers = {Questions::Answer::Ok};
    EXPECT_TRUE(state.Accept().ok());
    EXPECT_TRUE(reread().ConfirmExit);

    // The configuration's place is taken by a folder: the write fails.
    std::filesystem::remove(pf + ConfigFileName);
    std::filesystem::create_directories(pf + ConfigFileName + "/x");
    questions.asked.clear();
    questions.answers = {Questions::Answer::Ok};
    EXPECT_FALSE(state.Accept().ok());
    ASSERT_EQ(questions.errors.size(), 1u);
    EXPECT_TRUE(questions.errors[0].starts_with("Орвенда|Невозможно сохранить файл конфигурации в " + pf +
                                                ConfigFileName))
        << questions.errors[0];
}

} // namespace
} // namespace orvenda
