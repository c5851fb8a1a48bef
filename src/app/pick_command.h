#pragma once
// `huebit --pick`: freeze the desktop, let the user point at a pixel, and hand the colour on
// (standard output, the clipboard, the running window or the settings file).

#include "app/pick_flow.h"

namespace huebit {

/// Runs the whole pick under the application object; returns the exit status.
int RunPickCommand(const PickOptions& options);

} // namespace huebit
