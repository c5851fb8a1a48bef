#pragma once
// The sample: a framed area in the background colour with the caption centred in the text
// colour and the sample font. The floating panel's face is one too.

#include "core/color.h"
#include "core/font_spec.h"

#include <QFrame>

namespace huebit {

class SampleView : public QFrame {
    Q_OBJECT
public:
    SampleView(const QString& name, QWidget* parent);

    void showSample(Color background, Color text, const QString& caption, const FontSpec& font);
    Color background() const { return m_background; }
    Color textColor() const { return m_text; }
    const QString& caption() const { return m_caption; }

signals:
    /// A double click of the primary button.
    void doubleClicked();
    /// The pointer moved over it.
    void hovered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    Color m_background = 0;
    Color m_text = 0;
    QString m_caption;
    FontSpec m_font;
};

/// Tahoma, 19 pixels high: the sample's face in the layout (the closest installed sans-serif
/// face stands in where Tahoma is not installed).
QFont SampleFont();

} // namespace huebit
