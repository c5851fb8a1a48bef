#pragma once
// The one-shot pick's loupe: where it goes beside the pointer, how the wheel steps the averaging
// square, and the averaged colour itself (the screen page's large view averages the same way).

#include "core/color.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <optional>

namespace huebit {

/// Pixels the loupe shows across and down (odd, so one of them is the centre), and how many
/// device pixels each of them takes.
constexpr int LoupeCells = 15;
constexpr int LoupeZoom = 10;
/// Distance from the pointer to the loupe's nearest corner.
constexpr int LoupeGap = 20;
/// The largest averaging square the wheel reaches: the screen page's diameter stops at 200,
/// and the square must have a centre pixel.
constexpr int LoupeMaxDiameter = 199;

/// The loupe's place: below and right of the pointer, flipped to the left and/or above where it
/// would leave `monitor`, and finally shifted into it, so it is always whole on the monitor
/// (a loupe larger than the monitor keeps its top left corner on it).
QRect PlaceLoupe(QPoint pointer, QSize loupe, QRect monitor, int gap = LoupeGap);

/// The monitor under `point`; the nearest one when it is on none; empty with no monitors.
QRect MonitorAt(QPoint point, const QList<QRect>& monitors);

/// The diameter after `steps` wheel notches (positive grows): odd values 1, 3, 5 ... up to
/// LoupeMaxDiameter. An even start rounds down to the odd value below it first.
int StepDiameter(int diameter, int steps);

/// The average of `image` over the `diameter`-wide square centred on (x, y), clipped to the
/// image (not shifted, so near an edge fewer pixels count), each component rounded half to
/// even. `image` holds 32-bit pixels (RGB32 or ARGB32). Nothing for a diameter outside 1-200 or a
/// square wholly outside the image.
std::optional<Color> AverageSquare(const QImage& image, int x, int y, int diameter);

} // namespace huebit
