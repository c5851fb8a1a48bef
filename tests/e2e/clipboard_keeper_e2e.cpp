// A copied colour stays pasteable after the program closes: with no clipboard manager running,
// a keeper process serves the text, the PNG and the SVG samples until another program takes
// the clipboard, and then ends; with a manager running, the manager takes it over.
#include "e2e/e2e_harness.h"
#include "e2e/fake_clipboard_manager.h"
#include "output/clipboard_offer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QMimeData>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>
#include <memory>
#include <pwd.h>
#include <unistd.h>
#include <xcb/xcb.h>

using namespace huebit::e2e;

namespace {

constexpr QPoint Page(2, 49);
constexpr QPoint CopyText = Page + QPoint(304 + 14, 394 + 14);
constexpr QPoint CopyBitmap = Page + QPoint(335 + 14, 394 + 14);
constexpr QPoint CopyVector = Page + QPoint(366 + 14, 394 + 14);
constexpr QPoint CloseIcon(392, 11);
// Generous: on a loaded machine a keeper may take its time to start; it answers at once after.
constexpr int Patience = 15000;

// The keepers serving `display`, by their process name and their DISPLAY.
QList<pid_t> keepersOn(const QString& display) {
    QList<pid_t> found;
    const QByteArray wanted = "DISPLAY=" + display.toLatin1();
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool number = false;
        const pid_t pid = entry.toInt(&number);
        if (!number) continue;
        QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
        if (!comm.open(QIODevice::ReadOnly) || comm.readAll().trimmed() != "huebit-clipboar")
            continue;
        QFile environ(QStringLiteral("/proc/%1/environ").arg(pid));
        if (environ.open(QIODevice::ReadOnly) && environ.readAll().split('\0').contains(wanted))
            found << pid;
    }
    return found;
}

bool ended(pid_t pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return true;
    // A parent that has not reaped it yet leaves a zombie: ended all the same.
    const QByteArray line = stat.readAll();
    return line.mid(line.lastIndexOf(')') + 2, 1) == "Z";
}

QByteArray readClipboard(const QString& display, const char* target) {
    return Run(display, QStringLiteral("xclip"),
               {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard"),
                QStringLiteral("-t"), QString::fromLatin1(target)})
        .value_or(QByteArray());
}

// A keeper started by hand: the program's binary under the keeper's name, and an offer of
// `text` in the scratch folder, as the program leaves them.
struct KeeperFiles {
    QTemporaryDir dir;
    QString keeper = dir.filePath(QStringLiteral("huebit-clipboard"));
    QString offer = dir.filePath(QStringLiteral("offer"));
};

bool layOutKeeper(KeeperFiles& files, const QString& text) {
    if (!QFile::link(QStringLiteral(HUEBIT_BINARY), files.keeper)) return false;
    QMimeData data;
    data.setText(text);
    QFile offer(files.offer);
    if (!offer.open(QIODevice::WriteOnly)) return false;
    return offer.write(huebit::SerializeOffer(huebit::OfferFromMimeData(data, 0))) > 0;
}

// Another program copies "other", as a real change of owner does.
bool anotherProgramCopies(const QString& display) {
    return Run(display, QStringLiteral("xclip"),
               {QStringLiteral("-i"), QStringLiteral("-selection"), QStringLiteral("clipboard"),
                QStringLiteral("-loops"), QStringLiteral("1")},
               10000, "other")
        .has_value();
}

QByteArray environmentValue(pid_t pid, const QByteArray& name) {
    QFile environ(QStringLiteral("/proc/%1/environ").arg(pid));
    if (!environ.open(QIODevice::ReadOnly)) return {};
    for (const QByteArray& entry : environ.readAll().split('\0')) {
        if (entry.startsWith(name + '=')) return entry.mid(name.size() + 1);
    }
    return {};
}

// A bus launcher's window on `c`, as an X session's launcher leaves one: it owns this user's
// selection for this machine and carries a bus address.
bool publishBusLauncher(xcb_connection_t* c, const QByteArray& address) {
    QFile id(QStringLiteral("/etc/machine-id"));
    const passwd* user = getpwuid(getuid());
    if (!id.open(QIODevice::ReadOnly) || !user) return false;
    const QByteArray selection =
        "_DBUS_SESSION_BUS_SELECTION_" + QByteArray(user->pw_name) + '_' + id.readAll().trimmed();
    auto atom = [c](const QByteArray& name) {
        xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(
            c, xcb_intern_atom(c, 0, uint16_t(name.size()), name.constData()), nullptr);
        const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(r);
        return a;
    };
    const xcb_window_t w = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, w,
                      xcb_setup_roots_iterator(xcb_get_setup(c)).data->root, -1, -1, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, atom("_DBUS_SESSION_BUS_ADDRESS"),
                        XCB_ATOM_STRING, 8, uint32_t(address.size()), address.constData());
    xcb_set_selection_owner(c, w, atom(selection), XCB_CURRENT_TIME);
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    return true;
}

class ClipboardKeeperE2E : public ::testing::Test {
protected:
    void SetUp() override {
        HUEBIT_SKIP_WITHOUT_E2E_TOOLS();
        ASSERT_TRUE(display.ok()) << "Xvfb did not start";
    }
    void TearDown() override {
        for (pid_t pid : keepersOn(display.name()))
            kill(pid, SIGTERM);
    }

    XvfbDisplay display;
};

} // namespace

TEST_F(ClipboardKeeperE2E, CopiedSamplesOutliveTheProgramUntilAnotherProgramCopies) {
    struct Sample {
        QPoint button;
        const char* target;
        std::function<void(const QByteArray&)> check;
    } const samples[] = {
        {CopyText, "UTF8_STRING", [](const QByteArray& b) { EXPECT_EQ(b, "#8857F9"); }},
        {CopyBitmap, "image/png",
         [](const QByteArray& b) {
             const QImage png = QImage::fromData(b, "PNG");
             ASSERT_EQ(png.size(), QSize(20, 20));
             EXPECT_EQ(png.pixel(0, 0) & 0xFFFFFF, qRgb(136, 87, 250) & 0xFFFFFF);
         }},
        {CopyVector, "image/svg+xml",
         [](const QByteArray& b) { EXPECT_TRUE(b.contains("<svg")) << b.toStdString(); }},
    };
    QList<pid_t> previous;
    for (const Sample& s : samples) {
        SCOPED_TRACE(s.target);
        HuebitProcess app(display);
        ASSERT_TRUE(app.start());
        ASSERT_TRUE(app.waitUntilOpaque());
        app.click(s.button);
        QByteArray copied;
        ASSERT_TRUE(WaitFor(Patience, [&] {
            return !(copied = readClipboard(display.name(), s.target)).isEmpty();
        }));
        // The program's own copy took the clipboard from the last keeper, which has ended.
        for (pid_t pid : previous)
            EXPECT_TRUE(WaitFor(Patience, [pid] { return ended(pid); })) << pid;

        app.click(CloseIcon);
        const auto code = app.waitForExit(Patience);
        ASSERT_TRUE(code.has_value());
        EXPECT_EQ(*code, 0);
        QByteArray kept;
        EXPECT_TRUE(WaitFor(Patience, [&] {
            return !(kept = readClipboard(display.name(), s.target)).isEmpty();
        })) << "nothing to paste after the program closed";
        EXPECT_EQ(kept, copied);
        s.check(kept);
        previous = keepersOn(display.name());
        ASSERT_EQ(previous.size(), 1);
    }

    // Another program copies: the keeper ends, and the paste is that program's.
    ASSERT_TRUE(anotherProgramCopies(display.name()));
    EXPECT_TRUE(WaitFor(Patience, [&] { return ended(previous.first()); }))
        << "the keeper still runs";
    EXPECT_EQ(readClipboard(display.name(), "UTF8_STRING"), "other");
}

TEST_F(ClipboardKeeperE2E, ARunningClipboardManagerTakesTheColourOver) {
    FakeClipboardManager manager(display.name());
    ASSERT_TRUE(manager.ok());
    HuebitProcess app(display);
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(app.waitUntilOpaque());
    app.click(CopyText);
    ASSERT_TRUE(WaitFor(Patience,
                        [&] { return readClipboard(display.name(), "UTF8_STRING") == "#8857F9"; }));
    app.click(CloseIcon);
    const auto code = app.waitForExit(Patience);
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(*code, 0);
    EXPECT_EQ(manager.saves(), 1) << "the program did not hand its clipboard to the manager";
    EXPECT_EQ(readClipboard(display.name(), "UTF8_STRING"), "#8857F9");
    EXPECT_TRUE(keepersOn(display.name()).isEmpty()) << "a keeper beside the manager";
}

// The program hands its children the environment it was given: on a bare X server without a bus
// address it names no bus of its own guessing, not even one a launcher left on the display.
TEST_F(ClipboardKeeperE2E, AChildIsNamedNoSessionBusThatTheProgramWasNotGiven) {
    xcb_connection_t* launcher = xcb_connect(display.name().toLocal8Bit().constData(), nullptr);
    const auto closeLauncher = qScopeGuard([launcher] { xcb_disconnect(launcher); });
    ASSERT_FALSE(xcb_connection_has_error(launcher));
    ASSERT_TRUE(publishBusLauncher(launcher, "unix:path=/tmp/huebit-no-such-bus"));
    HuebitProcess app(display);
    app.setEnvironment(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QString());
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(app.waitUntilOpaque());
    app.click(CopyText);
    ASSERT_TRUE(
        WaitFor(Patience, [&] { return !readClipboard(display.name(), "UTF8_STRING").isEmpty(); }));
    app.click(CloseIcon);
    ASSERT_TRUE(app.waitForExit(Patience).has_value());
    QList<pid_t> keepers;
    ASSERT_TRUE(
        WaitFor(Patience, [&] { return !(keepers = keepersOn(display.name())).isEmpty(); }));
    EXPECT_EQ(environmentValue(keepers.first(), "DBUS_SESSION_BUS_ADDRESS").toStdString(), "");
}

// A keeper that starts after its program has given up waiting and gone finds the report pipe
// closed; it must serve all the same, and end when another program copies.
TEST_F(ClipboardKeeperE2E, AKeeperWhoseProgramHasGoneStillServes) {
    KeeperFiles files;
    ASSERT_TRUE(layOutKeeper(files, QStringLiteral("#0A0B0C")));
    // The report pipe's reader is gone before the keeper writes to it, as a program that gave
    // up waiting would be; pipefail hands back the keeper's own status.
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display.name());
    p.setProcessEnvironment(env);
    p.start(QStringLiteral("bash"),
            {QStringLiteral("-c"), QStringLiteral("set -o pipefail; \"$0\" < \"$1\" | true"),
             files.keeper, files.offer});
    ASSERT_TRUE(p.waitForStarted());
    EXPECT_TRUE(WaitFor(Patience, [&] {
        return readClipboard(display.name(), "UTF8_STRING") == "#0A0B0C";
    })) << "the keeper does not serve";
    ASSERT_TRUE(anotherProgramCopies(display.name()));
    ASSERT_TRUE(p.waitForFinished(Patience)) << "the keeper still runs";
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_EQ(readClipboard(display.name(), "UTF8_STRING"), "other");
}

namespace {

template <typename T> using XReply = std::unique_ptr<T, decltype(&std::free)>;

// What any client on the display may do: send the clipboard's owner a selection-clear notice of
// its own making, as if the clipboard had passed to someone else. Returns once the server has
// delivered it.
bool forgeSelectionClear(const QString& display) {
    xcb_connection_t* c = xcb_connect(display.toLatin1().constData(), nullptr);
    const auto cleanup = qScopeGuard([c] { xcb_disconnect(c); });
    if (xcb_connection_has_error(c)) return false;
    const XReply<xcb_intern_atom_reply_t> clipboard(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, 9, "CLIPBOARD"), nullptr), &std::free);
    if (!clipboard) return false;
    const XReply<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, clipboard->atom), nullptr),
        &std::free);
    if (!owner || owner->owner == XCB_NONE) return false;
    xcb_selection_clear_event_t clear{};
    clear.response_type = XCB_SELECTION_CLEAR;
    clear.time = XCB_CURRENT_TIME;
    clear.owner = owner->owner;
    clear.selection = clipboard->atom;
    xcb_send_event(c, 0, owner->owner, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&clear));
    // A round trip: the notice is in the keeper's queue before this returns.
    const XReply<xcb_get_input_focus_reply_t> sync(
        xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr), &std::free);
    return sync != nullptr;
}

} // namespace

TEST_F(ClipboardKeeperE2E, AForgedSelectionClearDoesNotEndTheKeeper) {
    KeeperFiles files;
    ASSERT_TRUE(layOutKeeper(files, QStringLiteral("#102030")));
    QProcess keeper;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display.name());
    keeper.setProcessEnvironment(env);
    keeper.setStandardInputFile(files.offer);
    keeper.start(files.keeper, {});
    ASSERT_TRUE(keeper.waitForStarted());
    ASSERT_TRUE(WaitFor(Patience, [&] {
        return readClipboard(display.name(), "UTF8_STRING") == "#102030";
    })) << "the keeper does not serve";

    ASSERT_TRUE(forgeSelectionClear(display.name()));
    // The keeper takes its events in order: a paste asked after the forged notice is answered
    // only by a keeper that lived through it.
    EXPECT_EQ(readClipboard(display.name(), "UTF8_STRING"), "#102030");
    EXPECT_EQ(keeper.state(), QProcess::Running) << "a forged notice ended the keeper";

    // The real thing still ends it.
    ASSERT_TRUE(anotherProgramCopies(display.name()));
    EXPECT_TRUE(keeper.waitForFinished(Patience)) << "the keeper still runs";
    EXPECT_EQ(keeper.exitCode(), 0);
}
