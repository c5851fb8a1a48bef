#pragma once
// A small image of colour values, the form every palette and strip of the model keeps.
// Widgets turn it into a QImage only to paint.

#include "core/color.h"

#include <vector>

namespace huebit {

class PixelBuffer {
public:
    PixelBuffer() = default;
    PixelBuffer(int width, int height, Color fill = 0)
        : m_width(width), m_height(height), m_pixels(std::size_t(width) * height, fill) {}
    /// A copy of `width` x `height` colours, row by row.
    static PixelBuffer FromPixels(int width, int height, const Color* pixels) {
        PixelBuffer p;
        p.m_width = width;
        p.m_height = height;
        p.m_pixels.assign(pixels, pixels + std::size_t(width) * height);
        return p;
    }

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

    Color pixel(int x, int y) const { return m_pixels[index(x, y)]; }
    void setPixel(int x, int y, Color c) { m_pixels[index(x, y)] = c; }
    Color* row(int y) { return m_pixels.data() + index(0, y); }
    const Color* row(int y) const { return m_pixels.data() + index(0, y); }

    void fill(Color c) { std::fill(m_pixels.begin(), m_pixels.end(), c); }
    /// Fills columns [x0, x1) of every row; the range must lie inside the buffer.
    void fillColumns(int x0, int x1, Color c) {
        for (int y = 0; y < m_height; ++y) std::fill(row(y) + x0, row(y) + x1, c);
    }
    void fillRow(int y, Color c) { std::fill(row(y), row(y) + m_width, c); }

    bool operator==(const PixelBuffer&) const = default;

private:
    std::size_t index(int x, int y) const { return std::size_t(y) * m_width + x; }

    int m_width = 0;
    int m_height = 0;
    std::vector<Color> m_pixels;
};

} // namespace huebit
