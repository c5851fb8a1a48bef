#include "platform/device_pointer.h"

#include <QGuiApplication>
#include <xcb/xcb.h>

#include <cstdlib>

namespace huebit {

std::optional<QPoint> DevicePointer() {
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb")) return std::nullopt;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c || xcb_connection_has_error(c)) return std::nullopt;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    if (!screen) return std::nullopt;
    xcb_query_pointer_reply_t* p =
        xcb_query_pointer_reply(c, xcb_query_pointer(c, screen->root), nullptr);
    if (!p) return std::nullopt;
    std::optional<QPoint> at;
    if (p->same_screen) at = QPoint(p->root_x, p->root_y);
    std::free(p);
    return at;
}

} // namespace huebit
