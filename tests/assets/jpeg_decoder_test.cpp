#include "assets/jpeg_decoder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace huebit;

namespace {

QByteArray readData(const char* name) {
    QFile f(QStringLiteral(HUEBIT_TEST_DATA_DIR "/") + QLatin1String(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return f.readAll();
}

// JPEG is lossy; a flat area of a quality-100 picture comes back within a few steps.
void expectNear(QRgb got, int r, int g, int b) {
    EXPECT_NEAR(qRed(got), r, 4);
    EXPECT_NEAR(qGreen(got), g, 4);
    EXPECT_NEAR(qBlue(got), b, 4);
}

} // namespace

TEST(JpegDecoder, DecodesKnownPixelsBaselineAndProgressive) {
    for (const char* name : {"two_halves.jpg", "two_halves_progressive.jpg"}) {
        const JpegResult r = DecodeJpeg(readData(name));
        ASSERT_TRUE(r.ok()) << name << ": " << r.error.toStdString();
        ASSERT_EQ(r.image.size(), QSize(16, 8));
        EXPECT_EQ(r.image.format(), QImage::Format_RGB32);
        for (int y = 0; y < 8; ++y) {
            expectNear(r.image.pixel(2, y), 200, 40, 40);
            expectNear(r.image.pixel(13, y), 30, 60, 220);
        }
    }
}

TEST(JpegDecoder, GreyPicturesComeOutAsRgb) {
    const JpegResult r = DecodeJpeg(readData("grey.jpg"));
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    expectNear(r.image.pixel(4, 4), 77, 77, 77);
}

TEST(JpegDecoder, BadInputFailsClearly) {
    const QByteArray good = readData("two_halves.jpg");
    for (qsizetype cut : {qsizetype(1), qsizetype(2), qsizetype(20), good.size() / 2, good.size() - 2}) {
        const JpegResult r = DecodeJpeg(QByteArrayView(good).first(cut));
        EXPECT_FALSE(r.ok()) << "cut at " << cut;
        EXPECT_TRUE(r.image.isNull());
    }
    EXPECT_FALSE(DecodeJpeg(QByteArray()).ok());
    QByteArray garbage(4096, '\0');
    for (int i = 0; i < garbage.size(); ++i) garbage[i] = char((i * 7919) & 0xFF);
    EXPECT_FALSE(DecodeJpeg(garbage).ok());
    QByteArray header = good.first(2) + garbage; // a JPEG start followed by nonsense
    EXPECT_FALSE(DecodeJpeg(header).ok());
    QFile png(QStringLiteral(":/assets/name.png"));
    ASSERT_TRUE(png.open(QIODevice::ReadOnly));
    const JpegResult fromPng = DecodeJpeg(png.readAll());
    EXPECT_FALSE(fromPng.ok());
    EXPECT_FALSE(fromPng.error.isEmpty());
    EXPECT_FALSE(LoadJpegResource(":/assets/missing.jpg").ok());
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
}
