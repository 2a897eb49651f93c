#pragma once

// The program's font dialog: Qt's font chooser with a text colour and the
// buttons "ОК", "Отмена" and, when the caller can use it, "Применить", which
// puts the current font to use while the dialog stays open (a bare
// QFontDialog has neither the colour nor that button).

#include <QColor>
#include <QDialog>
#include <QFont>

class QFontDialog;
class QLineEdit;
class QPushButton;

namespace orvenda {

class FontDialog : public QDialog {
    Q_OBJECT
public:
    // Opens on `font` and `colour`; `withApply` shows "Применить".
    FontDialog(const QFont& font, const QColor& colour, bool withApply, QWidget* parent = nullptr);

    QFont currentFont() const;
    QColor currentColour() const { return m_colour; }
    // Whether the user picked a colour; an untouched one is the caller's own.
    bool colourChosen() const noexcept { return m_colourChosen; }
    void setCurrentColour(const QColor& colour);

signals:
    // "Применить" was pressed.
    void applied();

private:
    void pickColour();
    void showColour();

    QFontDialog* m_chooser = nullptr;
    QPushButton* m_colourButton = nullptr;
    QLineEdit* m_sample = nullptr;
    QColor m_colour;
    bool m_colourChosen = false;
};

} // namespace orvenda
