// The event list's table model over the shown rows.

#include "app/ui/event_list_model.h"
#include "ui_test_support.h"

#include <QAbstractItemModelTester>

using namespace orvenda;

class EventListModelTest : public QObject {
    Q_OBJECT
private slots:
    void modelIsConsistentThroughResets()
    {
        EventListModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.columnCount(), 5);
        model.SetRows(
            {ShownRow{"", " ---- Сегодня ----", "", "", ""},
             ShownRow{"15.03.2005", "День рождения", "2005.03.15_00:00:00:000", "/tmp/a.evt", "3"}});
        QCOMPARE(model.rowCount(), 2);
        model.SetRows({ShownRow{"", "Cобытий нет", "", "", ""}});
        QCOMPARE(model.rowCount(), 1);
        model.SetRows({});
        QCOMPARE(model.rowCount(), 0);
    }

    void cellsAreTheRowsFiveColumns()
    {
        EventListModel model;
        model.SetRows(
            {ShownRow{"15.03.2005", "День рождения", "2005.03.15_00:00:00:000", "/tmp/a.evt", "3"}});
        const QStringList expected{"15.03.2005", "День рождения", "2005.03.15_00:00:00:000", "/tmp/a.evt",
                                   "3"};
        for (int column = 0; column < 5; ++column) {
            QCOMPARE(model.index(0, column).data().toString(), expected[column]);
            QVERIFY(!(model.flags(model.index(0, column)) & Qt::ItemIsEditable));
        }
        QVERIFY(!model.index(1, 0).isValid());
        QVERIFY(!model.index(0, 5).isValid());
    }
};

ORVENDA_UI_TEST(EventListModelTest, "event_list_model")

#include "event_list_model_test.moc"
