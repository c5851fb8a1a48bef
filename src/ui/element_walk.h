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

class QTabWidget;

namespace huebit {

using ElementList = QList<QPointer<QWidget>>;

/// Every element under `window`, in walk order.
ElementList WindowElements(QWidget* window);

/// The element a widget under the pointer belongs to: a control for its Qt parts (a spin box
/// for its field, a page control for its tab bar), else the widget itself.
QWidget* ElementAt(QWidget* deepest);

/// The element's tag: 0 unless set (SetElementTag).
int ElementTag(const QWidget* w);

/// A page whose controls are not made yet counts the captioned elements they will bring: the
/// caption list holds a null entry for each, right after the page's own caption. 0 when made.
void SetPendingCaptionCount(QWidget* page, int count);
int PendingCaptionCount(const QWidget* page);

/// Labels that show text, panels (MarkAsPanel), buttons, group boxes and the pages of a page
/// control have a caption, hidden ones too; pictures, edits, lists, page controls and status
/// bars do not, nor does a control kept out of the language file. A panel keeps its caption
/// without showing it.
bool HasCaption(const QWidget* w);
QString Caption(const QWidget* w);
/// Sets the caption; an accessible name that was the old caption follows it.
void SetCaption(QWidget* w, const QString& caption);

/// The elements that take a language file's caption lines, in line order: every captioned
/// element whose tag is not 100, and a null entry for each caption a page has still to make.
QList<QWidget*> CaptionedElements(const ElementList& elements);
/// Their captions; a null string for an element still to be made.
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

/// The room a page control leaves its pages below the tab row its tabs ask for now, at the
/// control's present size.
QSize PageArea(const QTabWidget* tabs);
/// The height the neediest page of `tabs` asks for at the width of PageArea: from its layout or
/// its own measure, else down to its lowest control.
int PagesNeed(const QTabWidget* tabs);
/// The tabs of a page control, in one row without scroll buttons: the style's own while they
/// fit its width and leave the pages the height they need (PagesNeed), else plain tabs with
/// less room around their captions the narrower the width. The interface font walk fits every
/// page control whose tag is not -100 and that its window does not fit itself; pages that
/// re-place their controls for the new font only afterwards ask for more or less, so the window
/// fits its page control again then.
void FitTabs(QTabWidget* tabs);
/// The window fits the tabs of `tabs` after every interface font walk, once the pages are laid
/// out for the new font: the walk leaves them alone rather than measure every page twice.
void LeaveTabsToWindow(QTabWidget* tabs);

} // namespace huebit
