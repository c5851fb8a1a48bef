// A GIMP palette file as it arrives from disk or a drop, through ReadGimpPalette, against an
// independent line-by-line reading with a regular expression; then what was read is written and
// read back, which must give the same colours and names and skip nothing.
#include "fuzz_support.h"
#include "palettes/gimp_palette.h"

#include <QByteArrayList>
#include <QRegularExpression>

using namespace huebit;
using namespace huebit::fuzz;

namespace {

struct Reference {
    bool header = false;
    std::vector<Color> colors;
    int skipped = 0;
};

// Only called for inputs under both bounds, so every line is read.
Reference readReference(QByteArray bytes) {
    // \x0b, not \v: in the expression \v is every vertical space, NEL (0x85) included, where
    // the reader's blanks are C's.
    static const QRegularExpression blanks(
        QStringLiteral("^[ \\t\\r\\x0b\\f]+|[ \\t\\r\\x0b\\f]+$"));
    static const QRegularExpression colour(
        QStringLiteral(
            "^([0-9]+)[ \\t\\r\\x0b\\f]+([0-9]+)[ \\t\\r\\x0b\\f]+([0-9]+)([ \\t\\r\\x0b\\f].*)?$"),
        QRegularExpression::DotMatchesEverythingOption);
    Reference r;
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    const QByteArrayList lines = bytes.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        // Latin-1 keeps one character per byte, so the expression sees the bytes themselves.
        const QString line = QString::fromLatin1(lines[i]).remove(blanks);
        if (i == 0 && line == QLatin1String("GIMP Palette")) {
            r.header = true;
            continue;
        }
        if (line.isEmpty()) continue;
        if (!r.header) {
            ++r.skipped;
            continue;
        }
        if (line.startsWith('#') || line.startsWith(QLatin1String("Name:")) ||
            line.startsWith(QLatin1String("Columns:")))
            continue;
        const auto m = colour.match(line);
        int v[3] = {-1, -1, -1};
        for (int k = 0; m.hasMatch() && k < 3; ++k) {
            QString digits = m.captured(k + 1);
            while (digits.size() > 1 && digits.startsWith('0'))
                digits.remove(0, 1);
            if (digits.size() <= 3 && digits.toInt() <= 255) v[k] = digits.toInt();
        }
        if (v[0] < 0 || v[1] < 0 || v[2] < 0) {
            ++r.skipped;
        } else {
            r.colors.push_back(RGB(v[0], v[1], v[2]));
        }
    }
    return r;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const GimpPalette p = ReadGimpPalette(bytes);
    Check(p.hasHeader || p.entries.empty(), "colours read without a header");
    Check(p.columns >= 0 && p.columns <= 256, "columns out of range");
    Check(p.skippedLines >= 0 && int(p.entries.size()) + p.skippedLines <= bytes.count('\n') + 1,
          "more lines counted than the file has");
    for (const GimpPaletteEntry& e : p.entries) {
        Check((e.color & 0xFF000000) == 0, "a colour with bits above blue");
        Check(!e.name.contains(QLatin1Char('\n')), "a name holds a line break");
        const auto blank = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\r'; };
        Check(e.name.isEmpty() || (!blank(e.name.front()) && !blank(e.name.back())),
              "a name keeps the blanks around it");
    }

    if (!p.truncated && bytes.count('\n') < GimpPaletteMaxLines) {
        const Reference r = readReference(bytes);
        Check(r.header == p.hasHeader, "the header is not what the first line says");
        Check(r.skipped == p.skippedLines, "a different count of skipped lines");
        Check(r.colors.size() == p.entries.size(), "a different count of colours");
        for (std::size_t i = 0; i < r.colors.size(); ++i)
            Check(r.colors[i] == p.entries[i].color, "a colour other than the line's numbers");
    }

    std::vector<Color> colors;
    for (const GimpPaletteEntry& e : p.entries)
        colors.push_back(e.color);
    const GimpPalette again = ReadGimpPalette(WriteGimpPalette(p.name, colors));
    Check(again.hasHeader && again.skippedLines == 0, "our own file does not read cleanly");
    Check(again.entries.size() == colors.size(), "our own file lost or gained colours");
    for (std::size_t i = 0; i < colors.size(); ++i) {
        Check(again.entries[i].color == colors[i], "a colour changed on the way back");
        Check(again.entries[i].name == GimpColorName(colors[i]), "a colour's name changed");
    }
    QString name = p.name;
    name.replace(QLatin1Char('\r'), QLatin1Char(' '));
    Check(again.name == name, "the palette's name changed on the way back");
    return 0;
}
