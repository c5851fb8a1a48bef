// ApplyColor with and without the refinement redraw. Alternates two colours so step 1 never
// short-circuits.
#include "core/color_model.h"

#include <benchmark/benchmark.h>

using namespace huebit;

static void applyAlternating(benchmark::State& state, ColorOrigin origin) {
    ColorModel model;
    model.ApplyColor(StartColor, coNormal);
    model.SetStartupDone(true);
    const Color colours[2] = {RGB(39, 151, 63), RGB(136, 87, 249)};
    int i = 0;
    for (auto _ : state) {
        model.ApplyColor(colours[i ^= 1], origin);
        benchmark::DoNotOptimize(model.LastColor());
    }
}

static void BM_ApplyColor_Normal(benchmark::State& s) { applyAlternating(s, coNormal); }
static void BM_ApplyColor_RefineDrag(benchmark::State& s) { applyAlternating(s, coRefineDrag); }
BENCHMARK(BM_ApplyColor_Normal);
BENCHMARK(BM_ApplyColor_RefineDrag);
