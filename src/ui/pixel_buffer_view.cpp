#include "ui/pixel_buffer_view.h"

#include "ui/qt_color.h"

#include <QPainter>

namespace huebit {

PixelBufferView::PixelBufferView(const QString& name, const PixelBuffer& buffer, QWidget* parent)
    : QWidget(parent), m_buffer(buffer) {
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
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

} // namespace huebit
