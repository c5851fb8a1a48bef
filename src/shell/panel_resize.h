#pragma once
// The floating panel's resize button sits at its top-left corner: dragging it moves that corner
// while the bottom-right corner stays where it is. The panel never gets smaller than 21 x 21,
// so its buttons stay within reach.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace huebit {

constexpr int PanelMinimumSide = 21;

struct PanelResizeStep {
    QRect geometry; ///< the panel's new place and size
    QPoint start;   ///< the pointer position the next step measures from
};

/// One pointer movement with the primary button held on the resize button: `start` is where
/// the pointer was at the last step (or the press), `pointer` where it is now, both on the
/// screen. A side that has somehow become smaller than the minimum is set to it first.
PanelResizeStep ResizePanel(const QRect& geometry, QPoint start, QPoint pointer);

/// The contrast plate shows on the panel only where it fits in the lower right corner, `inset`
/// from the edges, without reaching into the button strip along the left edge or over the
/// caption (empty when there is none); otherwise it is hidden rather than clipped.
bool PanelHasRoomForPlate(QSize panel, QSize plate, int inset, const QRect& caption);

} // namespace huebit
