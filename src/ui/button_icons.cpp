#include "ui/button_icons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <map>
#include <tuple>

namespace huebit {

namespace {

// Drawn on a 20 × 20 grid; straight edges lie on whole units, one-unit lines on half units, so
// they fall on pixel boundaries at 20 and 40 pixels.
constexpr qreal Grid = 20;
const QColor Ink(48, 48, 96);
const QColor Paper(255, 255, 255);
const QColor Violet(136, 87, 249); // the sample's background at start
const QColor Amber(255, 201, 73);  // and its text colour
const QColor DeepAmber(222, 146, 16);

void floatingPanel(QPainter& p) {
    // A screen with the panel standing out of it, shadow and all.
    p.setPen(QPen(QColor(48, 48, 96, 120), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 1.5, 15, 12));
    p.fillRect(QRectF(7, 9, 12, 9), QColor(0, 0, 0, 60));
    p.setPen(QPen(Ink, 1));
    p.setBrush(Violet);
    p.drawRect(QRectF(5.5, 7.5, 12, 9));
    p.fillRect(QRectF(8, 11, 7, 2), Amber);
}

void arrow(QPainter& p, qreal y, bool right, const QColor& colour) {
    // Shaft two units thick with a head of eight units' span.
    const qreal tip = right ? 18 : 2, base = right ? 12 : 8;
    const qreal tail = right ? 2 : 18;
    QPainterPath path;
    path.moveTo(tail, y - 1);
    path.lineTo(base, y - 1);
    path.lineTo(base, y - 4);
    path.lineTo(tip, y);
    path.lineTo(base, y + 4);
    path.lineTo(base, y + 1);
    path.lineTo(tail, y + 1);
    path.closeSubpath();
    p.fillPath(path, colour);
}

void swapColors(QPainter& p) {
    arrow(p, 6, true, Violet);
    arrow(p, 14, false, DeepAmber);
}

void sampleText(QPainter& p) {
    p.setPen(QPen(Ink, 1));
    p.setBrush(Violet);
    p.drawRect(QRectF(2.5, 2.5, 15, 15));
    p.fillRect(QRectF(6, 6, 8, 2), Amber); // a "T" in the text colour
    p.fillRect(QRectF(9, 8, 2, 7), Amber);
}

void clipboard(QPainter& p) {
    p.setPen(QPen(Ink, 1));
    p.setBrush(Paper);
    p.drawRoundedRect(QRectF(3.5, 3.5, 13, 15), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawRoundedRect(QRectF(7, 1.5, 6, 4), 1, 1);
}

void copyText(QPainter& p) {
    clipboard(p);
    for (auto [y, w] : {std::pair{8, 8}, {11, 6}, {14, 8}})
        p.fillRect(QRectF(6, y, w, 1), Ink);
}

void copyBitmap(QPainter& p) {
    clipboard(p);
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            p.fillRect(QRectF(6 + 2 * col, 8 + 2 * row, 2, 2), (row + col) % 2 ? Amber : Violet);
        }
    }
}

void copyVector(QPainter& p) {
    clipboard(p);
    QPainterPath curve;
    curve.moveTo(6.5, 15.5);
    curve.cubicTo(6.5, 8, 13.5, 16, 13.5, 8.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Violet, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(curve);
    p.fillRect(QRectF(5, 14, 3, 3), Ink); // the curve's end handles
    p.fillRect(QRectF(12, 7, 3, 3), Ink);
}

QPixmap draw(ButtonIcon which, int size, qreal ratio) {
    QPixmap pixmap(QSize(size, size) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / Grid, size / Grid);
    switch (which) {
    case ButtonIcon::FloatingPanel:
        floatingPanel(p);
        break;
    case ButtonIcon::SwapColors:
        swapColors(p);
        break;
    case ButtonIcon::SampleText:
        sampleText(p);
        break;
    case ButtonIcon::CopyText:
        copyText(p);
        break;
    case ButtonIcon::CopyBitmap:
        copyBitmap(p);
        break;
    case ButtonIcon::CopyVector:
        copyVector(p);
        break;
    }
    return pixmap;
}

// Draws a picture at the size a button asks for when it first paints at that size, instead of
// every size the screens might need while the window is still being made.
class DrawnIconEngine final : public QIconEngine {
public:
    explicit DrawnIconEngine(ButtonIcon which) : m_which(which) {}

    QIconEngine* clone() const override { return new DrawnIconEngine(m_which); }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const int side = std::min(size.width(), size.height());
        if (side <= 0) return {};
        const auto key = std::make_tuple(side, mode);
        if (const auto it = m_drawn.find(key); it != m_drawn.end()) return it->second;
        QPixmap picture = draw(m_which, side, 1);
        // Greyed as Qt greys any other icon's picture for a disabled button.
        if (mode == QIcon::Disabled || mode == QIcon::Selected) {
            QStyleOption option;
            option.palette = QApplication::palette();
            picture = QApplication::style()->generatedIconPixmap(mode, picture, &option);
        }
        return m_drawn.emplace(key, picture).first->second;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        QPixmap picture = pixmap(rect.size() * ratio, mode, state);
        picture.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect.topLeft(), picture);
    }

private:
    ButtonIcon m_which;
    std::map<std::tuple<int, QIcon::Mode>, QPixmap> m_drawn;
};

} // namespace

QIcon DrawButtonIcon(ButtonIcon which) {
    return QIcon(new DrawnIconEngine(which));
}

} // namespace huebit
