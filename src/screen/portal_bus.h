#pragma once
// What the portal's screenshot and colour-pick requests share on the session bus: the call,
// the Request object's Response signal they wait for, and reading a failed call.

#include <QObject>
#include <QString>

class QDBusMessage;

namespace huebit {

/// A call of `method` on the portal's Screenshot interface, no arguments yet.
QDBusMessage PortalScreenshotCall(const QString& method);
/// Whether a failed call's error name means the portal simply did not answer in time, as
/// opposed to there being no portal (or no such method) at all.
bool IsUnansweredCall(const QString& errorName);

/// The Response signal of one request object, delivered to `receiver`'s slot
/// `response(uint, QVariantMap)`; listening moves when the portal names another path.
class PortalResponse {
public:
    explicit PortalResponse(QObject* receiver) : m_receiver(receiver) {}
    ~PortalResponse() { stop(); }
    PortalResponse(const PortalResponse&) = delete;
    PortalResponse& operator=(const PortalResponse&) = delete;

    void listenOn(const QString& requestPath);
    void stop();
    const QString& path() const { return m_path; }

private:
    QObject* m_receiver;
    QString m_path;
};

} // namespace huebit
