// Орвенда, the desktop program.

#include "app/ui/today_window.h"
#include "engine/date.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Орвенда"));

    orvenda::TodayWindow window(QApplication::applicationDirPath() + QLatin1Char('/'));
    window.ShowDate(orvenda::Now());
    window.show();
    return QApplication::exec();
}
