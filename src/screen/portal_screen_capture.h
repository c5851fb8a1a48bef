#pragma once
// The screen on a Wayland session: the desktop portal's Screenshot over the session bus. The
// portal answers through a Request object's Response signal, after its own dialog if it shows
// one; the copy waits for that without blocking, at most for the timeout.

#include "screen/screen_capture.h"

#include <QObject>
#include <QTimer>
#include <QVariantMap>

namespace huebit {

class PortalScreenCapture : public QObject, public ScreenCapture {
    Q_OBJECT
public:
    explicit PortalScreenCapture(int timeoutMs, QObject* parent = nullptr);
    ~PortalScreenCapture() override;

    void capture(CaptureDone done) override;
    bool answersLater() const override { return true; }

private slots:
    void response(uint code, const QVariantMap& results);

private:
    void listenOn(const QString& requestPath);
    void stopListening();
    void callReturned(unsigned serial, const QString& requestPath, const QString& error);
    void timedOut();
    void finish(CaptureResult result);

    int m_timeoutMs;
    QTimer m_timeout;
    CaptureDone m_done;
    QString m_requestPath;
    unsigned m_serial = 0;       // replies to an earlier call are dropped
    qint64 m_requestStartMs = 0; // a file changed before this was not made for the request
};

} // namespace huebit
