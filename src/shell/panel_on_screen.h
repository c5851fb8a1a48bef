#pragma once
// Where the floating panel shows: it is kept reachable as the main window is. Its button column
// at the left edge (21 x 59: resize, close and freeze) - or the whole panel, if it is smaller -
// must lie on the screens; a panel that stays where it was is left alone, even partly past an
// edge, since the user may have put it there. One whose column lies off every screen (a place
// stored for a monitor that is gone) moves onto the nearest screen, whole where it fits.

#include <QRect>

#include <vector>

namespace huebit {

/// The panel's geometry when it is shown: each side at least PanelMinimumSide, and the place
/// kept on `screens` (their geometries in the virtual desktop). Without screens only the size
/// is mended.
QRect KeepPanelOnScreen(QRect geometry, const std::vector<QRect>& screens);

} // namespace huebit
