#include "output/clipboard_sample.h"

#include "core/component_text.h"
#include "core/text_template.h"

#include <QBuffer>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <utility>

namespace huebit {

namespace {

QColor qColor(Color c) {
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

// Qt writes the frame in millimetres, which readers turn back into pixels at 90 or 96 per inch
// as they please; a size without units is pixels to all of them.
void sizeInPixels(QByteArray& svg, QSize size) {
    static const QRegularExpression frame(QStringLiteral(R"(<svg width="[^"]*" height="[^"]*")"));
    const QString text = QString::fromUtf8(svg);
    const QRegularExpressionMatch m = frame.match(text);
    if (!m.hasMatch()) return;
    const QString inPixels =
        QStringLiteral(R"(<svg width="%1" height="%2")").arg(size.width()).arg(size.height());
    svg = (text.left(m.capturedStart()) + inPixels + text.mid(m.capturedEnd())).toUtf8();
}

} // namespace

QImage MakeSampleBitmap(Color c, QSize size, bool contour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    // The rectangle's right and bottom edges are exclusive: with the contour it ends one short.
    const QSize coloured = contour ? size - QSize(1, 1) : size;
    QPainter p(&image);
    p.fillRect(QRect(QPoint(0, 0), coloured), qColor(c));
    return image;
}

QByteArray MakeSampleSvg(Color c, QSize size, bool contour) {
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(QStringLiteral("Huebit colour sample"));
    {
        QPainter p(&svg);
        QPen pen(qColor(c));
        pen.setWidth(contour ? 1 : 0); // 0: a cosmetic pen, one device pixel at any zoom
        p.setPen(pen);
        p.setBrush(qColor(c));
        // One past the frame at the right and bottom: the outline there falls outside it.
        p.drawRect(QRectF(0, 0, size.width() + 1, size.height() + 1));
    }
    QByteArray bytes = out.data();
    sizeInPixels(bytes, size);
    return bytes;
}

QString PickedColorText(const QString& entry, Color c) {
    const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
    const HsvReadout hsv = HsvReadoutOf(RgbToHsv(r, g, b));
    // Not the text line's order: the HSV values go in before the hexadecimal ones.
    const std::pair<const char*, QString> values[] = {
        {"dR", DecimalText(r)},     {"dG", DecimalText(g)},     {"dB", DecimalText(b)},
        {"dH", DecimalText(hsv.h)}, {"dS", DecimalText(hsv.s)}, {"dV", DecimalText(hsv.v)},
        {"hR", HexText(r)},         {"hG", HexText(g)},         {"hB", HexText(b)},
    };
    QString t = TemplateForRendering(entry);
    for (const auto& [name, value] : values) {
        const qsizetype at = t.indexOf(QLatin1String(name));
        if (at >= 0) t.replace(at, 2, value);
    }
    return t;
}

} // namespace huebit
