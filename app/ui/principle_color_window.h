#pragma once

// "Настройки для Excel": whether the day calendar report paints the days of
// each month in the colour of the month's principle, and the ten colours it
// uses. The window edits the program's one PrincipleColours, which the
// report reads.

#include "engine/principle_colours.h"

#include <QWidget>

#include <array>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace orvenda {

class ClickableLabel;
class Questions;

class TFormPrincipleColor : public QWidget {
    Q_OBJECT
public:
    TFormPrincipleColor(PrincipleColours& colours, Questions& questions, QWidget* parent = nullptr);

    // Panel k (0..9): the colour dialog; a confirmed colour becomes the panel's.
    void PanelClick(int k);

    // Shows the window, raised (the tables window's day report options).
    void ShowColours();
    // "Открыть шаблон" works once the spreadsheet program can be driven.
    void SetTemplateAvailable(bool available);
    QPushButton* OpenTemplateButton() const noexcept { return BOpenTemplate; }

signals:
    // "Открыть шаблон": the day report's template is to be opened.
    void openTemplateRequested();

private:
    void showChoice();
    void paintPanel(int k);

    PrincipleColours& m_colours;
    Questions& m_questions;
    QRadioButton* RBMonthColor = nullptr;
    QRadioButton* RBTemplateColor = nullptr;
    QGroupBox* GroupBoxColors = nullptr;
    std::array<ClickableLabel*, 10> m_panels{};
    QPushButton* BOpenTemplate = nullptr;
    QPushButton* BClose = nullptr;
};

} // namespace orvenda
