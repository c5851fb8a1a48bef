#include "screen/pick_session.h"

#include "screen/loupe.h"

#include <algorithm>

namespace huebit {

namespace {

// The copy's top byte may be undefined (as the X server leaves it); the overlay draws these
// pixels, so they are made opaque once here.
QImage opaque(QImage screen) {
    if (screen.format() != QImage::Format_RGB32 && screen.format() != QImage::Format_ARGB32)
        screen = screen.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < screen.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(screen.scanLine(y));
        for (int x = 0; x < screen.width(); ++x)
            line[x] |= 0xFF000000u;
    }
    return screen;
}

} // namespace

PickSession::PickSession(QImage screen, int diameter)
    : m_screen(opaque(std::move(screen))), m_diameter(StepDiameter(diameter, 0)) {
    refresh();
}

void PickSession::moveTo(QPoint p) {
    const int right = std::max(0, m_screen.width() - 1);
    const int bottom = std::max(0, m_screen.height() - 1);
    m_pointer = QPoint(std::clamp(p.x(), 0, right), std::clamp(p.y(), 0, bottom));
    refresh();
}

void PickSession::turnWheel(int notches) {
    m_diameter = StepDiameter(m_diameter, notches);
    refresh();
}

void PickSession::refresh() {
    m_color = AverageSquare(m_screen, m_pointer.x(), m_pointer.y(), m_diameter).value_or(0);
}

} // namespace huebit
