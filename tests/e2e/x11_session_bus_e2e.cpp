// Finding an X session's D-Bus bus on the display, as its launcher publishes it: a window that
// owns the session's selection and carries the address.
#include "e2e/e2e_harness.h"
#include "platform/x11_session_bus.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace huebit;
using namespace huebit::e2e;

namespace {

xcb_atom_t atom(xcb_connection_t* c, const QByteArray& name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, uint16_t(name.size()), name.constData()), nullptr);
    const xcb_atom_t a = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return a;
}

// A launcher's window: it owns `selection` and, when `address` is given, carries it.
void publish(xcb_connection_t* c, const QByteArray& selection, const QByteArray& address) {
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_window_t w = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, w, root, -1, -1, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    if (!address.isEmpty()) {
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, atom(c, "_DBUS_SESSION_BUS_ADDRESS"),
                            XCB_ATOM_STRING, 8, uint32_t(address.size()), address.constData());
    }
    xcb_set_selection_owner(c, w, atom(c, selection), XCB_CURRENT_TIME);
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

} // namespace

TEST(X11SessionBusE2E, TheAddressIsReadOffTheSelectionOwnerOfThisUserAndMachine) {
    HUEBIT_SKIP_WITHOUT_E2E_TOOLS();
    XvfbDisplay display({64, 64});
    ASSERT_TRUE(display.ok());
    xcb_connection_t* launcher = xcb_connect(display.name().toLocal8Bit().constData(), nullptr);
    xcb_connection_t* program = xcb_connect(display.name().toLocal8Bit().constData(), nullptr);
    ASSERT_FALSE(xcb_connection_has_error(launcher) || xcb_connection_has_error(program));

    const QByteArray mine = SessionBusSelection("ann", "0123456789abcdef0123456789abcdef");
    EXPECT_EQ(mine, "_DBUS_SESSION_BUS_SELECTION_ann_0123456789abcdef0123456789abcdef");
    EXPECT_TRUE(SessionBusAddressOnX11(program, mine).isEmpty()) << "nothing published yet";

    // The launcher's text ends with a zero, which is not part of the address.
    const QByteArray address = "unix:path=/tmp/dbus-test,guid=00112233445566778899aabbccddeeff";
    publish(launcher, mine, address + '\0');
    EXPECT_EQ(SessionBusAddressOnX11(program, mine), address);
    // Another user's or another machine's bus is not ours.
    EXPECT_TRUE(SessionBusAddressOnX11(
                    program, SessionBusSelection("bob", "0123456789abcdef0123456789abcdef"))
                    .isEmpty());
    EXPECT_TRUE(SessionBusAddressOnX11(program, SessionBusSelection("ann", "ffff")).isEmpty());

    // An owner without an address, and an owner gone, give nothing.
    const QByteArray bare = SessionBusSelection("cy", "0123456789abcdef0123456789abcdef");
    publish(launcher, bare, QByteArray());
    EXPECT_TRUE(SessionBusAddressOnX11(program, bare).isEmpty());
    xcb_disconnect(launcher);
    // The server lets the selection go once it has seen the launcher leave.
    EXPECT_TRUE(WaitFor(2000, [&] { return SessionBusAddressOnX11(program, mine).isEmpty(); }));
    xcb_disconnect(program);
}

namespace {

// Sets an environment variable for the length of a scope, and puts back what was there.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const QByteArray& value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name)) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedVariable() {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

} // namespace

TEST(SessionBusTest, ALauncherIsFoundOnThePathOrInTheLibrarysOwnFolder) {
    QTemporaryDir bin, other;
    ASSERT_TRUE(bin.isValid() && other.isValid());
    const QByteArray binPath = bin.path().toLocal8Bit(), otherPath = other.path().toLocal8Bit();
    QFile launcher(bin.filePath(QStringLiteral("dbus-launch")));
    ASSERT_TRUE(launcher.open(QIODevice::WriteOnly));
    launcher.close();
    EXPECT_FALSE(ProgramOnPath("dbus-launch", otherPath + ':' + binPath, otherPath))
        << "a file that cannot be run is no launcher";
    launcher.setPermissions(launcher.permissions() | QFileDevice::ExeOwner);
    EXPECT_TRUE(ProgramOnPath("dbus-launch", otherPath + ':' + binPath, otherPath));
    EXPECT_TRUE(ProgramOnPath("dbus-launch", otherPath, binPath));
    EXPECT_FALSE(ProgramOnPath("dbus-launch", otherPath, otherPath));
    EXPECT_FALSE(ProgramOnPath("dbus-launch", QByteArray(), otherPath));
}

TEST(SessionBusTest, WithoutAnAddressOrALauncherTheUserBusIsNamed) {
    EXPECT_EQ(UserBusAddress("/run/user/1000", 1000), "unix:path=/run/user/1000/bus");
    EXPECT_EQ(UserBusAddress(QByteArray(), 1234), "unix:path=/run/user/1234/bus");
    if (ProgramOnPath("dbus-launch", QByteArray()))
        GTEST_SKIP() << "this machine has a launcher in the D-Bus library's own folder";
    QTemporaryDir empty;
    const ScopedVariable path("PATH", empty.path().toLocal8Bit());
    const ScopedVariable runtime("XDG_RUNTIME_DIR", "/tmp/huebit-runtime");
    {
        const ScopedVariable bus("DBUS_SESSION_BUS_ADDRESS", QByteArray());
        NameSessionBus(nullptr);
        EXPECT_EQ(qgetenv("DBUS_SESSION_BUS_ADDRESS"), "unix:path=/tmp/huebit-runtime/bus");
    }
    // An address the environment gives stays.
    const ScopedVariable bus("DBUS_SESSION_BUS_ADDRESS", "unix:path=/tmp/given");
    NameSessionBus(nullptr);
    EXPECT_EQ(qgetenv("DBUS_SESSION_BUS_ADDRESS"), "unix:path=/tmp/given");
}
