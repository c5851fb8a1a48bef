#include "app/pick_command.h"

#include "output/clipboard_handover.h"
#include "output/qt_clipboard.h"
#include "platform/local_socket_instance.h"
#include "platform/x11_clipboard_handover.h"
#include "screen/portal_color_pick.h"
#include "screen/portal_request.h"
#include "screen/screen_capture.h"
#include "screen/screen_picker.h"
#include "settings/settings_file.h"
#include "settings/settings_location.h"
#include "settings/settings_walk.h"
#include "shell/desktop_session.h"
#include "ui/pick_overlay.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLockFile>
#include <QThread>

#include <cstdio>
#include <variant>

namespace huebit {

namespace {

// A closing window writes its settings as it ends: the pick waits that long for it to go,
// then writes the file itself.
constexpr int ClosingWindowWaitMs = 5000;
// The desktop's own picker waits for the user: far longer than a screenshot may take.
constexpr int PortalPickTimeoutMs = 10 * 60 * 1000;

SettingsBuffer loadedSettings(const SettingsLocation& location) {
    return LoadSettingsFile(location.loadPath).value_or(ToSettingsBuffer(SettingsRecord()));
}

// The colour becomes current and newest in the history: in the running window when there is
// one, else in the settings file.
void handOver(LocalSocketInstance& instance, const SettingsLocation& location, Color c) {
    const QDeadlineTimer deadline(ClosingWindowWaitMs);
    LocalSocketInstance::HandOver answer;
    while ((answer = instance.handOverPick(c)) == LocalSocketInstance::HandOver::Closing &&
           !deadline.hasExpired()) {
        QThread::msleep(50);
    }
    if (answer == LocalSocketInstance::HandOver::Taken) return;
    const QString error =
        SaveSettingsFile(location.savePath, WithPickedColor(loadedSettings(location), c));
    if (!error.isEmpty())
        std::fprintf(stderr, "huebit: cannot save the settings: %s\n", qPrintable(error));
}

// The whole desktop as it is now, in device pixels: on X11 a copy the server keeps, elsewhere the
// pixels; an empty result when it could not be copied.
CaptureResult frozenDesktop(ScreenCapture& capture) {
    CaptureResult copy(QImage(), CaptureFailure::Unreadable);
    bool answered = false;
    capture.copyAhead(); // the server copies the root at once; nothing crosses over yet
    capture.capture([&](CaptureResult result) {
        copy = std::move(result);
        answered = true;
        QCoreApplication::exit(0);
    });
    if (!answered && capture.answersLater()) QCoreApplication::exec();
    return copy;
}

std::optional<Color> pickOnOverlay(CaptureResult desktop, const QString& entry) {
    std::optional<Color> picked;
    constexpr int diameter = ScreenPicker::DefaultDiameter;
    const auto overlay =
        desktop.held ? std::make_unique<PickOverlay>(std::move(desktop.held), diameter, entry)
                     : std::make_unique<PickOverlay>(std::move(desktop.image), diameter, entry);
    QObject::connect(overlay.get(), &PickOverlay::picked, [&picked](Color c) {
        picked = c;
        QCoreApplication::exit(0);
    });
    QObject::connect(overlay.get(), &PickOverlay::cancelled, [] { QCoreApplication::exit(0); });
    overlay->start();
    QCoreApplication::exec();
    return picked;
}

// On a Wayland session the desktop's own picker is asked first; nothing elsewhere.
std::optional<PortalPick> pickThroughPortal() {
    if (!IsWaylandSession(CurrentSessionEnvironment())) return std::nullopt;
    const QByteArray timeout = qgetenv("HUEBIT_TEST_PORTAL_TIMEOUT_MS");
    PortalColorPick request(timeout.isEmpty() ? PortalPickTimeoutMs : PortalTimeout(timeout));
    PortalPick result;
    request.pick([&result](PortalPick answer) {
        result = answer;
        QCoreApplication::exit(0);
    });
    QCoreApplication::exec();
    return result;
}

// The colour the user chose, nothing after a cancel; an exit status when the pick could not
// even be offered.
std::variant<std::optional<Color>, int> pickColor(const QString& shownTemplate) {
    const std::optional<PortalPick> portal = pickThroughPortal();
    if (portal && portal->outcome == PortalPick::Outcome::Picked) return portal->color;
    if (portal && portal->outcome == PortalPick::Outcome::Cancelled) return std::nullopt;
    if (portal && portal->outcome == PortalPick::Outcome::Failed) {
        std::fputs("huebit: the desktop portal refused or did not answer the colour pick\n",
                   stderr);
        return PickCancelledExitCode;
    }
    // Without a portal that picks: our overlay over a copy of the screen.
    const std::unique_ptr<ScreenCapture> capture = MakeScreenCapture();
    CaptureResult desktop = frozenDesktop(*capture);
    if (desktop.held ? desktop.held->size().isEmpty() : desktop.image.isNull()) {
        std::fputs("huebit: the screen could not be copied\n", stderr);
        return PickCancelledExitCode;
    }
    return pickOnOverlay(std::move(desktop), shownTemplate);
}

} // namespace

int RunPickCommand(const PickOptions& options) {
    const SettingsLocation location = ProgramSettingsLocation();
    const QString socket = LocalSocketInstance::socketPathFor(SettingsFilePath());
    LocalSocketInstance instance(socket);
    // One overlay at a time: a second pick while one is up ends at once. A lock left by a pick
    // that was killed counts as free (its process is gone), however young it is.
    QLockFile lock(socket.isEmpty() ? QDir::temp().filePath(QStringLiteral("huebit-pick.lock"))
                                    : socket + QStringLiteral(".pick"));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0)) {
        std::fputs("huebit: a pick is already under way\n", stderr);
        return PickCancelledExitCode;
    }
    const SettingsRecord record = ReadSettingsRecord(loadedSettings(location));
    const QString entry = ActiveTemplateEntry(record);
    const auto chosen = pickColor(options.format.isEmpty() ? entry : options.format);
    if (const int* status = std::get_if<int>(&chosen)) return *status;
    const std::optional<Color> picked = std::get<std::optional<Color>>(chosen);
    const PickOutcome outcome = DecidePickOutcome(picked, options, entry);
    std::fputs(outcome.printed.toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
    if (outcome.clipboardText) QtClipboard().setText(*outcome.clipboardText);
    if (outcome.handOver) handOver(instance, location, *outcome.handOver);
    if (outcome.clipboardText) {
        // The process ends now: the colour stays pasteable through the manager or our keeper.
        X11ClipboardHandover clipboard;
        HandOverClipboardOnExit(clipboard, HandoverBudgetMs);
    }
    return outcome.exitCode;
}

} // namespace huebit
