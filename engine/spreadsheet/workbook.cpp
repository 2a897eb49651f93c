#include "engine/spreadsheet/workbook.h"

#include "engine/numbers.h"

#include <charconv>
#include <cmath>

namespace orvenda::sheet {

namespace {

bool InsideLimits(int row, int column)
{
    return row >= 1 && row <= kMaxRows && column >= 1 && column <= kMaxColumns;
}

// A row picture's height: the 22-point row less the offset above and a point
// below.
constexpr double kPictureRowHeight = 22;
constexpr double kPictureOffsetX = 5.5;
constexpr double kPictureOffsetY = 2;

} // namespace

const Cell* Sheet::Find(int row, int column) const
{
    const auto it = Cells.find({row, column});
    return it == Cells.end() ? nullptr : &it->second;
}

std::string ValueText(const CellValue& value)
{
    if (const std::string* text = std::get_if<std::string>(&value))
        return *text;
    if (const double* number = std::get_if<double>(&value)) {
        // With a point whatever the locale, as the sheet's own XML has it.
        char buffer[32];
        const bool whole = std::trunc(*number) == *number && std::fabs(*number) < 1e15;
        const std::to_chars_result end =
            whole ? std::to_chars(buffer, buffer + sizeof buffer, *number, std::chars_format::fixed, 0)
                  : std::to_chars(buffer, buffer + sizeof buffer, *number, std::chars_format::general, 15);
        return std::string(buffer, end.ptr);
    }
    return {};
}

bool Workbook::SetCurrentSheet(int k)
{
    if (k < 1 || k > static_cast<int>(Sheets.size()))
        return false;
    m_current = static_cast<std::size_t>(k - 1);
    return true;
}

Sheet& Workbook::AddSheet(std::string name)
{
    Sheets.push_back(Sheet{});
    Sheets.back().Name = std::move(name);
    return Sheets.back();
}

bool Workbook::WriteCell(int row, int column, std::string_view text)
{
    if (!InsideLimits(row, column))
        return false;
    // Only short plain integers are taken as numbers: a longer digit run
    // would lose digits in a spreadsheet number.
    const std::optional<std::int64_t> number = text.size() <= 15 ? ParseInt64(text) : std::nullopt;
    Cell& cell = CurrentSheet().At(row, column);
    if (number)
        cell.Value = static_cast<double>(*number);
    else if (text.empty())
        cell.Value = std::monostate{};
    else
        cell.Value = std::string(text);
    return true;
}

bool Workbook::WriteNumber(int row, int column, double number)
{
    if (!InsideLimits(row, column))
        return false;
    CurrentSheet().At(row, column).Value = number;
    return true;
}

void Workbook::DuplicateRow(int n)
{
    Sheet& sheet = CurrentSheet();
    if (n < 1 || n >= kMaxRows)
        return;

    // Only the rows below n move: a long list copies its rows one by one,
    // and each copy must not cost the whole sheet. Nodes are moved, not
    // copied; the last row falls off the sheet.
    const auto below = sheet.Cells.lower_bound({n + 1, 0});
    std::vector<decltype(sheet.Cells)::node_type> moved;
    for (auto it = below; it != sheet.Cells.end();) {
        auto node = sheet.Cells.extract(it++);
        ++node.key().first;
        moved.push_back(std::move(node));
    }
    for (auto& node : moved)
        if (node.key().first <= kMaxRows)
            sheet.Cells.insert(std::move(node));
    std::vector<std::pair<std::pair<int, int>, Cell>> copies;
    for (auto it = sheet.Cells.lower_bound({n, 0}); it != sheet.Cells.end() && it->first.first == n; ++it)
        copies.emplace_back(std::pair{n + 1, it->first.second}, it->second);
    sheet.Cells.insert(copies.begin(), copies.end());

    std::vector<decltype(sheet.RowHeights)::node_type> heights;
    for (auto it = sheet.RowHeights.upper_bound(n); it != sheet.RowHeights.end();) {
        auto node = sheet.RowHeights.extract(it++);
        ++node.key();
        heights.push_back(std::move(node));
    }
    for (auto& node : heights)
        if (node.key() <= kMaxRows)
            sheet.RowHeights.insert(std::move(node));
    if (const auto height = sheet.RowHeights.find(n); height != sheet.RowHeights.end())
        sheet.RowHeights[n + 1] = height->second;

    std::vector<CellRange> mergeCopies;
    for (CellRange& merge : sheet.Merges) {
        if (merge.FirstRow > n) {
            ++merge.FirstRow;
            ++merge.LastRow;
        } else if (merge.LastRow > n) {
            ++merge.LastRow;
        } else if (merge.FirstRow == n && merge.LastRow == n) {
            mergeCopies.push_back({n + 1, merge.FirstColumn, n + 1, merge.LastColumn});
        }
    }
    sheet.Merges.insert(sheet.Merges.end(), mergeCopies.begin(), mergeCopies.end());

    for (Picture& picture : sheet.Pictures)
        if (picture.Row > n)
            ++picture.Row;
}

void Workbook::InsertPicture(std::string file, std::string name, int row, int column)
{
    if (!InsideLimits(row, column))
        return;
    Sheet& sheet = CurrentSheet();
    sheet.RowHeights[row] = kPictureRowHeight;
    Picture picture;
    picture.File = std::move(file);
    picture.Name = std::move(name);
    picture.Row = row;
    picture.Column = column;
    picture.OffsetX = kPictureOffsetX;
    picture.OffsetY = kPictureOffsetY;
    picture.Height = kPictureRowHeight - kPictureOffsetY - 1;
    sheet.Pictures.push_back(std::move(picture));
}

void Workbook::SetEdge(const CellRange& range, Edge edge, Line line)
{
    Sheet& sheet = CurrentSheet();
    switch (edge) {
    case LeftEdge:
    case RightEdge: {
        const int column = edge == LeftEdge ? range.FirstColumn : range.LastColumn;
        for (int row = range.FirstRow; row <= range.LastRow; ++row)
            if (InsideLimits(row, column))
                sheet.At(row, column).Style.Borders[edge] = line;
        break;
    }
    case TopEdge:
    case BottomEdge: {
        const int row = edge == TopEdge ? range.FirstRow : range.LastRow;
        for (int column = range.FirstColumn; column <= range.LastColumn; ++column)
            if (InsideLimits(row, column))
                sheet.At(row, column).Style.Borders[edge] = line;
        break;
    }
    }
}

void Workbook::Merge(const CellRange& range)
{
    if (!InsideLimits(range.FirstRow, range.FirstColumn) || !InsideLimits(range.LastRow, range.LastColumn) ||
        range.FirstRow > range.LastRow || range.FirstColumn > range.LastColumn)
        return;
    Sheet& sheet = CurrentSheet();
    // A merge swallows the merges it overlaps, as in the spreadsheet program.
    std::erase_if(sheet.Merges, [&](const CellRange& m) {
        return m.FirstRow <= range.LastRow && m.LastRow >= range.FirstRow &&
               m.FirstColumn <= range.LastColumn && m.LastColumn >= range.FirstColumn;
    });
    sheet.Merges.push_back(range);
    // Only the top left cell keeps its value.
    for (auto& [at, cell] : sheet.Cells)
        if (range.Contains(at.first, at.second) &&
            !(at.first == range.FirstRow && at.second == range.FirstColumn))
            cell.Value = std::monostate{};
}

void Workbook::Centre(const CellRange& range)
{
    Sheet& sheet = CurrentSheet();
    for (int row = range.FirstRow; row <= range.LastRow; ++row)
        for (int column = range.FirstColumn; column <= range.LastColumn; ++column)
            if (InsideLimits(row, column)) {
                CellStyle& style = sheet.At(row, column).Style;
                style.Horizontal = HAlign::Centre;
                style.Vertical = VAlign::Centre;
            }
}

void Workbook::SetFontColour(int row, int column, Rgb colour)
{
    if (InsideLimits(row, column))
        CurrentSheet().At(row, column).Style.FontColour = colour;
}

void Workbook::SetInteriorColour(int row, int column, Rgb colour)
{
    if (InsideLimits(row, column))
        CurrentSheet().At(row, column).Style.Fill = colour;
}

std::optional<Rgb> Workbook::InteriorColour(int row, int column) const
{
    const Cell* cell = CurrentSheet().Find(row, column);
    return cell ? cell->Style.Fill : std::nullopt;
}

std::string ColumnName(int column)
{
    std::string name;
    while (column > 0) {
        const int digit = (column - 1) % 26;
        name.insert(name.begin(), static_cast<char>('A' + digit));
        column = (column - 1) / 26;
    }
    return name;
}

std::string RangeText(const CellRange& range)
{
    std::string text = ColumnName(range.FirstColumn) + std::to_string(range.FirstRow);
    if (range.FirstRow != range.LastRow || range.FirstColumn != range.LastColumn)
        text += ":" + ColumnName(range.LastColumn) + std::to_string(range.LastRow);
    return text;
}

} // namespace orvenda::sheet
