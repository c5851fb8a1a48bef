#include "ui/pixel_buffer_view.h"

#include "ui/qt_color.h"

namespace huebit {

PixelBufferView::PixelBufferView(const QString& name, const PixelBuffer& buffer, QWidget* parent)
    : ImageView(name, QSize(buffer.width(), buffer.height()), parent), m_buffer(buffer) {
    refresh();
}

void PixelBufferView::refresh() { setImage(ToQImage(m_buffer)); }

} // namespace huebit
