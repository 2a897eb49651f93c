#include "app/ui/toolbar_icons.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The resources of a static library are linked only when something names
// them, and the name must be given outside any namespace.
static void InitToolBarIcons()
{
    Q_INIT_RESOURCE(toolbar_icons);
}

namespace orvenda {

QIcon ToolBarIcon(const char* name)
{
    InitToolBarIcons();
    QSvgRenderer drawing(QStringLiteral(":/toolbar/") + QString::fromLatin1(name) + QStringLiteral(".svg"));
    if (!drawing.isValid())
        return {};
    // Painted once at each size a tool bar or menu asks for, twice as large
    // for screens with doubled pixels; QIcon greys them for disabled buttons.
    QIcon icon;
    for (const int size : {16, 24, 32, 48}) {
        QPixmap picture(size, size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        drawing.render(&painter);
        painter.end();
        icon.addPixmap(picture);
    }
    return icon;
}

} // namespace orvenda
