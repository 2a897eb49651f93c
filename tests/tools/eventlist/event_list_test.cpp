#include "tools/eventlist/event_list.h"

#include "engine/date_format.h"
#include "engine/principles.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

namespace {

using namespace orvenda;

TDateRec Term(std::string_view text)
{
    return ReadDate(text, DayFirst, UnsetDateTime);
}

TEST(EventListTest, AddsValidTermsOnlyAndKeepsInsertionOrder)
{
    EventList list;
    EXPECT_FALSE(list.IsOpen());
    EXPECT_FALSE(list.Add(Term("7.3"), "без года"));
    EXPECT_FALSE(list.Add(Term("31.4.2000"), "31 апреля"));
    EXPECT_FALSE(list.IsOpen());
    EXPECT_TRUE(list.Add(Term("7.3.1965 14:30"), "Б"));
    EXPECT_TRUE(list.Add(Term("7.3.1965"), "А"));
    EXPECT_TRUE(list.Add(Term("1.1.2000 24:00"), "час 24 не время"));
    ASSERT_EQ(list.Size(), 3u);
    EXPECT_EQ(list.Records()[0], (EvtListRecord{"07.03.1965  14:30", "Б"}));
    EXPECT_EQ(list.Records()[1], (EvtListRecord{"07.03.1965", "А"}));
    EXPECT_EQ(list.Records()[2].datetime, "01.01.2000");
    EXPECT_TRUE(list.Modified());

    list.Delete(0);
    list.Delete(7);
    EXPECT_EQ(list.Records().front().event, "А");
    list.Clear();
    EXPECT_TRUE(list.Empty());
    EXPECT_TRUE(list.IsOpen());
    EXPECT_FALSE(list.Modified());
}

// Each test has a folder of its own: ctest runs them in parallel processes.
class EvtListFileTest : public ::testing::Test {
protected:
    test::TempFolder m_folder{"orvenda_evtlist"};
};

TEST_F(EvtListFileTest, SavedListReadsBackWithAndWithoutTimes)
{
    EventList list;
    list.Add(Term("7.3.1965"), "Без времени");
    list.Add(Term("7.3.1965 14:30"), "С временем");
    list.Add(Term("9.12.2026 0:05"), "Пять минут первого");
    list.Add(Term("15.3.-44"), "До нашей эры");
    const std::string path = m_folder / "list.evl";
    ASSERT_TRUE(SaveEvtListFile(path, list).ok());
    EXPECT_EQ(test::ReadBytes(path), Utf8ToCp1251("[fixed events list]\r\n"
                                                  "1965.03.07       Без времени\r\n"
                                                  "1965.03.07_14:30 С временем\r\n"
                                                  "2026.12.09_0:05 Пять минут первого\r\n"
                                                  "-44.03.15       До нашей эры\r\n")
                                         .bytes);

    EventList loaded;
    const ImportResult result = ImportEvtListFile(path, loaded);
    EXPECT_EQ(result.format, EvtListFormat::List);
    EXPECT_EQ(result.added, 4u);
    EXPECT_EQ(loaded.Records(), list.Records());
    EXPECT_FALSE(loaded.Modified());

    // Loading again appends to the list as it stands.
    EXPECT_FALSE(ImportEvtListFile(path, loaded).readFailed);
    EXPECT_EQ(loaded.Size(), 8u);
    EXPECT_TRUE(loaded.Modified());
}

TEST_F(EvtListFileTest, TextOutsideWindows1251IsSavedAsUtf8Whole)
{
    EventList list;
    list.Add(Term("1.1.2000"), "日本 ✓");
    const std::string path = m_folder / "wide.evl";
    ASSERT_TRUE(SaveEvtListFile(path, list).ok());
    EventList loaded;
    EXPECT_FALSE(ImportEvtListFile(path, loaded).readFailed);
    EXPECT_EQ(loaded.Records(), list.Records());
}

TEST(EntryCharacteristicsTest, MinutePictureAndHints)
{
    struct Case {
        const char* datetime;
        int minute;
    };
    for (const Case& c :
         {Case{"07.03.1965", 0}, Case{"07.03.1965  14:30", 30}, Case{"07.03.1965  14:00", 60}}) {
        const EntryPictures pictures = EntryCharacteristics({c.datetime, ""});
        EXPECT_EQ(pictures[7].number, c.minute) << c.datetime;
        EXPECT_EQ(pictures[7].hint, std::to_string(c.minute)) << c.datetime;
        EXPECT_EQ(pictures[6], (EntryPicture{PictureKind::Principle, 0, "0"}));
    }
    const EntryPictures p = EntryCharacteristics({"07.03.1965", ""});
    EXPECT_EQ(p[8].kind, PictureKind::Zodiak);
    EXPECT_EQ(p[8].hint, "Рыбы 21.02 - 20.03");
    EXPECT_EQ(EntryPictureFile(p[8]), "Img/Zodiak/12.bmp");
    EXPECT_EQ(EntryPictureFile(p[7]), "Img/Principles/00.bmp");
    EXPECT_EQ(p[3].kind, PictureKind::Energy);
}

TEST(LinksGridTest, StarsAreSeparatedByCommasAndBlanksOnly)
{
    EXPECT_EQ(StarNumbers("5, 7"), (std::vector<int>{5, 7}));
    EXPECT_EQ(StarNumbers("5;7"), (std::vector<int>{57}));
    EXPECT_EQ(StarNumbers("3,4,5,6,7,9"), (std::vector<int>{3, 4, 5, 6, 7, 9}));
    EXPECT_EQ(StarNumbers("4 361 99999999999999 x"), (std::vector<int>{4}));

    const LinksGrid grid = MakeLinksGrid(14, StarNumbers("5, 7"));
    EXPECT_EQ(grid.columns, 8);
    EXPECT_EQ(grid.rows, 3);
    EXPECT_EQ(grid.starOfRow, (std::vector<int>{0, 5, 7}));
    for (int k = 1; k < 8; ++k) {
        EXPECT_EQ(grid.Cell(1, k), k <= 5 ? LinkedPrinciple(14, 5, k) : 0) << k;
        EXPECT_EQ(grid.Cell(2, k), LinkedPrinciple(14, 7, k)) << k;
    }
    const LinksGrid single = MakeLinksGrid(14, StarNumbers("5;7"));
    EXPECT_EQ(single.columns, 58);
    EXPECT_EQ(single.rows, 2);
    const LinksGrid none = MakeLinksGrid(14, StarNumbers(""));
    EXPECT_EQ(none.columns, 2);
    EXPECT_EQ(none.rows, 1);
    EXPECT_EQ(LinksCaption(61), "");
}

} // namespace
