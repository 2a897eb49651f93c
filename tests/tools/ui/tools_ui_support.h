#pragma once

// Shared by the tools' window tests: screenshots for a person to look at and
// the check that no text on a window is cut off.

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <QWidget>

namespace orvenda::test {

// Lets posted layout requests run, as the event loop would before painting.
inline void Settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

inline bool SaveScreenshot(QWidget* window, const char* name)
{
    Settle();
    QDir().mkpath(QStringLiteral(ORVENDA_SCREENSHOT_DIR));
    const QString path = QStringLiteral(ORVENDA_SCREENSHOT_DIR) + QString::fromLatin1(name);
    return window->grab().save(path) && !QImage(path).isNull();
}

// Every visible one-line label of the window is as wide as its text.
inline QString FirstCutLabel(const QWidget& window)
{
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().isEmpty() || !label->isVisibleTo(&window) || label->wordWrap())
            continue;
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        if (label->contentsRect().width() < needed)
            return label->text();
    }
    return {};
}

} // namespace orvenda::test
