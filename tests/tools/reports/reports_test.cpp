#include "tools/reports/report_file.h"
#include "tools/reports/report_layout.h"
#include "tools/reports/reports.h"

#include "engine/date.h"
#include "engine/principles.h"
#include "engine/spreadsheet/template_reader.h"
#include "engine/spreadsheet/workbook_writer.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

namespace orvenda::reports {
namespace {

using sheet::Line;

// The templates are made by the build into the program folder.
const std::string kProgram = ORVENDA_PROGRAM_DIR;

std::string At(const sheet::Workbook& book, int sheetNumber, int row, int column)
{
    const sheet::Cell* cell = book.Sheets.at(static_cast<std::size_t>(sheetNumber - 1)).Find(row, column);
    return cell ? sheet::ValueText(cell->Value) : std::string();
}

TEST(BirthdayReport, WritesTheRowsTheYearsAndTheFrames)
{
    const ReportResult report = BirthdayReport(kProgram, 1890, 2017);
    ASSERT_TRUE(report.Book) << report.Error;
    const sheet::Workbook& b = *report.Book;
    EXPECT_EQ(At(b, 1, 8, 13), "1890");
    EXPECT_EQ(At(b, 1, 8, 16), "1986");
    EXPECT_EQ(At(b, 1, 8, 17), "");
    EXPECT_EQ(At(b, 1, 39, 13), "1921");
    EXPECT_EQ(At(b, 1, 39, 16), "2017");
    EXPECT_EQ(At(b, 1, 40, 1), "");
    // The month values run on: January of each row continues December of the
    // row before, and 1890 starts where the day principle of 1.1.1890 stands.
    EXPECT_EQ(At(b, 1, 8, 1), std::to_string(BirthdayStartValue(1890)));
    EXPECT_EQ(DayPrinciple(MakeDate(1890, 1, 1)), 2 + BirthdayStartValue(1890));
    const sheet::Sheet& s = b.Sheets[0];
    EXPECT_EQ(s.Find(8, 13)->Style.Borders[sheet::LeftEdge], Line::Medium);
    EXPECT_EQ(s.Find(39, 17)->Style.Borders[sheet::LeftEdge], Line::Thin);
    EXPECT_EQ(s.Find(39, 16)->Style.Borders[sheet::BottomEdge], Line::Thin);
    EXPECT_NE(std::find(s.Merges.begin(), s.Merges.end(), sheet::CellRange{6, 13, 7, 16}), s.Merges.end());

    // One year, one row; a reversed range is read in order.
    const ReportResult one = BirthdayReport(kProgram, 2006, 2006);
    ASSERT_TRUE(one.Book);
    EXPECT_EQ(At(*one.Book, 1, 8, 13), "2006");
    EXPECT_EQ(At(*one.Book, 1, 9, 1), "");
    const ReportResult reversed = BirthdayReport(kProgram, 2017, 1890);
    ASSERT_TRUE(reversed.Book);
    EXPECT_EQ(At(*reversed.Book, 1, 39, 16), "2017");

    // 13 year columns end at column Z; a 14th is refused.
    EXPECT_TRUE(BirthdayReport(kProgram, 1, 416).Book);
    const ReportResult wide = BirthdayReport(kProgram, 1, 417);
    EXPECT_FALSE(wide.Book);
    EXPECT_NE(wide.Error.find("416"), std::string::npos);
    const ReportResult huge = BirthdayReport(kProgram, INT32_MIN, INT32_MAX);
    EXPECT_FALSE(huge.Book);
}

TEST(CalendarReport, PutsEachDayInItsPrincipleRowAndWeekdayColumnInTheMonthsColour)
{
    PrincipleColours colours;
    colours.Colours[MonthPrinciple(MakeDate(2006, 1, 1)) % 10] = Rgb{1, 2, 3};
    const ReportResult report = CalendarReport(kProgram, 2006, colours);
    ASSERT_TRUE(report.Book) << report.Error;
    const sheet::Workbook& b = *report.Book;
    const sheet::Sheet& s = b.Sheets[0];
    EXPECT_EQ(At(b, 1, 1, 20), "2006");
    // 1.1.2006 is a Sunday: column 4, in the row of its day principle.
    const int row = [](int p) {
        return 5 + (p <= 10 ? p - 2 : p <= 30 ? p - 14 : p - 26);
    }(DayPrinciple(MakeDate(2006, 1, 1)));
    EXPECT_EQ(At(b, 1, row, 4), "1");
    EXPECT_EQ(s.Find(row, 4)->Style.FontColour, (Rgb{1, 2, 3}));
    EXPECT_EQ(s.Find(30, 4)->Style.FontColour, (Rgb{1, 2, 3}));
    EXPECT_EQ(b.InteriorColour(30, 6), (Rgb{1, 2, 3}));
    // 1.5.2006, a Monday, opens the second band.
    const int mayRow = [](int p) {
        return 5 + (p <= 10 ? p - 2 : p <= 30 ? p - 14 : p - 26);
    }(DayPrinciple(MakeDate(2006, 5, 1)));
    EXPECT_EQ(At(b, 1, mayRow, 13), "1");
    // 365 days in 72 bands' cells, none shared within four months.
    int days = 0;
    for (int r = 6; r <= 29; ++r)
        for (int c = 4; c <= 26; ++c)
            if (c != 11 && c != 19 && !At(b, 1, r, c).empty())
                ++days;
    EXPECT_EQ(days, 365);
    ASSERT_EQ(s.Pictures.size(), 12u);
    EXPECT_EQ(s.Pictures[11].Name, "Picture 12");
    EXPECT_EQ(s.Pictures[11].Column, 26);
    EXPECT_EQ(s.Pictures[11].Row, 33);

    // With the template's colours, the days take the colour of the
    // template's fill cell, whatever the panels say.
    colours.ByMonthColour = false;
    const ReportResult templ = CalendarReport(kProgram, 2006, colours);
    ASSERT_TRUE(templ.Book);
    EXPECT_EQ(templ.Book->Sheets[0].Find(row, 4)->Style.FontColour, templ.Book->InteriorColour(30, 6));
    EXPECT_NE(templ.Book->InteriorColour(30, 6), (Rgb{1, 2, 3}));

    EXPECT_FALSE(CalendarReport(kProgram, 0, colours).Book);
    const ReportResult missing = CalendarReport(std::string("/nonexistent/"), 2006, colours);
    EXPECT_EQ(missing.Error,
              "Ошибка при открытии таблицы /nonexistent/Template/kala_day.xlsx: файл не найден");
}

TEST(CalendarReport, LightMonthColoursGetADarkGround)
{
    // Of the ten panels, the white and yellow ones and the pale red would
    // vanish on white.
    const PrincipleColours colours;
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(NeedsDarkGround(colours.Colours[static_cast<std::size_t>(k)]),
                  k == 0 || k == 2 || k == 3 || k == 4 || k == 5)
            << "panel " << k;
    const ReportResult report = CalendarReport(kProgram, 2006, colours);
    ASSERT_TRUE(report.Book) << report.Error;
    const sheet::Sheet& s = report.Book->Sheets[0];
    // The first day of every month and the month's legend name.
    for (int month = 1; month <= 12; ++month) {
        const TDateRec first = MakeDate(2006, month, 1);
        const int p = DayPrinciple(first);
        const int row = 5 + (p <= 10 ? p - 2 : p <= 30 ? p - 14 : p - 26);
        const int column = 3 + WeekdayNumber(first, "sunday") + (month - 1) / 4 * 8;
        const bool light = NeedsDarkGround(colours.ForPrinciple(MonthPrinciple(first)));
        for (const sheet::Cell* cell :
             {s.Find(row, column), s.Find(kMonthLegend[month - 1].Row, kMonthLegend[month - 1].FontColumn)}) {
            ASSERT_TRUE(cell);
            EXPECT_EQ(cell->Style.Fill.has_value(), light) << "month " << month;
        }
    }
}

TEST(ListReport, ListsTheEntriesWithTheirCharacteristicsAndCounts)
{
    const std::vector<EvtListRecord> one{{"07.03.1965", "Один"}};
    const ReportResult single = ListReport(kProgram, one);
    ASSERT_TRUE(single.Book) << single.Error;
    EXPECT_EQ(At(*single.Book, 1, 4, 2), "07.03.1965");
    EXPECT_EQ(At(*single.Book, 1, 8, 1), "1");
    EXPECT_EQ(At(*single.Book, 1, 8, 3), std::to_string(YearPrinciple(1965)));
    EXPECT_EQ(At(*single.Book, 1, 8, 10), ""); // no time
    EXPECT_EQ(single.Book->Sheets[0].Pictures.size(), 8u);

    const std::vector<EvtListRecord> three{
        {"07.03.1965  14:30", "Первое"}, {"01.01.2000  00:00", "Второе"}, {"31.12.1999", "Третье"}};
    const ReportResult report = ListReport(kProgram, three);
    ASSERT_TRUE(report.Book);
    const sheet::Workbook& b = *report.Book;
    for (int s = 0; s < 3; ++s) {
        EXPECT_EQ(At(b, 1, 4 + s, 1), std::to_string(s + 1));
        EXPECT_EQ(At(b, 1, 4 + s, 4), three[static_cast<std::size_t>(s)].event);
        EXPECT_EQ(At(b, 1, 10 + s, 1), std::to_string(s + 1));
    }
    EXPECT_EQ(At(b, 1, 10, 10), "30");
    EXPECT_EQ(At(b, 1, 11, 10), "0");
    EXPECT_EQ(At(b, 1, 12, 10), "");
    // The copied rows keep the template's merges and frames.
    const sheet::Sheet& s = b.Sheets[0];
    EXPECT_NE(std::find(s.Merges.begin(), s.Merges.end(), sheet::CellRange{6, 4, 6, 13}), s.Merges.end());
    EXPECT_EQ(s.Find(12, 13)->Style.Borders[sheet::BottomEdge], Line::Thin);
    // Pictures: 9 for timed entries, 8 without a time; numbered in order,
    // minute 0 shows principle 60.
    ASSERT_EQ(s.Pictures.size(), 26u);
    EXPECT_EQ(s.Pictures[25].Name, "Picture 26");
    EXPECT_NE(s.Pictures[15].File.find("Principles/60.bmp"), std::string::npos);
    EXPECT_NE(s.Pictures[3].File.find("Energy/"), std::string::npos);

    int years = 0;
    for (int p = 1; p <= 60; ++p)
        years += std::stoi(At(b, 2, 5, p + 1));
    EXPECT_EQ(years, 3);
    EXPECT_EQ(At(b, 2, 5, YearPrinciple(1965) + 1), "1");
    int signs = 0;
    for (int z = 1; z <= 12; ++z)
        signs += std::stoi(At(b, 3, 6, z + 1));
    EXPECT_EQ(signs, 3);
}

TEST(ReportFile, SavesIntoTheReportFolderUnderTheNameAndMoment)
{
    test::TempFolder folder;
    const std::string path =
        ReportPath(folder.folder(), kCalendarReportName, TDateRec{2006, 3, 2, 9, 5, 7, 0});
    EXPECT_EQ(path, folder.folder() + "Report/Принципы дней 2006-03-02 09-05-07.xlsx");
    const ReportResult report = BirthdayReport(kProgram, 2000, 2001);
    ASSERT_TRUE(report.Book);
    EXPECT_FALSE(SaveReport(*report.Book, path).Ok); // only Report/ is made when missing
    const SavedReport saved = SaveReport(*report.Book, path, true);
    ASSERT_TRUE(saved.Ok) << saved.Error;
    EXPECT_TRUE(std::filesystem::is_regular_file(path));
    EXPECT_NE(NotOpenedMessage(path).find("Ошибка при открытии таблицы " + path), std::string::npos);
}

TEST(OwnTemplate, IsCopiedOnceAndTheReportsThenReadTheUsersColours)
{
    test::TempFolder user;
    const ReportFolders folders(user.folder(), kProgram);
    EXPECT_EQ(folders.Template("kala_day.xlsx"), kProgram + "Template/kala_day.xlsx");

    // The first opening copies the delivered template among the user's files.
    const UserTemplate own = OwnTemplate(folders, "kala_day.xlsx");
    ASSERT_EQ(own.Error, "");
    EXPECT_EQ(own.Path, user.folder() + "Template/kala_day.xlsx");
    EXPECT_EQ(folders.Template("kala_day.xlsx"), own.Path);

    // The user recolours January; the report with the template's colours takes it.
    sheet::OpenResult opened = sheet::OpenTemplate(own.Path);
    ASSERT_TRUE(opened.Book) << opened.Error;
    opened.Book->SetInteriorColour(kMonthLegend[0].Row, kMonthLegend[0].FillColumn, Rgb{10, 20, 30});
    ASSERT_TRUE(sheet::WriteWorkbook(*opened.Book, own.Path).Ok);
    EXPECT_EQ(OwnTemplate(folders, "kala_day.xlsx").Path, own.Path); // not copied over
    PrincipleColours colours;
    colours.ByMonthColour = false;
    const ReportResult report = CalendarReport(folders, 2006, colours);
    ASSERT_TRUE(report.Book) << report.Error;
    EXPECT_EQ(report.Book->InteriorColour(kMonthLegend[0].Row, kMonthLegend[0].FillColumn),
              (Rgb{10, 20, 30}));

    // Nothing delivered: nothing to copy, and said so.
    test::TempFolder empty;
    const UserTemplate none = OwnTemplate(ReportFolders(user.folder(), empty.folder()), "kala_listevt.xlsx");
    EXPECT_EQ(none.Error, "Ошибка при открытии таблицы " + empty.folder() + "Template/kala_listevt.xlsx");
}

} // namespace
} // namespace orvenda::reports
