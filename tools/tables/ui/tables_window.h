#pragma once

// The tables window: a tree of the tables on the left, one page per tree
// node on the right (the pages' tabs are hidden), each table printed into
// the text output and the text editor shown. The day page also makes the
// spreadsheet reports of a range of years and of one year.

#include "engine/principle_colours.h"
#include "tools/reports/ui/show_report.h"
#include "tools/tables/tables.h"

#include <QWidget>

class QDateEdit;
class QSpinBox;
class QCheckBox;
class QStackedWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace orvenda {

class Questions;
class TextOutput;

class TFormTables : public QWidget {
    Q_OBJECT

public:
    // `output` is the text editor's text and `colours` the colour window's
    // choice for the day calendar; both outlive this window.
    TFormTables(Questions& questions, TextOutput& output, const PrincipleColours& colours,
                ReportSetup reports, QWidget* parent = nullptr);

    // The position of a node in the fully expanded tree, counted from 0: the
    // index of the page it shows.
    static int AbsoluteIndex(const QTreeWidgetItem* item);

signals:
    // A table was printed: the text editor is to be shown.
    void textEditorRequested();
    // "Настройки таблицы Excel": the principle colour window is to be shown.
    void principleColoursRequested();

private:
    void TreeView1Change();
    void TBCenturyClick();
    void ToolButton1Click();
    void TBMonthClick();
    void TBDecadeClick();
    void TBWeekClick();
    void TBDayClick();
    void TBYearClick();
    void TBZodiak5yearsClick();
    void TBZodiakClick();
    void TBCalYearClick();
    void TBExcelYearClick();
    void TBExcelDayClick();

    // Takes the range from the spin edits `from` and `to` (a one-year table
    // gives its one spin edit twice), swapping a reversed one in them first;
    // checks the size, prints and shows the text editor.
    void Print(TableRequest request, QSpinBox* from = nullptr, QSpinBox* to = nullptr);

    Questions& m_questions;
    TextOutput& m_output;
    const PrincipleColours& m_colours;
    ReportSetup m_reports;

    QTreeWidget* TreeView1 = nullptr;
    QStackedWidget* PageControl1 = nullptr;
    QSpinBox* CSECentury1 = nullptr;
    QSpinBox* CSECentury2 = nullptr;
    QSpinBox* CSpinEdit1 = nullptr;
    QSpinBox* CSpinEdit2 = nullptr;
    QSpinBox* CSEmonth_year = nullptr;
    QSpinBox* CSEdecade_year = nullptr;
    QSpinBox* CSEweek_year = nullptr;
    QSpinBox* CSEyear1 = nullptr;
    QSpinBox* CSEyear2 = nullptr;
    QSpinBox* CSEcol_width = nullptr;
    QSpinBox* CSEyear3 = nullptr;
    QDateEdit* DateTimePicker1 = nullptr;
    QDateEdit* DateTimePicker2 = nullptr;
    QSpinBox* CSEZodiak5year1 = nullptr;
    QSpinBox* CSEZodiak5year2 = nullptr;
    QCheckBox* CB5year_combine = nullptr;
    QSpinBox* CSEZodiak_year = nullptr;
    QSpinBox* CSpinEditCalYear = nullptr;
};

} // namespace orvenda
