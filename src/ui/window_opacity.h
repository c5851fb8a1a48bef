#pragma once
// Per-window translucency, 0 (invisible) to 255 (opaque). On X11 the opacity property is
// written on the window directly: Qt's own setter does not update a window that is already
// mapped, and a window created at opacity 0 would then never become visible under a
// compositor.

class QWidget;

namespace huebit {

void SetWindowAlpha(QWidget* window, int alpha);

/// Asks the X server for the opacity property's name now, without waiting for the answer: a
/// start that asks before its screen copy has the answer at hand when the window first sets
/// its opacity, instead of a question that queues behind the copy.
void AskForOpacityProperty();

} // namespace huebit
