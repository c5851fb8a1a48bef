#pragma once
// The screen on X11: the root window, every monitor at once, read by whichever route is fastest
// on this machine (a plain GetImage or a shared-memory segment, see x11_capture_route.h); only
// the plain request when the server offers no shared memory (a remote display). A copy begun
// ahead stays in the server, as a pixmap, until it is first read.

#include "screen/screen_capture.h"
#include "screen/x11_capture_route.h"

#include <QRect>
#include <memory>
#include <optional>

struct xcb_connection_t;

namespace huebit {

class X11CopyRoutes;
class X11HeldCopy;

class X11ShmCapture : public ImmediateCapture {
public:
    /// Uses `connection` (not owned); every capture fails cleanly if it is null, broken, or the
    /// root visual is not 24- or 32-bit true colour with 8 bits per component.
    explicit X11ShmCapture(xcb_connection_t* connection);
    ~X11ShmCapture() override;
    X11ShmCapture(const X11ShmCapture&) = delete;
    X11ShmCapture& operator=(const X11ShmCapture&) = delete;

    /// The root window: every monitor at once. The first capture after copyAhead hands out the
    /// copy made there.
    QImage captureDesktop() override;
    /// Has the server copy the root window into a pixmap of its own, at once, while the program
    /// goes on; the next capture hands that copy out.
    void copyAhead() override;
    /// The copy made by copyAhead, still in the server.
    std::unique_ptr<HeldCopy> takeHeldCopy() override;
    QSize desktopSize() override;

    /// Whether a capture may still go through shared memory.
    bool usesSharedMemory() const;
    /// Forces the socket path from now on (a remote server, or a comparison).
    void disableSharedMemory() { forceRoute(X11Route::Socket); }
    /// Every capture by `route` from now on, nothing probed.
    void forceRoute(X11Route route);
    /// The route the probe kept, once it has.
    std::optional<X11Route> chosenRoute() const;

private:
    QRect desktopArea();

    xcb_connection_t* m_connection = nullptr;
    unsigned m_root = 0;
    unsigned char m_depth = 0;
    std::shared_ptr<X11CopyRoutes> m_routes;
    /// The root's size as asked beside the shared-memory question at creation, in the same
    /// round trip: the first copy ahead uses it instead of asking again.
    QRect m_areaAtCreation;
    std::unique_ptr<X11HeldCopy> m_ahead;
};

} // namespace huebit
