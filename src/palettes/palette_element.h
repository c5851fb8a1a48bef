#pragma once
// A pickable image: its pixels, the area it is shown in, its title and the origins of a drag
// and of a release. The colour under the pointer is always the buffer pixel at the pointer's
// area position, never a scaled lookup.

#include "core/color_origin.h"
#include "core/pixel_buffer.h"

#include <QSize>
#include <QString>

namespace huebit {

enum class PaletteId { Tile, Ring, Flow, Grey, Refine, Saturation, Gradient, NamedGrid };

struct PaletteElement {
    PaletteId id;
    const PixelBuffer* buffer;
    QSize area;
    int titleIndex;          ///< into UiTexts
    ColorOrigin dragOrigin;
    ColorOrigin releaseOrigin;
    QString statusText;      ///< what the status line shows over it, rewritten by the readout

    bool contains(int x, int y) const {
        return x >= 0 && y >= 0 && x < area.width() && y < area.height();
    }
    Color pixel(int x, int y) const { return buffer->pixel(x, y); }
};

} // namespace huebit
