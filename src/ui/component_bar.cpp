#include "ui/component_bar.h"

#include "ui/element_hint.h"
#include "ui/pointer_pixel.h"
#include "ui/qt_color.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

namespace huebit {

namespace {
constexpr Color TroughColor = RGB(250, 250, 255);
constexpr Color TroughEdge = RGB(150, 150, 190);
} // namespace

ComponentBar::ComponentBar(const QString& name, const QString& fillName, int width,
                           Color fillColor, QWidget* parent)
    : QWidget(parent), m_fillName(fillName), m_width(width), m_fillColor(fillColor) {
    setObjectName(name);
    MarkAsPanel(this);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(width, 12);
    // The trough paints its fill itself. The fill is still a panel of the layout inside the
    // trough, with a language-file line of its own after the trough's: it stands here, hidden.
    auto* fill = new QWidget(this);
    fill->setObjectName(fillName);
    MarkAsPanel(fill);
    fill->hide();
}

void ComponentBar::setFill(int fill) {
    if (fill == m_fill) return;
    m_fill = fill;
    update();
}

void ComponentBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), ToQColor(TroughColor));
    p.fillRect(0, 0, m_fill, height(), ToQColor(m_fillColor));
    p.setPen(ToQColor(TroughEdge));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ComponentBar::mousePressEvent(QMouseEvent* event) {
    emit pointerDown(PixelAt(event, this).x(), event->button());
    event->accept();
}

void ComponentBar::mouseMoveEvent(QMouseEvent* event) {
    emit pointerMoved(PixelAt(event, this).x(), event->buttons(), event->modifiers());
    event->accept();
}

void ComponentBar::mouseReleaseEvent(QMouseEvent* event) {
    emit pointerUp(PixelAt(event, this).x(), event->button());
    event->accept();
}

void ComponentBar::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) emit languageChanged();
    QWidget::changeEvent(event);
}

} // namespace huebit
