#pragma once
// The window's decoration pictures, decoded by the build (see assets/baked_pictures.h). A
// picture missing from the build leaves its place in the window colour.

#include <QPixmap>
#include <string_view>

namespace huebit {

/// A picture of the window by its asset file name ("title.jpg"); a blank of `fallbackSize` in
/// the window colour when there is none.
QPixmap DecorationPicture(std::string_view name, QSize fallbackSize);
/// A small icon on a transparent ground by its asset file name ("close.png").
QPixmap DecorationIcon(std::string_view name);

} // namespace huebit
