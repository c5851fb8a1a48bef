#include "ui/pixel_buffer_view.h"

#include "ui/qt_color.h"

#include <QMouseEvent>
#include <QPainter>

namespace huebit {

PixelBufferView::PixelBufferView(const QString& name, const PixelBuffer& buffer, QWidget* parent)
    : QWidget(parent), m_buffer(buffer) {
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    resize(buffer.width(), buffer.height());
    refresh();
}

void PixelBufferView::refresh() {
    m_image = ToQImage(m_buffer);
    update();
}

void PixelBufferView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(rect(), m_image);
}

void PixelBufferView::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit pressed(event->button(), p.x(), p.y());
    event->accept();
}

void PixelBufferView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit moved(event->buttons(), event->modifiers(), p.x(), p.y());
    event->accept();
}

void PixelBufferView::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit released(event->button(), p.x(), p.y());
    event->accept();
}

} // namespace huebit
