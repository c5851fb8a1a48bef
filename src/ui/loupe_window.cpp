#include "ui/loupe_window.h"

#include <QPainter>

#include <cmath>

namespace huebit {

LoupeWindow::LoupeWindow(std::function<void(QPainter&)> paint)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::BypassWindowManagerHint | Qt::WindowTransparentForInput |
                           Qt::WindowDoesNotAcceptFocus),
      m_paint(std::move(paint)) {
    setObjectName(QStringLiteral("PickLoupe"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_ShowWithoutActivating);
}

void LoupeWindow::place(QRect device, QPoint overlayTopLeft) {
    const qreal ratio = devicePixelRatioF();
    // Whole logical pixels that hold the device rectangle: at a fractional scale the window may
    // be a pixel larger than the loupe, never smaller.
    const QRect logical = QRectF(device.x() / ratio, device.y() / ratio, device.width() / ratio,
                                 device.height() / ratio)
                              .toAlignedRect()
                              .translated(overlayTopLeft);
    if (geometry() != logical) setGeometry(logical);
    update();
}

void LoupeWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black); // the rounding's spare pixel, if any
    painter.scale(1 / devicePixelRatioF(), 1 / devicePixelRatioF());
    m_paint(painter);
}

} // namespace huebit
