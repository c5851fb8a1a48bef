#pragma once
// The pointer over one native window in device pixels, as the X server reports it. Under a
// scale factor Qt hands a widget whole logical pixels, so a move within one never arrives and an
// odd device pixel reads as its neighbour; this filter sees every move and press exactly.

#include <QAbstractNativeEventFilter>
#include <QPoint>
#include <functional>

namespace huebit {

class X11PointerFilter : public QAbstractNativeEventFilter {
public:
    /// Calls `moved` with the pointer's device position relative to `window` for every motion
    /// and button press the server reports there, before Qt turns it into an event. Active only
    /// on X11 (see active()). Needs a QGuiApplication; defined by the platform library.
    X11PointerFilter(quintptr window, std::function<void(QPoint)> moved);
    ~X11PointerFilter() override;
    X11PointerFilter(const X11PointerFilter&) = delete;
    X11PointerFilter& operator=(const X11PointerFilter&) = delete;

    bool active() const { return m_active; }
    /// Puts the pointer on the device pixel `device` of the window.
    void warpTo(QPoint device) const;

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

private:
    quintptr m_window;
    std::function<void(QPoint)> m_moved;
    int m_xinput = -1; // the X Input extension's opcode, -1 without it
    bool m_active = false;
};

} // namespace huebit
