#include "app/ui/program_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace orvenda {

QPixmap ProgramPicture(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 64 × 64 grid, like the desktop icon.
    painter.scale(size / 64.0, size / 64.0);
    const QPointF centre(32, 32);

    painter.setPen(QPen(QColor(0x1d, 0x3a, 0x6e), 3));
    painter.setBrush(QColor(0x2f, 0x5d, 0xa8));
    painter.drawEllipse(centre, 29, 29);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xf4, 0xf1, 0xe6));
    painter.drawEllipse(centre, 22, 22);

    // Twelve spokes for the months of the year.
    painter.setPen(QPen(QColor(0xc0, 0x39, 0x2b), 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const qreal angle = qDegreesToRadians(i * 30.0);
        painter.drawLine(centre + QPointF(7 * qCos(angle), 7 * qSin(angle)),
                         centre + QPointF(21 * qCos(angle), 21 * qSin(angle)));
    }

    painter.setPen(QPen(QColor(0x8a, 0x6d, 0x0b), 1.5));
    painter.setBrush(QColor(0xf2, 0xc1, 0x1d));
    painter.drawEllipse(centre, 8, 8);
    return pixmap;
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(ProgramPicture(size));
    return icon;
}

} // namespace orvenda
