// Colour values and fonts of the looks; how they land on the main window is
// checked in main_window_test.cpp.

#include "app/ui/looks.h"
#include "config/colour_text.h"
#include "config/settings_text.h"
#include "ui_test_support.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>

using namespace orvenda;

namespace {

TObjectLook Look(TColor colour, int alignment, const char* face, int size, TColor fontColour, unsigned style)
{
    TObjectLook look;
    look.Color = colour;
    look.Alignment = alignment;
    look.FontName = face;
    look.FontSize = size;
    look.FontColor = fontColour;
    look.FontStyle = style;
    return look;
}

QString DefaultFamily()
{
    return QFontInfo(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).family();
}

} // namespace

class LooksTest : public QObject {
    Q_OBJECT
private slots:
    void plainColours_data()
    {
        QTest::addColumn<uint>("value");
        QTest::addColumn<QColor>("expected");
        // 0x00BBGGRR: the low byte is red.
        QTest::newRow("clRed") << 0x0000FFu << QColor(255, 0, 0);
        QTest::newRow("clBlue") << 0xFF0000u << QColor(0, 0, 255);
        QTest::newRow("clAqua") << 0xFFFF00u << QColor(0, 255, 255);
        QTest::newRow("clSkyBlue") << 0xF0CAA6u << QColor(166, 202, 240);
        QTest::newRow("palette-relative form keeps its RGB part") << 0x020080FFu << QColor(255, 128, 0);
    }
    void plainColours()
    {
        QFETCH(uint, value);
        QFETCH(QColor, expected);
        const std::optional<QColor> colour = ColourOfValue(value, QApplication::palette());
        QVERIFY(colour.has_value());
        QCOMPARE(*colour, expected);
    }

    void systemColours_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("role");
        QTest::newRow("clWindow") << 5 << int(QPalette::Active) << int(QPalette::Base);
        QTest::newRow("clWindowText") << 8 << int(QPalette::Active) << int(QPalette::WindowText);
        QTest::newRow("clHighlight") << 13 << int(QPalette::Active) << int(QPalette::Highlight);
        QTest::newRow("clHighlightText") << 14 << int(QPalette::Active) << int(QPalette::HighlightedText);
        QTest::newRow("clBtnFace") << 15 << int(QPalette::Active) << int(QPalette::Button);
        QTest::newRow("clGrayText") << 17 << int(QPalette::Disabled) << int(QPalette::Text);
        QTest::newRow("clBtnText") << 18 << int(QPalette::Active) << int(QPalette::ButtonText);
        QTest::newRow("clInfoBk") << 24 << int(QPalette::Active) << int(QPalette::ToolTipBase);
    }
    void systemColours()
    {
        QFETCH(int, index);
        QFETCH(int, group);
        QFETCH(int, role);
        // A palette whose roles all differ, so that a wrong role shows.
        QPalette palette;
        int shade = 1;
        for (int g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            for (int r = 0; r < QPalette::NColorRoles; ++r)
                palette.setColor(QPalette::ColorGroup(g), QPalette::ColorRole(r),
                                 QColor::fromRgb(shade++ * 3));
        const std::optional<QColor> colour =
            ColourOfValue(SystemColourBase + static_cast<TColor>(index), palette);
        QVERIFY(colour.has_value());
        QCOMPARE(*colour, palette.color(QPalette::ColorGroup(group), QPalette::ColorRole(role)));
    }

    void coloursWithoutMeaningKeepTheDefault_data()
    {
        QTest::addColumn<uint>("value");
        QTest::newRow("clNone") << 0x1FFFFFFFu;
        QTest::newRow("clDefault") << 0x20000000u;
        QTest::newRow("unused system index 25") << 0x80000019u;
        QTest::newRow("system index past the table") << 0x800000FFu;
    }
    void coloursWithoutMeaningKeepTheDefault()
    {
        QFETCH(uint, value);
        QVERIFY(!ColourOfValue(value, QApplication::palette()).has_value());
    }

    void fonts_data()
    {
        QTest::addColumn<QString>("face");
        QTest::addColumn<int>("size");
        QTest::addColumn<uint>("style");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pointSize");
        const QString defaultFamily = DefaultFamily();
        const int defaultSize = QFontDatabase::systemFont(QFontDatabase::GeneralFont).pointSize();
        QTest::newRow("installed face") << "DejaVu Serif" << 12 << 0u << "DejaVu Serif" << 12;
        QTest::newRow("face in other letter case")
            << "dejavu sans mono" << 9 << 0u << "DejaVu Sans Mono" << 9;
        QTest::newRow("MS Sans Serif is not installed") << "MS Sans Serif" << 8 << 0u << defaultFamily << 8;
        QTest::newRow("no face") << "" << 10 << 0u << defaultFamily << 10;
        QTest::newRow("all styles") << "DejaVu Sans" << 11 << 15u << "DejaVu Sans" << 11;
        QTest::newRow("huge size is capped") << "DejaVu Sans" << 100000 << 0u << "DejaVu Sans" << 144;
        QTest::newRow("size 0 keeps the default") << "DejaVu Sans" << 0 << 0u << "DejaVu Sans" << defaultSize;
        QTest::newRow("negative size keeps the default")
            << "DejaVu Sans" << -12 << 0u << "DejaVu Sans" << defaultSize;
    }
    void fonts()
    {
        QFETCH(QString, face);
        QFETCH(int, size);
        QFETCH(uint, style);
        QFETCH(QString, family);
        QFETCH(int, pointSize);
        const QFont font = FontOfObjectLook(Look(0, AlignLeft, face.toUtf8().constData(), size, 0, style));
        QCOMPARE(QFontInfo(font).family(), family);
        QCOMPARE(font.pointSize(), pointSize);
        QCOMPARE(font.bold(), (style & FontBold) != 0);
        QCOMPARE(font.italic(), (style & FontItalic) != 0);
        QCOMPARE(font.underline(), (style & FontUnderline) != 0);
        QCOMPARE(font.strikeOut(), (style & FontStrikeOut) != 0);
    }
};

ORVENDA_UI_TEST(LooksTest, "looks")

#include "looks_test.moc"
