#pragma once
// The screen on a Wayland session: the desktop portal's Screenshot over the session bus. The
// portal answers through a Request object's Response signal, after its own dialog if it shows
// one; the copy waits for that without blocking, at most for the timeout. The picture the answer
// names is read and decoded on a worker thread (a 4K PNG takes some 70 ms to decode), and the
// answer comes from the event loop once it is ready.

#include "screen/portal_bus.h"
#include "screen/portal_request.h"
#include "screen/screen_capture.h"

#include <QObject>
#include <QTimer>
#include <QVariantMap>

#include <functional>

namespace huebit {

/// Reads the picture an answer names (LoadPortalScreenshot's arguments); runs on a worker thread.
using PortalPictureLoader =
    std::function<CaptureResult(const QString& uri, const QStringList& temporaryFolders,
                                qint64 requestStartMs, QDeadlineTimer deadline)>;

class PortalScreenCapture : public QObject, public ScreenCapture {
    Q_OBJECT
public:
    explicit PortalScreenCapture(int timeoutMs, QObject* parent = nullptr);
    ~PortalScreenCapture() override;

    void capture(CaptureDone done) override;
    bool answersLater() const override { return true; }
    /// Replaces LoadPortalScreenshot (tests watch where and when the picture is read).
    void setLoader(PortalPictureLoader loader) { m_loader = std::move(loader); }

private slots:
    void response(uint code, const QVariantMap& results);

private:
    void callReturned(unsigned serial, const QString& requestPath, const QString& error);
    void timedOut();
    void loadOffThread(const QString& uri, QDeadlineTimer deadline);
    void finish(CaptureResult result);

    int m_timeoutMs;
    QTimer m_timeout;
    PortalResponse m_response{this};
    CaptureDone m_done;
    unsigned m_serial = 0;       // replies to an earlier call are dropped
    qint64 m_requestStartMs = 0; // a file changed before this was not made for the request
    PortalPictureLoader m_loader;
};

} // namespace huebit
