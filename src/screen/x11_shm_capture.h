#pragma once
// The fast path on X11: the root window, every monitor at once, read through a shared-memory
// segment (MIT-SHM), which spares the copy of every pixel through the socket. Falls back to a
// plain GetImage when the server offers no shared memory (a remote display).

#include "screen/screen_capture.h"

#include <QRect>
#include <memory>

struct xcb_connection_t;

namespace huebit {

class X11ShmCapture : public ImmediateCapture {
public:
    /// Uses `connection` (not owned); every capture fails cleanly if it is null, broken, or the
    /// root visual is not 24- or 32-bit true colour with 8 bits per component.
    explicit X11ShmCapture(xcb_connection_t* connection);
    ~X11ShmCapture() override;
    X11ShmCapture(const X11ShmCapture&) = delete;
    X11ShmCapture& operator=(const X11ShmCapture&) = delete;

    /// The root window: every monitor at once. The first capture after copyAhead hands out the
    /// copy begun there.
    QImage captureDesktop() override;
    /// Begins a copy of the root window that the server makes while the program goes on; the
    /// next capture waits for it and hands it out.
    void copyAhead() override;
    QSize desktopSize() override;

    /// Whether the next capture goes through shared memory.
    bool usesSharedMemory() const { return m_shm; }
    /// Forces the socket path from now on (a remote server, or a comparison).
    void disableSharedMemory();

private:
    QRect desktopArea();
    struct PendingCopy;
    std::unique_ptr<PendingCopy> startShm(QRect area);
    QImage finishShm(PendingCopy& copy);
    void drop(PendingCopy& copy);
    QImage captureThroughSocket(QRect area);

    xcb_connection_t* m_connection = nullptr;
    unsigned m_root = 0;
    bool m_shm = false;
    std::unique_ptr<PendingCopy> m_ahead;
};

} // namespace huebit
