#pragma once
// Shows a model pixel buffer, stretched to the widget without smoothing. It paints every pixel
// itself, so nothing is erased behind it and a redraw during a drag does not flicker.

#include "core/pixel_buffer.h"
#include "ui/image_view.h"

namespace huebit {

class PixelBufferView : public ImageView {
    Q_OBJECT
public:
    PixelBufferView(const QString& name, const PixelBuffer& buffer, QWidget* parent);

    /// Re-reads the buffer; call when the model says it changed.
    void refresh();

private:
    const PixelBuffer& m_buffer;
};

} // namespace huebit
