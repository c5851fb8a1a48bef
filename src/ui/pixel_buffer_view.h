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

    /// The buffer has changed: the view reads it again when it next paints. A buffer that
    /// changes several times before a paint, or while its page is hidden, is read once.
    void refresh();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const PixelBuffer& m_buffer;
    bool m_stale = true;
};

} // namespace huebit
