#pragma once
// The 140 named web colours, each a line "RRGGBB - EnglishName - Русское название", in the three
// orders the "Web " page offers, and the grid that shows a list of them as 12-pixel cells.

#include "core/pixel_buffer.h"

#include <QStringList>

namespace huebit {

constexpr int NamedColorCount = 140;
constexpr int NamedCellSize = 12;
constexpr int NamedGridColumns = 20;
constexpr int NamedGridRows = 7;
constexpr int NamedGridWidth = NamedGridColumns * NamedCellSize; // 240
constexpr int NamedGridHeight = NamedGridRows * NamedCellSize;   // 84

enum class NamedColorOrder {
    ByColor,       ///< fourteen dark colours first, then by value, equal values by English name
    ByEnglishName, ///< case-insensitive
    ByRussianName, ///< alphabetical, case and hyphens ignored, a blank before any letter
};

/// The lines as they are kept.
QStringList NamedColors();
/// The lines in one of the three orders.
QStringList NamedColors(NamedColorOrder order);

/// Characters 1-2, 3-4 and 5-6 of the line as hexadecimal red, green and blue.
Color ParseNamedColor(const QString& line);
QString EnglishNameOf(const QString& line);
QString RussianNameOf(const QString& line);
/// The line as the list shows it in the interface language (its "%1 - %2 - %3" extra text:
/// code, English name, Russian name).
QString ShownNamedColor(const QString& line);
/// What the copy button puts on the clipboard: the line without its first nine characters, up
/// to the first " -" — the English name.
QString CopiedColorName(const QString& line);

/// Column-major cells, seven to a column: line 7c + r fills the 12 x 12 square at column c,
/// row r. The grid must be NamedGridWidth x NamedGridHeight.
void DrawNamedColorGrid(PixelBuffer& grid, const QStringList& lines);
/// The list index under a grid position, or -1 outside the grid.
int NamedGridItemAt(int x, int y);

} // namespace huebit
