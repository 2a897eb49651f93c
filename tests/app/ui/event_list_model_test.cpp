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
        std::vector<ShownRow> rows;
        AddShownRow(rows, "", " ---- Сегодня ----", "", 0);
        AddShownRow(rows, "2005.03.15_25:61:61:1000", "День рождения", "/tmp/a.evt", 3);
        model.SetRows(rows);
        QCOMPARE(model.rowCount(), 2);
        rows.clear();
        AddShownRow(rows, "", "Cобытий нет", "", 0);
        model.SetRows(rows);
        QCOMPARE(model.rowCount(), 1);
        model.SetRows({});
        QCOMPARE(model.rowCount(), 0);
    }

    void cellsAreTheRowsFiveColumns()
    {
        EventListModel model;
        // The row is data; the model makes the texts of its five columns.
        std::vector<ShownRow> rows;
        AddShownRow(rows, "2005.03.15_09:05:61:1000", "День рождения", "/tmp/a.evt", 3);
        model.SetRows(rows);
        const QStringList expected{"15.03.2005 9:05", "День рождения", "2005.03.15_09:05:61:1000",
                                   "/tmp/a.evt", "3"};
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
