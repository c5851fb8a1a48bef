#pragma once
// The "Экран " page: the reduced screen image with its marker, the magnified views with the
// arrow cross, the current and chosen readouts, the step and diameter edits, the copy buttons,
// " Применить" and "Обновить ".

#include "ui/lazy_page.h"

#include <array>

class QGroupBox;
class QLabel;
class QLayout;
class QSpinBox;
class QToolButton;
class QPushButton;

namespace huebit {

class ColorSwatch;
class ImageView;

class ScreenPage : public LazyPage {
    Q_OBJECT
public:
    /// The captioned elements among the controls.
    static constexpr int CaptionCount = 29;

    /// The controls are made when first needed (LazyPage).
    explicit ScreenPage(QWidget* parent = nullptr);

    QGroupBox* areaGroup = nullptr;   // " Выберите участок "
    ImageView* Image14 = nullptr;     // the overview
    QGroupBox* colorGroup = nullptr;  // " Выберите цвет "
    ImageView* Image15 = nullptr;     // large view 160 x 120
    ImageView* Image16 = nullptr;     // medium view 40 x 30
    std::array<QToolButton*, 4> arrows{}; // left, up, right, down
    ColorSwatch* Panel61 = nullptr;   // hover readout swatch
    ColorSwatch* Panel62 = nullptr;   // chosen readout swatch
    std::array<QLabel*, 3> hoverLabels{};
    std::array<QLabel*, 3> pickedLabels{};
    QSpinBox* SpinEdit1 = nullptr;    // "Сдвижка" 1-30
    QSpinBox* SpinEdit2 = nullptr;    // "Диаметр" 1-200
    std::array<QToolButton*, 3> copyButtons{}; // text, bitmap, vector
    QPushButton* applyButton = nullptr;   // " Применить"
    QPushButton* refreshButton = nullptr; // "Обновить "
    QToolButton* saveButton = nullptr;    // hidden

    /// Places the overview as a capture fitted it, in the group box's coordinates.
    void placeOverview(QRect geometry);

    /// The height its controls take at the interface font now; the width is the layout's.
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize minimumSizeHint() const override;

protected:
    void makeControls() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildAreaGroup();
    void buildColorGroup();
    QLayout* buildReadouts(QWidget* side);
    QWidget* buildArrowCross(QWidget* side);
    QLayout* buildSpinEdits(QWidget* side);
    void buildButtons();
    /// The layout's places, or at a font too large for them a wider colour group with the copy
    /// buttons moved down beside " Применить" and "Обновить ".
    void placeForFont();

    QWidget* m_side = nullptr;
};

} // namespace huebit
