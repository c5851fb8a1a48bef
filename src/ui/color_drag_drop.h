#pragma once
// Colours dragged out of the sample and the strips, and drops onto the window. What a drag
// carries and what a drop means is decided in palettes/color_drop; these only hand events over.

#include "core/color.h"

#include <QObject>
#include <QPoint>

#include <functional>
#include <optional>

class QDrag;
class QWidget;

namespace huebit {

class ColorModel;
class SelectionPage;

/// Starts a drag when the primary button moves a drag distance from where it pressed a colour.
/// The presses and moves go on to the widget as before.
class ColorDragSource : public QObject {
    Q_OBJECT
public:
    ColorDragSource(QWidget& source, const ColorModel& model,
                    std::function<std::optional<Color>(QPoint)> colorAt);
    bool eventFilter(QObject* watched, QEvent* event) override;
    /// What runs a started drag: QDrag::exec unless a test looks at the drag instead.
    void setDragRunner(std::function<void(QDrag&)> run) { m_run = std::move(run); }

private:
    QWidget& m_source;
    std::function<void(QDrag&)> m_run;
    const ColorModel& m_model;
    std::function<std::optional<Color>(QPoint)> m_colorAt;
    std::optional<Color> m_pressed;
    QPoint m_pressedAt;
};

/// Takes drops on the window: a colour goes through ApplyColor to the selected target, a
/// palette file to `importPalette`; anything else is refused while it is dragged over.
class ColorDropTarget : public QObject {
    Q_OBJECT
public:
    ColorDropTarget(QWidget& window, ColorModel& model,
                    std::function<void(const QString&)> importPalette);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ColorModel& m_model;
    std::function<void(const QString&)> m_importPalette;
};

/// Drags out of the sample (the selected target's colour) and the filled slots of the user
/// palette and the previous colours.
void WireColorDrags(SelectionPage& page, const ColorModel& model);

} // namespace huebit
