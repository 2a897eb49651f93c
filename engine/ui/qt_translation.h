#pragma once

// Qt's own texts (the buttons of message boxes, the file, font and colour
// dialogs) in Russian, from the translation Qt is installed with.

class QTranslator;

namespace orvenda {

// Installs Qt's Russian translation on the application; nullptr when it is
// not installed, and the dialogs then keep Qt's English texts.
QTranslator* InstallQtTranslation();

} // namespace orvenda
