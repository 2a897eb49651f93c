#pragma once

// The tab "Вид": the colour schemes, the sample area and the controls of the
// current object's look.

#include "config/config.h"

#include <QColor>
#include <QWidget>

class QComboBox;
class QPushButton;
class QToolButton;

namespace orvenda {

class LookSamples;
class OptionsState;

class ViewPage : public QWidget {
    Q_OBJECT
public:
    ViewPage(OptionsState& state, QWidget* parent = nullptr);

    // Every control from the state.
    void load();
    // The scheme box: the names available and the scheme in use.
    void loadSchemes();
    // The object controls, the samples and "Применить".
    void refreshObject();

signals:
    void looksApplied(const TLooks& looks);

private:
    void createSchemeGroup(QWidget* group);
    void createObjectGroup(QWidget* group);
    // An alignment or style button.
    void toggle(void (OptionsState::*button)());
    void chooseSample(int object);
    void chooseScheme(int index);
    void deleteScheme();
    void saveScheme();
    void applyLooks();
    void pickBackground();
    void pickFontColour();
    void pickFont();

    OptionsState& m_state;
    QComboBox* m_schemeBox = nullptr;
    QPushButton* m_apply = nullptr;
    LookSamples* m_samples = nullptr;
    QComboBox* m_objectBox = nullptr;
    QToolButton* m_background = nullptr;
    QToolButton* m_fontColour = nullptr;
    QToolButton* m_left = nullptr;
    QToolButton* m_right = nullptr;
    QToolButton* m_bold = nullptr;
    QToolButton* m_italic = nullptr;
    // Each colour dialog opens on the colour last chosen in it.
};

} // namespace orvenda
