#pragma once
// Shows a model pixel buffer, stretched to the widget without smoothing. It paints every pixel
// itself, so nothing is erased behind it and a redraw during a drag does not flicker.

#include "core/pixel_buffer.h"

#include <QImage>
#include <QWidget>

namespace huebit {

class PixelBufferView : public QWidget {
    Q_OBJECT
public:
    PixelBufferView(const QString& name, const PixelBuffer& buffer, QWidget* parent);

    /// Re-reads the buffer; call when the model says it changed.
    void refresh();

signals:
    void pressed(Qt::MouseButton button, int x, int y);
    void moved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    void released(Qt::MouseButton button, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const PixelBuffer& m_buffer;
    QImage m_image;
};

} // namespace huebit
