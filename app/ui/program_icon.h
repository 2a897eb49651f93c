#pragma once

// The program's emblem, a wheel of time, painted at any size: the window
// icon and the about window's picture. app/ui/orvenda.svg is the same drawing
// for the desktop entry.

#include <QIcon>
#include <QPixmap>

namespace orvenda {

QPixmap ProgramPicture(int size);
QIcon ProgramIcon();

} // namespace orvenda
