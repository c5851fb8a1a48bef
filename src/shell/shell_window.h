#pragma once
// What the shell's rules do to the main window and the floating panel, in the rules' own terms.
// The widgets implement it; tests put a recording fake in its place.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

namespace huebit {

class ShellWindow {
public:
    virtual ~ShellWindow() = default;

    /// Left, top, client width and height of the main window.
    virtual QRect geometry() const = 0;
    virtual void setClientSize(QSize size) = 0;
    virtual void moveTo(QPoint topLeft) = 0;
    /// The mini-window face picture.
    virtual void setMiniPictureVisible(bool visible) = 0;
    /// The shrink icon; its absence is the mini-window mode.
    virtual bool shrinkIconVisible() const = 0;
    virtual void setShrinkIconVisible(bool visible) = 0;
    /// The hover option's check mark only; its action does not run.
    virtual void setHoverOptionChecked(bool checked) = 0;
    virtual void setHoverPolling(bool on) = 0;

    virtual bool translucency() const = 0;
    virtual int opacity() const = 0;
    virtual void setOpacity(int opacity) = 0;
    virtual bool fadeRunning() const = 0;
    virtual void setFadeRunning(bool on) = 0;

    virtual void hideWindow() = 0;
    /// Shows the window in its normal state (not minimised) and gives it the focus.
    virtual void showWindow() = 0;
    virtual void minimiseWindow() = 0;
    /// Brings the program to the foreground.
    virtual void bringToFront() = 0;
    /// Raises the window to the top of its layer without moving or resizing it, and shows it.
    virtual void raiseTopmost() = 0;
    virtual void setTaskbarEntryHidden(bool hidden) = 0;
    /// The platform's close request (which writes the settings).
    virtual void closeWindow() = 0;

    virtual int currentPage() const = 0;
    /// Switches the main pages as the program does (no page description, no delayed capture).
    virtual void showPage(int index) = 0;
    virtual void captureScreen() = 0;

    virtual QPoint pointer() const = 0;
    /// A popup menu of the program is open (the pointer may be on it, outside the window).
    virtual bool popupOpen() const = 0;
    virtual std::vector<QRect> screens() const = 0;

    virtual bool panelVisible() const = 0;
    virtual void hidePanel() = 0;
    /// Shows the floating panel and gives it the focus.
    virtual void showPanel() = 0;
};

} // namespace huebit
