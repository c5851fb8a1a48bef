#pragma once
// Runs the window shell's rules on the real widgets: the fade, hover and keep-on-screen timers,
// the window's opacity and window-manager states, the tray icon with its menu, and the title
// strip's hide, hover, shrink and program icons. The rules themselves are in shell/.

#include "shell/shell_window.h"
#include "shell/window_shell.h"

#include <QObject>
#include <QPoint>
#include <QTimer>

#include <functional>
#include <memory>

class QMenu;
class QWidget;

namespace huebit {

class TitleStrip;
class TrayIcon;

struct ShellParts {
    QWidget& window;
    TitleStrip& title;
    ShellState& state;
    ShellOptions& options;
    std::function<int()> currentPage;
    /// Switches the main pages as the program does.
    std::function<void(int)> showPage;
    std::function<void()> captureScreen;
};

class ShellDriver : public QObject, private ShellWindow {
    Q_OBJECT
public:
    static constexpr int HoverPollMs = 100;
    static constexpr int KeepOnScreenMs = 500;

    explicit ShellDriver(ShellParts parts, QObject* parent = nullptr);
    ~ShellDriver() override;

    WindowShell& rules() { return m_rules; }
    /// The window's opacity, 0-255, as last set.
    int opacity() const override { return m_opacity; }
    const WindowShell& rules() const { return m_rules; }
    /// The floating panel, created after the main window.
    void setPanel(QWidget* panel) { m_panel = panel; }
    /// Starts the fade-in, the keep-on-screen check and the tray icon.
    void start();
    /// Replaces the tray icon (tests bring a fake); call before start().
    void setTrayIcon(std::unique_ptr<TrayIcon> tray);
    TrayIcon& tray() { return *m_tray; }
    QMenu* trayMenu() const { return m_trayMenu; }
    /// Takes the tray icon away for good (the close request).
    void removeTrayIcon();

    /// "Располагать поверх всех окон": the window manager's above state; place, size and
    /// opacity stay.
    void setStayOnTop(bool on);
    bool hoverPolling() const { return m_hoverPoll.isActive(); }
    bool fading() const { return m_fadeTick.isActive(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void wireTitleStrip();
    void buildTrayMenu();
    void wireTray();
    void programIconMoved(QPoint global);
    void reapplyStates();

    // ShellWindow
    QRect geometry() const override;
    void setClientSize(QSize size) override;
    void moveTo(QPoint topLeft) override;
    void setMiniPictureVisible(bool visible) override;
    bool shrinkIconVisible() const override;
    void setShrinkIconVisible(bool visible) override;
    void setHoverOptionChecked(bool checked) override;
    void setHoverPolling(bool on) override;
    bool translucency() const override { return true; }
    void setOpacity(int opacity) override;
    bool fadeRunning() const override { return m_fadeTick.isActive(); }
    void setFadeRunning(bool on) override;
    void hideWindow() override;
    void showWindow() override;
    void minimiseWindow() override;
    void bringToFront() override;
    void raiseTopmost() override;
    void setTaskbarEntryHidden(bool hidden) override;
    void closeWindow() override;
    int currentPage() const override { return m_parts.currentPage(); }
    void showPage(int index) override { m_parts.showPage(index); }
    void captureScreen() override { m_parts.captureScreen(); }
    QPoint pointer() const override;
    bool popupOpen() const override;
    std::vector<QRect> screens() const override;
    bool panelVisible() const override;
    void hidePanel() override;
    void showPanel() override;

    ShellParts m_parts;
    QMenu* m_trayMenu;
    std::unique_ptr<TrayIcon> m_tray;
    WindowShell m_rules;
    QWidget* m_panel = nullptr;
    QTimer m_fadeTick;
    QTimer m_hoverPoll;
    QTimer m_keepOnScreen;
    int m_opacity = 0;
    bool m_taskbarHidden = false;
    bool m_stayOnTop = false;
    // The program icon's drag where the platform cannot move the window itself.
    bool m_manualMove = false;
    QPoint m_moveOffset;
    const QObject* m_programIcon = nullptr;
};

} // namespace huebit
