#pragma once
// Conversions between the model's 0x00BBGGRR colours and Qt's types, for painting only.

#include "core/pixel_buffer.h"

#include <QColor>
#include <QImage>

namespace huebit {

inline QColor ToQColor(Color c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }
inline Color FromQColor(const QColor& c) { return RGB(c.red(), c.green(), c.blue()); }
inline QRgb ToQRgb(Color c) { return qRgb(GetRValue(c), GetGValue(c), GetBValue(c)); }

/// The buffer as an RGB32 image of the same size.
QImage ToQImage(const PixelBuffer& buffer);

} // namespace huebit
