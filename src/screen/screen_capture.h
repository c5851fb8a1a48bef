#pragma once
// A copy of the whole primary screen, behind a seam: the X11 shared-memory path, Qt's generic
// grab, or a fake in tests.

#include <QImage>
#include <memory>

namespace huebit {

class ScreenCapture {
public:
    virtual ~ScreenCapture() = default;
    /// The primary screen in device pixels at its native resolution, RGB32; null on failure.
    virtual QImage capturePrimaryScreen() = 0;
};

/// Hands out a fixed picture: the screen of a test.
class FixedScreen : public ScreenCapture {
public:
    explicit FixedScreen(QImage picture) : m_picture(std::move(picture)) {}
    QImage capturePrimaryScreen() override { return m_picture; }
    void setPicture(QImage picture) { m_picture = std::move(picture); }

private:
    QImage m_picture;
};

} // namespace huebit
