#include "engine/spreadsheet/template_reader.h"
#include "engine/spreadsheet/workbook.h"
#include "engine/spreadsheet/workbook_writer.h"

#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace orvenda::sheet {
namespace {

std::string TextAt(const Sheet& sheet, int row, int column)
{
    const Cell* cell = sheet.Find(row, column);
    return cell ? ValueText(cell->Value) : std::string();
}

// A sheet as a report finds it: a framed row 2 with a merge, a tall row 3,
// a merge across rows 3 and 4, and a picture below.
Workbook SmallBook()
{
    Workbook book;
    Sheet& s = book.AddSheet("Первый");
    book.WriteCell(1, 1, "заголовок");
    book.WriteCell(2, 1, "1");
    book.WriteCell(2, 2, "текст");
    book.SetEdge({2, 1, 2, 3}, BottomEdge, Line::Thin);
    book.Merge({2, 2, 2, 3});
    s.RowHeights[2] = 18;
    book.Merge({3, 5, 4, 5});
    book.InsertPicture("a.bmp", "Picture 1", 6, 2);
    return book;
}

TEST(Workbook, DuplicateRowCopiesTheRowAndMovesEverythingBelow)
{
    Workbook book = SmallBook();
    book.DuplicateRow(2);
    const Sheet& s = book.CurrentSheet();
    EXPECT_EQ(TextAt(s, 3, 1), "1");
    EXPECT_EQ(TextAt(s, 3, 2), "текст");
    EXPECT_EQ(s.Find(3, 3)->Style.Borders[BottomEdge], Line::Thin);
    EXPECT_EQ(s.RowHeights.at(3), 18);
    EXPECT_EQ(s.RowHeights.at(7), 22); // the picture's row moved with it
    const std::vector<CellRange> merges{{2, 2, 2, 3}, {4, 5, 5, 5}, {3, 2, 3, 3}};
    EXPECT_EQ(s.Merges, merges);
    EXPECT_EQ(s.Pictures.at(0).Row, 7);

    // A merge reaching across the new row grows by one.
    book.DuplicateRow(4);
    EXPECT_EQ(book.CurrentSheet().Merges[1], (CellRange{4, 5, 6, 5}));
    EXPECT_EQ(book.CurrentSheet().Pictures.at(0).Row, 8);
}

TEST(Workbook, CellsTakeNumbersAsTheSpreadsheetDoesAndRangesFormatTheirEdges)
{
    Workbook book;
    book.AddSheet("Лист");
    book.WriteCell(1, 1, "2017");
    book.WriteCell(1, 2, "-5");
    book.WriteCell(1, 3, "07.03.1965  14:30");
    book.WriteCell(1, 4, "1234567890123456789"); // would lose digits as a number
    EXPECT_FALSE(book.WriteCell(0, 1, "x"));
    EXPECT_FALSE(book.WriteCell(1, kMaxColumns + 1, "x"));
    const Sheet& s = book.CurrentSheet();
    EXPECT_TRUE(std::holds_alternative<double>(s.Find(1, 1)->Value));
    EXPECT_TRUE(std::holds_alternative<double>(s.Find(1, 2)->Value));
    EXPECT_TRUE(std::holds_alternative<std::string>(s.Find(1, 3)->Value));
    EXPECT_EQ(TextAt(s, 1, 4), "1234567890123456789");

    book.SetEdge({2, 2, 4, 3}, LeftEdge, Line::Medium);
    EXPECT_EQ(s.Find(4, 2)->Style.Borders[LeftEdge], Line::Medium);
    EXPECT_EQ(s.Find(2, 3), nullptr); // only the range's own edge

    book.Merge({1, 1, 1, 2});
    EXPECT_EQ(TextAt(s, 1, 1), "2017");
    EXPECT_EQ(TextAt(s, 1, 2), ""); // the merged-away value is gone
    EXPECT_EQ(RangeText({6, 13, 7, 16}), "M6:P7");
    EXPECT_EQ(ColumnName(28), "AB");

    EXPECT_FALSE(book.InteriorColour(9, 9));
    book.SetInteriorColour(9, 9, Rgb{1, 2, 3});
    EXPECT_EQ(book.InteriorColour(9, 9), (Rgb{1, 2, 3}));
    EXPECT_FALSE(book.SetCurrentSheet(2));
    EXPECT_EQ(book.CurrentSheetNumber(), 1);
}

TEST(Workbook, WhatIsWrittenReadsBack)
{
    test::TempFolder folder;
    Workbook book = SmallBook();
    Sheet& s = book.CurrentSheet();
    CellStyle& style = s.At(1, 1).Style;
    style.FontName = "DejaVu Sans";
    style.FontSize = 14;
    style.Bold = true;
    style.Italic = true;
    style.FontColour = Rgb{0, 0, 0};
    style.Fill = Rgb{254, 192, 65};
    style.Horizontal = HAlign::Centre;
    style.Vertical = VAlign::Top;
    style.Wrap = true;
    s.ColumnWidths[2] = 12.5;
    book.AddSheet("Второй");
    book.SetCurrentSheet(2);
    book.WriteCell(3, 4, "2.5");
    book.WriteNumber(3, 5, 2.5);

    const std::string path = folder.folder() + "book.xlsx";
    const WriteResult written = WriteWorkbook(book, path);
    ASSERT_TRUE(written.Ok) << written.Error;
    // The picture file does not exist: said, and the rest is written.
    EXPECT_EQ(written.Warnings.size(), 1u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.folder()), {}),
              1); // no temporary left

    const OpenResult read = OpenTemplate(path);
    ASSERT_TRUE(read.Book) << read.Error;
    ASSERT_EQ(read.Book->Sheets.size(), 2u);
    EXPECT_EQ(read.Book->CurrentSheetNumber(), 1);
    const Sheet& first = read.Book->Sheets[0];
    EXPECT_EQ(first.Name, "Первый");
    EXPECT_EQ(TextAt(first, 1, 1), "заголовок");
    EXPECT_EQ(TextAt(first, 2, 1), "1");
    EXPECT_EQ(first.Find(1, 1)->Style, style);
    EXPECT_EQ(first.Find(2, 1)->Style.Borders[BottomEdge], Line::Thin);
    EXPECT_EQ(first.Merges.size(), 2u);
    EXPECT_EQ(first.RowHeights.at(2), 18);
    EXPECT_NEAR(first.ColumnWidths.at(2), 12.5, 0.1);
    EXPECT_EQ(TextAt(read.Book->Sheets[1], 3, 4), "2.5");
    EXPECT_EQ(TextAt(read.Book->Sheets[1], 3, 5), "2.5");
}

TEST(Workbook, BrokenTemplatesAreRefusedWithAReason)
{
    test::TempFolder folder;
    const std::string text = folder.folder() + "text.xlsx";
    std::ofstream(text) << "не книга";
    const std::string empty = folder.folder() + "empty.xlsx";
    std::ofstream(empty).flush();
    const struct {
        std::string path;
        const char* error;
    } cases[] = {
        {folder.folder() + "missing.xlsx", "файл не найден"},
        {folder.folder(), "файл не является книгой .xlsx"},
        {text, "файл не является книгой .xlsx"},
        {empty, "файл не является книгой .xlsx"},
    };
    for (const auto& c : cases) {
        const OpenResult read = OpenTemplate(c.path);
        EXPECT_FALSE(read.Book) << c.path;
        EXPECT_EQ(read.Error, c.error) << c.path;
    }
    // A folder that cannot take the file: the old file is kept, the reason given.
    const std::string nowhere = folder.folder() + "no/such/folder/book.xlsx";
    const WriteResult written = WriteWorkbook(SmallBook(), nowhere);
    EXPECT_FALSE(written.Ok);
    EXPECT_NE(written.Error.find("no/such/folder/book.xlsx"), std::string::npos);
    EXPECT_EQ(written.Error, "Файл " + nowhere + " не сохранён: " + std::strerror(ENOENT));
}

} // namespace
} // namespace orvenda::sheet
