#include "screen/loupe.h"

#include <algorithm>

namespace huebit {

namespace {

// The start of a span of `length` at `wanted`, flipped to end `gap` before `pointer` when it
// would pass `limit` (one past the monitor's last pixel).
int flipped(int wanted, int length, int pointer, int gap, int limit) {
    return wanted + length > limit ? pointer - gap - length : wanted;
}

int clampedStart(int start, int length, int first, int limit) {
    return std::max(first, std::min(start, limit - length));
}

long long distanceSquared(QPoint p, QRect r) {
    const long long dx = p.x() < r.left() ? r.left() - p.x() : std::max(0, p.x() - r.right());
    const long long dy = p.y() < r.top() ? r.top() - p.y() : std::max(0, p.y() - r.bottom());
    return dx * dx + dy * dy;
}

} // namespace

QRect PlaceLoupe(QPoint pointer, QSize loupe, QRect monitor, int gap) {
    const int limitX = monitor.x() + monitor.width(), limitY = monitor.y() + monitor.height();
    int x = flipped(pointer.x() + gap, loupe.width(), pointer.x(), gap, limitX);
    int y = flipped(pointer.y() + gap, loupe.height(), pointer.y(), gap, limitY);
    x = clampedStart(x, loupe.width(), monitor.x(), limitX);
    y = clampedStart(y, loupe.height(), monitor.y(), limitY);
    return {QPoint(x, y), loupe};
}

QRect MonitorAt(QPoint point, const QList<QRect>& monitors) {
    QRect best;
    long long bestDistance = -1;
    for (const QRect& m : monitors) {
        const long long d = distanceSquared(point, m);
        if (bestDistance < 0 || d < bestDistance) best = m, bestDistance = d;
    }
    return best;
}

int StepDiameter(int diameter, int steps) {
    const int odd = std::clamp(diameter - (diameter % 2 == 0 ? 1 : 0), 1, LoupeMaxDiameter);
    const long long next = odd + 2LL * steps;
    return int(std::clamp<long long>(next, 1, LoupeMaxDiameter));
}

std::optional<Color> AverageSquare(const QImage& image, int x, int y, int diameter) {
    if (diameter < 1 || diameter > 200) return std::nullopt;
    const long double d = diameter;
    // round((d - 1.1) / 2) and round((d - 0.9) / 2) are the floor and the ceiling of (d - 1) / 2
    // for whole d, so the square is exactly d wide.
    const int lo = Round((d - 1.1L) / 2), hi = Round((d - 0.9L) / 2);
    const int left = std::max(0, x - lo), top = std::max(0, y - lo);
    const int right = std::min(image.width() - 1, x + hi);
    const int bottom = std::min(image.height() - 1, y + hi);
    if (left > right || top > bottom) return std::nullopt;
    long long r = 0, g = 0, b = 0;
    for (int py = top; py <= bottom; ++py) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(py));
        for (int px = left; px <= right; ++px) {
            r += qRed(line[px]), g += qGreen(line[px]), b += qBlue(line[px]);
        }
    }
    const long double n = (long double)(right - left + 1) * (bottom - top + 1);
    return RGB(Round(r / n), Round(g / n), Round(b / n));
}

} // namespace huebit
