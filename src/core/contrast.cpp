#include "core/contrast.h"

#include "core/extra_texts.h"

#include <cmath>

namespace huebit {
namespace {

long double WcagChannel(int v) {
    const long double c = v / 255.0L;
    return c <= 0.04045L ? c / 12.92L : std::pow((c + 0.055L) / 1.055L, 2.4L);
}

long double ApcaChannel(int v) {
    return std::pow(v / 255.0L, 2.4L);
}

// APCA-W3 0.1.9 constants.
constexpr long double NormBg = 0.56L, NormTxt = 0.57L;
constexpr long double RevTxt = 0.62L, RevBg = 0.65L;
constexpr long double Scale = 1.14L, BlkThrs = 0.022L, BlkClmp = 1.414L;
constexpr long double LoClip = 0.1L, LoOffset = 0.027L, DeltaYMin = 0.0005L;

// Near-black luminances are lifted softly so that dark pairs do not read as high contrast.
long double SoftClampBlack(long double y) {
    return y >= BlkThrs ? y : y + std::pow(BlkThrs - y, BlkClmp);
}

QString HashHex(Color c) {
    return QStringLiteral("#%1%2%3")
        .arg(GetRValue(c), 2, 16, QLatin1Char('0'))
        .arg(GetGValue(c), 2, 16, QLatin1Char('0'))
        .arg(GetBValue(c), 2, 16, QLatin1Char('0'))
        .toUpper();
}

QString Verdict(bool passed) {
    return passed ? ExtraText("да") : ExtraText("нет");
}

} // namespace

long double RelativeLuminance(Color c) {
    return 0.2126L * WcagChannel(GetRValue(c)) + 0.7152L * WcagChannel(GetGValue(c)) +
           0.0722L * WcagChannel(GetBValue(c));
}

long double ContrastRatio(Color text, Color background) {
    const long double a = RelativeLuminance(text), b = RelativeLuminance(background);
    const long double hi = a > b ? a : b, lo = a > b ? b : a;
    return (hi + 0.05L) / (lo + 0.05L);
}

int ContrastRatioHundredths(Color text, Color background) {
    // The tiny lift keeps 21 from reading 20.99 through the last bit of the sum of coefficients;
    // it is far below the step between any two ratios of 8-bit colours.
    return Trunc(ContrastRatio(text, background) * 100 + 1e-9L);
}

QString ContrastRatioText(Color text, Color background) {
    const int h = ContrastRatioHundredths(text, background);
    return QStringLiteral("%1.%2:1").arg(h / 100).arg(h % 100, 2, 10, QLatin1Char('0'));
}

WcagLevels WcagLevelsOf(Color text, Color background) {
    const int h = ContrastRatioHundredths(text, background);
    return {h >= 450, h >= 300, h >= 700, h >= 450};
}

long double ApcaLuminance(Color c) {
    return 0.2126729L * ApcaChannel(GetRValue(c)) + 0.7151522L * ApcaChannel(GetGValue(c)) +
           0.0721750L * ApcaChannel(GetBValue(c));
}

long double ApcaContrast(Color text, Color background) {
    const long double txt = SoftClampBlack(ApcaLuminance(text));
    const long double bg = SoftClampBlack(ApcaLuminance(background));
    if (std::fabs(bg - txt) < DeltaYMin) return 0;
    if (bg > txt) { // dark text on a light ground
        const long double sapc = (std::pow(bg, NormBg) - std::pow(txt, NormTxt)) * Scale;
        return sapc < LoClip ? 0 : (sapc - LoOffset) * 100;
    }
    const long double sapc = (std::pow(bg, RevBg) - std::pow(txt, RevTxt)) * Scale;
    return sapc > -LoClip ? 0 : (sapc + LoOffset) * 100;
}

QString ApcaContrastText(Color text, Color background) {
    const int tenths = Round(ApcaContrast(text, background) * 10);
    const int a = tenths < 0 ? -tenths : tenths;
    return QStringLiteral("%1%2.%3").arg(tenths < 0 ? "-" : "").arg(a / 10).arg(a % 10);
}

QString ContrastReadout(Color text, Color background) {
    return ContrastRatioText(text, background) + QStringLiteral(" · Lc ") +
           ApcaContrastText(text, background);
}

QString ContrastDescription(Color text, Color background) {
    // The verdicts first: the status line cuts a long text at its end.
    const WcagLevels l = WcagLevelsOf(text, background);
    return ExtraText("WCAG 2: %1, AA %2 (крупный %3), AAA %4 (крупный %5); APCA: Lc %6; "
                          "текст %7 на фоне %8")
        .arg(ContrastRatioText(text, background), Verdict(l.aaNormal), Verdict(l.aaLarge),
             Verdict(l.aaaNormal), Verdict(l.aaaLarge), ApcaContrastText(text, background),
             HashHex(text), HashHex(background));
}

} // namespace huebit
