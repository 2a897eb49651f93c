// The report template reader: any workbook gives a book or a reason, never
// a crash; a book read from any workbook keeps its cells inside the sheet's
// limits, and written by our writer it reads back with the same sheets and
// cell values.
//
// The input is the XML of the workbook's parts, separated by lines "@@" in
// the order sheet, shared strings, styles, workbook, workbook relations; a
// part left out is a small valid one. The parts are packed into an .xlsx
// package here, so the fuzzer works on the XML rather than on the zip layer.

#include "engine/spreadsheet/template_reader.h"
#include "engine/spreadsheet/workbook_writer.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/random_input.h"

#include <zip.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using namespace orvenda;

namespace {

constexpr std::array<const char*, 5> kPartNames = {"xl/worksheets/sheet1.xml", "xl/sharedStrings.xml",
                                                   "xl/styles.xml", "xl/workbook.xml",
                                                   "xl/_rels/workbook.xml.rels"};

constexpr std::array<const char*, 5> kDefaultParts = {
    R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData/></worksheet>)",
    R"(<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"/>)",
    R"(<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"/>)",
    R"(<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" )"
    R"(xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)"
    R"(<sheets><sheet name="Лист1" sheetId="1" r:id="rId1"/></sheets></workbook>)",
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="worksheet" Target="worksheets/sheet1.xml"/>)"
    R"(<Relationship Id="rId2" Type="sharedStrings" Target="sharedStrings.xml"/>)"
    R"(<Relationship Id="rId3" Type="styles" Target="styles.xml"/></Relationships>)"};

std::vector<std::string> SplitParts(std::string_view input)
{
    std::vector<std::string> parts;
    constexpr std::string_view separator = "\n@@\n";
    while (parts.size() + 1 < kPartNames.size()) {
        const std::size_t at = input.find(separator);
        if (at == std::string_view::npos)
            break;
        parts.emplace_back(input.substr(0, at));
        input.remove_prefix(at + separator.size());
    }
    parts.emplace_back(input);
    for (std::size_t k = parts.size(); k < kPartNames.size(); ++k)
        parts.emplace_back(kDefaultParts[k]);
    return parts;
}

bool WritePackage(const std::string& path, const std::vector<std::string>& parts)
{
    int error = 0;
    zip_t* zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (zip == nullptr)
        return false;
    for (std::size_t k = 0; k < kPartNames.size(); ++k) {
        zip_source_t* source = zip_source_buffer(zip, parts[k].data(), parts[k].size(), 0);
        if (source == nullptr || zip_file_add(zip, kPartNames[k], source, ZIP_FL_OVERWRITE) < 0) {
            zip_source_free(source);
            zip_discard(zip);
            return false;
        }
    }
    return zip_close(zip) == 0;
}

void CheckInsideLimits(const sheet::Workbook& book)
{
    for (const sheet::Sheet& s : book.Sheets) {
        for (const auto& [place, cell] : s.Cells) {
            ORVENDA_FUZZ_CHECK(place.first >= 1 && place.first <= sheet::kMaxRows);
            ORVENDA_FUZZ_CHECK(place.second >= 1 && place.second <= sheet::kMaxColumns);
        }
        for (const sheet::CellRange& merge : s.Merges) {
            ORVENDA_FUZZ_CHECK(merge.FirstRow >= 1 && merge.FirstRow <= merge.LastRow);
            ORVENDA_FUZZ_CHECK(merge.FirstColumn >= 1 && merge.FirstColumn <= merge.LastColumn);
            ORVENDA_FUZZ_CHECK(merge.LastRow <= sheet::kMaxRows && merge.LastColumn <= sheet::kMaxColumns);
        }
        // Sizes a spreadsheet program takes: no infinity, NaN or negative size.
        for (const auto& [column, width] : s.ColumnWidths)
            ORVENDA_FUZZ_CHECK(std::isfinite(width) && width >= 0 && width <= 256);
        for (const auto& [row, height] : s.RowHeights)
            ORVENDA_FUZZ_CHECK(std::isfinite(height) && height >= 0 && height <= 409);
        for (const auto& [place, cell] : s.Cells) {
            ORVENDA_FUZZ_CHECK(cell.Style.FontSize >= 1 && cell.Style.FontSize <= 409);
            if (const double* number = std::get_if<double>(&cell.Value))
                ORVENDA_FUZZ_CHECK(std::isfinite(*number));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const fuzzing::ScratchFolder folder("template");
    const std::string package = folder.PathOf("template.xlsx");
    const std::vector<std::string> parts =
        SplitParts(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!WritePackage(package, parts))
        return 0;

    const sheet::OpenResult read = sheet::OpenTemplate(package);
    ORVENDA_FUZZ_CHECK(read.Book.has_value() != !read.Error.empty());
    if (!read.Book)
        return 0;
    CheckInsideLimits(*read.Book);

    const std::string copy = folder.PathOf("copy.xlsx");
    const sheet::WriteResult written = sheet::WriteWorkbook(*read.Book, copy);
    if (!written.Ok)
        return 0;
    const sheet::OpenResult reread = sheet::OpenTemplate(copy);
    ORVENDA_FUZZ_CHECK(reread.Book.has_value());
    ORVENDA_FUZZ_CHECK(reread.Book->Sheets.size() == read.Book->Sheets.size());
    for (std::size_t k = 0; k < read.Book->Sheets.size(); ++k) {
        const sheet::Sheet& before = read.Book->Sheets[k];
        const sheet::Sheet& after = reread.Book->Sheets[k];
        for (const auto& [place, cell] : before.Cells) {
            const sheet::Cell* again = after.Find(place.first, place.second);
            const std::string text = sheet::ValueText(cell.Value);
            ORVENDA_FUZZ_CHECK(text.empty() ? again == nullptr || sheet::ValueText(again->Value).empty()
                                            : again != nullptr && sheet::ValueText(again->Value) == text);
        }
    }
    return 0;
}
