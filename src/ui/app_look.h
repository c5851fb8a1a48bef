#pragma once
// The application-wide font and palette: a small interface font and the window colour
// (225, 225, 255) behind every page.

#include <QApplication>
#include <QFont>
#include <QPalette>

namespace huebit {

inline void ApplyAppLook() {
    QFont font = QApplication::font();
    font.setPixelSize(11);
    QApplication::setFont(font);
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Window, QColor(225, 225, 255));
    QApplication::setPalette(palette);
}

} // namespace huebit
