// Makes the three report templates and writes them into the program folder's
// Template/:
//   kala_day_years.xlsx  the birthday principle table and its second table
//   kala_day.xlsx        the day principle calendar of a year
//   kala_listevt.xlsx    the event list: list and characteristics, counts by
//                        principle, counts by sign
// The cells the reports write into are framed and formatted here; the
// reports only fill them. Users may recolour the templates in their
// spreadsheet program; the calendar reads its month colours back.
//
// Usage: make_templates <Template folder>

#include "engine/date.h"
#include "engine/principles.h"
#include "engine/spreadsheet/workbook.h"
#include "engine/spreadsheet/workbook_writer.h"
#include "engine/zodiac.h"
#include "tools/reports/report_layout.h"

#include <cstdio>
#include <string>

namespace orvenda {
namespace {

using namespace sheet;
using namespace reports;

constexpr Rgb kHeaderFill{221, 231, 242};
constexpr Rgb kBandFill{242, 242, 242};
constexpr Rgb kTitleColour{31, 56, 100};

CellStyle Text(double size = 10, bool bold = false)
{
    CellStyle s;
    s.FontSize = size;
    s.Bold = bold;
    return s;
}

CellStyle Title()
{
    CellStyle s = Text(14, true);
    s.FontColour = kTitleColour;
    return s;
}

CellStyle Framed(CellStyle s)
{
    for (Line& b : s.Borders)
        b = Line::Thin;
    return s;
}

CellStyle Centred(CellStyle s)
{
    s.Horizontal = HAlign::Centre;
    s.Vertical = VAlign::Centre;
    return s;
}

CellStyle Header()
{
    CellStyle s = Framed(Centred(Text(10, true)));
    s.Fill = kHeaderFill;
    s.Wrap = true;
    return s;
}

void Put(Sheet& sheet, int row, int column, CellValue value, const CellStyle& style)
{
    Cell& cell = sheet.At(row, column);
    cell.Value = std::move(value);
    cell.Style = style;
}

void Fill(Sheet& sheet, const CellRange& range, const CellStyle& style)
{
    for (int r = range.FirstRow; r <= range.LastRow; ++r)
        for (int c = range.FirstColumn; c <= range.LastColumn; ++c)
            sheet.At(r, c).Style = style;
}

void MergedText(Sheet& sheet, const CellRange& range, const std::string& text, const CellStyle& style)
{
    Fill(sheet, range, style);
    sheet.At(range.FirstRow, range.FirstColumn).Value = text;
    sheet.Merges.push_back(range);
}

Workbook BirthdayTemplate()
{
    Workbook book;
    Sheet& s = book.AddSheet("Дни рождения");
    s.FitPagesWide = 1;
    Put(s, 1, 1, std::string("Вычисление дня рождения, соответствующего принципу по Калачакре"), Title());
    Put(s, 2, 1,
        std::string("Пересечение года и месяца рождения по таблице № 1 даёт номер строки в таблице № 2."),
        Text());
    Put(s, 3, 1, std::string("В этой строке находим день рождения. Принцип этой колонки и есть искомый."),
        Text());
    Put(s, 5, 1, std::string("Таблица № 1"), Text(12, true));
    s.RowHeights[1] = 20;

    // The months' heading; the years' heading is merged by the report over
    // as many columns as it has years.
    MergedText(s, {6, 1, 6, 12}, "Месяцы", Header());
    for (int m = 1; m <= 12; ++m)
        Put(s, 7, m, double(m), Header());
    CellStyle years = Centred(Text(10, true));
    years.Fill = kHeaderFill;
    Put(s, kBirthdayYearsHeadingRow, kBirthdayYearColumn, std::string("Годы"), years);
    Fill(s, {7, kBirthdayYearColumn, 7, kBirthdayYearColumn + kBirthdayMaxYearColumns - 1}, years);
    // The row numbers of table 1 that lead into table 2.
    Fill(s, {kBirthdayFirstRow, 1, kBirthdayFirstRow + kBirthdayMaxRows - 1, 12}, Centred(Text()));
    CellStyle year = Centred(Text(10, true));
    Fill(s,
         {kBirthdayFirstRow, kBirthdayYearColumn, kBirthdayFirstRow + kBirthdayMaxRows - 1,
          kBirthdayYearColumn + kBirthdayMaxYearColumns - 1},
         year);
    for (int c = 1; c <= 12; ++c)
        s.ColumnWidths[c] = 4.5;
    for (int c = kBirthdayYearColumn; c < kBirthdayYearColumn + kBirthdayMaxYearColumns; ++c)
        s.ColumnWidths[c] = 6.5;

    // Table 2: row e holds day d in the column of principle (d + e - 1) mod 24;
    // the days 25 to 31 share a column with the day 24 less, one line below.
    const int top = kBirthdayFirstRow + kBirthdayMaxRows + 2;
    Put(s, top, 1, std::string("Таблица № 2"), Text(12, true));
    Put(s, top + 1, 1, std::string("Строка"), Header());
    for (int k = 0; k < 24; ++k)
        Put(s, top + 1, k + 2, double(kDayPrinciples[k]), Header());
    for (int e = 1; e <= 24; ++e) {
        const int row = top + 2 * e;
        MergedText(s, {row, 1, row + 1, 1}, "", Header());
        s.At(row, 1).Value = double(e);
        CellStyle day = Centred(Text());
        day.Borders[LeftEdge] = day.Borders[RightEdge] = Line::Thin;
        CellStyle upper = day, lower = day;
        upper.Borders[TopEdge] = Line::Thin;
        lower.Borders[BottomEdge] = Line::Thin;
        lower.FontColour = Rgb{89, 89, 89};
        for (int k = 1; k <= 24; ++k) {
            s.At(row, k + 1).Style = upper;
            s.At(row + 1, k + 1).Style = lower;
        }
        for (int d = 1; d <= 31; ++d) {
            int column = (d + e - 1) % 24;
            if (column == 0)
                column = 24;
            s.At(d > 24 ? row + 1 : row, column + 1).Value = double(d);
        }
    }
    s.ColumnWidths.emplace(25, 4.5);
    return book;
}

// The colours the template gives the months until the user changes them.
constexpr Rgb kMonthColours[12] = {
    {31, 78, 160}, {0, 112, 192}, {0, 128, 64},  {112, 48, 160}, {192, 0, 0},  {226, 107, 10},
    {153, 102, 0}, {0, 128, 128}, {128, 0, 128}, {204, 0, 102},  {64, 64, 64}, {0, 51, 153},
};

Workbook CalendarTemplate()
{
    Workbook book;
    Sheet& s = book.AddSheet("Календарь");
    s.Landscape = true;
    s.FitPagesWide = 1;
    MergedText(s, {1, 1, 1, 18}, "Принципы дней по Калачакре на год", Title());
    CellStyle yearLabel = Title();
    yearLabel.Horizontal = HAlign::Right;
    Put(s, kCalendarYearRow, kCalendarYearColumn - 1, std::string("Год:"), yearLabel);
    CellStyle year = Title();
    year.Horizontal = HAlign::Left;
    MergedText(s, {kCalendarYearRow, kCalendarYearColumn, kCalendarYearRow, kCalendarYearColumn + 2}, "",
               year);
    s.At(kCalendarYearRow, kCalendarYearColumn).Value = std::monostate{};
    Put(s, 2, 2,
        std::string(
            "Число месяца стоит в строке принципа дня и в колонке дня недели; цвет числа — цвет месяца."),
        Text(9));
    s.RowHeights[1] = 20;

    static const char* const kBands[3] = {"Январь — Апрель", "Май — Август", "Сентябрь — Декабрь"};
    static const char* const kWeekdays[7] = {"Вс", "Пн", "Вт", "Ср", "Чт", "Пт", "Сб"};
    Put(s, 5, 2, std::string("Принцип дня"), Header());
    Put(s, 5, 3, std::string("№"), Header());
    MergedText(s, {4, 2, 4, 3}, "", Header());
    for (int band = 0; band < 3; ++band) {
        const int first = kCalendarFirstColumn + band * kCalendarBandWidth;
        MergedText(s, {4, first, 4, first + 6}, kBands[band], Header());
        for (int w = 0; w < 7; ++w)
            Put(s, 5, first + w, std::string(kWeekdays[w]), Header());
        if (band > 0)
            Put(s, 5, first - 1, std::string("№"), Header());
    }
    CellStyle day = Framed(Centred(Text(10, true)));
    CellStyle number = Framed(Centred(Text(9)));
    number.Fill = kBandFill;
    CellStyle name = Framed(Text(9));
    name.Fill = kBandFill;
    for (int k = 0; k < 24; ++k) {
        const int row = kCalendarFirstRow + k;
        const int p = kDayPrinciples[k];
        Put(s, row, 2, PrincipleName(p), name);
        for (int column : {3, 11, 19})
            Put(s, row, column, double(p), number);
        for (int band = 0; band < 3; ++band)
            for (int w = 0; w < 7; ++w)
                s.At(row, kCalendarFirstColumn + band * kCalendarBandWidth + w).Style = day;
    }

    // The legend: each month's name in its colour and a cell filled with it.
    Put(s, 30, 2, std::string("Цвета месяцев"), Text(10, true));
    for (int m = 1; m <= 12; ++m) {
        const MonthLegend& at = kMonthLegend[m - 1];
        CellStyle font = Text(10, true);
        font.FontColour = kMonthColours[m - 1];
        // The name takes the free cell to its right too.
        MergedText(s, {at.Row, at.FontColumn, at.Row, at.FontColumn + 1}, "", font);
        s.At(at.Row, at.FontColumn).Value = MonthName(m, MonthForm::Russian);
        CellStyle fill = Framed(Text());
        fill.Fill = kMonthColours[m - 1];
        Put(s, at.Row, at.FillColumn, std::monostate{}, fill);
    }

    // The month principles' pictures go into row 33 under the months' names.
    Put(s, 32, 2, std::string("Принципы месяцев"), Text(10, true));
    for (int m = 1; m <= 12; ++m)
        Put(s, 32, 2 * m + 2, MonthName(m, MonthForm::RussianShort), Centred(Text(9)));
    s.RowHeights[kCalendarPictureRow] = 22;

    s.ColumnWidths[1] = 1.5;
    s.ColumnWidths[2] = 22;
    for (int c = 3; c <= 26; ++c)
        s.ColumnWidths[c] = 4;
    return book;
}

Workbook ListTemplate()
{
    Workbook book;
    Sheet& s = book.AddSheet("Список");
    s.FitPagesWide = 1;
    MergedText(s, {1, 1, 1, 13}, "Список событий", Title());
    s.RowHeights[1] = 20;

    // The list: two framed rows that the report copies for longer lists.
    Put(s, 3, 1, std::string("№"), Header());
    MergedText(s, {3, 2, 3, 3}, "Дата и время", Header());
    MergedText(s, {3, 4, 3, 13}, "Событие", Header());
    CellStyle cell = Framed(Centred(Text()));
    CellStyle event = Framed(Text());
    event.Vertical = VAlign::Centre;
    for (int row = kListFirstRow; row <= kListFirstRow + 1; ++row) {
        Put(s, row, 1, std::monostate{}, cell);
        MergedText(s, {row, 2, row, 3}, "", cell);
        MergedText(s, {row, 4, row, 13}, "", event);
    }

    // The characteristics: pictures over the numbers, the number at the right.
    MergedText(s, {6, 1, 6, 13}, "Характеристики по Калачакре", Text(12, true));
    static const char* const kHeads[13] = {"№", "Век", "Год", "Месяц", "Декада",    "Неделя", "День",
                                           "",  "",    "Мин", "",      "Пятилетка", "Зодиак"};
    CellStyle value = Framed(Text());
    value.Horizontal = HAlign::Right;
    value.Vertical = VAlign::Centre;
    for (int c = 1; c <= 13; ++c) {
        if (c == 8 || c == 9 || c == 11)
            continue; // spacers
        Put(s, 7, c, std::string(kHeads[c - 1]), Header());
        for (int row = 8; row <= 10; ++row)
            s.At(row, c).Style = c == 1 ? cell : value;
    }
    // Row 8 is written only for a list of one entry (the table starts three
    // rows below the list's end); otherwise it stays a thin rule under the
    // heading.
    s.RowHeights[8] = 4;
    for (int row = 9; row <= 10; ++row)
        s.RowHeights[row] = 22;

    s.ColumnWidths[1] = 5;
    for (int c = 2; c <= 7; ++c)
        s.ColumnWidths[c] = 9;
    s.ColumnWidths[8] = s.ColumnWidths[9] = s.ColumnWidths[11] = 2;
    s.ColumnWidths[10] = 9;
    s.ColumnWidths[12] = 11;
    s.ColumnWidths[13] = 9;

    Sheet& p = book.AddSheet("Принципы");
    p.Landscape = true;
    p.FitPagesWide = 1;
    Put(p, 1, 1, std::string("Сколько событий приходится на каждый принцип"), Title());
    Put(p, 4, 1, std::string("Принцип"), Header());
    static const char* const kRows[4] = {"Год", "Месяц", "Неделя", "День"};
    for (int i = 0; i < 4; ++i) {
        Put(p, kCountsFirstRow + i, 1, std::string(kRows[i]), Header());
        for (int n = 1; n <= 60; ++n)
            p.At(kCountsFirstRow + i, n + 1).Style = Framed(Centred(Text()));
    }
    for (int n = 1; n <= 60; ++n) {
        Put(p, 4, n + 1, double(n), Header());
        p.ColumnWidths[n + 1] = 4;
    }
    p.ColumnWidths[1] = 10;

    Sheet& z = book.AddSheet("Знаки");
    z.Landscape = true;
    z.FitPagesWide = 1;
    Put(z, 1, 1, std::string("Сколько событий приходится на каждый знак Зодиака"), Title());
    Put(z, 4, 1, std::string("Знак"), Header());
    Put(z, kCountsFirstRow, 1, std::string("Пятилетка"), Header());
    Put(z, kCountsFirstRow + 1, 1, std::string("Зодиак"), Header());
    for (int n = 1; n <= 12; ++n) {
        Put(z, 4, n + 1, ZodiacName(n), Header());
        for (int row = kCountsFirstRow; row <= kCountsFirstRow + 1; ++row)
            z.At(row, n + 1).Style = Framed(Centred(Text()));
        z.ColumnWidths[n + 1] = 11;
    }
    z.ColumnWidths[1] = 11;
    return book;
}

bool Write(const Workbook& book, const std::string& path)
{
    const WriteResult written = WriteWorkbook(book, path);
    if (!written.Ok)
        std::fprintf(stderr, "make_templates: %s\n", written.Error.c_str());
    return written.Ok;
}

} // namespace
} // namespace orvenda

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "Usage: make_templates <Template folder>\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    const bool ok = orvenda::Write(orvenda::BirthdayTemplate(), folder + "kala_day_years.xlsx") &&
                    orvenda::Write(orvenda::CalendarTemplate(), folder + "kala_day.xlsx") &&
                    orvenda::Write(orvenda::ListTemplate(), folder + "kala_listevt.xlsx");
    return ok ? 0 : 1;
}
