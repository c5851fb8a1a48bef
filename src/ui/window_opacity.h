#pragma once
// Per-window translucency, 0 (invisible) to 255 (opaque). On X11 the opacity property is
// written on the window directly: Qt's own setter does not update a window that is already
// mapped, and a window created at opacity 0 would then never become visible under a
// compositor.

class QWidget;

namespace huebit {

void SetWindowAlpha(QWidget* window, int alpha);

} // namespace huebit
