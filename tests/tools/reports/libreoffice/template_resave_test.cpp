// Users recolour the templates in their spreadsheet program and save them
// again; LibreOffice Calc writes the file its own way. The templates it saves
// must read back with the same cells, merges and colours, and the calendar
// must take its month colours from them.

#include "engine/date.h"
#include "engine/principles.h"
#include "engine/spreadsheet/template_reader.h"
#include "tests/support/test_files.h"
#include "tools/reports/reports.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace orvenda::sheet {
namespace {

const std::string kProgram = ORVENDA_PROGRAM_DIR;
const char* const kTemplates[] = {"kala_day.xlsx", "kala_day_years.xlsx", "kala_listevt.xlsx"};

TEST(TemplateResavedByLibreOffice, KeepsItsCellsMergesAndColours)
{
    if (std::system("command -v soffice >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    test::TempFolder folder;
    std::string command = "cd '" + folder.folder() + "' && soffice -env:UserInstallation=file://" +
                          folder.folder() +
                          "profile --headless --convert-to 'xlsx:Calc MS Excel 2007 XML' --outdir Template";
    for (const char* name : kTemplates)
        command += " '" + kProgram + "Template/" + name + "'";
    command += " >soffice.log 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);

    for (const char* name : kTemplates) {
        SCOPED_TRACE(name);
        const OpenResult ours = OpenTemplate(kProgram + "Template/" + name);
        const OpenResult theirs = OpenTemplate(folder.folder() + "Template/" + name);
        ASSERT_TRUE(ours.Book) << ours.Error;
        ASSERT_TRUE(theirs.Book) << theirs.Error;
        ASSERT_EQ(ours.Book->Sheets.size(), theirs.Book->Sheets.size());
        for (std::size_t i = 0; i < ours.Book->Sheets.size(); ++i) {
            const Sheet& a = ours.Book->Sheets[i];
            const Sheet& b = theirs.Book->Sheets[i];
            EXPECT_EQ(a.Name, b.Name);
            for (const auto& [at, cell] : a.Cells) {
                const Cell* other = b.Find(at.first, at.second);
                const std::string where =
                    a.Name + " " + RangeText({at.first, at.second, at.first, at.second});
                if (!other) {
                    // An empty cell without a frame or fill may be dropped.
                    EXPECT_FALSE(cell.Style.Fill || !std::holds_alternative<std::monostate>(cell.Value))
                        << where;
                    continue;
                }
                EXPECT_EQ(ValueText(cell.Value), ValueText(other->Value)) << where;
                EXPECT_EQ(cell.Style.Fill, other->Style.Fill) << where;
                if (cell.Style.FontColour && *cell.Style.FontColour != Rgb{0, 0, 0}) {
                    EXPECT_EQ(cell.Style.FontColour, other->Style.FontColour) << where;
                }
                EXPECT_EQ(cell.Style.Bold, other->Style.Bold) << where;
                for (int e = 0; e < 4; ++e)
                    EXPECT_EQ(cell.Style.Borders[e] != Line::None, other->Style.Borders[e] != Line::None)
                        << where;
            }
            for (const CellRange& m : a.Merges)
                EXPECT_NE(std::find(b.Merges.begin(), b.Merges.end(), m), b.Merges.end())
                    << a.Name << " " << RangeText(m);
        }
    }

    // The calendar over the saved template paints the days in its colours.
    PrincipleColours colours;
    colours.ByMonthColour = false;
    const reports::ReportResult report = reports::CalendarReport(folder.folder(), 2006, colours);
    ASSERT_TRUE(report.Book) << report.Error;
    const OpenResult templ = OpenTemplate(folder.folder() + "Template/kala_day.xlsx");
    const std::optional<Rgb> january = templ.Book->InteriorColour(30, 6);
    ASSERT_TRUE(january);
    const int p = DayPrinciple(MakeDate(2006, 1, 1));
    const int row = 5 + (p <= 10 ? p - 2 : p <= 30 ? p - 14 : p - 26);
    EXPECT_EQ(report.Book->Sheets[0].Find(row, 4)->Style.FontColour, january);
}

} // namespace
} // namespace orvenda::sheet
