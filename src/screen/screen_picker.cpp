#include "screen/screen_picker.h"

#include <algorithm>

namespace huebit {

namespace {

bool alone(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, Qt::MouseButton button) {
    const auto keys = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    return buttons == button && keys == Qt::NoModifier;
}

Color colorOf(QRgb p) { return RGB(qRed(p), qGreen(p), qBlue(p)); }
QRgb rgbOf(Color c) { return qRgb(GetRValue(c), GetGValue(c), GetBValue(c)); }

// Stretches `src`'s rectangle onto `size` by dropping or repeating pixels, never blending.
QImage stretchWithoutSmoothing(const QImage& src, QRect from, QSize size) {
    QImage out(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        const int sy = std::clamp(from.top() + int((long long)y * from.height() / size.height()), 0,
                                  src.height() - 1);
        const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(sy));
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int sx = std::clamp(from.left() + int((long long)x * from.width() / size.width()),
                                      0, src.width() - 1);
            line[x] = in[sx];
        }
    }
    return out;
}

// A view's handlers act on every pixel but the last column and the last row.
bool insideView(const QImage& view, int x, int y) {
    return x >= 0 && y >= 0 && x < view.width() - 1 && y < view.height() - 1;
}

} // namespace

QRect FitOverview(QSize screen, QSize reference) {
    const long double rw = (long double)screen.width() / reference.width();
    const long double rh = (long double)screen.height() / reference.height();
    int w = reference.width(), h = reference.height();
    // Adding 0.4 before rounding makes any fraction above 0.1 round up.
    if (rw > rh) h = Round((long double)reference.width() * screen.height() / screen.width() + 0.4L);
    else w = Round((long double)reference.height() * screen.width() / screen.height() + 0.4L);
    const int left = Round((long double)(reference.width() - w) / 2) + 2;
    const int top = Round((long double)(reference.height() - h) / 2) + 15;
    return {left, top, w, h};
}

QRect MagnifierSource(int cx, int cy, long double k) {
    const int left = Round((cx - 4) * k), top = Round((cy - 3) * k);
    const int right = Round((cx + 4) * k), bottom = Round((cy + 3) * k);
    return {QPoint(left, top), QSize(right - left, bottom - top)};
}

QString BmpFileName(const QString& chosen) {
    if (chosen.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive)) return chosen;
    return chosen + QLatin1String(".bmp");
}

ScreenPicker::ScreenPicker()
    : m_medium(MediumSize, QImage::Format_RGB32), m_large(LargeSize, QImage::Format_RGB32) {
    // Blank until the first fragment is selected.
    m_medium.fill(rgbOf(EmptySlotColor));
    m_large.fill(rgbOf(EmptySlotColor));
}

void ScreenPicker::CaptureScreen(ScreenCapture& capture) {
    SetScreenImage(capture.capturePrimaryScreen());
}

void ScreenPicker::SetScreenImage(const QImage& screen) {
    m_fragmentX = -100;
    if (screen.isNull()) return;
    m_screen = screen.convertToFormat(QImage::Format_RGB32);
    // Every capture is fitted into the layout's rectangle, so repeated captures stay centred.
    m_overviewRect = FitOverview(m_screen.size(), LayoutOverview);
    m_clean = stretchWithoutSmoothing(m_screen, m_screen.rect(), m_overviewRect.size());
    m_overview = m_clean;
    emit changed(ChangedOverview);
}

// The marker is drawn with an inverting pen: each outline pixel once, so a second drawing
// restores the picture exactly.
void ScreenPicker::drawMarker(int x, int y) {
    if (m_overview.isNull()) return;
    auto invert = [this](int px, int py) {
        if (px < 0 || py < 0 || px >= m_overview.width() || py >= m_overview.height()) return;
        QRgb& p = reinterpret_cast<QRgb*>(m_overview.scanLine(py))[px];
        p = 0xFF000000u | (~p & 0xFFFFFFu);
    };
    for (int px = x - 4; px <= x + 4; ++px) {
        invert(px, y - 3);
        invert(px, y + 3);
    }
    for (int py = y - 2; py <= y + 2; ++py) {
        invert(x - 4, py);
        invert(x + 4, py);
    }
}

Color ScreenPicker::overviewPixel(int x, int y) const {
    // Past the overview's edges (a drag held beyond them) the nearest edge pixel counts.
    const int px = std::clamp(x, 0, m_clean.width() - 1);
    const int py = std::clamp(y, 0, m_clean.height() - 1);
    return colorOf(m_clean.pixel(px, py));
}

void ScreenPicker::SelectFragment(int x, int y, bool pick) {
    if (m_clean.isNull()) return;
    const int cx = std::min(std::max(x, 4), m_overview.width() - 4);
    const int cy = std::min(std::max(y, 3), m_overview.height() - 3);
    drawMarker(m_fragmentX, m_fragmentY);
    drawMarker(cx, cy);
    m_fragmentX = cx;
    m_fragmentY = cy;
    emit changed(ChangedOverview);
    RefreshMagnifier(cx, cy);
    if (pick) SetPickedColor(overviewPixel(x, y));
}

void ScreenPicker::OverviewPressed(Qt::MouseButton button, int x, int y) {
    SelectFragment(x, y, button == Qt::RightButton);
}

void ScreenPicker::OverviewMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x,
                                 int y) {
    if (m_clean.isNull()) return;
    showHover(overviewPixel(x, y), true);
    if (alone(buttons, modifiers, Qt::LeftButton)) SelectFragment(x, y, false);
    else if (alone(buttons, modifiers, Qt::RightButton)) SelectFragment(x, y, true);
}

void ScreenPicker::Arrow(ArrowDirection direction) {
    const int dx[] = {-m_step, 0, m_step, 0};
    const int dy[] = {0, -m_step, 0, m_step};
    OverviewPressed(Qt::LeftButton, m_fragmentX + dx[int(direction)],
                    m_fragmentY + dy[int(direction)]);
}

void ScreenPicker::RefreshMagnifier(int cx, int cy) {
    const long double k = (long double)m_screen.width() / m_overview.width();
    m_medium = stretchWithoutSmoothing(m_screen, MagnifierSource(cx, cy, k), MediumSize);
    m_large = m_medium.scaled(LargeSize, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    emit changed(ChangedViews);
}

void ScreenPicker::showHover(Color c, bool indicator) {
    m_hover = c;
    emit changed(ChangedHover);
    if (indicator) emit hovered(c);
}

void ScreenPicker::SetPickedColor(Color c) {
    m_picked = c;
    emit changed(ChangedPicked);
}

void ScreenPicker::MediumPressed(int x, int y) {
    if (!insideView(m_medium, x, y)) return;
    const Color c = colorOf(m_medium.pixel(x, y));
    showHover(c, false);
    SetPickedColor(c);
}

void ScreenPicker::MediumMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x,
                               int y) {
    if (!insideView(m_medium, x, y)) return;
    showHover(colorOf(m_medium.pixel(x, y)), true);
    if (alone(buttons, modifiers, Qt::LeftButton)) MediumPressed(x, y);
}

void ScreenPicker::LargePressed(int x, int y) {
    if (insideView(m_large, x, y)) PickAveraged(x, y);
}

void ScreenPicker::LargeMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x,
                              int y) {
    if (!insideView(m_large, x, y)) return;
    showHover(colorOf(m_large.pixel(x, y)), true);
    if (alone(buttons, modifiers, Qt::LeftButton)) PickAveraged(x, y);
}

// The square is clipped to the view, not shifted, so near an edge fewer pixels count.
void ScreenPicker::PickAveraged(int x, int y) {
    const long double d = m_diameter;
    const int lo = Round((d - 1.1L) / 2), hi = Round((d - 0.9L) / 2);
    const int x0 = std::max(0, x - lo), y0 = std::max(0, y - lo);
    const int x1 = std::min(m_large.width() - 1, x + hi);
    const int y1 = std::min(m_large.height() - 1, y + hi);
    long long r = 0, g = 0, b = 0;
    for (int px = x0; px <= x1; ++px) {
        for (int py = y0; py <= y1; ++py) {
            const QRgb p = m_large.pixel(px, py);
            r += qRed(p), g += qGreen(p), b += qBlue(p);
        }
    }
    const long double n = (long double)(x1 - x0 + 1) * (y1 - y0 + 1);
    SetPickedColor(RGB(Round(r / n), Round(g / n), Round(b / n)));
}

} // namespace huebit
