#pragma once
// The colour indicator following the pointer over the selection page's elements and the bottom
// bar, by each element's rule (output/status_hints.h), over the RGB bars, and over the screen
// page's views. Palettes, strips, markers and matching swatches set it under their own rules.

class QWidget;

namespace huebit {

class ColorModel;
class ComponentEditing;
class PalettePicking;
class ScreenPicker;
class SelectionPage;

void WireIndicatorFollow(SelectionPage& page, QWidget& bottomBar, const ColorModel& model,
                         ComponentEditing& editing, PalettePicking& picking, ScreenPicker& screen);

} // namespace huebit
