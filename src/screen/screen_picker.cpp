#include "screen/screen_picker.h"

#include "screen/loupe.h"

#include <algorithm>
#include <vector>

namespace huebit {

namespace {

bool alone(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, Qt::MouseButton button) {
    const auto keys = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    return buttons == button && keys == Qt::NoModifier;
}

Color colorOf(QRgb p) {
    return RGB(qRed(p), qGreen(p), qBlue(p));
}
QRgb rgbOf(Color c) {
    return qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
}

// Stretches `src`'s rectangle onto `size` by dropping or repeating pixels, never blending: each
// target pixel takes the source pixel its top-left corner falls on. The screen copy's top byte
// may be undefined; the picture made here is opaque, whatever is drawn from it.
QImage stretchWithoutSmoothing(const QImage& src, QRect from, QSize size) {
    QImage out(size, QImage::Format_RGB32);
    std::vector<int> columns(size.width());
    for (int x = 0; x < size.width(); ++x) {
        columns[x] = std::clamp(from.left() + int((long long)x * from.width() / size.width()), 0,
                                src.width() - 1);
    }
    for (int y = 0; y < size.height(); ++y) {
        const int sy = std::clamp(from.top() + int((long long)y * from.height() / size.height()), 0,
                                  src.height() - 1);
        const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(sy));
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = 0xFF000000u | in[columns[x]];
    }
    return out;
}

// Every pixel of `src` becomes a `factor` x `factor` block.
QImage replicate(const QImage& src, int factor) {
    QImage out(src.size() * factor, QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(y / factor));
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            line[x] = in[x / factor];
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
    if (rw > rh)
        h = Round((long double)reference.width() * screen.height() / screen.width() + 0.4L);
    else
        w = Round((long double)reference.height() * screen.width() / screen.height() + 0.4L);
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

bool SaveScreenImage(const QImage& screen, const QString& chosen) {
    return !screen.isNull() && !chosen.isEmpty() && screen.save(BmpFileName(chosen), "BMP");
}

ScreenPicker::ScreenPicker()
    : m_medium(MediumSize, QImage::Format_RGB32), m_large(LargeSize, QImage::Format_RGB32) {
    // Blank until the first fragment is selected.
    m_medium.fill(rgbOf(EmptySlotColor));
    m_large.fill(rgbOf(EmptySlotColor));
}

bool ScreenPicker::CaptureScreen(ImmediateCapture& capture) {
    return SetScreenImage(capture.captureDesktop());
}

bool ScreenPicker::SetScreenImage(const QImage& screen) {
    // A failed copy keeps the old picture together with its marker; forgetting the marker while
    // it is still drawn would leave it in the overview for good.
    if (screen.isNull()) return false;
    m_held.reset();
    takeScreen(screen);
    showNewCopy();
    return true;
}

bool ScreenPicker::SetScreenCopy(std::shared_ptr<HeldCopy> held) {
    if (!held || held->size().isEmpty()) return false;
    m_screen = QImage();
    m_held = std::move(held);
    showNewCopy();
    return true;
}

void ScreenPicker::showNewCopy() {
    m_fragmentX = NoMarker;
    const QSize size = m_held ? m_held->size() : m_screen.size();
    // Every capture is fitted into the layout's rectangle, so repeated captures stay centred.
    m_overviewRect = FitOverview(size, LayoutOverview);
    m_overviewStale = true;
    emit changed(ChangedOverview);
}

void ScreenPicker::takeScreen(QImage screen) const {
    m_screen = screen.convertToFormat(QImage::Format_RGB32);
    m_screen.setDevicePixelRatio(1);
}

void ScreenPicker::ensureScreen() const {
    if (!m_held) return;
    const std::shared_ptr<HeldCopy> held = std::move(m_held);
    QImage pixels = held->take();
    if (pixels.size() != held->size()) {
        pixels = QImage(held->size(), QImage::Format_RGB32);
        pixels.fill(rgbOf(EmptySlotColor));
    }
    takeScreen(std::move(pixels));
}

void ScreenPicker::ensureOverview() const {
    if (!m_overviewStale) return;
    m_overviewStale = false;
    ensureScreen();
    m_clean = stretchWithoutSmoothing(m_screen, m_screen.rect(), m_overviewRect.size());
    m_overview = m_clean;
}

// The outline of (x-4, y-3)..(x+4, y+3) in "not" mode. A pen draws each segment of a polyline
// without its end point, and the closing segment ends where the first began, so every outline
// pixel, corners included, is inverted exactly once and a second drawing restores the picture.
void ScreenPicker::drawMarker(int x, int y) {
    ensureOverview();
    if (m_overview.isNull()) return;
    auto invert = [this](int px, int py) {
        if (px < 0 || py < 0 || px >= m_overview.width() || py >= m_overview.height()) return;
        QRgb& p = reinterpret_cast<QRgb*>(m_overview.scanLine(py))[px];
        p = 0xFF000000u | (~p & 0xFFFFFFu);
    };
    for (int px = x - 4; px < x + 4; ++px)
        invert(px, y - 3); // top, left to right
    for (int py = y - 3; py < y + 3; ++py)
        invert(x + 4, py); // right, downwards
    for (int px = x + 4; px > x - 4; --px)
        invert(px, y + 3); // bottom, right to left
    for (int py = y + 3; py > y - 3; --py)
        invert(x - 4, py); // left, upwards
}

Color ScreenPicker::overviewPixel(int x, int y) const {
    ensureOverview();
    // Past the overview's edges (a drag held beyond them) the nearest edge pixel counts.
    const int px = std::clamp(x, 0, m_clean.width() - 1);
    const int py = std::clamp(y, 0, m_clean.height() - 1);
    return colorOf(m_clean.pixel(px, py));
}

void ScreenPicker::SelectFragment(int x, int y, bool pick) {
    ensureOverview();
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
    ensureOverview();
    if (m_clean.isNull()) return;
    HoverUpdate(overviewPixel(x, y));
    if (alone(buttons, modifiers, Qt::LeftButton))
        SelectFragment(x, y, false);
    else if (alone(buttons, modifiers, Qt::RightButton))
        SelectFragment(x, y, true);
}

void ScreenPicker::Arrow(ArrowDirection direction) {
    const int dx[] = {-m_step, 0, m_step, 0};
    const int dy[] = {0, -m_step, 0, m_step};
    OverviewPressed(Qt::LeftButton, m_fragmentX + dx[int(direction)],
                    m_fragmentY + dy[int(direction)]);
}

void ScreenPicker::RefreshMagnifier(int cx, int cy) {
    ensureOverview();
    if (m_screen.isNull() || m_overview.isNull()) return;
    // The overview keeps the screen's aspect, so one factor serves both axes.
    const long double k = (long double)m_screen.width() / m_overview.width();
    m_medium = stretchWithoutSmoothing(m_screen, MagnifierSource(cx, cy, k), MediumSize);
    m_large = replicate(m_medium, LargeSize.width() / MediumSize.width());
    emit changed(ChangedViews);
}

void ScreenPicker::showHover(Color c, bool indicator) {
    m_hover = c;
    emit changed(ChangedHover);
    if (indicator) emit hovered(c);
}

void ScreenPicker::HoverUpdate(Color c) {
    showHover(c, true);
}

void ScreenPicker::SetPickedColor(Color c) {
    m_picked = c;
    emit changed(ChangedPicked);
}

void ScreenPicker::SetStep(int step) {
    m_step = std::clamp(step, MinStep, MaxStep);
    if (m_step != step) emit changed(ChangedSpinEdits);
}

void ScreenPicker::MediumPressed(int x, int y) {
    if (!insideView(m_medium, x, y)) return;
    // A press shows the colour in the readout but leaves the window's indicator alone.
    const Color c = colorOf(m_medium.pixel(x, y));
    showHover(c, false);
    SetPickedColor(c);
}

void ScreenPicker::MediumMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x,
                               int y) {
    if (!insideView(m_medium, x, y)) return;
    HoverUpdate(colorOf(m_medium.pixel(x, y)));
    if (alone(buttons, modifiers, Qt::LeftButton)) MediumPressed(x, y);
}

void ScreenPicker::LargePressed(int x, int y) {
    if (insideView(m_large, x, y)) PickAveraged(x, y);
}

void ScreenPicker::LargeMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x,
                              int y) {
    if (!insideView(m_large, x, y)) return;
    HoverUpdate(colorOf(m_large.pixel(x, y)));
    if (alone(buttons, modifiers, Qt::LeftButton)) PickAveraged(x, y);
}

// The square is clipped to the view, not shifted, so near an edge fewer pixels count.
bool ScreenPicker::PickAveraged(int x, int y) {
    const auto fail = [this] {
        m_diameter = DefaultDiameter;
        emit changed(ChangedSpinEdits);
        return false;
    };
    if (m_diameter < MinDiameter || m_diameter > MaxDiameter) return fail();
    const std::optional<Color> average = AverageSquare(m_large, x, y, m_diameter);
    if (!average) return fail(); // a point far outside the view
    SetPickedColor(*average);
    return true;
}

} // namespace huebit
