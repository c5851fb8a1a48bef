#pragma once
// Every way the program can end runs the main window's close sequence, so the settings are
// written whatever ended it, and the program ends when that sequence has run: not when its
// last window goes, since a window hidden to the tray closes without going. The close icon,
// the tray menu and the window manager's close request reach the window directly; termination
// signals and the desktop session's end are routed here.

#include <QObject>

#include <functional>

namespace huebit {

struct ProgramEndRoutes {
    /// SIGTERM, SIGINT or SIGHUP: close the window now, as the platform's close request does.
    std::function<void()> closeNow;
    /// The session asks the program to save its data (logging out may still be cancelled).
    std::function<void()> saveNow;
    /// The application is quitting, closed window or not (the session manager's last word).
    std::function<void()> quitting;
};

class ProgramEnd : public QObject {
    Q_OBJECT
public:
    /// Catches the termination signals from now on. Made before the main window, whose
    /// creation may wait in a message box: a signal meanwhile closes the box through
    /// `interruptCreation`, and the window once it stands.
    explicit ProgramEnd(std::function<void()> interruptCreation, QObject* parent = nullptr);

    /// The main window stands: the routes act from now on.
    void route(const ProgramEndRoutes& routes);
    /// The close sequence has run: every event loop ends, an open dialog's first, and the
    /// program with them.
    void closeSequenceRan();

private:
    void signalled();

    std::function<void()> m_interruptCreation;
    ProgramEndRoutes m_routes;
    bool m_routed = false;
    bool m_closePending = false;
};

} // namespace huebit
