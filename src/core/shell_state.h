#pragma once
// The main window's own flags and sizes, shared by the pieces that consult them.

#include <QString>

namespace huebit {

struct ShellState {
    bool dialogOpen = false;  ///< a colour or font dialog is open: the mini-window stays open
    bool windowShown = true;  ///< false while hidden to the tray
    bool closingFade = false; ///< the closing fade-out is running
    int miniWidth = 34;
    int miniHeight = 23;
    int fullClientWidth = 404;
    int fullClientHeight = 507;
    QString hiddenWindows;
};

} // namespace huebit
