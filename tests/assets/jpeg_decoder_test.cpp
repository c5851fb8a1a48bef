#include "assets/jpeg_decoder.h"
#include "assets/baked_pictures.h"

#include <QColorSpace>
#include <QFile>
#include <gtest/gtest.h>
#include <string>

using namespace huebit;

namespace {

QByteArray readData(const char* name) {
    QFile f(QStringLiteral(HUEBIT_TEST_DATA_DIR "/") + QLatin1String(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return f.readAll();
}

QByteArray readResource(const char* path) {
    QFile f(QString::fromLatin1(path));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path;
    return f.readAll();
}

// The same picture with its frame claiming 60000 x 60000 pixels, within libjpeg's own limit.
QByteArray withHugeFrame(QByteArray jpeg) {
    const qsizetype sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    EXPECT_GT(sof, 0);
    for (qsizetype i = sof + 5; i < sof + 9; i += 2) {
        jpeg[i] = char(60000 >> 8);
        jpeg[i + 1] = char(60000 & 0xFF);
    }
    return jpeg;
}

QByteArray garbage(int size) {
    QByteArray g(size, '\0');
    for (int i = 0; i < size; ++i) g[i] = char((i * 7919 + 13) & 0xFF);
    return g;
}

} // namespace

// Each file is two flat 8 x 8 blocks (one grey block for the grey file) made at quality 100,
// so every pixel comes back within a few steps of the colour it was made from.
TEST(JpegDecoder, DecodesKnownPixels) {
    struct Case {
        const char* file;
        QSize size;
        QRgb left, right;
        int tolerance;
    };
    const Case cases[] = {
        {"two_halves.jpg", {16, 8}, qRgb(200, 40, 40), qRgb(30, 60, 220), 3},
        {"two_halves_progressive.jpg", {16, 8}, qRgb(200, 40, 40), qRgb(30, 60, 220), 3},
        {"two_halves_cmyk.jpg", {16, 8}, qRgb(200, 40, 40), qRgb(30, 60, 220), 4},
        {"grey.jpg", {8, 8}, qRgb(77, 77, 77), qRgb(77, 77, 77), 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const JpegResult r = DecodeJpeg(readData(c.file));
        ASSERT_TRUE(r.ok()) << r.error.toStdString();
        ASSERT_EQ(r.image.size(), c.size);
        EXPECT_EQ(r.image.format(), QImage::Format_RGB32);
        for (int y = 0; y < c.size.height(); ++y) {
            for (int x = 0; x < c.size.width(); ++x) {
                const QRgb want = x < c.size.width() / 2 ? c.left : c.right;
                const QRgb got = r.image.pixel(x, y);
                EXPECT_NEAR(qRed(got), qRed(want), c.tolerance) << x << "," << y;
                EXPECT_NEAR(qGreen(got), qGreen(want), c.tolerance) << x << "," << y;
                EXPECT_NEAR(qBlue(got), qBlue(want), c.tolerance) << x << "," << y;
            }
        }
    }
}

TEST(JpegDecoder, BadInputGivesAnErrorAndNoPicture) {
    const QByteArray baseline = readData("two_halves.jpg");
    const QByteArray progressive = readData("two_halves_progressive.jpg");
    struct Case {
        std::string name;
        QByteArray bytes;
        const char* errorPart; // nullptr: any text will do
    };
    std::vector<Case> cases = {
        {"empty", QByteArray(), nullptr},
        {"garbage", garbage(4096), "Not a JPEG file"},
        {"JPEG start then garbage", baseline.first(2) + garbage(4096), nullptr},
        {"PNG", readResource(":/assets/name.png"), "Not a JPEG file"},
        {"frame too large", withHugeFrame(baseline), "too large"},
    };
    // Cuts inside the markers, inside the scan, and just before the end marker, where libjpeg
    // alone would only warn and pad the picture with grey.
    for (const auto& [label, whole] : {std::pair{"baseline", baseline}, {"progressive", progressive}}) {
        for (qsizetype cut : {qsizetype(1), qsizetype(2), qsizetype(20), whole.size() / 2,
                              whole.size() - 20, whole.size() - 2}) {
            cases.push_back({std::string(label) + " cut at " + std::to_string(cut), whole.first(cut),
                             nullptr});
        }
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const JpegResult r = DecodeJpeg(c.bytes);
        EXPECT_FALSE(r.ok());
        EXPECT_FALSE(r.error.isEmpty());
        EXPECT_TRUE(r.image.isNull());
        if (c.errorPart) {
            EXPECT_TRUE(r.error.contains(QLatin1String(c.errorPart))) << r.error.toStdString();
        }
    }
}

TEST(JpegDecoder, ShippedPicturesDecodeToTheirSizes) {
    const std::pair<const char*, QSize> pictures[] = {
        {":/assets/title.jpg", {405, 26}}, {":/assets/mini.jpg", {34, 23}},
        {":/assets/about.jpg", {120, 120}}};
    for (auto [path, size] : pictures) {
        const JpegResult r = LoadJpegResource(QString::fromLatin1(path));
        ASSERT_TRUE(r.ok()) << path << ": " << r.error.toStdString();
        EXPECT_EQ(r.image.size(), size) << path;
    }
    const JpegResult missing = LoadJpegResource(QStringLiteral(":/assets/missing.jpg"));
    EXPECT_FALSE(missing.ok());
    EXPECT_TRUE(missing.image.isNull());
}

// The build's copies are what the window shows: each picture at its size and at twice it, the
// JPEGs pixel for pixel as the decoder gives them, and the icons on a transparent ground (a
// corner showing through proves the alpha channel survived).
TEST(BakedPictures, AreTheShippedPicturesAtTheirSizes) {
    for (const int scale : {1, 2}) {
        SCOPED_TRACE(scale);
        for (const char* picture : {"title.jpg", "mini.jpg", "about.jpg"}) {
            const std::string name = ScaledPictureName(picture, scale);
            const QImage baked = BakedPictureImage(name);
            const JpegResult decoded =
                LoadJpegResource(QStringLiteral(":/assets/") + QString::fromStdString(name));
            ASSERT_TRUE(decoded.ok()) << name;
            EXPECT_EQ(baked, decoded.image) << name;
            EXPECT_FALSE(baked.hasAlphaChannel()) << name;
        }
        const std::pair<const char*, QSize> icons[] = {
            {"name.png", {60, 8}},        {"hide.png", {14, 14}},     {"shrink.png", {14, 14}},
            {"close.png", {14, 14}},      {"icon16.png", {16, 16}},   {"icon32.png", {32, 32}},
            {"about_icon.png", {16, 16}}, {"help_icon.png", {16, 16}}};
        for (auto [picture, size] : icons) {
            const std::string name = ScaledPictureName(picture, scale);
            const QImage icon = BakedPictureImage(name);
            ASSERT_FALSE(icon.isNull()) << name;
            EXPECT_EQ(icon.size(), size * scale) << name;
            EXPECT_TRUE(icon.hasAlphaChannel()) << name;
            EXPECT_EQ(qAlpha(icon.pixel(icon.width() - 1, 0)), 0) << name;
            // Pixels only: the file may carry a colour space, which the window does not use.
            QImage file = QImage(QStringLiteral(":/assets/") + QString::fromStdString(name))
                              .convertToFormat(QImage::Format_ARGB32_Premultiplied);
            file.setColorSpace(QColorSpace());
            EXPECT_EQ(icon, file) << name;
        }
    }
    EXPECT_EQ(BakedPictureCount, 22);
    EXPECT_TRUE(BakedPictureImage("missing.png").isNull());
}
