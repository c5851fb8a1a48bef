// The command line: what each argument list asks for, before and after Qt takes its own options.
#include "app/command_line.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <memory>

using namespace huebit;

namespace {

struct Case {
    const char* name;
    QStringList arguments;
    bool run;
    int exitCode;
    const char* outHas; ///< a piece standard output holds; empty: no output at all
    const char* errHas; ///< likewise for standard error
};

void expectRequest(const CommandLineRequest& r, const Case& c) {
    EXPECT_EQ(r.run, c.run);
    EXPECT_EQ(r.exitCode, c.exitCode);
    // An empty piece means no text at all.
    EXPECT_TRUE(*c.outHas ? r.out.contains(QLatin1String(c.outHas)) : r.out.isEmpty())
        << r.out.toStdString();
    EXPECT_TRUE(*c.errHas ? r.err.contains(QLatin1String(c.errHas)) : r.err.isEmpty())
        << r.err.toStdString();
}

const QString exe = QStringLiteral("/usr/bin/huebit");

} // namespace

TEST(CommandLine, ParsesWhatIsLeftAfterQt) {
    const Case cases[] = {
        {"nothing", {exe}, true, 0, "", ""},
        {"version", {exe, "--version"}, false, 0, "Huebit 5.1.2\n", ""},
        {"short version", {exe, "-v"}, false, 0, "Huebit 5.1.2\n", ""},
        {"help", {exe, "--help"}, false, 0, "Usage: huebit [options]", ""},
        {"short help", {exe, "-h"}, false, 0, "--version", ""},
        {"unknown long", {exe, "--bogus"}, false, 2, "", "'bogus'"},
        {"unknown short", {exe, "-x"}, false, 2, "", "Usage: huebit"},
        {"help with an unknown one", {exe, "--help", "--bogus"}, false, 2, "", "bogus"},
        {"a value where none is taken", {exe, "--version=1"}, false, 2, "", "Usage: huebit"},
        {"stray argument", {exe, "picture.png"}, false, 2, "", "argument 'picture.png'."},
        {"option after the end marker", {exe, "--", "--version"}, false, 2, "", "'--version'"},
        {"language template", {exe, "--write-language-template", "ru.lng"}, true, 0, "", ""},
        {"language template without a file", {exe, "--write-language-template"}, false, 2, "",
         "Missing value after '--write-language-template'."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CommandLine line;
        expectRequest(line.parse(c.arguments), c);
    }
}

TEST(CommandLine, LanguageTemplateNamesItsFileBeforeAndAfterQt) {
    const struct {
        QStringList arguments;
        const char* path;
    } cases[] = {
        {{exe}, ""},
        {{exe, "--write-language-template", "ru.lng"}, "ru.lng"},
        {{exe, "--write-language-template=/tmp/a b.lng"}, "/tmp/a b.lng"},
        {{exe, "-platform", "offscreen", "--write-language-template", "x.lng"}, "x.lng"},
    };
    for (const auto& c : cases) {
        CommandLine early;
        early.early(c.arguments);
        EXPECT_EQ(early.languageTemplatePath(), QString::fromUtf8(c.path)) << c.arguments.join(' ').toStdString();
    }
    CommandLine line;
    EXPECT_TRUE(line.parse({exe, "--write-language-template", "ru.lng"}).run);
    EXPECT_EQ(line.languageTemplatePath(), "ru.lng");
    EXPECT_TRUE(line.usage().contains("--write-language-template <file>"));
}

TEST(CommandLine, EarlyAnswersOnlyHelpAndVersionAndLeavesQtOptionsAlone) {
    const Case cases[] = {
        {"nothing", {exe}, true, 0, "", ""},
        {"Qt's options", {exe, "-platform", "xcb", "-display", ":1"}, true, 0, "", ""},
        // Read letter by letter "-reverse" would hold a -v.
        {"Qt's -reverse", {exe, "-reverse"}, true, 0, "", ""},
        {"version after Qt's", {exe, "-reverse", "--version"}, false, 0, "Huebit 5.1.2", ""},
        {"help among Qt's options", {exe, "-style", "fusion", "-h"}, false, 0, "Options:", ""},
        {"unknown option", {exe, "--bogus"}, false, 2, "", "Unknown option 'bogus'."},
        {"unknown among Qt's options", {exe, "-platform", "xcb", "-q"}, false, 2, "", "'q'"},
        {"help with an unknown one", {exe, "--help", "--bogus"}, false, 2, "", "Usage: huebit"},
        {"a stray word may be a Qt option's value", {exe, "picture.png"}, true, 0, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CommandLine line;
        expectRequest(line.early(c.arguments), c);
    }
}

// With the application object the parser would name the program as it was started; the usage
// says "huebit" as the messages before it do.
TEST(CommandLine, UsageNamesTheProgramAsTheMessagesDo) {
    static int argc = 1;
    static char started[] = "./build/huebit";
    static char* argv[] = {started, nullptr};
    std::unique_ptr<QCoreApplication> app;
    if (!QCoreApplication::instance()) app = std::make_unique<QCoreApplication>(argc, argv);
    const QString name = QCoreApplication::arguments().value(0);
    ASSERT_NE(name, "huebit");
    for (const char* arguments : {"--help", "picture.png", "--bogus"}) {
        SCOPED_TRACE(arguments);
        CommandLine line;
        const CommandLineRequest r = line.parse({name, QString::fromLatin1(arguments)});
        const QString text = r.out + r.err;
        EXPECT_TRUE(text.contains("Usage: huebit [options]\n")) << text.toStdString();
        EXPECT_FALSE(text.contains(name)) << text.toStdString();
    }
}

// The manual page keeps up with the help: every option the help prints, in both its forms, and
// nothing the program no longer takes.
TEST(CommandLine, ManualPageDescribesEveryOptionTheHelpPrints) {
    QFile page(QStringLiteral(HUEBIT_MANUAL_PAGE));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString manual = QString::fromUtf8(page.readAll());
    CommandLine line;
    const QString help = line.parse({exe, QStringLiteral("--help")}).out;
    const QRegularExpression option(QStringLiteral(R"((?:^|\s)(--?[a-z][a-z-]*))"));
    QStringList helped;
    for (const QString& row : help.split(u'\n')) {
        if (!row.startsWith(QLatin1String("  -"))) continue;
        for (auto m = option.globalMatch(row.section(QLatin1String("  "), 1, 1)); m.hasNext();)
            helped << m.next().captured(1);
    }
    ASSERT_GE(helped.size(), 8) << help.toStdString();
    for (const QString& name : helped) {
        QString roff = name;
        roff.replace(u'-', QLatin1String("\\-"));
        EXPECT_TRUE(manual.contains(roff)) << name.toStdString() << " is not in the manual page";
    }
    // The other way round: each option the manual page lists under OPTIONS is one the help has.
    const QString options = manual.section(QLatin1String(".SH OPTIONS"), 1).section(".SH ", 0, 0);
    const QRegularExpression listed(QStringLiteral(R"(^\.B[IR]? (\\-(?:\\-)?[a-z][a-z\\-]*))"),
                                    QRegularExpression::MultilineOption);
    for (auto m = listed.globalMatch(options); m.hasNext();) {
        const QString name = m.next().captured(1).remove(u'\\');
        EXPECT_TRUE(helped.contains(name)) << name.toStdString() << " is not in the help";
    }
}
