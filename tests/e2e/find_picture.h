#pragma once
// Finding a picture the program shows, drawn `scale` times larger under a scale factor.

#include "e2e/e2e_harness.h"

namespace huebit::e2e {

inline std::optional<QPoint> FindPicture(const QImage& screen, const QImage& picture,
                                         int scale = 1) {
    PixelBuffer part(picture.width() * scale, picture.height() * scale);
    for (int y = 0; y < part.height(); ++y)
        for (int x = 0; x < part.width(); ++x) {
            const QRgb p = picture.pixel(x / scale, y / scale);
            part.setPixel(x, y, RGB(qRed(p), qGreen(p), qBlue(p)));
        }
    return FindExactly(screen, part);
}

/// The HTML notation the program's default template gives: #RRGGBB.
inline std::string Html(Color c) {
    return QStringLiteral("#%1%2%3")
        .arg(GetRValue(c), 2, 16, QLatin1Char('0'))
        .arg(GetGValue(c), 2, 16, QLatin1Char('0'))
        .arg(GetBValue(c), 2, 16, QLatin1Char('0'))
        .toUpper()
        .toStdString();
}

/// Every pixel differs from every other in a picture up to 4096 x 4096: one-pixel stripes in
/// both directions, so a pick one pixel off reads a different colour.
inline QImage PositionPicture(QSize size) {
    QImage img(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            img.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 16 + y / 256));
    return img;
}

} // namespace huebit::e2e
