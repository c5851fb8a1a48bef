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

// One copy of `area` of `drawable` through a segment of its own, which becomes the picture's
// pixels: the screen is held once, not once in the segment and again in a copy, and the segment
// goes when the picture does. Null if the server would not share the segment or copy into it.
QImage copyThroughSegment(xcb_connection_t* c, xcb_drawable_t drawable, QRect area) {
    const int id = shmget(IPC_PRIVATE, std::size_t(area.width()) * area.height() * 4,
                          IPC_CREAT | 0600);
    if (id < 0) return {};
    void* memory = shmat(id, nullptr, 0);
    if (memory == reinterpret_cast<void*>(-1)) {
        shmctl(id, IPC_RMID, nullptr);
        return {};
    }
    const uint32_t segment = xcb_generate_id(c);
    xcb_generic_error_t* error =
        xcb_request_check(c, xcb_shm_attach_checked(c, segment, id, 0));
    // Marked for removal as soon as both sides hold it: the system frees it when both have
    // detached, even if the program dies before the copy is taken.
    shmctl(id, IPC_RMID, nullptr);
    if (error) {
        std::free(error);
        shmdt(memory);
        return {};
    }
    xcb_shm_get_image_reply_t* reply = xcb_shm_get_image_reply(
        c,
        xcb_shm_get_image(c, drawable, area.x(), area.y(), area.width(), area.height(), ~0u,
                          XCB_IMAGE_FORMAT_Z_PIXMAP, segment, 0),
        nullptr);
    const bool complete = reply && reply->size >= std::size_t(area.width()) * area.height() * 4;
    std::free(reply);
    // The server has written its answer; it needs the segment no more.
    xcb_shm_detach(c, segment);
    xcb_flush(c);
    if (!complete) {
        shmdt(memory);
        return {};
    }
    return QImage(static_cast<uchar*>(memory), area.width(), area.height(), area.width() * 4,
                  QImage::Format_RGB32, detachMemory, memory);
}

QImage copyThroughSocket(xcb_connection_t* c, xcb_drawable_t drawable, QRect area) {
    xcb_get_image_reply_t* reply = xcb_get_image_reply(
        c,
        xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, drawable, area.x(), area.y(), area.width(),
                      area.height(), ~0u),
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

// Through shared memory while `shm` holds; a refusal turns it off for good (a server on another
// host) and the socket carries this copy and the later ones.
QImage copyDrawable(xcb_connection_t* c, xcb_drawable_t drawable, QRect area, bool& shm) {
    if (shm) {
        QImage image = copyThroughSegment(c, drawable, area);
        if (!image.isNull()) return image;
        shm = false;
    }
    return copyThroughSocket(c, drawable, area);
}

} // namespace

// The copy begun ahead: the server copies the root into a pixmap of its own at once, and the
// pixels cross over when they are first read, which at start is when the screen page first shows.
class X11HeldCopy : public HeldCopy {
public:
    X11HeldCopy(xcb_connection_t* c, xcb_window_t root, uint8_t depth, QRect area, bool shm)
        : m_connection(c), m_pixmap(xcb_generate_id(c)), m_size(area.size()), m_shm(shm) {
        m_made = xcb_create_pixmap_checked(c, depth, m_pixmap, root, area.width(), area.height());
        // Include inferiors: the windows on the root, not just the root's own background. No
        // exposure events: the root is never obscured for a copy's sake.
        const uint32_t values[] = {XCB_SUBWINDOW_MODE_INCLUDE_INFERIORS, 0};
        const xcb_gcontext_t gc = xcb_generate_id(c);
        xcb_create_gc(c, gc, m_pixmap, XCB_GC_SUBWINDOW_MODE | XCB_GC_GRAPHICS_EXPOSURES, values);
        xcb_copy_area(c, root, m_pixmap, gc, area.x(), area.y(), 0, 0, area.width(),
                      area.height());
        xcb_free_gc(c, gc);
        xcb_flush(c); // the server copies now, not at the next round trip
    }
    ~X11HeldCopy() override {
        if (!m_pixmap) return;
        xcb_discard_reply(m_connection, m_made.sequence);
        release();
    }
    X11HeldCopy(const X11HeldCopy&) = delete;
    X11HeldCopy& operator=(const X11HeldCopy&) = delete;

    QSize size() const override { return m_size; }

    QImage take() override {
        if (!m_pixmap || xcb_connection_has_error(m_connection)) return {};
        QImage image;
        if (xcb_generic_error_t* error = xcb_request_check(m_connection, m_made))
            std::free(error); // no room for the pixmap: the copy never was
        else
            image = copyDrawable(m_connection, m_pixmap, QRect(QPoint(0, 0), m_size), m_shm);
        release();
        return image;
    }

    void useSocket() { m_shm = false; }

private:
    void release() {
        xcb_free_pixmap(m_connection, m_pixmap);
        xcb_flush(m_connection);
        m_pixmap = 0;
    }

    xcb_connection_t* m_connection;
    xcb_pixmap_t m_pixmap;
    xcb_void_cookie_t m_made{};
    QSize m_size;
    bool m_shm;
};

X11ShmCapture::X11ShmCapture(xcb_connection_t* connection) {
    if (!connection || xcb_connection_has_error(connection)) return;
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(setup).data;
    if (!screen || !rgb32Root(setup, screen)) return;
    m_connection = connection;
    m_root = screen->root;
    m_depth = screen->root_depth;
    xcb_shm_query_version_reply_t* version =
        xcb_shm_query_version_reply(connection, xcb_shm_query_version(connection), nullptr);
    m_shm = version != nullptr;
    std::free(version);
}

X11ShmCapture::~X11ShmCapture() = default;

void X11ShmCapture::disableSharedMemory() {
    m_shm = false;
    if (m_ahead) m_ahead->useSocket();
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
    if (m_ahead || !m_connection || xcb_connection_has_error(m_connection)) return;
    const QRect area = desktopArea();
    if (area.isEmpty()) return;
    m_ahead = std::make_unique<X11HeldCopy>(m_connection, m_root, m_depth, area, m_shm);
}

std::unique_ptr<HeldCopy> X11ShmCapture::takeHeldCopy() {
    return std::move(m_ahead);
}

QImage X11ShmCapture::captureDesktop() {
    if (!m_connection || xcb_connection_has_error(m_connection)) return {};
    if (m_ahead) {
        const std::unique_ptr<X11HeldCopy> ahead = std::move(m_ahead);
        QImage image = ahead->take();
        if (!image.isNull()) return image;
    }
    const QRect area = desktopArea();
    if (area.isEmpty()) return {};
    return copyDrawable(m_connection, m_root, area, m_shm);
}

} // namespace huebit
