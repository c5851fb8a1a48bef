#pragma once
// A flat button that acts the moment a mouse button goes down on it, whichever button and
// modifiers: the bars' minimum and maximum buttons. Space still presses it from the keyboard.

#include <QToolButton>

namespace huebit {

class PressButton : public QToolButton {
    Q_OBJECT
public:
    explicit PressButton(QWidget* parent = nullptr);

signals:
    void pushed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace huebit
