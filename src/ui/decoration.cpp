#include "ui/decoration.h"

#if __has_include("assets/jpeg_decoder.h")
#include "assets/jpeg_decoder.h"
#define HAVE_DECODER 1
#endif
#include "core/color.h"
#include "ui/qt_color.h"

namespace huebit {

QPixmap DecorationPicture(const QString& resourcePath, QSize fallbackSize) {
#ifdef HAVE_DECODER
    const JpegResult decoded = LoadJpegResource(resourcePath);
    if (decoded.ok()) return QPixmap::fromImage(decoded.image);
#else
    (void)resourcePath;
#endif
    QPixmap blank(fallbackSize);
    blank.fill(ToQColor(EmptySlotColor));
    return blank;
}

QPixmap DecorationIcon(const QString& resourcePath) { return QPixmap(resourcePath); }

} // namespace huebit
