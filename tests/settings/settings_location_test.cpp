// Where the settings file lives, and writing it whole.
#include "settings/settings_file.h"
#include "settings/settings_location.h"
#include "settings/settings_record.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace huebit;

TEST(SettingsLocation, ConfigDirectoryFollowsTheBaseDirectoryRules) {
    const struct {
        const char* xdg;
        const char* expected;
    } cases[] = {
        {"/x/cfg", "/x/cfg/Huebit/Huebit.cnf"},
        {"/x/cfg/", "/x/cfg/Huebit/Huebit.cnf"},
        {"", "/home/u/.config/Huebit/Huebit.cnf"},
        {"relative/cfg", "/home/u/.config/Huebit/Huebit.cnf"}, // a relative path is ignored
        {"./cfg", "/home/u/.config/Huebit/Huebit.cnf"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ConfigSettingsPath(c.xdg, "/home/u"), c.expected) << c.xdg;
    }
}

TEST(SettingsLocation, WhereARunLoadsAndSaves) {
    const QString config = "/home/u/.config/Huebit/Huebit.cnf";
    const QString beside = "/opt/huebit/Huebit.cnf";
    const struct {
        // installed, program folder writable, file beside it, file in the config folder
        SettingsPlaces places;
        SettingsLocation expected;
    } cases[] = {
        // A portable copy keeps its file beside it.
        {{false, true, true, true}, {beside, beside}},
        {{false, true, true, false}, {beside, beside}},
        // The first portable run picks up an installed copy's file.
        {{false, true, false, true}, {config, beside}},
        {{false, true, false, false}, {config, beside}},
        // A read-only folder: the config folder's file wins, so what was saved there comes back.
        {{false, false, true, true}, {config, config}},
        {{false, false, true, false}, {beside, config}}, // the shipped file is only the start
        {{false, false, false, true}, {config, config}},
        {{false, false, false, false}, {config, config}},
        // An installed copy saves to the config folder even where the user may write
        // (~/.local/bin); a file an earlier version left beside it is only the starting point.
        {{true, true, true, true}, {config, config}},
        {{true, true, true, false}, {beside, config}},
        {{true, true, false, false}, {config, config}},
        {{true, false, true, false}, {beside, config}},
        {{true, false, false, true}, {config, config}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChooseSettingsLocation("/opt/huebit", c.places, config), c.expected)
            << c.places.installed << c.places.executableDirWritable << c.places.fileBesideExists
            << c.places.configFileExists;
    }
}

TEST(SettingsLocation, InstalledCopiesAreThoseInTheBuildsOwnOrTheSystemsProgramFolder) {
    const struct {
        const char* dir;
        const char* installedBinDir; // the configured prefix's bin folder, canonical
        bool installed;
    } cases[] = {
        // `make install PREFIX=$HOME/.local`: a folder the user writes, installed all the same.
        {"/home/u/.local/bin", "/home/u/.local/bin", true},
        {"/home/u/.local/bin/", "/home/u/.local/bin", true},
        {"/tmp/pfx/bin", "/tmp/pfx/bin", true},
        // The Debian package's /usr/bin and its kin, whatever prefix the build had.
        {"/usr/bin", "/usr/local/bin", true},
        {"/usr/bin/", "", true},
        {"/usr/local/bin", "/home/u/.local/bin", true},
        {"/bin", "", true},
        {"/usr/games", "", true},
        // Anywhere else the copy is portable: the build folder, an unpacked copy, a neighbour
        // of the prefix, the prefix itself.
        {"/home/u/huebit/build-run/src", "/home/u/.local/bin", false},
        {"/home/u/.local/bin/old", "/home/u/.local/bin", false},
        {"/home/u/.local", "/home/u/.local/bin", false},
        {"/home/u/.local/bin2", "/home/u/.local/bin", false},
        {"/opt/huebit", "", false},
        {"/usr", "/usr/local/bin", false},
        {"/usr/bin/huebit", "", false},
        // A prefix whose bin folder does not exist names no folder.
        {"", "", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsInstalledProgramDirectory(c.dir, c.installedBinDir), c.installed)
            << c.dir << " with " << c.installedBinDir;
    }
}

TEST(SettingsFile, SavesWholeAndLoadsBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath("nested/config/Huebit/Huebit.cnf");
    EXPECT_FALSE(LoadSettingsFile(path).has_value());

    SettingsRecord r;
    r.sampleText = QStringLiteral("Проба");
    const SettingsBuffer written = ToSettingsBuffer(r);
    ASSERT_EQ(SaveSettingsFile(path, written), QString()); // creates the directories
    const auto read = LoadSettingsFile(path);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, written);
    // Nothing but the file is left in its directory.
    EXPECT_EQ(QDir(dir.filePath("nested/config/Huebit")).entryList(QDir::Files),
              QStringList{"Huebit.cnf"});
}

TEST(SettingsFile, AFailedSaveSaysWhyAndHarmsNothing) {
    QTemporaryDir dir;
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    // The directory the file would need is a file: no crash, a reason, the blocker untouched.
    EXPECT_NE(SaveSettingsFile(dir.filePath("file/Huebit.cnf"), SettingsBuffer()), QString());
    EXPECT_NE(SaveSettingsFile(QString(), SettingsBuffer()), QString());
    EXPECT_EQ(QFileInfo(dir.filePath("file")).size(), 0);
    // A directory where the file should be cannot be replaced either.
    ASSERT_TRUE(QDir(dir.path()).mkdir("Huebit.cnf"));
    EXPECT_NE(SaveSettingsFile(dir.filePath("Huebit.cnf"), SettingsBuffer()), QString());
    EXPECT_FALSE(LoadSettingsFile(dir.filePath("Huebit.cnf")).has_value());
}
