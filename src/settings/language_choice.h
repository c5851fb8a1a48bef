#pragma once
// Which language files a run can offer, where they are found, and the language a first start
// takes from the desktop's locale.

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace huebit {

/// The file a first start on a desktop that is not Russian loads.
inline constexpr char EnglishLanguageFile[] = "English.lng";

/// The locale variables that name the language of messages, in the order they count.
struct LocaleVariables {
    QString lcAll;
    QString lcMessages;
    QString lang;
};
LocaleVariables LocaleFromEnvironment();

/// The first non-empty of LC_ALL, LC_MESSAGES and LANG names Russian ("ru", "ru_RU.UTF-8",
/// "ru@…"); "C", "POSIX", an unset locale and every other language do not.
bool IsRussianLocale(const LocaleVariables& locale);

/// The language a start loads before the settings file is read: with a settings file, nothing
/// (the file's line 169 decides, empty included); without one, the built-in texts (empty) on a
/// Russian desktop and English elsewhere.
QString StartLanguage(bool settingsFileExists, const LocaleVariables& locale);

/// The folders searched for "*.lng" files, the first winning when two hold the same name:
/// beside the executable, the start-up directory, $XDG_DATA_HOME/huebit/languages (default
/// ~/.local/share), the install's data folder, then each $XDG_DATA_DIRS entry (default
/// /usr/local/share:/usr/share) + /huebit/languages. Empty or relative entries are skipped, and
/// a folder listed twice counts once.
struct LanguagePlaces {
    QString executableDir;
    QString startupDir;
    QString xdgDataHome;
    QString home;
    QString installDataDir;
    QString xdgDataDirs;
};
QStringList LanguageFolders(const LanguagePlaces& places);
LanguagePlaces LanguagePlacesOfThisRun(const QString& startupDir);

/// One language the selector offers: the file name stored in the settings file and its path.
struct LanguageEntry {
    QString name;
    QString path;
    bool operator==(const LanguageEntry&) const = default;
};

/// The "*.lng" files of the folders, by name without regard to case; a name found in an
/// earlier folder hides the same name (any case) in later ones. `list` gives a folder's file
/// names (none for a folder that does not exist).
QList<LanguageEntry> FindLanguages(const QStringList& folders,
                                   const std::function<QStringList(const QString&)>& list);
/// The same over the real folders.
QList<LanguageEntry> FindLanguages(const QStringList& folders);

/// The entry a stored name selects, compared without case; nothing for an empty name or a name
/// with a folder part.
const LanguageEntry* FindLanguage(const QList<LanguageEntry>& entries, const QString& name);

} // namespace huebit
