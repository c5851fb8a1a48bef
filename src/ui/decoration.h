#pragma once
// The window's decoration pictures, decoded by the build (see assets/baked_pictures.h). A
// picture missing from the build leaves its place in the window colour.

#include <QIcon>
#include <QPixmap>
#include <string_view>

class QLabel;

namespace huebit {

/// A picture of the window by its asset file name ("title.jpg"), drawn for `devicePixelRatio`
/// (the larger drawing above 1, marked with its ratio so it keeps its logical size); a blank of
/// `fallbackSize` in the window colour when there is none.
QPixmap DecorationPicture(std::string_view name, QSize fallbackSize, qreal devicePixelRatio = 1);
/// A small icon on a transparent ground by its asset file name ("close.png"), drawn for
/// `devicePixelRatio` as above; null when there is none.
QPixmap DecorationIcon(std::string_view name, qreal devicePixelRatio = 1);
/// The window's and the tray's icon: the wheel at 32, and at 64 too where `devicePixelRatio`
/// is above 1.
QIcon WindowIcon(qreal devicePixelRatio);

/// Shows the picture `name` (a string that outlives the label) on `label`, drawn for the
/// label's device pixel ratio, and again for the new ratio when the label's window moves to a
/// screen of another. An empty `fallbackSize` marks an icon.
void ShowDecoration(QLabel* label, const char* name, QSize fallbackSize = QSize());

} // namespace huebit
