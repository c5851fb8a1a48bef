#pragma once
// The interface texts that are neither `UiTexts` entries nor captions: hints, menu entries,
// dialog texts, accessible names and the status messages of the later features. Each is named
// by its built-in Russian text, which the table lists once; a language file may replace any of
// them (its lines after the captions, in table order).

#include <QString>
#include <QStringList>

namespace huebit {

/// The built-in texts in the order a language file holds their replacements.
const QStringList& ExtraTextDefaults();
/// The About page's version history as built in (one of the texts above).
QString BuiltInReleaseNotes();

/// The text shown for a built-in text: the loaded language's replacement, else the text itself
/// (also for a text the table does not list, so composed texts pass through unchanged).
QString ExtraText(const QString& builtIn);
QString ExtraText(const char* builtInUtf8);

/// Replacements in table order; an empty or missing one keeps the built-in text.
void SetExtraTexts(const QStringList& replacements);
/// Back to the built-in texts.
inline void ResetExtraTexts() {
    SetExtraTexts({});
}
/// The texts now in force, in table order (what a template of the current language writes).
QStringList CurrentExtraTexts();

} // namespace huebit
