#include "ui/pick_overlay.h"

#include "output/clipboard_sample.h"
#include "platform/device_pointer.h"
#include "platform/x11_pointer_filter.h"
#include "platform/x11_window_background.h"
#include "screen/loupe.h"
#include "screen/screen_capture.h"
#include "ui/loupe_window.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <cmath>
#include <cstdio>

namespace huebit {

namespace {

constexpr int Frame = 2;
constexpr int TextBand = 24;
constexpr int GrabRetryMs = 20;
constexpr int GrabTries = 100;
const QSize LoupeSize{LoupeCells * LoupeZoom + 2 * Frame,
                      LoupeCells* LoupeZoom + 2 * Frame + TextBand};

QRect virtualDesktop() {
    QRect all;
    for (const QScreen* s : QGuiApplication::screens())
        all |= s->geometry();
    return all;
}

QColor qcolor(Color c) {
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

} // namespace

PickOverlay::PickOverlay(QImage screen, int diameter, QString templateEntry, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::BypassWindowManagerHint),
      m_session(std::move(screen), diameter), m_entry(std::move(templateEntry)) {
    setObjectName(QStringLiteral("PickOverlay"));
    setWindowTitle(QStringLiteral("Huebit pick"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::StrongFocus);
}

PickOverlay::PickOverlay(std::shared_ptr<HeldCopy> held, int diameter, QString templateEntry)
    : PickOverlay(QImage(), diameter, std::move(templateEntry)) {
    m_held = std::move(held);
    m_session = PickSession(m_held, diameter);
}

PickOverlay::~PickOverlay() = default;

// The server fills the overlay from its copy; Qt draws nothing of it. Where it cannot (no
// pixmap, another depth), the copy is read whole and drawn as from a picture.
void PickOverlay::showHeldCopy() {
    if (!m_held) return;
    setAttribute(Qt::WA_PaintOnScreen);
    if (ShowPixmapAsBackground(winId(), m_held->serverHandle())) {
        m_loupeWindow = std::make_unique<LoupeWindow>([this](QPainter& painter) {
            paintLoupe(painter, QRect(QPoint(0, 0), m_loupe.size()));
        });
        return;
    }
    setAttribute(Qt::WA_PaintOnScreen, false);
    const int diameter = m_session.diameter();
    m_session = PickSession(m_held->take(), diameter);
    m_held.reset();
}

void PickOverlay::showLoupe() {
    if (m_loupeWindow) m_loupeWindow->place(m_loupe, geometry().topLeft());
}

// Scaled, Qt's events carry whole logical pixels: the server's own device positions are taken
// instead, every move and press.
void PickOverlay::followDevicePointer() {
    if (devicePixelRatioF() == 1.0) return;
    m_pointerFilter = std::make_unique<X11PointerFilter>(winId(), [this](QPoint device) {
        if (!m_done) pointTo(device);
    });
}

bool PickOverlay::exactPointer() const {
    return m_pointerFilter && m_pointerFilter->active();
}

QPaintEngine* PickOverlay::paintEngine() const {
    // Nothing to paint while the server shows the copy: no backing store is filled or pushed.
    return m_loupeWindow ? nullptr : QWidget::paintEngine();
}

void PickOverlay::start() {
    const QRect desktop = virtualDesktop();
    const qreal ratio = QGuiApplication::primaryScreen()
                            ? QGuiApplication::primaryScreen()->devicePixelRatio()
                            : 1.0;
    for (const QScreen* s : QGuiApplication::screens()) {
        const QRect g = s->geometry().translated(-desktop.topLeft());
        m_monitors.append(QRect(QPoint(std::lround(g.x() * ratio), std::lround(g.y() * ratio)),
                                g.size() * ratio));
    }
    setGeometry(desktop);
    showHeldCopy();
    followDevicePointer();
    const std::optional<QPoint> pointer = DevicePointer();
    m_session.moveTo(pointer ? *pointer : devicePoint(mapFromGlobal(QCursor::pos())));
    m_loupe = loupeRect();
    show();
    raise();
    if (m_loupeWindow) {
        showLoupe();
        m_loupeWindow->show();
    }
    activateWindow();
    grabInput();
}

// An override-redirect window gets no focus from the window manager: it takes the keyboard and
// the pointer itself, trying again while the server refuses (another grab, not yet mapped).
void PickOverlay::grabInput() {
    m_grabbing = true;
    QWindow* window = windowHandle();
    const bool keyboard = window && window->setKeyboardGrabEnabled(true);
    const bool mouse = window && window->setMouseGrabEnabled(true);
    if ((keyboard && mouse) || m_done || ++m_grabTries > GrabTries) return;
    QTimer::singleShot(GrabRetryMs, this, [this] { grabInput(); });
}

QPoint PickOverlay::devicePoint(QPointF logical) const {
    const qreal ratio = devicePixelRatioF();
    return QPoint(int(std::floor(logical.x() * ratio)), int(std::floor(logical.y() * ratio)));
}

QRect PickOverlay::logicalRect(QRect device) const {
    const qreal ratio = devicePixelRatioF();
    return QRectF(device.x() / ratio, device.y() / ratio, device.width() / ratio,
                  device.height() / ratio)
        .toAlignedRect()
        .adjusted(-1, -1, 1, 1);
}

QRect PickOverlay::loupeRect() const {
    const QPoint p = m_session.pointer();
    const QRect monitor = MonitorAt(p, m_monitors);
    return PlaceLoupe(p, LoupeSize,
                      monitor.isEmpty() ? QRect(QPoint(0, 0), m_session.size()) : monitor);
}

void PickOverlay::pointTo(QPoint device) {
    m_session.moveTo(device);
    const QRect old = m_loupe;
    m_loupe = loupeRect();
    if (m_loupeWindow) return showLoupe();
    update(logicalRect(old));
    update(logicalRect(m_loupe));
}

void PickOverlay::moveBy(int dx, int dy) {
    pointTo(m_session.pointer() + QPoint(dx, dy));
    // The real pointer follows, so the next move of the mouse starts from here.
    if (exactPointer()) return m_pointerFilter->warpTo(m_session.pointer());
    const qreal ratio = devicePixelRatioF();
    const QPoint p = m_session.pointer();
    // The middle of the device pixel, cut down to the logical pixel that holds it.
    const QPoint logical(int(std::floor((p.x() + 0.5) / ratio)),
                         int(std::floor((p.y() + 0.5) / ratio)));
    QCursor::setPos(mapToGlobal(logical));
}

void PickOverlay::finish(bool pick) {
    if (m_done) return;
    m_done = true;
    if (QWindow* window = windowHandle(); window && m_grabbing) {
        window->setKeyboardGrabEnabled(false);
        window->setMouseGrabEnabled(false);
    }
    if (m_loupeWindow) m_loupeWindow->hide();
    hide();
    if (pick)
        emit picked(m_session.color());
    else
        emit cancelled();
}

void PickOverlay::mouseMoveEvent(QMouseEvent* event) {
    if (!exactPointer()) pointTo(devicePoint(event->position()));
}

void PickOverlay::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        if (!exactPointer()) pointTo(devicePoint(event->position()));
        finish(true);
    } else if (event->button() == Qt::RightButton) {
        finish(false);
    }
}

void PickOverlay::wheelEvent(QWheelEvent* event) {
    m_wheelRest += event->angleDelta().y();
    const int notches = m_wheelRest / QWheelEvent::DefaultDeltasPerStep;
    m_wheelRest -= notches * QWheelEvent::DefaultDeltasPerStep;
    if (notches == 0) return;
    m_session.turnWheel(notches);
    if (m_loupeWindow) return showLoupe();
    update(logicalRect(m_loupe));
}

void PickOverlay::keyPressEvent(QKeyEvent* event) {
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    switch (event->key()) {
    case Qt::Key_Left:
        return moveBy(-step, 0);
    case Qt::Key_Right:
        return moveBy(step, 0);
    case Qt::Key_Up:
        return moveBy(0, -step);
    case Qt::Key_Down:
        return moveBy(0, step);
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        return finish(true);
    case Qt::Key_Escape:
        return finish(false);
    default:
        QWidget::keyPressEvent(event);
    }
}

void PickOverlay::paintEvent(QPaintEvent*) {
    if (m_loupeWindow) return;
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    // Device pixels from here on: the copy is drawn one to one.
    painter.scale(1 / ratio, 1 / ratio);
    const QImage& screen = m_session.screen();
    const QRect dirty = QRectF(painter.clipBoundingRect()).toAlignedRect();
    const QRect part = dirty.isEmpty() ? screen.rect() : dirty & screen.rect();
    painter.drawImage(part.topLeft(), screen, part);
    paintLoupe(painter, m_loupe);
}

void PickOverlay::paintLoupe(QPainter& painter, QRect where) const {
    const QRect grid(where.topLeft() + QPoint(Frame, Frame),
                     QSize(LoupeCells * LoupeZoom, LoupeCells * LoupeZoom));
    painter.fillRect(where, Qt::black);
    painter.fillRect(grid, QColor(64, 64, 64));
    // The pixels around the pointer, each a LoupeZoom square; those off the copy stay grey.
    const QPoint p = m_session.pointer();
    const int half = LoupeCells / 2;
    const QRect source = QRect(p - QPoint(half, half), QSize(LoupeCells, LoupeCells));
    const QRect shown = source & QRect(QPoint(0, 0), m_session.size());
    const QRect target(grid.topLeft() + (shown.topLeft() - source.topLeft()) * LoupeZoom,
                       shown.size() * LoupeZoom);
    painter.drawImage(target, m_session.nearby(), shown.translated(-m_session.nearbyOrigin()));
    painter.setPen(QColor(0, 0, 0, 40));
    for (int i = 1; i < LoupeCells; ++i) {
        const int d = i * LoupeZoom;
        painter.drawLine(grid.left() + d, grid.top(), grid.left() + d, grid.bottom());
        painter.drawLine(grid.left(), grid.top() + d, grid.right(), grid.top() + d);
    }
    // The averaging square, then the centre pixel, each outlined black inside white.
    const auto outline = [&](int cells) {
        const int from = half - cells / 2;
        const QRect r(grid.topLeft() + QPoint(from, from) * LoupeZoom,
                      QSize(cells, cells) * LoupeZoom);
        painter.setPen(Qt::white);
        painter.drawRect(r.adjusted(-1, -1, 0, 0));
        painter.setPen(Qt::black);
        painter.drawRect(r.adjusted(0, 0, -1, -1));
    };
    if (m_session.diameter() > 1) outline(std::min(m_session.diameter(), LoupeCells));
    outline(1);
    // The colour as text, on a swatch of itself.
    const QRect band(where.left() + Frame, grid.bottom() + 1 + Frame, grid.width(),
                     TextBand - Frame);
    const Color c = m_session.color();
    painter.fillRect(band.adjusted(0, 0, -(band.width() - band.height()), 0), qcolor(c));
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(13);
    painter.setFont(font);
    QString text = PickedColorText(m_entry, c);
    if (m_session.diameter() > 1) text += QStringLiteral("  %1×%1").arg(m_session.diameter());
    painter.drawText(band.adjusted(band.height() + 4, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                     text);
}

} // namespace huebit
