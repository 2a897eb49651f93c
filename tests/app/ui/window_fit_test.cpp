// The arithmetic behind fitting the event list's columns and the main
// window's width.

#include "app/ui/window_fit.h"
#include "engine/utf8.h"
#include "ui_test_support.h"

#include <climits>

using namespace orvenda;

namespace {

// Every character 7 pixels wide, so that widths can be worked out by hand.
int SevenPerCharacter(const std::string& text)
{
    return static_cast<int>(Utf8Length(text)) * 7;
}

ShownRow Heading(const char* text)
{
    std::vector<ShownRow> rows;
    AddShownRow(rows, "", text, "", 0);
    return rows[0];
}

// `fullDate` in the "z" form.
ShownRow Event(const char* fullDate, const char* text)
{
    std::vector<ShownRow> rows;
    AddShownRow(rows, fullDate, text, "/tmp/a.evt", 1);
    return rows[0];
}

} // namespace

class WindowFitTest : public QObject {
    Q_OBJECT
private slots:
    void fitColumns_data()
    {
        QTest::addColumn<bool>("dateInLine");
        QTest::addColumn<int>("w0");
        QTest::addColumn<int>("w1");
        QTest::addColumn<int>("textWidth");
        // Widest date "15.03.2005" is 10 characters, widest text
        // " ---- Послезавтра ----" 22 characters (the heading, not an event).
        QTest::newRow("date in the line: widest texts + 10") << true << 80 << 164 << 164;
        QTest::newRow("no date: text column takes the list's width") << false << 0 << 500 << 164;
    }
    void fitColumns()
    {
        QFETCH(bool, dateInLine);
        QFETCH(int, w0);
        QFETCH(int, w1);
        QFETCH(int, textWidth);
        const std::vector<ShownRow> rows{Heading(" ---- Послезавтра ----"),
                                         Event("0.03.17_25:61:61:1000", "Годовщина"),
                                         Event("2005.03.15_25:61:61:1000", "Ане 3 года")};
        const ColumnWidths widths = FitColumns(rows, dateInLine, 500, SevenPerCharacter);
        QCOMPARE(widths.w0, w0);
        QCOMPARE(widths.w1, w1);
        QCOMPARE(widths.textWidth, textWidth);
    }

    void fitWindowWidth_data()
    {
        QTest::addColumn<int>("content");
        QTest::addColumn<int>("border");
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("chrome");
        QTest::addColumn<int>("expected");
        QTest::newRow("short lines give the least width") << 200 << 4 << 1920 << 0 << 666;
        QTest::newRow("exactly the least width") << 618 << 4 << 1920 << 0 << 666;
        QTest::newRow("one pixel more") << 619 << 4 << 1920 << 0 << 667;
        QTest::newRow("measured lines + borders + 40") << 1000 << 5 << 1920 << 22 << 1050;
        QTest::newRow("a list that needs more than 40 besides its columns")
            << 1000 << 5 << 1920 << 61 << 1071;
        QTest::newRow("never wider than the screen") << 3000 << 0 << 1920 << 61 << 1920;
        QTest::newRow("a screen narrower than the least width wins") << 100 << 0 << 600 << 0 << 600;
        QTest::newRow("huge widths do not overflow") << INT_MAX << INT_MAX << 1280 << INT_MAX << 1280;
    }
    void fitWindowWidth()
    {
        QFETCH(int, content);
        QFETCH(int, border);
        QFETCH(int, screen);
        QFETCH(int, chrome);
        QFETCH(int, expected);
        QCOMPARE(FitWindowWidth(content, border, screen, chrome), expected);
    }

    void centredLeft_data()
    {
        QTest::addColumn<int>("screenLeft");
        QTest::addColumn<int>("screenWidth");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("expected");
        QTest::newRow("even widths") << 0 << 1920 << 1000 << 460;
        QTest::newRow("odd widths round each half down") << 0 << 1921 << 667 << 627;
        QTest::newRow("a second screen to the right") << 1920 << 1280 << 666 << 2227;
        QTest::newRow("as wide as the screen") << 0 << 800 << 800 << 0;
    }
    void centredLeft()
    {
        QFETCH(int, screenLeft);
        QFETCH(int, screenWidth);
        QFETCH(int, width);
        QFETCH(int, expected);
        QCOMPARE(CentredLeft(screenLeft, screenWidth, width), expected);
    }
};

ORVENDA_UI_TEST(WindowFitTest, "window_fit")

#include "window_fit_test.moc"
