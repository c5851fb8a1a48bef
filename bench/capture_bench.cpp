// A whole-screen capture plus the overview fit, through the X11 shared-memory path and through
// Qt's generic grab, on the same display. Run by bench/capture_bench.sh under a 3840 x 2160 Xvfb.
#include "screen/screen_picker.h"
#include "screen/x11_shm_capture.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

using namespace huebit;

static void captureAndFit(benchmark::State& state, ScreenCapture& capture) {
    ScreenPicker picker;
    for (auto _ : state) {
        picker.CaptureScreen(capture);
        benchmark::DoNotOptimize(picker.Overview().constBits());
    }
    state.counters["width"] = picker.ScreenImage().width();
    state.counters["height"] = picker.ScreenImage().height();
}

static void BM_CaptureX11Shm(benchmark::State& state) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    X11ShmCapture capture(x11 ? x11->connection() : nullptr);
    captureAndFit(state, capture);
}

static void BM_CaptureQtGrabWindow(benchmark::State& state) {
    QtScreenCapture capture;
    captureAndFit(state, capture);
}

BENCHMARK(BM_CaptureX11Shm)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_CaptureQtGrabWindow)->Unit(benchmark::kMillisecond)->MinTime(2);

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
