// The settings file on a real disk: what is read, what may be replaced, and that a failed save
// at any step leaves the old file whole.
#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "settings/settings_walk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <chrono>
#include <fcntl.h>
#include <future>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

using namespace huebit;

namespace {

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

SettingsBuffer bufferWithText(const QString& text) {
    SettingsRecord r;
    r.sampleText = text;
    return ToSettingsBuffer(r);
}

QStringList entriesOf(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::System | QDir::Hidden |
                               QDir::NoDotAndDotDot);
}

bool mkfifoAt(const QString& path) {
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

bool symlinkAt(const QString& target, const QString& link) {
    return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()) ==
           0;
}

constexpr uid_t Nobody = 65534;

} // namespace

TEST(SettingsFile, OnlyARegularFileIsRead) {
    QTemporaryDir dir;
    const QString regular = dir.filePath("regular.cnf");
    ASSERT_TRUE(writeBytes(regular, "12\r\n34\r\n"));
    const QString fifo = dir.filePath("fifo.cnf");
    ASSERT_TRUE(mkfifoAt(fifo));
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.cnf"));
    ASSERT_TRUE(symlinkAt(fifo, dir.filePath("to-fifo.cnf")));
    ASSERT_TRUE(symlinkAt(regular, dir.filePath("to-regular.cnf")));
    const struct {
        const char* name;
        bool read, refused;
    } cases[] = {
        {"regular.cnf", true, false},  {"to-regular.cnf", true, false},
        {"missing.cnf", false, false}, // a missing file is no fault: the defaults stay
        {"fifo.cnf", false, true},     {"to-fifo.cnf", false, true},
        {"folder.cnf", false, true},
    };
    for (const auto& c : cases) {
        const QString path = dir.filePath(c.name);
        QString refusal;
        // A FIFO nobody writes to would hold the start forever; here it would hold the test.
        auto load =
            std::async(std::launch::async, [&] { return LoadSettingsFile(path, &refusal); });
        if (load.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
            // Open the other end so the blocked reader returns and the test can end.
            const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) ::close(fd);
            load.wait();
            ADD_FAILURE() << c.name << ": the load blocked";
            continue;
        }
        const auto read = load.get();
        EXPECT_EQ(read.has_value(), c.read) << c.name;
        EXPECT_EQ(!refusal.isEmpty(), c.refused) << c.name << ": " << refusal.toStdString();
        if (c.read) {
            EXPECT_EQ(read->line(1), "34") << c.name;
        }
    }
}

TEST(SettingsFile, AFileLargerThanSixteenMebibytesKeepsItsLaterLines) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Huebit.cnf");
    SettingsRecord r;
    r.windowPos = {70, 80};
    r.shell.transparency = 99;
    QByteArray bytes = ToSettingsBuffer(r).toBytes();
    // The sample text line grows past 17 MiB; the reader keeps its first 4096 characters.
    const qsizetype sampleLine = bytes.indexOf("\r\n", [&] {
        qsizetype at = 0;
        for (int i = 0; i < SettingsLine::SampleText; ++i)
            at = bytes.indexOf("\r\n", at) + 2;
        return at;
    }());
    bytes.insert(sampleLine, QByteArray(17 * 1024 * 1024, 'x'));
    ASSERT_TRUE(writeBytes(path, bytes));
    const auto read = LoadSettingsFile(path);
    ASSERT_TRUE(read.has_value());
    ASSERT_EQ(read->size(), SettingsLineCount);
    EXPECT_EQ(read->line(SettingsLine::SampleText).size(), SettingsMaxLineLength);
    const SettingsRecord back = ReadSettingsRecord(*read);
    EXPECT_EQ(back.windowPos, r.windowPos);
    EXPECT_EQ(back.shell.transparency, 99); // the file's last lines
    EXPECT_EQ(back.templates, r.templates);
}

TEST(SettingsFile, ASaveReplacesOnlyWhatIsSafeToReplace) {
    QTemporaryDir dir;
    const QString home = dir.filePath("home"), shared = dir.filePath("shared");
    ASSERT_TRUE(QDir().mkpath(home) && QDir().mkpath(shared));
    ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 01777), 0); // as /tmp is
    ASSERT_EQ(::chmod(QFile::encodeName(home).constData(), 0755), 0);    // whatever the umask
    const QString thesis = QDir(home).filePath("thesis.txt");
    const QString sharedFile = QDir(shared).filePath("ours.txt");
    const QString fifo = QDir(home).filePath("fifo");
    ASSERT_TRUE(mkfifoAt(fifo));
    const QByteArray original = "the user's own words\n";

    const struct {
        const char* name;
        QString folder; // where Huebit.cnf is
        QString linkTo; // what it links to; empty: the path is the FIFO itself
        bool saved;     // written (through the link)
    } cases[] = {
        {"link into home", home, thesis, true},
        {"link planted in a shared folder", shared, thesis, false},
        {"link to a file in a shared folder", home, sharedFile, false},
        {"link to a FIFO", home, fifo, false},
        {"link to nothing", home, QDir(home).filePath("missing"), false},
        {"link to a folder", home, home, false},
        {"FIFO itself", home, {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(writeBytes(thesis, original) && writeBytes(sharedFile, original));
        QString path = QDir(c.folder).filePath("Huebit.cnf");
        QFile::remove(path);
        if (c.linkTo.isEmpty())
            path = fifo;
        else
            ASSERT_TRUE(symlinkAt(c.linkTo, path));
        const QString error = SaveSettingsFile(path, bufferWithText("new"));
        EXPECT_EQ(error.isEmpty(), c.saved) << error.toStdString();
        const QByteArray thesisNow = bytesOf(thesis);
        if (c.saved) {
            EXPECT_TRUE(QFileInfo(path).isSymLink()); // the link stays a link
            EXPECT_EQ(thesisNow, bufferWithText("new").toBytes());
        } else {
            EXPECT_EQ(thesisNow, original);
            EXPECT_EQ(bytesOf(sharedFile), original);
        }
        EXPECT_TRUE(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
        EXPECT_TRUE(QFileInfo(home).isDir());
    }
}

TEST(SettingsFile, ALinkToAnotherUsersFileIsNotFollowed) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to give a file to another user";
    QTemporaryDir dir;
    const QString theirs = dir.filePath("theirs.txt");
    ASSERT_TRUE(writeBytes(theirs, "theirs\n"));
    ASSERT_EQ(::chown(QFile::encodeName(theirs).constData(), Nobody, Nobody), 0);
    const QString path = dir.filePath("Huebit.cnf");
    ASSERT_TRUE(symlinkAt(theirs, path));
    EXPECT_NE(SaveSettingsFile(path, bufferWithText("new")), QString());
    EXPECT_EQ(bytesOf(theirs), "theirs\n");
}

// Each call the save makes fails in turn, as a full disk or a failing device makes it fail.
TEST(SettingsFile, AFailureAtAnyStepKeepsTheOldFileAndLeavesNoTemporary) {
    enum Step { FirstWrite, LaterWrite, Sync, Close, Rename };
    const struct {
        const char* name;
        Step step;
        int error;
    } cases[] = {
        {"first write", FirstWrite, ENOSPC},
        {"write after a short one", LaterWrite, ENOSPC},
        {"sync", Sync, EIO},
        {"sync, disk full", Sync, ENOSPC},
        {"close", Close, EDQUOT},
        {"rename", Rename, EIO},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = dir.filePath("Huebit.cnf");
        ASSERT_EQ(SaveSettingsFile(path, bufferWithText("old")), QString());
        const QByteArray before = bytesOf(path);

        SaveFileCalls calls = SaveFileCalls::System();
        int writes = 0;
        calls.write = [&](int fd, const void* data, size_t size) -> ssize_t {
            ++writes;
            if (c.step == FirstWrite) return errno = c.error, -1;
            if (c.step == LaterWrite && writes == 1) return ::write(fd, data, size / 2);
            if (c.step == LaterWrite) return errno = c.error, -1;
            return ::write(fd, data, size);
        };
        const SaveFileCalls system = SaveFileCalls::System();
        calls.fsync = [&](int fd) {
            return c.step == Sync ? (errno = c.error, -1) : system.fsync(fd);
        };
        calls.close = [&](int fd) {
            system.close(fd); // the descriptor goes either way, as with the real call
            return c.step == Close ? (errno = c.error, -1) : 0;
        };
        calls.rename = [&](const char* from, const char* to) {
            return c.step == Rename ? (errno = c.error, -1) : system.rename(from, to);
        };
        const QString error = SaveSettingsFile(path, bufferWithText("new"), calls);
        EXPECT_TRUE(error.contains(QString::fromLocal8Bit(std::strerror(c.error))))
            << error.toStdString();
        EXPECT_EQ(bytesOf(path), before);
        EXPECT_EQ(entriesOf(dir.path()), QStringList{"Huebit.cnf"});
    }
}

// A real full file system: a small tmpfs filled to the last page.
TEST(SettingsFile, AFullDiskKeepsTheOldFile) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to mount a file system";
    QTemporaryDir dir;
    const QByteArray mountPoint = QFile::encodeName(dir.path());
    if (::mount("huebit-test", mountPoint.constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                "size=256k,mode=0700") != 0) {
        GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
    }
    struct Unmount {
        QByteArray at;
        ~Unmount() { ::umount2(at.constData(), MNT_DETACH); }
    } unmount{mountPoint};

    const QString path = dir.filePath("Huebit.cnf");
    ASSERT_EQ(SaveSettingsFile(path, bufferWithText("old")), QString());
    const QByteArray before = bytesOf(path);
    QFile filler(dir.filePath("filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(4096, 'f');
    while (filler.write(block) == block.size()) {
    }
    filler.close();
    struct statvfs room {};
    ASSERT_EQ(::statvfs(mountPoint.constData(), &room), 0);
    ASSERT_EQ(room.f_bavail, 0u) << "the file system is not full";
    ASSERT_LT(room.f_blocks * room.f_frsize, 1024u * 1024u) << "not the small file system";

    const QString error = SaveSettingsFile(path, bufferWithText(QString(4000, QLatin1Char('n'))));
    EXPECT_NE(error, QString());
    EXPECT_EQ(bytesOf(path), before);
    QStringList left = entriesOf(dir.path());
    left.sort();
    EXPECT_EQ(left, (QStringList{"Huebit.cnf", "filler"}));
}

TEST(SettingsFile, ASaveRemovesOnlyItsOwnStaleTemporaries) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Huebit.cnf");
    const QStringList stale{"Huebit.cnf.Ab12Cd", "Huebit.cnf.9xQz0P", "Huebit.cnf.aB3zzz"};
    // Names a user gives a copy, and names of another shape.
    const QStringList kept{"Huebit.cnf.backup",  "Huebit.cnf.Backup", "Huebit.cnf.241209",
                           "Huebit.cnf.copy01",  "Huebit.cnf.COPY01", "Huebit.cnf.Ab12C",
                           "Huebit.cnf.Ab12Cd7", "Huebit.cnf.Ab-2Cd", "Huebit.cnf.Ab12Cd.bak",
                           "huebit.cnf.Ab12Cd",  "Other.cnf.Ab12Cd",  "Huebit.cnfAAb12Cd",
                           "thesis.txt"};
    for (const QString& name : stale + kept)
        ASSERT_TRUE(writeBytes(dir.filePath(name), "x"));
    // Of the right name, but not a regular file of ours: a folder and a link stay.
    ASSERT_TRUE(QDir(dir.path()).mkdir("Huebit.cnf.Fold3r"));
    ASSERT_TRUE(symlinkAt(dir.filePath("thesis.txt"), dir.filePath("Huebit.cnf.Link12")));
    QStringList expected =
        kept + QStringList{"Huebit.cnf", "Huebit.cnf.Fold3r", "Huebit.cnf.Link12"};
    if (::geteuid() == 0) {
        const QString theirs = dir.filePath("Huebit.cnf.Th3irs");
        ASSERT_TRUE(writeBytes(theirs, "x"));
        ASSERT_EQ(::chown(QFile::encodeName(theirs).constData(), Nobody, Nobody), 0);
        expected << "Huebit.cnf.Th3irs";
    }

    ASSERT_EQ(SaveSettingsFile(path, bufferWithText("new")), QString());
    QStringList left = entriesOf(dir.path());
    left.sort();
    expected.sort();
    EXPECT_EQ(left, expected);
    EXPECT_EQ(bytesOf(dir.filePath("thesis.txt")), "x");
}
