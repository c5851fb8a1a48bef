// The portal path against a stand-in portal on a private session bus: every kind of answer the
// desktop can give, in one conversation.
#include "e2e/fake_portal.h"
#include "screen/portal_screen_capture.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QThread>
#include <QThreadPool>
#include <gtest/gtest.h>

#include <atomic>

using namespace huebit;
using namespace huebit::e2e;

namespace {

// Runs one copy to its end, with the event loop turning meanwhile.
std::optional<CaptureResult> captureOnce(ScreenCapture& capture) {
    std::optional<CaptureResult> got;
    QEventLoop loop;
    capture.capture([&](CaptureResult r) {
        got = std::move(r);
        loop.quit();
    });
    QElapsedTimer clock;
    clock.start();
    while (!got && clock.elapsed() < 15000)
        loop.processEvents(QEventLoop::WaitForMoreEvents, 100);
    return got;
}

QImage testPicture() {
    QImage picture(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x)
            picture.setPixel(x, y, qRgb(x * 4, y * 5, 77));
    return picture;
}

} // namespace

TEST(PortalCapture, EveryKindOfAnswer) {
    if (!FakePortal::Missing().isEmpty())
        GTEST_SKIP() << "missing: " << FakePortal::Missing().toStdString();
    QTemporaryDir dir, shots;
    const QImage picture = testPicture();
    const QString image = dir.filePath(QStringLiteral("desktop.png"));
    ASSERT_TRUE(picture.save(image, "PNG"));
    const QStringList answers{"ok", "ok-early", "ok-elsewhere", "cancel", "refuse", "silent", "ok"};
    FakePortal portal({answers, image, shots.path(), 1});
    ASSERT_TRUE(portal.ok());
    // The first use of the session bus in this process is below.
    qputenv("DBUS_SESSION_BUS_ADDRESS", portal.address().toUtf8());

    PortalScreenCapture capture(1500);
    const CaptureFailure expected[] = {CaptureFailure::None,    CaptureFailure::None,
                                       CaptureFailure::None,    CaptureFailure::Cancelled,
                                       CaptureFailure::Refused, CaptureFailure::NoAnswer,
                                       CaptureFailure::None};
    for (int i = 0; i < answers.size(); ++i) {
        SCOPED_TRACE(answers[i].toStdString());
        const auto r = captureOnce(capture);
        ASSERT_TRUE(r) << "no answer at all";
        EXPECT_EQ(r->failure, expected[i]);
        if (expected[i] == CaptureFailure::None)
            EXPECT_EQ(r->image, picture);
        else
            EXPECT_TRUE(r->image.isNull());
    }
    EXPECT_TRUE(portal.waitFor(QStringLiteral("closed 6"))) << "the unanswered request stayed open";
    EXPECT_TRUE(QDir(shots.path()).isEmpty()) << "temporary screenshots left behind";
    const QStringList events = portal.events();
    for (const QString& e : events) {
        if (!e.startsWith(QLatin1String("call "))) continue;
        EXPECT_TRUE(e.contains(QLatin1String("interactive=0"))) << e.toStdString();
        EXPECT_TRUE(e.contains(QLatin1String("token=huebit"))) << e.toStdString();
    }
    EXPECT_EQ(portal.calls(), answers.size());
}

// The picture is read and decoded on a worker thread while the event loop goes on: an event
// posted from inside the decode runs before the decode ends, which a decode on the window's
// thread could never allow (it would wait out the semaphore). A capture destroyed while its
// picture loads drops the picture and calls nobody. (Each test runs in a process of its own:
// the session bus address is fixed at its first use.)
TEST(PortalCapture, ThePictureLoadsOffTheWindowsThreadWhileEventsGoOn) {
    if (!FakePortal::Missing().isEmpty())
        GTEST_SKIP() << "missing: " << FakePortal::Missing().toStdString();
    QTemporaryDir dir, shots;
    const QImage picture = testPicture();
    const QString image = dir.filePath(QStringLiteral("desktop.png"));
    ASSERT_TRUE(picture.save(image, "PNG"));
    FakePortal portal({{QStringLiteral("ok")}, image, shots.path(), 1});
    ASSERT_TRUE(portal.ok());
    qputenv("DBUS_SESSION_BUS_ADDRESS", portal.address().toUtf8());

    QThread* const windowThread = QThread::currentThread();
    std::atomic<bool> onWindowThread{true}, eventRanMeanwhile{false};
    QSemaphore eventRan;
    PortalScreenCapture capture(10000);
    capture.setLoader(
        [&](const QString& uri, const QStringList& folders, qint64 start, QDeadlineTimer deadline) {
            onWindowThread = QThread::currentThread() == windowThread;
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [&eventRan] { eventRan.release(); },
                Qt::QueuedConnection);
            eventRanMeanwhile = eventRan.tryAcquire(1, 5000);
            return LoadPortalScreenshot(uri, folders, start, deadline);
        });
    const auto r = captureOnce(capture);
    ASSERT_TRUE(r) << "no answer at all";
    EXPECT_FALSE(onWindowThread);
    EXPECT_TRUE(eventRanMeanwhile) << "the window's events waited for the decode";
    EXPECT_EQ(r->failure, CaptureFailure::None);
    EXPECT_EQ(r->image, picture);
    EXPECT_TRUE(QDir(shots.path()).isEmpty()) << "the temporary screenshot was left behind";

    auto doomed = std::make_unique<PortalScreenCapture>(10000);
    QSemaphore loading, release;
    doomed->setLoader([&](const QString&, const QStringList&, qint64, QDeadlineTimer) {
        loading.release();
        release.acquire();
        return CaptureResult(picture);
    });
    bool answered = false;
    doomed->capture([&answered](CaptureResult) { answered = true; });
    QElapsedTimer clock;
    clock.start();
    while (!loading.tryAcquire() && clock.elapsed() < 15000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    ASSERT_LT(clock.elapsed(), 15000) << "the picture never began to load";
    doomed.reset();
    release.release();
    ASSERT_TRUE(QThreadPool::globalInstance()->waitForDone(15000));
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(answered);
}
