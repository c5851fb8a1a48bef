#include "ui/color_swatch.h"

#include "ui/element_hint.h"
#include "ui/qt_color.h"

#include <QMouseEvent>
#include <QPainter>

namespace huebit {

ColorSwatch::ColorSwatch(const QString& name, const QString& hint, QWidget* parent)
    : QFrame(parent) {
    setObjectName(name);
    MarkAsPanel(this);
    SetElementHint(this, hint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void ColorSwatch::setColor(Color c) {
    if (c == m_color) return;
    m_color = c;
    update();
}

void ColorSwatch::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        painter.fillRect(rect(), ToQColor(m_color));
    }
    QFrame::paintEvent(event);
}

void ColorSwatch::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->button());
    event->accept();
}

void ColorSwatch::mouseMoveEvent(QMouseEvent* event) {
    emit hovered();
    event->accept();
}

void ColorSwatch::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit doubleClicked();
    event->accept();
}

} // namespace huebit
