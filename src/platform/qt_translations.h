#pragma once
// Qt's own texts (the text fields' context menus, the colour and font dialogs) in the
// interface's language, so they do not come up in English inside a Russian window.

#include <QLibraryInfo>
#include <QString>

class QCoreApplication;

namespace huebit {

/// The language of the built-in interface texts.
inline constexpr char InterfaceLanguage[] = "ru";

/// Installs Qt's translation for `language` from `directory` (Debian's qt6-translations-l10n
/// puts them in Qt's own translations folder). Returns false, and Qt stays in English, when
/// the file is absent or unreadable.
bool InstallQtTranslations(
    QCoreApplication& app, const QString& language = InterfaceLanguage,
    const QString& directory = QLibraryInfo::path(QLibraryInfo::TranslationsPath));

/// Qt's own texts in Russian exactly while the interface is in its built-in Russian: installs
/// the translation when `russian` and it is not in force, removes it otherwise. Elsewhere Qt
/// speaks its own English.
void FollowInterfaceLanguage(
    QCoreApplication& app, bool russian,
    const QString& directory = QLibraryInfo::path(QLibraryInfo::TranslationsPath));

} // namespace huebit
