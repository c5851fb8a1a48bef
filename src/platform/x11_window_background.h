#pragma once
// A window that shows a picture the display server already holds, without the program drawing
// it: the server fills the window from that picture itself whenever it is exposed.

#include <QtGlobal>

namespace huebit {

/// Makes `pixmap` the background of the native `window` (both on the program's X11 connection)
/// and returns true; false, with nothing changed, off X11 or when the two differ in depth.
/// Needs a QGuiApplication; defined by the platform library.
bool ShowPixmapAsBackground(quintptr window, quint32 pixmap);

} // namespace huebit
