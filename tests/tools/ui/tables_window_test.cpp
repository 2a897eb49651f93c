// The tables window: every tree node shows its page, the tables print into
// the text output with the separation rule, reversed ranges are swapped and
// a huge table is asked about.

#include "tests/support/ui_test_registry.h"
#include "tools_ui_support.h"

#include "engine/scripted_questions.h"
#include "engine/text_output.h"
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
        TFormTables window(prompt, output);
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
        TFormTables window(prompt, output);
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
        TFormTables window(prompt, output);
        QSignalSpy colours(&window, &TFormTables::principleColoursRequested);
        QVERIFY(!window.findChild<QToolButton*>(QStringLiteral("TBExcelYear"))->isEnabled());
        QVERIFY(!window.findChild<QToolButton*>(QStringLiteral("TBExcelDay"))->isEnabled());
        window.findChild<QToolButton*>(QStringLiteral("TBExcelDayOptions"))->click();
        QCOMPARE(colours.count(), 1);

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
