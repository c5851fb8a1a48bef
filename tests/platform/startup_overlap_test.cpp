#include "platform/startup_overlap.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QGuiApplication>
#include <cstdlib>

namespace {

struct Steps {
    const char* run;
    bool busAddress;
    bool config;
    bool database;
    bool finish;
};

// Whatever part of the start a run takes, the second core's work ends with the overlap: a run
// that stops after QApplication (a second copy, --help) leaves the configuration thread to the
// destructor; the window's start waits for both; without a bus address nothing runs beside.
TEST(StartupOverlap, EndsWhicheverStepsARunTakes) {
    const Steps runs[] = {
        {"stops after QApplication", true, true, false, false},
        {"the window's start", true, true, true, true},
        {"database only, never waited for", true, false, true, false},
        {"both, never waited for", true, true, true, false},
        {"no session bus", false, true, true, true},
        {"nothing asked", true, false, false, true},
    };
    const QByteArray bus = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    for (const Steps& s : runs) {
        SCOPED_TRACE(s.run);
        if (s.busAddress)
            qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
        else
            qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        {
            huebit::StartupOverlap overlap;
            if (s.config) overlap.beginFontConfig();
            if (s.database) overlap.beginFontDatabase();
            if (s.finish) overlap.finishFontDatabase();
        }
        EXPECT_FALSE(QFontDatabase::families().isEmpty());
    }
    qputenv("DBUS_SESSION_BUS_ADDRESS", bus);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
