#include "shell/pointer_pixel.h"

#include <cmath>

namespace huebit {

QPoint PixelUnderPointer(QPointF reported, std::optional<QPoint> device, QPoint widgetDevice,
                         double scale) {
    const QPoint floor(int(std::floor(reported.x())), int(std::floor(reported.y())));
    if (!device || !(scale > 0)) return floor;
    const QPoint exact(int(std::floor((device->x() - widgetDevice.x()) / scale)),
                       int(std::floor((device->y() - widgetDevice.y()) / scale)));
    const bool agrees =
        std::abs(exact.x() - reported.x()) <= 1 && std::abs(exact.y() - reported.y()) <= 1;
    return agrees ? exact : floor;
}

} // namespace huebit
