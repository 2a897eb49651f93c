#include "engine/spreadsheet/template_reader.h"

#include <pugixml.hpp>
#include <zip.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string_view>
#include <system_error>

namespace orvenda::sheet {

namespace {

// No part of a template comes near this; a larger one is not a template.
constexpr zip_uint64_t kMaxPartSize = 64u << 20;
constexpr std::uintmax_t kMaxFileSize = 256u << 20;
// A stored column width counts the cell's padding of 5 pixels besides the
// characters of 7 pixels; the model counts characters only.
constexpr double kWidthPadding = 5.0 / 7.0;
// What a spreadsheet program accepts: widths in characters, heights and font
// sizes in points. A value outside is left to the program's default.
constexpr double kMaxWidth = 255 + kWidthPadding;
constexpr double kMaxHeight = 409;
constexpr double kMinFontSize = 1;
constexpr double kMaxFontSize = 409;

struct ZipCloser {
    void operator()(zip_t* z) const { zip_discard(z); }
};
using ZipPtr = std::unique_ptr<zip_t, ZipCloser>;

std::optional<std::string> ReadPart(zip_t* zip, const std::string& name)
{
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat(zip, name.c_str(), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE) ||
        stat.size > kMaxPartSize)
        return std::nullopt;
    zip_file_t* file = zip_fopen(zip, name.c_str(), 0);
    if (!file)
        return std::nullopt;
    std::string data(static_cast<std::size_t>(stat.size), '\0');
    const zip_int64_t got = data.empty() ? 0 : zip_fread(file, data.data(), data.size());
    zip_fclose(file);
    if (got != static_cast<zip_int64_t>(data.size()))
        return std::nullopt;
    return data;
}

// Writers differ in namespace prefixes ("x:c" or "c"); names are compared
// without them.
std::string_view Local(const char* name)
{
    const char* colon = std::strchr(name, ':');
    return colon ? colon + 1 : name;
}

pugi::xml_node Child(pugi::xml_node node, std::string_view local)
{
    for (pugi::xml_node c : node.children())
        if (Local(c.name()) == local)
            return c;
    return {};
}

const char* Attr(pugi::xml_node node, std::string_view local)
{
    for (pugi::xml_attribute a : node.attributes())
        if (Local(a.name()) == local)
            return a.value();
    return "";
}

template <class F> void ForChildren(pugi::xml_node node, std::string_view local, F f)
{
    for (pugi::xml_node c : node.children())
        if (Local(c.name()) == local)
            f(c);
}

bool Parse(pugi::xml_document& doc, const std::string& text)
{
    return doc.load_buffer(text.data(), text.size(), pugi::parse_default | pugi::parse_ws_pcdata_single);
}

int ToInt(const char* text, int fallback = 0)
{
    if (!*text)
        return fallback;
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (*end || value < -1000000000L || value > 1000000000L)
        return fallback;
    return static_cast<int>(value);
}

// Numbers of the file format have a point whatever the process's locale
// (strtod would follow a comma locale and stop at the point); infinities and
// NaN are no number a sheet can hold.
std::optional<double> ToDouble(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    if (text.starts_with('+'))
        text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> ToDouble(std::string_view text, double min, double max)
{
    const std::optional<double> value = ToDouble(text);
    return value && *value >= min && *value <= max ? value : std::nullopt;
}

bool IsTrue(std::string_view text)
{
    return text == "1" || text == "true";
}

bool ToBool(pugi::xml_node node)
{
    if (!node)
        return false;
    const std::string_view val = Attr(node, "val");
    return val.empty() || (val != "0" && val != "false");
}

std::optional<Rgb> ColourOf(pugi::xml_node node)
{
    if (!node)
        return std::nullopt;
    const std::string_view rgb = Attr(node, "rgb");
    if (rgb.size() == 8 || rgb.size() == 6) {
        const std::string hex(rgb.substr(rgb.size() - 6));
        char* end = nullptr;
        const unsigned long v = std::strtoul(hex.c_str(), &end, 16);
        if (*end)
            return std::nullopt;
        return Rgb{static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8),
                   static_cast<std::uint8_t>(v)};
    }
    // The first sixteen entries of the legacy palette: black, white, red,
    // green, blue, yellow, magenta, cyan, twice over.
    const int indexed = ToInt(Attr(node, "indexed"), -1);
    if (indexed >= 0 && indexed < 16) {
        static const Rgb kPalette[8] = {{0, 0, 0},   {255, 255, 255}, {255, 0, 0},   {0, 255, 0},
                                        {0, 0, 255}, {255, 255, 0},   {255, 0, 255}, {0, 255, 255}};
        return kPalette[indexed % 8];
    }
    return std::nullopt; // theme and system colours: left automatic
}

Line LineOf(std::string_view style)
{
    if (style.empty() || style == "none")
        return Line::None;
    if (style.starts_with("medium"))
        return Line::Medium;
    if (style == "thick" || style == "double")
        return Line::Thick;
    return Line::Thin;
}

HAlign HAlignOf(std::string_view a)
{
    if (a == "left")
        return HAlign::Left;
    if (a == "center" || a == "centerContinuous")
        return HAlign::Centre;
    if (a == "right")
        return HAlign::Right;
    return HAlign::General;
}

VAlign VAlignOf(std::string_view a)
{
    if (a == "center")
        return VAlign::Centre;
    if (a == "top")
        return VAlign::Top;
    return VAlign::Bottom;
}

std::string BuiltinFormat(int id)
{
    switch (id) {
    case 1:
        return "0";
    case 2:
        return "0.00";
    case 3:
        return "#,##0";
    case 4:
        return "#,##0.00";
    case 9:
        return "0%";
    case 10:
        return "0.00%";
    case 14:
        return "dd.mm.yyyy";
    case 49:
        return "@";
    default:
        return {};
    }
}

std::vector<CellStyle> ReadStyles(const std::string& text)
{
    pugi::xml_document doc;
    if (!Parse(doc, text))
        return {};
    const pugi::xml_node root = doc.document_element();

    std::map<int, std::string> formats;
    ForChildren(Child(root, "numFmts"), "numFmt",
                [&](pugi::xml_node n) { formats[ToInt(Attr(n, "numFmtId"))] = Attr(n, "formatCode"); });

    std::vector<CellStyle> fonts;
    ForChildren(Child(root, "fonts"), "font", [&](pugi::xml_node n) {
        CellStyle s;
        if (const char* name = Attr(Child(n, "name"), "val"); *name)
            s.FontName = name;
        s.FontSize = ToDouble(Attr(Child(n, "sz"), "val"), kMinFontSize, kMaxFontSize).value_or(s.FontSize);
        s.Bold = ToBool(Child(n, "b"));
        s.Italic = ToBool(Child(n, "i"));
        s.FontColour = ColourOf(Child(n, "color"));
        fonts.push_back(s);
    });

    std::vector<std::optional<Rgb>> fills;
    ForChildren(Child(root, "fills"), "fill", [&](pugi::xml_node n) {
        const pugi::xml_node pattern = Child(n, "patternFill");
        const std::string_view type = Attr(pattern, "patternType");
        if (type.empty() || type == "none" || type == "gray125")
            fills.push_back(std::nullopt);
        else
            fills.push_back(ColourOf(Child(pattern, "fgColor")));
    });

    std::vector<std::array<Line, 4>> borders;
    ForChildren(Child(root, "borders"), "border", [&](pugi::xml_node n) {
        std::array<Line, 4> b{};
        b[LeftEdge] = LineOf(Attr(Child(n, "left"), "style"));
        b[TopEdge] = LineOf(Attr(Child(n, "top"), "style"));
        b[BottomEdge] = LineOf(Attr(Child(n, "bottom"), "style"));
        b[RightEdge] = LineOf(Attr(Child(n, "right"), "style"));
        borders.push_back(b);
    });

    std::vector<CellStyle> styles;
    ForChildren(Child(root, "cellXfs"), "xf", [&](pugi::xml_node n) {
        CellStyle s;
        const int font = ToInt(Attr(n, "fontId"), -1);
        if (font >= 0 && font < static_cast<int>(fonts.size()))
            s = fonts[static_cast<std::size_t>(font)];
        const int fill = ToInt(Attr(n, "fillId"), -1);
        if (fill >= 0 && fill < static_cast<int>(fills.size()))
            s.Fill = fills[static_cast<std::size_t>(fill)];
        const int border = ToInt(Attr(n, "borderId"), -1);
        if (border >= 0 && border < static_cast<int>(borders.size()))
            for (int e = 0; e < 4; ++e)
                s.Borders[e] = borders[static_cast<std::size_t>(border)][static_cast<std::size_t>(e)];
        const int format = ToInt(Attr(n, "numFmtId"));
        const auto custom = formats.find(format);
        s.NumberFormat = custom != formats.end() ? custom->second : BuiltinFormat(format);
        if (const pugi::xml_node align = Child(n, "alignment")) {
            s.Horizontal = HAlignOf(Attr(align, "horizontal"));
            s.Vertical = VAlignOf(Attr(align, "vertical"));
            s.Wrap = IsTrue(Attr(align, "wrapText"));
        }
        styles.push_back(s);
    });
    return styles;
}

std::vector<std::string> ReadSharedStrings(const std::string& text)
{
    std::vector<std::string> strings;
    pugi::xml_document doc;
    if (!Parse(doc, text))
        return strings;
    ForChildren(doc.document_element(), "si", [&](pugi::xml_node si) {
        std::string s;
        // Plain text in <t>, rich text in runs <r><t>; phonetic hints skipped.
        for (pugi::xml_node c : si.children()) {
            if (Local(c.name()) == "t")
                s += c.text().get();
            else if (Local(c.name()) == "r")
                s += Child(c, "t").text().get();
        }
        strings.push_back(std::move(s));
    });
    return strings;
}

// "AB12" into (12, 28); false for anything else.
bool ParseCellRef(std::string_view ref, int& row, int& column)
{
    std::size_t i = 0;
    long c = 0;
    while (i < ref.size() && ref[i] >= 'A' && ref[i] <= 'Z' && c <= kMaxColumns)
        c = c * 26 + (ref[i++] - 'A' + 1);
    long r = 0;
    const std::size_t digits = i;
    while (i < ref.size() && ref[i] >= '0' && ref[i] <= '9' && r <= kMaxRows)
        r = r * 10 + (ref[i++] - '0');
    if (i != ref.size() || digits == 0 || i == digits || c < 1 || c > kMaxColumns || r < 1 || r > kMaxRows)
        return false;
    row = static_cast<int>(r);
    column = static_cast<int>(c);
    return true;
}

void ReadSheet(const std::string& text, const std::vector<std::string>& strings,
               const std::vector<CellStyle>& styles, Sheet& sheet)
{
    pugi::xml_document doc;
    if (!Parse(doc, text))
        return;
    const pugi::xml_node root = doc.document_element();

    ForChildren(Child(root, "cols"), "col", [&](pugi::xml_node n) {
        const int first = ToInt(Attr(n, "min"));
        const int last = ToInt(Attr(n, "max"));
        // An unreadable width leaves the column as wide as the program makes it,
        // not hidden. A whole-sheet column record is not worth one entry per column.
        const std::optional<double> width = ToDouble(Attr(n, "width"), 0, kMaxWidth);
        if (width && first >= 1 && last >= first && last <= kMaxColumns && last - first < 1024)
            for (int c = first; c <= last; ++c)
                sheet.ColumnWidths[c] = std::max(0.0, *width - kWidthPadding);
    });

    int row = 0;
    ForChildren(Child(root, "sheetData"), "row", [&](pugi::xml_node r) {
        row = ToInt(Attr(r, "r"), row + 1);
        if (row < 1 || row > kMaxRows)
            return;
        // Heights the program worked out itself are left to the reader's program.
        if (IsTrue(Attr(r, "customHeight")))
            if (const std::optional<double> height = ToDouble(Attr(r, "ht"), 0, kMaxHeight))
                sheet.RowHeights[row] = *height;
        int column = 0;
        ForChildren(r, "c", [&](pugi::xml_node c) {
            int cellRow = row;
            if (!ParseCellRef(Attr(c, "r"), cellRow, column)) {
                ++column;
                cellRow = row;
            }
            if (column < 1 || column > kMaxColumns)
                return;
            Cell cell;
            const int style = ToInt(Attr(c, "s"));
            if (style >= 0 && style < static_cast<int>(styles.size()))
                cell.Style = styles[static_cast<std::size_t>(style)];
            const std::string_view type = Attr(c, "t");
            const char* value = Child(c, "v").text().get();
            if (type == "s") {
                const int index = ToInt(value, -1);
                if (index >= 0 && index < static_cast<int>(strings.size()))
                    cell.Value = strings[static_cast<std::size_t>(index)];
            } else if (type == "inlineStr") {
                cell.Value = std::string(Child(Child(c, "is"), "t").text().get());
            } else if (type == "str" || type == "e") {
                cell.Value = std::string(value);
            } else if (*value) {
                // A number that is none keeps its text rather than becoming 0.
                if (const std::optional<double> number = ToDouble(value))
                    cell.Value = *number;
                else
                    cell.Value = std::string(value);
            }
            sheet.Cells[{cellRow, column}] = std::move(cell);
        });
    });

    const pugi::xml_node page = Child(root, "pageSetup");
    sheet.Landscape = std::string_view(Attr(page, "orientation")) == "landscape";
    if (IsTrue(Attr(Child(Child(root, "sheetPr"), "pageSetUpPr"), "fitToPage")))
        sheet.FitPagesWide = std::clamp(ToInt(Attr(page, "fitToWidth"), 1), 0, 32767);

    ForChildren(Child(root, "mergeCells"), "mergeCell", [&](pugi::xml_node m) {
        const std::string_view ref = Attr(m, "ref");
        const std::size_t colon = ref.find(':');
        CellRange range;
        if (colon != std::string_view::npos &&
            ParseCellRef(ref.substr(0, colon), range.FirstRow, range.FirstColumn) &&
            ParseCellRef(ref.substr(colon + 1), range.LastRow, range.LastColumn) &&
            range.FirstRow <= range.LastRow && range.FirstColumn <= range.LastColumn)
            sheet.Merges.push_back(range);
    });
}

// Targets in the workbook's relations are relative to xl/ or absolute.
std::string PartName(std::string_view target)
{
    if (target.starts_with('/'))
        return std::string(target.substr(1));
    return "xl/" + std::string(target);
}

} // namespace

OpenResult OpenTemplate(const std::string& path)
{
    OpenResult result;
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::exists(status)) {
        result.Error = "файл не найден";
        return result;
    }
    if (!std::filesystem::is_regular_file(status) || std::filesystem::file_size(path, ec) > kMaxFileSize ||
        ec) {
        result.Error = "файл не является книгой .xlsx";
        return result;
    }
    int error = 0;
    ZipPtr zip(zip_open(path.c_str(), ZIP_RDONLY, &error));
    const std::string notBook = "файл не является книгой .xlsx";
    if (!zip) {
        result.Error = notBook;
        return result;
    }

    const std::optional<std::string> workbookXml = ReadPart(zip.get(), "xl/workbook.xml");
    const std::optional<std::string> relsXml = ReadPart(zip.get(), "xl/_rels/workbook.xml.rels");
    pugi::xml_document workbookDoc, relsDoc;
    if (!workbookXml || !relsXml || !Parse(workbookDoc, *workbookXml) || !Parse(relsDoc, *relsXml)) {
        result.Error = notBook;
        return result;
    }
    std::map<std::string, std::string> targets;
    ForChildren(relsDoc.document_element(), "Relationship",
                [&](pugi::xml_node r) { targets[Attr(r, "Id")] = Attr(r, "Target"); });

    std::vector<std::string> strings;
    std::vector<CellStyle> styles;
    for (const auto& [id, target] : targets) {
        if (target.ends_with("sharedStrings.xml"))
            if (const auto text = ReadPart(zip.get(), PartName(target)))
                strings = ReadSharedStrings(*text);
        if (target.ends_with("styles.xml"))
            if (const auto text = ReadPart(zip.get(), PartName(target)))
                styles = ReadStyles(*text);
    }

    Workbook book;
    bool broken = false;
    ForChildren(Child(workbookDoc.document_element(), "sheets"), "sheet", [&](pugi::xml_node s) {
        const auto target = targets.find(Attr(s, "id"));
        if (target == targets.end()) {
            broken = true;
            return;
        }
        const std::optional<std::string> text = ReadPart(zip.get(), PartName(target->second));
        if (!text) {
            broken = true;
            return;
        }
        ReadSheet(*text, strings, styles, book.AddSheet(Attr(s, "name")));
    });
    if (broken || book.Sheets.empty()) {
        result.Error = notBook;
        return result;
    }
    book.SetCurrentSheet(1);
    result.Book = std::move(book);
    return result;
}

} // namespace orvenda::sheet
