#pragma once
// The one-shot pick's overlay: a frameless window over every monitor showing the frozen copy of
// the desktop, with the loupe beside the pointer. It turns the pointer, the wheel and the keys
// into PickSession calls and paints what the session holds; it ends with `picked` or
// `cancelled`, exactly once.

#include "screen/pick_session.h"

#include <QWidget>
#include <memory>

namespace huebit {

class HeldCopy;
class LoupeWindow;
class X11PointerFilter;

class PickOverlay : public QWidget {
    Q_OBJECT
public:
    /// `screen`: the desktop in device pixels. `diameter`: the averaging square to start with.
    /// `templateEntry`: the notation of the loupe's text.
    PickOverlay(QImage screen, int diameter, QString templateEntry, QWidget* parent = nullptr);
    /// Over a copy the display server keeps: the server shows it as the overlay's background and
    /// the loupe gets a small window of its own, so the copy's pixels never cross over whole
    /// unless the server cannot show it (then they are read once, at start).
    PickOverlay(std::shared_ptr<HeldCopy> held, int diameter, QString templateEntry);
    ~PickOverlay() override;

    /// Covers the virtual desktop, takes the keyboard and the pointer, and shows the loupe at
    /// the pointer.
    void start();
    const PickSession& session() const { return m_session; }
    /// The loupe's place in the overlay's device pixels.
    QRect loupeRect() const;

signals:
    void picked(Color colour);
    void cancelled();

protected:
    QPaintEngine* paintEngine() const override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPoint devicePoint(QPointF logical) const;
    QRect logicalRect(QRect device) const;
    void pointTo(QPoint device);
    void moveBy(int dx, int dy);
    void finish(bool pick);
    void grabInput();
    void paintLoupe(QPainter& painter, QRect where) const;
    void showHeldCopy();
    void showLoupe();
    void followDevicePointer();
    bool exactPointer() const;

    PickSession m_session;
    QString m_entry;
    std::shared_ptr<HeldCopy> m_held; // shown by the server while m_loupeWindow is there
    std::unique_ptr<LoupeWindow> m_loupeWindow;
    std::unique_ptr<X11PointerFilter> m_pointerFilter;
    QList<QRect> m_monitors; // device pixels, relative to the copy
    QRect m_loupe;
    int m_wheelRest = 0;
    int m_grabTries = 0;
    bool m_grabbing = false; // the keyboard and the pointer were asked for
    bool m_done = false;
};

} // namespace huebit
