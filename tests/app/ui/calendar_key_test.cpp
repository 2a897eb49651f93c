// The month calendar's caller key: who gets a picked date.

#include "app/ui/calendar_key.h"
#include "ui_test_support.h"

using namespace orvenda;

Q_DECLARE_METATYPE(orvenda::CalendarCaller)

class CalendarKeyTest : public QObject {
    Q_OBJECT
private slots:
    void callerOfKey_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<CalendarCaller>("caller");
        QTest::newRow("Main") << "Main" << CalendarCaller::Main;
        QTest::newRow("MAIN") << "MAIN" << CalendarCaller::Main;
        QTest::newRow("main") << "main" << CalendarCaller::Main;
        QTest::newRow("Calc") << "Calc" << CalendarCaller::Calc;
        QTest::newRow("cALC") << "cALC" << CalendarCaller::Calc;
        QTest::newRow("empty") << "" << CalendarCaller::None;
        QTest::newRow("a blank after the key") << "Main " << CalendarCaller::None;
        QTest::newRow("part of the key") << "Mai" << CalendarCaller::None;
        QTest::newRow("another window") << "Tables" << CalendarCaller::None;
    }
    void callerOfKey()
    {
        QFETCH(QString, key);
        QFETCH(CalendarCaller, caller);
        QCOMPARE(CallerOfKey(key.toStdString()), caller);
    }
};

ORVENDA_UI_TEST(CalendarKeyTest, "calendar_key")

#include "calendar_key_test.moc"
