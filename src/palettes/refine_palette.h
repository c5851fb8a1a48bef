#pragma once
// The refinement palette (a 64 x 128 field of small offsets around a colour) and the
// saturation strip (the colour made lighter above and darker below) with its four markers.

#include "core/pixel_buffer.h"

namespace huebit {

constexpr int RefinePaletteWidth = 64;
constexpr int RefinePaletteHeight = 128;
constexpr int SaturationStripWidth = 10;
constexpr int SaturationStripHeight = 128;

/// A 5 x 5 marker beside the saturation strip: its colour and its top edge in the strip's parent.
struct StripMarker {
    Color color = EmptySlotColor;
    int top = 0;
    bool operator==(const StripMarker&) const = default;
};

struct SaturationMarkers {
    StripMarker black;   ///< first black row; hidden (window colour) when there is none
    StripMarker white;   ///< first row below a white run; hidden when there is none
    StripMarker current; ///< the colour itself, always at row 63
    StripMarker grey;    ///< the grey equivalent, beside the grey palette at its height
};

/// Top edge of a marker for strip row `row` (the strip lies 6 pixels down in its parent).
constexpr int MarkerTopForRow(int row) { return row + 4; }

/// Redraws a 64 x 128 buffer around `c`.
void DrawRefinePalette(PixelBuffer& palette, Color c);
/// Redraws a 10 x 128 strip around `c` and places the markers.
void DrawSaturationStrip(PixelBuffer& strip, SaturationMarkers& markers, Color c);

} // namespace huebit
