#include "settings/settings_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <unistd.h>

namespace huebit {

QString ConfigSettingsPath(const QString& xdgConfigHome, const QString& home) {
    const QString base = QDir::isAbsolutePath(xdgConfigHome)
                             ? xdgConfigHome
                             : QDir(home).filePath(QStringLiteral(".config"));
    return QDir::cleanPath(base + QStringLiteral("/Huebit/") + QLatin1String(SettingsFileName));
}

SettingsLocation ChooseSettingsLocation(const QString& executableDir, SettingsPlaces places,
                                        const QString& configPath) {
    const QString beside = QDir(executableDir).filePath(QLatin1String(SettingsFileName));
    if (!places.installed && places.executableDirWritable)
        return {places.fileBesideExists ? beside : configPath, beside};
    const bool startFromBeside = places.fileBesideExists && !places.configFileExists;
    return {startFromBeside ? beside : configPath, configPath};
}

namespace {

bool isSystemProgramDirectory(const QString& dir) {
    static const QStringList systemDirs{
        QStringLiteral("/bin"),           QStringLiteral("/sbin"),
        QStringLiteral("/usr/bin"),       QStringLiteral("/usr/sbin"),
        QStringLiteral("/usr/games"),     QStringLiteral("/usr/local/bin"),
        QStringLiteral("/usr/local/sbin"), QStringLiteral("/usr/local/games"),
        QStringLiteral("/app/bin"),
    };
    return systemDirs.contains(QDir::cleanPath(dir));
}

// The bin directory of the prefix the build was configured with, as it is on this machine; empty
// when it does not exist (then no copy counts as installed by it).
QString installedBinDirectory() {
    return QFileInfo(QStringLiteral(HUEBIT_INSTALL_BINDIR)).canonicalFilePath();
}

} // namespace

bool IsInstalledProgramDirectory(const QString& dir, const QString& installedBinDir) {
    if (dir.isEmpty()) return false;
    const QString clean = QDir::cleanPath(dir);
    return isSystemProgramDirectory(clean) ||
           (!installedBinDir.isEmpty() && clean == QDir::cleanPath(installedBinDir));
}

SettingsLocation ProgramSettingsLocation() {
    // Qt reads the executable's path from /proc/self/exe, which names it without links.
    const QString dir = QCoreApplication::applicationDirPath();
    const bool installed = IsInstalledProgramDirectory(dir, installedBinDirectory());
    // access() asks the kernel with this process's own identity, which is what a write will face.
    const bool writable =
        !installed && ::access(QFile::encodeName(dir).constData(), W_OK | X_OK) == 0;
    QString home = qEnvironmentVariable("HOME");
    if (!QDir::isAbsolutePath(home)) home = QDir::homePath();
    const QString config = ConfigSettingsPath(qEnvironmentVariable("XDG_CONFIG_HOME"), home);
    const SettingsPlaces places{
        installed, writable, QFileInfo::exists(QDir(dir).filePath(QLatin1String(SettingsFileName))),
        QFileInfo::exists(config)};
    return ChooseSettingsLocation(dir, places, config);
}

QString SettingsFilePath() { return ProgramSettingsLocation().savePath; }

} // namespace huebit
