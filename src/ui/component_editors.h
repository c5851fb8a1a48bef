#pragma once
// The component editors' page control: RGB bars with their swatches, greys and fields, and the
// HSV bars with their fields. Each page makes its controls when it first shows (or once the
// window has been painted); until then its controls below are null.

#include "core/color_model.h"

#include <QTabWidget>
#include <array>

class QLineEdit;

namespace huebit {

class ColorSwatch;
class ComponentBar;
class LazyPage;
class PressButton;

class ComponentEditors : public QTabWidget {
    Q_OBJECT
public:
    ComponentEditors(const ColorModel& model, QWidget* parent);

    /// Shows the model's state on the pages made; a page made later shows it then.
    void refresh(unsigned what);

    LazyPage* rgbPage = nullptr;
    LazyPage* hsvPage = nullptr;

    // Red, green, blue; then hue, saturation, value.
    std::array<ComponentBar*, 3> rgbBars{};
    std::array<ComponentBar*, 3> hsvBars{};
    std::array<PressButton*, 6> minButtons{};
    std::array<PressButton*, 6> maxButtons{};
    std::array<QLineEdit*, 3> decimalEdits{}; // RdEdit, GdEdit, BdEdit
    std::array<QLineEdit*, 3> hexEdits{};     // RhEdit, GhEdit, BhEdit
    std::array<QLineEdit*, 3> hsvEdits{};     // Edit3, Edit5, Edit7
    std::array<ColorSwatch*, 3> swatches{};   // RPanel, GPanel, BPanel
    std::array<ColorSwatch*, 3> greys{};      // Panel36, Panel37, Panel38

private:
    void buildRgbPage(QWidget* page);
    void buildHsvPage(QWidget* page);
    const ColorModel& m_model;
};

} // namespace huebit
