// The main window asks for the other windows through its requests, which the
// owner of the windows answers: the event editor, the options window, what is
// applied in the options window reaching the main window.

#include "config/ui/form_options.h"
#include "editors/ui/event_editor_window.h"
#include "main_window_fixture.h"

#include <QAbstractButton>
#include <QFont>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <fstream>
#include <iterator>

using namespace orvenda;
using namespace orvenda::test;

namespace {

std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

const std::string SaveChanges = "Орвенда|Текущий файл не был сохранён! Сохранить?";

// The editor holds family.evt with the text of its first record changed.
void EditFamilyInTheEditor(MainWindowFixture& f)
{
    QVERIFY(f.editor->openFile(QString::fromStdString(f.Path("family.evt"))));
    auto* text = f.editor->findChild<QWidget*>(QStringLiteral("FormFixed"))
                     ->findChild<QLineEdit*>(QStringLiteral("EEvent"));
    QVERIFY(text);
    text->setText(QStringLiteral("Изменено в редакторе"));
    QVERIFY(f.editor->controller().Model().IsModified());
}

} // namespace

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
        // The program's event list takes the request; a second receiver sees the same.
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
        const EventFileModel& model = f.editor->controller().Model();
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
        QSignalSpy requests(f.window, &TFormMain::textEditorRequested);
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

    // The main window's switch-off runs through the editor: the editor's
    // unsaved change gets its close question first, Cancel stops the command,
    // and the editor never keeps a copy that would undo the switch-off.
    void switchOffAsksTheEditorFirst()
    {
        MainWindowFixture f;
        f.Start();
        const std::string before = FileBytes(f.Path("family.evt"));
        EditFamilyInTheEditor(f);
        f.ClickRow(6); // the fifth record of family.evt
        QCOMPARE(f.Cell(6, 1), QStringLiteral("Первый рабочий день"));

        f.prompt.answers = {Questions::Answer::Ok, Questions::Answer::Cancel};
        f.Action("NSwitchOff")->trigger();
        QCOMPARE(f.prompt.asked.size(), std::size_t(2));
        QCOMPARE(f.prompt.asked.back(), SaveChanges);
        QCOMPARE(FileBytes(f.Path("family.evt")), before);
        QVERIFY(f.editor->controller().Model().IsModified());
        QCOMPARE(f.Cell(6, 1), QStringLiteral("Первый рабочий день"));

        f.prompt.asked.clear();
        f.prompt.answers = {Questions::Answer::Ok, Questions::Answer::No};
        f.ClickRow(6);
        f.Action("NSwitchOff")->trigger();
        QCOMPARE(f.prompt.asked.size(), std::size_t(2));
        std::string expected = before;
        const std::string on = "   3   0 1 ";
        const std::size_t last = expected.rfind(on);
        QVERIFY(last != std::string::npos);
        expected.replace(last, on.size(), "   3   0 0 ");
        QCOMPARE(FileBytes(f.Path("family.evt")), expected);
        QVERIFY(!f.editor->controller().Model().IsLoaded());
        // A later save in the editor has nothing to write back.
        QVERIFY(!f.editor->saveFile());
        QCOMPARE(FileBytes(f.Path("family.evt")), expected);
    }

    void closingTheMainWindowAsksForTheEditorsChanges()
    {
        MainWindowFixture f;
        f.Start();
        const std::string before = FileBytes(f.Path("family.evt"));
        EditFamilyInTheEditor(f);
        QSignalSpy exit(f.window, &TFormMain::exitAccepted);

        f.prompt.answers = {Questions::Answer::Cancel};
        QVERIFY(!f.window->close());
        QVERIFY(f.window->isVisible());
        QCOMPARE(exit.count(), 0);
        QCOMPARE(f.prompt.asked, std::vector<std::string>{SaveChanges});
        QVERIFY(f.editor->controller().Model().IsModified());

        // "Выход" asks "Уже пора?" first, then the editor.
        f.prompt.asked.clear();
        f.prompt.answers = {Questions::Answer::Ok, Questions::Answer::Cancel};
        f.Action("NExit")->trigger();
        QCOMPARE(exit.count(), 0);
        QCOMPARE(f.prompt.asked.size(), std::size_t(2));
        QCOMPARE(f.prompt.asked.back(), SaveChanges);

        f.prompt.answers = {Questions::Answer::Ok};
        QVERIFY(f.window->close());
        QCOMPARE(exit.count(), 1);
        QVERIFY(FileBytes(f.Path("family.evt")) != before);
        QVERIFY(!f.editor->controller().Model().IsModified());
    }
};

ORVENDA_UI_TEST(WindowLinksTest, "window_links")

#include "window_links_test.moc"
