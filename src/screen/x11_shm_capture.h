#pragma once
// The fast path on X11: the root window, every monitor at once, read through a shared-memory
// segment (MIT-SHM), which spares the copy of every pixel through the socket. Falls back to a
// plain GetImage when the server offers no shared memory (a remote display). A copy begun ahead
// stays in the server, as a pixmap, until it is first read.

#include "screen/screen_capture.h"

#include <QRect>
#include <memory>

struct xcb_connection_t;

namespace huebit {

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

    /// Whether the next capture goes through shared memory.
    bool usesSharedMemory() const { return m_shm; }
    /// Forces the socket path from now on (a remote server, or a comparison).
    void disableSharedMemory();

private:
    QRect desktopArea();

    xcb_connection_t* m_connection = nullptr;
    unsigned m_root = 0;
    unsigned char m_depth = 0;
    bool m_shm = false;
    std::unique_ptr<X11HeldCopy> m_ahead;
};

} // namespace huebit
