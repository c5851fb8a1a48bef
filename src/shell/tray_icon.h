#pragma once
// The notification-area icon, behind a seam: the shell asks whether a tray is there and whether
// the icon shows in it; a fake answers in tests.

#include <functional>

namespace huebit {

class TrayIcon {
public:
    virtual ~TrayIcon() = default;
    /// A tray exists on this desktop now (asked afresh each time).
    virtual bool available() const = 0;
    /// The program's icon is in the tray: asked for and a tray there to hold it.
    virtual bool shown() const = 0;
    /// Asks for the icon; it appears as soon as a tray exists, now or later.
    virtual void show() = 0;
    /// Takes the icon away for good (the program is closing).
    virtual void remove() = 0;

    // The icon's clicks; the secondary button opens the tray menu, the middle does nothing.
    std::function<void()> primaryClicked;
    /// A tray has appeared or gone since the icon was asked for.
    std::function<void(bool available)> availabilityChanged;
};

} // namespace huebit
