// The personal event list window: adding entries with their pictures, the
// links grid, deleting, importing with skipped lines, and the question
// before unsaved entries are closed away.

#include "tests/support/report_setup.h"
#include "tests/support/test_files.h"
#include "tests/support/ui_test_registry.h"
#include "tools_ui_support.h"

#include "engine/principles.h"
#include "engine/scripted_questions.h"
#include "tools/eventlist/ui/event_list_window.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>

using namespace orvenda;

namespace {

template <typename T> T* Child(QWidget& window, const char* name)
{
    T* child = window.findChild<T*>(QLatin1String(name));
    if (!child)
        qFatal("no child %s", name);
    return child;
}

void AddTyped(TFormEvtList& window, const QString& term, const QString& text)
{
    Child<QLineEdit>(window, "ESrok")->setText(term);
    Child<QLineEdit>(window, "EEvt")->setText(text);
    Child<QPushButton>(window, "BAdd")->click();
}

} // namespace

class EventListWindowTest : public QObject {
    Q_OBJECT

private slots:
    void entriesPicturesAndLinks()
    {
        ScriptedQuestions prompt;
        QStringList opened;
        ReportSetup setup = test::RecordingReports(ORVENDA_PROGRAM_DIR, opened);
        setup.clock = [] { return TDateRec{2026, 12, 9, 8, 5}; };
        TFormEvtList window(prompt, setup);
        auto* minute = Child<QToolButton>(window, "ImageMin");
        QVERIFY(!minute->isEnabled());
        // Tab walks the top row from left to right.
        QStringList tabOrder;
        for (QWidget* next = Child<QLineEdit>(window, "ESrok"); tabOrder.size() < 3;) {
            next = next->nextInFocusChain();
            if (next->focusPolicy() & Qt::TabFocus)
                tabOrder << next->objectName();
        }
        QCOMPARE(tabOrder, (QStringList{"BNow", "EEvt", "BAdd"}));

        Child<QToolButton>(window, "BNow")->click();
        QCOMPARE(Child<QLineEdit>(window, "ESrok")->text(), QStringLiteral("09.12.2026  8:05"));
        AddTyped(window, QStringLiteral("7.3.1965"), QStringLiteral("Без времени"));
        QCOMPARE(minute->toolTip(), QStringLiteral("0"));
        AddTyped(window, QStringLiteral("31.2.2000"), QStringLiteral("Нет такого дня"));
        QCOMPARE(prompt.asked, std::vector<std::string>{"Ошибка!|Неверная или неполная дата."});
        AddTyped(window, QStringLiteral("7.3.1965 14:30"), QStringLiteral("День рождения Ивана Петровича"));
        QCOMPARE(window.List().Size(), std::size_t{2});
        QCOMPARE(window.List().Records()[1].datetime, std::string("07.03.1965  14:30"));
        QVERIFY(minute->isEnabled());
        QCOMPARE(minute->toolTip(), QStringLiteral("30"));
        QVERIFY(!minute->icon().isNull());

        // The links of the week principle with the stars of 5 and 7 rays.
        Child<QLineEdit>(window, "EStars")->setText(QStringLiteral("5, 7"));
        auto* week = Child<QToolButton>(window, "ImageWeek");
        week->click();
        const int principle = week->toolTip().toInt();
        auto* grid = Child<QTableWidget>(window, "SG1");
        QCOMPARE(grid->columnCount(), 8);
        QCOMPARE(grid->rowCount(), 3);
        QCOMPARE(grid->item(2, 0)->text(), QStringLiteral("7"));
        QCOMPARE(grid->item(2, 7)->toolTip(), QString::number(LinkedPrinciple(principle, 7, 7)));
        QVERIFY(!grid->item(2, 7)->data(Qt::DecorationRole).value<QPixmap>().isNull());
        QVERIFY(!grid->item(1, 6));
        QCOMPARE(Child<QLabel>(window, "LLinks")->text(),
                 QStringLiteral("Связи между принципами для принципа ") +
                     QString::fromStdString(PrincipleName(principle)));

        window.show();
        QVERIFY(test::SaveScreenshot(&window, "event_list.png"));
        QCOMPARE(test::FirstCutLabel(window), QString());

        // "5;7" is one star of 57 rays once Enter is pressed.
        Child<QLineEdit>(window, "EStars")->setText(QStringLiteral("5;7"));
        QTest::keyClick(Child<QLineEdit>(window, "EStars"), Qt::Key_Return);
        QCOMPARE(grid->columnCount(), 58);
        QCOMPARE(grid->rowCount(), 2);

        // Deleting every entry disables the pictures and the delete button.
        auto* remove = Child<QToolButton>(window, "BDel");
        remove->click();
        QVERIFY(minute->isEnabled());
        remove->click();
        QVERIFY(!minute->isEnabled());
        QVERIFY(!remove->isEnabled());
        QVERIFY(!window.findChild<QAction*>(QStringLiteral("TBExcel"))->isEnabled());
    }

    void importAndAskBeforeClosing()
    {
        QTemporaryDir folder;
        test::TempFolder program;
        QStringList opened;
        ScriptedQuestions prompt;
        TFormEvtList window(prompt, test::RecordingReports(program.folder(), opened));
        auto* excel = window.findChild<QAction*>(QStringLiteral("TBExcel"));
        QVERIFY(!excel->isEnabled());
        window.show();
        prompt.fileNames.push_back(ORVENDA_TEST_DATA_DIR "/eventlist/pension.001");
        window.findChild<QAction*>(QStringLiteral("TBLoad"))->trigger();
        QCOMPARE(window.List().Size(), std::size_t{2});
        QCOMPARE(prompt.asked.size(), std::size_t{1});
        QVERIFY(QString::fromStdString(prompt.asked.front())
                    .contains(QStringLiteral("Пропущено строк с неверной или неполной датой: 1")));
        QVERIFY(window.windowTitle().endsWith(QStringLiteral("pension.001 - Список событий")));
        QVERIFY(Child<QToolButton>(window, "BDel")->isEnabled());

        // The imported entries in the spreadsheet, saved among the user's files and opened.
        QVERIFY(excel->isEnabled());
        excel->trigger();
        const QString report =
            QString::fromStdString(program.folder() + "Report/Список событий 2006-03-02 14-05-09.xlsx");
        QCOMPARE(opened, QStringList{report});
        for (int s = 0; s < 2; ++s) {
            const EvtListRecord& entry = window.List().Records()[static_cast<std::size_t>(s)];
            QCOMPARE(test::SavedCell(report, 4 + s, 2), entry.datetime);
            QCOMPARE(test::SavedCell(report, 4 + s, 4), entry.event);
        }
        QCOMPARE(prompt.asked.size(), std::size_t{1});

        // Read into an empty list, nothing is unsaved; an added entry is.
        QVERIFY(window.close());
        window.show();
        AddTyped(window, QStringLiteral("1.1.2000"), QStringLiteral("Новое"));
        prompt.asked.clear();
        QVERIFY(!window.close());
        QCOMPARE(prompt.asked,
                 std::vector<std::string>{"Список событий|Список событий не был сохранён! Сохранить?"});
        // OK saves under a chosen name, with the default extension.
        prompt.answers.push_back(Questions::Answer::Ok);
        prompt.fileNames.push_back(folder.filePath(QStringLiteral("saved")).toStdString());
        QVERIFY(window.close());
        QCOMPARE(window.windowTitle(), QStringLiteral("saved.evl - Список событий"));
        EventList reread;
        QVERIFY(!ImportEvtListFile(folder.filePath(QStringLiteral("saved.evl")).toStdString(), reread)
                     .readFailed);
        QCOMPARE(reread.Records(), window.List().Records());
    }
};

ORVENDA_UI_TEST(EventListWindowTest, "event_list_window")
#include "event_list_window_test.moc"
