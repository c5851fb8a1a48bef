#include "platform/x11_window_background.h"

#include "platform/x11_connection.h"

#include <QGuiApplication>
#include <xcb/xcb.h>

#include <cstdlib>

namespace huebit {

namespace {

int depthOf(xcb_connection_t* c, xcb_drawable_t drawable) {
    xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c, xcb_get_geometry(c, drawable), nullptr);
    const int depth = g ? g->depth : -1;
    std::free(g);
    return depth;
}

} // namespace

bool ShowPixmapAsBackground(quintptr window, quint32 pixmap) {
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb")) return false;
    xcb_connection_t* c = X11Connection();
    if (!c || xcb_connection_has_error(c) || !window || !pixmap) return false;
    // A background of another depth is refused by the server (a window with an alpha visual).
    const int depth = depthOf(c, xcb_drawable_t(window));
    if (depth < 0 || depth != depthOf(c, pixmap)) return false;
    const uint32_t value = pixmap;
    xcb_generic_error_t* error =
        xcb_request_check(c, xcb_change_window_attributes_checked(c, xcb_window_t(window),
                                                                  XCB_CW_BACK_PIXMAP, &value));
    std::free(error);
    return error == nullptr;
}

} // namespace huebit
