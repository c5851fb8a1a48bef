#include "app/command_line.h"

#include "app/app_identity.h"

#include <QCoreApplication>

#include <cstdio>

namespace huebit {

CommandLine::CommandLine()
    : m_help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
             QStringLiteral("Show this help and exit.")),
      m_version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                QStringLiteral("Show the version and exit.")),
      m_languageTemplate(QStringLiteral("write-language-template"),
                         QStringLiteral("Write a language file of the built-in interface texts and "
                                        "captions, in the order a translation gives them, to "
                                        "<file> and exit."),
                         QStringLiteral("file")),
      m_pick(QStringLiteral("pick"),
             QStringLiteral("Pick a colour from the screen: click a pixel (Escape cancels). The "
                            "colour is printed, copied to the clipboard and becomes the current "
                            "colour. Exit status 0 on a pick, 1 on a cancel.")),
      m_format(QStringLiteral("format"),
               QStringLiteral("With --pick: render the colour through <template> (such as "
                              "'#hRhGhB') instead of the active template."),
               QStringLiteral("template")),
      m_noCopy(QStringLiteral("no-copy"),
               QStringLiteral("With --pick: leave the clipboard alone.")) {
    m_parser.setApplicationDescription(
        QStringLiteral("Huebit, a colour picker for people who design screens and write code."));
    // "-reverse" is one of Qt's own options, not "-r -e -v …": single-dash words stay whole.
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.addOption(m_help);
    m_parser.addOption(m_version);
    m_parser.addOption(m_languageTemplate);
    m_parser.addOption(m_pick);
    m_parser.addOption(m_format);
    m_parser.addOption(m_noCopy);
}

std::optional<PickOptions> CommandLine::pickOptions() const {
    if (!m_parser.isSet(m_pick)) return std::nullopt;
    return PickOptions{m_parser.value(m_format), !m_parser.isSet(m_noCopy)};
}

QString CommandLine::languageTemplatePath() const {
    return m_parser.isSet(m_languageTemplate) ? m_parser.value(m_languageTemplate) : QString();
}

QString CommandLine::usage() const {
    QString text = m_parser.helpText();
    // The parser names the program as it was started ("./huebit", a full path) once an
    // application object exists, and by a placeholder before; the usage names it as every
    // other message does.
    const QString named = QCoreApplication::instance() ? QCoreApplication::arguments().value(0)
                                                       : QStringLiteral("<executable_name>");
    const qsizetype at = named.isEmpty() ? -1 : text.indexOf(named);
    if (at >= 0) text.replace(at, named.size(), QLatin1String(ExecutableName));
    return text;
}

std::optional<CommandLineRequest> CommandLine::answerHelpOrVersion() const {
    if (m_parser.isSet(m_help)) return CommandLineRequest{false, 0, usage(), {}};
    if (m_parser.isSet(m_version)) {
        return CommandLineRequest{false,
                                  0,
                                  QStringLiteral("%1 %2\n").arg(QLatin1String(ApplicationName),
                                                                QLatin1String(ApplicationVersion)),
                                  {}};
    }
    return std::nullopt;
}

namespace {

// Options the Qt application object takes out of the command line itself (QGuiApplication,
// QApplication and the xcb platform), in either dash form.
bool isQtOption(const QString& name) {
    static const QStringList names =
        QStringLiteral("platform platformpluginpath platformtheme plugin qwindowgeometry geometry "
                       "qwindowicon icon qwindowtitle title reverse session testability display "
                       "name dialogs nograb dograb sync style stylesheet widgetcount qmljsdebugger")
            .split(QLatin1Char(' '));
    return names.contains(name);
}

} // namespace

CommandLineRequest CommandLine::usageError(const QString& message) const {
    return {false,
            UsageExitCode,
            {},
            QStringLiteral("%1: %2\n\n%3").arg(QLatin1String(ExecutableName), message, usage())};
}

CommandLineRequest CommandLine::early(const QStringList& arguments) {
    // Qt's own options are still in the list; only other unknown options are errors yet, so
    // they are reported even where no display is at hand. Positional words may be the values
    // of Qt's options and wait for the full parse.
    if (!m_parser.parse(arguments)) {
        const QStringList unknown = m_parser.unknownOptionNames();
        if (unknown.isEmpty()) return usageError(m_parser.errorText());
        for (const QString& name : unknown) {
            if (!isQtOption(name))
                return usageError(QStringLiteral("Unknown option '%1'.").arg(name));
        }
    }
    return answerHelpOrVersion().value_or(CommandLineRequest{});
}

CommandLineRequest CommandLine::parse(const QStringList& arguments) {
    if (!m_parser.parse(arguments)) return usageError(m_parser.errorText());
    if (auto answer = answerHelpOrVersion()) return *answer;
    if (!m_parser.positionalArguments().isEmpty()) {
        return usageError(QStringLiteral("Unexpected argument '%1'.")
                              .arg(m_parser.positionalArguments().first()));
    }
    if (!m_parser.isSet(m_pick) && (m_parser.isSet(m_format) || m_parser.isSet(m_noCopy)))
        return usageError(QStringLiteral("--format and --no-copy go with --pick."));
    return {};
}

QStringList ArgumentList(int argc, char* argv[]) {
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}

int PrintRequest(const CommandLineRequest& request) {
    if (!request.out.isEmpty()) std::fputs(request.out.toLocal8Bit().constData(), stdout);
    if (!request.err.isEmpty()) std::fputs(request.err.toLocal8Bit().constData(), stderr);
    std::fflush(stdout);
    return request.exitCode;
}

} // namespace huebit
