// One running copy per settings file, with the real binary: a second start brings the first
// forward and ends with 0, a copy in another folder runs beside it, and a killed copy's socket
// does not stop the next start.
#include "e2e/e2e_harness.h"

#include <QProcess>
#include <QThread>
#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <xcb/xcb.h>

using namespace huebit::e2e;

namespace {

// What a launcher and a window manager hear on the root window: the startup-notification
// messages put together, and the windows asked to be activated with their time stamps.
class RootListener {
public:
    explicit RootListener(const QString& display) : m_c(xcb_connect(qPrintable(display), nullptr)) {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data;
        const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_c, screen->root, XCB_CW_EVENT_MASK, &mask);
        m_begin = atom("_NET_STARTUP_INFO_BEGIN");
        m_more = atom("_NET_STARTUP_INFO");
        m_activate = atom("_NET_ACTIVE_WINDOW");
        xcb_flush(m_c);
    }
    ~RootListener() { xcb_disconnect(m_c); }

    /// Reads what has arrived by now.
    void collect() {
        while (xcb_generic_event_t* e = xcb_poll_for_event(m_c)) {
            if ((e->response_type & 0x7f) == XCB_CLIENT_MESSAGE) {
                const auto* m = reinterpret_cast<xcb_client_message_event_t*>(e);
                if (m->type == m_begin) m_text.clear();
                if (m->type == m_begin || m->type == m_more) {
                    m_text.append(reinterpret_cast<const char*>(m->data.data8), 20);
                    if (m_text.contains('\0')) m_messages << m_text.left(m_text.indexOf('\0'));
                }
                if (m->type == m_activate)
                    m_activations << QStringLiteral("%1@%2").arg(m->window).arg(m->data.data32[1]);
            }
            free(e);
        }
    }
    QList<QByteArray> messages() const { return m_messages; }
    QStringList activations() const { return m_activations; }

private:
    xcb_atom_t atom(const char* name) {
        auto* r = xcb_intern_atom_reply(m_c, xcb_intern_atom(m_c, 0, uint16_t(strlen(name)), name),
                                        nullptr);
        const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
        free(r);
        return a;
    }

    xcb_connection_t* m_c;
    xcb_atom_t m_begin, m_more, m_activate;
    QByteArray m_text;
    QList<QByteArray> m_messages;
    QStringList m_activations;
};

class OneInstanceE2E : public ::testing::Test {
protected:
    void SetUp() override {
        HUEBIT_SKIP_WITHOUT_E2E_TOOLS();
        ASSERT_TRUE(display.ok()) << "Xvfb did not start";
    }

    // Runs the copy in `folder` once more and returns its exit code.
    std::optional<int> startAgain(const QString& folder, const QByteArray& startupId = {}) const {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), display.name());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), display.runtimeDir());
        if (!startupId.isEmpty()) env.insert(QStringLiteral("DESKTOP_STARTUP_ID"), startupId);
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(folder + QStringLiteral("/huebit"), {});
        if (!p.waitForFinished(10000)) {
            p.kill();
            p.waitForFinished();
            return std::nullopt;
        }
        return p.exitStatus() == QProcess::NormalExit ? std::optional(p.exitCode()) : std::nullopt;
    }

    // Top-level windows from the bottom of the stack to the top, as decimal ids.
    QStringList stacking() const {
        const auto out = huebit::e2e::Run(display.name(), QStringLiteral("xwininfo"),
                                          {QStringLiteral("-root"), QStringLiteral("-children")});
        QStringList ids;
        for (const QString& line : QString::fromUtf8(out.value_or(QByteArray())).split('\n')) {
            const QString first = line.trimmed().section(QLatin1Char(' '), 0, 0);
            if (first.startsWith(QLatin1String("0x")))
                ids << QString::number(first.toULongLong(nullptr, 16));
        }
        std::reverse(ids.begin(), ids.end()); // xwininfo lists the top first
        return ids;
    }

    QString focusedWindow() const {
        const auto out = huebit::e2e::Run(display.name(), QStringLiteral("xdotool"),
                                          {QStringLiteral("getwindowfocus")});
        return QString::fromUtf8(out.value_or(QByteArray())).trimmed();
    }

    XvfbDisplay display;
};

} // namespace

TEST_F(OneInstanceE2E, SecondStartBringsTheFirstForwardAndEnds) {
    HuebitProcess first(display);
    ASSERT_TRUE(first.start());
    // A portable copy in another folder keeps other settings: it runs beside the first, on top.
    HuebitProcess other(display);
    // Left as it comes up: a click into it would give it a focus time later than any the first
    // copy has seen, and with no window manager the first could not take the focus back.
    other.keepMiniWindow();
    ASSERT_TRUE(other.start());
    ASSERT_NE(other.windowId(), first.windowId());
    QStringList stack = stacking();
    ASSERT_GT(stack.indexOf(other.windowId()), stack.indexOf(first.windowId()));

    EXPECT_EQ(startAgain(first.workDir()), 0);
    // The running copy answers before its raise has reached the X server: give it a moment.
    bool forward = false;
    for (int i = 0; i < 200 && !forward; ++i) {
        stack = stacking();
        forward = stack.indexOf(first.windowId()) > stack.indexOf(other.windowId()) &&
                  focusedWindow() == first.windowId();
        if (!forward) QThread::msleep(25);
    }
    EXPECT_TRUE(forward) << "the first copy's window was not raised and focused";
    EXPECT_FALSE(first.waitForExit(0).has_value()) << "the first copy ended";
    EXPECT_FALSE(other.waitForExit(0).has_value()) << "the other folder's copy ended";
}

TEST_F(OneInstanceE2E, AKilledCopyDoesNotStopTheNextStart) {
    HuebitProcess killed(display);
    ASSERT_TRUE(killed.start());
    killed.kill();
    // The same copy, started again from its folder, comes up with its window.
    HuebitProcess next(display);
    ASSERT_TRUE(next.startCommand({killed.workDir() + QStringLiteral("/huebit")}))
        << "no window after a killed copy";
    EXPECT_EQ(startAgain(killed.workDir()), 0) << "the new copy does not answer later starts";
}

TEST_F(OneInstanceE2E, ALaunchersStartEndsItsFeedbackAndActivatesAtTheClickTime) {
    HuebitProcess first(display);
    ASSERT_TRUE(first.start());
    RootListener root(display.name());
    EXPECT_EQ(startAgain(first.workDir(), "menu-42_TIME123456"), 0);
    for (int i = 0; i < 200 && root.messages().size() + root.activations().size() < 2; ++i) {
        QThread::msleep(25);
        root.collect();
    }
    EXPECT_EQ(root.messages(), QList<QByteArray>{"remove: ID=\"menu-42_TIME123456\""});
    EXPECT_EQ(root.activations(), QStringList{first.windowId() + QStringLiteral("@123456")});
}
