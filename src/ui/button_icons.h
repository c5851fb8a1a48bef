#pragma once
// The small pictures on the sample's buttons, drawn in code so they stay sharp at any size.

#include <QIcon>

namespace huebit {

enum class ButtonIcon { FloatingPanel, SwapColors, SampleText, CopyText, CopyBitmap, CopyVector };

/// The picture, drawn at each size and density a button paints it at, when it first does.
QIcon DrawButtonIcon(ButtonIcon which);

} // namespace huebit
