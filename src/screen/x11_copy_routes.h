#pragma once
// The ways an X11 copy of a drawable crosses to the program (see x11_capture_route.h), and the
// probe that picks one on this machine. Shared by the captures of the root and the copy the
// server holds from the start, so that both learn from the same timings.

#include "screen/x11_capture_route.h"

#include <QImage>
#include <QRect>
#include <memory>

struct xcb_connection_t;

namespace huebit {

struct X11SegmentPool;

class X11CopyRoutes {
public:
    /// Probes the routes with shared memory when `sharedMemory`, else takes the socket only.
    /// Pictures of the reused route live in segments the server keeps attached: they may not
    /// outlive the connection.
    explicit X11CopyRoutes(bool sharedMemory);
    ~X11CopyRoutes();
    X11CopyRoutes(const X11CopyRoutes&) = delete;
    X11CopyRoutes& operator=(const X11CopyRoutes&) = delete;

    /// `area` of `drawable`, RGB32 (top byte as the server left it); null on failure. A refused
    /// segment turns shared memory off for good (a server on another host) and the socket
    /// carries this copy and the later ones.
    QImage copy(xcb_connection_t* c, unsigned drawable, QRect area);

    /// Every copy by `route` from now on, nothing probed (comparisons, a remote server).
    void forceRoute(X11Route route);
    /// Whether some route still to be taken goes through shared memory.
    bool mayUseSharedMemory() const;
    /// The route kept, once chosen.
    std::optional<X11Route> chosen() const { return m_probe.chosen(); }

private:
    QImage copyBy(X11Route route, xcb_connection_t* c, unsigned drawable, QRect area);
    void settled();
    void stopKeepingSegments();

    X11RouteProbe m_probe;
    std::shared_ptr<X11SegmentPool> m_pool;
};

} // namespace huebit
