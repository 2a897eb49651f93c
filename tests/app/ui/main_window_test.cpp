// The main window after start-up and under the user's commands, over a
// program folder of hand-made files (see main_window_fixture.h).

#include "events/loader.h"
#include "main_window_fixture.h"

#include <QHeaderView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextEdit>
#include <QThreadPool>
#include <QToolBar>
#include <QToolButton>

using namespace orvenda;
using namespace orvenda::test;

namespace {

struct ExpectedRow {
    const char* date;
    const char* text;
};

// The list for 15 March 2008 with grouping, worked out by hand from the
// event files: days in order, headings relative to the current day, then the
// 1000-day and the same-digit lists.
const std::vector<ExpectedRow> GroupedRows{
    {"", " ---- 5 дней назад ----"},
    {"10.03.2000", "Переезд на новую квартиру"},
    {"", " ---- Сегодня ----"},
    {"15.03.2005", "День рождения Ани"},
    {"15.03.1998", "Открытие отдела"},
    {"", " ---- Завтра ----"},
    {"16.03.2001", "Первый рабочий день"},
    {"", " ---- Послезавтра ----"},
    {"17.03.1990", "Годовщина свадьбы"},
    {"", "==== Cобытия с кратностью дней 1000 ===="},
    {"02.04.1997", "Запуск проекта"},
    {"", "==== Особые сроки ===="},
    {"29.01.1999", "Сдача отчёта"},
};

QStringList ColumnTexts(const MainWindowFixture& f, int column)
{
    QStringList texts;
    for (int row = 0; row < f.RowCount(); ++row)
        texts << f.Cell(row, column);
    return texts;
}

std::vector<TEventRec> LoadFile(const MainWindowFixture& f, const std::string& name)
{
    Journal journal;
    return LoadEventFiles({TListedFile{f.folder.path(), name}}, FixedNow, journal).events;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startUpShowsTheSessionsView()
    {
        MainWindowFixture f;
        f.Start();
        QCOMPARE(f.Label("LTdDate"), QStringLiteral("15.03.08"));
        QCOMPARE(f.Label("LTdDayOfWeek"), QStringLiteral("Суббота"));
        QCOMPARE(f.Label("LTdText"), QStringLiteral("Сегодня"));
        // 15 March is day 75 of the leap year 2008: index 74 of the sayings.
        QCOMPARE(f.Find<QTextEdit>("MWisdom")->toPlainText(),
                 QStringLiteral("Высказывание 75\nВосточная мудрость"));

        QCOMPARE(f.RowCount(), static_cast<int>(GroupedRows.size()));
        for (int row = 0; row < f.RowCount(); ++row) {
            QCOMPARE(f.Cell(row, 0), QString::fromUtf8(GroupedRows[row].date));
            QCOMPARE(f.Cell(row, 1), QString::fromUtf8(GroupedRows[row].text));
        }
        QCOMPARE(f.Label("StatusPanel1"), QStringLiteral("Событий:"));
        // Five events in their windows, one 1000-day and one same-digit count.
        QCOMPARE(f.Label("StatusPanel2"), QStringLiteral("7"));
        QCOMPARE(f.Label("StatusPanel3"), QString());
        QCOMPARE(f.Label("StatusPanel4"), QString());

        // Everything shown is the session's view.
        const MainView& view = f.window->session().View();
        QCOMPARE(f.Label("LTdDate").toStdString(), view.DateLabel);
        for (int row = 0; row < f.RowCount(); ++row) {
            const ShownRow& shown = view.Events[static_cast<std::size_t>(row)];
            const std::array<std::string, 5> cells{DateColumnText(shown), shown.Text, FullDateText(shown),
                                                   shown.FilePath,
                                                   shown.IsEvent() ? std::to_string(shown.Ordinal) : ""};
            for (int column = 0; column < 5; ++column)
                QCOMPARE(f.Cell(row, column).toStdString(), cells[static_cast<std::size_t>(column)]);
        }
        const std::array<const char*, 7> rows{"Century", "Year", "Month", "Decade", "Week", "Day", "Zodiak"};
        const std::array<const char*, 7> captions{"Век", "Год", "Месяц", "Декада", "Неделя", "День", ""};
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const QString row = QString::fromLatin1(rows[i]);
            QCOMPARE(f.Find<QLabel>(qPrintable(QStringLiteral("L%1Caption").arg(row)))->text(),
                     QString::fromUtf8(captions[i]));
            QCOMPARE(f.Find<QLabel>(qPrintable(QStringLiteral("L%1Name").arg(row)))->text().toStdString(),
                     view.Astro[i].Name);
            QCOMPARE(f.Find<QLabel>(qPrintable(QStringLiteral("L%1Period").arg(row)))->text().toStdString(),
                     view.Astro[i].Period);
        }
        QCOMPARE(f.Label("LYearPeriod"), QStringLiteral("2008"));
        QCOMPARE(f.Label("LMonthPeriod"), QStringLiteral("Март"));
        QCOMPARE(f.Label("LDayPeriod"), QStringLiteral("15"));
        QCOMPARE(f.Label("LZodiakName"), QStringLiteral("Рыбы"));
    }

    void dayCommandsStepTheDayAndRefresh_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("weekday");
        QTest::addColumn<QString>("saying");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("firstRow");
        QTest::newRow("next day") << QStringList{"BdayNext"} << "16.03.08"
                                  << "Воскресенье"
                                  << "Высказывание 76"
                                  << "4"
                                  << " ---- 6 дней назад ----";
        // On 14 March the anniversary of the 17th is three days ahead.
        QTest::newRow("previous day") << QStringList{"BdayPrev"} << "14.03.08"
                                      << "Пятница"
                                      << "Высказывание 74"
                                      << "4"
                                      << " ---- 4 дня назад ----";
        QTest::newRow("there and back")
            << QStringList{"BdayNext", "BdayNext", "BdayPrev", "BdayPrev"} << "15.03.08"
            << "Суббота"
            << "Высказывание 75"
            << "7"
            << " ---- 5 дней назад ----";
        QTest::newRow("today after a step") << QStringList{"BdayNext", "LTdText"} << "15.03.08"
                                            << "Суббота"
                                            << "Высказывание 75"
                                            << "7"
                                            << " ---- 5 дней назад ----";
    }
    void dayCommandsStepTheDayAndRefresh()
    {
        QFETCH(QStringList, clicks);
        MainWindowFixture f;
        f.Start();
        for (const QString& name : clicks)
            QTest::mouseClick(f.Find<QWidget>(qPrintable(name)), Qt::LeftButton);
        f.WaitForRefresh();
        QTEST(f.Label("LTdDate"), "date");
        QTEST(f.Label("LTdDayOfWeek"), "weekday");
        QTEST(f.Find<QTextEdit>("MWisdom")->toPlainText().section(QLatin1Char('\n'), 0, 0), "saying");
        QTEST(f.Label("StatusPanel2"), "count");
        QTEST(f.Cell(0, 1), "firstRow");
    }

    void clickingRowsShowsDetailsAndSwitchesRowCommands()
    {
        MainWindowFixture f;
        f.Start();
        for (const char* name : {"NSwitchOff", "NDelete", "NEvtEdit"})
            QVERIFY2(!f.Action(name)->isEnabled(), name);
        // Always there; it acts on event rows only.
        QVERIFY(f.Action("NAddToList")->isEnabled());

        f.ClickRow(3);
        QCOMPARE(f.Label("StatusPanel4"),
                 QStringLiteral("15 Марта 2005; Сегодня событию 3 года | 156,4 недель | 1096 дней"));
        // The whole line, however narrow the window.
        QCOMPARE(f.Find<QLabel>("StatusPanel4")->toolTip(), f.Label("StatusPanel4"));
        QCOMPARE(f.Label("LCenturyPeriod"), QStringLiteral("21-й"));
        QCOMPARE(f.Label("LYearPeriod"), QStringLiteral("2005"));
        QCOMPARE(f.Label("LMonthPeriod"), QStringLiteral("Март"));
        QCOMPARE(f.Label("LDayPeriod"), QStringLiteral("15"));
        QVERIFY(f.Action("NSwitchOff")->isEnabled());
        QVERIFY(f.Action("NDelete")->isEnabled());
        QVERIFY(f.Action("NEvtEdit")->isEnabled());

        f.ClickRow(2);
        QCOMPARE(f.Label("StatusPanel4"), QString());
        QVERIFY(!f.Action("NSwitchOff")->isEnabled());
        QVERIFY(!f.Action("NDelete")->isEnabled());

        // The date label brings back the panel of the current day and
        // selects the first row.
        f.ClickRow(3);
        QTest::mouseClick(f.Find<QWidget>("LTdDate"), Qt::LeftButton);
        QCOMPARE(f.Label("LYearPeriod"), QStringLiteral("2008"));
        QCOMPARE(f.List()->selectionModel()->selectedRows().size(), 1);
        QCOMPARE(f.List()->selectionModel()->selectedRows().first().row(), 0);

        // Moving with the keyboard shows the details as a click does.
        f.ClickRow(3);
        QTest::keyClick(f.List(), Qt::Key_Down);
        QVERIFY(f.Label("StatusPanel4").startsWith(QStringLiteral("15 Марта 1998; ")));
    }

    void viewEntriesRecomputeAndRefit()
    {
        MainWindowFixture f;
        f.Start();
        QAction* group = f.Action("NEvtGroup");
        // The tool bar's "Вид" drop-down holds the same entry as the view menu.
        QVERIFY(f.Action("TBView")->menu()->actions().contains(group));
        const QString saying = f.Find<QTextEdit>("MWisdom")->toPlainText();
        const QString year = f.Label("LYearName");

        group->trigger();
        QVERIFY(!group->isChecked());
        QVERIFY(!f.window->session().Config().ViewGroup);
        QCOMPARE(f.RowCount(), 7);
        for (int row = 0; row < f.RowCount(); ++row)
            QVERIFY2(!f.Cell(row, 3).isEmpty(), "no heading rows without grouping");
        QCOMPARE(f.Label("StatusPanel2"), QStringLiteral("7"));
        QCOMPARE(f.Find<QTextEdit>("MWisdom")->toPlainText(), saying);
        QCOMPARE(f.Label("LYearName"), year);
        const QFontMetrics metrics(f.List()->font());
        for (const QString& text : ColumnTexts(f, 1))
            QVERIFY(metrics.horizontalAdvance(text) < f.List()->columnWidth(1));

        group->trigger();
        QCOMPARE(f.RowCount(), static_cast<int>(GroupedRows.size()));

        // "Дата в строке" shows or hides the date column.
        QTableView* list = f.List();
        QVERIFY(!list->isColumnHidden(0));
        for (const QString& date : ColumnTexts(f, 0))
            QVERIFY(metrics.horizontalAdvance(date) < list->columnWidth(0));

        f.Action("NDateInStr")->trigger();
        QVERIFY(!f.window->session().Config().ViewDateInStr);
        QVERIFY(list->isColumnHidden(0));
        QCOMPARE(f.window->widths().w0, 0);
        QCOMPARE(f.window->widths().w1, list->viewport()->width());
        QVERIFY(list->columnWidth(1) >= list->viewport()->width());

        f.Action("NDateInStr")->trigger();
        QVERIFY(!list->isColumnHidden(0));
        QVERIFY(f.window->widths().w0 > 0);
    }

    // Switching a view mark on and off leaves the chosen row, the details
    // and the panels alone; with no row chosen (the day was stepped) none is
    // chosen for the user.
    void viewMarksChangeNoSelection_data()
    {
        QTest::addColumn<QString>("mark");
        QTest::addColumn<bool>("rowChosen");
        for (const char* mark : {"NDateInStr", "NAstroPanel", "NToolBar", "NShowCaptions"})
            QTest::newRow(mark) << QString::fromLatin1(mark) << true;
        // Grouping lays the rows out afresh, which forgets a chosen row.
        for (const char* mark : {"NDateInStr", "NEvtGroup", "NAstroPanel", "NToolBar", "NShowCaptions"})
            QTest::newRow(qPrintable(QStringLiteral("%1 after a step").arg(QLatin1String(mark))))
                << QString::fromLatin1(mark) << false;
    }
    void viewMarksChangeNoSelection()
    {
        QFETCH(QString, mark);
        QFETCH(bool, rowChosen);
        MainWindowFixture f;
        f.Start();
        if (rowChosen) {
            f.ClickRow(3);
        } else {
            f.ClickRow(3);
            QTest::mouseClick(f.Find<QWidget>("BdayNext"), Qt::LeftButton);
            f.WaitForRefresh();
        }
        const auto state = [&f] {
            QStringList shown;
            for (const QModelIndex& index : f.List()->selectionModel()->selectedRows())
                shown << QString::number(index.row());
            return shown << f.Label("StatusPanel4") << f.Label("LYearPeriod") << f.Label("LDayPeriod")
                         << QString::number(f.Action("NDelete")->isEnabled());
        };
        const QStringList before = state();
        QCOMPARE(before.size(), rowChosen ? 5 : 4);
        for (int i = 0; i < 2; ++i) {
            f.Action(qPrintable(mark))->trigger();
            // The list gets the focus back as the menu closes.
            QFocusEvent focus(QEvent::FocusIn, Qt::PopupFocusReason);
            QCoreApplication::sendEvent(f.List(), &focus);
            QCOMPARE(state(), before);
        }
    }

    void rowCommandsAskAndRewriteTheFile_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("question");
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("active");
        const QString switchOff =
            QStringLiteral("Отключить событие?\n Событие помечается как не активное, но из "
                           "файла не удаляется \n Впредь оно не будет обрабатываться.");
        const QString remove = QStringLiteral("Удалить событие из файла? Восстановление будет не возможно");
        QTest::newRow("switch off, OK") << "NSwitchOff" << int(Questions::Answer::Ok) << switchOff << 5 << 0;
        QTest::newRow("switch off, No") << "NSwitchOff" << int(Questions::Answer::No) << switchOff << 5 << 1;
        QTest::newRow("delete, OK") << "NDelete" << int(Questions::Answer::Ok) << remove << 4 << -1;
        QTest::newRow("delete, No") << "NDelete" << int(Questions::Answer::No) << remove << 5 << 1;
    }
    void rowCommandsAskAndRewriteTheFile()
    {
        QFETCH(QString, command);
        QFETCH(int, answer);
        QFETCH(QString, question);
        QFETCH(int, records);
        QFETCH(int, active);
        MainWindowFixture f;
        f.Start();
        f.ClickRow(6); // 16.03.2001, tomorrow: the fifth record of family.evt
        QCOMPARE(f.Cell(6, 1), QStringLiteral("Первый рабочий день"));
        f.prompt.answers.push_back(Questions::Answer(answer));
        f.Action(qPrintable(command))->trigger();
        f.WaitForRefresh();
        QCOMPARE(Asked(f.prompt), QStringList{QStringLiteral("Орвенда|") + question});

        const std::vector<TEventRec> loaded = LoadFile(f, "family.evt");
        QCOMPARE(static_cast<int>(loaded.size()), records);
        const bool changed = answer == int(Questions::Answer::Ok);
        if (records == 5) {
            QCOMPARE(loaded[4].Text, std::string("Первый рабочий день"));
            QCOMPARE(loaded[4].Active, active);
        }
        // Gone from the day-by-day list, with its heading and from the count.
        QCOMPARE(ColumnTexts(f, 1).contains(QStringLiteral("Первый рабочий день")), !changed);
        QCOMPARE(ColumnTexts(f, 1).contains(QStringLiteral(" ---- Завтра ----")), !changed);
        QCOMPARE(f.Label("StatusPanel2"), changed ? QStringLiteral("6") : QStringLiteral("7"));
    }

    void windowWidthFollowsTheLongestLine()
    {
        // Short lines: the least width; centred on the screen.
        MainWindowFixture f;
        f.Start();
        const QRect screen = f.window->screen()->geometry();
        QCOMPARE(f.window->frameGeometry().width(), MinimumFittedWidth);
        QVERIFY(qAbs(f.window->frameGeometry().center().x() - screen.center().x()) <= 1);

        // Forty long lines: never wider than the screen.
        std::vector<std::string> lines{"[fixed events]"};
        for (int i = 0; i < 40; ++i)
            lines.push_back(std::to_string(1 + i % 28) +
                            "  3 2000  31  31 1 Очень длинное описание события номер " + std::to_string(i) +
                            ", которое не помещается в строку окна обычной ширины");
        QVERIFY(f.folder.Write("family.evt", lines));
        f.Action("NRefresh")->trigger();
        f.WaitForRefresh();
        QCOMPARE(f.window->frameGeometry().width(), screen.width());
        QCOMPARE(f.window->frameGeometry().left(), screen.left());
    }

    void windowKeepsItsWidthWithoutAdjustingOrEvents_data()
    {
        QTest::addColumn<QString>("adjust");
        QTest::addColumn<QString>("events");
        QTest::newRow("AdjustFormSize off") << "False"
                                            << "family.evt";
        QTest::newRow("no events at all") << "True"
                                          << "empty.evt";
    }
    void windowKeepsItsWidthWithoutAdjustingOrEvents()
    {
        QFETCH(QString, adjust);
        QFETCH(QString, events);
        ConfigContent content;
        content.events = {events.toStdString()};
        content.settings = {Setting("AdjustFormSize", adjust.toStdString())};
        MainWindowFixture f(content);
        QVERIFY(f.folder.Write("empty.evt", {"[fixed events]"}));
        f.windows.reset();
        f.Start();
        f.window->resize(720, f.window->height());
        f.Action("NRefresh")->trigger();
        f.WaitForRefresh();
        QCOMPARE(f.window->width(), 720);
    }

    void eventListFitsItsColumnsWithoutAHorizontalScrollBar_data()
    {
        QTest::addColumn<int>("events");
        QTest::addColumn<QString>("adjust");
        QTest::addColumn<QString>("dateInLine");
        QTest::addColumn<bool>("overflows"); // more rows than the list shows
        QTest::newRow("first start: only the no-events row") << 0 << "True"
                                                             << "True" << false;
        QTest::newRow("automatic width, seven events") << 7 << "True"
                                                       << "True" << true;
        QTest::newRow("automatic width, forty events") << 40 << "True"
                                                       << "True" << true;
        QTest::newRow("forty events in a window of fixed width") << 40 << "False"
                                                                 << "True" << true;
        QTest::newRow("forty events without the date in the line") << 40 << "True"
                                                                   << "False" << true;
    }
    void eventListFitsItsColumnsWithoutAHorizontalScrollBar()
    {
        QFETCH(int, events);
        QFETCH(QString, adjust);
        QFETCH(QString, dateInLine);
        QFETCH(bool, overflows);
        ConfigContent content;
        content.events = {"list.evt"};
        content.settings = {Setting("AdjustFormSize", adjust.toStdString()),
                            Setting("ViewDateInStr", dateInLine.toStdString())};
        MainWindowFixture f(content);
        std::vector<std::string> lines{"[fixed events]"};
        for (int i = 0; i < events; ++i)
            lines.push_back(std::to_string(10 + i % 10) + "  3 " + std::to_string(1960 + i) +
                            "  31  31 1 Событие с описанием средней длины номер " + std::to_string(i));
        QVERIFY(f.folder.Write("list.evt", lines));
        f.Start();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QTableView* list = f.List();
        QCOMPARE(list->verticalScrollBar()->isVisible(), overflows);
        QVERIFY(!list->horizontalScrollBar()->isVisible());
        int columns = 0;
        for (int column = 0; column < list->model()->columnCount(); ++column)
            columns += list->isColumnHidden(column) ? 0 : list->columnWidth(column);
        QVERIFY2(columns <= list->viewport()->width(),
                 qPrintable(QStringLiteral("%1 > %2").arg(columns).arg(list->viewport()->width())));
        // Every text is whole in its column.
        int widest = 0;
        for (int row = 0; row < f.RowCount(); ++row)
            widest = std::max(widest, list->fontMetrics().horizontalAdvance(f.Cell(row, 1)));
        QVERIFY(list->columnWidth(1) >= widest);
    }

    void viewMarksComeBackFromTheConfigurationAtEveryRefresh()
    {
        MainWindowFixture f;
        f.Start();
        auto* bar = f.Find<QToolBar>("ToolBar1");
        QWidget* astro = f.Find<QWidget>("PAstro");
        f.Action("NHideToolBar")->trigger();
        QVERIFY(bar->isHidden());
        QVERIFY(!f.Action("NToolBar")->isChecked());
        f.Action("NAstroPanel")->trigger();
        QVERIFY(astro->isHidden());
        QVERIFY(f.window->session().Config().ShowAstroPanel);
        f.Action("NShowCaptions")->trigger();
        QCOMPARE(bar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        f.Action("NEvtGroup")->trigger();

        f.Action("NRefresh")->trigger();
        f.WaitForRefresh();
        QVERIFY(!bar->isHidden());
        QVERIFY(f.Action("NToolBar")->isChecked());
        QVERIFY(!astro->isHidden());
        QVERIFY(f.Action("NAstroPanel")->isChecked());
        QCOMPARE(bar->toolButtonStyle(), Qt::ToolButtonIconOnly);
        QVERIFY(!f.Action("NShowCaptions")->isChecked());
        QVERIFY(f.Action("NEvtGroup")->isChecked());
        QCOMPARE(f.RowCount(), static_cast<int>(GroupedRows.size()));
    }

    // The files are read beside the window: a request returns with the list
    // as it was and the new rows come once the event loop runs; of two
    // requests only the newer one's rows are ever shown; closing the window
    // while the files are read is safe.
    void refreshRunsBesideTheWindow()
    {
        MainWindowFixture f;
        f.Start();
        const QStringList before = ColumnTexts(f, 1);
        QSignalSpy resets(f.List()->model(), &QAbstractItemModel::modelReset);
        QVERIFY(f.folder.Write("work.evt", {"[fixed events]", "15  3 1998   0   0 1 Первый запрос"}));
        f.Action("NRefresh")->trigger();
        QVERIFY(f.window->refreshRunning());
        QCOMPARE(ColumnTexts(f, 1), before);
        f.WaitForRefresh();
        QCOMPARE(resets.count(), 1);
        QVERIFY(ColumnTexts(f, 1).contains(QStringLiteral("Первый запрос")));

        resets.clear();
        QVERIFY(f.folder.Write("work.evt", {"[fixed events]", "15  3 1998   0   0 1 Второй запрос"}));
        f.Action("NRefresh")->trigger();
        QVERIFY(f.folder.Write("work.evt", {"[fixed events]", "15  3 1998   0   0 1 Третий запрос"}));
        QTest::mouseClick(f.Find<QWidget>("BdayNext"), Qt::LeftButton);
        QTest::mouseClick(f.Find<QWidget>("BdayPrev"), Qt::LeftButton);
        f.WaitForRefresh();
        QCOMPARE(resets.count(), 1);
        const QStringList texts = ColumnTexts(f, 1);
        QVERIFY(texts.contains(QStringLiteral("Третий запрос")));
        QVERIFY(!texts.contains(QStringLiteral("Второй запрос")));
        QCOMPARE(f.Label("LTdDate"), QStringLiteral("15.03.08"));

        f.Action("NRefresh")->trigger();
        QVERIFY(f.window->refreshRunning());
        f.windows.reset();
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
    }

    void exitAsksWhenConfirmExitIsSet_data()
    {
        QTest::addColumn<QString>("confirm");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("questions");
        QTest::addColumn<int>("exits");
        QTest::newRow("confirmed") << "True" << int(Questions::Answer::Ok) << 1 << 1;
        QTest::newRow("cancelled") << "True" << int(Questions::Answer::Cancel) << 1 << 0;
        QTest::newRow("no question") << "False" << int(Questions::Answer::Cancel) << 0 << 1;
    }
    void exitAsksWhenConfirmExitIsSet()
    {
        QFETCH(QString, confirm);
        QFETCH(int, answer);
        QFETCH(int, questions);
        QFETCH(int, exits);
        ConfigContent content;
        content.settings = {Setting("ConfirmExit", confirm.toStdString())};
        MainWindowFixture f(content);
        f.Start();
        QSignalSpy exited(f.window, &TFormMain::exitAccepted);
        if (questions)
            f.prompt.answers.push_back(Questions::Answer(answer));
        f.Action("NExit")->trigger();
        QCOMPARE(Asked(f.prompt),
                 questions ? QStringList{QStringLiteral("Выходим...|Уже пора?")} : QStringList{});
        QCOMPARE(exited.count(), exits);
        QVERIFY(f.window->isVisible());

        // Closing by the title bar ends without a question.
        f.window->close();
        QCOMPARE(exited.count(), exits + 1);
        QCOMPARE(Asked(f.prompt).size(), questions);
    }

    void journalWindowShowsTheJournal()
    {
        MainWindowFixture f;
        f.Start();
        f.Action("NStatus")->trigger();
        QVERIFY(f.status->isVisible());
        QCOMPARE(f.status->windowTitle(), QStringLiteral("Статус"));
        auto* memo = f.status->findChild<QPlainTextEdit*>(QStringLiteral("MemoStatus"));
        QStringList lines = memo->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY(lines.size() >= 3);
        QVERIFY(lines[0].startsWith(QStringLiteral("Программа запущена: ")));
        QCOMPARE(lines[1], QStringLiteral("-------------------"));
        QVERIFY(lines[2].startsWith(QStringLiteral("Загружаем конфигурацию: ")));
        QCOMPARE(lines.size(), static_cast<int>(f.window->session().GetJournal().Lines().size()));

        // Each refresh adds its loading line, and the open window follows.
        f.Action("NRefresh")->trigger();
        lines = memo->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.filter(QStringLiteral("Загружаем конфигурацию: ")).size(), 2);
    }

    void missingFileShowsAQuestionMark()
    {
        ConfigContent content;
        content.events = {"family.evt", "missing.evt"};
        MainWindowFixture f(content);
        f.Start();
        QCOMPARE(f.Label("StatusPanel3"), QStringLiteral("?"));
        const auto& journal = f.window->session().GetJournal().Lines();
        const std::string expected = "Не найден файл событий: missing.evt   Искали в: " + f.folder.path();
        QVERIFY(std::find(journal.begin(), journal.end(), expected) != journal.end());
    }

    void helpAndKalachakraOpenFilesOfTheProgramFolder()
    {
        MainWindowFixture f;
        f.Start();
        f.Action("NHelp")->trigger();
        QTest::mouseClick(f.Find<QWidget>("ImageKalachakra"), Qt::LeftButton);
        QCOMPARE(f.opened.size(), std::size_t{2});
        QCOMPARE(f.opened[0], QUrl::fromLocalFile(f.folder.qpath() + QStringLiteral("Orvenda.html")));
        QCOMPARE(f.opened[1], QUrl::fromLocalFile(f.folder.qpath() + QStringLiteral("Img/Kalachakra.jpg")));
        QCOMPARE(f.Find<QWidget>("ImageKalachakra")->toolTip(), QStringLiteral("Показать Калачакру"));
    }

    void calendarPicksTheCurrentDay()
    {
        MainWindowFixture f;
        f.Start();
        QTest::mouseDClick(f.Find<QWidget>("LTdDate"), Qt::LeftButton);
        QVERIFY(f.calendar->isVisible());
        QCOMPARE(f.calendar->CallerKey(), std::string("Main"));
        QCOMPARE(f.calendar->Date(), QDate(2008, 3, 15));

        f.calendar->PickDate(QDate(2007, 1, 7));
        QVERIFY(f.calendar->isHidden());
        QCOMPARE(f.Label("LTdDate"), QStringLiteral("07.01.07"));
        QCOMPARE(f.Label("LTdDayOfWeek"), QStringLiteral("Воскресенье"));
        const TDateRec day = f.window->session().CurrentDay();
        QCOMPARE(day.Hour + day.Minute + day.Second + day.Millisecond, 0);

        // The menu entry opens it on the new day.
        f.calendar->SetCallerKey("Calc");
        f.Action("NCalendar")->trigger();
        QCOMPARE(f.calendar->CallerKey(), std::string("Main"));
        QCOMPARE(f.calendar->Date(), QDate(2007, 1, 7));
    }

    void saveSettingsWritesTheConfiguration()
    {
        MainWindowFixture f;
        f.Start();
        f.Action("NShowCaptions")->trigger();
        f.Action("NSaveConfig")->trigger();
        QVERIFY(Asked(f.prompt).isEmpty());
        const std::optional<TextFile> saved = ReadTextFile(f.Path("Orvenda.cfg"));
        QVERIFY(saved);
        QVERIFY(saved->text.find("ToolBarShowTXT  = True\r\n") != std::string::npos);
        QVERIFY(saved->text.find("[Events in]\r\nfamily.evt\r\nwork.evt\r\n[end list]") != std::string::npos);
    }

    void saveSettingsFailureIsShown()
    {
        MainWindowFixture f;
        f.Start();
        // A folder where the file should be cannot be replaced by a file.
        QVERIFY(QFile::remove(f.folder.qpath() + QStringLiteral("Orvenda.cfg")));
        QVERIFY(QDir(f.folder.qpath()).mkdir(QStringLiteral("Orvenda.cfg")));
        f.Action("NSaveConfig")->trigger();
        QCOMPARE(Asked(f.prompt).size(), 1);
        QVERIFY(Asked(f.prompt)[0].startsWith(
            QStringLiteral("Орвенда|Невозможно сохранить файл конфигурации в ") + f.folder.qpath() +
            QStringLiteral("Orvenda.cfg")));
    }

    void looksOfTheSchemeReachTheTextAreas()
    {
        ConfigContent content;
        content.settings.push_back(Setting("ColorScheme", "test"));
        MainWindowFixture f(content);
        std::vector<std::string> scheme;
        const char* objects[] = {"LcToday|clYellow|Left|DejaVu Sans|11|clNavy|Plain",
                                 "LcDate|$000000FF|Center|MS Sans Serif|14|clWhite|Bold+Italic+",
                                 "LcDayOfWeek|clBtnFace|Right|DejaVu Serif|9|clWindowText|Bold+",
                                 "LcWis|clGrayText|Left|MS Sans Serif|8|clWindowText|Plain",
                                 "LcEvt|clBlack|Left|DejaVu Sans Mono|12|clAqua|Plain"};
        for (const char* object : objects) {
            const QStringList fields = QString::fromUtf8(object).split(QLatin1Char('|'));
            scheme.push_back("--------------- " + fields[0].toStdString());
            for (int i = 1; i < fields.size(); ++i)
                scheme.push_back(fields[i].toStdString());
        }
        QVERIFY(f.folder.Write("test.sch", scheme));
        f.Start();
        auto* today = f.Find<QLabel>("LTdText");
        QCOMPARE(today->palette().color(QPalette::Window), QColor(255, 255, 0));
        QCOMPARE(today->palette().color(QPalette::WindowText), QColor(0, 0, 128));
        QCOMPARE(today->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
        QCOMPARE(today->font().family(), QStringLiteral("DejaVu Sans"));
        auto* date = f.Find<QLabel>("LTdDate");
        QCOMPARE(date->palette().color(QPalette::Window), QColor(255, 0, 0));
        QCOMPARE(date->font().pointSize(), 14);
        QVERIFY(date->font().bold() && date->font().italic());
        auto* weekday = f.Find<QLabel>("LTdDayOfWeek");
        QCOMPARE(weekday->alignment(), Qt::AlignRight | Qt::AlignVCenter);
        QCOMPARE(weekday->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Button));
        auto* saying = f.Find<QTextEdit>("MWisdom");
        QCOMPARE(saying->palette().color(QPalette::Base),
                 QApplication::palette().color(QPalette::Disabled, QPalette::Text));
        QCOMPARE(saying->document()->defaultTextOption().alignment(), Qt::AlignLeft);
        QTableView* list = f.List();
        QCOMPARE(list->palette().color(QPalette::Base), QColor(0, 0, 0));
        QCOMPARE(list->palette().color(QPalette::Text), QColor(0, 255, 255));
        // 12 points at 96 dots per inch are 16 pixels, and 10 more.
        QCOMPARE(list->verticalHeader()->defaultSectionSize(), 26);
    }

    void menuHintsGoToTheFirstStatusPanel()
    {
        MainWindowFixture f;
        f.Start();
        f.Action("NRefresh")->showStatusText(f.window);
        QCOMPARE(f.Label("StatusPanel0"), f.Action("NRefresh")->statusTip());
        QCOMPARE(f.Label("StatusPanel2"), QStringLiteral("7"));
    }
};

ORVENDA_UI_TEST(MainWindowTest, "main_window")

#include "main_window_test.moc"
