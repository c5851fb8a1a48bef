#pragma once
// One tick of the window fade: opacity moves 25 steps a tick towards 255 (or towards 0 while
// closing); a mini-window stops at its own translucency.

namespace huebit {

struct FadeInput {
    int opacity;          ///< current opacity 0-255
    bool closing;         ///< the closing fade-out is running
    bool translucency;    ///< the platform can make windows translucent
    bool miniWindow;      ///< the client width is the mini-window's
    int transparency;     ///< the mini-window's transparency v, 0-255
};

struct FadeResult {
    int opacity;          ///< the opacity to set
    bool stop = false;    ///< stop the timer
    bool close = false;   ///< close the window now (opacity is then left as it is)
    bool fadeInEnded = false; ///< a fade-in reached its end: hide the taskbar entry
    bool opaqueAtOnce = false; ///< no translucency: switch it off
};

FadeResult FadeTick(const FadeInput& in);

constexpr int FadeIntervalMs = 30;

} // namespace huebit
