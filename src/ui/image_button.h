#pragma once
// A flat picture that acts as a button (title-strip icons, the About icon). It takes the press,
// so pressing it does not drag the window.

#include <QLabel>

namespace huebit {

class ImageButton : public QLabel {
    Q_OBJECT
public:
    /// `picture` names the decoration it shows ("close.png"), drawn for its screen.
    ImageButton(const QString& name, const QString& hint, const char* picture, QWidget* parent);

signals:
    void clicked(Qt::MouseButton button);
    /// A double click of the primary button.
    void doubleClicked();
    /// The pointer moved over it with exactly the primary button held.
    void dragged();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace huebit
