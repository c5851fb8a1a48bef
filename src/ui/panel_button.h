#pragma once
// One of the floating panel's three small buttons: the window colour, a black line around and a
// maroon caption.

#include <QToolButton>

namespace huebit {

class PanelButton : public QToolButton {
    Q_OBJECT
public:
    using QToolButton::QToolButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace huebit
