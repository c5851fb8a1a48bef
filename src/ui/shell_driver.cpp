#include "ui/shell_driver.h"

#include "core/fade_step.h"
#include "platform/x11_window_state.h"
#include "ui/extra_text_binding.h"
#include "ui/image_button.h"
#include "ui/qt_tray_icon.h"
#include "ui/title_strip.h"
#include "ui/window_opacity.h"

#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace huebit {

namespace {

QMenu* makeTrayMenu(QWidget* owner) {
    auto* menu = new QMenu(owner);
    menu->setObjectName(QStringLiteral("TrayMenu"));
    BindExtraText(menu, "accessibleName", QStringLiteral("Меню значка в области уведомлений"));
    return menu;
}

// The window comes first: the tray icon is placed once it has been painted.
std::unique_ptr<TrayIcon> makeTrayIcon(QWidget& window, QMenu* menu, QObject* parent) {
    auto tray = std::make_unique<QtTrayIcon>(window.windowIcon(), menu, parent);
    tray->placeAfterFirstPaintOf(window);
    return tray;
}

} // namespace

ShellDriver::ShellDriver(ShellParts parts, QObject* parent)
    : QObject(parent), m_parts(std::move(parts)), m_trayMenu(makeTrayMenu(&m_parts.window)),
      m_tray(makeTrayIcon(m_parts.window, m_trayMenu, this)),
      m_rules(m_parts.state, m_parts.options, *this, *m_tray) {
    setOpacity(0); // created invisible; the fade brings it in
    m_fadeTick.setInterval(FadeIntervalMs);
    connect(&m_fadeTick, &QTimer::timeout, this, [this] { m_rules.FadeTick(); });
    m_hoverPoll.setInterval(HoverPollMs);
    connect(&m_hoverPoll, &QTimer::timeout, this, [this] { m_rules.HoverPoll(); });
    m_keepOnScreen.setInterval(KeepOnScreenMs);
    connect(&m_keepOnScreen, &QTimer::timeout, this, [this] { m_rules.KeepOnScreen(); });
    buildTrayMenu();
    wireTray();
    wireTitleStrip();
    m_parts.window.installEventFilter(this);
}

ShellDriver::~ShellDriver() = default;

void ShellDriver::buildTrayMenu() {
    QMenu* m = m_trayMenu;
    BoundAction(
        m->addAction(QStringLiteral("Скрыть/показать"), this, [this] { m_rules.ToggleHidden(); }));
    BoundAction(m->addAction(QStringLiteral("Уменьшить/увеличить"), this,
                             [this] { m_rules.ToggleMiniWindow(); }));
    BoundAction(m->addAction(QStringLiteral("О программе"), this, [this] { m_rules.ShowAbout(); }));
    m->addSeparator();
    BoundAction(m->addAction(QStringLiteral("Закрыть"), this, [this] { m_rules.StartClosing(); }));
}

void ShellDriver::wireTray() {
    m_tray->primaryClicked = [this] { m_rules.ToggleHidden(); };
    m_tray->availabilityChanged = [this](bool there) { m_rules.TrayAvailabilityChanged(there); };
}

void ShellDriver::setTrayIcon(std::unique_ptr<TrayIcon> tray) {
    m_tray = std::move(tray);
    m_rules.setTray(*m_tray);
    wireTray();
}

void ShellDriver::wireTitleStrip() {
    TitleStrip& t = m_parts.title;
    // The icons act on the primary button, as a click on a picture does.
    connect(t.Image11, &ImageButton::clicked, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton) m_rules.ToggleHidden();
    });
    connect(t.Image12, &ImageButton::clicked, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton) m_rules.ToggleMiniWindow();
    });
    connect(t.Image10, &ImageButton::clicked, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton) m_rules.StartClosing();
    });
    connect(t.Image7, &ImageButton::doubleClicked, this, [this] { m_rules.ToggleMiniWindow(); });
    m_programIcon = t.Image7;
    t.Image7->installEventFilter(this);
    // The mark follows every change; only the user's click switches the mode.
    connect(t.CheckBox4, &QCheckBox::toggled, this,
            [this](bool on) { m_parts.options.openOnHover = on; });
    connect(t.CheckBox4, &QCheckBox::clicked, this,
            [this](bool on) { m_rules.HoverOptionClicked(on); });
}

void ShellDriver::start() {
    m_fadeTick.start();
    m_keepOnScreen.start();
    m_tray->show();
}

void ShellDriver::removeTrayIcon() {
    m_tray->remove();
}

void ShellDriver::setStayOnTop(bool on) {
    // Nothing to take away from a window that is not above: the start asks the server nothing.
    if (!on && !m_stayOnTop) return;
    m_stayOnTop = on;
    QWidget& w = m_parts.window;
    // On X11 the window manager is asked directly: changing the window's flags through Qt
    // re-creates the native window, which loses its opacity and flickers.
    if (SetWindowManagerState(w.windowHandle(), WindowManagerState::Above, on)) return;
    const bool shown = w.isVisible();
    w.setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (shown) w.show();
    setOpacity(m_opacity);
}

bool ShellDriver::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_parts.window) {
        if (event->type() == QEvent::Show) {
            // Each time the window is shown again its taskbar entry goes again. Mapping rewrites
            // the window's states, so they are asked for once it is up.
            QMetaObject::invokeMethod(
                this, [this] { reapplyStates(); }, Qt::QueuedConnection);
        }
        return false;
    }
    // Compared by the address kept, not read from the title strip: the icon's last events
    // arrive while the strip around it is being destroyed.
    if (watched != m_programIcon) return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_manualMove = false;
        m_moveOffset =
            static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - m_parts.window.pos();
        break;
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->buttons() == Qt::LeftButton && mouse->modifiers() == Qt::NoModifier)
            programIconMoved(mouse->globalPosition().toPoint());
        break;
    }
    case QEvent::MouseButtonRelease:
        m_manualMove = false;
        break;
    default:
        break;
    }
    return false;
}

void ShellDriver::reapplyStates() {
    QWindow* handle = m_parts.window.windowHandle();
    if (!handle || !m_parts.window.isVisible()) return;
    if (m_stayOnTop) SetWindowManagerState(handle, WindowManagerState::Above, true);
    if (m_taskbarHidden) SetWindowManagerState(handle, WindowManagerState::SkipTaskbar, true);
    setOpacity(m_opacity);
}

void ShellDriver::programIconMoved(QPoint global) {
    if (!m_manualMove) {
        QWindow* handle = m_parts.window.windowHandle();
        if (handle && handle->startSystemMove()) return;
        m_manualMove = true; // no window manager to move it: move it ourselves
    }
    m_parts.window.move(global - m_moveOffset);
}

QRect ShellDriver::geometry() const {
    return m_parts.window.geometry();
}

void ShellDriver::setClientSize(QSize size) {
    m_parts.window.setFixedSize(size);
}

void ShellDriver::moveTo(QPoint topLeft) {
    m_parts.window.move(topLeft);
}

void ShellDriver::setMiniPictureVisible(bool visible) {
    // The face shows the program icon in its picture; the real icon stays underneath and still
    // takes the double click and the drag, as the face lets the pointer through.
    m_parts.title.Image9->setVisible(visible);
}

bool ShellDriver::shrinkIconVisible() const {
    return !m_parts.title.Image12->isHidden();
}

void ShellDriver::setShrinkIconVisible(bool visible) {
    m_parts.title.Image12->setVisible(visible);
}

void ShellDriver::setHoverOptionChecked(bool checked) {
    m_parts.title.CheckBox4->setChecked(checked);
}

void ShellDriver::setHoverPolling(bool on) {
    if (on)
        m_hoverPoll.start();
    else
        m_hoverPoll.stop();
}

void ShellDriver::setOpacity(int opacity) {
    m_opacity = opacity;
    SetWindowAlpha(&m_parts.window, opacity);
}

void ShellDriver::setFadeRunning(bool on) {
    if (on)
        m_fadeTick.start();
    else
        m_fadeTick.stop();
}

void ShellDriver::hideWindow() {
    m_parts.window.hide();
}

void ShellDriver::showWindow() {
    QWidget& w = m_parts.window;
    w.setWindowState(w.windowState() & ~Qt::WindowMinimized);
    w.show();
    w.raise();
    w.activateWindow();
}

void ShellDriver::minimiseWindow() {
    m_parts.window.showMinimized();
}

void ShellDriver::bringToFront() {
    m_parts.window.raise();
    m_parts.window.activateWindow();
}

void ShellDriver::raiseTopmost() {
    m_parts.window.raise();
    m_parts.window.show();
}

void ShellDriver::setTaskbarEntryHidden(bool hidden) {
    m_taskbarHidden = hidden;
    SetWindowManagerState(m_parts.window.windowHandle(), WindowManagerState::SkipTaskbar, hidden);
}

void ShellDriver::closeWindow() {
    m_parts.window.close();
}

QPoint ShellDriver::pointer() const {
    return QCursor::pos();
}

bool ShellDriver::popupOpen() const {
    return QApplication::activePopupWidget() != nullptr;
}

std::vector<QRect> ShellDriver::screens() const {
    std::vector<QRect> all;
    for (const QScreen* s : QGuiApplication::screens())
        all.push_back(s->geometry());
    return all;
}

bool ShellDriver::panelVisible() const {
    return m_panel && m_panel->isVisible();
}

void ShellDriver::hidePanel() {
    if (m_panel) m_panel->hide();
}

void ShellDriver::showPanel() {
    if (!m_panel) return;
    m_panel->show();
    m_panel->activateWindow();
}

} // namespace huebit
