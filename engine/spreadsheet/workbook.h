#pragma once

// The workbook that the spreadsheet reports are filled into: sheets of styled
// cells, merged ranges, column widths, row heights and pictures anchored to
// cells. A report opens a template into it (template_reader.h), writes its
// cells through the operations below and hands it to the writer
// (workbook_writer.h). Rows and columns count from 1, as in the spreadsheet
// program's own addressing. Plain data, no file access.

#include "engine/principle_colours.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace orvenda::sheet {

enum class HAlign { General, Left, Centre, Right };
enum class VAlign { Bottom, Centre, Top };
// The line styles the reports and templates use; "Weight" medium of the
// object model is Medium, the default continuous line is Thin.
enum class Line { None, Thin, Medium, Thick };
enum Edge { LeftEdge = 0, TopEdge = 1, BottomEdge = 2, RightEdge = 3 };

struct CellStyle {
    std::string FontName = "Arial";
    double FontSize = 10;
    bool Bold = false;
    bool Italic = false;
    std::optional<Rgb> FontColour; // none: the program's automatic colour
    std::optional<Rgb> Fill;       // none: no fill
    HAlign Horizontal = HAlign::General;
    VAlign Vertical = VAlign::Bottom;
    bool Wrap = false;
    Line Borders[4] = {Line::None, Line::None, Line::None, Line::None}; // by Edge
    std::string NumberFormat;                                           // empty: general

    friend bool operator==(const CellStyle&, const CellStyle&) = default;
};

using CellValue = std::variant<std::monostate, std::string, double>;

struct Cell {
    CellValue Value;
    CellStyle Style;
};

struct CellRange {
    int FirstRow = 1;
    int FirstColumn = 1;
    int LastRow = 1;
    int LastColumn = 1;

    bool Contains(int row, int column) const noexcept
    {
        return row >= FirstRow && row <= LastRow && column >= FirstColumn && column <= LastColumn;
    }
    friend bool operator==(const CellRange&, const CellRange&) = default;
};

struct Picture {
    std::string File; // path of a PNG, JPEG or BMP file
    std::string Name;
    int Row = 1;
    int Column = 1;
    // From the cell's top left corner, in points.
    double OffsetX = 0;
    double OffsetY = 0;
    // The picture is drawn this many points high (0: its own size).
    double Height = 0;
};

// The largest sheet the writer accepts (the limits of the file format).
constexpr int kMaxRows = 1048576;
constexpr int kMaxColumns = 16384;

struct Sheet {
    std::string Name;
    std::map<std::pair<int, int>, Cell> Cells; // by (row, column)
    std::vector<CellRange> Merges;
    std::map<int, double> ColumnWidths; // characters
    std::map<int, double> RowHeights;   // points
    std::vector<Picture> Pictures;
    // Printing: landscape pages, and the sheet scaled to this many pages
    // wide (0: printed at its own size).
    bool Landscape = false;
    int FitPagesWide = 0;

    // The cell, created empty when it is not there yet.
    Cell& At(int row, int column) { return Cells[{row, column}]; }
    const Cell* Find(int row, int column) const;
};

// A cell's value as the user sees it: the text, or the number without a
// needless fraction ("1986", "2.5"); empty for an empty cell.
std::string ValueText(const CellValue& value);

class Workbook {
public:
    std::vector<Sheet> Sheets;

    // The sheet the cell operations address; a new workbook has none until a
    // sheet is added.
    Sheet& CurrentSheet() { return Sheets.at(m_current); }
    const Sheet& CurrentSheet() const { return Sheets.at(m_current); }
    // Makes sheet k (from 1) current; false when there is no such sheet.
    bool SetCurrentSheet(int k);
    int CurrentSheetNumber() const noexcept { return static_cast<int>(m_current) + 1; }
    Sheet& AddSheet(std::string name);

    // The text goes into the cell as the spreadsheet program takes a typed
    // value: a plain decimal integer becomes a number, anything else stays
    // text. The cell keeps its style. False (nothing written) for a cell
    // outside the sheet's limits.
    bool WriteCell(int row, int column, std::string_view text);
    bool WriteNumber(int row, int column, double number);

    // A copy of row n (values, styles, height, merges lying in the row)
    // inserted below it; every row, merge and picture below n moves down one
    // row, and a merge reaching across the new row grows by one.
    void DuplicateRow(int n);

    // The picture file anchored to the cell, set off a little from the
    // cell's corner; the row becomes 22 points high and the picture is drawn
    // to fit it.
    void InsertPicture(std::string file, std::string name, int row, int column);

    // Range formatting. Each edge is the range's outer edge (the left edge
    // of a range is the left border of its first column only).
    void SetEdge(const CellRange& range, Edge edge, Line line);
    void Merge(const CellRange& range);
    void Centre(const CellRange& range);
    void SetFontColour(int row, int column, Rgb colour);
    void SetInteriorColour(int row, int column, Rgb colour);
    // The cell's fill colour; none when the cell is not filled.
    std::optional<Rgb> InteriorColour(int row, int column) const;

private:
    std::size_t m_current = 0;
};

// The A1 form of a range ("M6:P7"), for messages and the writer.
std::string RangeText(const CellRange& range);
std::string ColumnName(int column);

} // namespace orvenda::sheet
