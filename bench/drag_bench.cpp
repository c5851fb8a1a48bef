// One drag step over the tile palette: the move event goes through the model to every view,
// and the window repaints what changed, on the offscreen platform.
#include "ui/app_look.h"
#include "ui/huebit_window.h"
#include "ui/pixel_buffer_view.h"
#include "ui/selection_page.h"

#include <QApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

using namespace huebit;

static void BM_TilePaletteDragStep(benchmark::State& state) {
    THuebit window;
    window.show();
    QApplication::processEvents();
    QWidget* tiles = window.selectionPage()->aPalImage1;
    int x = 0;
    for (auto _ : state) {
        x = (x + 37) % 256; // a new colour every step, so nothing short-circuits
        const QPointF at(x, 50);
        QMouseEvent move(QEvent::MouseMove, at, tiles->mapToGlobal(at), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(tiles, &move);
        QApplication::processEvents(); // paints every view the step invalidated
    }
    benchmark::DoNotOptimize(window.model().LastColor());
}
BENCHMARK(BM_TilePaletteDragStep)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ApplyAppLook();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
