#pragma once
// Keeps the main window reachable: at least the top-left 24 x 13 pixels of it (the mini-window
// less ten pixels each way) must lie on the screens. A window that meets this on any screen, or
// across screens that touch, stays where the user put it; one that does not is pulled onto the
// screen nearest to its top-left corner, just far enough.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

namespace huebit {

/// The window's new top-left corner. `mini` is the mini-window's client size; `screens` are the
/// screens' geometries in the virtual desktop's coordinates. Without screens the place stays.
QPoint KeepOnScreen(QPoint topLeft, QSize mini, const std::vector<QRect>& screens);

} // namespace huebit
