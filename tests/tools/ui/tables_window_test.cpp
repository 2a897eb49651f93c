// The tables window: every tree node shows its page, the tables print into
// the text output with the separation rule, reversed ranges are swapped and
// a huge table is asked about.

#include "tests/support/report_setup.h"
#include "tests/support/test_files.h"
#include "tests/support/ui_test_registry.h"
#include "tools_ui_support.h"

#include "engine/principles.h"
#include "engine/scripted_questions.h"
#include "engine/text_output.h"
#include "tools/reports/report_layout.h"
#include "tools/tables/ui/tables_window.h"

#include <QSignalSpy>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>
#include <QTreeWidget>

using namespace orvenda;

class TablesWindowTest : public QObject {
    Q_OBJECT

private slots:
    void treeNodesShowTheirPages()
    {
        ScriptedQuestions prompt;
        TextLines output;
        QStringList opened;
        const PrincipleColours colours;
        TFormTables window(prompt, output, colours, test::RecordingReports(ORVENDA_PROGRAM_DIR, opened));
        auto* tree = window.findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
        auto* pages = window.findChild<QStackedWidget*>(QStringLiteral("PageControl1"));
        const QStringList expected = {"TSKala",       "TSKalaCentury",  "TSKalaYear",   "TSKalaMonth",
                                      "TSKalaDecade", "TSKalaWeek",     "TSKalaDay",    "TSZodiak",
                                      "TSZodiakAge",  "TSZodiak5Years", "TSZodiakYear", "TSCalendar"};
        QStringList shown;
        for (QTreeWidgetItemIterator it(tree); *it; ++it) {
            tree->setCurrentItem(*it);
            shown << pages->currentWidget()->objectName();
        }
        QCOMPARE(shown, expected);
        // The node "Год" under "Зодиак" is the eleventh node of the open tree.
        QCOMPARE(TFormTables::AbsoluteIndex(tree->topLevelItem(1)->child(2)), 10);
    }

    void tablesPrintSwappedAndSeparated()
    {
        ScriptedQuestions prompt;
        TextLines output;
        QStringList opened;
        const PrincipleColours colours;
        TFormTables window(prompt, output, colours, test::RecordingReports(ORVENDA_PROGRAM_DIR, opened));
        QSignalSpy shown(&window, &TFormTables::textEditorRequested);
        auto* from = window.findChild<QSpinBox*>(QStringLiteral("CSECentury1"));
        auto* to = window.findChild<QSpinBox*>(QStringLiteral("CSECentury2"));
        from->setValue(21);
        to->setValue(19);
        window.findChild<QToolButton*>(QStringLiteral("TBCentury"))->click();
        QCOMPARE(from->value(), 19);
        QCOMPARE(to->value(), 21);
        QCOMPARE(output.Lines(), CenturyTable(19, 21));
        QCOMPARE(shown.count(), 1);

        window.findChild<QToolButton*>(QStringLiteral("TBMonth"))->click();
        std::vector<std::string> expected = CenturyTable(19, 21);
        expected.insert(expected.end(), {"", ""});
        for (const std::string& line : MonthTable(2006))
            expected.push_back(line);
        QCOMPARE(output.Lines(), expected);

        // More than 100,000 lines: asked first, and nothing is printed on Cancel.
        window.findChild<QSpinBox*>(QStringLiteral("CSpinEdit1"))->setValue(1);
        window.findChild<QSpinBox*>(QStringLiteral("CSpinEdit2"))->setValue(200000);
        window.findChild<QToolButton*>(QStringLiteral("ToolButton1"))->click();
        QCOMPARE(prompt.asked.size(), std::size_t{1});
        QVERIFY(QString::fromStdString(prompt.asked.front()).contains(QStringLiteral("200002")));
        QCOMPARE(output.Lines().size(), expected.size());
        QCOMPARE(shown.count(), 2);
    }

    void dayPageButtons()
    {
        ScriptedQuestions prompt;
        TextLines output;
        test::TempFolder program;
        QStringList opened;
        PrincipleColours colours;
        TFormTables window(prompt, output, colours, test::RecordingReports(program.folder(), opened));
        QSignalSpy options(&window, &TFormTables::principleColoursRequested);
        window.findChild<QToolButton*>(QStringLiteral("TBExcelDayOptions"))->click();
        QCOMPARE(options.count(), 1);

        // The spreadsheet reports take the page's years, and the colours as
        // the colour window leaves them; each is saved and opened.
        window.findChild<QSpinBox*>(QStringLiteral("CSEyear1"))->setValue(1921);
        window.findChild<QSpinBox*>(QStringLiteral("CSEyear2"))->setValue(2017);
        window.findChild<QSpinBox*>(QStringLiteral("CSEyear3"))->setValue(2010);
        const int january = MonthPrinciple(MakeDate(2010, 1, 1));
        colours.Colours[static_cast<std::size_t>(january % 10)] = Rgb{1, 2, 3};
        const QString folder = QString::fromStdString(program.folder() + "Report/");
        const QString birthday = folder + QStringLiteral("Принципы дней рождения 2006-03-02 14-05-09.xlsx");
        const QString calendar = folder + QStringLiteral("Принципы дней 2006-03-02 14-05-09.xlsx");
        for (const char* button : {"TBExcelYear", "TBExcelDay"}) {
            auto* excel = window.findChild<QToolButton*>(QLatin1String(button));
            QVERIFY(excel->isEnabled());
            excel->click();
        }
        QCOMPARE(opened, (QStringList{birthday, calendar}));
        QCOMPARE(test::SavedCell(birthday, 8, 13), std::string("1921"));
        QCOMPARE(test::SavedCell(birthday, 8, 16), std::string("2017"));
        QCOMPARE(test::SavedCell(calendar, reports::kCalendarYearRow, reports::kCalendarYearColumn),
                 std::string("2010"));
        const sheet::OpenResult read = sheet::OpenTemplate(calendar.toStdString());
        QVERIFY(read.Book);
        QCOMPARE(read.Book->InteriorColour(reports::kMonthLegend[0].Row, reports::kMonthLegend[0].FillColumn),
                 std::optional<Rgb>(Rgb{1, 2, 3}));
        QVERIFY(prompt.asked.empty());

        window.findChild<QToolButton*>(QStringLiteral("TBDay"))->click();
        QCOMPARE(output.Lines().size(), std::size_t{3}); // 2 March 2006 to 2 March 2006

        auto* tree = window.findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
        tree->setCurrentItem(tree->topLevelItem(0)->child(5));
        window.show();
        QVERIFY(test::SaveScreenshot(&window, "tables_day.png"));
        QCOMPARE(test::FirstCutLabel(window), QString());
        tree->setCurrentItem(tree->topLevelItem(1)->child(1));
        QVERIFY(test::SaveScreenshot(&window, "tables_zodiac5.png"));
        QCOMPARE(test::FirstCutLabel(window), QString());
    }
};

ORVENDA_UI_TEST(TablesWindowTest, "tables_window")
#include "tables_window_test.moc"
