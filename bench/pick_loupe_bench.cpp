// The one-shot pick's loupe following the pointer over a frozen 3840 x 2160 (and 1920 x 1080)
// desktop: a move event reaches the overlay and the two loupe places are repainted, on the
// offscreen platform. The aim is 4 ms a step at 3840 x 2160. With --x11 (DISPLAY naming a
// server with no window manager): the same over the copy the X server holds, where each step
// reads the pixels around the pointer and moves and repaints the loupe's own window.
#include "screen/screen_capture.h"
#include "ui/pick_overlay.h"

#include <QApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

using namespace huebit;

static QImage noise(QSize size) {
    QImage img(size, QImage::Format_RGB32);
    quint32 v = 12345;
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = (v = v * 1664525u + 1013904223u) | 0xFF000000u;
    }
    return img;
}

static void BM_LoupeFollowsThePointer(benchmark::State& state) {
    const QSize size(int(state.range(0)), int(state.range(1)));
    PickOverlay overlay(noise(size), 5, QStringLiteral("#hRhGhB - HTML"));
    overlay.setGeometry(QRect(QPoint(0, 0), size));
    overlay.show();
    QApplication::processEvents();
    int x = 100;
    for (auto _ : state) {
        x = (x + 7) % (size.width() - 200) + 100; // the loupe flips now and then near the edge
        const QPointF at(x, size.height() / 2);
        QMouseEvent move(QEvent::MouseMove, at, at, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&overlay, &move);
        QApplication::processEvents(); // paints the old and the new loupe place
    }
    benchmark::DoNotOptimize(overlay.session().color());
}
static void BM_HeldLoupeFollowsThePointer(benchmark::State& state) {
    const std::unique_ptr<ScreenCapture> capture = MakeScreenCapture();
    capture->copyAhead();
    std::shared_ptr<HeldCopy> held;
    capture->capture([&held](CaptureResult r) { held = std::move(r.held); });
    if (!held) {
        state.SkipWithError("the X server holds no copy");
        return;
    }
    const QSize size = held->size();
    PickOverlay overlay(held, int(state.range(0)), QStringLiteral("#hRhGhB - HTML"));
    overlay.start();
    QApplication::processEvents();
    int x = 100;
    for (auto _ : state) {
        x = (x + 7) % (size.width() - 200) + 100;
        const QPointF at(x, size.height() / 2);
        QMouseEvent move(QEvent::MouseMove, at, at, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&overlay, &move);
        QApplication::processEvents();
    }
    benchmark::DoNotOptimize(overlay.session().color());
}

int main(int argc, char** argv) {
    const bool x11 = argc > 1 && qstrcmp(argv[argc - 1], "--x11") == 0;
    if (x11) {
        --argc; // the averaging square's smallest and largest: the read grows with it
        benchmark::RegisterBenchmark("BM_HeldLoupeFollowsThePointer", BM_HeldLoupeFollowsThePointer)
            ->Arg(1)
            ->Arg(199)
            ->Unit(benchmark::kMicrosecond);
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        benchmark::RegisterBenchmark("BM_LoupeFollowsThePointer", BM_LoupeFollowsThePointer)
            ->Args({1920, 1080})
            ->Args({3840, 2160})
            ->Unit(benchmark::kMicrosecond);
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
