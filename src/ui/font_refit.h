#pragma once
// Re-places controls laid out by hand when their font changes (the interface font), once they
// have taken the new font in, so their captions stay whole.

#include <QEvent>
#include <QObject>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <initializer_list>

namespace huebit {

class FontRefit : public QObject {
public:
    /// Runs `place` now and after each font change of any of `watched`.
    FontRefit(std::initializer_list<QWidget*> watched, std::function<void()> place, QObject* owner)
        : QObject(owner), m_place(std::move(place)) {
        for (QWidget* w : watched)
            w->installEventFilter(this);
        m_place();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FontChange && !m_pending) {
            m_pending = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    m_pending = false;
                    m_place();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> m_place;
    bool m_pending = false;
};

/// Shrinks a group's font until its title's letters end above row `room` of the group; the
/// controls inside keep their own fonts.
inline void FitTitleAbove(QWidget* group, int room) {
    QFont font = group->font();
    while (QFontMetrics(font).height() - 2 > room && font.pointSizeF() > 1)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    if (font != group->font()) group->setFont(font);
}

/// Lays `widgets` out in a row from `left`, each as wide as its size hint and at least
/// `minimum`, `gap` apart; returns the right edge.
inline int PlaceInRow(std::initializer_list<QWidget*> widgets, int left, int top, int height,
                      int minimum, int gap) {
    int x = left;
    for (QWidget* w : widgets) {
        const int width = std::max(minimum, w->sizeHint().width());
        w->setGeometry(x, top, width, height);
        x += width + gap;
    }
    return x - gap;
}

} // namespace huebit
