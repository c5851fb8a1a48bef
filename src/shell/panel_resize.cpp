#include "shell/panel_resize.h"

#include <algorithm>

namespace huebit {

PanelResizeStep ResizePanel(const QRect& geometry, QPoint start, QPoint pointer) {
    // The bottom-right corner is the fixed point; QRect's right() is one short of it.
    const int right = geometry.x() + geometry.width();
    const int bottom = geometry.y() + geometry.height();
    if (geometry.width() < PanelMinimumSide || geometry.height() < PanelMinimumSide) {
        QRect g = geometry;
        g.setWidth(std::max(geometry.width(), PanelMinimumSide));
        g.setHeight(std::max(geometry.height(), PanelMinimumSide));
        return {g, start};
    }
    const QPoint d = pointer - start;
    const int width = std::max(geometry.width() - d.x(), PanelMinimumSide);
    const int height = std::max(geometry.height() - d.y(), PanelMinimumSide);
    return {QRect(right - width, bottom - height, width, height), pointer};
}

bool PanelHasRoomForPlate(QSize panel, QSize plate, int inset, const QRect& caption) {
    constexpr int ButtonStripRight = 21; // the buttons take 2 <= x <= 18, the size readout x >= 21
    const QRect placed(QPoint(panel.width() - inset - plate.width(),
                              panel.height() - inset - plate.height()),
                       plate);
    return !plate.isEmpty() && placed.left() >= ButtonStripRight && placed.top() >= inset &&
           !placed.intersects(caption);
}

} // namespace huebit
