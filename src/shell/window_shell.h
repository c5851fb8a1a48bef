#pragma once
// The window shell's rules: the mini-window, the hover view, hiding to the tray (or minimising
// where there is no tray), the fades and keeping the window on the screens. Plain state in,
// operations on a ShellWindow out; the timers and widgets that call these live in ui/.

#include "core/shell_state.h"
#include "settings/shell_options.h"

#include <QPoint>
#include <QRect>

namespace huebit {

class ShellWindow;
class TrayIcon;

/// The hover view's inside test: both far edges count as inside (x == left + width is in).
constexpr bool PointerInHoverArea(QPoint p, const QRect& window) {
    return window.x() <= p.x() && p.x() <= window.x() + window.width() && window.y() <= p.y() &&
           p.y() <= window.y() + window.height();
}

/// The mini-window's opacity at transparency `v`: 0 opaque ... 255 invisible.
constexpr int MiniOpacity(int transparency) {
    return 255 - transparency;
}

/// Below this opacity a mini-window shown from the tray is taken as lost and opens full.
constexpr int BarelyVisibleOpacity = 60;

class WindowShell {
public:
    WindowShell(ShellState& state, ShellOptions& options, ShellWindow& window, TrayIcon& tray)
        : m_state(state), m_options(options), m_window(window), m_tray(&tray) {}

    /// Another tray icon from now on (tests bring a fake).
    void setTray(TrayIcon& tray) { m_tray = &tray; }

    /// The window is in mini-window mode (the hover view included).
    bool miniWindow() const;

    void ToggleMiniWindow();
    void ToggleHidden();
    void HideAuxWindows();
    void RestoreAuxWindows();
    void ApplyMiniOpacity();
    void ApplyFullOpacity();

    /// The title strip's "Открывать при наведении" clicked: the new check mark, then the mode
    /// changes.
    void HoverOptionClicked(bool checked);
    /// The floating panel has been created: start in the mini-window if that option is set.
    void PanelCreated();
    /// The About icon and the tray's "О программе": out of the tray and the mini-window first.
    void ShowAbout();
    /// The close icon and the tray's "Закрыть": hide the panel and fade out.
    void StartClosing();
    /// Another start of the program asks for this window. False once closing has begun.
    bool BringForward();

    void FadeTick();
    void HoverPoll();
    void KeepOnScreen();
    /// A tray has appeared or gone.
    void TrayAvailabilityChanged(bool available);

private:
    void showHidden();

    ShellState& m_state;
    ShellOptions& m_options;
    ShellWindow& m_window;
    TrayIcon* m_tray;
    bool m_fadeInEnded = false; // from then on the tray icon alone stands for the program
};

} // namespace huebit
