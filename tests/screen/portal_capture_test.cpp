// The portal path against a stand-in portal on a private session bus: every kind of answer the
// desktop can give, in one conversation.
#include "e2e/fake_portal.h"
#include "screen/portal_screen_capture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

} // namespace

TEST(PortalCapture, EveryKindOfAnswer) {
    if (!FakePortal::Missing().isEmpty())
        GTEST_SKIP() << "missing: " << FakePortal::Missing().toStdString();
    QTemporaryDir dir, shots;
    QImage picture(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x)
            picture.setPixel(x, y, qRgb(x * 4, y * 5, 77));
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
