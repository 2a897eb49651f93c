#pragma once

// The Kalachakra panel of the main window: seven rows (century, year, month,
// decade, week, day, zodiac), each a caption, a picture, a name and a period,
// and the Kalachakra picture that opens in full on a click.

#include "app/astro_panel.h"

#include <QString>
#include <QWidget>

#include <array>

class QLabel;

namespace orvenda {

class ClickableLabel;

class AstroPanelWidget : public QWidget {
    Q_OBJECT
public:
    // Pictures are looked up in `dataFolder` (with its trailing "/").
    explicit AstroPanelWidget(QString dataFolder, QWidget* parent = nullptr);

    // A picture that cannot be loaded leaves its place empty.
    void Show(const AstroRows& rows);
    const AstroRows& Shown() const noexcept { return m_shown; }

signals:
    void kalachakraClicked();

private:
    struct RowLabels {
        QLabel* caption = nullptr;
        QLabel* picture = nullptr;
        QLabel* name = nullptr;
        QLabel* period = nullptr;
    };

    QString m_dataFolder;
    std::array<RowLabels, 7> m_rows;
    ClickableLabel* m_kalachakra = nullptr;
    AstroRows m_shown;
};

} // namespace orvenda
