#pragma once
// Where the settings file lives. A copy of the program in a directory the user can write (a
// portable copy) keeps its settings beside the executable; an installed one, whose directory is
// not writable, keeps them in the user's configuration directory.

#include <QString>

namespace huebit {

inline constexpr char SettingsFileName[] = "Huebit.cnf";

/// The two files a run uses: the one it loads (which may not exist) and the one it writes.
struct SettingsLocation {
    QString loadPath;
    QString savePath;
    bool operator==(const SettingsLocation&) const = default;
};

/// $XDG_CONFIG_HOME/Huebit/Huebit.cnf; a missing, empty or relative XDG_CONFIG_HOME stands for
/// `home`/.config, as the base-directory rules say.
QString ConfigSettingsPath(const QString& xdgConfigHome, const QString& home);

/// Which files a run uses, from what is on disk.
struct SettingsPlaces {
    bool executableDirWritable = false;
    bool fileBesideExists = false;
    bool configFileExists = false;
};

/// The choice itself. A writable program directory keeps the settings beside the executable
/// (loading the configuration directory's file on a first portable run). A read-only one
/// writes to the configuration directory, so the file there wins once it exists; the file
/// beside the executable is only the starting point until then, or every start would read it
/// again and every change would be lost.
SettingsLocation ChooseSettingsLocation(const QString& executableDir, SettingsPlaces places,
                                        const QString& configPath);

/// A directory the system's package manager owns (/usr/bin and its kin). A program installed
/// there keeps its settings in the configuration directory even when it runs as root, so nothing
/// of the user's is left among the system's files.
bool IsSystemProgramDirectory(const QString& dir);

/// The location for this process, from the executable's directory and the environment.
SettingsLocation ProgramSettingsLocation();

/// The file this program writes its settings to; one installation, one path.
QString SettingsFilePath();

} // namespace huebit
