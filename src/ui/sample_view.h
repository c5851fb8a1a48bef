#pragma once
// The sample: a framed area in the background colour with the caption centred in the text colour.

#include "core/color.h"

#include <QFrame>

namespace huebit {

class SampleView : public QFrame {
    Q_OBJECT
public:
    SampleView(const QString& name, QWidget* parent);

    void showSample(Color background, Color text, const QString& caption);
    Color background() const { return m_background; }
    Color textColor() const { return m_text; }
    const QString& caption() const { return m_caption; }

signals:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    Color m_background = 0;
    Color m_text = 0;
    QString m_caption;
};

/// Tahoma, 19 pixels high: the sample's face (a metric-compatible face stands in where Tahoma
/// is not installed).
QFont SampleFont();

} // namespace huebit
