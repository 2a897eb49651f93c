// The main window opens the event editor and the options window, and what is
// applied in the options window reaches the main window.

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
