#include "ui/window_opacity.h"

#include "platform/x11_connection.h"

#include <QGuiApplication>
#include <QWidget>
#include <xcb/xcb.h>

#include <cstdlib>
#include <optional>

namespace huebit {

namespace {

constexpr char OpacityName[] = "_NET_WM_WINDOW_OPACITY";

// The question, once asked; its answer is read at the first use.
std::optional<xcb_intern_atom_cookie_t>& askedOpacity() {
    static std::optional<xcb_intern_atom_cookie_t> cookie;
    return cookie;
}

xcb_intern_atom_cookie_t askOpacity(xcb_connection_t* connection) {
    return xcb_intern_atom(connection, 0, sizeof OpacityName - 1, OpacityName);
}

xcb_atom_t opacityAtom(xcb_connection_t* connection) {
    static const xcb_atom_t atom = [connection] {
        const xcb_intern_atom_cookie_t cookie =
            askedOpacity() ? *askedOpacity() : askOpacity(connection);
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
        const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return found;
    }();
    return atom;
}

bool setOnX11(QWidget* window, int alpha) {
    xcb_connection_t* connection = X11Connection();
    if (!connection) return false;
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

void AskForOpacityProperty() {
    if (xcb_connection_t* connection = X11Connection(); connection && !askedOpacity())
        askedOpacity() = askOpacity(connection);
}

void SetWindowAlpha(QWidget* window, int alpha) {
    if (!setOnX11(window, alpha)) window->setWindowOpacity(alpha / 255.0);
}

} // namespace huebit
