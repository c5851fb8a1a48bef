#include "screen/portal_request.h"
#include "screen/portal_screen_capture.h"
#include "screen/qt_screen_capture.h"
#include "screen/x11_shm_capture.h"
#include "shell/desktop_session.h"

#include <QGuiApplication>

namespace huebit {

std::unique_ptr<ScreenCapture> MakeScreenCapture() {
    // Under Wayland an X11 copy sees only the X11 windows and black elsewhere; only the desktop
    // itself can copy the screen.
    if (IsWaylandSession(CurrentSessionEnvironment()))
        return std::make_unique<PortalScreenCapture>(
            PortalTimeout(qgetenv("HUEBIT_TEST_PORTAL_TIMEOUT_MS")));
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
            auto capture = std::make_unique<X11ShmCapture>(x11->connection());
            // An unusual root visual is left to Qt, which converts any pixel format.
            if (!capture->desktopSize().isEmpty()) return capture;
        }
    }
    return std::make_unique<QtScreenCapture>();
}

} // namespace huebit
