#pragma once

// The sample area of the options window: a small likeness of the top of the
// main window, each text drawn with the look of its object. A click on a
// sample chooses its object.

#include "config/config.h"

#include <QFrame>

#include <array>

class QLabel;

namespace orvenda {

class LookSamples : public QFrame {
    Q_OBJECT
public:
    explicit LookSamples(QWidget* parent = nullptr);

    // Restyles every sample and refits the area to the new fonts.
    void ShowLooks(const TLooks& looks);
    QLabel* Sample(int object) const { return m_samples[object]; }

signals:
    void objectClicked(int object);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refit(const TLooks& looks);

    std::array<QLabel*, LookObjectCount> m_samples{};
    QWidget* m_top = nullptr;      // the three captions and the saying sample
    QWidget* m_captions = nullptr; // the panel of the three captions
    int m_captionsWidth = 0;       // grows with wider fonts, never shrinks
};

} // namespace orvenda
