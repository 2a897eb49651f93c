#include "editor_ui_test_support.h"

#include "editors/ui/record_table_model.h"
#include "editors/ui/record_table_view.h"

#include <QAbstractItemModelTester>
#include <QFont>
#include <QFontMetrics>
#include <QHeaderView>
#include <QSignalSpy>

namespace orvenda {

class RecordTableModelTest : public QObject {
    Q_OBJECT

private:
    test::Cp1251Folder folder;
    Journal journal;

    // A model over `text`, opened from a file.
    std::unique_ptr<EventFileModel> open(const std::string& text)
    {
        auto model = std::make_unique<EventFileModel>(ORVENDA_PROGRAM_DIR "Template/");
        const QString path = folder.Write("file", text);
        if (model->Open(path.toStdString(), journal).status != EventFileModel::OpenResult::Opened)
            qWarning("file not opened");
        return model;
    }

private slots:
    void columnsTitlesAndWidthsFollowTheLayout_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QList<int>>("widths");
        const QList<int> eventWidths{40, 40, 40, 40, 40, 40, 40, 40};
        QTest::newRow("fixed") << QStringLiteral("[fixed events]\n1 1 2000 3 1 1 a\n")
                               << QStringList{"День", "Месяц", "Год",  "Час",    "Мин.",
                                              "До",   "После", "Вкл.", "Событие"}
                               << (QList<int>(eventWidths) << 220);
        QTest::newRow("full date") << QStringLiteral("[fixed events with full date]\n2000.01.01 1 0 1 a\n")
                                   << QStringList{"День", "Месяц", "Год",  "Час",    "Мин.",
                                                  "До",   "После", "Вкл.", "Событие"}
                                   << (QList<int>(eventWidths) << 220);
        QTest::newRow("float") << QStringLiteral("[float events]\n0 7 5 3 2007 7 1 1 a\n")
                               << QStringList{"Астро", "День нед.", "№ нед.", "Месяц",  "Год",
                                              "До",    "После",     "Вкл.",   "Событие"}
                               << (QList<int>(eventWidths) << 200);
        QTest::newRow("wisdom") << QStringLiteral("[wisdom]\ns\na\n") << QStringList{"Высказывание", "Автор"}
                                << QList<int>{440, 130};
        QTest::newRow("wisdom by") << QStringLiteral("[wisdom by]\na\ns\n")
                                   << QStringList{"Высказывание", "Автор"} << QList<int>{440, 130};
    }
    void columnsTitlesAndWidthsFollowTheLayout()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, titles);
        QFETCH(QList<int>, widths);
        auto model = open(text.toStdString());
        RecordTableView view(*model);
        view.Reload();
        RecordTableModel& records = view.Records();
        QCOMPARE(records.columnCount(), titles.size());
        QCOMPARE(records.rowCount(), 1);
        for (int column = 0; column < titles.size(); ++column) {
            QCOMPARE(records.headerData(column, Qt::Horizontal).toString(), titles[column]);
            const QFont font = records.headerData(column, Qt::Horizontal, Qt::FontRole).value<QFont>();
            QVERIFY(font.bold());
            // The text columns have their own widths; the narrow ones are at
            // least 40 pixels and as wide as their whole title.
            if (widths[column] > 40)
                QCOMPARE(view.columnWidth(column), widths[column]);
            QVERIFY(view.columnWidth(column) >= widths[column]);
            QVERIFY(view.columnWidth(column) > QFontMetrics(font).horizontalAdvance(titles[column]));
        }
    }

    void passesTheModelTesterThroughChanges()
    {
        auto model = open("[fixed events]\n1 1 2000 3 1 1 a\n2 2 2000 3 1 0 b\n");
        RecordTableModel records(*model);
        QAbstractItemModelTester tester(&records, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(records.rowCount(), 2);
        QCOMPARE(records.index(1, 7).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        QVERIFY(!records.index(1, 7).data(Qt::DisplayRole).isValid());
        QCOMPARE(records.index(0, 3).data().toString(), QString());

        QVERIFY(model->Insert());
        records.Reload();
        QCOMPARE(records.rowCount(), 3);
        QCOMPARE(records.index(0, 5).data().toInt(), 1);
        QVERIFY(model->DeleteCurrent());
        QVERIFY(model->DeleteCurrent());
        records.Reload();
        QCOMPARE(records.rowCount(), 1);

        // Another layout changes the columns through a reset.
        model->New(EventFileFormat::Wisdom, journal);
        records.Reload();
        QCOMPARE(records.columnCount(), 2);
        QCOMPARE(records.rowCount(), 0);
        model->Close();
        records.Reload();
        QCOMPARE(records.columnCount(), 0);
    }

    void editingACellEditsTheRecord_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("role");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<QString>("line"); // the second record as it would be written
        const QString unchanged = QStringLiteral("2000.02.02_10:30   3   1 1 b");
        const int edit = Qt::EditRole;
        const int check = Qt::CheckStateRole;
        QTest::newRow("day") << 0 << QVariant(5) << edit << true << true
                             << QStringLiteral("2000.02.05_10:30   3   1 1 b");
        QTest::newRow("day as text") << 0 << QVariant(QStringLiteral(" 6 ")) << edit << true << true
                                     << QStringLiteral("2000.02.06_10:30   3   1 1 b");
        QTest::newRow("same value") << 0 << QVariant(2) << edit << true << false << unchanged;
        QTest::newRow("not a number")
            << 2 << QVariant(QStringLiteral("abc")) << edit << false << false << unchanged;
        QTest::newRow("too big") << 2 << QVariant(QStringLiteral("99999999999")) << edit << false << false
                                 << unchanged;
        QTest::newRow("hour emptied") << 3 << QVariant(QString()) << edit << true << true
                                      << QStringLiteral("2000.02.02         3   1 1 b");
        QTest::newRow("hour 24") << 3 << QVariant(QStringLiteral("24")) << edit << false << false
                                 << unchanged;
        QTest::newRow("minute 59") << 4 << QVariant(QStringLiteral("59")) << edit << true << true
                                   << QStringLiteral("2000.02.02_10:59   3   1 1 b");
        QTest::newRow("switched off") << 7 << QVariant(int(Qt::Unchecked)) << check << true << true
                                      << QStringLiteral("2000.02.02_10:30   3   1 0 b");
        QTest::newRow("active as text")
            << 7 << QVariant(int(Qt::Unchecked)) << edit << false << false << unchanged;
        QTest::newRow("event") << 8 << QVariant(QStringLiteral("Встреча")) << edit << true << true
                               << QStringLiteral("2000.02.02_10:30   3   1 1 Встреча");
    }
    void editingACellEditsTheRecord()
    {
        QFETCH(int, column);
        QFETCH(QVariant, value);
        QFETCH(int, role);
        QFETCH(bool, accepted);
        QFETCH(bool, modified);
        QFETCH(QString, line);
        auto model = open("[fixed events with full date]\n2000.01.01 1 0 1 a\n2000.02.02_10:30 3 1 1 b\n");
        RecordTableModel records(*model);
        QAbstractItemModelTester tester(&records, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy edited(&records, &RecordTableModel::recordEdited);

        QCOMPARE(records.setData(records.index(1, column), value, role), accepted);
        QCOMPARE(model->IsModified(), modified);
        QCOMPARE(QString::fromStdString(model->ComposeLines().at(2)), line);
        QCOMPARE(edited.count(), modified ? 1 : 0);
        if (modified) {
            QCOMPARE(edited.at(0).at(0).toInt(), 2);
            QCOMPARE(model->CurrentNumber(), 2);
        }
    }

    void editingALineKeptAsItStoodDropsIt()
    {
        auto model = open("[fixed events]\nnot a record\n1 1 2000 3 1 1 a\n");
        RecordTableModel records(*model);
        QCOMPARE(records.index(0, 8).data().toString(), QStringLiteral("not a record"));
        QCOMPARE(model->ComposeLines().at(1), std::string("not a record"));
        QVERIFY(records.setData(records.index(0, 0), 4));
        QCOMPARE(model->ComposeLines().at(1), std::string(" 4  0    0   0   0 0 not a record"));
    }
};

ORVENDA_UI_TEST(RecordTableModelTest, "record_table_model")

} // namespace orvenda

#include "record_table_model_test.moc"
