// The period window over the main window: the figures of the two dates and
// "Показать" laying out the main list over the period.

#include "events/ui/period_window.h"
#include "main_window_fixture.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

using namespace orvenda;
using namespace orvenda::test;

namespace {

bool SaveScreenshot(QWidget* window, const char* name)
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QDir().mkpath(QStringLiteral(ORVENDA_SCREENSHOT_DIR));
    return window->grab().save(QStringLiteral(ORVENDA_SCREENSHOT_DIR) + QString::fromLatin1(name));
}

QStringList ListTexts(const MainWindowFixture& f)
{
    QStringList texts;
    for (int row = 0; row < f.RowCount(); ++row)
        texts << f.Cell(row, 1);
    return texts;
}

} // namespace

class PeriodWindowTest : public QObject {
    Q_OBJECT
private slots:
    void showLaysOutTheMainListOverThePeriod()
    {
        MainWindowFixture f;
        f.Start();
        // The menu entry is enabled and opens the window that Windows created.
        QVERIFY(f.Action("NPeriod")->isEnabled());
        f.Action("TBPeriod")->trigger();
        TFormEvtOnPeriod& period = f.windows->EvtOnPeriod();
        QVERIFY(QTest::qWaitForWindowExposed(&period));
        const auto field = [&](const char* name) { return period.findChild<QLineEdit*>(name); };
        const auto label = [&](const char* name) { return period.findChild<QLabel*>(name)->text(); };

        // A wrong date: the error, the list as it was, the window stays.
        const QStringList year = ListTexts(f);
        field("EFrom")->setText(QStringLiteral("31.2.2008"));
        field("ETo")->setText(QStringLiteral("17.3.2008"));
        QTest::keyClick(field("ETo"), Qt::Key_Return);
        QCOMPARE(label("LErr"), QStringLiteral("Не верно указана дата!"));
        QCOMPARE(label("LDays"), QStringLiteral("0"));
        period.findChild<QPushButton*>(QStringLiteral("BShow"))->click();
        QVERIFY(period.isVisible());
        QCOMPARE(ListTexts(f), year);

        // The dates in reverse; the figures of 16.3 to 17.3.
        field("EFrom")->setText(QStringLiteral("17.3.2010"));
        field("ETo")->setText(QStringLiteral("16.3.2010"));
        QTest::keyClick(field("EFrom"), Qt::Key_Return);
        QCOMPARE(label("LErr"), QString());
        QCOMPARE(label("LDays"), QStringLiteral("1"));
        auto* precision = period.findChild<QSpinBox*>(QStringLiteral("UpDown1"));
        QCOMPARE(precision->toolTip(), QStringLiteral("Точность вычислений: 3"));
        precision->setValue(0);
        QCOMPARE(precision->toolTip(), QStringLiteral("Точность вычислений: минимальная"));
        QCOMPARE(label("LWeeks"), QStringLiteral("0"));
        QVERIFY(SaveScreenshot(&period, "period.png"));

        // Without "учитывать год" the days are those of the current day's year.
        period.findChild<QPushButton*>(QStringLiteral("BShow"))->click();
        QVERIFY(period.isHidden());
        const QStringList days = ListTexts(f);
        QVERIFY(days.contains(QStringLiteral("Первый рабочий день")));
        QVERIFY(days.contains(QStringLiteral("Годовщина свадьбы")));
        QVERIFY(!days.contains(QStringLiteral("День рождения Ани")));
        // The 1000-day list follows as always.
        QVERIFY(days.contains(QStringLiteral("Запуск проекта")));

        // With the year, 2010 lies two years ahead: no day is laid out.
        period.findChild<QCheckBox*>(QStringLiteral("CBIncludeYear"))->setChecked(true);
        period.findChild<QPushButton*>(QStringLiteral("BShow"))->click();
        QVERIFY(!ListTexts(f).contains(QStringLiteral("Первый рабочий день")));
        QVERIFY(ListTexts(f).contains(QStringLiteral("Запуск проекта")));

        // The next refresh brings the year's list back.
        f.Action("NRefresh")->trigger();
        f.WaitForRefresh();
        QCOMPARE(ListTexts(f), year);
    }
};

ORVENDA_UI_TEST(PeriodWindowTest, "period_window")

#include "period_window_test.moc"
