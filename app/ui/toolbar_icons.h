#pragma once

// The pictures of the main window's tool bar buttons: the program's own
// drawings (icons/*.svg, built into the program as Qt resources), the same
// on every desktop whatever its icon theme has or lacks.

#include <QIcon>

namespace orvenda {

// `name` is a drawing of icons/ without ".svg" ("refresh", "options" ...);
// a null icon when there is no such drawing.
QIcon ToolBarIcon(const char* name);

} // namespace orvenda
