#pragma once
// GIMP palette files (.gpl), the palette exchange format of GIMP, Inkscape, Krita and Scribus:
// a "GIMP Palette" header, optional "Name:" and "Columns:" lines, "#" comments, and one
// "R G B name" line per colour. Bytes in, colours out; the menu and the drop live in ui/.

#include "core/color.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace huebit {

/// What a reader gives up on: a file past either bound is read only up to it.
constexpr qsizetype GimpPaletteMaxBytes = 1 << 20;
constexpr int GimpPaletteMaxLines = 20000;

struct GimpPaletteEntry {
    Color color = 0;
    QString name; ///< the text after the three numbers, trimmed; may be empty
    bool operator==(const GimpPaletteEntry&) const = default;
};

struct GimpPalette {
    bool hasHeader = false;                ///< without it nothing else is read
    QString name;                          ///< the "Name:" line, or empty
    int columns = 0;                       ///< the "Columns:" line, 0 when absent or unreadable
    std::vector<GimpPaletteEntry> entries; ///< in file order
    int skippedLines = 0;   ///< lines that are neither blank, a comment, a key nor a colour
    bool truncated = false; ///< the file went past GimpPaletteMaxBytes or GimpPaletteMaxLines
};

/// Reads a palette from the file's bytes. A UTF-8 byte-order mark, CR LF line ends, tabs or
/// spaces between the numbers and text after them are all accepted; a colour line whose first
/// three fields are not whole numbers 0-255 is skipped and counted. Without the header line
/// nothing is read and every line counts as skipped.
GimpPalette ReadGimpPalette(const QByteArray& bytes);

/// Reads a regular file at `path` (never a FIFO, a device or a directory, so nothing blocks),
/// at most GimpPaletteMaxBytes of it. Nothing when it cannot be opened, with `refusal` saying
/// why.
std::optional<GimpPalette> ReadGimpPaletteFile(const QString& path, QString* refusal = nullptr);

/// The name a colour is written with: its web name when it is one of the named colours,
/// else its hex text "#RRGGBB".
QString GimpColorName(Color c);

/// A whole file: header, "Name:" (line breaks in `name` become blanks), "Columns:", then one
/// "RRR GGG BBB<TAB>name" line per colour, LF line ends, UTF-8.
QByteArray WriteGimpPalette(const QString& name, const std::vector<Color>& colors);

} // namespace huebit
