#include "settings/language_choice.h"

#include <QCoreApplication>
#include <QDir>

#ifndef HUEBIT_LANGUAGE_DIR
#define HUEBIT_LANGUAGE_DIR ""
#endif

namespace huebit {

namespace {

const QString LanguagesSubfolder = QStringLiteral("/huebit/languages");

bool NamesRussian(const QString& locale) {
    if (!locale.startsWith(QLatin1String("ru"))) return false;
    if (locale.size() == 2) return true;
    const QChar after = locale.at(2);
    return after == QLatin1Char('_') || after == QLatin1Char('.') || after == QLatin1Char('@');
}

void AddFolder(QStringList& folders, const QString& folder) {
    if (folder.isEmpty() || !QDir::isAbsolutePath(folder)) return;
    const QString clean = QDir::cleanPath(folder);
    if (!folders.contains(clean)) folders.append(clean);
}

} // namespace

LocaleVariables LocaleFromEnvironment() {
    return {qEnvironmentVariable("LC_ALL"), qEnvironmentVariable("LC_MESSAGES"),
            qEnvironmentVariable("LANG")};
}

bool IsRussianLocale(const LocaleVariables& locale) {
    for (const QString* value : {&locale.lcAll, &locale.lcMessages, &locale.lang}) {
        if (!value->isEmpty()) return NamesRussian(*value);
    }
    return false;
}

QString StartLanguage(bool settingsFileExists, const LocaleVariables& locale) {
    if (settingsFileExists || IsRussianLocale(locale)) return {};
    return QLatin1String(EnglishLanguageFile);
}

QStringList LanguageFolders(const LanguagePlaces& places) {
    QStringList folders;
    AddFolder(folders, places.executableDir);
    AddFolder(folders, places.startupDir);
    if (QDir::isAbsolutePath(places.xdgDataHome))
        AddFolder(folders, places.xdgDataHome + LanguagesSubfolder);
    else if (QDir::isAbsolutePath(places.home))
        AddFolder(folders, places.home + QStringLiteral("/.local/share") + LanguagesSubfolder);
    AddFolder(folders, places.installDataDir);
    const QString dataDirs = places.xdgDataDirs.isEmpty()
                                 ? QStringLiteral("/usr/local/share:/usr/share")
                                 : places.xdgDataDirs;
    for (const QString& dir : dataDirs.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(dir)) AddFolder(folders, dir + LanguagesSubfolder);
    }
    return folders;
}

LanguagePlaces LanguagePlacesOfThisRun(const QString& startupDir) {
    QString home = qEnvironmentVariable("HOME");
    if (!QDir::isAbsolutePath(home)) home = QDir::homePath();
    return {QCoreApplication::applicationDirPath(), startupDir,
            qEnvironmentVariable("XDG_DATA_HOME"),  home,
            QStringLiteral(HUEBIT_LANGUAGE_DIR),    qEnvironmentVariable("XDG_DATA_DIRS")};
}

QList<LanguageEntry> FindLanguages(const QStringList& folders,
                                   const std::function<QStringList(const QString&)>& list) {
    QList<LanguageEntry> entries;
    for (const QString& folder : folders) {
        for (const QString& name : list(folder)) {
            if (!name.endsWith(QLatin1String(".lng"), Qt::CaseInsensitive)) continue;
            if (FindLanguage(entries, name)) continue;
            entries.append({name, QDir(folder).filePath(name)});
        }
    }
    std::sort(entries.begin(), entries.end(), [](const LanguageEntry& a, const LanguageEntry& b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    return entries;
}

QList<LanguageEntry> FindLanguages(const QStringList& folders) {
    // Every file is listed and the suffix checked by name: a wildcard filter would compile a
    // regular expression, and load its library, at every start.
    return FindLanguages(folders,
                         [](const QString& folder) { return QDir(folder).entryList(QDir::Files); });
}

const LanguageEntry* FindLanguage(const QList<LanguageEntry>& entries, const QString& name) {
    if (name.isEmpty() || name.contains(QLatin1Char('/'))) return nullptr;
    for (const LanguageEntry& e : entries) {
        if (e.name.compare(name, Qt::CaseInsensitive) == 0) return &e;
    }
    return nullptr;
}

} // namespace huebit
