#pragma once
// A colour readout of the screen page (" Текущий ", " Выбранный "): a swatch and the labels
// "R=", "G=", "B=", the swatch on the right or the left. The group places them from the labels'
// font, so a three-digit readout never runs under the swatch, and its size hint follows the
// font, so a font change re-flows the page instead of clipping.

#include <QGroupBox>
#include <array>

class QLabel;

namespace huebit {

class ColorSwatch;

class ReadoutGroup : public QGroupBox {
    Q_OBJECT
public:
    enum class SwatchSide { Left, Right };

    ReadoutGroup(const QString& title, ColorSwatch* swatch, SwatchSide side, QWidget* parent);

    const std::array<QLabel*, 3>& labels() const { return m_labels; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    /// Room for the widest readout, "G= 255", in the labels' font.
    int labelWidth() const;
    int lineHeight() const;
    /// The title with the room the frame line leaves either side of it.
    int captionWidth() const;
    int labelsTop() const;
    void place();

    ColorSwatch* m_swatch;
    SwatchSide m_side;
    std::array<QLabel*, 3> m_labels{};
};

} // namespace huebit
