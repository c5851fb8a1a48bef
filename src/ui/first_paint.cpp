#include "ui/first_paint.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace huebit {

namespace {

// Watches the window's first exposure; runs the work on the next round, after that paint, or
// when the wait runs out, whichever comes first, and then goes.
class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget& window, std::function<void()> then)
        : QObject(&window), m_then(std::move(then)) {
        m_window = window.windowHandle();
        if (m_window) m_window->installEventFilter(this);
        m_wait.setSingleShot(true);
        connect(&m_wait, &QTimer::timeout, this, [this] { run(); });
        m_wait.start(m_window && m_window->isExposed() ? 0 : FirstPaintWaitMs);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_window && event->type() == QEvent::Expose && m_window->isExposed()) {
            // The paint goes out in this round; the work comes in the next.
            m_wait.start(0);
        }
        return false;
    }

private:
    void run() {
        if (m_window) m_window->removeEventFilter(this);
        const std::function<void()> then = std::move(m_then);
        deleteLater();
        if (then) then();
    }

    std::function<void()> m_then;
    QPointer<QWindow> m_window;
    QTimer m_wait;
};

} // namespace

void AfterFirstPaint(QWidget& window, std::function<void()> then) {
    new FirstPaintWatch(window, std::move(then));
}

} // namespace huebit
