// The X11 shared-memory copy against a real server: the copy begun ahead hands out the screen as
// it was then, every pixel exact, no segment outlives its picture and no pixmap of the server
// outlives the copy it held.
#include "e2e/e2e_harness.h"
#include "screen/x11_shm_capture.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/res.h>
#include <xcb/xcb.h>

using namespace huebit;
using namespace huebit::e2e;

namespace {

// Rows of colours that differ in every component, so that a shifted or swapped channel shows.
QImage stripes(QSize size, int seed) {
    QImage img(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            img.setPixel(x, y, qRgb((x * 7 + seed) & 255, (y * 3 + seed) & 255, (x ^ y) & 255));
    return img;
}

// The shared-memory segments a process made that are not freed yet.
int segmentsOf(pid_t pid) {
    QFile f(QStringLiteral("/proc/sysvipc/shm"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    int count = 0;
    f.readLine(); // the heading
    while (!f.atEnd()) {
        const QList<QByteArray> fields = f.readLine().simplified().split(' ');
        if (fields.size() > 4 && fields[4].toInt() == pid) ++count;
    }
    return count;
}

// The same for this process, once the server has done what it was asked.
int segmentsOfThisProcess(xcb_connection_t* c) {
    free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    return segmentsOf(getpid());
}

// What the server holds in pixmaps for this connection, once it has done what it was asked.
uint64_t pixmapBytesOf(xcb_connection_t* c) {
    xcb_res_query_client_pixmap_bytes_reply_t* r = xcb_res_query_client_pixmap_bytes_reply(
        c, xcb_res_query_client_pixmap_bytes(c, xcb_get_setup(c)->resource_id_base), nullptr);
    if (!r) return ~uint64_t(0);
    const uint64_t bytes = r->bytes + (uint64_t(r->bytes_overflow) << 32);
    free(r);
    return bytes;
}

struct Connection {
    explicit Connection(const QString& display)
        : c(xcb_connect(display.toLocal8Bit().constData(), nullptr)) {}
    ~Connection() { xcb_disconnect(c); }
    xcb_connection_t* c;
};

// Every pixel's colour equal; the top byte is left as the server gave it.
void expectSame(const QImage& got, const QImage& want) {
    ASSERT_EQ(got.size(), want.size());
    ASSERT_EQ(got.format(), QImage::Format_RGB32);
    for (int y = 0; y < want.height(); ++y) {
        const auto* g = reinterpret_cast<const QRgb*>(got.constScanLine(y));
        const auto* w = reinterpret_cast<const QRgb*>(want.constScanLine(y));
        for (int x = 0; x < want.width(); ++x)
            ASSERT_EQ(g[x] & 0xFFFFFFu, w[x] & 0xFFFFFFu) << "at " << x << "," << y;
    }
}

} // namespace

TEST(X11CaptureE2E, ACopyBegunAheadShowsTheScreenAsItWasAndLaterCopiesFollowIt) {
    HUEBIT_SKIP_WITHOUT_E2E_TOOLS();
    XvfbDisplay display({320, 200});
    ASSERT_TRUE(display.ok());
    const QImage before = stripes(display.size(), 0), after = stripes(display.size(), 99);
    ASSERT_TRUE(display.showBackground(before));
    Connection x(display.name());
    const int segments = segmentsOfThisProcess(x.c);
    const uint64_t pixmaps = pixmapBytesOf(x.c);
    const uint64_t screenBytes = uint64_t(display.size().width()) * display.size().height() * 4;
    {
        X11ShmCapture capture(x.c);
        ASSERT_TRUE(capture.usesSharedMemory());
        capture.forceRoute(X11Route::FreshSegment);
        capture.copyAhead();
        // A round trip: the server has made the copy, in a pixmap of its own.
        EXPECT_GE(pixmapBytesOf(x.c), pixmaps + screenBytes);
        EXPECT_EQ(segmentsOf(getpid()), segments) << "the copy crosses over only when read";
        ASSERT_TRUE(display.showBackground(after));
        QImage first = capture.captureDesktop();
        EXPECT_EQ(pixmapBytesOf(x.c), pixmaps);
        expectSame(first, before);
        const QImage second = capture.captureDesktop();
        expectSame(second, after);
        EXPECT_EQ(segmentsOfThisProcess(x.c), segments + 2); // one for each picture alive
        first = QImage();
        EXPECT_EQ(segmentsOfThisProcess(x.c), segments + 1);
    }
    EXPECT_EQ(segmentsOfThisProcess(x.c), segments);

    // A copy begun and never taken goes with its capture; one taken through the socket leaves no
    // segment.
    {
        X11ShmCapture capture(x.c);
        capture.copyAhead();
    }
    EXPECT_EQ(segmentsOfThisProcess(x.c), segments);
    EXPECT_EQ(pixmapBytesOf(x.c), pixmaps);
    X11ShmCapture capture(x.c);
    capture.copyAhead();
    capture.disableSharedMemory();
    EXPECT_EQ(segmentsOfThisProcess(x.c), segments);
    expectSame(capture.captureDesktop(), after);
    EXPECT_EQ(segmentsOfThisProcess(x.c), segments);
    EXPECT_EQ(pixmapBytesOf(x.c), pixmaps);
    EXPECT_FALSE(xcb_connection_has_error(x.c));
}

// Every route hands out the same exact pixels. The reused route lends a segment out as the
// picture and keeps it, once the picture goes, for the next copy: never more than one spare. The probe tries each route on the copies it is
// asked for and keeps one; a segment is left only when the reused segment is the one kept.
TEST(X11CaptureE2E, EveryRouteCopiesExactlyAndOnlyAKeptSegmentStays) {
    HUEBIT_SKIP_WITHOUT_E2E_TOOLS();
    XvfbDisplay display({320, 200});
    ASSERT_TRUE(display.ok());
    const QImage screen = stripes(display.size(), 31);
    ASSERT_TRUE(display.showBackground(screen));
    Connection x(display.name());
    const int segments = segmentsOfThisProcess(x.c);
    {
        X11ShmCapture capture(x.c);
        capture.forceRoute(X11Route::ReusedSegment);
        QImage first = capture.captureDesktop();
        expectSame(first, screen);
        const uchar* const firstPixels = first.constBits();
        EXPECT_EQ(segmentsOfThisProcess(x.c), segments + 1) << "the picture is the segment";
        first = QImage();
        EXPECT_EQ(segmentsOfThisProcess(x.c), segments + 1) << "kept for the next copy";
        QImage second = capture.captureDesktop();
        expectSame(second, screen);
        EXPECT_EQ(second.constBits(), firstPixels) << "the same segment lent again";
        QImage third = capture.captureDesktop();
        expectSame(third, screen);
        EXPECT_EQ(segmentsOfThisProcess(x.c), segments + 2) << "one for each picture alive";
        second = third = QImage();
        EXPECT_EQ(segmentsOfThisProcess(x.c), segments + 1) << "at most one kept spare";
        capture.forceRoute(X11Route::Socket);
        EXPECT_EQ(segmentsOfThisProcess(x.c), segments) << "a segment no route takes goes";
        expectSame(capture.captureDesktop(), screen);
        EXPECT_EQ(segmentsOfThisProcess(x.c), segments);
    }
    QImage survivor;
    {
        X11ShmCapture capture(x.c);
        capture.forceRoute(X11Route::ReusedSegment);
        survivor = capture.captureDesktop();
    }
    expectSame(survivor, screen);
    survivor = QImage();
    EXPECT_EQ(segmentsOfThisProcess(x.c), segments) << "a picture outliving its capture frees";
    {
        X11ShmCapture capture(x.c);
        ASSERT_TRUE(capture.usesSharedMemory());
        int copies = 0;
        while (!capture.chosenRoute() && copies < 20) {
            expectSame(capture.captureDesktop(), screen);
            ++copies;
        }
        ASSERT_TRUE(capture.chosenRoute()) << "the probe never settled";
        EXPECT_EQ(copies, 3 * X11RouteProbe::ProbeRounds);
        const QImage kept = capture.captureDesktop();
        expectSame(kept, screen);
        const bool reused = *capture.chosenRoute() == X11Route::ReusedSegment;
        const bool fresh = *capture.chosenRoute() == X11Route::FreshSegment;
        EXPECT_EQ(segmentsOfThisProcess(x.c), segments + (reused || fresh ? 1 : 0));
    }
    EXPECT_EQ(segmentsOfThisProcess(x.c), segments);
    EXPECT_FALSE(xcb_connection_has_error(x.c));
}

// The start's copy: handed out still in the server, read when somebody looks, gone after.
TEST(X11CaptureE2E, ACopyHeldByTheServerIsTheScreenAsItWasWhenMadeAndGoesOnceRead) {
    HUEBIT_SKIP_WITHOUT_E2E_TOOLS();
    XvfbDisplay display({320, 200});
    ASSERT_TRUE(display.ok());
    const QImage before = stripes(display.size(), 5), after = stripes(display.size(), 77);
    ASSERT_TRUE(display.showBackground(before));
    Connection x(display.name());
    const uint64_t pixmaps = pixmapBytesOf(x.c);
    X11ShmCapture capture(x.c);
    EXPECT_EQ(capture.takeHeldCopy(), nullptr) << "nothing was begun";
    capture.copyAhead();
    std::unique_ptr<HeldCopy> held = capture.takeHeldCopy();
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(capture.takeHeldCopy(), nullptr);
    EXPECT_EQ(held->size(), display.size());
    ASSERT_TRUE(display.showBackground(after));
    expectSame(held->take(), before);
    EXPECT_EQ(pixmapBytesOf(x.c), pixmaps);
    EXPECT_TRUE(held->take().isNull()) << "a copy crosses over once";

    capture.copyAhead();
    held = capture.takeHeldCopy();
    EXPECT_GT(pixmapBytesOf(x.c), pixmaps);
    held.reset(); // never read
    EXPECT_EQ(pixmapBytesOf(x.c), pixmaps);
    EXPECT_FALSE(xcb_connection_has_error(x.c));
}

TEST(X11CaptureE2E, AProgramThatDiesBeforeTakingItsCopyLeavesNoSegment) {
    HUEBIT_SKIP_WITHOUT_E2E_TOOLS();
    XvfbDisplay display({320, 200});
    ASSERT_TRUE(display.ok());
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        xcb_connection_t* c = xcb_connect(display.name().toLocal8Bit().constData(), nullptr);
        X11ShmCapture capture(c);
        capture.copyAhead();
        _exit(capture.usesSharedMemory() ? 0 : 3); // no clean-up at all, as a crash would end it
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    // The server lets go of the dead program's segment when it sees the connection close.
    for (int i = 0; i < 100 && segmentsOf(child) > 0; ++i)
        usleep(20000);
    EXPECT_EQ(segmentsOf(child), 0);
}
