#include "shell/desktop_session.h"

#include <QtGlobal>

namespace huebit {

SessionEnvironment CurrentSessionEnvironment() {
    return {qgetenv("WAYLAND_DISPLAY"), qgetenv("XDG_SESSION_TYPE"), qgetenv("DISPLAY"),
            qgetenv("QT_QPA_PLATFORM")};
}

bool IsWaylandSession(const SessionEnvironment& env) {
    return !env.waylandDisplay.isEmpty() || env.sessionType.trimmed().toLower() == "wayland";
}

QByteArray PlatformToForce(const SessionEnvironment& env) {
    if (!env.qpaPlatform.isEmpty() || env.display.isEmpty() || !IsWaylandSession(env)) return {};
    return QByteArrayLiteral("xcb");
}

void PreferX11OnWayland() {
    const QByteArray platform = PlatformToForce(CurrentSessionEnvironment());
    if (!platform.isEmpty()) qputenv("QT_QPA_PLATFORM", platform);
}

} // namespace huebit
