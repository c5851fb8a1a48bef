#include "screen/portal_color_pick.h"

#include "screen/portal_color.h"
#include "screen/portal_bus.h"
#include "screen/portal_request.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace huebit {

namespace {

QDBusConnection bus() {
    return QDBusConnection::sessionBus();
}

// The answer's "color" is a structure of three doubles.
std::optional<Color> colorOf(const QVariant& value) {
    if (!value.canConvert<QDBusArgument>()) return std::nullopt;
    const QDBusArgument argument = value.value<QDBusArgument>();
    double r = 0, g = 0, b = 0;
    argument.beginStructure();
    argument >> r >> g >> b;
    argument.endStructure();
    return ColorFromPortal(r, g, b);
}

} // namespace

PortalColorPick::PortalColorPick(int timeoutMs, QObject* parent)
    : QObject(parent), m_timeoutMs(timeoutMs) {
    m_timeout.setSingleShot(true);
    connect(&m_timeout, &QTimer::timeout, this, [this] {
        finish({PortalPick::Outcome::Failed, 0});
    });
}

PortalColorPick::~PortalColorPick() {
    m_response.stop();
}

void PortalColorPick::pick(std::function<void(PortalPick)> done) {
    m_done = std::move(done);
    QDBusConnection connection = bus();
    if (!connection.isConnected()) {
        QTimer::singleShot(0, this, [this] { finish({PortalPick::Outcome::Unavailable, 0}); });
        return;
    }
    const QString token = PortalToken();
    m_response.listenOn(PortalRequestPath(connection.baseService(), token));
    QDBusMessage call = PortalScreenshotCall(QStringLiteral("PickColor"));
    call << QString() << QVariantMap{{QStringLiteral("handle_token"), token}};
    auto* watcher = new QDBusPendingCallWatcher(connection.asyncCall(call, m_timeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        const QDBusPendingReply<QDBusObjectPath> reply = *w;
        w->deleteLater();
        if (!m_done) return;
        if (reply.isError()) {
            const QString error = reply.error().name();
            const bool late = IsUnansweredCall(error);
            finish({late ? PortalPick::Outcome::Failed : PortalPick::Outcome::Unavailable, 0});
            return;
        }
        // Older portals choose the request path themselves.
        if (reply.value().path() != m_response.path()) m_response.listenOn(reply.value().path());
    });
    m_timeout.start(m_timeoutMs);
}

void PortalColorPick::response(uint code, const QVariantMap& results) {
    if (!m_done) return;
    if (code == 1) return finish({PortalPick::Outcome::Cancelled, 0});
    const std::optional<Color> c =
        code == 0 ? colorOf(results.value(QStringLiteral("color"))) : std::nullopt;
    finish(c ? PortalPick{PortalPick::Outcome::Picked, *c} : PortalPick{});
}

void PortalColorPick::finish(PortalPick result) {
    m_timeout.stop();
    m_response.stop();
    auto done = std::move(m_done);
    m_done = nullptr;
    if (done) done(result);
}

} // namespace huebit
