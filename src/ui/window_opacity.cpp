#include "ui/window_opacity.h"

#include <QGuiApplication>
#include <QWidget>
#include <xcb/xcb.h>

#include <cstdlib>

namespace huebit {

namespace {

xcb_atom_t opacityAtom(xcb_connection_t* connection) {
    static const xcb_atom_t atom = [connection] {
        const char name[] = "_NET_WM_WINDOW_OPACITY";
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, sizeof name - 1, name), nullptr);
        const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return found;
    }();
    return atom;
}

bool setOnX11(QWidget* window, int alpha) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) return false;
    xcb_connection_t* connection = x11->connection();
    const xcb_atom_t atom = opacityAtom(connection);
    if (atom == XCB_ATOM_NONE) return false;
    // 0xFFFFFFFF is opaque; alpha 255 maps onto it exactly.
    const quint32 value = quint32(alpha) * 0x01010101u;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window->winId()), atom,
                        XCB_ATOM_CARDINAL, 32, 1, &value);
    xcb_flush(connection);
    return true;
}

} // namespace

void SetWindowAlpha(QWidget* window, int alpha) {
    if (!setOnX11(window, alpha)) window->setWindowOpacity(alpha / 255.0);
}

} // namespace huebit
