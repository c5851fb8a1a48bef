#pragma once
// The text line: the colour in the active notation. It tells when it gains or loses the
// keyboard focus, because it shows the zero-padded form exactly while it has the focus.

#include <QLineEdit>

namespace huebit {

class TextLine : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

signals:
    void focusEntered();
    void focusLeft();

protected:
    void focusInEvent(QFocusEvent* event) override {
        emit focusEntered();
        QLineEdit::focusInEvent(event);
    }
    void focusOutEvent(QFocusEvent* event) override {
        QLineEdit::focusOutEvent(event);
        emit focusLeft();
    }
};

} // namespace huebit
