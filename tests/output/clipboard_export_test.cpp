#include "output/clipboard_export.h"

#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

using namespace huebit;

namespace {

struct RecordingClipboard : Clipboard {
    QString text;
    QImage bitmap;
    QByteArray svg;
    int writes = 0;
    void setText(const QString& t) override { *this = {}, text = t, writes = 1; }
    void setBitmap(const QImage& b) override { *this = {}, bitmap = b, writes = 1; }
    void setVector(const QByteArray& s) override { *this = {}, svg = s, writes = 1; }
};

// The coloured area's size: pixels equal to `c` form a rectangle from the top-left corner.
QSize colouredArea(const QImage& image, Color c) {
    const QRgb want = qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
    int w = 0, h = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool coloured = image.pixel(x, y) == want;
            if (coloured) w = std::max(w, x + 1), h = std::max(h, y + 1);
            else EXPECT_EQ(image.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
        }
    }
    return {w, h};
}

struct SvgRect {
    double x = -1, y = -1, w = -1, h = -1;
    QString fill, stroke, strokeWidth, vectorEffect;
    int count = 0;
};

SvgRect readRect(const QByteArray& svg) {
    SvgRect r;
    QXmlStreamReader xml(svg);
    QString groupFill, groupStroke, groupWidth;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement()) continue;
        const auto a = xml.attributes();
        if (xml.name() == QLatin1String("g")) {
            if (a.hasAttribute("fill")) groupFill = a.value("fill").toString();
            if (a.hasAttribute("stroke")) groupStroke = a.value("stroke").toString();
            if (a.hasAttribute("stroke-width")) groupWidth = a.value("stroke-width").toString();
        }
        if (xml.name() == QLatin1String("rect")) {
            ++r.count;
            r.x = a.value("x").toDouble(), r.y = a.value("y").toDouble();
            r.w = a.value("width").toDouble(), r.h = a.value("height").toDouble();
            r.fill = groupFill, r.stroke = groupStroke, r.strokeWidth = groupWidth;
            r.vectorEffect = a.value("vector-effect").toString();
        }
    }
    return r;
}

class ClipboardExportTest : public ::testing::Test {
protected:
    void SetUp() override { model.ApplyColor(RGB(2, 6, 10), coNormal); }
    ColorModel model;
    SampleOptions options;
    RecordingClipboard clipboard;
    ClipboardExport exporter{model, options, clipboard};
};

} // namespace

TEST_F(ClipboardExportTest, DefaultBitmapsWithAndWithoutContour) {
    exporter.CopySampleBitmap(); // the bar colour: (2, 6, 10) reads back as (1, 5, 9)
    ASSERT_EQ(clipboard.bitmap.size(), QSize(20, 20));
    EXPECT_EQ(colouredArea(clipboard.bitmap, RGB(1, 5, 9)), QSize(19, 19));
    exporter.CopyPickedBitmap(RGB(200, 100, 50));
    EXPECT_EQ(colouredArea(clipboard.bitmap, RGB(200, 100, 50)), QSize(20, 20));
    options.contour = false;
    exporter.CopySampleBitmap();
    EXPECT_EQ(colouredArea(clipboard.bitmap, RGB(1, 5, 9)), QSize(20, 20));
}

TEST_F(ClipboardExportTest, SampleSizeRules) {
    options.square = true;
    options.width = 30;
    options.height = 50;
    EXPECT_EQ(options.sampleSize(), QSize(30, 30));
    options.square = false;
    EXPECT_EQ(options.sampleSize(), QSize(30, 50));
    options.width = 0;
    options.height = -3;
    EXPECT_EQ(options.sampleSize(), QSize(1, 1));
    options.width = 1;
    options.height = 1;
    exporter.CopySampleBitmap(); // a 1 x 1 sample with a contour is all white
    EXPECT_EQ(clipboard.bitmap.size(), QSize(1, 1));
    EXPECT_EQ(clipboard.bitmap.pixel(0, 0), qRgb(255, 255, 255));
}

TEST_F(ClipboardExportTest, VectorSampleIsOneRectangle) {
    for (bool contour : {true, false}) {
        options.contour = contour;
        options.width = 30;
        options.height = 12;
        exporter.CopySampleMetafile();
        ASSERT_FALSE(clipboard.svg.isEmpty());
        EXPECT_TRUE(QSvgRenderer(clipboard.svg).isValid());
        const SvgRect r = readRect(clipboard.svg);
        EXPECT_EQ(r.count, 1);
        EXPECT_EQ(r.x, 0);
        EXPECT_EQ(r.y, 0);
        EXPECT_EQ(r.w, 31); // (0, 0)-(W + 1, H + 1)
        EXPECT_EQ(r.h, 13);
        EXPECT_EQ(r.fill, "#010509");
        EXPECT_EQ(r.stroke, "#010509");
        // Without the contour the outline is the thinnest line: one pixel at any zoom.
        EXPECT_EQ(r.strokeWidth, "1");
        EXPECT_EQ(r.vectorEffect, contour ? "" : "non-scaling-stroke") << clipboard.svg.toStdString();
    }
}

TEST_F(ClipboardExportTest, PickedTextUsesItsOwnOrderAndTheColourItself) {
    EXPECT_EQ(PickedColorText("#hRhGhB - HTML", RGB(255, 0, 10)), "#FF000A");
    EXPECT_EQ(PickedColorText("dRdR", RGB(7, 0, 0)), "7dR");
    EXPECT_EQ(PickedColorText("dH,dS,dV", RGB(255, 0, 0)), "360,100,100");
    EXPECT_EQ(PickedColorText("RGB(dR,dG,dB) - Windows", RGB(5, 87, 249)), "RGB(5,87,249)");
    // dH is replaced before hR, so a hue value never meets a later placeholder's letters.
    EXPECT_EQ(PickedColorText("hRdH", RGB(0, 255, 0)), "00120");
    model.SetActiveTemplateText("$00hBhGhR - Delphi");
    exporter.CopyPickedText(RGB(1, 2, 3));
    EXPECT_EQ(clipboard.text, "$00030201");
}

TEST_F(ClipboardExportTest, EachCommandReplacesTheWholeContent) {
    exporter.CopyColorText("RGB(2,6,10)");
    EXPECT_EQ(clipboard.text, "RGB(2,6,10)");
    exporter.CopySampleBitmap();
    EXPECT_TRUE(clipboard.text.isEmpty());
    EXPECT_FALSE(clipboard.bitmap.isNull());
    exporter.CopyPickedMetafile(RGB(0, 0, 0));
    EXPECT_TRUE(clipboard.bitmap.isNull());
    EXPECT_FALSE(clipboard.svg.isEmpty());
    EXPECT_EQ(model.LastColor(), RGB(2, 6, 10)); // nothing else changes
}
