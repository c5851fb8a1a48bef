#pragma once
// The pixel of a widget under the pointer. Under a scale factor some platforms (Qt's X11 one
// among them) round the reported position to whole logical pixels: with a factor of 2 the right
// half of pixel 100 arrives as 101, though the user sees pixel 100 there. Where the platform
// tells the pointer's device position, that decides instead.

#include <QPoint>
#include <QPointF>
#include <optional>

namespace huebit {

/// `reported`: the event's position in the widget, in logical pixels; `device`: the pointer in
/// device pixels of the desktop, when known; `widgetDevice`: the widget's top-left corner in the
/// same pixels; `scale`: device pixels per logical pixel. A device position more than a pixel
/// away from the report (the pointer has moved on since) is not used.
QPoint PixelUnderPointer(QPointF reported, std::optional<QPoint> device, QPoint widgetDevice,
                         double scale);

} // namespace huebit
