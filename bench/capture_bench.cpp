// A whole-screen capture plus the overview fit, through each X11 route (a fresh shared segment
// per copy, one segment reused, the plain GetImage), the route the program itself would choose,
// Qt's generic grab and the desktop portal (a stand-in answering at once with a PNG of the same
// screen), on the same display. Run by bench/capture_bench.sh
// under a 3840 x 2160 Xvfb and a private session bus.
#include "platform/memory_policy.h"
#include "screen/portal_request.h"
#include "screen/portal_screen_capture.h"
#include "screen/qt_screen_capture.h"
#include "screen/screen_picker.h"
#include "screen/x11_shm_capture.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdio>
#include <optional>

using namespace huebit;

namespace {

xcb_connection_t* connection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// What the process holds in MiB: its resident memory other than shared pages, and the whole of
// the shared segments it made (the server fills them; the overview reads only some of their pages).
double heldMiB() {
    double held = 0;
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            const double kB = line.mid(line.indexOf(':') + 1).simplified().split(' ')[0].toDouble();
            if (line.startsWith("VmRSS:")) held += kB / 1024;
            if (line.startsWith("RssShmem:")) held -= kB / 1024;
        }
    }
    QFile shm(QStringLiteral("/proc/sysvipc/shm"));
    if (shm.open(QIODevice::ReadOnly)) {
        shm.readLine(); // the heading
        while (!shm.atEnd()) {
            const QList<QByteArray> f = shm.readLine().simplified().split(' ');
            if (f.size() > 4 && f[4].toLongLong() == QCoreApplication::applicationPid())
                held += f[3].toDouble() / (1 << 20);
        }
    }
    return held;
}

// "held_MiB": what the copies leave resident, the picture the picker keeps included (a route that
// keeps a segment holds a second screen's worth).
void captureAndFit(benchmark::State& state, ImmediateCapture& capture) {
    const double before = heldMiB();
    ScreenPicker picker;
    for (auto _ : state) {
        if (!picker.CaptureScreen(capture)) {
            state.SkipWithError("capture failed");
            return;
        }
        benchmark::DoNotOptimize(picker.Overview().constBits());
    }
    state.counters["width"] = picker.ScreenImage().width();
    state.counters["height"] = picker.ScreenImage().height();
    state.counters["held_MiB"] = heldMiB() - before;
}

void captureBy(benchmark::State& state, X11Route route) {
    X11ShmCapture capture(connection());
    if (route != X11Route::Socket && !capture.usesSharedMemory()) {
        state.SkipWithError("no MIT-SHM on this display");
        return;
    }
    capture.forceRoute(route);
    captureAndFit(state, capture);
}

void BM_CaptureX11Shm(benchmark::State& state) {
    captureBy(state, X11Route::FreshSegment);
}

void BM_CaptureX11ReusedSegment(benchmark::State& state) {
    captureBy(state, X11Route::ReusedSegment);
}

void BM_CaptureX11GetImage(benchmark::State& state) {
    captureBy(state, X11Route::Socket);
}

// Exactly what the program makes on this display, its probe included: the first copies try
// each candidate route.
void BM_CaptureAsTheProgramDoes(benchmark::State& state) {
    const std::unique_ptr<ScreenCapture> made = MakeScreenCapture();
    auto* capture = dynamic_cast<ImmediateCapture*>(made.get());
    if (!capture) {
        state.SkipWithError("the program would ask the portal here");
        return;
    }
    captureAndFit(state, *capture);
    if (auto* x11 = dynamic_cast<X11ShmCapture*>(capture))
        state.SetLabel(x11->chosenRoute() ? X11RouteName(*x11->chosenRoute()) : "still probing");
    else
        state.SetLabel("Qt's grab");
}

void BM_CaptureQtGrabWindow(benchmark::State& state) {
    QtScreenCapture capture;
    captureAndFit(state, capture);
}

// The picture the stand-in portal hands over; the script names it.
QString portalPicture() {
    return qEnvironmentVariable("HUEBIT_BENCH_PORTAL_IMAGE");
}

// From the request to the fitted overview: the call over the bus, the portal's answer, reading
// the PNG file it names, deleting it, and the overview. "stall_ms" is the longest the event loop
// went without turning meanwhile (a 1 ms timer's longest gap): how long input would wait.
void BM_CapturePortal(benchmark::State& state) {
    if (portalPicture().isEmpty()) {
        state.SkipWithError("no stand-in portal (run bench/capture_bench.sh)");
        return;
    }
    PortalScreenCapture capture(PortalTimeoutMs);
    ScreenPicker picker;
    QElapsedTimer sinceTick;
    qint64 stallNs = 0;
    QTimer ticks;
    ticks.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        stallNs = std::max(stallNs, sinceTick.nsecsElapsed());
        sinceTick.restart();
    });
    for (auto _ : state) {
        std::optional<CaptureResult> got;
        QEventLoop loop;
        sinceTick.start();
        ticks.start(1);
        capture.capture([&](CaptureResult r) {
            got = std::move(r);
            loop.quit();
        });
        if (!got) loop.exec();
        ticks.stop();
        if (got->failure != CaptureFailure::None || !picker.SetScreenImage(got->image)) {
            state.SkipWithError("portal capture failed");
            return;
        }
        benchmark::DoNotOptimize(picker.Overview().constBits());
    }
    state.counters["width"] = picker.ScreenImage().width();
    state.counters["height"] = picker.ScreenImage().height();
    state.counters["stall_ms"] = double(stallNs) / 1e6;
}

// The PNG decoding alone, the largest part of the portal's cost on our side.
void BM_DecodePortalPng(benchmark::State& state) {
    if (portalPicture().isEmpty()) {
        state.SkipWithError("no stand-in portal picture");
        return;
    }
    for (auto _ : state) {
        QImageReader reader(portalPicture());
        const QImage image = reader.read();
        if (image.isNull()) {
            state.SkipWithError("unreadable");
            return;
        }
        benchmark::DoNotOptimize(image.constBits());
    }
}

// Paints a pattern with every channel varying onto the root window, in strips that fit in
// one request.
void paintRoot(xcb_connection_t* c, QSize size) {
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_gcontext_t gc = xcb_generate_id(c);
    xcb_create_gc(c, gc, screen->root, 0, nullptr);
    constexpr int strip = 64;
    std::vector<quint32> pixels(std::size_t(size.width()) * strip);
    for (int y0 = 0; y0 < size.height(); y0 += strip) {
        const int rows = std::min(strip, size.height() - y0);
        for (int y = 0; y < rows; ++y)
            for (int x = 0; x < size.width(); ++x)
                pixels[std::size_t(y) * size.width() + x] = quint32((x * 7) & 255) << 16 |
                                                            quint32(((y0 + y) * 3) & 255) << 8 |
                                                            quint32((x + y0 + y) & 255);
        xcb_put_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root, gc, size.width(), rows, 0, y0, 0,
                      screen->root_depth, std::uint32_t(rows * size.width() * 4),
                      reinterpret_cast<const uint8_t*>(pixels.data()));
    }
    xcb_free_gc(c, gc);
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr)); // wait for the server
}

// The three paths must agree pixel for pixel before their speed means anything.
bool samePictures() {
    X11ShmCapture shm(connection()), reused(connection()), socket(connection());
    shm.forceRoute(X11Route::FreshSegment);
    reused.forceRoute(X11Route::ReusedSegment);
    socket.forceRoute(X11Route::Socket);
    QtScreenCapture qt;
    paintRoot(connection(), shm.desktopSize());
    const QImage a = shm.captureDesktop(), b = socket.captureDesktop(), c = qt.captureDesktop();
    const bool same = !a.isNull() && a == b && a == c && a == reused.captureDesktop() &&
                      a == reused.captureDesktop();
    // The stand-in portal answers with this very screen.
    if (!portalPicture().isEmpty() && !a.save(portalPicture(), "PNG")) return false;
    std::printf("captures %dx%d, %dx%d, %dx%d: %s; pixel (100, 50) = %08x\n", a.width(), a.height(),
                b.width(), b.height(), c.width(), c.height(), same ? "identical" : "DIFFERENT",
                a.isNull() ? 0u : a.pixel(100, 50));
    return same;
}

} // namespace

BENCHMARK(BM_CaptureX11Shm)->Unit(benchmark::kMillisecond)->MinTime(2)->UseRealTime();
BENCHMARK(BM_CaptureX11ReusedSegment)->Unit(benchmark::kMillisecond)->MinTime(2)->UseRealTime();
BENCHMARK(BM_CaptureX11GetImage)->Unit(benchmark::kMillisecond)->MinTime(2)->UseRealTime();
BENCHMARK(BM_CaptureAsTheProgramDoes)->Unit(benchmark::kMillisecond)->MinTime(2)->UseRealTime();
BENCHMARK(BM_CaptureQtGrabWindow)->Unit(benchmark::kMillisecond)->MinTime(2)->UseRealTime();
BENCHMARK(BM_CapturePortal)->Unit(benchmark::kMillisecond)->MinTime(2)->UseRealTime();
BENCHMARK(BM_DecodePortalPng)->Unit(benchmark::kMillisecond)->MinTime(2)->UseRealTime();

int main(int argc, char** argv) {
    ReturnLargeBlocksToTheSystem(); // as the program does, so that "held_MiB" is what it would hold
    QGuiApplication app(argc, argv);
    if (!connection() || !samePictures()) return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
