#include "screen/qt_screen_capture.h"
#include "screen/x11_shm_capture.h"

#include <QGuiApplication>

namespace huebit {

std::unique_ptr<ScreenCapture> MakeScreenCapture() {
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
            auto capture = std::make_unique<X11ShmCapture>(x11->connection());
            // An unusual root visual is left to Qt, which converts any pixel format.
            if (!capture->primaryScreenSize().isEmpty()) return capture;
        }
    }
    return std::make_unique<QtScreenCapture>();
}

} // namespace huebit
