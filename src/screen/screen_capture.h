#pragma once
// A copy of the whole desktop, every monitor, behind a seam: the X11 shared-memory path, Qt's
// generic grab, the desktop portal on Wayland sessions, or a fake in tests. Paths that copy at
// once answer before `capture` returns; the portal answers later, from the event loop.

#include <QImage>
#include <QRect>
#include <QSize>
#include <functional>
#include <memory>

namespace huebit {

/// Why a copy did not come.
enum class CaptureFailure {
    None,
    Cancelled,    ///< the user dismissed the desktop's dialog
    Refused,      ///< the desktop declined
    NotAvailable, ///< nobody on the session bus offers screenshots
    NoAnswer,     ///< the desktop did not answer in time
    Unreadable,   ///< a picture came but could not be read, or the copy itself failed
};

/// A copy of the desktop that the display server keeps for the program until it is first read:
/// the copy is made at once, its pixels cross over only when somebody looks at them.
class HeldCopy {
public:
    virtual ~HeldCopy() = default;
    /// The desktop's size in device pixels.
    virtual QSize size() const = 0;
    /// The pixels, as ImmediateCapture::captureDesktop gives them; the server's copy goes. Null
    /// if the server lost it (it could not keep a picture that large).
    virtual QImage take() = 0;
    /// `area` of the copy, as take() would give it, the copy kept; null when it cannot be read.
    virtual QImage read(QRect) { return {}; }
    /// The display server's handle of the copy, for showing it without reading it; 0 when there
    /// is none (the copy was lost or taken).
    virtual quint32 serverHandle() { return 0; }
};

struct CaptureResult {
    CaptureResult(QImage picture = {}, CaptureFailure why = CaptureFailure::None)
        : image(std::move(picture)), failure(why) {}
    explicit CaptureResult(std::shared_ptr<HeldCopy> copy) : held(std::move(copy)) {}

    QImage image; ///< the desktop in device pixels, RGB32; null on failure or when `held` is set
    CaptureFailure failure = CaptureFailure::None;
    std::shared_ptr<HeldCopy> held; ///< instead of `image`: the copy the server keeps
};

using CaptureDone = std::function<void(CaptureResult)>;

class ScreenCapture {
public:
    virtual ~ScreenCapture() = default;
    /// Starts a copy. `done` runs exactly once unless the capture is destroyed first; the caller
    /// starts no second copy before it has run.
    virtual void capture(CaptureDone done) = 0;
    /// Whether `done` comes later, from the event loop, rather than within `capture`.
    virtual bool answersLater() const { return false; }
    /// Lets a path that can begin the next copy early, while the program goes on, begin it; the
    /// next `capture` hands out that copy. Others do nothing.
    virtual void copyAhead() {}
};

/// A path that copies at once.
class ImmediateCapture : public ScreenCapture {
public:
    /// The whole desktop in device pixels at its native resolution, RGB32; null on failure.
    /// The top byte of its pixels may be undefined, as the X server leaves it: read them with
    /// qRed/qGreen/qBlue or QImage::pixel, or set the byte when copying them into a picture.
    virtual QImage captureDesktop() = 0;
    /// The desktop's size in device pixels; empty when unknown.
    virtual QSize desktopSize() = 0;
    /// The copy copyAhead began, if the server keeps it until it is read; null otherwise.
    virtual std::unique_ptr<HeldCopy> takeHeldCopy() { return nullptr; }

    /// Hands out a copy the server keeps when there is one, else the pixels.
    void capture(CaptureDone done) final {
        if (std::unique_ptr<HeldCopy> held = takeHeldCopy()) {
            done(CaptureResult(std::shared_ptr<HeldCopy>(std::move(held))));
            return;
        }
        QImage image = captureDesktop();
        const auto failure = image.isNull() ? CaptureFailure::Unreadable : CaptureFailure::None;
        done({std::move(image), failure});
    }
};

/// Hands out a fixed picture: the screen of a test. A null picture makes every capture fail.
class FixedScreen : public ImmediateCapture {
public:
    explicit FixedScreen(QImage picture) : m_picture(std::move(picture)) {}
    QImage captureDesktop() override { return m_picture; }
    QSize desktopSize() override { return m_picture.size(); }
    void setPicture(QImage picture) { m_picture = std::move(picture); }

private:
    QImage m_picture;
};

/// The portal on Wayland sessions, else the X11 shared-memory path on the xcb platform, else
/// Qt's grab. Needs a QGuiApplication; defined by the platform library (huebit_platform), not
/// by the model.
std::unique_ptr<ScreenCapture> MakeScreenCapture();

} // namespace huebit
