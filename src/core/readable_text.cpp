#include "core/readable_text.h"

#include "core/extra_texts.h"

#include "core/color_model.h"
#include "core/color_spaces.h"
#include "core/contrast.h"

#include <optional>

namespace huebit {
namespace {

constexpr Color Black = RGB(0, 0, 0);
constexpr Color White = RGB(255, 255, 255);
constexpr int LightnessSteps = 1000;

bool Passes(Color text, Color background, int target) {
    return ContrastRatioHundredths(text, background) >= target;
}

// The colour of the hue at step i of the lightness scale from the text's own (0) to `end`
// (LightnessSteps), its chroma kept where sRGB holds it.
Color ColourAtStep(const Triple& lch, long double end, int i) {
    const long double step = (end - lch.x) / LightnessSteps;
    const long double l = i == LightnessSteps ? end : lch.x + step * i;
    return ColorOfSrgb(OklchInSrgbByChroma({l, lch.y, lch.z}));
}

// The first step towards `end` that reaches the target. The text fails at its own lightness, so
// on the way it first nears the background's luminance and then leaves it behind: the contrast
// only grows past the crossing, and the steps that pass form one run up to `end`. Bisection over
// the steps finds the run's start, the step a walk would stop at, in ten looks instead of up to
// a thousand.
std::optional<Color> FirstPassingStep(const Triple& lch, long double end, Color background,
                                      int target) {
    const Color last = ColourAtStep(lch, end, LightnessSteps);
    if (!Passes(last, background, target)) return std::nullopt;
    int failing = 0, passing = LightnessSteps;
    Color found = last;
    while (passing - failing > 1) {
        const int mid = (failing + passing) / 2;
        const Color c = ColourAtStep(lch, end, mid);
        if (Passes(c, background, target)) {
            passing = mid;
            found = c;
        } else {
            failing = mid;
        }
    }
    return found;
}

QString TargetText(int target) {
    return target % 100 == 0 ? QStringLiteral("%1:1").arg(target / 100)
                             : QStringLiteral("%1.%2:1").arg(target / 100).arg(target % 100 / 10);
}

} // namespace

ReadableText ReadableTextColor(Color text, Color background, int target) {
    if (Passes(text, background, target)) return {text, false, true, true};
    const Triple lab = SrgbToOklab(SrgbOf(text));
    const Triple lch = LabToLch(lab);
    std::optional<Color> best;
    long double bestDistance = 0;
    for (long double end : {1.0L, 0.0L}) {
        const std::optional<Color> c = FirstPassingStep(lch, end, background, target);
        if (!c) continue;
        const long double d = DeltaEOk(lab, SrgbToOklab(SrgbOf(*c)));
        if (!best || d < bestDistance) best = c, bestDistance = d;
    }
    const bool grey = lch.y < 1e-4L;
    if (best) return {*best, true, grey || (*best != Black && *best != White), true};
    const Color fallback =
        ContrastRatio(Black, background) >= ContrastRatio(White, background) ? Black : White;
    return {fallback, fallback != text, false, Passes(fallback, background, target)};
}

QString MakeSampleTextReadable(ColorModel& model, int target) {
    const Sample& s = model.SampleState();
    if (!s.textVisible()) return ExtraText("Текст примера скрыт: проверять нечего");
    const Color background = s.background;
    const ReadableText r = ReadableTextColor(s.text, background, target);
    const QString ratio = ContrastRatioText(r.colour, background);
    if (!r.changed) return ExtraText("Текст уже читается: контраст %1").arg(ratio);
    model.SelectTextTarget();
    model.ApplyColor(r.colour, coNormal);
    if (r.sameHue) return ExtraText("Цвет текста подобран: контраст %1").arg(ratio);
    const QString which = r.colour == Black ? ExtraText("чёрный") : ExtraText("белый");
    if (r.reached)
        return ExtraText("В оттенке текста контраста %1 нет: взят %2, %3")
            .arg(TargetText(target), which, ratio);
    return ExtraText("Контраст %1 с этим фоном недостижим: взят %2, %3")
        .arg(TargetText(target), which, ratio);
}

} // namespace huebit
