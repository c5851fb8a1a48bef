#pragma once
// Whether a window's program still handles its events: the _NET_WM_PING a window manager sends,
// answered by the toolkit from its event loop, whatever the window shows.
#include <QString>

namespace huebit::e2e {

/// Sends `window` (a decimal X window id on `display`) a ping and waits up to `timeoutMs` for
/// the reply its program sends back to the root window.
bool AnswersPing(const QString& display, const QString& window, int timeoutMs);

} // namespace huebit::e2e
