#include "ui/text_line.h"

#include <QApplication>
#include <QFocusEvent>
#include <limits>

namespace huebit {

TextLine::TextLine(QWidget* parent) : QLineEdit(parent) {
    LiftLengthLimit(this);
}

void TextLine::focusInEvent(QFocusEvent* event) {
    if (!m_focusTold) {
        m_focusTold = true;
        emit focusEntered();
    }
    QLineEdit::focusInEvent(event);
}

void TextLine::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Our own context menu takes the focus only for a moment: re-rendering the line for it would
    // throw away what the user is typing.
    if (event->reason() == Qt::PopupFocusReason && ownsActivePopup()) return;
    m_focusTold = false;
    emit focusLeft();
}

bool TextLine::ownsActivePopup() const {
    // A popup is a window of its own, so isAncestorOf does not reach it; walk up by hand.
    for (const QWidget* w = QApplication::activePopupWidget(); w; w = w->parentWidget()) {
        if (w == this) return true;
    }
    return false;
}

void LiftLengthLimit(QLineEdit* edit) {
    edit->setMaxLength(std::numeric_limits<int>::max());
}

} // namespace huebit
