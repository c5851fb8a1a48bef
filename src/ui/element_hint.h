#pragma once
// Hints go to the status line (as status tips), never to pop-up tooltips; the accessible name
// is the caption, else the hint, so screen readers and automation can find every control. A
// hint follows the interface language (ui/extra_text_binding.h).

#include <QWidget>

namespace huebit {

void SetElementHint(QWidget* w, const QString& hint, const QString& caption = {});

/// Element tags: 1, 2 and -1 offset the interface font size, -100 keeps an element out of font
/// changes, 100 marks the fixed About texts.
inline void SetElementTag(QWidget* w, int tag) { w->setProperty("tag", tag); }

/// A label that shows a picture, not text: it takes no line of a language file.
inline void MarkAsPicture(QWidget* w) { w->setProperty("picture", true); }

/// A control added after the language file's lines were laid out: it takes the interface font but
/// no caption line, so every language file's lines stay on the controls they were written for.
inline void KeepOutOfLanguageFile(QWidget* w) { w->setProperty("noCaptionLine", true); }

/// A panel (a swatch, a bar, the sample, a plate or frame): it takes a line of a language file
/// like any captioned control, so that the lines of a file stay on their controls, but its face
/// shows colours and keeps the caption to itself.
inline void MarkAsPanel(QWidget* w) { w->setProperty("panel", true); }

} // namespace huebit

namespace huebit {

/// A page of a page control, filled with the window colour so that markers and empty swatches
/// in that colour disappear into it.
inline QWidget* NewPage(const QString& name) {
    auto* page = new QWidget;
    page->setObjectName(name);
    page->setAutoFillBackground(true);
    return page;
}

} // namespace huebit
