// The configuration file, colour scheme and colour readers on random and
// damaged input: nothing may crash or hang, the settings record always stays
// usable, and what is read is written back and read again unchanged. Each run
// uses a fixed seed; a failure names the seed and the case, and
// CaseSeed(seed, case) makes that input again.

#include "config/colour_text.h"
#include "config/config_file.h"
#include "config/schemes.h"
#include "config/settings_text.h"
#include "engine/codec.h"
#include "engine/textfile.h"
#include "engine/utf8.h"
#include "fuzz/random_input.h"
#include "tests/config/printers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace orvenda {
namespace {

using fuzzing::CaseSeed;
using fuzzing::Escaped;
using fuzzing::InputMaker;
using fuzzing::ReadBytes;
using fuzzing::ScratchFolder;
using fuzzing::WriteBytes;

constexpr std::uint64_t kSeed = 0x0E5A2027;
const std::string DataDir = ORVENDA_TEST_DATA_DIR;
// The files delivered with the program.
const std::string DeliveredDir = DataDir + "/../../data/";

std::string caseTrace(std::uint64_t seed, int index, std::string_view input)
{
    return "seed " + std::to_string(seed) + ", case " + std::to_string(index) + ", input \"" +
           Escaped(input) + "\"";
}

std::vector<std::string> readAll(const std::vector<std::string>& paths)
{
    std::vector<std::string> bytes;
    for (const std::string& path : paths) {
        bytes.push_back(ReadBytes(path));
        EXPECT_FALSE(bytes.back().empty()) << path;
    }
    return bytes;
}

std::vector<std::string> schemeSamples()
{
    std::vector<std::string> paths = {DataDir + "/config/scheme.expected"};
    for (const auto& entry : std::filesystem::directory_iterator(DataDir + "/config/broken")) {
        if (entry.path().extension() == ".sch") {
            paths.push_back(entry.path().string());
        }
    }
    return readAll(paths);
}

// A look that a window can draw: what every reading must leave behind.
void expectUsable(const TLooks& looks)
{
    for (int object = 0; object < LookObjectCount; ++object) {
        SCOPED_TRACE(LookObjectName(object));
        const TObjectLook& look = looks[static_cast<std::size_t>(object)];
        EXPECT_GE(look.Alignment, AlignLeft);
        EXPECT_LE(look.Alignment, AlignCenter);
        EXPECT_GE(look.FontSize, 1);
        EXPECT_LE(look.FontSize, 999);
        EXPECT_LE(look.FontStyle, unsigned{FontBold | FontItalic | FontUnderline | FontStrikeOut});
        EXPECT_TRUE(IsValidUtf8(look.FontName)) << Escaped(look.FontName);
        EXPECT_EQ(look.FontName.find('\n'), std::string::npos) << Escaped(look.FontName);
        EXPECT_LE(Utf8Length(look.FontName), 99u);
    }
}

// ---- Colour schemes ----

TEST(RandomSchemeFiles, EveryFieldStaysUsableAndASavedSchemeReadsBackTheSame)
{
    constexpr int kCases = 1000;
    const std::vector<std::string> samples = schemeSamples();
    ScratchFolder scratch("schemes");
    const std::string path = scratch.PathOf("input.sch");
    int encodingChanged = 0;

    for (int i = 0; i < kCases; ++i) {
        InputMaker maker(CaseSeed(kSeed, static_cast<std::uint64_t>(i)));
        const std::string bytes =
            maker.Chance(10) ? maker.RandomBytes(400) : maker.Mutate(maker.Pick(samples), 1 + maker.Below(6));
        SCOPED_TRACE(caseTrace(kSeed, i, bytes));
        ASSERT_TRUE(WriteBytes(path, bytes));

        Journal journal;
        TLooks looks = DefaultLooks();
        ASSERT_TRUE(LoadScheme(looks, scratch.Folder(), "input", journal, nullptr));
        expectUsable(looks);
        for (const std::string& line : journal.Lines()) {
            EXPECT_TRUE(line.starts_with("Цветовая схема input, строка ")) << line;
        }

        // Written over the input, so that a UTF-8 scheme stays UTF-8.
        const TextEncoding encoding = ReadTextFile(path)->encoding;
        const SaveResult saved = SaveScheme(looks, scratch.Folder(), "input", journal);
        ASSERT_TRUE(saved.ok()) << saved.error << Escaped(saved.unmappable);
        const std::string written = ReadBytes(path);
        if (DetectEncoding(written) != encoding && !fuzzing::IsAscii(written)) {
            // Saving dropped what made the old file read as it did (a stray
            // byte in a line that is not kept), and the rest now looks like
            // another encoding. Counted, and kept within bounds below.
            ++encodingChanged;
            continue;
        }
        Journal again;
        TLooks back = DefaultLooks();
        back[LcEvt].FontName = "not read";
        ASSERT_TRUE(LoadScheme(back, scratch.Folder(), "input", again, nullptr));
        EXPECT_TRUE(again.Lines().empty()) << again.Lines().front();
        for (int object = 0; object < LookObjectCount; ++object) {
            SCOPED_TRACE(LookObjectName(object));
            EXPECT_EQ(back[static_cast<std::size_t>(object)], looks[static_cast<std::size_t>(object)]);
        }
    }
    // Only a rare damaged file may change how its saved form is read.
    EXPECT_LE(encodingChanged, kCases / 50);
}

TEST(RandomSchemeFiles, CutShortAtEveryLengthKeepsTheObjectsBeforeTheCut)
{
    const std::string full = ReadBytes(DataDir + "/config/scheme.expected");
    ASSERT_FALSE(full.empty());
    ScratchFolder scratch("schemes-cut");
    ASSERT_TRUE(WriteBytes(scratch.PathOf("full.sch"), full));
    Journal fullJournal;
    TLooks whole = DefaultLooks();
    ASSERT_TRUE(LoadScheme(whole, scratch.Folder(), "full", fullJournal, nullptr));
    for (std::size_t length = 0; length < full.size(); ++length) {
        const std::string prefix = full.substr(0, length);
        SCOPED_TRACE("cut to " + std::to_string(length) + " bytes");
        ASSERT_TRUE(WriteBytes(scratch.PathOf("cut.sch"), prefix));
        Journal journal;
        TLooks looks = DefaultLooks();
        ASSERT_TRUE(LoadScheme(looks, scratch.Folder(), "cut", journal, nullptr));
        expectUsable(looks);
        const auto completeLines = static_cast<std::size_t>(std::count(prefix.begin(), prefix.end(), '\n'));
        const std::size_t lines = completeLines + (prefix.empty() || prefix.ends_with('\n') ? 0 : 1);
        if (lines < 7 * LookObjectCount) {
            // The file ended early, and that was said.
            EXPECT_FALSE(journal.Lines().empty());
        }
        for (std::size_t object = 0; object < LookObjectCount; ++object) {
            if (completeLines >= 7 * (object + 1)) {
                EXPECT_EQ(looks[object], whole[object]) << LookObjectName(static_cast<int>(object));
            }
        }
    }
}

// ---- Configuration file ----

bool sameSettings(const TConfigRec& a, const TConfigRec& b)
{
    return a.ConfirmExit == b.ConfirmExit && a.AdjustFormSize == b.AdjustFormSize &&
           a.LogEnable == b.LogEnable && a.UserLog == b.UserLog && a.UserLogFileName == b.UserLogFileName &&
           a.LogAppend == b.LogAppend && a.ColorScheme == b.ColorScheme &&
           a.ShowAstroPanel == b.ShowAstroPanel && a.ToolBarShow == b.ToolBarShow &&
           a.ToolBarShowTXT == b.ToolBarShowTXT && a.ViewGroup == b.ViewGroup &&
           a.ViewDateInStr == b.ViewDateInStr && a.Autostart == b.Autostart;
}

std::vector<TListedFile> named(const std::vector<TListedFile>& files)
{
    std::vector<TListedFile> out;
    for (const TListedFile& file : files) {
        if (!file.Name.empty()) {
            out.push_back(file);
        }
    }
    return out;
}

// Every list holds an entry; only the first may lack a name; each names a
// file in a folder (ending with "/") or the program folder.
void expectUsableList(const std::vector<TListedFile>& files, const std::string& programFolder)
{
    ASSERT_FALSE(files.empty());
    if (files.size() > 1) {
        EXPECT_FALSE(files.back().Name.empty());
    }
    for (const TListedFile& file : files) {
        SCOPED_TRACE("entry \"" + Escaped(file.Folder) + "\" \"" + Escaped(file.Name) + "\"");
        EXPECT_EQ(file.Name.find('/'), std::string::npos);
        EXPECT_EQ((file.Folder + file.Name).find('\n'), std::string::npos);
        const bool placeholder = files.size() == 1 && file.Folder.empty() && file.Name.empty();
        EXPECT_TRUE(placeholder || file.Folder == programFolder || file.Folder.ends_with('/'));
        // A line is read up to 254 characters; a bare name lies in the program folder.
        EXPECT_LE(Utf8Length(file.Folder == programFolder ? file.Name : file.Folder + file.Name), 254u);
    }
}

class LooksApplied : public ConfigObserver {
public:
    void ApplyLooks(const TLooks&) override { ++m_count; }
    int count() const { return m_count; }

private:
    int m_count = 0;
};

TEST(RandomConfigFiles, ListsNeverEmptyAMissingFileReportedAndSavedSettingsReadBack)
{
    constexpr int kCases = 1500;
    const std::vector<std::string> samples =
        readAll({DataDir + "/config/saved.expected", DataDir + "/cli/day/Orvenda.cfg",
                 DataDir + "/cli/day_broken/Orvenda.cfg", DeliveredDir + "Orvenda.cfg"});
    const std::vector<std::string> schemes = schemeSamples();
    ScratchFolder scratch("config");
    ConfigEnvironment env;
    env.programFolder = scratch.Folder();
    env.programPath = scratch.PathOf("orvenda");
    // No entry there: reading the configuration writes no autostart entry.
    env.autostartDir = scratch.PathOf("autostart/");
    env.dateText = "15.03.2007";
    env.timeText = "10:30:00";
    const std::string path = scratch.PathOf(ConfigFileName);
    const std::string notFound = "!! Не найден конфигурационный файл " + path + " => события не загружены!";
    int missing = 0;
    int savedAndRead = 0;

    for (int i = 0; i < kCases; ++i) {
        InputMaker maker(CaseSeed(kSeed + 1, static_cast<std::uint64_t>(i)));
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
        std::optional<std::string> bytes;
        const std::size_t kind = maker.Below(100);
        if (kind < 5) {
            // No file.
        } else if (kind < 8) {
            std::filesystem::create_directory(path, ignored);
        } else {
            bytes = maker.Chance(10) ? maker.RandomBytes(500)
                                     : maker.Mutate(maker.Pick(samples), 1 + maker.Below(6));
            ASSERT_TRUE(WriteBytes(path, *bytes));
        }
        // The scheme the samples name, intact or damaged.
        ASSERT_TRUE(WriteBytes(scratch.PathOf("Морская.sch"),
                               maker.Chance(70) ? schemes.front() : maker.Mutate(maker.Pick(schemes), 2)));
        SCOPED_TRACE(caseTrace(kSeed + 1, i, bytes ? *bytes : std::string("(no file)")));

        TConfigRec config;
        config.EventFiles = {{"/old/", "old.evt"}, {"/old/", "older.evt"}};
        config.ConfirmExit = maker.Chance(50);
        const TConfigRec before = config;
        Journal journal;
        LooksApplied observer;
        const LoadConfigResult result = LoadConfig(config, env, journal, &observer);

        ASSERT_FALSE(journal.Lines().empty());
        EXPECT_EQ(journal.Lines().front(), "Загружаем конфигурацию: 15.03.2007 в 10:30:00");
        const bool reported =
            std::find(journal.Lines().begin(), journal.Lines().end(), notFound) != journal.Lines().end();
        if (!bytes) {
            ++missing;
            EXPECT_FALSE(result.found);
            EXPECT_TRUE(reported);
            EXPECT_EQ(observer.count(), 0);
            // Nothing changes, the looks included.
            EXPECT_TRUE(sameSettings(config, before));
            EXPECT_EQ(config.EventFiles, before.EventFiles);
            EXPECT_EQ(config.WisdomFiles, before.WisdomFiles);
            EXPECT_EQ(config.Looks, before.Looks);
            continue;
        }
        EXPECT_TRUE(result.found);
        EXPECT_FALSE(reported);
        EXPECT_EQ(observer.count(), 1);
        {
            SCOPED_TRACE("event files");
            expectUsableList(config.EventFiles, env.programFolder);
        }
        {
            SCOPED_TRACE("saying files");
            expectUsableList(config.WisdomFiles, env.programFolder);
        }
        expectUsable(config.Looks);

        // A key line is the key in 16 characters, "= " and the value, and a
        // line is read up to 254 characters: a longer value would come back
        // cut, so the check stops short of that.
        if (Utf8Length(config.UserLogFileName) > 254 - 18 || Utf8Length(config.ColorScheme) > 254 - 18) {
            continue;
        }
        ++savedAndRead;
        ASSERT_TRUE(SaveConfig(config, path, env.programFolder, journal).ok());
        TConfigRec back;
        back.ConfirmExit = !config.ConfirmExit;
        Journal againJournal;
        ASSERT_TRUE(LoadConfig(back, env, againJournal, nullptr).found);
        EXPECT_TRUE(sameSettings(back, config));
        EXPECT_EQ(named(back.EventFiles), named(config.EventFiles));
        EXPECT_EQ(named(back.WisdomFiles), named(config.WisdomFiles));
    }
    EXPECT_GE(missing, kCases / 50);
    EXPECT_GE(savedAndRead, kCases / 2);
}

TEST(RandomConfigFiles, CutShortAtEveryLengthKeepsTheEntriesBeforeTheCut)
{
    const std::string full = ReadBytes(DataDir + "/config/saved.expected");
    ASSERT_FALSE(full.empty());
    ScratchFolder scratch("config-cut");
    ConfigEnvironment env;
    env.programFolder = scratch.Folder();
    env.autostartDir = scratch.PathOf("autostart/");
    const std::string path = scratch.PathOf(ConfigFileName);
    ASSERT_TRUE(WriteBytes(path, full));
    TConfigRec whole;
    Journal fullJournal;
    ASSERT_TRUE(LoadConfig(whole, env, fullJournal, nullptr).found);
    ASSERT_EQ(named(whole.EventFiles).size(), 3u);

    for (std::size_t length = 0; length <= full.size(); ++length) {
        const std::string prefix = full.substr(0, length);
        SCOPED_TRACE("cut to " + std::to_string(length) + " bytes");
        ASSERT_TRUE(WriteBytes(path, prefix));
        TConfigRec config;
        Journal journal;
        ASSERT_TRUE(LoadConfig(config, env, journal, nullptr).found);
        expectUsableList(config.EventFiles, env.programFolder);
        expectUsableList(config.WisdomFiles, env.programFolder);
        // Entries on complete lines are those of the whole file; the last
        // may have been cut inside its name, or be the list's end marker cut short.
        const std::vector<TListedFile> entries = named(config.EventFiles);
        ASSERT_LE(entries.size(), 4u);
        for (std::size_t k = 0; k + 1 < entries.size() && k < 3; ++k) {
            EXPECT_EQ(entries[k], whole.EventFiles[k]);
        }
        if (prefix.ends_with('\n') && !entries.empty()) {
            EXPECT_EQ(entries.back(), whole.EventFiles[entries.size() - 1]);
        }
    }
}

// ---- Colour texts ----

int hexValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// "$" and 1..8 hexadecimal digits, or a decimal integer from -2^31 to
// 2^32 - 1 with an optional minus: the colour the text must give.
std::optional<TColor> numberColour(std::string_view text)
{
    if (text.starts_with('$')) {
        text.remove_prefix(1);
        if (text.empty() || text.size() > 8) {
            return std::nullopt;
        }
        TColor value = 0;
        for (char c : text) {
            if (hexValue(c) < 0) {
                return std::nullopt;
            }
            value = value * 16 + static_cast<TColor>(hexValue(c));
        }
        return value;
    }
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < INT32_MIN ||
        value > static_cast<std::int64_t>(UINT32_MAX)) {
        return std::nullopt;
    }
    return static_cast<TColor>(static_cast<std::uint64_t>(value));
}

std::string scrambledCase(InputMaker& maker, std::string text)
{
    for (char& c : text) {
        if (maker.Chance(50) && c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        } else if (maker.Chance(50) && c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

TEST(RandomColourTexts, EveryColourReadsBackAndOnlyColourTextsAreTaken)
{
    constexpr int kCases = 20000;
    for (int i = 0; i < kCases; ++i) {
        InputMaker maker(CaseSeed(kSeed + 2, static_cast<std::uint64_t>(i)));
        // Plain colours, system colours and the identifiers' neighbours.
        TColor colour = static_cast<TColor>(maker.Bits());
        if (maker.Chance(30)) {
            colour = SystemColourBase + static_cast<TColor>(maker.Below(40));
        } else if (maker.Chance(20)) {
            colour = static_cast<TColor>(maker.Pick(std::vector<TColor>{
                0, 0x80, 0xFFFFFF, 0x1FFFFFFF, 0x20000000, 0xFFFFFFFF, 0x7FFFFFFF, 0x80000000}));
        }
        const std::string text = ColourText(colour);
        SCOPED_TRACE("seed " + std::to_string(kSeed + 2) + ", case " + std::to_string(i) + ", " + text);
        ASSERT_EQ(ColourOfText(text), colour);
        if (!text.starts_with('$')) {
            // Identifiers are read in any letter case.
            ASSERT_EQ(ColourOfText(scrambledCase(maker, text)), colour);
        } else {
            ASSERT_EQ(text.size(), 9u);
        }

        std::string junk;
        switch (maker.Below(4)) {
        case 0:
            junk = maker.NumberishText(3);
            break;
        case 1:
            junk = "$" + maker.Mutate(text.substr(1), 1);
            break;
        case 2:
            junk = maker.Mutate(scrambledCase(maker, text), 1);
            break;
        default:
            junk = maker.Number();
            break;
        }
        SCOPED_TRACE("text \"" + Escaped(junk) + "\"");
        const std::optional<TColor> got = ColourOfText(junk);
        if (const std::optional<TColor> number = numberColour(junk)) {
            ASSERT_EQ(got, number);
        } else if (got) {
            // Anything else that is taken is an identifier.
            const std::string name = ColourText(*got);
            ASSERT_FALSE(name.starts_with('$')) << name;
            ASSERT_EQ(ToLowerAscii(junk), ToLowerAscii(name));
        }
    }
}

} // namespace
} // namespace orvenda
