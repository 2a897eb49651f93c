// Paints the pictures that the program shows beside the Kalachakra
// characteristics and writes them into the program folder's Img/:
//   Principles/00.bmp .. 60.bmp  the principle's colour, its number and animal
//   Energy/00.bmp .. 07.bmp      the energy's colour and number
//   Zodiak/00.bmp .. 12.bmp      the sign's symbol on its element's tint
//   Kalachakra.jpg               the wheel of the 60 principles
// Number 0 of each kind is the neutral picture for "none".
//
// Runs at build time without a display (the "offscreen" platform) and with
// the DejaVu fonts of the system. Usage: make_pictures <Img folder>

#include "engine/principles.h"
#include "engine/zodiac.h"

#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <QtMath>

#include <cmath>
#include <cstdio>
#include <string>

namespace orvenda {
namespace {

// The panel of the main window shows the small pictures at this size.
constexpr int kIconSize = 40;
constexpr int kWheelSize = 600;

const QString kFamily = QStringLiteral("DejaVu Sans");
const QString kCondensedFamily = QStringLiteral("DejaVu Sans Condensed");

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The shade painted for colour index 1..9 of the colour words (red, orange,
// yellow, green, light blue, blue, violet, white, black); grey otherwise.
QColor ColourShade(int colour)
{
    switch (colour) {
    case 1:
        return QColor(0xC6, 0x28, 0x28);
    case 2:
        return QColor(0xF0, 0x7A, 0x12);
    case 3:
        return QColor(0xF7, 0xD0, 0x2C);
    case 4:
        return QColor(0x23, 0x7A, 0x35);
    case 5:
        return QColor(0x6C, 0xC4, 0xEE);
    case 6:
        return QColor(0x1E, 0x4F, 0xB4);
    case 7:
        return QColor(0x7B, 0x3F, 0xA8);
    case 8:
        return QColor(0xF6, 0xF6, 0xF0);
    case 9:
        return QColor(0x22, 0x22, 0x22);
    default:
        return QColor(0xD8, 0xD8, 0xD8);
    }
}

double RelativeLuminance(const QColor& c)
{
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

// Black or white text, whichever stands out more against the fill.
QColor InkFor(const QColor& fill)
{
    const double l = RelativeLuminance(fill);
    const double onBlack = (l + 0.05) / 0.05;
    const double onWhite = 1.05 / (l + 0.05);
    return onBlack >= onWhite ? QColor(0x11, 0x11, 0x11) : QColor(Qt::white);
}

// A frame that keeps light pictures (white, yellow) apart from a light window.
QColor FrameFor(const QColor& fill)
{
    return RelativeLuminance(fill) > 0.5 ? QColor(0x8A, 0x8A, 0x8A) : fill.darker(160);
}

QFont MakeFont(const QString& family, int pixelSize, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// The largest font from startPx down to minPx in which the text fits the
// width, its letters drawn a little closer before the size is reduced.
QFont FittingFont(const QString& family, const QString& text, int maxWidth, int startPx, int minPx, bool bold)
{
    for (int px = startPx; px > minPx; --px) {
        QFont font = MakeFont(family, px, bold);
        if (QFontMetrics(font).horizontalAdvance(text) <= maxWidth)
            return font;
        font.setLetterSpacing(QFont::AbsoluteSpacing, -0.5);
        if (QFontMetrics(font).horizontalAdvance(text) <= maxWidth)
            return font;
    }
    return MakeFont(family, minPx, bold);
}

QImage NewIcon(const QColor& fill)
{
    QImage image(kIconSize, kIconSize, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

void DrawFrame(QPainter& painter, const QColor& fill)
{
    painter.setPen(QPen(FrameFor(fill), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0.5, 0.5, kIconSize - 1, kIconSize - 1));
}

QImage NeutralIcon()
{
    const QColor fill = ColourShade(0);
    QImage image = NewIcon(fill);
    QPainter painter(&image);
    DrawFrame(painter, fill);
    return image;
}

// Principle 1..60: its colour, its number large and its animal underneath.
QImage PrincipleIcon(int p)
{
    const QColor fill = ColourShade(PrincipleColour(p));
    const QColor ink = InkFor(fill);
    QImage image = NewIcon(fill);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    DrawFrame(painter, fill);

    painter.setPen(ink);
    painter.setFont(MakeFont(kFamily, 19, true));
    painter.drawText(QRect(0, 2, kIconSize, 24), Qt::AlignCenter, QString::number(p));

    const QString animal = FromUtf8(AnimalName(PrincipleAnimal(p)));
    painter.setFont(FittingFont(kCondensedFamily, animal, kIconSize - 4, 11, 8, false));
    painter.drawText(QRect(1, 24, kIconSize - 2, 14), Qt::AlignCenter, animal);
    return image;
}

// Energy 1..7: a glowing disc of its colour with its number.
QImage EnergyIcon(int e)
{
    const QColor colour = ColourShade(e);
    const QColor background(0xFA, 0xFA, 0xF7);
    QImage image = NewIcon(background);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    DrawFrame(painter, background);

    const QPointF centre(kIconSize / 2.0, kIconSize / 2.0);
    QRadialGradient glow(centre, 18, QPointF(centre.x() - 5, centre.y() - 5));
    glow.setColorAt(0.0, colour.lighter(150));
    glow.setColorAt(0.55, colour);
    glow.setColorAt(1.0, colour.darker(125));
    painter.setPen(QPen(colour.darker(150), 1));
    painter.setBrush(glow);
    painter.drawEllipse(centre, 17, 17);

    painter.setPen(InkFor(colour));
    painter.setFont(MakeFont(kFamily, 18, true));
    painter.drawText(QRect(0, 0, kIconSize, kIconSize), Qt::AlignCenter, QString::number(e));
    return image;
}

// The element of sign 1..12 (fire, earth, air, water in turn from Aries)
// gives the tint of the background and the colour of the symbol.
struct ElementShades {
    QColor background;
    QColor symbol;
};

ElementShades ElementOfSign(int z)
{
    switch ((z - 1) % 4) {
    case 0:
        return {QColor(0xFC, 0xE4, 0xD6), QColor(0xB0, 0x24, 0x1C)};
    case 1:
        return {QColor(0xE5, 0xEF, 0xD6), QColor(0x3F, 0x6B, 0x1E)};
    case 2:
        return {QColor(0xFF, 0xF4, 0xC8), QColor(0x7A, 0x5A, 0x00)};
    default:
        return {QColor(0xDA, 0xEA, 0xFA), QColor(0x17, 0x4E, 0x96)};
    }
}

// Sign 1..12: its symbol (Aries U+2648 .. Pisces U+2653). Should the font lack
// the symbol, the first two letters of the sign's name stand in for it.
QImage ZodiacIcon(int z)
{
    const ElementShades shades = ElementOfSign(z);
    QImage image = NewIcon(shades.background);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    DrawFrame(painter, shades.background);
    painter.setPen(shades.symbol);

    const char32_t symbol = U'\u2648' + static_cast<char32_t>(z - 1);
    const QFont symbolFont = MakeFont(kFamily, 30, false);
    if (QFontMetrics(symbolFont).inFontUcs4(symbol)) {
        painter.setFont(symbolFont);
        painter.drawText(QRect(0, 0, kIconSize, kIconSize), Qt::AlignCenter, QString::fromUcs4(&symbol, 1));
    } else {
        painter.setFont(MakeFont(kFamily, 18, true));
        painter.drawText(QRect(0, 0, kIconSize, kIconSize), Qt::AlignCenter, FromUtf8(ZodiacName(z)).left(2));
    }
    return image;
}

// Text along the radius at angle `degrees` (clockwise from the top), centred
// at distance `radius` from the centre; on the left half it is turned round so
// that it never stands upside down.
void DrawRadialText(QPainter& painter, const QPointF& centre, double degrees, double radius,
                    const QString& text)
{
    painter.save();
    painter.translate(centre);
    painter.rotate(degrees - 90.0);
    painter.translate(radius, 0);
    const bool leftHalf = degrees > 180.0;
    if (leftHalf)
        painter.rotate(180.0);
    const QFontMetrics metrics(painter.font());
    const int width = metrics.horizontalAdvance(text);
    painter.drawText(QPointF(-width / 2.0, (metrics.ascent() - metrics.descent()) / 2.0), text);
    painter.restore();
}

QPainterPath SectorPath(const QPointF& centre, double inner, double outer, double startDegrees,
                        double spanDegrees)
{
    // QPainterPath angles run counter-clockwise from three o'clock.
    const double qtStart = 90.0 - startDegrees;
    const QRectF outerRect(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer);
    const QRectF innerRect(centre.x() - inner, centre.y() - inner, 2 * inner, 2 * inner);
    QPainterPath path;
    path.arcMoveTo(outerRect, qtStart);
    path.arcTo(outerRect, qtStart, -spanDegrees);
    path.arcTo(innerRect, qtStart - spanDegrees, spanDegrees);
    path.closeSubpath();
    return path;
}

// The wheel of the 60 principles, principle 1 at the top, clockwise: a
// coloured sector for each with its number on the outer ring and its animal
// inside; in the middle the title and the five colours of the principles.
QImage KalachakraWheel()
{
    QImage image(kWheelSize, kWheelSize, QImage::Format_RGB32);
    image.fill(QColor(0xFB, 0xF7, 0xEC));
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);

    const QPointF centre(kWheelSize / 2.0, kWheelSize / 2.0);
    constexpr double kOuter = 292;
    constexpr double kNumberRing = 252;
    constexpr double kInner = 128;
    constexpr double kStep = 360.0 / 60;

    const QFont numberFont = MakeFont(kFamily, 15, true);
    const QFont animalFont = MakeFont(kCondensedFamily, 15, false);
    for (int p = 1; p <= 60; ++p) {
        const double start = (p - 1) * kStep - kStep / 2;
        const QColor fill = ColourShade(PrincipleColour(p));
        painter.setPen(QPen(QColor(0x55, 0x55, 0x55), 0.8));
        painter.setBrush(fill);
        painter.drawPath(SectorPath(centre, kInner, kOuter, start, kStep));

        const double middle = (p - 1) * kStep;
        painter.setPen(InkFor(fill));
        painter.setFont(numberFont);
        DrawRadialText(painter, centre, middle, (kOuter + kNumberRing) / 2, QString::number(p));
        painter.setFont(animalFont);
        DrawRadialText(painter, centre, middle, (kNumberRing + kInner) / 2 + 4,
                       FromUtf8(AnimalName(PrincipleAnimal(p))));
    }

    painter.setPen(QPen(QColor(0x33, 0x33, 0x33), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, kOuter, kOuter);
    painter.drawEllipse(centre, kNumberRing, kNumberRing);
    painter.setBrush(QColor(0xFB, 0xF7, 0xEC));
    painter.drawEllipse(centre, kInner, kInner);

    painter.setPen(QColor(0x33, 0x22, 0x11));
    painter.setFont(MakeFont(kFamily, 24, true));
    painter.drawText(QRectF(centre.x() - kInner, centre.y() - 100, 2 * kInner, 32), Qt::AlignCenter,
                     QStringLiteral("Калачакра"));
    painter.setFont(MakeFont(kFamily, 13, false));
    painter.drawText(QRectF(centre.x() - kInner, centre.y() - 68, 2 * kInner, 20), Qt::AlignCenter,
                     QStringLiteral("60 принципов"));

    // The colours in the order of the last digit of the number: 0-1, 2-3, ...
    const int legend[] = {1, 3, 8, 9, 6};
    const QStringList digits = {QStringLiteral("0, 1"), QStringLiteral("2, 3"), QStringLiteral("4, 5"),
                                QStringLiteral("6, 7"), QStringLiteral("8, 9")};
    painter.setFont(MakeFont(kFamily, 11, false));
    painter.drawText(QRectF(centre.x() - kInner, centre.y() - 34, 2 * kInner, 18), Qt::AlignCenter,
                     QStringLiteral("цвет по последней цифре:"));
    painter.setFont(MakeFont(kFamily, 12, false));
    for (int i = 0; i < 5; ++i) {
        const QRectF swatch(centre.x() - 62, centre.y() - 12 + i * 20, 14, 14);
        painter.setPen(QPen(QColor(0x55, 0x55, 0x55), 1));
        painter.setBrush(ColourShade(legend[i]));
        painter.drawRect(swatch);
        painter.setPen(QColor(0x22, 0x22, 0x22));
        painter.drawText(QRectF(swatch.right() + 6, swatch.top() - 3, 130, 20),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         FromUtf8(ColourName(legend[i], false)) + QStringLiteral(" — ") + digits[i]);
    }
    return image;
}

bool Save(const QImage& image, const QString& path, const char* format, int quality = -1)
{
    if (image.save(path, format, quality))
        return true;
    std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(path));
    return false;
}

QString TwoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

int Run(const QString& imgFolder)
{
    const QDir root(imgFolder);
    for (const char* sub : {"Principles", "Energy", "Zodiak"}) {
        if (!root.mkpath(QString::fromLatin1(sub))) {
            std::fprintf(stderr, "make_pictures: cannot create %s/%s\n", qPrintable(imgFolder), sub);
            return 1;
        }
    }

    bool ok = true;
    ok &= Save(NeutralIcon(), root.filePath(QStringLiteral("Principles/00.bmp")), "BMP");
    for (int p = 1; p <= 60; ++p)
        ok &= Save(PrincipleIcon(p), root.filePath(QStringLiteral("Principles/%1.bmp").arg(TwoDigits(p))),
                   "BMP");
    ok &= Save(NeutralIcon(), root.filePath(QStringLiteral("Energy/00.bmp")), "BMP");
    for (int e = 1; e <= 7; ++e)
        ok &= Save(EnergyIcon(e), root.filePath(QStringLiteral("Energy/%1.bmp").arg(TwoDigits(e))), "BMP");
    ok &= Save(NeutralIcon(), root.filePath(QStringLiteral("Zodiak/00.bmp")), "BMP");
    for (int z = 1; z <= 12; ++z)
        ok &= Save(ZodiacIcon(z), root.filePath(QStringLiteral("Zodiak/%1.bmp").arg(TwoDigits(z))), "BMP");
    ok &= Save(KalachakraWheel(), root.filePath(QStringLiteral("Kalachakra.jpg")), "JPG", 92);
    return ok ? 0 : 1;
}

} // namespace
} // namespace orvenda

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures <Img folder>\n");
        return 2;
    }
    // No display is needed (nor may one be present) at build time.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return orvenda::Run(QString::fromLocal8Bit(argv[1]));
}
