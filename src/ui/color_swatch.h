#pragma once
// A solid colour panel: component swatches, greys, markers, matching colours.

#include "core/color.h"

#include <QFrame>

namespace huebit {

class ColorSwatch : public QFrame {
    Q_OBJECT
public:
    ColorSwatch(const QString& name, const QString& hint, QWidget* parent);

    void setColor(Color c);
    Color color() const { return m_color; }

signals:
    void pressed(Qt::MouseButton button);
    void hovered();
    /// A double click of the primary button.
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    Color m_color = EmptySlotColor;
};

} // namespace huebit
