#pragma once
// The floating panel's resize button sits at its top-left corner: dragging it moves that corner
// while the bottom-right corner stays where it is. The panel never gets smaller than 21 x 21,
// so its buttons stay within reach.

#include <QPoint>
#include <QRect>

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

} // namespace huebit
