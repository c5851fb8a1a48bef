#include "screen/qt_screen_capture.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace huebit {

// Qt scales a screen's size by its device-pixel ratio but keeps its native top-left corner.
QRect NativeGeometry(const QScreen& screen) {
    const QRect logical = screen.geometry();
    return {logical.topLeft(), logical.size() * screen.devicePixelRatio()};
}

QSize QtScreenCapture::primaryScreenSize() {
    const QScreen* screen = qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
    return screen ? NativeGeometry(*screen).size() : QSize();
}

QImage QtScreenCapture::capturePrimaryScreen() {
    QScreen* screen = qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
    if (!screen) return {};
    QImage image = screen->grabWindow(0).toImage();
    if (image.isNull()) return {};
    // The grab already holds device pixels and only carries the ratio for painting; the picker
    // counts plain pixels.
    image.setDevicePixelRatio(1);
    image = std::move(image).convertToFormat(QImage::Format_RGB32);
    // A platform that hands back logical pixels is brought to the device size by repeating
    // pixels, so that positions still map one to one onto the screen.
    const QSize device = NativeGeometry(*screen).size();
    if (image.size() == screen->geometry().size() && device != image.size()) {
        image = image.scaled(device, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    return image;
}

} // namespace huebit
