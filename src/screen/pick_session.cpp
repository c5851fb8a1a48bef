#include "screen/pick_session.h"

#include "screen/loupe.h"
#include "screen/screen_capture.h"

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
    : m_screen(opaque(std::move(screen))), m_size(m_screen.size()),
      m_diameter(StepDiameter(diameter, 0)) {
    refresh();
}

PickSession::PickSession(std::shared_ptr<HeldCopy> held, int diameter)
    : m_held(std::move(held)), m_size(m_held ? m_held->size() : QSize()),
      m_diameter(StepDiameter(diameter, 0)) {
    refresh();
}

void PickSession::moveTo(QPoint p) {
    const int right = std::max(0, m_size.width() - 1);
    const int bottom = std::max(0, m_size.height() - 1);
    m_pointer = QPoint(std::clamp(p.x(), 0, right), std::clamp(p.y(), 0, bottom));
    refresh();
}

void PickSession::turnWheel(int notches) {
    m_diameter = StepDiameter(m_diameter, notches);
    refresh();
}

QRect NearbyArea(QPoint pointer, int diameter, QSize copy) {
    const int side = std::max(diameter, LoupeCells);
    return QRect(pointer - QPoint(side / 2, side / 2), QSize(side, side)) &
           QRect(QPoint(0, 0), copy);
}

void PickSession::refresh() {
    if (m_held) {
        const QRect area = NearbyArea(m_pointer, m_diameter, m_size);
        m_nearby = opaque(m_held->read(area));
        m_nearbyOrigin = area.topLeft();
    } else {
        m_nearby = m_screen; // shared, not copied
        m_nearbyOrigin = QPoint(0, 0);
    }
    if (m_nearby.isNull()) { // the server lost the copy: nothing to show or pick
        m_color = 0;
        return;
    }
    const QPoint p = m_pointer - m_nearbyOrigin;
    m_color = AverageSquare(m_nearby, p.x(), p.y(), m_diameter).value_or(0);
}

} // namespace huebit
