// The month calendar window: a picked date goes to the window named by the
// caller key, and the calendar hides.

#include "app/ui/calendar_window.h"
#include "ui_test_support.h"

#include <QCalendarWidget>
#include <QSignalSpy>

using namespace orvenda;

class CalendarWindowTest : public QObject {
    Q_OBJECT
private slots:
    void pickedDateGoesToTheCallerAndTheWindowHides_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("mainPicks");
        QTest::addColumn<int>("calcPicks");
        QTest::newRow("main window") << "MAIN" << 1 << 0;
        QTest::newRow("calculator") << "Calc" << 0 << 1;
        QTest::newRow("nobody") << "other" << 0 << 0;
    }
    void pickedDateGoesToTheCallerAndTheWindowHides()
    {
        QFETCH(QString, key);
        QFETCH(int, mainPicks);
        QFETCH(int, calcPicks);
        TFormCalendar calendar;
        QSignalSpy toMain(&calendar, &TFormCalendar::mainDatePicked);
        QSignalSpy toCalc(&calendar, &TFormCalendar::calcDatePicked);
        calendar.SetCallerKey(key.toStdString());
        calendar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&calendar));

        // A double click on a day is the calendar's "activated" signal.
        auto* month = calendar.findChild<QCalendarWidget*>(QStringLiteral("MonthCalendar1"));
        QVERIFY(month);
        emit month->activated(QDate(2007, 1, 7));

        QCOMPARE(toMain.count(), mainPicks);
        QCOMPARE(toCalc.count(), calcPicks);
        if (mainPicks)
            QCOMPARE(toMain.first().first().toDate(), QDate(2007, 1, 7));
        if (calcPicks)
            QCOMPARE(toCalc.first().first().toDate(), QDate(2007, 1, 7));
        QVERIFY(calendar.isHidden());
    }
};

ORVENDA_UI_TEST(CalendarWindowTest, "calendar_window")

#include "calendar_window_test.moc"
