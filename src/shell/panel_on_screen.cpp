#include "shell/panel_on_screen.h"

#include "shell/keep_on_screen.h"
#include "shell/panel_resize.h"

#include <algorithm>

namespace huebit {

namespace {

// The panel's buttons lie at 2..18 x 2..56; this much of its top-left part stays reachable.
constexpr QSize ButtonColumn(21, 59);
// KeepOnScreen lets the window reach this far past an edge before it pulls it back.
constexpr QSize MainWindowSlack(10, 10);

// `from` within [low, low + room - size], or `low` when the size does not fit.
int fitInto(int from, int size, int low, int room) {
    return std::max(low, std::min(from, low + room - size));
}

} // namespace

QRect KeepPanelOnScreen(QRect geometry, const std::vector<QRect>& screens) {
    geometry.setWidth(std::max(geometry.width(), PanelMinimumSide));
    geometry.setHeight(std::max(geometry.height(), PanelMinimumSide));
    if (screens.empty()) return geometry;
    const QSize reach = ButtonColumn.boundedTo(geometry.size());
    const QPoint kept = KeepOnScreen(geometry.topLeft(), reach + MainWindowSlack, screens);
    if (kept == geometry.topLeft()) return geometry;
    // The main window's rule pulled the corner onto the nearest screen; the panel goes there,
    // as near to where it was as that screen allows.
    const auto on = std::find_if(screens.begin(), screens.end(),
                                 [kept](const QRect& s) { return s.contains(kept); });
    const QRect s = on != screens.end() ? *on : screens.front();
    geometry.moveTo(fitInto(geometry.x(), geometry.width(), s.x(), s.width()),
                    fitInto(geometry.y(), geometry.height(), s.y(), s.height()));
    return geometry;
}

} // namespace huebit
