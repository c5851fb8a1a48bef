#pragma once
// Every way the program can end runs the main window's close sequence, so the settings are
// written whatever ended it. The close icon and the window manager's close request reach the
// window directly; termination signals and the desktop session's end are routed here.

#include <functional>

class QObject;

namespace huebit {

struct ProgramEndRoutes {
    /// SIGTERM, SIGINT or SIGHUP: close the window now, as the platform's close request does.
    std::function<void()> closeNow;
    /// The session asks the program to save its data (logging out may still be cancelled).
    std::function<void()> saveNow;
    /// The application is quitting, closed window or not (the session manager's last word).
    std::function<void()> quitting;
};

/// Installs the routes for the life of `context`.
void RouteProgramEnd(QObject* context, const ProgramEndRoutes& routes);

} // namespace huebit
