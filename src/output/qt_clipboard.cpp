#include "output/qt_clipboard.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace huebit {

void QtClipboard::setText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

void QtClipboard::setSample(const QImage& bitmap) {
    auto* data = new QMimeData;
    data->setImageData(bitmap);
    // Qt's own image type becomes image/png only in some platform backends; named outright,
    // it is offered everywhere, to readers in this process too.
    QByteArray png;
    QBuffer out(&png);
    out.open(QIODevice::WriteOnly);
    bitmap.save(&out, "PNG");
    data->setData(QStringLiteral("image/png"), png);
    QGuiApplication::clipboard()->setMimeData(data);
}

void QtClipboard::setVector(const QByteArray& svg) {
    auto* data = new QMimeData;
    data->setData(QStringLiteral("image/svg+xml"), svg);
    QGuiApplication::clipboard()->setMimeData(data);
}

} // namespace huebit
