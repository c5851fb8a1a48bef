#include "ui/image_view.h"

#include "ui/pointer_pixel.h"

#include <QMouseEvent>
#include <QPainter>

namespace huebit {

ImageView::ImageView(const QString& name, QSize size, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setMouseTracking(true);
    resize(size);
}

void ImageView::setImage(const QImage& image) {
    holdImage(image);
    update();
}

void ImageView::holdImage(const QImage& image) {
    m_image = image;
    // An image that covers the view paints every pixel itself: nothing to erase behind it.
    setAttribute(Qt::WA_OpaquePaintEvent, !image.isNull());
}

void ImageView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (m_image.isNull()) p.fillRect(rect(), palette().window());
    else p.drawImage(rect(), m_image);
}

void ImageView::mousePressEvent(QMouseEvent* event) {
    const QPoint at = PixelAt(event, this);
    emit pressed(event->button(), at.x(), at.y());
    event->accept();
}

void ImageView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = PixelAt(event, this);
    emit moved(event->buttons(), event->modifiers(), at.x(), at.y());
    event->accept();
}

void ImageView::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = PixelAt(event, this);
    emit released(event->button(), at.x(), at.y());
    event->accept();
}

} // namespace huebit
