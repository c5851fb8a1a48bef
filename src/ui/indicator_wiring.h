#pragma once
// Which colour the indicator takes while the pointer moves over the selection page's elements
// and the bottom bar. Palettes, strips, markers and matching swatches set it under their own
// rules elsewhere; this covers the component editors, the sample and the neutral areas.

class QWidget;

namespace huebit {

class ColorModel;
class ComponentEditing;
class PalettePicking;
class ScreenPicker;
class SelectionPage;

void WireIndicatorFollow(SelectionPage& page, QWidget& bottomBar, const ColorModel& model,
                         ComponentEditing& editing, PalettePicking& picking,
                         ScreenPicker& screen);

} // namespace huebit
