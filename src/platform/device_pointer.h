#pragma once
// Where the pointer is, in device pixels of the desktop: a platform service.

#include <QPoint>
#include <optional>

namespace huebit {

/// The pointer's device position where the platform tells it (X11); nothing elsewhere. Needs a
/// QGuiApplication; defined by the platform library.
std::optional<QPoint> DevicePointer();

} // namespace huebit
