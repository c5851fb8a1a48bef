#include "screen/portal_bus.h"

#include "screen/portal_request.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace huebit {

namespace {

QString service() {
    return QString::fromLatin1(PortalService);
}

const char* responseSlot() {
    return SLOT(response(uint, QVariantMap));
}

} // namespace

QDBusMessage PortalScreenshotCall(const QString& method) {
    return QDBusMessage::createMethodCall(service(), QString::fromLatin1(PortalPath),
                                          QString::fromLatin1(PortalScreenshotInterface), method);
}

bool IsUnansweredCall(const QString& errorName) {
    return errorName == QLatin1String("org.freedesktop.DBus.Error.NoReply") ||
           errorName == QLatin1String("org.freedesktop.DBus.Error.Timeout");
}

void PortalResponse::listenOn(const QString& requestPath) {
    stop();
    m_path = requestPath;
    QDBusConnection::sessionBus().connect(service(), m_path,
                                          QString::fromLatin1(PortalRequestInterface),
                                          QStringLiteral("Response"), m_receiver, responseSlot());
}

void PortalResponse::stop() {
    if (m_path.isEmpty()) return;
    QDBusConnection::sessionBus().disconnect(service(), m_path,
                                             QString::fromLatin1(PortalRequestInterface),
                                             QStringLiteral("Response"), m_receiver, responseSlot());
    m_path.clear();
}

} // namespace huebit
