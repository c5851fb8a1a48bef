#pragma once
// The main window's elements in creation order, their captions and their fonts. A language
// file's caption lines and the interface font both walk the elements in this order: a parent
// before its children, siblings in the order the layout lists them. Qt's own parts of a control
// (a tab bar, a spin box's field, a scroll area's viewport) and other windows are not elements.

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <optional>

namespace huebit {

using ElementList = QList<QPointer<QWidget>>;

/// Every element under `window`, in walk order.
ElementList WindowElements(QWidget* window);

/// The element a widget under the pointer belongs to: a control for its Qt parts (a spin box
/// for its field, a page control for its tab bar), else the widget itself.
QWidget* ElementAt(QWidget* deepest);

/// The element's tag: 0 unless set (SetElementTag).
int ElementTag(const QWidget* w);

/// Labels that show text, panels (MarkAsPanel), buttons, group boxes and the pages of a page
/// control have a caption, hidden ones too; pictures, edits, lists, page controls and status
/// bars do not, nor does a control kept out of the language file. A panel keeps its caption
/// without showing it.
bool HasCaption(const QWidget* w);
QString Caption(const QWidget* w);
/// Sets the caption; an accessible name that was the old caption follows it.
void SetCaption(QWidget* w, const QString& caption);

/// The elements that take a language file's caption lines, in line order: every captioned
/// element whose tag is not 100.
QList<QWidget*> CaptionedElements(const ElementList& elements);
QStringList Captions(const QList<QWidget*>& captioned);

/// Interface font size `base`: every element whose tag is neither -100 nor 100 takes base + tag
/// points. Nothing for a base of 0 or less.
void ApplyInterfaceFontSize(const ElementList& elements, int base);
/// Interface font `family`: every element whose tag is not -100. Nothing for an empty name.
void ApplyInterfaceFontName(const ElementList& elements, const QString& family);
/// Both in one walk: the size when `base` is given, the family when not empty; the same fonts
/// as the two walks one after the other.
void ApplyInterfaceFont(const ElementList& elements, std::optional<int> base,
                        const QString& family);
/// Fixes the fonts of the elements that keep their size (tags -100 and 100) as they are now, so
/// a change on a parent does not reach them through inheritance.
void PinFixedFonts(const ElementList& elements);

} // namespace huebit
