#pragma once
// Qt's generic grab of the primary screen, for platforms without the X11 path (Wayland through
// its portal, offscreen, others).

#include "screen/screen_capture.h"

#include <QRect>

class QScreen;

namespace huebit {

/// A screen's rectangle in device pixels of the whole desktop.
QRect NativeGeometry(const QScreen& screen);

class QtScreenCapture : public ScreenCapture {
public:
    /// The grab in device pixels, its device-pixel ratio dropped; null without a primary screen.
    QImage capturePrimaryScreen() override;
    QSize primaryScreenSize() override;
};

} // namespace huebit
