#include "ui/pointer_pixel.h"

#include "platform/device_pointer.h"
#include "shell/pointer_pixel.h"

#include <QScreen>

namespace huebit {

QPoint PixelAt(const QMouseEvent* event, const QWidget* widget) {
    const double scale = widget->devicePixelRatioF();
    // Without a scale factor the reported position is already the device pixel; asking the
    // display where the pointer is would only cost a round trip.
    if (scale == 1) return PixelUnderPointer(event->position(), std::nullopt, {}, 1);
    // Qt scales the desktop around each screen's native top-left corner.
    const QScreen* screen = widget->screen();
    const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
    const QPoint widgetDevice = origin + (widget->mapToGlobal(QPoint(0, 0)) - origin) * scale;
    return PixelUnderPointer(event->position(), DevicePointer(), widgetDevice, scale);
}

} // namespace huebit
