#include "palettes/color_drop.h"

#include "core/color_model.h"

#include <QColor>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace huebit;

namespace {

QByteArray gtkColor(quint16 r, quint16 g, quint16 b) {
    QByteArray raw(8, '\0');
    const quint16 values[] = {r, g, b, 0xFFFF};
    for (int i = 0; i < 4; ++i)
        qToUnaligned(values[i], raw.data() + 2 * i);
    return raw;
}

const QString Html = QStringLiteral("#hRhGhB - HTML");

TEST(ColorDrop, TextsReadAsTheTypedInputReadsThem) {
    const ColorModel model; // the fields of the start colour
    const struct {
        const char* entry;
        const char* text;
        std::optional<Color> color;
    } cases[] = {
        {"#hRhGhB - HTML", "#8857F9", RGB(0x88, 0x57, 0xF9)},
        {"#hRhGhB - HTML", "#8857f9", RGB(0x88, 0x57, 0xF9)},
        {"#hRhGhB - HTML", "#88", std::nullopt}, // green and blue fields left empty
        {"#hRhGhB - HTML", "hello", std::nullopt},
        {"#hRhGhB - HTML", "", std::nullopt},
        {"RGB(dR,dG,dB) - Windows", "RGB(300,  7, 16)", RGB(255, 7, 16)},
        {"RGB(dR,dG,dB) - Windows", "RGB(1x2,3,4)", std::nullopt},
        {"dH dS dV", "400 050 100", RGB(255, 127, 127)},
        {"no placeholders", "#8857F9", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TypedTextColor(c.entry, model.Texts(), c.text), c.color)
            << c.entry << " " << c.text;
    }
}

TEST(ColorDrop, EachKindOfDropIsReadOrRefused) {
    QTemporaryDir dir;
    const ColorModel model;
    const QString gpl = dir.filePath("p.GPL");
    struct Case {
        const char* what;
        std::function<void(QMimeData&)> fill;
        DropKind kind;
        Color color;
    };
    const Case cases[] = {
        {"a Qt colour", [](QMimeData& d) { d.setColorData(QColor(1, 2, 3)); }, DropKind::Color,
         RGB(1, 2, 3)},
        {"a GTK colour",
         [](QMimeData& d) { d.setData("application/x-color", gtkColor(0xFFFF, 0x8000, 0x00FF)); },
         DropKind::Color, RGB(255, 128, 0)},
        {"a short GTK colour", [](QMimeData& d) { d.setData("application/x-color", "ab"); },
         DropKind::Refused, 0},
        {"a colour with a text",
         [](QMimeData& d) {
             d.setColorData(QColor(9, 9, 9));
             d.setText("#FFFFFF");
         },
         DropKind::Color, RGB(9, 9, 9)},
        {"a text with a line end", [](QMimeData& d) { d.setText("#0A0B0C\n"); }, DropKind::Color,
         RGB(10, 11, 12)},
        {"two lines of text", [](QMimeData& d) { d.setText("#0A0B0C\n#010101"); },
         DropKind::Refused, 0},
        {"an unreadable text", [](QMimeData& d) { d.setText("blue"); }, DropKind::Refused, 0},
        {"a palette file", [&](QMimeData& d) { d.setUrls({QUrl::fromLocalFile(gpl)}); },
         DropKind::PaletteFile, 0},
        {"another file",
         [&](QMimeData& d) { d.setUrls({QUrl::fromLocalFile(dir.filePath("p.png"))}); },
         DropKind::Refused, 0},
        {"a remote palette", [](QMimeData& d) { d.setUrls({QUrl("https://example.org/p.gpl")}); },
         DropKind::Refused, 0},
        {"an image", [](QMimeData& d) { d.setData("image/png", "\x89PNG"); }, DropKind::Refused, 0},
        {"nothing", [](QMimeData&) {}, DropKind::Refused, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QMimeData data;
        c.fill(data);
        const DropOffer offer = ReadDrop(data, Html, model.Texts());
        EXPECT_EQ(offer.kind, c.kind);
        if (c.kind == DropKind::Color) {
            EXPECT_EQ(offer.color, c.color);
        }
        if (c.kind == DropKind::PaletteFile) {
            EXPECT_EQ(offer.path, gpl);
        }
    }
}

// What a drag carries reads back as the same colour. Its text alone does so too wherever the
// typed input's fixed widths fit the text; a decimal value below 100 is written without the
// zeros that walk needs, so there the colour type carries it.
TEST(ColorDrop, DraggedColourDropsBackAsItself) {
    const ColorModel model;
    for (const QString& entry :
         {Html, QStringLiteral("RGB(dR,dG,dB) - Windows"), QStringLiteral("$00hBhGhR - Delphi")}) {
        for (const Color c : {RGB(0, 0, 0), RGB(0x88, 0x57, 0xF9), RGB(255, 255, 255)}) {
            QMimeData data;
            FillColorDrag(data, c, entry);
            EXPECT_TRUE(data.hasFormat("application/x-color"));
            EXPECT_EQ(ReadDrop(data, entry, model.Texts()).color, c);
            if (entry.contains("dR")) continue;
            EXPECT_EQ(TypedTextColor(entry, model.Texts(), data.text()), c)
                << entry.toStdString() << " " << data.text().toStdString();
        }
    }
    QMimeData data;
    FillColorDrag(data, RGB(0x88, 0x57, 0xF9), Html);
    EXPECT_EQ(data.text(), "#8857F9");
    EXPECT_EQ(TypedTextColor("RGB(dR,dG,dB) - Windows", model.Texts(), "RGB(136,087,249)"),
              RGB(0x88, 0x57, 0xF9));
}

} // namespace
