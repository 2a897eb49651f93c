#include "engine/spreadsheet/workbook_writer.h"

#include "engine/file_failure.h"
#include "engine/spreadsheet/numeric_locale.h"

#include <xlsxwriter.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <langinfo.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvenda::sheet {

namespace {

lxw_color_t ColourOf(Rgb c)
{
    const lxw_color_t value = (lxw_color_t{c.Red} << 16) | (lxw_color_t{c.Green} << 8) | c.Blue;
    // The library takes 0 for "no colour"; black has a value of its own.
    return value == 0 ? static_cast<lxw_color_t>(LXW_COLOR_BLACK) : value;
}

std::uint8_t BorderOf(Line line)
{
    switch (line) {
    case Line::None:
        return LXW_BORDER_NONE;
    case Line::Thin:
        return LXW_BORDER_THIN;
    case Line::Medium:
        return LXW_BORDER_MEDIUM;
    case Line::Thick:
        return LXW_BORDER_THICK;
    }
    return LXW_BORDER_NONE;
}

class FormatCache {
public:
    explicit FormatCache(lxw_workbook* book) : m_book(book) {}

    lxw_format* For(const CellStyle& style)
    {
        for (const auto& [known, format] : m_formats)
            if (known == style)
                return format;
        lxw_format* f = workbook_add_format(m_book);
        format_set_font_name(f, style.FontName.c_str());
        format_set_font_size(f, style.FontSize);
        if (style.Bold)
            format_set_bold(f);
        if (style.Italic)
            format_set_italic(f);
        if (style.FontColour)
            format_set_font_color(f, ColourOf(*style.FontColour));
        if (style.Fill) {
            format_set_pattern(f, LXW_PATTERN_SOLID);
            format_set_bg_color(f, ColourOf(*style.Fill));
        }
        switch (style.Horizontal) {
        case HAlign::General:
            break;
        case HAlign::Left:
            format_set_align(f, LXW_ALIGN_LEFT);
            break;
        case HAlign::Centre:
            format_set_align(f, LXW_ALIGN_CENTER);
            break;
        case HAlign::Right:
            format_set_align(f, LXW_ALIGN_RIGHT);
            break;
        }
        switch (style.Vertical) {
        case VAlign::Bottom:
            format_set_align(f, LXW_ALIGN_VERTICAL_BOTTOM);
            break;
        case VAlign::Centre:
            format_set_align(f, LXW_ALIGN_VERTICAL_CENTER);
            break;
        case VAlign::Top:
            format_set_align(f, LXW_ALIGN_VERTICAL_TOP);
            break;
        }
        if (style.Wrap)
            format_set_text_wrap(f);
        format_set_left(f, BorderOf(style.Borders[LeftEdge]));
        format_set_top(f, BorderOf(style.Borders[TopEdge]));
        format_set_bottom(f, BorderOf(style.Borders[BottomEdge]));
        format_set_right(f, BorderOf(style.Borders[RightEdge]));
        if (!style.NumberFormat.empty())
            format_set_num_format(f, style.NumberFormat.c_str());
        m_formats.emplace_back(style, f);
        return f;
    }

private:
    lxw_workbook* m_book;
    // Reports use a few dozen styles; a list is enough.
    std::vector<std::pair<CellStyle, lxw_format*>> m_formats;
};

// The picture's height in pixels from its header (PNG or BMP); 0 when the
// file is not one of them, and the picture then keeps its own size.
int PixelHeight(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    unsigned char h[26] = {};
    if (!in.read(reinterpret_cast<char*>(h), sizeof h))
        return 0;
    if (h[0] == 0x89 && h[1] == 'P' && h[2] == 'N' && h[3] == 'G')
        return (h[20] << 24) | (h[21] << 16) | (h[22] << 8) | h[23];
    if (h[0] == 'B' && h[1] == 'M') {
        const std::int32_t height = static_cast<std::int32_t>(
            static_cast<std::uint32_t>(h[22]) | (static_cast<std::uint32_t>(h[23]) << 8) |
            (static_cast<std::uint32_t>(h[24]) << 16) | (static_cast<std::uint32_t>(h[25]) << 24));
        return height < 0 ? (height == INT32_MIN ? 0 : -height) : height;
    }
    return 0;
}

// A workbook that could not be written is told like any other file that was not saved.
std::string NotSaved(const std::string& path, std::string reason)
{
    return FailureText({FileFailureCode::CannotWrite, path, std::move(reason)}, FailureWording::NotSaved);
}

constexpr double kPixelsPerPoint = 96.0 / 72.0;

void WriteSheet(lxw_worksheet* ws, const Sheet& sheet, FormatCache& formats,
                std::vector<std::string>& warnings)
{
    for (const auto& [column, width] : sheet.ColumnWidths)
        worksheet_set_column(ws, static_cast<lxw_col_t>(column - 1), static_cast<lxw_col_t>(column - 1),
                             width, nullptr);
    for (const auto& [row, height] : sheet.RowHeights)
        worksheet_set_row(ws, static_cast<lxw_row_t>(row - 1), height, nullptr);

    if (sheet.Landscape)
        worksheet_set_landscape(ws);
    if (sheet.FitPagesWide > 0)
        worksheet_fit_to_pages(ws, static_cast<std::uint16_t>(sheet.FitPagesWide), 0);
    worksheet_set_paper(ws, 9); // A4

    const CellStyle plain;
    for (const CellRange& m : sheet.Merges) {
        const Cell* first = sheet.Find(m.FirstRow, m.FirstColumn);
        worksheet_merge_range(ws, static_cast<lxw_row_t>(m.FirstRow - 1),
                              static_cast<lxw_col_t>(m.FirstColumn - 1),
                              static_cast<lxw_row_t>(m.LastRow - 1), static_cast<lxw_col_t>(m.LastColumn - 1),
                              "", formats.For(first ? first->Style : plain));
    }
    // Written after the merges, which fill their cells with blanks first.
    for (const auto& [at, cell] : sheet.Cells) {
        const auto row = static_cast<lxw_row_t>(at.first - 1);
        const auto column = static_cast<lxw_col_t>(at.second - 1);
        lxw_format* format = formats.For(cell.Style);
        if (const std::string* text = std::get_if<std::string>(&cell.Value))
            worksheet_write_string(ws, row, column, text->c_str(), format);
        else if (const double* number = std::get_if<double>(&cell.Value))
            worksheet_write_number(ws, row, column, *number, format);
        else
            worksheet_write_blank(ws, row, column, format);
    }

    for (const Picture& p : sheet.Pictures) {
        lxw_image_options options{};
        options.x_offset = static_cast<std::int32_t>(std::lround(p.OffsetX * kPixelsPerPoint));
        options.y_offset = static_cast<std::int32_t>(std::lround(p.OffsetY * kPixelsPerPoint));
        const int pixels = PixelHeight(p.File);
        const double scale = p.Height > 0 && pixels > 0 ? p.Height * kPixelsPerPoint / pixels : 1.0;
        options.x_scale = scale;
        options.y_scale = scale;
        options.description = const_cast<char*>(p.Name.c_str());
        std::error_code ec;
        const lxw_error error =
            std::filesystem::is_regular_file(p.File, ec)
                ? worksheet_insert_image_opt(ws, static_cast<lxw_row_t>(p.Row - 1),
                                             static_cast<lxw_col_t>(p.Column - 1), p.File.c_str(), &options)
                : LXW_ERROR_PARAMETER_VALIDATION;
        if (error != LXW_NO_ERROR)
            warnings.push_back("Не удалось вставить рисунок " + p.File);
    }
}

} // namespace

WriteResult WriteWorkbook(const Workbook& book, const std::string& path)
{
    WriteResult result;
    // The library prints widths, heights, margins and values by the locale.
    const CNumericLocale numbers;
    if (!numbers.Active() && std::strcmp(nl_langinfo(RADIXCHAR), ".") != 0) {
        result.Error = NotSaved(path, std::strerror(ENOMEM));
        return result;
    }
    const std::filesystem::path target(path);
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    std::string temp = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        result.Error = NotSaved(path, std::strerror(errno));
        return result;
    }
    // A report is an ordinary document of the user, not a private file.
    ::fchmod(fd, 0644);
    ::close(fd);

    // The library does not say why it failed: what the system last said, or
    // the memory it allocates here.
    errno = 0;
    lxw_workbook* out = workbook_new(temp.c_str());
    if (!out) {
        const int error = errno != 0 ? errno : ENOMEM;
        std::remove(temp.c_str());
        result.Error = NotSaved(path, std::strerror(error));
        return result;
    }
    FormatCache formats(out);
    for (const Sheet& sheet : book.Sheets) {
        lxw_worksheet* ws = workbook_add_worksheet(out, sheet.Name.empty() ? nullptr : sheet.Name.c_str());
        // A name the format does not allow still keeps the sheet.
        if (!ws)
            ws = workbook_add_worksheet(out, nullptr);
        if (ws)
            WriteSheet(ws, sheet, formats, result.Warnings);
    }
    const lxw_error error = workbook_close(out);
    if (error != LXW_NO_ERROR) {
        std::remove(temp.c_str());
        result.Error = NotSaved(path, lxw_strerror(error));
        return result;
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        result.Error = NotSaved(path, std::strerror(errno));
        std::remove(temp.c_str());
        return result;
    }
    result.Ok = true;
    return result;
}

} // namespace orvenda::sheet
