// What a keeper serves after the program has gone, the bytes it is handed, and the choice made
// at exit between a clipboard manager, a keeper and nothing.
#include "output/clipboard_handover.h"
#include "output/clipboard_offer.h"

#include <QBuffer>
#include <QImage>
#include <QMimeData>
#include <gtest/gtest.h>

using namespace huebit;

namespace {

QList<QByteArray> targetsOf(const ClipboardOffer& offer) {
    QList<QByteArray> targets;
    for (const auto& e : offer.entries)
        targets << e.target;
    return targets;
}

QByteArray png(const QImage& image) {
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    image.save(&out, "PNG");
    return bytes;
}

QImage sample() {
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(qRgb(136, 87, 250));
    image.setPixel(19, 19, qRgb(255, 255, 255));
    return image;
}

} // namespace

TEST(ClipboardOffer, TextUnderEveryX11TextName) {
    QMimeData ascii;
    ascii.setText(QStringLiteral("#8857F9"));
    const ClipboardOffer offer = OfferFromMimeData(ascii, 77);
    EXPECT_EQ(offer.owner, 77u);
    EXPECT_EQ(targetsOf(offer), (QList<QByteArray>{"UTF8_STRING", "text/plain;charset=utf-8",
                                                   "text/plain", "STRING", "TEXT"}));
    for (const auto& e : offer.entries)
        EXPECT_EQ(e.data, "#8857F9") << e.target.constData();
    EXPECT_EQ(offer.find("TEXT")->type, "UTF8_STRING");

    // STRING is Latin-1 by definition: text beyond it is not offered under that name.
    QMimeData cyrillic;
    cyrillic.setText(QStringLiteral("Цвет"));
    const ClipboardOffer wide = OfferFromMimeData(cyrillic, 0);
    EXPECT_EQ(wide.find("STRING"), nullptr);
    EXPECT_EQ(wide.find("UTF8_STRING")->data, QStringLiteral("Цвет").toUtf8());
    QMimeData latin;
    latin.setText(QStringLiteral("café"));
    EXPECT_EQ(OfferFromMimeData(latin, 0).find("STRING")->data, QByteArray("caf\xe9"));
}

TEST(ClipboardOffer, BitmapAsPngAndBmpWithTheSamePixels) {
    const QImage image = sample();
    // As the program copies a bitmap: Qt's image and the PNG named outright.
    QMimeData both;
    both.setImageData(image);
    both.setData(QStringLiteral("image/png"), png(image));
    // A bitmap given only as Qt's image is encoded here.
    QMimeData imageOnly;
    imageOnly.setImageData(image);
    for (const QMimeData* data : {&both, &imageOnly}) {
        const ClipboardOffer offer = OfferFromMimeData(*data, 0);
        EXPECT_EQ(targetsOf(offer), (QList<QByteArray>{"image/png", "image/bmp"}));
        for (const char* format : {"PNG", "BMP"}) {
            const QByteArray target = QByteArray("image/") + QByteArray(format).toLower();
            EXPECT_EQ(QImage::fromData(offer.find(target)->data, format)
                          .convertToFormat(QImage::Format_RGB32),
                      image)
                << format;
        }
    }
    EXPECT_EQ(OfferFromMimeData(both, 0).find("image/png")->data, png(image));
}

TEST(ClipboardOffer, OtherFormatsUnderTheirOwnNames) {
    QMimeData svg;
    svg.setData(QStringLiteral("image/svg+xml"), "<svg/>");
    const ClipboardOffer offer = OfferFromMimeData(svg, 0);
    ASSERT_EQ(offer.entries.size(), 1u);
    EXPECT_EQ(offer.entries[0],
              (ClipboardOffer::Entry{"image/svg+xml", "image/svg+xml", "<svg/>"}));
    EXPECT_TRUE(OfferFromMimeData(QMimeData(), 0).entries.empty());
}

TEST(ClipboardOffer, BytesRoundTripAndAnythingLessIsRefused) {
    QMimeData data;
    data.setText(QStringLiteral("RGB(136,87,249)"));
    data.setData(QStringLiteral("image/svg+xml"), QByteArray(3000, 'x'));
    const ClipboardOffer offer = OfferFromMimeData(data, 0x2a00007);
    const QByteArray bytes = SerializeOffer(offer);
    EXPECT_EQ(ParseOffer(bytes), offer);

    // Every cut short, and anything after the end, is not an offer.
    for (qsizetype n = 0; n < bytes.size(); n += (n < 200 ? 1 : 97)) {
        EXPECT_FALSE(ParseOffer(bytes.left(n))) << n;
    }
    EXPECT_FALSE(ParseOffer(bytes + '\0'));
    QByteArray otherMagic = bytes;
    otherMagic[8] = 'X';
    EXPECT_FALSE(ParseOffer(otherMagic));
    EXPECT_FALSE(ParseOffer(QByteArray(4096, '\xff')));

    ClipboardOffer many;
    for (int i = 0; i <= MaxOfferEntries; ++i)
        many.entries.push_back({"t" + QByteArray::number(i), "t", "d"});
    EXPECT_FALSE(ParseOffer(SerializeOffer(many)));
    many.entries.pop_back();
    EXPECT_EQ(ParseOffer(SerializeOffer(many)), many);
}

namespace {

struct FakeHandover : ClipboardHandover {
    bool owns = true;
    bool manager = false;
    ClipboardOffer offer;
    bool keeperConfirms = true;
    int keepersStarted = 0;
    int budgetSeen = -1;

    bool ownsClipboard() const override { return owns; }
    bool managerRunning() const override { return manager; }
    ClipboardOffer content() const override { return offer; }
    bool startKeeper(const ClipboardOffer&, int waitMs) override {
        ++keepersStarted;
        budgetSeen = waitMs;
        return keeperConfirms;
    }
};

} // namespace

TEST(ClipboardHandover, ManagerKeeperOrNothing) {
    const ClipboardOffer text{0, {{"UTF8_STRING", "UTF8_STRING", "#8857F9"}}};
    struct Case {
        const char* name;
        bool owns, manager;
        ClipboardOffer offer;
        bool confirms;
        HandoverResult result;
        int keepers;
    } const cases[] = {
        {"another program copied since", false, false, text, true, HandoverResult::NotOwned, 0},
        {"a manager saves it", true, true, text, true, HandoverResult::ToManager, 0},
        {"nothing pasteable", true, false, {}, true, HandoverResult::NothingToKeep, 0},
        {"the keeper serves it", true, false, text, true, HandoverResult::Kept, 1},
        {"the keeper is slow", true, false, text, false, HandoverResult::KeeperLate, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeHandover fake;
        fake.owns = c.owns;
        fake.manager = c.manager;
        fake.offer = c.offer;
        fake.keeperConfirms = c.confirms;
        EXPECT_EQ(HandOverClipboardOnExit(fake, HandoverBudgetMs), c.result);
        EXPECT_EQ(fake.keepersStarted, c.keepers);
        if (c.keepers) {
            EXPECT_GE(fake.budgetSeen, 0);
            EXPECT_LE(fake.budgetSeen, HandoverBudgetMs);
        }
    }
}
