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
        SettingsPlaces places; // program folder writable, file beside it, file in the config folder
        SettingsLocation expected;
    } cases[] = {
        // A portable copy keeps its file beside it.
        {{true, true, true}, {beside, beside}},
        {{true, true, false}, {beside, beside}},
        // The first portable run picks up an installed copy's file.
        {{true, false, true}, {config, beside}},
        {{true, false, false}, {config, beside}},
        // A read-only folder: the config folder's file wins, so what was saved there comes back.
        {{false, true, true}, {config, config}},
        {{false, true, false}, {beside, config}}, // the shipped file is only the starting point
        {{false, false, true}, {config, config}},
        {{false, false, false}, {config, config}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChooseSettingsLocation("/opt/huebit", c.places, config), c.expected)
            << c.places.executableDirWritable << c.places.fileBesideExists
            << c.places.configFileExists;
    }
}

TEST(SettingsLocation, SystemProgramDirectoriesNeverHoldTheUsersFile) {
    // Root can write /usr/bin, but an installed program must not leave the user's file there.
    for (const char* dir : {"/usr/bin", "/usr/bin/", "/usr/local/bin", "/bin", "/usr/games"}) {
        EXPECT_TRUE(IsSystemProgramDirectory(dir)) << dir;
    }
    for (const char* dir : {"/opt/huebit", "/home/u/bin", "/usr", "/usr/bin/huebit", ""}) {
        EXPECT_FALSE(IsSystemProgramDirectory(dir)) << dir;
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
