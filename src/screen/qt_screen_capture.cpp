#include "screen/qt_screen_capture.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

namespace huebit {

namespace {

// The desktop's bounding rectangle in device pixels.
QRect nativeDesktop() {
    QRect all;
    if (!qGuiApp) return all;
    for (const QScreen* screen : QGuiApplication::screens())
        all |= NativeGeometry(*screen);
    return all;
}

// One screen in device pixels.
QImage grabScreen(QScreen& screen) {
    const QRect logical = screen.geometry();
    // A grab of window 0 counts from the screen's own top-left corner.
    QImage image = screen.grabWindow(0, 0, 0, logical.width(), logical.height()).toImage();
    if (image.isNull()) return {};
    // The grab already holds device pixels and only carries the ratio for painting; the picker
    // counts plain pixels.
    image.setDevicePixelRatio(1);
    image = std::move(image).convertToFormat(QImage::Format_RGB32);
    // A platform that hands back logical pixels is brought to the device size by repeating
    // pixels, so that positions still map one to one onto the screen.
    const QSize device = NativeGeometry(screen).size();
    if (image.size() == logical.size() && device != image.size())
        image = image.scaled(device, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return image;
}

} // namespace

// Qt scales a screen's size by its device-pixel ratio but keeps its native top-left corner.
QRect NativeGeometry(const QScreen& screen) {
    const QRect logical = screen.geometry();
    return {logical.topLeft(), logical.size() * screen.devicePixelRatio()};
}

QSize QtScreenCapture::desktopSize() {
    return nativeDesktop().size();
}

QImage QtScreenCapture::captureDesktop() {
    const QRect desktop = nativeDesktop();
    if (desktop.isEmpty()) return {};
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.size() == 1) return grabScreen(*screens.first());
    // Gaps between monitors of different sizes stay black.
    QImage all(desktop.size(), QImage::Format_RGB32);
    all.fill(Qt::black);
    QPainter p(&all);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (QScreen* screen : screens) {
        const QImage one = grabScreen(*screen);
        if (one.isNull()) return {};
        p.drawImage(NativeGeometry(*screen).topLeft() - desktop.topLeft(), one);
    }
    return all;
}

} // namespace huebit
