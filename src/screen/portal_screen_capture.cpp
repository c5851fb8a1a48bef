#include "screen/portal_screen_capture.h"

#include "screen/portal_bus.h"
#include "screen/portal_request.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QFutureWatcher>
#include <QPromise>
#include <QThreadPool>

#include <algorithm>

namespace huebit {

namespace {

QDBusConnection bus() {
    return QDBusConnection::sessionBus();
}

QString service() {
    return QString::fromLatin1(PortalService);
}

} // namespace

PortalScreenCapture::PortalScreenCapture(int timeoutMs, QObject* parent)
    : QObject(parent), m_timeoutMs(timeoutMs), m_loader(LoadPortalScreenshot) {
    m_timeout.setSingleShot(true);
    connect(&m_timeout, &QTimer::timeout, this, [this] { timedOut(); });
}

PortalScreenCapture::~PortalScreenCapture() {
    m_response.stop();
}

void PortalScreenCapture::capture(CaptureDone done) {
    m_done = std::move(done);
    const unsigned serial = ++m_serial;
    m_requestStartMs = QDateTime::currentMSecsSinceEpoch();
    QDBusConnection connection = bus();
    if (!connection.isConnected()) {
        finish({{}, CaptureFailure::NotAvailable});
        return;
    }
    // Listening starts before asking, on the path the portal will use, so that an answer given
    // before the call returns is not lost.
    const QString token = PortalToken();
    m_response.listenOn(PortalRequestPath(connection.baseService(), token));
    QDBusMessage call = PortalScreenshotCall(QStringLiteral("Screenshot"));
    call << QString() // no parent window: an XWayland window has no portal handle
         << QVariantMap{{QStringLiteral("handle_token"), token},
                        {QStringLiteral("interactive"), false}};
    auto* watcher = new QDBusPendingCallWatcher(connection.asyncCall(call, m_timeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, serial](QDBusPendingCallWatcher* w) {
                const QDBusPendingReply<QDBusObjectPath> reply = *w;
                w->deleteLater();
                callReturned(serial, reply.isError() ? QString() : reply.value().path(),
                             reply.isError() ? reply.error().name() : QString());
            });
    m_timeout.start(m_timeoutMs);
}

void PortalScreenCapture::callReturned(unsigned serial, const QString& requestPath,
                                       const QString& error) {
    if (serial != m_serial || !m_done) return;
    if (!error.isEmpty()) {
        // No portal on the bus, or one without screenshots; a call that ran out of time has
        // simply not been answered.
        const bool late = IsUnansweredCall(error);
        finish({{}, late ? CaptureFailure::NoAnswer : CaptureFailure::NotAvailable});
        return;
    }
    // Older portals choose the request path themselves.
    if (requestPath != m_response.path()) m_response.listenOn(requestPath);
}

void PortalScreenCapture::response(uint code, const QVariantMap& results) {
    if (!m_done) return;
    const CaptureFailure failure = PortalResponseFailure(code);
    if (failure != CaptureFailure::None) {
        finish({{}, failure});
        return;
    }
    // Reading the file counts against the same time limit as the answer.
    const QDeadlineTimer deadline(std::max(m_timeout.remainingTime(), 0));
    // The answer is in: no timeout or second answer may end the copy while the picture loads.
    m_timeout.stop();
    m_response.stop();
    loadOffThread(results.value(QStringLiteral("uri")).toString(), deadline);
}

// The window goes on answering input while the picture is read and decoded. The worker touches
// only its own arguments and the promise; a capture destroyed meanwhile takes its watcher with
// it, and the finished picture is dropped.
void PortalScreenCapture::loadOffThread(const QString& uri, QDeadlineTimer deadline) {
    const unsigned serial = m_serial;
    auto promise = std::make_shared<QPromise<CaptureResult>>();
    auto* watcher = new QFutureWatcher<CaptureResult>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, serial] {
        watcher->deleteLater();
        if (serial != m_serial || !m_done) return;
        const QFuture<CaptureResult> future = watcher->future();
        finish(future.resultCount() > 0 ? future.result()
                                        : CaptureResult({}, CaptureFailure::Unreadable));
    });
    watcher->setFuture(promise->future());
    promise->start();
    QThreadPool::globalInstance()->start([promise, loader = m_loader, uri,
                                          folders = TemporaryFolders(), start = m_requestStartMs,
                                          deadline] {
        promise->addResult(loader(uri, folders, start, deadline));
        promise->finish();
    });
}

void PortalScreenCapture::timedOut() {
    if (!m_done) return;
    // The dialog the desktop may still show is closed; its answer would come to nobody.
    if (!m_response.path().isEmpty()) {
        bus().asyncCall(QDBusMessage::createMethodCall(service(), m_response.path(),
                                                       QString::fromLatin1(PortalRequestInterface),
                                                       QStringLiteral("Close")));
    }
    finish({{}, CaptureFailure::NoAnswer});
}

void PortalScreenCapture::finish(CaptureResult result) {
    m_timeout.stop();
    m_response.stop();
    ++m_serial;
    // Taken out first: the callback may start the next copy.
    CaptureDone done = std::move(m_done);
    m_done = nullptr;
    if (done) done(std::move(result));
}

} // namespace huebit
