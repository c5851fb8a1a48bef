#pragma once
// A clipboard for tests: holds what the last call put there, and only that.

#include "output/clipboard.h"

namespace huebit {

struct RecordingClipboard : Clipboard {
    enum class Kind { Empty, Text, Sample, Vector };

    Kind kind = Kind::Empty;
    QString text;
    QImage bitmap;
    QByteArray svg;
    int writes = 0;

    void setText(const QString& t) override { replace(Kind::Text), text = t; }
    void setSample(const QImage& b) override { replace(Kind::Sample), bitmap = b; }
    void setVector(const QByteArray& s) override { replace(Kind::Vector), svg = s; }

private:
    void replace(Kind k) {
        kind = k;
        text.clear();
        bitmap = QImage();
        svg.clear();
        ++writes;
    }
};

} // namespace huebit
