#pragma once
// The "Web " page's state: the chosen order of the named colours, the selector's selected line
// and the grid drawn in that order. A grid press or release, or a line chosen in the selector,
// makes that line's colour current; the copy button takes its English name.

#include "core/color_model.h"
#include "output/clipboard.h"
#include "palettes/named_colors.h"

#include <QObject>
#include <QStringList>

namespace huebit {

class NamedColorPicking : public QObject {
    Q_OBJECT
public:
    NamedColorPicking(ColorModel& model, Clipboard& clipboard);

    /// Lists the colours in `order`, leaves no line selected and redraws the grid; the current
    /// colour stays.
    void ChooseOrder(NamedColorOrder order);
    /// Selects line `index` of the current order and applies its colour as a commit.
    void SelectLine(int index);
    /// The button picks the target as on every palette (left background, right text, others
    /// keep it), then the cell's line is selected. Outside the grid nothing happens.
    void GridPress(Qt::MouseButton button, int x, int y);
    void GridRelease(Qt::MouseButton button, int x, int y);
    /// The selected line's English name to the clipboard; nothing without a selected line.
    void CopyColorName();

    NamedColorOrder Order() const { return m_order; }
    const QStringList& Lines() const { return m_lines; }
    int SelectedLine() const { return m_selected; }
    const PixelBuffer& Grid() const { return m_grid; }

signals:
    /// The order, the selection or the grid changed.
    void changed();

private:
    void pickCell(Qt::MouseButton button, int x, int y);

    ColorModel& m_model;
    Clipboard& m_clipboard;
    NamedColorOrder m_order = NamedColorOrder::ByColor;
    QStringList m_lines;
    int m_selected = -1;
    PixelBuffer m_grid{NamedGridWidth, NamedGridHeight, EmptySlotColor};
};

} // namespace huebit
