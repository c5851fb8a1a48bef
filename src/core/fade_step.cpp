#include "core/fade_step.h"

namespace huebit {

FadeResult FadeTick(const FadeInput& in) {
    FadeResult r{in.opacity};
    if (!in.translucency) {
        if (in.closing) r.close = r.stop = true;
        else r.opaqueAtOnce = true;
        return r;
    }
    int value = in.opacity + (in.closing ? -25 : 25);
    if (!in.closing && in.miniWindow && value > 255 - in.transparency) {
        value = 255 - in.transparency;
        r.stop = r.fadeInEnded = true;
    }
    if (value > 255) {
        value = 255;
        r.stop = r.fadeInEnded = true;
    }
    if (in.closing && value < 1) {
        r.close = r.stop = true;
        return r;
    }
    if (in.closing && value < 15) value = 15;
    r.opacity = value;
    return r;
}

} // namespace huebit
