#pragma once
// Connects the selection page's palettes, markers, strips and matching colours to the pickers.

#include <functional>

class QMenu;
class QString;

namespace huebit {

class ColorDialog;
class ColorModel;
class NamedColorPicking;
class PalettePicking;
class SelectionPage;
class SwatchPicking;

struct PaletteWiring {
    SelectionPage& page;
    ColorModel& model;
    PalettePicking& palettes;
    SwatchPicking& swatches;
    NamedColorPicking& namedColors;
    /// Opens the colour dialog of the "Win " page; returns the dialog to use.
    std::function<ColorDialog&()> colorDialog;
    /// Writes the status line.
    std::function<void(const QString&)> showStatus;
};

/// Registers the palette elements with the picker and connects every pickable view; returns
/// the user palette's menu.
QMenu* WirePalettes(const PaletteWiring& w);

} // namespace huebit
