// The one-shot pick's loupe following the pointer over a frozen 3840 x 2160 (and 1920 x 1080)
// desktop: a move event reaches the overlay and the two loupe places are repainted, on the
// offscreen platform. The aim is 4 ms a step at 3840 x 2160.
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
BENCHMARK(BM_LoupeFollowsThePointer)
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
