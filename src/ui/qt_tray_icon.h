#pragma once
// The tray icon through Qt: an XEmbed or StatusNotifier icon, whichever the desktop offers.
// Qt puts the icon into a tray that appears after it was asked for; a slow check notices
// trays that come and go, for the shell's decisions. Asking the desktop whether it has a tray
// takes round trips to the session bus and the X server, so the icon can be left to wait until
// the window is on the screen.

#include "shell/tray_icon.h"

#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>
#include <memory>

class QMenu;
class QWidget;

namespace huebit {

class QtTrayIcon : public QObject, public TrayIcon {
    Q_OBJECT
public:
    QtTrayIcon(const QIcon& icon, QMenu* menu, QObject* parent = nullptr);

    bool available() const override;
    bool shown() const override;
    void show() override;
    void remove() override;

    /// The icon asked for before `window` is first painted goes into the tray only then; until
    /// then it counts as asked for.
    void placeAfterFirstPaintOf(QWidget& window);
    /// The icon is in Qt's hands: made and shown.
    bool placed() const { return m_icon && m_icon->isVisible(); }

private:
    QSystemTrayIcon& icon();
    void place();
    void checkTray();

    QIcon m_picture;
    QMenu* m_menu = nullptr;
    std::unique_ptr<QSystemTrayIcon> m_icon;
    bool m_waitingForWindow = false;
    QTimer m_watch;
    bool m_requested = false;
    bool m_wasAvailable = false;
};

} // namespace huebit
