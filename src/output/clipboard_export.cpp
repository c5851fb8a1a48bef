#include "output/clipboard_export.h"

#include "core/component_text.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

namespace huebit {

namespace {

QColor qColor(Color c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

} // namespace

QImage MakeSampleBitmap(Color c, QSize size, bool contour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    // Right and bottom edges are exclusive: with the contour the rectangle ends one short.
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
        pen.setWidth(contour ? 1 : 0);
        p.setPen(pen);
        p.setBrush(qColor(c));
        p.drawRect(QRectF(0, 0, size.width() + 1, size.height() + 1));
    }
    return out.data();
}

QString PickedColorText(const QString& entry, Color c) {
    const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
    const HsvReadout hsv = HsvReadoutOf(RgbToHsv(r, g, b));
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

void ClipboardExport::CopySampleBitmap() {
    m_clipboard.setBitmap(
        MakeSampleBitmap(m_model.ColorFromBars(), m_options.sampleSize(), m_options.contour));
}

void ClipboardExport::CopySampleMetafile() {
    m_clipboard.setVector(
        MakeSampleSvg(m_model.ColorFromBars(), m_options.sampleSize(), m_options.contour));
}

void ClipboardExport::CopyPickedText(Color picked) {
    m_clipboard.setText(PickedColorText(m_model.Templates().activeEntry(), picked));
}

void ClipboardExport::CopyPickedBitmap(Color picked) {
    // The screen page's bitmap is always fully coloured.
    m_clipboard.setBitmap(MakeSampleBitmap(picked, m_options.sampleSize(), false));
}

void ClipboardExport::CopyPickedMetafile(Color picked) {
    m_clipboard.setVector(MakeSampleSvg(picked, m_options.sampleSize(), m_options.contour));
}

} // namespace huebit
