#pragma once
// The size of the bitmap and vector samples, their outline, and the contrast the readable-text
// command aims at.

#include "core/readable_text.h"

#include <QSize>

namespace huebit {

struct SampleOptions {
    int width = 20;      ///< SpinEdit4 "Ширина экземпляра", 1-100
    int height = 20;     ///< SpinEdit5 "Высота экземпляра", 1-100
    bool square = false; ///< CheckBox11 "квадрат": the width serves for both sides
    bool contour = true; ///< CheckBox10 "создавать контур"
    bool aaaText = false; ///< "Текст по уровню AAA (7:1)" on the "Пример " sub-page

    bool operator==(const SampleOptions&) const = default;

    /// The WCAG 2 target of "Сделать текст читаемым": AAA 7:1 when chosen, else AA 4.5:1.
    int ReadableTarget() const { return aaaText ? ReadableTargetAAA : ReadableTargetAA; }

    /// W x H of the next sample. A value below 1 (a settings file can hold one) counts as 1.
    QSize SampleSize() const {
        const int w = width < 1 ? 1 : width;
        const int h = height < 1 ? 1 : height;
        return {w, square ? w : h};
    }
};

} // namespace huebit
