#pragma once
// Qt's generic grab of every screen, for platforms without the X11 path (offscreen, others).

#include "screen/screen_capture.h"

#include <QRect>

class QScreen;

namespace huebit {

/// A screen's rectangle in device pixels of the whole desktop.
QRect NativeGeometry(const QScreen& screen);

class QtScreenCapture : public ImmediateCapture {
public:
    /// Every screen's grab put at its place on the desktop, in device pixels, the device-pixel
    /// ratio dropped; null without screens or when a grab fails.
    QImage captureDesktop() override;
    QSize desktopSize() override;
};

} // namespace huebit
