// The main window's "Список событий" and "Добавить в список" reach the
// personal event list, wired as the program wires them.

#include "main_window_fixture.h"
#include "tools/eventlist/ui/event_list_window.h"

#include <QSignalSpy>

using namespace orvenda;
using namespace orvenda::test;

class AddToListTest : public QObject {
    Q_OBJECT

private slots:
    void eventRowsGoToTheList()
    {
        MainWindowFixture f;
        f.Start();
        TFormEvtList list(f.prompt, QString::fromStdString(f.folder.path()));
        connect(f.window.get(), &TFormMain::addToListRequested, &list, &TFormEvtList::AddEntry);
        QSignalSpy shown(f.window.get(), &TFormMain::eventListRequested);

        f.Action("TBEvtList")->trigger();
        QCOMPARE(shown.count(), 1);

        // A heading adds nothing; an event adds its date and text.
        f.ClickRow(2);
        f.Action("NAddToList")->trigger();
        QVERIFY(list.List().Empty());
        f.ClickRow(3);
        f.Action("NAddToList")->trigger();
        QCOMPARE(list.List().Records(), (std::vector<EvtListRecord>{{"15.03.2005", "День рождения Ани"}}));
        QVERIFY(list.findChild<QWidget*>(QStringLiteral("ImageDay"))->isEnabled());
        QVERIFY(f.prompt.asked.isEmpty());
    }
};

ORVENDA_UI_TEST(AddToListTest, "add_to_list")
#include "add_to_list_test.moc"
