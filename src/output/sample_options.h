#pragma once
// The size of the bitmap and vector samples, and their outline.

#include <QSize>

namespace huebit {

struct SampleOptions {
    int width = 20;       ///< "Ширина экземпляра", 1-100
    int height = 20;      ///< "Высота экземпляра", 1-100
    bool square = false;  ///< "квадрат": the width serves for both sides
    bool contour = true;  ///< "создавать контур"

    /// W x H of the next sample: values below 1 count as 1.
    QSize sampleSize() const {
        const int w = width < 1 ? 1 : width;
        const int h = height < 1 ? 1 : height;
        return {w, square ? w : h};
    }
};

} // namespace huebit
