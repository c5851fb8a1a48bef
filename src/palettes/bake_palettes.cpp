// Build step: writes the ring and flow palettes as C++ arrays, drawn by the same generators the
// tests pin, so the program starts with them ready: bake_palettes OUTPUT.cpp
#include "palettes/embedded_palettes.h"

#include <cstdio>

namespace {

bool write(std::FILE* out, const char* name, const huebit::PixelBuffer& p) {
    std::fprintf(out, "const Color %s[%d * %d] = {", name, p.width(), p.height());
    for (int y = 0; y < p.height(); ++y) {
        std::fprintf(out, "\n   ");
        for (int x = 0; x < p.width(); ++x)
            std::fprintf(out, " 0x%06x,", unsigned(p.pixel(x, y)));
    }
    return std::fprintf(out, "\n};\n\n") > 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.cpp\n", argv[0]);
        return 2;
    }
    std::FILE* out = std::fopen(argv[1], "w");
    if (!out) return 1;
    std::fprintf(out, "// Written by bake_palettes at build time.\n"
                      "#include \"palettes/baked_palettes.h\"\n\nnamespace huebit {\n\n");
    const bool ok = write(out, "BakedRingPalette", huebit::MakeRingPalette()) &&
                    write(out, "BakedFlowPalette", huebit::MakeFlowPalette()) &&
                    std::fprintf(out, "} // namespace huebit\n") > 0;
    return std::fclose(out) == 0 && ok ? 0 : 1;
}
