#pragma once
// What the clipboard commands put there: the bitmap and vector samples and the picked colour's
// text.

#include "core/color.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace huebit {

/// A W x H white RGB32 bitmap filled in `c`. With the contour the rectangle's right column and
/// bottom row stay white, so the coloured area is (W - 1) x (H - 1); without it all is coloured.
QImage MakeSampleBitmap(Color c, QSize size, bool contour);

/// An SVG with a frame of W x H pixels holding one rectangle (0, 0)-(W + 1, H + 1) filled in
/// `c`, outlined in `c` one pixel wide with the contour, else with the thinnest line.
QByteArray MakeSampleSvg(Color c, QSize size, bool contour);

/// An entry expanded for a picked colour: the text before the first " -", then dR dG dB, dH dS
/// dV, hR hG hB in that order, each first occurrence only, never zero-padded, every value
/// computed from `c` itself rather than taken from the component texts.
QString PickedColorText(const QString& entry, Color c);

} // namespace huebit
