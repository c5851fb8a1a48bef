#pragma once
// One pick over a frozen copy of the desktop: where the pointer is (in the copy's device
// pixels), the averaging square, and the colour the loupe shows. The overlay forwards the
// pointer, the arrows and the wheel; what it paints and what a pick returns are read here.

#include "core/color.h"

#include <QImage>
#include <QPoint>
#include <memory>

namespace huebit {

class HeldCopy;

/// What a session over a held copy reads at each move: the larger of the loupe's square and the
/// averaging square, centred on the pointer, cut to the copy.
QRect NearbyArea(QPoint pointer, int diameter, QSize copy);

class PickSession {
public:
    /// `screen`: the desktop in device pixels, made opaque here. `diameter`: the averaging square
    /// it starts with, made odd and kept within 1-199.
    explicit PickSession(QImage screen, int diameter = 1);
    /// Over a copy the display server keeps: only the pixels around the pointer are read, at
    /// each move, and the whole copy never crosses over.
    explicit PickSession(std::shared_ptr<HeldCopy> held, int diameter = 1);

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
    /// The whole copy; null over a held copy.
    const QImage& screen() const { return m_screen; }
    /// The copy's size in device pixels.
    QSize size() const { return m_size; }
    /// The pixels the loupe and the averaging use, at least the loupe's and the square's pixels
    /// around the pointer that lie on the copy; nearbyOrigin is their top left in the copy.
    const QImage& nearby() const { return m_nearby; }
    QPoint nearbyOrigin() const { return m_nearbyOrigin; }

private:
    void refresh();

    QImage m_screen;
    std::shared_ptr<HeldCopy> m_held;
    QSize m_size;
    QImage m_nearby;
    QPoint m_nearbyOrigin;
    QPoint m_pointer;
    int m_diameter;
    Color m_color = 0;
};

} // namespace huebit
