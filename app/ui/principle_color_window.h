#pragma once

// "Настройки для Excel": whether the day calendar report paints the days of
// each month in the colour of the month's principle, and the ten colours it
// uses. The window edits the program's one PrincipleColours, which the
// report reads, and opens the report's template for the user to look at.

#include "engine/principle_colours.h"
#include "tools/reports/ui/show_report.h"

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
    // The template is the one beneath the setup's data folder.
    TFormPrincipleColor(PrincipleColours& colours, Questions& questions, ReportSetup setup,
                        QWidget* parent = nullptr);

    // Panel k (0..9): the colour dialog; a confirmed colour becomes the panel's.
    void PanelClick(int k);

    // Shows the window, raised (the tables window's day report options).
    void ShowColours();
    QPushButton* OpenTemplateButton() const noexcept { return BOpenTemplate; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    // "Открыть шаблон": the template in the desktop's spreadsheet program.
    void BOpenTemplateClick();
    // The button is enabled exactly while the template is there.
    void checkTemplate();
    void showChoice();
    void paintPanel(int k);

    PrincipleColours& m_colours;
    Questions& m_questions;
    ReportSetup m_setup;
    QRadioButton* RBMonthColor = nullptr;
    QRadioButton* RBTemplateColor = nullptr;
    QGroupBox* GroupBoxColors = nullptr;
    std::array<ClickableLabel*, 10> m_panels{};
    QPushButton* BOpenTemplate = nullptr;
    QPushButton* BClose = nullptr;
};

} // namespace orvenda
