#pragma once
// Our own small JPEG decoder over libjpeg, for the window's decoration pictures, which the build
// decodes (see baked_pictures.h).

#include <QByteArrayView>
#include <QImage>
#include <QString>

namespace huebit {

struct JpegResult {
    QImage image;  ///< RGB32; null on failure
    QString error; ///< empty on success
    bool ok() const { return error.isEmpty(); }
};

/// Decodes JPEG bytes (baseline or progressive; colour, grey or CMYK) into an RGB32 image.
/// Empty, truncated or garbage input gives an error text and a null image, never a crash.
JpegResult DecodeJpeg(QByteArrayView bytes);
/// Reads a resource or file such as ":/assets/title.jpg" and decodes it.
JpegResult LoadJpegResource(const QString& path);

} // namespace huebit
