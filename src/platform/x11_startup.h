#pragma once
// The end of a start the desktop launched, when another copy of the program takes it over.

#include <QByteArray>

class QWidget;

namespace huebit {

/// For a visible `window` brought forward on behalf of a start launched with `startupId`
/// (the DESKTOP_STARTUP_ID that start was given): ends that start's launch feedback (the busy
/// pointer, the pulsing menu entry) and asks the window manager to activate the window at the
/// launch's time, which focus-stealing prevention honours. Does nothing off X11 or without an id.
void FinishStartupOnX11(QWidget& window, const QByteArray& startupId);

} // namespace huebit
