#pragma once
// The system clipboard through Qt. A bitmap goes out as image/png (and whatever other image
// types the platform converts to); a vector sample as image/svg+xml only.

#include "output/clipboard.h"

namespace huebit {

class QtClipboard : public Clipboard {
public:
    void setText(const QString& text) override;
    void setSample(const QImage& bitmap) override;
    void setVector(const QByteArray& svg) override;
};

} // namespace huebit
