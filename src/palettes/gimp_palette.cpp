#include "palettes/gimp_palette.h"

#include "core/component_text.h"
#include "palettes/named_colors.h"
#include "settings/settings_file.h"

#include <QFile>
#include <QHash>
#include <QStringDecoder>

namespace huebit {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// UTF-8 text as it stands: a byte-order mark inside a name is a character of the name, not
// something to drop, so a name reads back as it was written.
QString utf8Text(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    return decoder(bytes);
}

QByteArray trimmed(QByteArrayView line) {
    qsizetype from = 0, to = line.size();
    while (from < to && isBlank(line[from]))
        ++from;
    while (to > from && isBlank(line[to - 1]))
        --to;
    return line.sliced(from, to - from).toByteArray();
}

// One field of digits only: no sign, no fraction, no hex. Long runs of zeros are fine; a value
// that cannot be a byte stops early so that nothing overflows.
std::optional<int> readByte(QByteArrayView field) {
    if (field.isEmpty()) return std::nullopt;
    int value = 0;
    for (const char c : field) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > 255) return std::nullopt;
    }
    return value;
}

// "R G B name": three fields separated by blanks, the rest of the line is the name.
std::optional<GimpPaletteEntry> readColorLine(const QByteArray& line) {
    int values[3];
    qsizetype at = 0;
    for (int& v : values) {
        while (at < line.size() && isBlank(line[at]))
            ++at;
        const qsizetype start = at;
        while (at < line.size() && !isBlank(line[at]))
            ++at;
        const auto byte = readByte(QByteArrayView(line).sliced(start, at - start));
        if (!byte) return std::nullopt;
        v = *byte;
    }
    return GimpPaletteEntry{RGB(values[0], values[1], values[2]),
                            utf8Text(trimmed(QByteArrayView(line).sliced(at)))};
}

bool startsWithKey(const QByteArray& line, const char* key, QByteArray& value) {
    if (!line.startsWith(key)) return false;
    value = trimmed(QByteArrayView(line).sliced(qsizetype(qstrlen(key))));
    return true;
}

void readBodyLine(const QByteArray& line, GimpPalette& palette) {
    QByteArray value;
    if (line.isEmpty() || line.startsWith('#')) return;
    if (startsWithKey(line, "Name:", value)) {
        palette.name = utf8Text(value);
    } else if (startsWithKey(line, "Columns:", value)) {
        bool ok = false;
        const int columns = value.toInt(&ok);
        palette.columns = ok && columns > 0 && columns <= 256 ? columns : 0;
    } else if (const auto entry = readColorLine(line)) {
        palette.entries.push_back(*entry);
    } else {
        ++palette.skippedLines;
    }
}

} // namespace

GimpPalette ReadGimpPalette(const QByteArray& bytes) {
    GimpPalette palette;
    QByteArrayView text(bytes);
    if (text.startsWith("\xEF\xBB\xBF")) text = text.sliced(3);
    if (text.size() > GimpPaletteMaxBytes) {
        // Only whole lines count; the one cut at the bound is dropped.
        text = text.first(GimpPaletteMaxBytes);
        text = text.first(text.lastIndexOf('\n') + 1);
        palette.truncated = true;
    }
    int lineCount = 0;
    qsizetype at = 0;
    while (at < text.size()) {
        if (lineCount == GimpPaletteMaxLines) {
            palette.truncated = true;
            break;
        }
        qsizetype end = text.indexOf('\n', at);
        if (end < 0) end = text.size();
        const QByteArray line = trimmed(text.sliced(at, end - at));
        at = end + 1;
        if (lineCount++ == 0 && line == "GIMP Palette") {
            palette.hasHeader = true;
        } else if (palette.hasHeader) {
            readBodyLine(line, palette);
        } else if (!line.isEmpty()) {
            ++palette.skippedLines;
        }
    }
    return palette;
}

std::optional<GimpPalette> ReadGimpPaletteFile(const QString& path, QString* refusal) {
    QFile file;
    if (!OpenRegularFile(path, file, refusal)) {
        if (refusal && refusal->isEmpty()) *refusal = QStringLiteral("%1 does not exist").arg(path);
        return std::nullopt;
    }
    // One byte past the bound tells the reader the file went on.
    const QByteArray bytes = file.read(GimpPaletteMaxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        if (refusal) *refusal = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    return ReadGimpPalette(bytes);
}

QString GimpColorName(Color c) {
    static const QHash<Color, QString> webNames = [] {
        QHash<Color, QString> names;
        // The kept order decides between two names of one colour (Aqua before Cyan).
        for (const QString& line : NamedColors()) {
            const Color named = ParseNamedColor(line);
            if (!names.contains(named)) names.insert(named, EnglishNameOf(line));
        }
        return names;
    }();
    const auto found = webNames.constFind(c);
    if (found != webNames.cend()) return *found;
    return QLatin1Char('#') + HexText(GetRValue(c)) + HexText(GetGValue(c)) + HexText(GetBValue(c));
}

QByteArray WriteGimpPalette(const QString& name, const std::vector<Color>& colors) {
    QString paletteName = name;
    paletteName.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace('\n', QLatin1Char(' '));
    QByteArray out = "GIMP Palette\nName: " + paletteName.toUtf8() + "\nColumns: " +
                     QByteArray::number(qMin<qsizetype>(qsizetype(colors.size()), 20)) + "\n#\n";
    for (const Color c : colors) {
        out += QStringLiteral("%1 %2 %3\t")
                   .arg(GetRValue(c), 3)
                   .arg(GetGValue(c), 3)
                   .arg(GetBValue(c), 3)
                   .toLatin1();
        out += GimpColorName(c).toUtf8() + '\n';
    }
    return out;
}

} // namespace huebit
