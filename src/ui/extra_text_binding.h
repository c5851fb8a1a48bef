#pragma once
// Texts of the extra text table (core/extra_texts.h) on widgets and actions: each bound
// property keeps its built-in text, so a change of language shows it again in the new one.

#include <QString>

class QAction;
class QObject;
class QTabWidget;

namespace huebit {

/// Sets `property` (a Qt property: "statusTip", "text", "windowTitle", "accessibleName", …) to
/// the current language's form of `builtIn` and remembers `builtIn` for later changes.
void BindExtraText(QObject* o, const char* property, const QString& builtIn);
/// Binds the property's present text.
void BindExtraText(QObject* o, const char* property);
/// The property is set by other means from now on: a language change leaves it alone.
void UnbindExtraText(QObject* o, const char* property);
/// A tab's "What's this" text that follows the language.
void BindTabWhatsThis(QTabWidget* tabs, int index, const QString& builtIn);
/// A menu entry whose text follows the language.
QAction* BoundAction(QAction* action);

/// Every bound text of every window, the menus included, in the current language.
void RetextWindows();

} // namespace huebit
