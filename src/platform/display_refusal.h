#pragma once
// The start-up check that a window can be shown at all, run before the application object.

namespace huebit {

/// Looks at the command line, the environment and, when Qt will draw through X11, the X screen.
/// When the window cannot be shown it prints one line naming the problem to standard error and
/// returns 1, the program's exit status; otherwise 0.
int RefuseUnusableDisplay(int argc, char* argv[]);

} // namespace huebit
