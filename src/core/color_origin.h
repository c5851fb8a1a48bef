#pragma once

namespace huebit {

/// Where a colour change comes from; it decides which costly or history-changing steps of
/// ApplyColor run. The value 1 is not used.
enum ColorOrigin : int {
    coNormal = 0,       ///< committed change from anywhere
    coRefinePick = 2,   ///< release over the refinement palette or saturation strip
    coHsvPick = 3,      ///< click or release on an HSV bar, Enter in an HSV field
    coDrag = 4,         ///< live drag over a palette or RGB bar; target selection
    coHsvDrag = 5,      ///< live drag of an HSV bar
    coRefineDrag = 6,   ///< live drag over the refinement palette or saturation strip
    coGradientDrag = 7, ///< live drag over the gradient
    coGradientPick = 8, ///< release over the gradient
};

/// Which colour of the sample the current colour is.
enum class ColorTarget { Background, Text };

} // namespace huebit
