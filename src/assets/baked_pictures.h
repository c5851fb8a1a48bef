#pragma once
// The window's decoration pictures, decoded by the build (bake_pictures) into pixel arrays, so
// the window shows them with no image reader, plugin or decoder at start.

#include <QImage>
#include <QtGlobal>
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

} // namespace huebit
