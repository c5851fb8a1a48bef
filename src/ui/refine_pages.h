#pragma once
// The refinement page set: refinement palette, saturation strip, markers and grey palette; the
// gradient; the matching colours.

#include "core/color_model.h"

#include <QTabWidget>

class QCheckBox;
class QToolButton;

namespace huebit {

class ColorSwatch;
class PixelBufferView;

class RefinePages : public QTabWidget {
    Q_OBJECT
public:
    RefinePages(const ColorModel& model, const PixelBuffer& greyPalette, QWidget* parent);

    void refresh(unsigned what);

    PixelBufferView* bPalImage2 = nullptr; // refinement palette
    PixelBufferView* Image6 = nullptr;     // saturation strip
    ColorSwatch* Panel18 = nullptr;        // black marker
    ColorSwatch* Panel20 = nullptr;        // white marker
    ColorSwatch* Panel19 = nullptr;        // current marker
    ColorSwatch* Panel21 = nullptr;        // grey marker
    PixelBufferView* cPalImage1 = nullptr; // grey palette
    PixelBufferView* Image3 = nullptr;     // gradient
    QToolButton* gradientStartButton = nullptr;
    QToolButton* gradientEndButton = nullptr;
    QCheckBox* CheckBox2 = nullptr;        // gradient auto-substitution
    ColorSwatch* Panel16 = nullptr;        // matching colours' frame
    ColorSwatch* Panel15 = nullptr;        // main
    ColorSwatch* Panel12 = nullptr;        // complement
    ColorSwatch* Panel13 = nullptr;        // main plus grey
    ColorSwatch* Panel17 = nullptr;        // complement plus grey

    /// Left edge of the marker column and of the grey marker, in the page.
    static constexpr int MarkerLeft = 80;
    static constexpr int GreyMarkerLeft = 86;

private:
    QWidget* buildRefinePage(const PixelBuffer& greyPalette);
    QWidget* buildGradientPage();
    QWidget* buildMatchingPage();
    void placeMarker(ColorSwatch* marker, const StripMarker& m, int left);

    const ColorModel& m_model;
};

} // namespace huebit
