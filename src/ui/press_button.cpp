#include "ui/press_button.h"

#include <QMouseEvent>

namespace huebit {

PressButton::PressButton(QWidget* parent) : QToolButton(parent) {
    // The keyboard's click (Space) arrives as clicked(); the mouse never produces one here.
    connect(this, &QToolButton::clicked, this, &PressButton::pushed);
}

void PressButton::mousePressEvent(QMouseEvent* event) {
    setDown(true);
    event->accept();
    emit pushed();
}

// The press did the work; a release must not add a click of its own.
void PressButton::mouseReleaseEvent(QMouseEvent* event) {
    setDown(false);
    event->accept();
}

} // namespace huebit
