#pragma once
// The command line: --help, --version, and an error for anything else. It is read twice:
// once before the application object exists, so --help and --version answer without a display,
// and once after Qt has taken out its own options (-platform, -display, -style …).

#include "app/pick_flow.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>

namespace huebit {

/// What the command line asks for.
struct CommandLineRequest {
    bool run = true; ///< start the program; otherwise exit with `exitCode`
    int exitCode = 0;
    QString out; ///< text for standard output
    QString err; ///< text for standard error
};

/// Exit status for a command line the program does not understand.
constexpr int UsageExitCode = 2;

class CommandLine {
public:
    CommandLine();

    /// Before the application object: answers --help and --version; all else waits for parse().
    CommandLineRequest early(const QStringList& arguments);
    /// With Qt's own options removed: an unknown option or a stray argument is an error.
    CommandLineRequest parse(const QStringList& arguments);

    /// The parsed options, for options that later features add and read.
    const QCommandLineParser& parser() const { return m_parser; }
    void addOption(const QCommandLineOption& option) { m_parser.addOption(option); }

    QString usage() const;

    /// --write-language-template FILE: where to write a language file of the built-in texts and
    /// captions (the start of any translation); empty when not asked for.
    QString languageTemplatePath() const;
    /// --pick (with --format and --no-copy): the one-shot pick; nothing when not asked for.
    std::optional<PickOptions> pickOptions() const;

private:
    /// --help or --version when given; nothing when neither is.
    std::optional<CommandLineRequest> answerHelpOrVersion() const;
    CommandLineRequest usageError(const QString& message) const;

    QCommandLineParser m_parser;
    QCommandLineOption m_help;
    QCommandLineOption m_version;
    QCommandLineOption m_languageTemplate;
    QCommandLineOption m_pick;
    QCommandLineOption m_format;
    QCommandLineOption m_noCopy;
};

/// The process's arguments as the parser takes them.
QStringList ArgumentList(int argc, char* argv[]);

/// Prints the request's texts; returns the exit code to use when the program does not run.
int PrintRequest(const CommandLineRequest& request);

} // namespace huebit
