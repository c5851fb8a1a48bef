#pragma once
// The text line: the colour in the active notation. It tells when it gains or loses the
// keyboard focus, because it shows the zero-padded form exactly while it has the focus.

#include <QLineEdit>

namespace huebit {

class TextLine : public QLineEdit {
    Q_OBJECT
public:
    explicit TextLine(QWidget* parent = nullptr);

signals:
    void focusEntered();
    void focusLeft();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool ownsActivePopup() const;

    // Whether focusEntered was the last of the two told, so a return from our own context
    // menu is not told again.
    bool m_focusTold = false;
};

/// Lifts QLineEdit's 32,767-character cut, so a long pasted value is read whole.
void LiftLengthLimit(QLineEdit* edit);

} // namespace huebit
