#pragma once
// The fast path on X11: the root window read through a shared-memory segment (MIT-SHM), which
// spares the copy of every pixel through the socket. Falls back to a plain GetImage when the
// server offers no shared memory (a remote display).

#include "screen/screen_capture.h"

struct xcb_connection_t;

namespace huebit {

class X11ShmCapture : public ScreenCapture {
public:
    /// Uses `connection` (not owned); capture fails cleanly if it is null.
    explicit X11ShmCapture(xcb_connection_t* connection);
    ~X11ShmCapture() override;
    QImage capturePrimaryScreen() override;

private:
    QImage captureThroughShm(int width, int height);
    QImage captureThroughSocket(int width, int height);
    void releaseSegment();

    xcb_connection_t* m_connection;
    unsigned m_root = 0;
    int m_depth = 0;
    bool m_shm = false;
    // A segment kept between captures, resized when the screen grows.
    int m_shmId = -1;
    unsigned m_segment = 0;
    void* m_memory = nullptr;
    std::size_t m_size = 0;
};

/// Qt's generic grab of the primary screen, scaled back to device pixels when needed.
class QtScreenCapture : public ScreenCapture {
public:
    QImage capturePrimaryScreen() override;
};

/// The X11 path on the xcb platform, Qt's grab elsewhere.
std::unique_ptr<ScreenCapture> MakeScreenCapture();

} // namespace huebit
