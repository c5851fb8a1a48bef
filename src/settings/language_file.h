#pragma once
// Language files (*.lng): the interface texts and the main window's captions in another
// language. Read with the settings file's line rules (windows-1251, any line ending, a line cut
// at 4096 characters, a missing line read as empty):
//   line 0       free text, not read
//   line 1       the version, exactly "5.1"
//   lines 2-52   UiTexts 0-50
//   lines 53-240 188 captions, one per captioned control of the main window in creation order;
//                the lines after the last control this window has are kept for the controls of
//                the standard layout it does not have (README, "Translations", lists each line)
//   line 241     "[extra texts]" when the file has the next section (older files end at 240)
//   lines 242-   the extra texts (core/extra_texts.h) in table order; "\n", "\r" and "\\"
//                stand for a line feed, a carriage return and a backslash; an empty or missing
//                line keeps the built-in text

#include "core/extra_texts.h"
#include "core/ui_texts.h"
#include "settings/settings_buffer.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace huebit {

inline constexpr char LanguageVersion[] = "5.1";
constexpr int LanguageVersionLine = 1;
constexpr int LanguageTextsLine = 2;
constexpr int LanguageCaptionsLine = LanguageTextsLine + UiTextCount; // 53
/// Caption lines in a complete file: lines 53-240.
constexpr int LanguageCaptionCount = 188;
/// More lines than any layout has captions; the rest of a longer file is never read.
constexpr int LanguageMaxLines = 4096;
/// The line that opens the extra texts, right after the captions.
inline constexpr char LanguageExtraMarker[] = "[extra texts]";
constexpr int LanguageExtraMarkerLine = LanguageCaptionsLine + LanguageCaptionCount; // 241
/// The extension the start-up directory's language files carry.
inline constexpr char LanguageFileSuffix[] = ".lng";

/// What a language file gives: the 51 texts and, in order, one caption per captioned element.
struct LanguageContent {
    std::array<QString, UiTextCount> texts;
    QStringList captions;
    /// The extra texts in table order, unescaped; empty when the file has no such section.
    QStringList extras;

    bool operator==(const LanguageContent&) const = default;
};

/// The hidden line list a language file is loaded into.
using LanguageBuffer = SettingsBuffer;

/// The buffer as texts and `captionCount` captions; nothing (the error box's case) when the
/// buffer has no lines or line 1 is not exactly "5.1". Lines the file does not have read as empty.
std::optional<LanguageContent> ParseLanguage(const LanguageBuffer& lines, int captionCount);

/// Applies the buffer to a text table, to the captions in walk order (as many as the list
/// holds) and to the extra texts (SetExtraTexts). False, with nothing changed, for the error
/// box's case.
bool LoadLanguage(const LanguageBuffer& lines, UiTexts& texts, QStringList& captions);

/// The file's lines, or nothing when it cannot be opened (the selector then ignores it).
std::optional<LanguageBuffer> ReadLanguageFile(const QString& path);
LanguageBuffer LanguageFromBytes(const QByteArray& bytes);

/// A complete language file of these texts and captions: a title line, "5.1", the 51 texts and
/// the captions, then empty lines up to line 240 when there are fewer than 188, then the marker
/// and the extra texts; windows-1251 with CR LF. A line break inside a text or caption is
/// written as a blank, inside an extra text as "\n".
QByteArray LanguageFileBytes(const UiTexts& texts, const QStringList& captions,
                             const QStringList& extras = CurrentExtraTexts());

/// False when the text has a character windows-1251 cannot hold (it would come back as "?").
bool FitsLanguageCodePage(const QString& text);

/// The error box's text for an empty file or a wrong version.
QString LanguageErrorText();

} // namespace huebit
