#include "screen/x11_shm_capture.h"

#include "screen/x11_copy_routes.h"

#include <xcb/shm.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

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

} // namespace

// The copy begun ahead: the server copies the root into a pixmap of its own at once, and the
// pixels cross over when they are first read, which at start is when the screen page first shows.
class X11HeldCopy : public HeldCopy {
public:
    X11HeldCopy(xcb_connection_t* c, xcb_window_t root, uint8_t depth, QRect area,
                std::shared_ptr<X11CopyRoutes> routes)
        : m_connection(c), m_pixmap(xcb_generate_id(c)), m_size(area.size()),
          m_routes(std::move(routes)) {
        m_made = xcb_create_pixmap_checked(c, depth, m_pixmap, root, area.width(), area.height());
        // Include inferiors: the windows on the root, not just the root's own background. No
        // exposure events: the root is never obscured for a copy's sake.
        const uint32_t values[] = {XCB_SUBWINDOW_MODE_INCLUDE_INFERIORS, 0};
        const xcb_gcontext_t gc = xcb_generate_id(c);
        xcb_create_gc(c, gc, m_pixmap, XCB_GC_SUBWINDOW_MODE | XCB_GC_GRAPHICS_EXPOSURES, values);
        xcb_copy_area(c, root, m_pixmap, gc, area.x(), area.y(), 0, 0, area.width(), area.height());
        xcb_free_gc(c, gc);
        xcb_flush(c); // the server copies now, not at the next round trip
    }
    ~X11HeldCopy() override {
        if (!m_pixmap) return;
        if (!m_checked) xcb_discard_reply(m_connection, m_made.sequence);
        release();
    }
    X11HeldCopy(const X11HeldCopy&) = delete;
    X11HeldCopy& operator=(const X11HeldCopy&) = delete;

    QSize size() const override { return m_size; }

    QImage take() override {
        QImage image;
        if (made()) image = m_routes->copy(m_connection, m_pixmap, QRect(QPoint(0, 0), m_size));
        if (m_pixmap) release();
        return image;
    }

    // A small part goes over the socket at once: no segment is worth setting up for it.
    QImage read(QRect area) override {
        area &= QRect(QPoint(0, 0), m_size);
        if (area.isEmpty() || !made()) return {};
        xcb_get_image_reply_t* reply = xcb_get_image_reply(
            m_connection,
            xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, m_pixmap, int16_t(area.x()),
                          int16_t(area.y()), uint16_t(area.width()), uint16_t(area.height()), ~0u),
            nullptr);
        QImage image;
        const qsizetype bytes = qsizetype(area.width()) * area.height() * 4;
        if (reply && xcb_get_image_data_length(reply) >= bytes) {
            image = QImage(area.size(), QImage::Format_RGB32);
            const uint8_t* data = xcb_get_image_data(reply);
            for (int y = 0; y < area.height(); ++y)
                std::memcpy(image.scanLine(y), data + qsizetype(y) * area.width() * 4,
                            size_t(area.width()) * 4);
        }
        std::free(reply);
        return image;
    }

    quint32 serverHandle() override { return made() ? m_pixmap : 0; }

private:
    // Whether the server made the pixmap; asked once, the answer kept.
    bool made() {
        if (!m_pixmap || xcb_connection_has_error(m_connection)) return false;
        if (!m_checked) {
            m_checked = true;
            if (xcb_generic_error_t* error = xcb_request_check(m_connection, m_made)) {
                std::free(error); // no room for the pixmap: the copy never was
                release();
                return false;
            }
        }
        return true;
    }

    void release() {
        xcb_free_pixmap(m_connection, m_pixmap);
        xcb_flush(m_connection);
        m_pixmap = 0;
    }

    xcb_connection_t* m_connection;
    xcb_pixmap_t m_pixmap;
    xcb_void_cookie_t m_made{};
    bool m_checked = false;
    QSize m_size;
    std::shared_ptr<X11CopyRoutes> m_routes;
};

X11ShmCapture::X11ShmCapture(xcb_connection_t* connection) {
    if (!connection || xcb_connection_has_error(connection)) return;
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(setup).data;
    if (!screen || !rgb32Root(setup, screen)) return;
    m_connection = connection;
    m_root = screen->root;
    m_depth = screen->root_depth;
    // Both questions go out before either answer is waited for: one round trip for the two.
    const xcb_get_geometry_cookie_t geometry = xcb_get_geometry(connection, m_root);
    xcb_shm_query_version_reply_t* version =
        xcb_shm_query_version_reply(connection, xcb_shm_query_version(connection), nullptr);
    m_routes = std::make_shared<X11CopyRoutes>(version != nullptr);
    std::free(version);
    if (xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(connection, geometry, nullptr)) {
        m_areaAtCreation = QRect(0, 0, g->width, g->height);
        std::free(g);
    }
}

X11ShmCapture::~X11ShmCapture() = default;

bool X11ShmCapture::usesSharedMemory() const {
    return m_routes && m_routes->mayUseSharedMemory();
}

void X11ShmCapture::forceRoute(X11Route route) {
    if (m_routes) m_routes->forceRoute(route);
}

std::optional<X11Route> X11ShmCapture::chosenRoute() const {
    return m_routes ? m_routes->chosen() : std::nullopt;
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
    // At start the copy follows the capture's creation by a few milliseconds: the size asked
    // then saves a round trip that would wait for the native window's making. Later copies ask.
    const QRect area = m_areaAtCreation.isEmpty() ? desktopArea() : m_areaAtCreation;
    m_areaAtCreation = QRect();
    if (area.isEmpty()) return;
    m_ahead = std::make_unique<X11HeldCopy>(m_connection, m_root, m_depth, area, m_routes);
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
    return m_routes->copy(m_connection, m_root, area);
}

} // namespace huebit
