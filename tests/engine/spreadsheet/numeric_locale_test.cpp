// Workbooks are read and written the same under a locale whose decimal
// separator is a comma (the user's ru_RU.UTF-8): a file's numbers always have
// a point, and the thread's own locale is left as it was.

#include "engine/spreadsheet/template_reader.h"
#include "engine/spreadsheet/workbook.h"
#include "engine/spreadsheet/workbook_writer.h"

#include "tests/support/test_files.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <clocale>
#include <cstring>
#include <langinfo.h>
#include <locale.h>
#include <string>
#include <utility>
#include <vector>

namespace orvenda::sheet {
namespace {

// The calling thread under a locale with a decimal comma while it lives;
// inactive when none is installed.
class CommaLocale {
public:
    CommaLocale()
    {
        for (const char* name : {"ru_RU.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8"}) {
            m_locale = newlocale(LC_ALL_MASK, name, nullptr);
            if (m_locale && std::strcmp(nl_langinfo_l(RADIXCHAR, m_locale), ",") == 0)
                break;
            if (m_locale)
                freelocale(m_locale);
            m_locale = nullptr;
        }
        if (m_locale)
            m_previous = uselocale(m_locale);
    }
    ~CommaLocale()
    {
        if (m_locale) {
            uselocale(m_previous);
            freelocale(m_locale);
        }
    }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;
    bool Active() const { return m_locale != nullptr; }

private:
    locale_t m_locale = nullptr;
    locale_t m_previous = nullptr;
};

using Parts = std::vector<std::pair<std::string, std::string>>;

void Pack(const std::string& path, const Parts& parts)
{
    int error = 0;
    zip_t* zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(zip, nullptr);
    for (const auto& [name, text] : parts) {
        zip_source_t* source = zip_source_buffer(zip, text.data(), text.size(), 0);
        ASSERT_GE(zip_file_add(zip, name.c_str(), source, ZIP_FL_ENC_UTF_8), 0) << name;
    }
    ASSERT_EQ(zip_close(zip), 0);
}

std::string Unpack(const std::string& path, const char* name)
{
    zip_t* zip = zip_open(path.c_str(), ZIP_RDONLY, nullptr);
    if (!zip)
        return {};
    std::string text;
    if (zip_file_t* file = zip_fopen(zip, name, 0)) {
        char buffer[4096];
        for (zip_int64_t got; (got = zip_fread(file, buffer, sizeof buffer)) > 0;)
            text.append(buffer, static_cast<std::size_t>(got));
        zip_fclose(file);
    }
    zip_discard(zip);
    return text;
}

// A template as a spreadsheet program saves it: fractional widths, heights
// and font sizes, and numbers no sheet can hold, which are not taken as sizes.
const Parts kTemplate = {
    {"xl/workbook.xml",
     R"(<workbook xmlns:r="r"><sheets><sheet name="Лист" r:id="rId1"/></sheets></workbook>)"},
    {"xl/_rels/workbook.xml.rels",
     R"(<Relationships><Relationship Id="rId1" Target="worksheets/sheet1.xml"/>)"
     R"(<Relationship Id="rId2" Target="styles.xml"/></Relationships>)"},
    {"xl/styles.xml",
     R"(<styleSheet><fonts><font><sz val="10.5"/></font><font><sz val="inf"/></font></fonts>)"
     R"(<cellXfs><xf fontId="0"/><xf fontId="1"/></cellXfs></styleSheet>)"},
    {"xl/worksheets/sheet1.xml",
     R"(<worksheet><cols><col min="1" max="2" width="12.7109375"/><col min="3" max="3" width="nan"/>)"
     R"(<col min="4" max="4" width="1e999"/><col min="5" max="5" width="7,5"/></cols><sheetData>)"
     R"(<row r="1" ht="18.75" customHeight="1"><c r="A1" s="0"><v>3.25</v></c><c r="B1" s="1"><v>-1.5E-3</v></c>)"
     R"(<c r="C1"><v>nan</v></c><c r="D1"><v>2,5</v></c></row>)"
     R"(<row r="2" ht="-inf" customHeight="1"/><row r="3" ht="1e5" customHeight="1"/></sheetData></worksheet>)"},
};

TEST(NumericLocale, WorkbookNumbersKeepTheirPointUnderACommaLocale)
{
    const CommaLocale comma;
    if (!comma.Active())
        GTEST_SKIP() << "no locale with a decimal comma is installed (scripts/deps generates ru_RU.UTF-8)";
    test::TempFolder folder;

    const std::string templatePath = folder / "template.xlsx";
    Pack(templatePath, kTemplate);
    const OpenResult read = OpenTemplate(templatePath);
    ASSERT_TRUE(read.Book) << read.Error;
    const Sheet& t = read.Book->Sheets.at(0);
    // A stored width counts 5/7 of a character of padding.
    ASSERT_EQ(t.ColumnWidths.size(), 2u);
    for (const auto& [column, width] : t.ColumnWidths)
        EXPECT_NEAR(width, 12.0, 0.01) << "column " << column;
    EXPECT_EQ(t.RowHeights, (std::map<int, double>{{1, 18.75}}));
    EXPECT_EQ(t.Find(1, 1)->Style.FontSize, 10.5);
    EXPECT_EQ(t.Find(1, 2)->Style.FontSize, CellStyle().FontSize);
    const std::pair<int, CellValue> values[] = {{1, 3.25}, {2, -0.0015}, {3, "nan"}, {4, "2,5"}};
    for (const auto& [column, value] : values)
        EXPECT_EQ(t.Find(1, column)->Value, value) << "column " << column;

    Workbook book;
    Sheet& s = book.AddSheet("Лист");
    s.ColumnWidths[2] = 12.5;
    s.RowHeights[3] = 18.75;
    book.WriteNumber(3, 2, 1234.125);
    s.At(3, 2).Style.FontSize = 10.5;
    EXPECT_EQ(ValueText(s.Find(3, 2)->Value), "1234.125");
    const std::string path = folder / "book.xlsx";
    const WriteResult written = WriteWorkbook(book, path);
    ASSERT_TRUE(written.Ok) << written.Error;

    const OpenResult back = OpenTemplate(path);
    ASSERT_TRUE(back.Book) << back.Error;
    const Sheet& b = back.Book->Sheets.at(0);
    EXPECT_NEAR(b.ColumnWidths.contains(2) ? b.ColumnWidths.at(2) : 0, 12.5, 0.1);
    EXPECT_EQ(b.RowHeights, (std::map<int, double>{{3, 18.75}}));
    EXPECT_EQ(b.Find(3, 2)->Value, CellValue(1234.125));
    EXPECT_EQ(b.Find(3, 2)->Style.FontSize, 10.5);
    // The parts the reader does not look at (page margins) have points too.
    const auto hasCommaNumber = [](const std::string& xml) {
        const auto digit = [](char c) { return c >= '0' && c <= '9'; };
        for (std::size_t i = 1; i + 1 < xml.size(); ++i) {
            if (xml[i] == ',' && digit(xml[i - 1]) && digit(xml[i + 1]))
                return true;
        }
        return false;
    };
    for (const char* part : {"xl/worksheets/sheet1.xml", "xl/styles.xml"})
        EXPECT_FALSE(hasCommaNumber(Unpack(path, part))) << part << ":\n" << Unpack(path, part);

    // The thread's locale is as it was.
    EXPECT_STREQ(nl_langinfo(RADIXCHAR), ",");
}

} // namespace
} // namespace orvenda::sheet
