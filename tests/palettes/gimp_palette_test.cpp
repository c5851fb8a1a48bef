#include "palettes/gimp_palette.h"
#include "palettes/named_colors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace huebit;

namespace {

using Entries = std::vector<GimpPaletteEntry>;

constexpr char Binary[] = "GIMP Palette\n\0\x01\xFF\xFE 1 2\n1 2 3\0x\n";

struct ReadCase {
    const char* what;
    QByteArray bytes;
    bool header;
    QString name;
    int columns;
    Entries entries;
    int skipped;
};

const ReadCase ReadCases[] = {
    {"the usual shape",
     "GIMP Palette\nName: Mine\nColumns: 4\n#\n255   0   0\tRed\n  0 128 255\tSky\n",
     true,
     "Mine",
     4,
     {{RGB(255, 0, 0), "Red"}, {RGB(0, 128, 255), "Sky"}},
     0},
    {"CR LF line ends",
     "GIMP Palette\r\nName: Win\r\n1 2 3\tA\r\n4 5 6\r\n",
     true,
     "Win",
     0,
     {{RGB(1, 2, 3), "A"}, {RGB(4, 5, 6), ""}},
     0},
    {"a byte-order mark",
     "\xEF\xBB\xBFGIMP Palette\n7 8 9 x\n",
     true,
     "",
     0,
     {{RGB(7, 8, 9), "x"}},
     0},
    {"comments and blank lines anywhere",
     "GIMP Palette\n# a\n\n   \n#1 2 3\n10 20 30 n\n# b\n",
     true,
     "",
     0,
     {{RGB(10, 20, 30), "n"}},
     0},
    {"tabs, spaces and leading zeros",
     "GIMP Palette\n\t1\t\t002  003 \t two words  \n",
     true,
     "",
     0,
     {{RGB(1, 2, 3), "two words"}},
     0},
    {"extra columns stay in the name",
     "GIMP Palette\n1 2 3 255 alpha\n",
     true,
     "",
     0,
     {{RGB(1, 2, 3), "255 alpha"}},
     0},
    {"UTF-8 names",
     "GIMP Palette\nName: Палитра ✓\n200 100 0\tОранжевый\n",
     true,
     "Палитра ✓",
     0,
     {{RGB(200, 100, 0), "Оранжевый"}},
     0},
    {"no Name: line, no final line end",
     "GIMP Palette\n0 0 0 Black",
     true,
     "",
     0,
     {{RGB(0, 0, 0), "Black"}},
     0},
    {"an unreadable Columns: line",
     "GIMP Palette\nColumns: many\n1 1 1\n",
     true,
     "",
     0,
     {{RGB(1, 1, 1), ""}},
     0},
    {"numbers out of range or not numbers are skipped",
     "GIMP Palette\n256 0 0\n-1 0 0\n1.5 2 3\n0x10 0 0\nred green blue\n1 2\n+1 2 3\n9 9 9 ok\n",
     true,
     "",
     0,
     {{RGB(9, 9, 9), "ok"}},
     7},
    {"no header reads nothing", "Name: X\n1 2 3 a\n\n4 5 6 b\n", false, "", 0, {}, 3},
    {"a header not on the first line reads nothing",
     "\nGIMP Palette\n1 2 3\n",
     false,
     "",
     0,
     {},
     2},
    {"an empty file", "", false, "", 0, {}, 0},
    {"binary data", QByteArray(Binary, sizeof Binary - 1), true, "", 0, {}, 2},
};

TEST(GimpPaletteReader, ReadsEachShape) {
    for (const ReadCase& c : ReadCases) {
        SCOPED_TRACE(c.what);
        const GimpPalette p = ReadGimpPalette(c.bytes);
        EXPECT_EQ(p.hasHeader, c.header);
        EXPECT_EQ(p.name, c.name);
        EXPECT_EQ(p.columns, c.columns);
        EXPECT_EQ(p.entries, c.entries);
        EXPECT_EQ(p.skippedLines, c.skipped);
        EXPECT_FALSE(p.truncated);
    }
}

// A huge file is read up to the bounds and no further, quickly.
TEST(GimpPaletteReader, StopsAtTheBounds) {
    QByteArray manyLines = "GIMP Palette\n";
    for (int i = 0; i < 100000; ++i)
        manyLines += "1 2 3\n";
    const GimpPalette lines = ReadGimpPalette(manyLines);
    EXPECT_TRUE(lines.truncated);
    EXPECT_EQ(lines.entries.size(), std::size_t(GimpPaletteMaxLines - 1));

    QByteArray longLines = "GIMP Palette\n";
    while (longLines.size() <= GimpPaletteMaxBytes)
        longLines += "4 5 6 " + QByteArray(5000, 'n') + '\n';
    const GimpPalette bytes = ReadGimpPalette(longLines);
    EXPECT_TRUE(bytes.truncated);
    ASSERT_FALSE(bytes.entries.empty());
    EXPECT_EQ(bytes.entries.back().name.size(), 5000) << "a line cut at the bound was read";
    EXPECT_EQ(bytes.skippedLines, 0);
}

TEST(GimpPaletteWriter, NamesColoursByWebNameElseHex) {
    EXPECT_EQ(GimpColorName(RGB(0, 0, 0)), "Black");
    EXPECT_EQ(GimpColorName(RGB(0xA0, 0x52, 0x2D)), "Sienna");
    EXPECT_EQ(GimpColorName(RGB(0x88, 0x57, 0xF9)), "#8857F9");
    EXPECT_EQ(GimpColorName(RGB(1, 2, 3)), "#010203");
    for (const QString& line : NamedColors()) {
        const QString name = GimpColorName(ParseNamedColor(line));
        EXPECT_FALSE(name.startsWith('#')) << line.toStdString();
        EXPECT_EQ(ParseNamedColor(NamedColors().filter(" - " + name + " - ").value(0)),
                  ParseNamedColor(line))
            << line.toStdString();
    }
}

TEST(GimpPaletteWriter, WritesTheFileGimpReads) {
    EXPECT_EQ(
        WriteGimpPalette("Huebit\nuser", {RGB(255, 0, 0), RGB(1, 22, 133)}),
        "GIMP Palette\nName: Huebit user\nColumns: 2\n#\n255   0   0\tRed\n  1  22 133\t#011685\n");
    EXPECT_EQ(WriteGimpPalette("Empty", {}), "GIMP Palette\nName: Empty\nColumns: 0\n#\n");
}

// Every colour of a sweep (and every named colour) comes back exactly, in order, with its name.
TEST(GimpPaletteWriter, RoundTripIsExact) {
    std::vector<Color> colors;
    for (int r = 0; r < 256; r += 15)
        for (int g = 0; g < 256; g += 17)
            for (int b = 0; b < 256; b += 51)
                colors.push_back(RGB(r, g, b));
    for (const QString& line : NamedColors())
        colors.push_back(ParseNamedColor(line));
    colors.push_back(EmptySlotColor);
    const GimpPalette p = ReadGimpPalette(WriteGimpPalette("Все цвета", colors));
    EXPECT_TRUE(p.hasHeader);
    EXPECT_EQ(p.name, "Все цвета");
    EXPECT_EQ(p.skippedLines, 0);
    ASSERT_EQ(p.entries.size(), colors.size());
    for (std::size_t i = 0; i < colors.size(); ++i) {
        EXPECT_EQ(p.entries[i].color, colors[i]) << i;
        EXPECT_EQ(p.entries[i].name, GimpColorName(colors[i])) << i;
    }
}

TEST(GimpPaletteFile, RefusesWhatIsNotARegularFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString good = dir.filePath("good.gpl"), fifo = dir.filePath("fifo.gpl"),
                  locked = dir.filePath("locked.gpl");
    for (const QString& path : {good, locked}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("GIMP Palette\n1 2 3 a\n");
    }
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0), 0);

    QString refusal;
    const auto read = ReadGimpPaletteFile(good, &refusal);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->entries, (Entries{{RGB(1, 2, 3), "a"}}));
    // None of these may block or throw; each says why.
    for (const QString& path :
         {fifo, dir.path(), dir.filePath("missing.gpl"), QString("/dev/zero")}) {
        refusal.clear();
        EXPECT_FALSE(ReadGimpPaletteFile(path, &refusal)) << path.toStdString();
        EXPECT_FALSE(refusal.isEmpty()) << path.toStdString();
    }
    if (::geteuid() != 0) {
        refusal.clear();
        EXPECT_FALSE(ReadGimpPaletteFile(locked, &refusal));
        EXPECT_FALSE(refusal.isEmpty());
    }
}

// The palettes GIMP ships (Debian's gimp-data, installed by scripts/install-deps.sh) all read
// whole, and survive our writer.
TEST(GimpPaletteFile, ReadsEveryShippedGimpPalette) {
    const QDir folder(QStringLiteral("/usr/share/gimp/2.0/palettes"));
    const QStringList files = folder.entryList({"*.gpl"}, QDir::Files, QDir::Name);
    ASSERT_GE(files.size(), 20) << "gimp-data is not installed; run scripts/install-deps.sh";
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        const auto p = ReadGimpPaletteFile(folder.filePath(file));
        ASSERT_TRUE(p);
        EXPECT_TRUE(p->hasHeader);
        EXPECT_FALSE(p->name.isEmpty());
        EXPECT_FALSE(p->entries.empty());
        EXPECT_EQ(p->skippedLines, 0);
        EXPECT_FALSE(p->truncated);
        std::vector<Color> colors;
        for (const auto& e : p->entries)
            colors.push_back(e.color);
        const GimpPalette again = ReadGimpPalette(WriteGimpPalette(p->name, colors));
        ASSERT_EQ(again.entries.size(), colors.size());
        for (std::size_t i = 0; i < colors.size(); ++i)
            EXPECT_EQ(again.entries[i].color, colors[i]);
    }
}

} // namespace
