#pragma once
// Element tags: each element of the main window carries an integer that the interface font and
// the language file read. 1, 2 and -1 are offsets to the interface font size; -100 keeps an
// element out of every font change (the sample, the swap button and the page controls that are
// drawn at their own size); 100 marks the About page's fixed texts, which take the interface
// font's name but never its size and are never translated.

#include <QString>
#include <QStringList>
#include <optional>

namespace huebit {

constexpr int FixedFontTag = -100;
constexpr int FixedTextTag = 100;

constexpr int MinFontSize = 1;
constexpr int MaxFontSize = 100;

/// The point size an element with `tag` takes when the interface size becomes `base`: base +
/// tag, at least 1; nothing when the base is 0 or less or the tag keeps the size.
std::optional<int> TaggedFontSize(int tag, int base);

/// Whether an element with `tag` takes the interface font's name.
constexpr bool TakesFontName(int tag) {
    return tag != FixedFontTag;
}

/// Whether an element with `tag` (and a caption) takes a caption line of a language file.
constexpr bool TakesCaptionLine(int tag) {
    return tag != FixedTextTag;
}

/// A family name as fonts and the settings file carry it: Qt names a family that several
/// foundries provide with the foundry in brackets ("C059 [UKWN]"), which is cut off ("C059").
QString PlainFamilyName(const QString& family);

/// The families of `installed` by their plain names, each once (the first spelling kept when
/// two differ only in case), in the order given.
QStringList PlainFamilyNames(const QStringList& installed);

/// The family of `families` a chosen or stored font name selects, compared by plain name
/// without regard to case; nothing for an empty name or one that is not installed (which then
/// changes nothing).
std::optional<QString> MatchFontFamily(const QStringList& families, const QString& name);

} // namespace huebit
