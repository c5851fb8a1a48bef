#pragma once
// Work that can wait until the window is on the screen: run once the window has first been
// painted, so the start spends its time on the window alone.

#include <functional>

class QWidget;

namespace huebit {

/// Runs `then` once, just after the round of the event loop that paints `window` for the first
/// time; at the latest FirstPaintWaitMs after the call, should the window not be exposed (a
/// window mapped under others may get no exposure on a desktop without compositing). At once,
/// on the next round, when the window is on the screen already. Nothing once `window` is gone.
void AfterFirstPaint(QWidget& window, std::function<void()> then);

inline constexpr int FirstPaintWaitMs = 500;

} // namespace huebit
