#pragma once
// One pick over a frozen copy of the desktop: where the pointer is (in the copy's device
// pixels), the averaging square, and the colour the loupe shows. The overlay forwards the
// pointer, the arrows and the wheel; what it paints and what a pick returns are read here.

#include "core/color.h"

#include <QImage>
#include <QPoint>

namespace huebit {

class PickSession {
public:
    /// `screen`: the desktop in device pixels, made opaque here. `diameter`: the averaging square
    /// it starts with, made odd and kept within 1-199.
    explicit PickSession(QImage screen, int diameter = 1);

    /// The pointer is kept on the copy: a point past an edge takes the nearest pixel.
    void moveTo(QPoint devicePixel);
    /// Arrow keys: one device pixel, or ten with Shift.
    void nudge(int dx, int dy) { moveTo(m_pointer + QPoint(dx, dy)); }
    /// Wheel notches: positive grows the square by two per notch.
    void turnWheel(int notches);

    QPoint pointer() const { return m_pointer; }
    int diameter() const { return m_diameter; }
    /// The averaged colour under the pointer: what a pick returns.
    Color color() const { return m_color; }
    const QImage& screen() const { return m_screen; }

private:
    void refresh();

    QImage m_screen;
    QPoint m_pointer;
    int m_diameter;
    Color m_color = 0;
};

} // namespace huebit
