#pragma once
// Which kind of desktop session the program runs in, and the Qt platform it starts on there.
// The window's rules (a frameless window put at given coordinates, a mini-window that opens on
// hover, a floating panel kept on top and on screen) need X11 semantics that a native Wayland
// client cannot have; through XWayland they hold.

#include <QByteArray>

namespace huebit {

struct SessionEnvironment {
    QByteArray waylandDisplay; ///< WAYLAND_DISPLAY
    QByteArray sessionType;    ///< XDG_SESSION_TYPE
    QByteArray display;        ///< DISPLAY, set when XWayland (or X11) is there
    QByteArray qpaPlatform;    ///< QT_QPA_PLATFORM, the user's own choice
};

SessionEnvironment CurrentSessionEnvironment();
/// A Wayland compositor runs the desktop: X11 screen copies there see only X11 windows.
bool IsWaylandSession(const SessionEnvironment& env);
/// "xcb" on a Wayland session with XWayland, unless the user chose a platform; else empty,
/// which leaves the choice to Qt.
QByteArray PlatformToForce(const SessionEnvironment& env);
/// Applies PlatformToForce to this process; call before the application object exists.
void PreferX11OnWayland();

} // namespace huebit
