#pragma once
// A copy of the whole primary screen, behind a seam: the X11 shared-memory path, Qt's generic
// grab, or a fake in tests.

#include <QImage>
#include <QSize>
#include <memory>

namespace huebit {

class ScreenCapture {
public:
    virtual ~ScreenCapture() = default;
    /// The primary screen in device pixels at its native resolution, RGB32; null on failure.
    virtual QImage capturePrimaryScreen() = 0;
    /// The primary screen's size in device pixels; empty when unknown.
    virtual QSize primaryScreenSize() = 0;
};

/// Hands out a fixed picture: the screen of a test. A null picture makes every capture fail.
class FixedScreen : public ScreenCapture {
public:
    explicit FixedScreen(QImage picture) : m_picture(std::move(picture)) {}
    QImage capturePrimaryScreen() override { return m_picture; }
    QSize primaryScreenSize() override { return m_picture.size(); }
    void setPicture(QImage picture) { m_picture = std::move(picture); }

private:
    QImage m_picture;
};

/// The X11 shared-memory path on the xcb platform, Qt's grab elsewhere. Needs a
/// QGuiApplication; defined by the platform library (huebit_platform), not by the model.
std::unique_ptr<ScreenCapture> MakeScreenCapture();

} // namespace huebit
