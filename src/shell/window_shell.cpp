#include "shell/window_shell.h"

#include "core/fade_step.h"
#include "shell/keep_on_screen.h"
#include "shell/shell_window.h"
#include "shell/tray_icon.h"

namespace huebit {

namespace {
constexpr QLatin1String PanelTag("ColPanel");
constexpr int ScreenPage = 1;
constexpr int AboutPage = 3;
constexpr int MiniWidthLimit = 50; // narrower than this is the mini-window
} // namespace

bool WindowShell::miniWindow() const {
    return !m_window.shrinkIconVisible();
}

void WindowShell::ToggleMiniWindow() {
    if (!miniWindow()) {
        HideAuxWindows();
        m_window.setClientSize({m_state.miniWidth, m_state.miniHeight});
        m_window.setMiniPictureVisible(true);
        m_window.setShrinkIconVisible(false);
        if (m_options.openOnHover) m_window.setHoverPolling(true);
        return;
    }
    if (!m_state.windowShown) ToggleHidden();
    RestoreAuxWindows();
    m_window.setMiniPictureVisible(false);
    m_window.setClientSize({m_state.fullClientWidth, m_state.fullClientHeight});
    m_window.setShrinkIconVisible(true);
    m_window.setHoverPolling(false);
    m_window.setOpacity(255);
}

void WindowShell::ToggleHidden() {
    if (!m_state.windowShown) {
        showHidden();
        return;
    }
    // Hidden with no tray icon, the program could not be found again: minimise instead, and
    // keep the taskbar entry. Asked afresh each time: a tray may have come or gone.
    if (!m_tray->available()) {
        m_window.setTaskbarEntryHidden(false);
        m_window.minimiseWindow();
        return;
    }
    m_state.windowShown = false;
    m_window.hideWindow();
    HideAuxWindows();
}

void WindowShell::showHidden() {
    m_state.windowShown = true;
    m_window.showWindow();
    if (m_fadeInEnded && m_tray->shown()) m_window.setTaskbarEntryHidden(true);
    RestoreAuxWindows();
    // A mini-window too translucent to find comes back at full size. Clearing the hover option
    // runs its action, which is the switch itself.
    if (miniWindow() && m_window.opacity() < BarelyVisibleOpacity) {
        if (m_options.openOnHover) {
            m_options.openOnHover = false;
            m_window.setHoverOptionChecked(false);
        }
        ToggleMiniWindow();
    }
}

void WindowShell::HideAuxWindows() {
    m_state.hiddenWindows.clear();
    if (m_window.panelVisible()) m_state.hiddenWindows = PanelTag;
    m_window.hidePanel();
}

void WindowShell::RestoreAuxWindows() {
    if (m_state.hiddenWindows.contains(PanelTag)) m_window.showPanel();
}

void WindowShell::ApplyMiniOpacity() {
    if (!m_window.fadeRunning()) m_window.setOpacity(MiniOpacity(m_options.transparency));
}

void WindowShell::ApplyFullOpacity() {
    if (!m_window.fadeRunning()) m_window.setOpacity(255);
}

void WindowShell::HoverOptionClicked(bool checked) {
    m_options.openOnHover = checked;
    ToggleMiniWindow();
}

void WindowShell::PanelCreated() {
    if (m_options.startInMiniWindow) ToggleMiniWindow();
}

void WindowShell::ShowAbout() {
    if (!m_state.windowShown) ToggleHidden();
    if (m_window.geometry().width() < MiniWidthLimit) ToggleMiniWindow();
    m_window.showPage(AboutPage);
}

void WindowShell::StartClosing() {
    m_window.hidePanel();
    m_state.closingFade = true;
    m_window.setFadeRunning(true);
}

bool WindowShell::BringForward() {
    if (m_state.closingFade) return false;
    if (!m_state.windowShown) ToggleHidden();
    if (miniWindow()) ToggleMiniWindow();
    m_window.showWindow(); // out of a minimised state too, where there is no tray
    m_window.bringToFront();
    return true;
}

void WindowShell::FadeTick() {
    const FadeResult r = huebit::FadeTick(
        {m_window.opacity(), m_state.closingFade, m_window.translucency(),
         m_window.geometry().width() == m_state.miniWidth, m_options.transparency});
    if (r.stop) m_window.setFadeRunning(false);
    if (r.close) {
        m_window.closeWindow();
        return;
    }
    m_window.setOpacity(r.opaqueAtOnce ? 255 : r.opacity);
    if (r.fadeInEnded) {
        m_fadeInEnded = true;
        if (m_tray->shown()) m_window.setTaskbarEntryHidden(true);
    }
}

void WindowShell::HoverPoll() {
    if (!m_options.openOnHover) {
        m_window.setShrinkIconVisible(true);
        m_window.setHoverPolling(false);
        return;
    }
    // A window hidden to the tray stays hidden, whatever passes over the place it left.
    if (!m_state.windowShown) return;
    const QRect g = m_window.geometry();
    if (PointerInHoverArea(m_window.pointer(), g)) {
        m_window.setMiniPictureVisible(false);
        if (g.width() >= m_state.fullClientWidth) return;
        m_window.bringToFront();
        if (m_options.stayOnTop) m_window.raiseTopmost();
        if (m_options.openOnScreenPage) m_window.showPage(ScreenPage);
        if (m_window.currentPage() == ScreenPage && m_options.refreshScreenOnOpen)
            m_window.captureScreen();
        m_window.setClientSize({m_state.fullClientWidth, m_state.fullClientHeight});
        ApplyFullOpacity();
        return;
    }
    // An open dialog keeps the view, and so does an open menu, which may reach past the window.
    if (m_state.dialogOpen || m_window.popupOpen()) return;
    m_window.setClientSize({m_state.miniWidth, m_state.miniHeight});
    m_window.setMiniPictureVisible(true);
    ApplyMiniOpacity();
}

void WindowShell::KeepOnScreen() {
    const QPoint at = m_window.geometry().topLeft();
    const QPoint kept =
        huebit::KeepOnScreen(at, {m_state.miniWidth, m_state.miniHeight}, m_window.screens());
    if (kept != at) m_window.moveTo(kept);
}

void WindowShell::TrayAvailabilityChanged(bool available) {
    if (available) {
        if (m_fadeInEnded && m_tray->shown()) m_window.setTaskbarEntryHidden(true);
        return;
    }
    // The tray went away: the taskbar entry and the window itself are all that is left.
    m_window.setTaskbarEntryHidden(false);
    if (!m_state.windowShown) showHidden();
}

} // namespace huebit
