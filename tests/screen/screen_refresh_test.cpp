#include "screen/screen_picker.h"
#include "screen/screen_refresh.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <set>
#include <vector>

using namespace huebit;

namespace {

// The deferred request of a path that answers later needs an event loop to run.
void processEvents() {
    static int argc = 1;
    static char name[] = "screen_refresh_test";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
    QCoreApplication::processEvents();
}

QImage plain(QSize size, QRgb c) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

// A desktop that answers when the test says so, as the portal does.
class LaterScreen : public ScreenCapture {
public:
    explicit LaterScreen(std::vector<CaptureDone>& asked) : m_asked(asked) {}
    void capture(CaptureDone done) override { m_asked.push_back(std::move(done)); }
    bool answersLater() const override { return true; }

private:
    std::vector<CaptureDone>& m_asked;
};

class ScreenRefreshTest : public ::testing::Test {
protected:
    void SetUp() override {
        QObject::connect(&refresh, &ScreenRefresh::windowLeaving,
                         [this] { log.push_back("leave"); });
        QObject::connect(&refresh, &ScreenRefresh::windowReturning,
                         [this] { log.push_back("return"); });
        QObject::connect(&refresh, &ScreenRefresh::captureFailed,
                         [this](const QString& m) { log.push_back(m.toStdString()); });
        QObject::connect(&picker, &ScreenPicker::changed, [this](unsigned what) {
            if (what & ChangedOverview) log.push_back("overview");
        });
    }
    void answeringLater() { refresh.setCapture(std::make_unique<LaterScreen>(asked)); }
    // The first picture, with a marker on it, which a failed copy must leave alone.
    void firstPicture() {
        refresh.setCapture(std::make_unique<FixedScreen>(plain({1920, 1080}, qRgb(1, 2, 3))));
        ASSERT_TRUE(refresh.Start(false));
        picker.SelectFragment(100, 50, true);
        log.clear();
    }

    ScreenPicker picker;
    ScreenRefresh refresh{picker};
    std::vector<CaptureDone> asked;
    std::vector<std::string> log;
};

} // namespace

TEST_F(ScreenRefreshTest, AnImmediateCopyHidesCopiesAndReturnsAtOnce) {
    refresh.setCapture(std::make_unique<FixedScreen>(plain({1024, 768}, qRgb(9, 8, 7))));
    EXPECT_TRUE(refresh.Start(true));
    EXPECT_FALSE(refresh.Pending());
    EXPECT_EQ(log, (std::vector<std::string>{"leave", "overview", "return"}));
    EXPECT_EQ(picker.ScreenImage().size(), QSize(1024, 768));
    log.clear();
    EXPECT_TRUE(refresh.Start(false)) << "a hidden window is not hidden again";
    EXPECT_EQ(log, (std::vector<std::string>{"overview"}));
}

TEST_F(ScreenRefreshTest, ALaterAnswerKeepsTheWindowAwayAndRefusesASecondRequest) {
    answeringLater();
    ASSERT_TRUE(refresh.Start(true));
    EXPECT_EQ(log, (std::vector<std::string>{"leave"}));
    EXPECT_TRUE(asked.empty()) << "asked before the hiding could reach the display";
    processEvents();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_FALSE(refresh.Start(true));
    EXPECT_FALSE(refresh.Start(false));
    processEvents();
    EXPECT_EQ(asked.size(), 1u);
    EXPECT_EQ(log, (std::vector<std::string>{"leave"}));

    asked[0]({plain({3840, 1080}, qRgb(4, 5, 6)), CaptureFailure::None});
    EXPECT_FALSE(refresh.Pending());
    EXPECT_EQ(log, (std::vector<std::string>{"leave", "overview", "return"}));
    EXPECT_EQ(picker.OverviewRect().size(), QSize(383, 108));
    asked[0]({plain({10, 10}, qRgb(0, 0, 0)), CaptureFailure::None}); // a repeated answer
    EXPECT_EQ(picker.ScreenImage().size(), QSize(3840, 1080));
    EXPECT_EQ(log.size(), 3u);

    EXPECT_TRUE(refresh.Start(false)); // no window to move: asked at once
    EXPECT_EQ(asked.size(), 2u);
}

TEST_F(ScreenRefreshTest, AFailedCopyKeepsThePictureAndSaysWhy) {
    const CaptureFailure failures[] = {CaptureFailure::Cancelled, CaptureFailure::Refused,
                                       CaptureFailure::NotAvailable, CaptureFailure::NoAnswer,
                                       CaptureFailure::Unreadable};
    std::set<std::string> messages;
    for (const CaptureFailure why : failures) {
        SCOPED_TRACE(int(why));
        firstPicture();
        const QImage overview = picker.Overview();
        answeringLater();
        asked.clear();
        ASSERT_TRUE(refresh.Start(true));
        processEvents();
        ASSERT_EQ(asked.size(), 1u);
        asked[0]({{}, why});
        ASSERT_EQ(log.size(), 3u);
        EXPECT_EQ(log[1], "return");
        EXPECT_EQ(log[2], CaptureFailureText(why).toStdString());
        EXPECT_EQ(log[2].rfind("Экран не скопирован: ", 0), 0u) << log[2];
        messages.insert(log[2]);
        EXPECT_EQ(picker.Overview(), overview) << "marker or picture lost";
        EXPECT_EQ(picker.FragmentX(), 100);
        EXPECT_FALSE(refresh.Pending());
    }
    EXPECT_EQ(messages.size(), std::size(failures)) << "two reasons read the same";
    EXPECT_TRUE(CaptureFailureText(CaptureFailure::None).isEmpty());

    // The immediate paths report a failed copy too, and "success" without a picture is one.
    firstPicture();
    refresh.setCapture(std::make_unique<FixedScreen>(QImage()));
    refresh.Start(false);
    EXPECT_EQ(log, (std::vector<std::string>{
                       CaptureFailureText(CaptureFailure::Unreadable).toStdString()}));
    answeringLater();
    log.clear();
    refresh.Start(false);
    asked.back()({{}, CaptureFailure::None});
    EXPECT_EQ(log, (std::vector<std::string>{
                       CaptureFailureText(CaptureFailure::Unreadable).toStdString()}));
}

TEST_F(ScreenRefreshTest, ReplacingThePathGivesUpThePendingCopy) {
    answeringLater();
    ASSERT_TRUE(refresh.Start(true));
    processEvents();
    ASSERT_EQ(asked.size(), 1u);
    const CaptureDone stale = asked[0];
    refresh.setCapture(std::make_unique<FixedScreen>(plain({800, 600}, qRgb(1, 1, 1))));
    EXPECT_EQ(log, (std::vector<std::string>{"leave", "return"}));
    EXPECT_FALSE(refresh.Pending());
    stale({plain({640, 480}, qRgb(2, 2, 2)), CaptureFailure::None});
    EXPECT_TRUE(picker.ScreenImage().isNull()) << "an answer nobody waits for was taken";
    EXPECT_EQ(log.size(), 2u);

    // A request deferred to the event loop and given up before it ran is never made.
    answeringLater();
    asked.clear();
    ASSERT_TRUE(refresh.Start(true));
    answeringLater();
    processEvents();
    EXPECT_TRUE(asked.empty());
}

TEST_F(ScreenRefreshTest, TheCopyAtCreationIsLeftToTheScreenPageOnLaterPaths) {
    answeringLater();
    EXPECT_FALSE(refresh.StartAtCreation());
    processEvents();
    EXPECT_TRUE(asked.empty());
    EXPECT_FALSE(refresh.Pending());
    refresh.setCapture(std::make_unique<FixedScreen>(plain({1024, 768}, qRgb(1, 1, 1))));
    EXPECT_TRUE(refresh.StartAtCreation());
    EXPECT_EQ(picker.ScreenImage().size(), QSize(1024, 768));
}
