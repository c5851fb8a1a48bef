#include "ui/qt_tray_icon.h"

#include <QMenu>

namespace huebit {

namespace {
constexpr int TrayWatchMs = 1000;
} // namespace

QtTrayIcon::QtTrayIcon(const QIcon& icon, QMenu* menu, QObject* parent)
    : QObject(parent), m_icon(icon) {
    m_icon.setContextMenu(menu); // the secondary button opens it
    connect(&m_icon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                // Only a single primary click acts; the second click of a double click and
                // the middle button add nothing.
                if (reason == QSystemTrayIcon::Trigger && primaryClicked) primaryClicked();
            });
    m_watch.setInterval(TrayWatchMs);
    connect(&m_watch, &QTimer::timeout, this, [this] { checkTray(); });
}

bool QtTrayIcon::available() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

bool QtTrayIcon::shown() const {
    return m_requested && available();
}

void QtTrayIcon::show() {
    m_requested = true;
    m_wasAvailable = available();
    m_icon.show();
    m_watch.start();
}

void QtTrayIcon::remove() {
    m_requested = false;
    m_watch.stop();
    m_icon.hide();
}

void QtTrayIcon::checkTray() {
    const bool now = available();
    if (now == m_wasAvailable) return;
    m_wasAvailable = now;
    if (now) {
        // Asked again, so the icon lands in the new tray whatever the backend did meanwhile.
        m_icon.hide();
        m_icon.show();
    }
    if (availabilityChanged) availabilityChanged(now);
}

} // namespace huebit
