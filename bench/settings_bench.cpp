// The settings file: read and applied to a live window through its operations, and collected
// and written, on the offscreen platform. `huebit_settings_bench --full-file PATH` writes the
// full file these use (for bench/startup_bench.sh).
#include "settings/settings_file.h"
#include "settings/settings_walk.h"
#include "ui/app_look.h"
#include "ui/huebit_window.h"
#include "ui/window_settings.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstring>

using namespace huebit;

namespace {

// Every line in use: 30 templates, both strips full, every option away from its default.
SettingsRecord fullRecord(Color background) {
    SettingsRecord r;
    r.windowPos = {40, 30};
    r.palettePage = 1;
    r.target = ColorTarget::Text;
    r.sampleBackground = background;
    r.sampleTextColor = RGB(250, 240, 10);
    r.hints = {false, false, true, false};
    for (int i = 0; i < 20; ++i) {
        r.userPalette[i] = RGB(12 * i, 255 - 3 * i, 7 * i);
        r.previousColors[i] = RGB(250 - 9 * i, 4 * i, 100 + i);
    }
    r.templates.clear();
    for (int i = 0; i < 30; ++i) r.templates << QStringLiteral("Шаблон %1: dR,dG,dB - #hRhGhB").arg(i);
    r.templateIndex = 17;
    r.sampleText = QStringLiteral("Пример текста на образце");
    r.editorPage = 1;
    r.auxPage = 2;
    r.floatingPanel = {300, 200, 180, 90};
    r.sample = {48, 32, false, false};
    r.shell = {false, IndicatorMode::Dynamic, QStringLiteral("English.lng"), false, false, false,
               false, 10, QStringLiteral("DejaVu Sans"), 64, true};
    return r;
}

void BM_ReadAndApplyFullFile(benchmark::State& state) {
    QTemporaryDir dir;
    // Two files whose colours differ, so each apply makes a new colour current.
    const QString paths[2] = {dir.filePath("a.cnf"), dir.filePath("b.cnf")};
    SaveSettingsFile(paths[0], ToSettingsBuffer(fullRecord(RGB(30, 160, 90))));
    SaveSettingsFile(paths[1], ToSettingsBuffer(fullRecord(RGB(90, 30, 160))));
    THuebit window;
    int i = 0;
    for (auto _ : state) {
        const auto buffer = LoadSettingsFile(paths[i++ % 2]);
        WindowSettings target(window);
        ApplySettings(*buffer, target);
    }
    benchmark::DoNotOptimize(window.model().LastColor());
}
BENCHMARK(BM_ReadAndApplyFullFile)->Unit(benchmark::kMicrosecond);

void BM_CollectAndEncode(benchmark::State& state) {
    THuebit window;
    WindowSettings target(window);
    ApplySettings(ToSettingsBuffer(fullRecord(RGB(30, 160, 90))), target);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ToSettingsBuffer(CollectWindowSettings(window)).toBytes());
    }
}
BENCHMARK(BM_CollectAndEncode)->Unit(benchmark::kMicrosecond);

// The whole save as closing runs it: collect, encode, temporary file, flush to disk, rename.
void BM_WriteFullFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Huebit.cnf");
    THuebit window;
    WindowSettings target(window);
    ApplySettings(ToSettingsBuffer(fullRecord(RGB(30, 160, 90))), target);
    for (auto _ : state) {
        if (!SaveSettingsFile(path, ToSettingsBuffer(CollectWindowSettings(window))).isEmpty())
            state.SkipWithError("the save failed");
    }
}
BENCHMARK(BM_WriteFullFile)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--full-file") == 0) {
        QCoreApplication app(argc, argv);
        const QString error = SaveSettingsFile(QString::fromLocal8Bit(argv[2]),
                                               ToSettingsBuffer(fullRecord(RGB(30, 160, 90))));
        return error.isEmpty() ? 0 : 1;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ApplyAppLook();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
