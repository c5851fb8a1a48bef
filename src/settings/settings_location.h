#pragma once
// Where the settings file lives. An installed copy of the program keeps its settings in the
// user's configuration directory; any other copy is portable and keeps them beside the
// executable, unless the user cannot write there.

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

/// Which files a run uses, from where the program is and what is on disk.
struct SettingsPlaces {
    bool installed = false; ///< see IsInstalledProgramDirectory
    bool executableDirWritable = false;
    bool fileBesideExists = false;
    bool configFileExists = false;
};

/// The choice itself. A portable copy in a writable directory keeps the settings beside the
/// executable (loading the configuration directory's file on its first run). An installed copy,
/// or one in a read-only directory, writes to the configuration directory, so the file there
/// wins once it exists; the file beside the executable is only the starting point until then,
/// or every start would read it again and every change would be lost.
SettingsLocation ChooseSettingsLocation(const QString& executableDir, SettingsPlaces places,
                                        const QString& configPath);

/// Whether the executable's directory `dir` holds an installed copy: it is the bin directory of
/// the prefix this build installs into (`installedBinDir`; both canonical), such as ~/.local/bin
/// after `make install PREFIX=$HOME/.local`, or one the system's package manager owns (/usr/bin
/// and its kin, where the Debian package puts it). Whether the user can write there does not
/// count: an installed copy never leaves the user's file among its program files, even when it
/// runs as root.
bool IsInstalledProgramDirectory(const QString& dir, const QString& installedBinDir);

/// The location for this process, from the executable's directory and the environment.
SettingsLocation ProgramSettingsLocation();

/// The file this program writes its settings to; one installation, one path.
QString SettingsFilePath();

} // namespace huebit
