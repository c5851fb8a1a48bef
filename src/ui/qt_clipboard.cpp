#include "ui/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace huebit {

void QtClipboard::setText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

void QtClipboard::setBitmap(const QImage& bitmap) {
    auto* data = new QMimeData;
    data->setImageData(bitmap);
    QGuiApplication::clipboard()->setMimeData(data);
}

void QtClipboard::setVector(const QByteArray& svg) {
    auto* data = new QMimeData;
    data->setData(QStringLiteral("image/svg+xml"), svg);
    QGuiApplication::clipboard()->setMimeData(data);
}

} // namespace huebit
