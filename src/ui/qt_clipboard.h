#pragma once
// The system clipboard through Qt. On X11 a bitmap is offered as image/png (and the other
// image types Qt converts to); a vector sample as image/svg+xml.

#include "output/clipboard.h"

namespace huebit {

class QtClipboard : public Clipboard {
public:
    void setText(const QString& text) override;
    void setBitmap(const QImage& bitmap) override;
    void setVector(const QByteArray& svg) override;
};

} // namespace huebit
