#pragma once
// The component editors' gestures: bars pressed, dragged and released, their minimum and
// maximum buttons, Enter in the fields, presses on the component swatches and greys, and the
// typed colour in the text line. Every gesture ends in ApplyColor with the origin that fits it.

#include "core/color_model.h"
#include "core/typed_color.h"
#include "core/ui_texts.h"

#include <QObject>
#include <Qt>
#include <array>

namespace huebit {

class ComponentEditing : public QObject {
    Q_OBJECT
public:
    ComponentEditing(ColorModel& model, const UiTexts& texts);

    // Pointer positions are measured from the bar's left edge.
    void BarDown(Bar bar, int x, Qt::MouseButton button);
    void BarMove(Bar bar, int x, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void BarUp(Bar bar, int x, Qt::MouseButton button);
    void BarMinimum(Bar bar) { releaseAt(bar, 0); }
    void BarMaximum(Bar bar) { releaseAt(bar, BarWidth(bar)); }
    /// The bar's hint as the last pointer move wrote it.
    const QString& BarHint(Bar bar) const { return m_hints[std::size_t(bar)]; }

    /// The user typed into a component field (without Enter).
    void FieldEdited(ComponentField field, const QString& text);
    void EnterDecimal();
    void EnterHex();
    void ApplyHsvEdits();
    /// HSV fields from the HSV bar fills.
    void UpdateHsvEdits();

    /// Component swatch (0 red, 1 green, 2 blue) or component grey pressed.
    void SwatchDown(int component, Qt::MouseButton button);
    void GreyDown(int component, Qt::MouseButton button);

    /// Enter in the text line with `typed` as its text.
    void EnterTypedColor(const QString& typed);

    /// The initial hint of a bar, before any pointer move.
    QString BarName(Bar bar) const;

signals:
    /// A message for the status line (a failure to set the colour).
    void statusMessage(const QString& text);
    /// A bar's hint was rewritten by a pointer move.
    void barHintChanged(Bar bar, const QString& hint);

private:
    void releaseAt(Bar bar, int x);
    void convertHsvBars(ColorOrigin origin);
    bool enterRgbFields(bool hex, int failureText);
    void selectTargetFor(Qt::MouseButton button);

    ColorModel& m_model;
    const UiTexts& m_texts;
    std::array<QString, 6> m_hints;
};

} // namespace huebit
