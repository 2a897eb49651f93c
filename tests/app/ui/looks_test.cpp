// Colour values, fonts and alignments of the looks, and how they land on the
// main window's kinds of text areas.

#include "app/ui/looks.h"
#include "config/colour_text.h"
#include "engine/text.h"
#include "ui_test_support.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QTextEdit>

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
        QTest::newRow("clMoneyGreen") << 0xC0DCC0u << QColor(192, 220, 192);
        QTest::newRow("clSkyBlue") << 0xF0CAA6u << QColor(166, 202, 240);
        QTest::newRow("clBlack") << 0x000000u << QColor(0, 0, 0);
        QTest::newRow("palette-relative form keeps its RGB part") << 0x020080FFu << QColor(255, 128, 0);
    }
    void plainColours()
    {
        QFETCH(uint, value);
        QFETCH(QColor, expected);
        const std::optional<QColor> colour = QColorOf(value, QApplication::palette());
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
        const std::optional<QColor> colour = QColorOf(SystemColourBase + static_cast<TColor>(index), palette);
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
        QVERIFY(!QColorOf(value, QApplication::palette()).has_value());
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
        const QFont font = FontOfLook(Look(0, AlignLeft, face.toUtf8().constData(), size, 0, style));
        QCOMPARE(QFontInfo(font).family(), family);
        QCOMPARE(font.pointSize(), pointSize);
        QCOMPARE(font.bold(), (style & FontBold) != 0);
        QCOMPARE(font.italic(), (style & FontItalic) != 0);
        QCOMPARE(font.underline(), (style & FontUnderline) != 0);
        QCOMPARE(font.strikeOut(), (style & FontStrikeOut) != 0);
    }

    void alignments_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<int>("expected");
        QTest::newRow("left") << int(AlignLeft) << int(Qt::AlignLeft | Qt::AlignVCenter);
        QTest::newRow("right") << int(AlignRight) << int(Qt::AlignRight | Qt::AlignVCenter);
        QTest::newRow("center") << int(AlignCenter) << int(Qt::AlignCenter);
        QTest::newRow("anything else is centred") << 7 << int(Qt::AlignCenter);
    }
    void alignments()
    {
        QFETCH(int, alignment);
        QFETCH(int, expected);
        QCOMPARE(int(AlignmentOfLook(alignment)), expected);
    }

    void labelTakesBackgroundFontColourAndAlignment()
    {
        QLabel label(QStringLiteral("Сегодня"));
        ApplyLook(&label, Look(0x00FFFF, AlignRight, "DejaVu Serif", 13, 0x800000, FontBold));
        QCOMPARE(label.palette().color(QPalette::Window), QColor(255, 255, 0));
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(0, 0, 128));
        QVERIFY(label.autoFillBackground());
        QCOMPARE(label.font().family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(label.font().pointSize(), 13);
        QVERIFY(label.font().bold());
        QCOMPARE(label.alignment(), Qt::AlignRight | Qt::AlignVCenter);
    }

    void clNoneLeavesTheLabelsColour()
    {
        QLabel label;
        const QColor before = label.palette().color(QPalette::Window);
        ApplyLook(&label, Look(0x1FFFFFFF, AlignLeft, "DejaVu Sans", 8, 0x20000000, 0));
        QCOMPARE(label.palette().color(QPalette::Window), before);
    }

    void sayingBoxTakesBaseTextColourAndAlignment()
    {
        QTextEdit box;
        box.setPlainText(QStringLiteral("Слово\nАвтор"));
        ApplyLook(&box, Look(clGrayText, AlignCenter, "MS Sans Serif", 8, 0x0000FF, FontItalic));
        QCOMPARE(box.palette().color(QPalette::Base),
                 QApplication::palette().color(QPalette::Disabled, QPalette::Text));
        QCOMPARE(box.palette().color(QPalette::Text), QColor(255, 0, 0));
        QVERIFY(box.font().italic());
        QCOMPARE(box.document()->defaultTextOption().alignment(), Qt::AlignHCenter);
    }

    void eventListRowsFollowTheFont()
    {
        QTableView list;
        // 12 points at the offscreen platform's 96 dots per inch are 16 pixels.
        ApplyLook(&list, Look(clBlack, AlignLeft, "DejaVu Sans Mono", 12, clAqua, 0));
        QCOMPARE(list.palette().color(QPalette::Base), QColor(0, 0, 0));
        QCOMPARE(list.palette().color(QPalette::Text), QColor(0, 255, 255));
        QCOMPARE(list.font().family(), QStringLiteral("DejaVu Sans Mono"));
        QCOMPARE(list.verticalHeader()->defaultSectionSize(), 26);
    }
};

ORVENDA_UI_TEST(LooksTest, "looks")

#include "looks_test.moc"
