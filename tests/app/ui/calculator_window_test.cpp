// The date calculator window: keys, steps and their output, the messages of
// refused steps, the calendar's pick, and the desktop calculator.

#include "tools/calculator/ui/calculator_window.h"

#include "engine/scripted_questions.h"
#include "engine/text_output.h"
#include "ui_test_support.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace orvenda;

namespace {

bool SaveScreenshot(QWidget* window, const char* name)
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QDir().mkpath(QStringLiteral(ORVENDA_SCREENSHOT_DIR));
    return window->grab().save(QStringLiteral(ORVENDA_SCREENSHOT_DIR) + QString::fromLatin1(name));
}

struct CalculatorFixture {
    TextLines output;
    ScriptedQuestions prompt;
    TFormCalculator window{output, prompt, [] { return TDateRec{2007, 1, 7, 10, 30, 0, 0}; }};

    void Click(const char* name)
    {
        auto* button = window.findChild<QPushButton*>(QString::fromLatin1(name));
        QVERIFY2(button, name);
        button->click();
    }
    // The keys of `text`, one by one.
    void Type(const char* text)
    {
        for (const char* c = text; *c; ++c)
            Click(*c == '.' ? "ButtonDot" : (std::string("Button") + *c).c_str());
    }
    QLineEdit* Field() { return window.findChild<QLineEdit*>(QStringLiteral("ECalc")); }
};

} // namespace

class CalculatorWindowTest : public QObject {
    Q_OBJECT
private slots:
    void keysStepsAndOutput()
    {
        CalculatorFixture f;
        QSignalSpy below(&f.window, &TFormCalculator::outputBelowRequested);
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));

        f.Type("12.05.2007");
        QCOMPARE(f.Field()->text(), QStringLiteral("12.05.2007"));
        f.Click("BSum");
        QCOMPARE(below.count(), 1);
        QCOMPARE(below.first().first().toRect(), f.window.frameGeometry());
        // The result is selected, so the next key replaces it.
        QVERIFY(f.Field()->hasSelectedText());
        f.Type("10");
        QCOMPARE(f.Field()->text(), QStringLiteral("10"));
        f.Click("BResult");
        QCOMPARE(f.Field()->text(), QStringLiteral("22.05.2007"));
        QCOMPARE(f.output.Lines(), (std::vector<std::string>{"12.05.2007 + ", "10 =", "22.05.2007", ""}));

        // Without a selection a key goes to the end of the field.
        f.Field()->deselect();
        f.Type("1");
        QCOMPARE(f.Field()->text(), QStringLiteral("22.05.20071"));
        f.Click("BEClear");
        QCOMPARE(f.Field()->text(), QString());

        f.Field()->setText(QStringLiteral("0.0.0"));
        f.Click("BSubstr");
        QCOMPARE(f.prompt.asked.size(), std::size_t{1});
        QVERIFY(f.prompt.asked.back().starts_with("Неверное значение|Допустимые значения:"));

        f.Click("BToday");
        QCOMPARE(f.Field()->text(), QStringLiteral("07.01.2007"));
        QSignalSpy shown(&f.window, &TFormCalculator::outputRequested);
        f.Click("BKala");
        QCOMPARE(shown.count(), 1);
        QCOMPARE(f.output.Lines()[7], "Характеристики по Калачакре 07.01.2007 00:00:00:000");

        f.window.SetPickedDate(QDate(2007, 5, 7));
        QCOMPARE(f.Field()->text(), QStringLiteral("7.5.2007"));
        f.Field()->setText(QStringLiteral("7.5"));
        f.Click("BKala");
        QCOMPARE(f.prompt.asked.back(),
                 std::string("Орвенда|Должна быть указана дата!\n7.5\nНе является датой."));

        QSignalSpy calendar(&f.window, &TFormCalculator::calendarRequested);
        f.Click("BCal");
        QCOMPARE(calendar.count(), 1);

        // Every caption fits its button.
        for (const QPushButton* button : f.window.findChildren<QPushButton*>())
            QVERIFY2(button->width() >= button->fontMetrics().horizontalAdvance(button->text()) + 4,
                     qPrintable(button->objectName()));
        QVERIFY(SaveScreenshot(&f.window, "calculator.png"));
    }

    void desktopCalculatorIsLookedForOnThePath()
    {
        CalculatorFixture f;
        QStringList started;
        f.window.SetProgramStarter([&](const QString& program) {
            started << program;
            return true;
        });
        QTemporaryDir bin;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toLocal8Bit());
        f.Click("BSysCalc");
        QVERIFY(started.isEmpty());
        QVERIFY(f.prompt.asked.back().starts_with("Калькулятор|Не найден ни один калькулятор"));

        // The first one found is started; a later one in the list is not.
        for (const char* name : {"xcalc", "kcalc"}) {
            QFile program(bin.path() + QLatin1Char('/') + QString::fromLatin1(name));
            QVERIFY(program.open(QIODevice::WriteOnly));
            program.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        }
        f.Click("BSysCalc");
        qputenv("PATH", path);
        QCOMPARE(started, QStringList{bin.path() + QStringLiteral("/kcalc")});
        QCOMPARE(f.prompt.asked.size(), std::size_t{1});
    }
};

ORVENDA_UI_TEST(CalculatorWindowTest, "calculator_window")

#include "calculator_window_test.moc"
