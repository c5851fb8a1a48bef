#pragma once
// The X server connection Qt's xcb platform opened; null on any other platform.

#include <QGuiApplication>
#include <xcb/xcb.h>

namespace huebit {

inline xcb_connection_t* X11Connection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

} // namespace huebit
