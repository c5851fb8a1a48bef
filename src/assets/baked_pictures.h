#pragma once
// The window's decoration pictures, decoded by the build (bake_pictures) into pixel arrays, so
// the window shows them with no image reader, plugin or decoder at start. Each is baked twice:
// as drawn for ordinary screens, and drawn at twice the size as "NAME@2x" for screens with a
// device pixel ratio of 2. The larger copies stay untouched in the executable's read-only pages
// until a screen asks for them.

#include <QImage>
#include <QtGlobal>
#include <string>
#include <string_view>

namespace huebit {

struct BakedPicture {
    const char* name; ///< the picture's file name among the assets, such as "title.jpg"
    int width;
    int height;
    bool alpha; ///< premultiplied ARGB when set, opaque RGB otherwise
    const quint32* pixels;
};

extern const BakedPicture BakedPictures[];
extern const int BakedPictureCount;

/// The picture named `name` over its compiled-in pixels, without a copy; null when there is
/// no picture of that name.
QImage BakedPictureImage(std::string_view name);

/// The drawing that suits a device pixel ratio: 2 above 1 (Qt reduces it where the ratio lies
/// between 1 and 2, and enlarges it above 2), 1 otherwise.
int PictureScaleFor(qreal devicePixelRatio);

/// The file name of the picture `name` drawn at `scale`: "title.jpg" at 1, "title@2x.jpg" at 2.
std::string ScaledPictureName(std::string_view name, int scale);

} // namespace huebit
