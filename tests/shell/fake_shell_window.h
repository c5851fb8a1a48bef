#pragma once
// A main window for the shell's rules: plain fields the rules read and write, and a log of the
// operations that have no state worth keeping.

#include "shell/shell_window.h"

#include <QStringList>

namespace huebit {

struct FakeShellWindow : ShellWindow {
    QRect frame{0, 0, 404, 507};
    bool miniPicture = false;
    bool shrinkIcon = true;
    bool hoverChecked = true;
    bool hoverPolling = false;
    bool translucent = true;
    int alpha = 0;
    bool fading = true;
    bool visible = true;
    bool minimised = false;
    bool taskbarHidden = false;
    bool closed = false;
    int page = 0;
    QPoint mouse{900, 700};
    std::vector<QRect> screenList{QRect(0, 0, 1024, 768)};
    bool panel = false;
    bool popup = false;
    QStringList log;

    QRect geometry() const override { return frame; }
    void setClientSize(QSize s) override { frame.setSize(s); }
    void moveTo(QPoint p) override { frame.moveTopLeft(p); }
    void setMiniPictureVisible(bool v) override { miniPicture = v; }
    bool shrinkIconVisible() const override { return shrinkIcon; }
    void setShrinkIconVisible(bool v) override { shrinkIcon = v; }
    void setHoverOptionChecked(bool c) override { hoverChecked = c; }
    void setHoverPolling(bool on) override { hoverPolling = on; }
    bool translucency() const override { return translucent; }
    int opacity() const override { return alpha; }
    void setOpacity(int o) override { alpha = o; }
    bool fadeRunning() const override { return fading; }
    void setFadeRunning(bool on) override { fading = on; }
    void hideWindow() override { visible = false; }
    void showWindow() override { visible = true, minimised = false; }
    void minimiseWindow() override { minimised = true; }
    void bringToFront() override { log << "front"; }
    void raiseTopmost() override { log << "topmost"; }
    void setTaskbarEntryHidden(bool h) override { taskbarHidden = h; }
    void closeWindow() override { closed = true; }
    int currentPage() const override { return page; }
    void showPage(int i) override { page = i; }
    void captureScreen() override { log << QStringLiteral("capture on %1").arg(page); }
    QPoint pointer() const override { return mouse; }
    bool popupOpen() const override { return popup; }
    std::vector<QRect> screens() const override { return screenList; }
    bool panelVisible() const override { return panel; }
    void hidePanel() override { panel = false; }
    void showPanel() override { panel = true; }
};

} // namespace huebit
