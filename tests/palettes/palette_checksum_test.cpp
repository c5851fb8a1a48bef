// Every pixel of every generated palette, pinned by a checksum: a faster generator must draw
// exactly the same pictures.
#include "palettes/embedded_palettes.h"
#include "palettes/gradient.h"
#include "palettes/palette_images.h"
#include "palettes/refine_palette.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

using namespace huebit;

namespace {

// FNV-1a over the size and every colour value, row by row.
std::uint64_t checksum(const PixelBuffer& p) {
    std::uint64_t h = 1469598103934665603ull;
    const auto add = [&h](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            h ^= (v >> (8 * i)) & 0xFF;
            h *= 1099511628211ull;
        }
    };
    add(std::uint32_t(p.width()));
    add(std::uint32_t(p.height()));
    for (int y = 0; y < p.height(); ++y) {
        for (int x = 0; x < p.width(); ++x)
            add(p.pixel(x, y));
    }
    return h;
}

struct Pinned {
    const char* name;
    std::function<PixelBuffer()> make;
    std::uint64_t sum;
};

PixelBuffer refine(Color c) {
    PixelBuffer p(RefinePaletteWidth, RefinePaletteHeight);
    DrawRefinePalette(p, c);
    return p;
}

PixelBuffer saturation(Color c) {
    PixelBuffer p(SaturationStripWidth, SaturationStripHeight);
    SaturationMarkers markers;
    DrawSaturationStrip(p, markers, c);
    return p;
}

PixelBuffer gradient(Color a, Color b) {
    PixelBuffer p(GradientWidth, GradientHeight);
    DrawGradient(p, a, b);
    return p;
}

} // namespace

TEST(PaletteChecksum, EveryGeneratedPictureUnchanged) {
    const Pinned pinned[] = {
        {"tile", MakeTilePalette, 0x2321f5bf1fc78688ull},
        {"grey", MakeGreyPalette, 0x7831577c24886eefull},
        {"ring", MakeRingPalette, 0x76e315995cc79359ull},
        {"flow", MakeFlowPalette, 0x44b681192e0508e9ull},
        // What the program shows: drawn by the build, they must be the same pictures.
        {"program's tile", [] { return PaletteImages().tile; }, 0x2321f5bf1fc78688ull},
        {"program's grey", [] { return PaletteImages().grey; }, 0x7831577c24886eefull},
        {"program's ring", [] { return PaletteImages().ring; }, 0x76e315995cc79359ull},
        {"program's flow", [] { return PaletteImages().flow; }, 0x44b681192e0508e9ull},
        {"refine 128,0,0", [] { return refine(RGB(128, 0, 0)); }, 0x7b80b754f3519c23ull},
        {"refine 136,87,249", [] { return refine(RGB(136, 87, 249)); }, 0x2e3cc92873feffa3ull},
        {"refine black", [] { return refine(RGB(0, 0, 0)); }, 0x40feed4455dd8663ull},
        {"refine white", [] { return refine(RGB(255, 255, 255)); }, 0x8049db08ce5a9723ull},
        {"saturation 136,87,249", [] { return saturation(RGB(136, 87, 249)); },
         0x8b63c72338c27789ull},
        {"saturation 3,250,128", [] { return saturation(RGB(3, 250, 128)); },
         0x9c703a548fcb209dull},
        {"gradient default", [] { return gradient(DefaultGradientStart, DefaultGradientEnd); },
         0x8298780a1ff561c4ull},
        {"gradient white to black", [] { return gradient(RGB(255, 255, 255), RGB(0, 0, 0)); },
         0xc9bd83e3d001e9b5ull},
    };
    for (const Pinned& p : pinned) {
        const PixelBuffer picture = p.make();
        EXPECT_EQ(checksum(picture), p.sum) << p.name << ": 0x" << std::hex << checksum(picture);
    }
}
