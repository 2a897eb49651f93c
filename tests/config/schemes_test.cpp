#include "config/schemes.h"

#include "config/colour_text.h"
#include "config/config_file.h"
#include "config/settings_text.h"
#include "tests/config/printers.h"
#include "tests/support/test_files.h"

#include <functional>

#include <gtest/gtest.h>

namespace orvenda {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

const std::string kData = ORVENDA_TEST_DATA_DIR "/config/";

// The looks of the hand-written tests/data/config/scheme.expected.
TLooks SampleLooks()
{
    TLooks looks;
    looks[LcToday] = {0x00123456, AlignRight, "Тахома", 12, 0x0000FF, FontBold | FontItalic | FontUnderline};
    looks[LcDate] = {clBtnFace, AlignCenter, "MS Sans Serif", 8, clWindowText, FontBold};
    looks[LcDayOfWeek] = {0xF0CAA6, AlignLeft, "Arial", 9, 0x80000019, FontStrikeOut};
    looks[LcWis] = {clGrayText, AlignLeft, "Times New Roman", 14, 0x800000, FontItalic};
    looks[LcEvt] = {clBlack, AlignLeft, "Courier New", 10, clAqua, 0};
    return looks;
}

// Looks unlike any scheme's, so that a field left alone shows.
TLooks StartLooks()
{
    TLooks looks;
    looks.fill({0x777777, AlignCenter, "Start", 77, 0x777777, FontStrikeOut});
    return looks;
}

struct Recorder : ConfigObserver {
    std::vector<int> objects;
    void SchemeObjectLoaded(int object) override { objects.push_back(object); }
};

TEST(Schemes, SavedFileHasTheSchemeLayoutAndReadsBack)
{
    TempFolder dir;
    Journal journal;
    ASSERT_TRUE(SaveScheme(SampleLooks(), dir.folder(), "Морская", journal).ok());
    EXPECT_EQ(ReadBytes(dir / "Морская.sch"), ReadBytes(kData + "scheme.expected"));

    TLooks looks = StartLooks();
    Recorder recorder;
    EXPECT_TRUE(LoadScheme(looks, dir.folder(), "Морская", journal, &recorder));
    EXPECT_EQ(looks, SampleLooks());
    EXPECT_EQ(recorder.objects, (std::vector<int>{LcToday, LcDate, LcDayOfWeek, LcWis, LcEvt}));
    EXPECT_TRUE(journal.Lines().empty());
}

TEST(Schemes, ListHoldsSchemeFilesOnlySorted)
{
    TempFolder dir;
    for (const char* file : {"b.sch", "a.sch", "Ц.sch", "notes.txt", "upper.SCH", ".sch", "a.sch.bak"}) {
        WriteBytes(dir / file, "");
    }
    std::filesystem::create_directory(dir / "folder.sch");
    EXPECT_EQ(ListSchemes(dir.folder()), (std::vector<std::string>{"a", "b", "Ц"}));
    EXPECT_TRUE(ListSchemes(dir / "missing/").empty());
}

TEST(Schemes, SchemeThatCannotBeOpenedChangesNothing)
{
    TempFolder dir;
    Journal journal;
    TLooks looks = StartLooks();
    EXPECT_FALSE(LoadScheme(looks, dir.folder(), "Нет такой", journal, nullptr));
    EXPECT_FALSE(LoadScheme(looks, dir.folder(), "", journal, nullptr));
    EXPECT_EQ(looks, StartLooks());
    EXPECT_EQ(journal.Lines(), std::vector<std::string>{"Невозможно открыть цветовую схемуНет такой"});
}

TEST(Schemes, FailedSaveKeepsTheOldFile)
{
    TempFolder dir;
    Journal journal;
    TLooks looks = SampleLooks();
    looks[LcWis].FontName = "微软雅黑";
    WriteBytes(dir / "old.sch", "old");
    const SaveResult unencodable = SaveScheme(looks, dir.folder(), "old", journal);
    EXPECT_EQ(unencodable.status, SaveResult::Unencodable);
    EXPECT_EQ(unencodable.unmappable, "微软雅黑");
    EXPECT_EQ(ReadBytes(dir / "old.sch"), "old");
    EXPECT_EQ(SaveScheme(SampleLooks(), dir / "missing/", "new", journal).status, SaveResult::WriteFailed);
    EXPECT_EQ(journal.Lines(), std::vector<std::string>(2, "Невозможно сохранить цветовую схему"));
}

// Each file under tests/data/config/broken/ says on its first line what is
// wrong with it. Fields that cannot be read keep the looks they had.
TEST(Schemes, BrokenSchemesKeepWhatCannotBeRead)
{
    struct Case {
        const char* name;
        std::vector<int> reportedLines;
        std::function<void(TLooks& expected, const TLooks& start)> keep;
    };
    const TLooks start = StartLooks();
    const Case cases[] = {
        {"bad_size", {12}, [](TLooks& e, const TLooks& s) { e[LcDate].FontSize = s[LcDate].FontSize; }},
        {"bad_colours",
         {23, 34},
         [](TLooks& e, const TLooks& s) {
             e[LcWis].Color = s[LcWis].Color;
             e[LcEvt].FontColor = s[LcEvt].FontColor;
         }},
        {"out_of_range_size",
         {5, 26},
         [](TLooks& e, const TLooks& s) {
             e[LcToday].FontSize = s[LcToday].FontSize;
             e[LcWis].FontSize = s[LcWis].FontSize;
         }},
        {"header_only", {2}, [](TLooks& e, const TLooks& s) { e = s; }},
        {"short",
         {11},
         [](TLooks& e, const TLooks& s) {
             const TObjectLook date = e[LcDate];
             e = s;
             e[LcToday] = SampleLooks()[LcToday];
             e[LcDate].Color = date.Color;
             e[LcDate].Alignment = date.Alignment;
         }},
        // The name is cut at 99 characters; its rest is read as the size, and
        // the lines after it move up one place.
        {"long_font_name",
         {33},
         [](TLooks& e, const TLooks& s) {
             e[LcEvt].FontName = std::string(99, 'X');
             e[LcEvt].FontSize = s[LcEvt].FontSize;
             e[LcEvt].FontColor = 10;
             e[LcEvt].FontStyle = 0;
         }},
        {"no_final_line_end", {}, [](TLooks&, const TLooks&) {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Journal journal;
        TLooks looks = start;
        EXPECT_TRUE(LoadScheme(looks, kData + "broken/", c.name, journal, nullptr));
        TLooks expected = SampleLooks();
        c.keep(expected, start);
        for (int object = 0; object < LookObjectCount; ++object) {
            SCOPED_TRACE(LookObjectName(object));
            EXPECT_EQ(looks[object], expected[object]);
        }
        ASSERT_EQ(journal.Lines().size(), c.reportedLines.size());
        for (std::size_t i = 0; i < c.reportedLines.size(); ++i) {
            const std::string prefix = "Цветовая схема " + std::string(c.name) + ", строка " +
                                       std::to_string(c.reportedLines[i]) + ": ";
            EXPECT_TRUE(journal.Lines()[i].starts_with(prefix)) << journal.Lines()[i];
        }
    }
}

} // namespace
} // namespace orvenda
