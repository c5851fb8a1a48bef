#pragma once
// A component bar: an outer trough with an inner fill from its left edge. Pointer positions are
// reported from that common left edge.

#include "core/color.h"

#include <QWidget>

namespace huebit {

class ComponentBar : public QWidget {
    Q_OBJECT
public:
    /// `name` is the trough's element name, `fillName` the fill's.
    ComponentBar(const QString& name, const QString& fillName, int width, Color fillColor,
                 QWidget* parent);

    void setFill(int fill);
    int fill() const { return m_fill; }
    int barWidth() const { return m_width; }
    const QString& fillName() const { return m_fillName; }

signals:
    void pointerDown(int x, Qt::MouseButton button);
    void pointerMoved(int x, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void pointerUp(int x, Qt::MouseButton button);
    /// The interface language has changed: the bar's name is another text now.
    void languageChanged();

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString m_fillName;
    int m_width;
    Color m_fillColor;
    int m_fill = 0;
};

} // namespace huebit
