#pragma once
// The loupe in a small window of its own, above an overlay that the display server fills from
// its held copy of the screen: only the loupe is ever drawn by the program. It takes no input;
// the pointer and the keys stay with the overlay under it.

#include <QWidget>
#include <functional>

namespace huebit {

class LoupeWindow : public QWidget {
    Q_OBJECT
public:
    /// `paint` draws the loupe in device pixels with its top left at the origin.
    explicit LoupeWindow(std::function<void(QPainter&)> paint);

    /// Puts the loupe at `device`, the desktop's device pixels relative to the overlay at
    /// `overlayTopLeft` (logical), and repaints it.
    void place(QRect device, QPoint overlayTopLeft);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<void(QPainter&)> m_paint;
};

} // namespace huebit
