#include "ui/qt_tray_icon.h"

#include "ui/first_paint.h"

#include <QMenu>
#include <QPointer>

namespace huebit {

namespace {
constexpr int TrayWatchMs = 1000;
} // namespace

QtTrayIcon::QtTrayIcon(const QIcon& icon, QMenu* menu, QObject* parent)
    : QObject(parent), m_picture(icon), m_menu(menu) {
    m_watch.setInterval(TrayWatchMs);
    connect(&m_watch, &QTimer::timeout, this, [this] { checkTray(); });
}

QSystemTrayIcon& QtTrayIcon::icon() {
    if (m_icon) return *m_icon;
    m_icon = std::make_unique<QSystemTrayIcon>(m_picture);
    m_icon->setContextMenu(m_menu); // the secondary button opens it
    connect(m_icon.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                // Only a single primary click acts; the second click of a double click and
                // the middle button add nothing.
                if (reason == QSystemTrayIcon::Trigger && primaryClicked) primaryClicked();
            });
    return *m_icon;
}

void QtTrayIcon::placeAfterFirstPaintOf(QWidget& window) {
    m_waitingForWindow = true;
    AfterFirstPaint(window, [this, guard = QPointer<QtTrayIcon>(this)] {
        if (!guard) return;
        m_waitingForWindow = false;
        if (m_requested) place();
    });
}

bool QtTrayIcon::available() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

bool QtTrayIcon::shown() const {
    return m_requested && available();
}

void QtTrayIcon::show() {
    m_requested = true;
    if (!m_waitingForWindow) place();
}

void QtTrayIcon::place() {
    m_wasAvailable = available();
    icon().show();
    m_watch.start();
}

void QtTrayIcon::remove() {
    m_requested = false;
    m_watch.stop();
    if (m_icon) m_icon->hide();
}

void QtTrayIcon::checkTray() {
    const bool now = available();
    if (now == m_wasAvailable) return;
    m_wasAvailable = now;
    if (now) {
        // Asked again, so the icon lands in the new tray whatever the backend did meanwhile.
        icon().hide();
        icon().show();
    }
    if (availabilityChanged) availabilityChanged(now);
}

} // namespace huebit
