#include "ui/readout_group.h"

#include "ui/color_swatch.h"

#include <QEvent>
#include <QLabel>
#include <algorithm>

namespace huebit {

namespace {

// At the layout's font the group is 84 (or 94) x 56, labels at rows 12, 25 and 39, the swatch
// 40 x 34 at row 15; these are the measures the font scales from.
constexpr int SwatchWidth = 40;
constexpr int MinSwatchWidth = 12;
constexpr int LabelInset = 4; // labels from the group's edge on the swatch-right side
constexpr int Gap = 3;        // between labels and swatch
constexpr int Edge = 2;       // the frame line and a pixel inside it

} // namespace

ReadoutGroup::ReadoutGroup(const QString& title, ColorSwatch* swatch, SwatchSide side,
                           QWidget* parent)
    : QGroupBox(title, parent), m_swatch(swatch), m_side(side) {
    // Children in the order the layout lists them, left to right (the caption walk follows it).
    if (side == SwatchSide::Left) swatch->setParent(this);
    const char* names[] = {"R=", "G=", "B="};
    for (int i = 0; i < 3; ++i) {
        m_labels[i] = new QLabel(QString::fromLatin1(names[i]), this);
        m_labels[i]->setAccessibleName(m_labels[i]->text());
    }
    if (side == SwatchSide::Right) swatch->setParent(this);
    place();
}

int ReadoutGroup::labelWidth() const {
    const QFontMetrics fm = m_labels[0]->fontMetrics();
    int widest = 0;
    for (const char* text : {"R= 255", "G= 255", "B= 255"}) {
        const QString widestText = QString::fromLatin1(text);
        widest = std::max(widest, fm.boundingRect(QRect(), Qt::TextSingleLine, widestText).width());
    }
    for (const QLabel* l : m_labels)
        widest = std::max(widest, l->sizeHint().width());
    return widest;
}

// A label may ask a pixel more than the font's line (its text's ink reaches lower at some sizes).
int ReadoutGroup::lineHeight() const {
    int line = m_labels[0]->fontMetrics().height();
    for (const QLabel* l : m_labels)
        line = std::max(line, l->sizeHint().height());
    return line;
}

// The title sits on the frame line; the first label starts just below it.
int ReadoutGroup::labelsTop() const {
    return std::max(12, fontMetrics().height() - 1);
}

QSize ReadoutGroup::sizeHint() const {
    const int labels = labelWidth();
    const int width = m_side == SwatchSide::Right ? LabelInset + labels + Gap + SwatchWidth + Edge
                                                  : Edge + SwatchWidth + Gap + labels + Gap;
    const int height = labelsTop() + 3 * lineHeight() + 1 + 4;
    return {std::max(width, captionWidth()), height};
}

QSize ReadoutGroup::minimumSizeHint() const {
    const QSize full = sizeHint();
    const int narrowed = full.width() - (SwatchWidth - MinSwatchWidth);
    return {std::max(narrowed, captionWidth()), full.height()};
}

int ReadoutGroup::captionWidth() const {
    return fontMetrics().horizontalAdvance(title()) + 16;
}

bool ReadoutGroup::event(QEvent* event) {
    // A label's new font or text asks its parent for a new layout; the group has no QLayout, so
    // it answers itself and tells its own parent that its size hint moved.
    if (event->type() == QEvent::LayoutRequest || event->type() == QEvent::FontChange ||
        event->type() == QEvent::Polish) {
        const bool handled = QGroupBox::event(event);
        place();
        updateGeometry();
        return handled;
    }
    return QGroupBox::event(event);
}

void ReadoutGroup::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    place();
}

void ReadoutGroup::place() {
    const int line = lineHeight();
    const int top = labelsTop();
    const int labels = labelWidth();
    // Rows 12, 25, 39 at a 13-pixel line: the last label a pixel lower, as the layout has it.
    const int rows[] = {top, top + line, top + 2 * line + 1};
    const int swatchTop = top + 3;
    const int swatchHeight = 3 * line + 1 - 6;
    if (m_side == SwatchSide::Right) {
        const int left = LabelInset + labels + Gap;
        m_swatch->setGeometry(left, swatchTop, std::max(MinSwatchWidth, width() - Edge - left),
                              swatchHeight);
        for (int i = 0; i < 3; ++i)
            m_labels[i]->setGeometry(LabelInset, rows[i], labels, line);
    } else {
        const int swatch =
            std::clamp(width() - Edge - Gap - labels - Gap, MinSwatchWidth, SwatchWidth);
        m_swatch->setGeometry(Edge, swatchTop, swatch, swatchHeight);
        const int left = Edge + swatch + Gap;
        for (int i = 0; i < 3; ++i)
            m_labels[i]->setGeometry(left, rows[i], labels, line);
    }
}

} // namespace huebit
