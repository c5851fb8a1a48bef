#pragma once
// The window's decoration pictures, compiled in as resources. JPEGs go through our own libjpeg
// decoder; a picture that cannot be read leaves its place in the window colour.

#include <QPixmap>

namespace huebit {

QPixmap DecorationPicture(const QString& resourcePath, QSize fallbackSize);
/// A small PNG icon from the resources.
QPixmap DecorationIcon(const QString& resourcePath);

} // namespace huebit
