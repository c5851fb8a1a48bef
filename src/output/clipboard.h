#pragma once
// The system clipboard, behind a seam so tests can read what a command put there. Every call
// replaces the whole clipboard content.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace huebit {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setText(const QString& text) = 0;
    /// A bitmap sample.
    virtual void setSample(const QImage& bitmap) = 0;
    /// A vector sample as SVG, and nothing else: a paste target that cannot take SVG gets
    /// nothing, as the bitmap has a command of its own.
    virtual void setVector(const QByteArray& svg) = 0;
};

} // namespace huebit
