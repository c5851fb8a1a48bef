#include "core/text_template.h"
#include "output/clipboard_export.h"
#include "output/recording_clipboard.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <functional>
#include <gtest/gtest.h>

using namespace huebit;

namespace {

QRgb qrgbOf(Color c) {
    return qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
}

// The coloured area's size, checking that it is a rectangle at the top-left corner and that
// everything else is white.
QSize colouredArea(const QImage& image, Color c) {
    int w = 0, h = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == qrgbOf(c)) w = std::max(w, x + 1), h = std::max(h, y + 1);
        }
    }
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb want = x < w && y < h ? qrgbOf(c) : qRgb(255, 255, 255);
            if (image.pixel(x, y) != want) {
                ADD_FAILURE() << "stray pixel at " << x << "," << y;
                return {-1, -1};
            }
        }
    }
    return {w, h};
}

struct SvgRect {
    double x = -1, y = -1, w = -1, h = -1;
    QString fill, stroke, strokeWidth, vectorEffect;
    int count = 0;
    QString width, height, viewBox; // of the frame
};

// Qt writes the pen and brush on an enclosing group, so the innermost group's attributes are
// the rectangle's.
SvgRect readRect(const QByteArray& svg) {
    SvgRect r;
    QXmlStreamReader xml(svg);
    QString fill, stroke, width;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto a = xml.attributes();
        if (xml.name() == QLatin1String("svg")) {
            r.width = a.value("width").toString();
            r.height = a.value("height").toString();
            r.viewBox = a.value("viewBox").toString();
        } else if (xml.name() == QLatin1String("g")) {
            if (a.hasAttribute("fill")) fill = a.value("fill").toString();
            if (a.hasAttribute("stroke")) stroke = a.value("stroke").toString();
            if (a.hasAttribute("stroke-width")) width = a.value("stroke-width").toString();
        } else if (xml.name() == QLatin1String("rect")) {
            ++r.count;
            r.x = a.value("x").toDouble(), r.y = a.value("y").toDouble();
            r.w = a.value("width").toDouble(), r.h = a.value("height").toDouble();
            r.fill = fill, r.stroke = stroke, r.strokeWidth = width;
            r.vectorEffect = a.value("vector-effect").toString();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
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

TEST(SampleOptions, SampleSize) {
    struct Case {
        int width, height;
        bool square;
        QSize want;
    } const cases[] = {
        {20, 20, false, {20, 20}}, {30, 50, false, {30, 50}}, {30, 50, true, {30, 30}},
        {0, 7, false, {1, 7}},     {7, -3, false, {7, 1}},    {-5, 50, true, {1, 1}},
        {100, 1, false, {100, 1}}, {1, 100, true, {1, 1}},
    };
    for (const Case& c : cases) {
        SampleOptions o;
        o.width = c.width, o.height = c.height, o.square = c.square;
        EXPECT_EQ(o.SampleSize(), c.want) << c.width << " x " << c.height << " " << c.square;
    }
    const SampleOptions defaults;
    EXPECT_EQ(defaults.SampleSize(), QSize(20, 20));
    EXPECT_TRUE(defaults.contour);
}

TEST(ClipboardSample, BitmapColouredAreaAcrossSizes) {
    const Color c = RGB(200, 100, 50);
    for (int w : {1, 2, 20, 100}) {
        for (int h : {1, 3, 20, 100}) {
            const QImage with = MakeSampleBitmap(c, {w, h}, true);
            const QImage without = MakeSampleBitmap(c, {w, h}, false);
            ASSERT_EQ(with.size(), QSize(w, h));
            EXPECT_EQ(with.format(), QImage::Format_RGB32);
            EXPECT_EQ(without.size(), QSize(w, h));
            // A 1-wide sample with the contour has no coloured pixel at all.
            const QSize inner = w > 1 && h > 1 ? QSize(w - 1, h - 1) : QSize(0, 0);
            EXPECT_EQ(colouredArea(with, c), inner) << w << " x " << h;
            EXPECT_EQ(colouredArea(without, c), QSize(w, h)) << w << " x " << h;
        }
    }
    // White itself: the colour and the background agree everywhere.
    EXPECT_EQ(MakeSampleBitmap(RGB(255, 255, 255), {4, 4}, true).pixel(3, 3), qRgb(255, 255, 255));
}

TEST(ClipboardSample, SvgIsOneRectangleOverTheFrame) {
    const Color c = RGB(18, 52, 86);
    for (bool contour : {true, false}) {
        const QByteArray svg = MakeSampleSvg(c, {30, 12}, contour);
        const SvgRect r = readRect(svg);
        EXPECT_EQ(r.count, 1);
        EXPECT_EQ(r.x, 0);
        EXPECT_EQ(r.y, 0);
        EXPECT_EQ(r.w, 31); // (0, 0)-(W + 1, H + 1)
        EXPECT_EQ(r.h, 13);
        EXPECT_EQ(r.fill, "#123456");
        EXPECT_EQ(r.stroke, "#123456");
        // The thinnest line is Qt's cosmetic pen: one pixel wide at any zoom.
        EXPECT_EQ(r.strokeWidth, "1");
        EXPECT_EQ(r.vectorEffect, contour ? "" : "non-scaling-stroke") << svg.toStdString();
        // A frame of 30 x 12 pixels, in pixels: no reader's idea of a millimetre comes in.
        EXPECT_EQ(r.viewBox, "0 0 30 12");
        EXPECT_EQ(r.width, "30");
        EXPECT_EQ(r.height, "12");

        // Drawn, it covers the whole frame.
        QSvgRenderer renderer(svg);
        ASSERT_TRUE(renderer.isValid());
        EXPECT_EQ(renderer.defaultSize(), QSize(30, 12));
        QImage image(30, 12, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        renderer.render(&p);
        p.end();
        EXPECT_EQ(colouredArea(image, c), QSize(30, 12));
    }
}

TEST(ClipboardSample, PickedColorText) {
    struct Case {
        const char* entry;
        Color c;
        const char* want;
    } const cases[] = {
        {"#hRhGhB - HTML", RGB(255, 0, 10), "#FF000A"},
        {"dRdR", RGB(7, 0, 0), "7dR"},               // first occurrence only
        {"dR,dG,dB", RGB(7, 0, 99), "7,0,99"},       // never zero-padded
        {"dH,dS,dV", RGB(255, 0, 0), "360,100,100"}, // pure red reads 360
        {"dH,dS,dV", RGB(0, 0, 0), "0,0,0"},
        {"dH/dS/dV - HSV", RGB(136, 87, 249), "258/65/98"},
        {"RGB(dR,dG,dB) - Windows", RGB(5, 87, 249), "RGB(5,87,249)"},
        {"$00hBhGhR - Delphi", RGB(1, 2, 3), "$00030201"},
        {"dR -dG", RGB(1, 2, 3), "1"}, // cut at the first " -"
        {"a-dR", RGB(1, 2, 3), "a-1"}, // a hyphen alone cuts nothing
        {"no values - label", RGB(1, 2, 3), "no values"},
        {"DR hr", RGB(1, 2, 3), "DR hr"}, // case-sensitive
        // The HSV values go in before the hexadecimal ones: a hue of 120 is inserted first,
        // so hR is then found in the template, not inside a value.
        {"hRdH", RGB(0, 255, 0), "00120"},
        // Each placeholder is searched in the text as it stands after the earlier ones: red B0
        // after an "h" makes an hB.
        {"hhR", RGB(0xB0, 0, 0x11), "110"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PickedColorText(QString::fromUtf8(c.entry), c.c), QString::fromUtf8(c.want))
            << c.entry;
    }
}

// Apart from its order and the source of its values the picked text is the text line's
// expansion: for the RGB placeholders the two agree. (Not for HSV: the text line's readout comes
// from the bars, one step off at times, while the picked text uses the colour itself.)
TEST(ClipboardSample, PickedTextAgreesWithTheTextLine) {
    ColorModel model;
    QStringList entries = DefaultTemplates();
    entries << QStringLiteral("dR dG dB hR hG hB - all") << QStringLiteral("dRdGdB");
    // From 1: the fresh model already holds black and would skip it. Black comes at 256.
    for (int i = 1; i <= 600; ++i) {
        const Color c = RGB(i * 37 % 256, i * 91 % 256, i * 53 % 256);
        model.ApplyColor(c, coNormal);
        for (const QString& entry : entries) {
            ASSERT_EQ(PickedColorText(entry, c), RenderColorText(entry, model.Texts(), false))
                << entry.toStdString() << " " << i;
        }
    }
}

TEST_F(ClipboardExportTest, DefaultsExportTheBarColourWhileTheTextShowsTheColour) {
    // (2, 6, 10) comes back from 190-pixel bars as (1, 5, 9).
    ASSERT_EQ(model.ColorFromBars(), RGB(1, 5, 9));
    exporter.CopySampleBitmap();
    ASSERT_EQ(clipboard.kind, RecordingClipboard::Kind::Sample);
    ASSERT_EQ(clipboard.bitmap.size(), QSize(20, 20));
    EXPECT_EQ(colouredArea(clipboard.bitmap, RGB(1, 5, 9)), QSize(19, 19));

    exporter.CopySampleMetafile();
    ASSERT_EQ(clipboard.kind, RecordingClipboard::Kind::Vector);
    const SvgRect r = readRect(clipboard.svg);
    EXPECT_EQ(r.fill, "#010509");
    EXPECT_EQ(r.vectorEffect, ""); // the contour's pen is one unit wide, not cosmetic
    EXPECT_EQ(r.w, 21);

    model.SelectTemplate(0); // "RGB(dR,dG,dB) - Windows"
    exporter.CopyColorText(model.TextLine());
    EXPECT_EQ(clipboard.text, "RGB(2,6,10)");

    // The screen page's bitmap ignores the contour; its vector sample honours it.
    exporter.CopyPickedBitmap(RGB(2, 6, 10));
    EXPECT_EQ(colouredArea(clipboard.bitmap, RGB(2, 6, 10)), QSize(20, 20));
    exporter.CopyPickedMetafile(RGB(2, 6, 10));
    EXPECT_EQ(readRect(clipboard.svg).vectorEffect, "");
    EXPECT_EQ(readRect(clipboard.svg).fill, "#02060a");
}

TEST_F(ClipboardExportTest, OptionsAreReadAtEachCommand) {
    options.contour = false;
    options.square = true;
    options.width = 30;
    options.height = 50;
    exporter.CopySampleBitmap();
    EXPECT_EQ(colouredArea(clipboard.bitmap, RGB(1, 5, 9)), QSize(30, 30));
    exporter.CopySampleMetafile();
    EXPECT_EQ(readRect(clipboard.svg).vectorEffect, "non-scaling-stroke");
    EXPECT_EQ(readRect(clipboard.svg).viewBox, "0 0 30 30");
    exporter.CopyPickedMetafile(RGB(0, 0, 0));
    EXPECT_EQ(readRect(clipboard.svg).vectorEffect, "non-scaling-stroke");
    options.width = 0;
    options.square = false;
    exporter.CopyPickedBitmap(RGB(0, 0, 0));
    EXPECT_EQ(clipboard.bitmap.size(), QSize(1, 50));
}

TEST_F(ClipboardExportTest, PickedTextFollowsTheActiveTemplate) {
    exporter.CopyPickedText(RGB(255, 0, 10)); // the default: the HTML entry
    EXPECT_EQ(clipboard.text, "#FF000A");
    model.SelectTemplate(5);
    exporter.CopyPickedText(RGB(1, 2, 3));
    EXPECT_EQ(clipboard.text, "$00030201");
    // A template typed into the selector's field, matching no entry, is the one in force.
    model.SetActiveTemplateText("dH:dS:dV - typed");
    ASSERT_EQ(model.Templates().selected(), -1);
    exporter.CopyPickedText(RGB(255, 0, 0));
    EXPECT_EQ(clipboard.text, "360:100:100");
}

TEST_F(ClipboardExportTest, EachCommandReplacesTheContentAndTouchesNothingElse) {
    const Color colour = model.LastColor();
    const QString line = model.TextLine();
    const ComponentBars bars = model.Bars();
    const Sample sample = model.SampleState();
    int changes = 0;
    QObject::connect(&model, &ColorModel::changed, [&changes](unsigned) { ++changes; });

    using Kind = RecordingClipboard::Kind;
    const std::pair<std::function<void()>, Kind> commands[] = {
        {[&] { exporter.CopyColorText(QStringLiteral("x")); }, Kind::Text},
        {[&] { exporter.CopySampleBitmap(); }, Kind::Sample},
        {[&] { exporter.CopySampleMetafile(); }, Kind::Vector},
        {[&] { exporter.CopyPickedText(RGB(9, 9, 9)); }, Kind::Text},
        {[&] { exporter.CopyPickedBitmap(RGB(9, 9, 9)); }, Kind::Sample},
        {[&] { exporter.CopyPickedMetafile(RGB(9, 9, 9)); }, Kind::Vector},
    };
    int writes = 0;
    for (const auto& [run, kind] : commands) {
        run();
        EXPECT_EQ(clipboard.writes, ++writes); // one write per command
        EXPECT_EQ(clipboard.kind, kind);
        EXPECT_EQ(!clipboard.text.isEmpty(), kind == Kind::Text);
        EXPECT_EQ(!clipboard.bitmap.isNull(), kind == Kind::Sample);
        EXPECT_EQ(!clipboard.svg.isEmpty(), kind == Kind::Vector);
    }
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(model.LastColor(), colour);
    EXPECT_EQ(model.TextLine(), line);
    EXPECT_EQ(model.Bars().red, bars.red);
    EXPECT_EQ(model.SampleState().background, sample.background);
}
