#pragma once
// The start-up check that a window can be shown at all, run before the application object.

#include <xcb/xcb.h>

namespace huebit {

/// Looks at the command line, the environment and, when Qt will draw through X11, the X screen.
/// When the window cannot be shown it prints one line naming the problem to standard error and
/// returns 1, the program's exit status; otherwise 0.
int RefuseUnusableDisplay(int argc, char* argv[]);

/// The connection the check made to the X server, open until the program ends; null when the
/// check made none or it failed.
xcb_connection_t* CheckedX11Connection();

} // namespace huebit
