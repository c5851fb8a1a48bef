#pragma once
// The application-wide style, font and palette: a small interface font and the window colour
// (225, 225, 255) behind every page.

#include "ui/huebit_style.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QPixmapCache>

namespace huebit {

inline constexpr int StylePixmapCacheKiB = 2048;

inline void ApplyAppLook() {
    // Group boxes and a few small controls are drawn by the program's own style; set first, as
    // a new style brings its own palette.
    QApplication::setStyle(new HuebitStyle);
    QFont font = QApplication::font();
    font.setPixelSize(11);
    QApplication::setFont(font);
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Window, QColor(225, 225, 255));
    QApplication::setPalette(palette);
    // The style keeps drawn frames of combo boxes, buttons and spin boxes in Qt's pixmap cache,
    // one per size; every interface font gives new sizes, and the default 10 MiB filled up
    // over a long session. A 404 x 507 window (0.8 MiB of pixels) needs far less.
    QPixmapCache::setCacheLimit(StylePixmapCacheKiB);
}

} // namespace huebit
