#include "shell/keep_on_screen.h"

#include <QRegion>

#include <algorithm>
#include <limits>

namespace huebit {

namespace {

constexpr int Slack = 10; // how far the mini-window may reach past a screen's edge

// Squared distance from a point to a rectangle (0 inside).
long long distanceSquared(QPoint p, const QRect& r) {
    const long long dx = p.x() < r.left() ? r.left() - p.x() : std::max(0, p.x() - r.right());
    const long long dy = p.y() < r.top() ? r.top() - p.y() : std::max(0, p.y() - r.bottom());
    return dx * dx + dy * dy;
}

// One screen at (sx, sy), W x H: left below sx goes to sx; a left edge past W - (mini - 10)
// goes back to W - mini, so the whole mini-window width shows; the same downwards.
QPoint pullOnto(QPoint p, QSize mini, const QRect& s) {
    int left = p.x();
    int top = p.y();
    if (left < s.x()) left = s.x();
    if (top < s.y()) top = s.y();
    if (s.x() + s.width() < left + mini.width() - Slack) left = s.x() + s.width() - mini.width();
    if (s.y() + s.height() < top + mini.height() - Slack) top = s.y() + s.height() - mini.height();
    return {left, top};
}

} // namespace

QPoint KeepOnScreen(QPoint topLeft, QSize mini, const std::vector<QRect>& screens) {
    if (screens.empty()) return topLeft;
    const QRect anchor(topLeft, QSize(mini.width() - Slack, mini.height() - Slack));
    QRegion desk;
    for (const QRect& s : screens)
        desk += s;
    if (desk.intersected(anchor) == QRegion(anchor)) return topLeft;
    const QRect* nearest = &screens.front();
    long long best = std::numeric_limits<long long>::max();
    for (const QRect& s : screens) {
        const long long d = distanceSquared(topLeft, s);
        if (d < best) {
            best = d;
            nearest = &s;
        }
    }
    return pullOnto(topLeft, mini, *nearest);
}

} // namespace huebit
