#pragma once
// Window-manager states of a top-level window on X11 (_NET_WM_STATE): above all others, and
// left out of the taskbar. Elsewhere these calls do nothing and say so.

#include <QWindow>

namespace huebit {

enum class WindowManagerState { Above, SkipTaskbar };

/// Asks the window manager for the state (a mapped window) and records it on the window (so
/// it holds when the window is mapped again, and reads back where no manager runs). False when
/// the platform is not X11.
bool SetWindowManagerState(QWindow* window, WindowManagerState state, bool on);

/// Whether the window carries the state now.
bool HasWindowManagerState(QWindow* window, WindowManagerState state);

} // namespace huebit
