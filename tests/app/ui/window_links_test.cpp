// The main window asks for the other windows through its requests, which the
// owner of the windows answers: the event editor, the options window, what is
// applied in the options window reaching the main window.

#include "config/ui/form_options.h"
#include "editors/ui/event_editor_window.h"
#include "main_window_fixture.h"

#include <QAbstractButton>
#include <QFont>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace orvenda;
using namespace orvenda::test;

class WindowLinksTest : public QObject {
    Q_OBJECT
private slots:
    // Every entry that opens another window only emits its request, and an
    // entry whose request nobody answers stays disabled.
    void entriesEmitTheirRequests_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<bool>("enabledAlone");
        const std::pair<const char*, const char*> requests[] = {
            {"NPeriod", "periodRequested()"},          {"TBPeriod", "periodRequested()"},
            {"NEditor", "editorRequested()"},          {"TBEditor", "editorRequested()"},
            {"NEvtEditor", "editorRequested()"},       {"NEvtList", "eventListRequested()"},
            {"TBEvtList", "eventListRequested()"},     {"NTables", "tablesRequested()"},
            {"TBTables", "tablesRequested()"},         {"NCalculator", "calculatorRequested()"},
            {"TBCalculator", "calculatorRequested()"}, {"NTextEditor", "textEditorRequested()"},
            {"TBTextEditor", "textEditorRequested()"}, {"NOptions", "optionsRequested()"},
            {"TBOptions", "optionsRequested()"},       {"NEvtOptions", "optionsRequested()"},
            {"NStatus", "journalRequested()"},         {"NAbout", "aboutRequested()"},
            {"TBAbout", "aboutRequested()"},           {"NCalendar", "calendarRequested(QDate)"}};
        for (const auto& [entry, request] : requests) {
            // The journal, the about window and the calendar are always there.
            const bool always = QByteArray(request).startsWith("journal") ||
                                QByteArray(request).startsWith("about") ||
                                QByteArray(request).startsWith("calendar");
            QTest::newRow(entry) << QString::fromLatin1(entry) << QByteArray("2") + request << always;
        }
    }
    void entriesEmitTheirRequests()
    {
        QFETCH(QString, entry);
        QFETCH(QByteArray, request);
        QFETCH(bool, enabledAlone);
        ScriptedQuestions questions;
        SessionEnvironment env;
        env.programFolder = "/nonexistent/";
        env.clock = FixedClock(FixedNow);
        env.changeCurrentFolder = false;
        TFormMain window(env, questions);
        auto* action = window.findChild<QAction*>(entry);
        QVERIFY(action);
        QCOMPARE(action->isEnabled(), enabledAlone);
        QSignalSpy spy(&window, request.constData());
        QVERIFY(action->isEnabled());
        action->trigger();
        QCOMPARE(spy.count(), 1);
        QVERIFY(questions.asked.empty());
    }

    // "Добавить в список" hands the chosen event's date and text on.
    void addToListGivesTheChosenEvent()
    {
        MainWindowFixture f;
        f.Start();
        QVERIFY(!f.Action("NAddToList")->isEnabled());
        std::vector<std::pair<TDateRec, QString>> added;
        QObject::connect(
            f.window, &TFormMain::addToListRequested, f.window,
            [&added](const TDateRec& date, const QString& text) { added.emplace_back(date, text); });
        QVERIFY(f.Action("NAddToList")->isEnabled());
        f.ClickRow(2); // a heading: nothing to add
        f.Action("NAddToList")->trigger();
        QVERIFY(added.empty());
        f.ClickRow(3);
        f.Action("NAddToList")->trigger();
        QCOMPARE(added.size(), std::size_t(1));
        QCOMPARE(added[0].first.Year, 2005);
        QCOMPARE(added[0].first.Month, 3);
        QCOMPARE(added[0].first.Day, 15);
        QCOMPARE(added[0].second, QStringLiteral("День рождения Ани"));
    }

    void editingARowOpensItsFileAtItsRecord()
    {
        MainWindowFixture f;
        f.Start();
        QCOMPARE(f.Cell(3, 1), QStringLiteral("День рождения Ани"));
        f.ClickRow(3);
        f.Action("NEvtEdit")->trigger();
        QVERIFY(f.editor->isVisible());
        const EventFileModel& model = f.editor->Controller().Model();
        QCOMPARE(model.PathText(), f.Path("family.evt"));
        QCOMPARE(model.CurrentNumber(), 1);
        QCOMPARE(model.Current()->event, std::string("День рождения Ани"));

        // A heading row opens nothing.
        f.editor->hide();
        f.ClickRow(2);
        QVERIFY(!f.Action("NEvtEdit")->isEnabled());
    }

    void theEditorAndTheOptionsOpenFromTheMenus()
    {
        MainWindowFixture f;
        f.Start();
        QVERIFY(f.Action("NEditor")->isEnabled());
        f.Action("NEditor")->trigger();
        QVERIFY(f.editor->isVisible());
        QVERIFY(f.Action("NOptions")->isEnabled());
        f.Action("NOptions")->trigger();
        QVERIFY(f.options->isVisible());
    }

    void theTextEditorIsAskedForByItsMenuEntryAndButton()
    {
        MainWindowFixture f;
        f.Start();
        QSignalSpy requests(f.window.get(), &TFormMain::textEditorRequested);
        for (const char* name : {"NTextEditor", "TBTextEditor"}) {
            QVERIFY2(f.Action(name)->isEnabled(), name);
            f.Action(name)->trigger();
        }
        QCOMPARE(requests.size(), 2);
        QCOMPARE(f.Action("NTextEditor")->shortcut(), QKeySequence(Qt::Key_F6));
    }

    void appliedLooksReachTheMainWindow()
    {
        MainWindowFixture f;
        f.Start();
        auto* today = f.Find<QLabel>("LTdText");
        QVERIFY(!today->font().bold());
        f.Action("NOptions")->trigger();
        // The first object is the today caption: make it bold and apply.
        auto* bold = f.options->findChild<QToolButton*>(QStringLiteral("bold"));
        auto* apply = f.options->findChild<QAbstractButton*>(QStringLiteral("applyLooks"));
        QVERIFY(bold && apply);
        bold->click();
        QVERIFY(!today->font().bold()); // only "Применить" restyles the main window
        QVERIFY(apply->isEnabled());
        apply->click();
        QVERIFY(today->font().bold());
        QVERIFY(!apply->isEnabled());
    }
};

ORVENDA_UI_TEST(WindowLinksTest, "window_links")

#include "window_links_test.moc"
