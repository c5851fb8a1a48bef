#pragma once
// The tray icon through Qt: an XEmbed or StatusNotifier icon, whichever the desktop offers.
// Qt puts the icon into a tray that appears after it was asked for; a slow check notices
// trays that come and go, for the shell's decisions.

#include "shell/tray_icon.h"

#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>

class QMenu;

namespace huebit {

class QtTrayIcon : public QObject, public TrayIcon {
    Q_OBJECT
public:
    QtTrayIcon(const QIcon& icon, QMenu* menu, QObject* parent = nullptr);

    bool available() const override;
    bool shown() const override;
    void show() override;
    void remove() override;

    QSystemTrayIcon& icon() { return m_icon; }

private:
    void checkTray();

    QSystemTrayIcon m_icon;
    QTimer m_watch;
    bool m_requested = false;
    bool m_wasAvailable = false;
};

} // namespace huebit
