#include "ui/sample_view.h"

#include "ui/qt_color.h"

#include <QMouseEvent>
#include <QPainter>

namespace huebit {

QFont SampleFont() {
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(19);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

SampleView::SampleView(const QString& name, QWidget* parent) : QFrame(parent) {
    setObjectName(name);
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setFont(SampleFont());
}

void SampleView::showSample(Color background, Color text, const QString& caption) {
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
    emit doubleClicked();
    event->accept();
}

void SampleView::mousePressEvent(QMouseEvent* event) { event->accept(); }

} // namespace huebit
