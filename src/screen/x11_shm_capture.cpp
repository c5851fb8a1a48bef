#include "screen/x11_shm_capture.h"

#include <xcb/shm.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <sys/ipc.h>
#include <sys/shm.h>

namespace huebit {

namespace {

// Only a root visual whose Z-pixmap pixels are 32-bit words 0x??RRGGBB in the host's byte order
// can be copied as RGB32 without converting each pixel: true colour, 8 bits per component, depth
// 24 or 32, stored in 32 bits per pixel.
bool rgb32Root(const xcb_setup_t* setup, const xcb_screen_t* screen) {
    if (screen->root_depth != 24 && screen->root_depth != 32) return false;
    const auto hostOrder =
        Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? XCB_IMAGE_ORDER_LSB_FIRST : XCB_IMAGE_ORDER_MSB_FIRST;
    if (setup->image_byte_order != hostOrder) return false;
    bool wordPixels = false;
    for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f)) {
        if (f.data->depth == screen->root_depth) wordPixels = f.data->bits_per_pixel == 32;
    }
    if (!wordPixels) return false;
    for (auto d = xcb_screen_allowed_depths_iterator(screen); d.rem; xcb_depth_next(&d)) {
        for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v)) {
            if (v.data->visual_id != screen->root_visual) continue;
            return v.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR && v.data->red_mask == 0xFF0000u &&
                   v.data->green_mask == 0x00FF00u && v.data->blue_mask == 0x0000FFu;
        }
    }
    return false;
}

// The top byte stays as the server left it (the padding of depth 24, or an alpha nobody set):
// a pass over a whole screen to set it would cost milliseconds at every copy, and the pictures
// made from the copy set it themselves (see ScreenPicker).
QImage copyOf(const void* data, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) return {};
    std::memcpy(image.bits(), data, std::size_t(width) * height * 4);
    return image;
}

void detachMemory(void* memory) {
    shmdt(memory);
}

} // namespace

X11ShmCapture::X11ShmCapture(xcb_connection_t* connection) {
    if (!connection || xcb_connection_has_error(connection)) return;
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(setup).data;
    if (!screen || !rgb32Root(setup, screen)) return;
    m_connection = connection;
    m_root = screen->root;
    xcb_shm_query_version_reply_t* version =
        xcb_shm_query_version_reply(connection, xcb_shm_query_version(connection), nullptr);
    m_shm = version != nullptr;
    std::free(version);
}

X11ShmCapture::~X11ShmCapture() {
    if (m_ahead) drop(*m_ahead);
}

void X11ShmCapture::disableSharedMemory() {
    if (m_ahead) drop(*m_ahead);
    m_ahead.reset();
    m_shm = false;
}

// The root window spans every monitor; the desktop is all of it.
QRect X11ShmCapture::desktopArea() {
    xcb_get_geometry_reply_t* g =
        xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, m_root), nullptr);
    if (!g) return {};
    const QRect root(0, 0, g->width, g->height);
    std::free(g);
    return root;
}

QSize X11ShmCapture::desktopSize() {
    return m_connection ? desktopArea().size() : QSize();
}

void X11ShmCapture::copyAhead() {
    if (m_ahead || !m_shm || !m_connection || xcb_connection_has_error(m_connection)) return;
    const QRect area = desktopArea();
    if (area.isEmpty()) return;
    m_ahead = startShm(area);
    xcb_flush(m_connection); // the server starts on it now, not at the next round trip
}

QImage X11ShmCapture::captureDesktop() {
    if (!m_connection || xcb_connection_has_error(m_connection)) return {};
    if (m_ahead) {
        std::unique_ptr<PendingCopy> ahead = std::move(m_ahead);
        QImage image = finishShm(*ahead);
        if (!image.isNull()) return image;
        disableSharedMemory();
    }
    const QRect area = desktopArea();
    if (area.isEmpty()) return {};
    if (m_shm) {
        if (auto pending = startShm(area)) {
            QImage image = finishShm(*pending);
            if (!image.isNull()) return image;
        }
        disableSharedMemory(); // e.g. a server on another host: use the socket from now on
    }
    return captureThroughSocket(area);
}

// Each copy gets a segment of its own, which becomes the picture's pixels: the screen is held
// once, not once in the segment and again in a copy, and the segment goes when the picture does.
struct X11ShmCapture::PendingCopy {
    void* memory = nullptr;
    unsigned segment = 0;
    QRect area;
    xcb_shm_get_image_cookie_t image{};
};

std::unique_ptr<X11ShmCapture::PendingCopy> X11ShmCapture::startShm(QRect area) {
    auto copy = std::make_unique<PendingCopy>();
    copy->area = area;
    const int id = shmget(IPC_PRIVATE, std::size_t(area.width()) * area.height() * 4,
                          IPC_CREAT | 0600);
    if (id < 0) return nullptr;
    copy->memory = shmat(id, nullptr, 0);
    if (copy->memory == reinterpret_cast<void*>(-1)) {
        shmctl(id, IPC_RMID, nullptr);
        return nullptr;
    }
    copy->segment = xcb_generate_id(m_connection);
    xcb_generic_error_t* error =
        xcb_request_check(m_connection, xcb_shm_attach_checked(m_connection, copy->segment, id, 0));
    // Marked for removal as soon as both sides hold it: the system frees it when both have
    // detached, even if the program dies before the copy is taken.
    shmctl(id, IPC_RMID, nullptr);
    if (error) {
        std::free(error);
        shmdt(copy->memory);
        return nullptr;
    }
    copy->image = xcb_shm_get_image(m_connection, m_root, area.x(), area.y(), area.width(),
                                    area.height(), ~0u, XCB_IMAGE_FORMAT_Z_PIXMAP, copy->segment, 0);
    return copy;
}

QImage X11ShmCapture::finishShm(PendingCopy& copy) {
    xcb_shm_get_image_reply_t* reply = xcb_shm_get_image_reply(m_connection, copy.image, nullptr);
    const std::size_t count = std::size_t(copy.area.width()) * copy.area.height();
    const bool complete = reply && reply->size >= count * 4;
    std::free(reply);
    // The server has written its answer; it needs the segment no more.
    xcb_shm_detach(m_connection, copy.segment);
    xcb_flush(m_connection);
    if (!complete) {
        shmdt(copy.memory);
        return {};
    }
    return QImage(static_cast<uchar*>(copy.memory), copy.area.width(), copy.area.height(),
                  copy.area.width() * 4, QImage::Format_RGB32, detachMemory, copy.memory);
}

// A copy nobody took: its answer is let go and its segment freed.
void X11ShmCapture::drop(PendingCopy& copy) {
    xcb_discard_reply(m_connection, copy.image.sequence);
    xcb_shm_detach(m_connection, copy.segment);
    xcb_flush(m_connection);
    shmdt(copy.memory);
}

QImage X11ShmCapture::captureThroughSocket(QRect area) {
    xcb_get_image_reply_t* reply =
        xcb_get_image_reply(m_connection,
                            xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, m_root, area.x(),
                                          area.y(), area.width(), area.height(), ~0u),
                            nullptr);
    if (!reply) return {};
    QImage image;
    const auto length = std::size_t(xcb_get_image_data_length(reply));
    if (length >= std::size_t(area.width()) * area.height() * 4) {
        image = copyOf(xcb_get_image_data(reply), area.width(), area.height());
    }
    std::free(reply);
    return image;
}

} // namespace huebit
