#pragma once
// A tray for tests: present or not as the test says.

#include "shell/tray_icon.h"

namespace huebit {

struct FakeTrayIcon : TrayIcon {
    bool trayThere = true;
    bool requested = false;

    bool available() const override { return trayThere; }
    bool shown() const override { return requested && trayThere; }
    void show() override { requested = true; }
    void remove() override { requested = false; }

    /// The desktop gains or loses its tray.
    void setTray(bool there) {
        trayThere = there;
        if (availabilityChanged) availabilityChanged(there);
    }
};

} // namespace huebit
