#pragma once
// Shows a QImage stretched to the widget without smoothing and reports the pointer in the
// widget's own coordinates, which are the shown element's area coordinates.

#include <QImage>
#include <QWidget>

namespace huebit {

class ImageView : public QWidget {
    Q_OBJECT
public:
    ImageView(const QString& name, QSize size, QWidget* parent);

    void setImage(const QImage& image);
    const QImage& image() const { return m_image; }

signals:
    void pressed(Qt::MouseButton button, int x, int y);
    void moved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    void released(Qt::MouseButton button, int x, int y);

protected:
    /// Takes the image without asking for a paint: for a view that makes it while painting.
    void holdImage(const QImage& image);
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_image;
};

} // namespace huebit
