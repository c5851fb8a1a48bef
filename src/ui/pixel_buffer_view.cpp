#include "ui/pixel_buffer_view.h"

#include "ui/qt_color.h"

namespace huebit {

PixelBufferView::PixelBufferView(const QString& name, const PixelBuffer& buffer, QWidget* parent)
    : ImageView(name, QSize(buffer.width(), buffer.height()), parent), m_buffer(buffer) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PixelBufferView::refresh() {
    m_stale = true;
    update();
}

void PixelBufferView::paintEvent(QPaintEvent* event) {
    if (m_stale) {
        holdImage(ToQImage(m_buffer));
        m_stale = false;
    }
    ImageView::paintEvent(event);
}

} // namespace huebit
