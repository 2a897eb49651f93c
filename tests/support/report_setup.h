#pragma once

// The report setup of a window under test: templates and pictures from the
// build, reports saved into a temporary folder at a fixed moment and
// "opened" by noting their paths, and the cells of a saved report read back.

#include "engine/spreadsheet/template_reader.h"
#include "tools/reports/ui/show_report.h"

#include <QStringList>

#include <string>

namespace orvenda::test {

inline constexpr TDateRec kReportMoment{2006, 3, 2, 14, 5, 9, 0};

inline ReportSetup RecordingReports(const std::string& programFolder, QStringList& opened)
{
    ReportSetup setup;
    setup.dataFolder = ORVENDA_PROGRAM_DIR;
    setup.programFolder = programFolder;
    setup.clock = [] { return kReportMoment; };
    setup.open = [&opened](const QString& path) {
        opened << path;
        return true;
    };
    return setup;
}

// The text of a cell of the first sheet of a saved report; empty when the
// report cannot be read or the cell is empty.
inline std::string SavedCell(const QString& path, int row, int column)
{
    const sheet::OpenResult read = sheet::OpenTemplate(path.toStdString());
    const sheet::Cell* cell = read.Book ? read.Book->Sheets.at(0).Find(row, column) : nullptr;
    return cell ? sheet::ValueText(cell->Value) : std::string();
}

} // namespace orvenda::test
