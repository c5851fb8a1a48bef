// "Сделать текст читаемым": the search alone, and the whole command on the model (the search,
// the text target and ApplyColor), from the default sample's text each time.
#include "core/color_model.h"
#include "core/readable_text.h"

#include <benchmark/benchmark.h>

using namespace huebit;

namespace {

constexpr Color DefaultText = RGB(255, 201, 73);
constexpr Color DefaultBackground = RGB(136, 87, 249);

void BM_ReadableTextColor(benchmark::State& state) {
    const int target = int(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadableTextColor(DefaultText, DefaultBackground, target));
}
BENCHMARK(BM_ReadableTextColor)
    ->Arg(ReadableTargetAA)
    ->Arg(ReadableTargetAAA)
    ->Unit(benchmark::kMicrosecond);

void BM_MakeSampleTextReadable(benchmark::State& state) {
    ColorModel model;
    model.ApplyColor(StartColor, coNormal);
    model.SetStartupDone(true);
    model.SetSampleText(QStringLiteral("Цвет текста"));
    model.SetSampleColor(ColorTarget::Background, DefaultBackground);
    for (auto _ : state) {
        state.PauseTiming();
        model.SetSampleTextColor(DefaultText);
        state.ResumeTiming();
        const QString said = MakeSampleTextReadable(model, ReadableTargetAA);
        if (!said.startsWith(QStringLiteral("Цвет текста подобран")))
            state.SkipWithError("no change");
    }
}
BENCHMARK(BM_MakeSampleTextReadable)->Unit(benchmark::kMicrosecond);

} // namespace
