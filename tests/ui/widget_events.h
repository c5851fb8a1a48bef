#pragma once
// Mouse events with an exact button state, sent straight to a widget.

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace huebit::test {

inline void sendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button,
                      Qt::MouseButtons buttons, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QMouseEvent event(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), button, buttons, mods);
    QApplication::sendEvent(w, &event);
}

} // namespace huebit::test
