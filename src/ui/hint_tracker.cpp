#include "ui/hint_tracker.h"

#include "ui/element_walk.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QWidget>

namespace huebit {

HintTracker::HintTracker(QObject* parent) : QObject(parent) {
    m_settle.setSingleShot(true);
    m_settle.setInterval(0); // runs when the event loop has handled what is queued
    connect(&m_settle, &QTimer::timeout, this, [this] { settle(); });
    qApp->installEventFilter(this);
}

HintTracker::~HintTracker() {
    if (qApp) qApp->removeEventFilter(this);
}

void HintTracker::addWindow(QWidget* window) {
    m_windows.append(window);
}

bool HintTracker::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ToolTip:
    case QEvent::WhatsThis:
        return true; // no pop-up tips anywhere
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel: {
        if (!qobject_cast<QWidget*>(watched)) break;
        const auto* pointer = static_cast<QSinglePointEvent*>(event);
        m_pointer = pointer->globalPosition().toPoint();
        m_pointerKnown = true;
        // Once before the event is handled, so a pointer that came onto an element and pressed
        // in one go meets the element first and what the press writes (a page's description)
        // afterwards; and once after, for the hint the handler itself changed.
        settle();
        m_settle.start();
        break;
    }
    // A widget shown or hidden under a resting pointer: the element under it may have changed.
    // Where the pointer is comes from the pointer's own events only.
    case QEvent::Enter:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (!m_pointerKnown) break;
        settle();
        m_settle.start();
        break;
    default:
        break;
    }
    return false;
}

QWidget* HintTracker::elementAt(QPoint global) const {
    for (const QPointer<QWidget>& window : m_windows) {
        if (!window || !window->isVisible()) continue;
        const QPoint local = window->mapFromGlobal(global);
        if (!window->rect().contains(local)) continue;
        // Another window lying over this one (a menu, a dialog) takes the pointer itself.
        QWidget* top = QApplication::widgetAt(global);
        if (top && top->window() != window) return nullptr;
        QWidget* deepest = window->childAt(local);
        return deepest ? ElementAt(deepest) : window.data();
    }
    return nullptr;
}

void HintTracker::settle() {
    if (QWidget* element = elementAt(m_pointer)) emit elementUnderPointer(element);
}

} // namespace huebit
