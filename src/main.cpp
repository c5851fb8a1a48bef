#include "app/app_identity.h"
#include "app/command_line.h"
#include "app/pick_command.h"
#include "platform/display_refusal.h"
#include "platform/local_socket_instance.h"
#include "platform/memory_policy.h"
#include "platform/program_end.h"
#include "platform/qt_remarks.h"
#include "platform/qt_translations.h"
#include "platform/startup_overlap.h"
#include "platform/startup_probe.h"
#include "platform/x11_clipboard_handover.h"
#include "platform/x11_clipboard_keeper.h"
#include "platform/x11_startup.h"
#include "settings/language_choice.h"
#include "settings/settings_location.h"
#include "shell/desktop_session.h"
#include "ui/app_look.h"
#include "ui/col_panel.h"
#include "ui/huebit_window.h"
#include "ui/language_template.h"
#include "ui/modal_dialogs.h"
#include "ui/window_appearance.h"

#include <QAccessible>
#include <QApplication>
#include <QFileInfo>
#include <QFontMetrics>

int main(int argc, char* argv[]) {
    if (argc > 0 && huebit::IsClipboardKeeper(argv[0])) return huebit::RunClipboardKeeper();
    huebit::CommandLine commandLine;
    if (const auto r = commandLine.early(huebit::ArgumentList(argc, argv)); !r.run) {
        return huebit::PrintRequest(r);
    }
    if (!commandLine.languageTemplatePath().isEmpty()) {
        // The language template needs the window's layout, not a screen: it is built off screen.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        huebit::SilenceQtRemarks();
    } else {
        huebit::PreferX11OnWayland(); // the window's rules need X11, through XWayland on Wayland
        if (const int code = huebit::RefuseUnusableDisplay(argc, argv); code != 0) return code;
    }
    huebit::ReturnLargeBlocksToTheSystem();
    // Qt takes the launch token out of the environment; a copy already running may need it.
    const QByteArray startupId = qgetenv("DESKTOP_STARTUP_ID");
    QApplication app(argc, argv);
    if (const auto r = commandLine.parse(QCoreApplication::arguments()); !r.run) {
        return huebit::PrintRequest(r);
    }
    QApplication::setApplicationName(QStringLiteral("Huebit"));
    QApplication::setApplicationVersion(QLatin1String(huebit::ApplicationVersion));
    QGuiApplication::setDesktopFileName(QLatin1String(huebit::ApplicationId));
    if (const QString path = commandLine.languageTemplatePath(); !path.isEmpty()) {
        return huebit::WriteLanguageTemplate(path);
    }
    if (const auto pick = commandLine.pickOptions()) return huebit::RunPickCommand(*pick);

    huebit::LocalSocketInstance instance(
        huebit::LocalSocketInstance::socketPathFor(huebit::SettingsFilePath()));
    if (const int code = huebit::ClaimExitCode(instance.claim(startupId)); code >= 0) return code;

    const huebit::SettingsLocation settings = huebit::ProgramSettingsLocation();
    const QString startLanguage = huebit::StartLanguage(QFileInfo::exists(settings.loadPath),
                                                        huebit::LocaleFromEnvironment());
    // The accessibility bridge starts at the first control with a name. Started here, its
    // questions to the session bus and the X server come before the window asks the server for
    // its copy of the screen, which would hold them up for several milliseconds. Where the
    // accessibility bus launcher runs (GNOME, KDE) the bridge also asks it whether
    // accessibility is on and joins its bus: round trips the main thread only waits for, while
    // a second thread reads the installed fonts.
    huebit::StartupOverlap overlap;
    overlap.beginFontDatabase();
    // Qt's Russian before the window where the start is likely Russian; set right below once
    // the settings file has chosen.
    huebit::FollowInterfaceLanguage(app, startLanguage.isEmpty());
    huebit::ApplyAppLook();
    QAccessible::isActive();

    // From here a termination signal closes the program, the settings written, even while the
    // window's creation waits in a message box.
    huebit::ProgramEnd programEnd(huebit::CloseModalWindows);
    // The window's first steps (its native window, the request for the screen copy) need no
    // font: the fonts go on being read meanwhile, and the controls wait for them.
    huebit::THuebit window(settings, nullptr, startLanguage, [&overlap] {
        overlap.finishFontDatabase();
        QFontMetrics(QApplication::font()).height();
    });
    huebit::FollowInterfaceLanguage(app, window.appearance().builtInLanguage());
    QObject::connect(&window.appearance(), &huebit::WindowAppearance::languageChanged, &app,
                     [&app](bool builtIn) { huebit::FollowInterfaceLanguage(app, builtIn); });
    // The panel starts hidden: what it shows is made once the window is on the screen.
    huebit::TColPanel panel(window.model(), window.settingsBuffer(), &window);
    window.setColPanel(&panel);
    instance.setPickHandler([&window](huebit::Color c) { return window.TakePickedColor(c); });
    instance.setForwardHandler([&window](const QByteArray& id) {
        if (!window.BringForward()) return false;
        huebit::FinishStartupOnX11(window, id);
        return true;
    });
    programEnd.route({[&window] { window.RequestClose(); }, [&window] { window.CommitSettings(); },
                      [&window] { window.CloseQueryOnQuit(); }});
    QObject::connect(&window, &huebit::THuebit::closed, &programEnd,
                     &huebit::ProgramEnd::closeSequenceRan);
    huebit::ArmStartupProbe(window);
    window.show();
    const int code = app.exec();
    instance.close();
    // The window has gone; a copied colour stays pasteable.
    huebit::X11ClipboardHandover clipboard;
    huebit::HandOverClipboardOnExit(clipboard, huebit::HandoverBudgetMs);
    return code;
}
