// The error journal window.

#include "app/ui/status_window.h"
#include "ui_test_support.h"

#include <QPlainTextEdit>

using namespace orvenda;

class StatusWindowTest : public QObject {
    Q_OBJECT
private slots:
    void showsEveryLineOfTheJournalWhenShownAndAfterwards()
    {
        Journal journal;
        journal.Add("Программа запущена: 03/15/08 в 10:00:00");
        journal.Add("-------------------");
        TFormStatus window(journal);
        QCOMPARE(window.windowTitle(), QStringLiteral("Статус"));
        auto* memo = window.findChild<QPlainTextEdit*>(QStringLiteral("MemoStatus"));
        QVERIFY(memo);
        QVERIFY(memo->isReadOnly());

        journal.Add("Не найден файл событий: a.evt   Искали в: /tmp/");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(memo->toPlainText(),
                 QStringLiteral("Программа запущена: 03/15/08 в 10:00:00\n-------------------\n"
                                "Не найден файл событий: a.evt   Искали в: /tmp/\n"));

        journal.Add("Загружаем конфигурацию: 03/15/08 в 10:00:01");
        window.ShowJournal();
        QVERIFY(
            memo->toPlainText().endsWith(QStringLiteral("Загружаем конфигурацию: 03/15/08 в 10:00:01\n")));
        QCOMPARE(memo->blockCount(), 5); // four lines and the empty one after the last line end
    }
};

ORVENDA_UI_TEST(StatusWindowTest, "status_window")

#include "status_window_test.moc"
