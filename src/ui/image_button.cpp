#include "ui/image_button.h"

#include "ui/decoration.h"
#include "ui/element_hint.h"

#include <QMouseEvent>

namespace huebit {

ImageButton::ImageButton(const QString& name, const QString& hint, const char* picture,
                         QWidget* parent)
    : QLabel(parent) {
    setObjectName(name);
    SetElementHint(this, hint);
    ShowDecoration(this, picture);
    MarkAsPicture(this);
    setCursor(Qt::PointingHandCursor);
}

void ImageButton::mousePressEvent(QMouseEvent* event) {
    m_pressed = true;
    event->accept();
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event) {
    const bool inside = rect().contains(event->position().toPoint());
    if (m_pressed && inside) emit clicked(event->button());
    m_pressed = false;
    event->accept();
}

void ImageButton::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit doubleClicked();
    event->accept();
}

void ImageButton::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() == Qt::LeftButton && event->modifiers() == Qt::NoModifier) {
        m_pressed = false;
        emit dragged();
    }
    event->accept();
}

} // namespace huebit
