#include "ui/sample_view.h"

#include "ui/element_hint.h"
#include "ui/qt_color.h"
#include "ui/qt_font.h"

#include <QMouseEvent>
#include <QPainter>

namespace huebit {

QFont SampleFont() { return ToQFont(DefaultSampleFont()); }

SampleView::SampleView(const QString& name, QWidget* parent) : QFrame(parent) {
    setObjectName(name);
    // A panel like the swatches: a language file's line for it does not replace the sample text.
    MarkAsPanel(this);
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setMouseTracking(true);
    m_font = DefaultSampleFont();
    setFont(SampleFont());
}

void SampleView::showSample(Color background, Color text, const QString& caption,
                            const FontSpec& font) {
    if (font != m_font) {
        m_font = font;
        setFont(ToQFont(font));
    }
    if (background == m_background && text == m_text && caption == m_caption) return;
    m_background = background;
    m_text = text;
    m_caption = caption;
    update();
}

void SampleView::paintEvent(QPaintEvent* event) {
    {
        QPainter p(this);
        p.fillRect(contentsRect(), ToQColor(m_background));
        p.setPen(ToQColor(m_text));
        p.drawText(contentsRect(), Qt::AlignCenter, m_caption);
    }
    QFrame::paintEvent(event);
}

void SampleView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit doubleClicked();
    event->accept();
}

// Taken, so a press on the sample never drags the window.
void SampleView::mousePressEvent(QMouseEvent* event) { event->accept(); }

void SampleView::mouseMoveEvent(QMouseEvent* event) {
    emit hovered();
    event->accept();
}

} // namespace huebit
