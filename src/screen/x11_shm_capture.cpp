#include "screen/x11_shm_capture.h"

#include <xcb/shm.h>
#include <xcb/xcb.h>

#include <cstdlib>
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

// The server leaves the top byte undefined (the padding of depth 24, or an alpha nobody set);
// RGB32 wants it 0xFF, so it is set while the pixels leave the server's buffer.
QImage opaqueCopy(const void* data, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) return {};
    const auto* in = static_cast<const quint32*>(data);
    for (int y = 0; y < height; ++y, in += width) {
        auto* out = reinterpret_cast<quint32*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            out[x] = in[x] | 0xFF000000u;
    }
    return image;
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
    releaseSegment();
}

void X11ShmCapture::releaseSegment() {
    if (!m_memory) return;
    xcb_shm_detach(m_connection, m_segment);
    xcb_flush(m_connection);
    shmdt(m_memory);
    m_memory = nullptr;
    m_size = 0;
}

void X11ShmCapture::disableSharedMemory() {
    releaseSegment();
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

QImage X11ShmCapture::captureDesktop() {
    if (!m_connection || xcb_connection_has_error(m_connection)) return {};
    const QRect area = desktopArea();
    if (area.isEmpty()) return {};
    if (m_shm) {
        QImage image = captureThroughShm(area);
        if (!image.isNull()) return image;
        disableSharedMemory(); // e.g. a server on another host: use the socket from now on
    }
    return captureThroughSocket(area);
}

QImage X11ShmCapture::captureThroughShm(QRect area) {
    const std::size_t size = std::size_t(area.width()) * area.height() * 4;
    if (size > m_size) {
        releaseSegment();
        const int id = shmget(IPC_PRIVATE, size, IPC_CREAT | 0600);
        if (id < 0) return {};
        void* memory = shmat(id, nullptr, 0);
        if (memory == reinterpret_cast<void*>(-1)) {
            shmctl(id, IPC_RMID, nullptr);
            return {};
        }
        const unsigned segment = xcb_generate_id(m_connection);
        xcb_generic_error_t* error =
            xcb_request_check(m_connection, xcb_shm_attach_checked(m_connection, segment, id, 0));
        // Marked for removal at once: the system frees it when both sides have detached, even
        // if the program dies.
        shmctl(id, IPC_RMID, nullptr);
        if (error) {
            std::free(error);
            shmdt(memory);
            return {};
        }
        m_memory = memory;
        m_segment = segment;
        m_size = size;
    }
    xcb_shm_get_image_reply_t* reply = xcb_shm_get_image_reply(
        m_connection,
        xcb_shm_get_image(m_connection, m_root, area.x(), area.y(), area.width(), area.height(),
                          ~0u, XCB_IMAGE_FORMAT_Z_PIXMAP, m_segment, 0),
        nullptr);
    if (!reply) return {};
    const bool complete = reply->size >= size;
    std::free(reply);
    return complete ? opaqueCopy(m_memory, area.width(), area.height()) : QImage();
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
        image = opaqueCopy(xcb_get_image_data(reply), area.width(), area.height());
    }
    std::free(reply);
    return image;
}

} // namespace huebit
