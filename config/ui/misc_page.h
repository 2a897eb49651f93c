#pragma once

// The tab "Разное": the run log and the switches.

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace orvenda {

class OptionsState;

class MiscPage : public QWidget {
    Q_OBJECT
public:
    explicit MiscPage(OptionsState& state, QWidget* parent = nullptr);

    // Every control from the settings record.
    void load();
    // The log controls' enabling and text colours.
    void refreshLog();

signals:
    void astroPanelToggled(bool on);

private:
    QWidget* createLogGroup();

    OptionsState& m_state;
    QCheckBox* m_logEnable = nullptr;
    QRadioButton* m_daily = nullptr;
    QLabel* m_dailyNote = nullptr;
    QRadioButton* m_oneFile = nullptr;
    QLineEdit* m_logName = nullptr;
    QCheckBox* m_append = nullptr;
    QCheckBox* m_confirmExit = nullptr;
    QCheckBox* m_adjustSize = nullptr;
    QCheckBox* m_astroPanel = nullptr;
    QCheckBox* m_autostart = nullptr;
};

} // namespace orvenda
