#pragma once
// The small pictures on the sample's buttons, drawn in code so they stay sharp at any size.

#include <QIcon>

namespace huebit {

enum class ButtonIcon { FloatingPanel, SwapColors, SampleText, CopyText, CopyBitmap, CopyVector };

/// The picture at `size` × `size` logical pixels, with a double-density copy for dense screens.
QIcon DrawButtonIcon(ButtonIcon which, int size);

} // namespace huebit
