#pragma once

#include <QLabel>

namespace orvenda {

// A label that reports clicks and double clicks (the today panel's captions,
// the Kalachakra picture). A double click also reports the click before it.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent = nullptr);

signals:
    void clicked();
    void doubleClicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace orvenda
