#include "output/clipboard_offer.h"

#include <QBuffer>
#include <QDataStream>
#include <QImage>
#include <QMimeData>
#include <QStringEncoder>

namespace huebit {

namespace {

constexpr char Magic[] = "huebit-clipboard-offer-1";

QByteArray encodeImage(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    if (!image.save(&out, format)) return {};
    return bytes;
}

} // namespace

const ClipboardOffer::Entry* ClipboardOffer::find(const QByteArray& target) const {
    for (const Entry& e : entries)
        if (e.target == target) return &e;
    return nullptr;
}

ClipboardOffer OfferFromMimeData(const QMimeData& data, quint32 owner) {
    ClipboardOffer offer{owner, {}};
    auto add = [&offer](const QByteArray& target, const QByteArray& type, const QByteArray& bytes) {
        if (!offer.find(target)) offer.entries.push_back({target, type, bytes});
    };
    if (data.hasText()) {
        const QString text = data.text();
        const QByteArray utf8 = text.toUtf8();
        add("UTF8_STRING", "UTF8_STRING", utf8);
        add("text/plain;charset=utf-8", "text/plain;charset=utf-8", utf8);
        add("text/plain", "text/plain", utf8);
        QStringEncoder latin1(QStringEncoder::Latin1);
        const QByteArray narrow = latin1.encode(text);
        if (!latin1.hasError()) add("STRING", "STRING", narrow);
        add("TEXT", "UTF8_STRING", utf8);
    }
    QByteArray png = data.data(QStringLiteral("image/png"));
    QImage image;
    if (!png.isEmpty())
        image = QImage::fromData(png, "PNG");
    else if (data.hasImage())
        image = qvariant_cast<QImage>(data.imageData());
    if (!image.isNull()) {
        if (png.isEmpty()) png = encodeImage(image, "PNG");
        add("image/png", "image/png", png);
        add("image/bmp", "image/bmp", encodeImage(image, "BMP"));
    }
    for (const QString& format : data.formats()) {
        // Qt's own in-process types mean nothing to another program.
        if (format.startsWith(QLatin1String("application/x-qt-"))) continue;
        const QByteArray name = format.toLatin1();
        add(name, name, data.data(format));
    }
    return offer;
}

QByteArray SerializeOffer(const ClipboardOffer& offer) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << QByteArray(Magic) << offer.owner << quint32(offer.entries.size());
    for (const auto& e : offer.entries)
        out << e.target << e.type << e.data;
    return bytes;
}

std::optional<ClipboardOffer> ParseOffer(const QByteArray& bytes) {
    if (bytes.size() > MaxOfferBytes) return std::nullopt;
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_0);
    QByteArray magic;
    ClipboardOffer offer;
    quint32 count = 0;
    in >> magic >> offer.owner >> count;
    if (in.status() != QDataStream::Ok || magic != Magic || count > MaxOfferEntries)
        return std::nullopt;
    for (quint32 i = 0; i < count; ++i) {
        ClipboardOffer::Entry e;
        in >> e.target >> e.type >> e.data;
        if (in.status() != QDataStream::Ok || e.target.isEmpty() || e.type.isEmpty())
            return std::nullopt;
        offer.entries.push_back(std::move(e));
    }
    if (!in.atEnd()) return std::nullopt;
    return offer;
}

} // namespace huebit
