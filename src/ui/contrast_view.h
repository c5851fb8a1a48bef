#pragma once
// The contrast readout: a small plate in the sample's lower right corner with the WCAG 2 ratio
// over the APCA Lc of the sample's text on its background; two short lines keep it clear of the
// centred caption, and at a font too large for two lines they share one. The full figures are its
// hint (the status line shows them while the pointer rests on it) and its accessible description.
//
// It is drawn, not a label: a label would take a line of a language file and shift every
// caption after it.

#include "core/color.h"

#include <QWidget>

namespace huebit {

class ContrastView : public QWidget {
    Q_OBJECT
public:
    /// The plate's distance from the sample's edges.
    static constexpr int Inset = 2;

    explicit ContrastView(QWidget* sample);

    /// Shows the pair's figures and sizes the plate to them in the lower right corner.
    void showPair(Color text, Color background);
    const QString& text() const { return m_text; }
    QSize sizeHint() const override;
    /// Places the plate again after the sample was resized.
    void fitToSample() { place(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void place();
    bool twoLines() const;

    QString m_text;
    Color m_textColor = 0;
    Color m_background = 0;
    QString m_ratio;
    QString m_lc;
};

} // namespace huebit
