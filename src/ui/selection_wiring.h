#pragma once
// Connects the selection page's controls to the model: each event becomes one model call.

namespace huebit {

class ColorModel;
class ComponentEditing;
class SelectionPage;

void WireSelectionPage(SelectionPage& page, ColorModel& model, ComponentEditing& editing);

} // namespace huebit
