// Language files with the real program: the template it writes, and a file beside it that the
// settings name.
#include "e2e/atspi_session.h"
#include "e2e/e2e_harness.h"
#include "settings/language_file.h"
#include "settings/settings_file.h"
#include "settings/settings_walk.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace huebit;
using namespace huebit::e2e;

namespace {

QProcessEnvironment noDisplay() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    return env;
}

int runBinary(const QStringList& args, QByteArray* err = nullptr) {
    QProcess p;
    p.setProcessEnvironment(noDisplay());
    p.start(QStringLiteral(HUEBIT_BINARY), args);
    if (!p.waitForFinished(20000) || p.exitStatus() != QProcess::NormalExit) return -1;
    if (err) *err = p.readAllStandardError();
    return p.exitCode();
}

} // namespace

// No display is needed: the window is built off screen only for its captions.
TEST(LanguageE2E, WritesTheBuiltInTemplateWithoutADisplay) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("template.lng");
    ASSERT_EQ(runBinary({"--write-language-template", path}), 0);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n")) << "every line ends with CR LF";
    const LanguageBuffer lines = LanguageFromBytes(bytes);
    EXPECT_EQ(lines.line(1), "5.1");
    EXPECT_EQ(lines.line(2), QStringLiteral("Цвет текста"));
    EXPECT_EQ(lines.line(2 + 14), QStringLiteral("Включение/отключение подсказки"));
    EXPECT_EQ(lines.line(2 + 25), QStringLiteral("Подбор цвета"));
    // "Подбор " in windows-1251, with its trailing blank.
    EXPECT_TRUE(bytes.contains("\r\n\xCF\xEE\xE4\xE1\xEE\xF0 \r\n"));
    EXPECT_EQ(lines.line(LanguageExtraMarkerLine), "[extra texts]") << "captions at 53-240";
    EXPECT_EQ(lines.size(), LanguageExtraMarkerLine + 1 + ExtraTextDefaults().size());
    EXPECT_FALSE(bytes.contains("version 5.1.2")) << "the About page's fixed texts take no line";

    QByteArray err;
    EXPECT_EQ(runBinary({"--write-language-template", dir.filePath("no/such/dir/x.lng")}, &err), 1);
    EXPECT_TRUE(err.contains("cannot write")) << err.toStdString();
}

namespace {

// The built-in template with the status texts of the hint switch and the main pages' captions
// in English.
QByteArray englishFile(const QString& version) {
    QTemporaryDir dir;
    const QString path = dir.filePath("template.lng");
    if (runBinary({"--write-language-template", path}) != 0) return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList lines = LanguageFromBytes(file.readAll()).lines();
    lines[1] = version;
    lines[2 + 14] = "Hints on";
    lines[2 + 15] = "Double-click this line to switch hints on or off";
    // The main pages' lines, as the README lists them.
    const struct {
        int line;
        const char* russian;
        const char* english;
    } captions[] = {{55, "Подбор ", "Pick"},
                    {128, "Экран ", "Screen"},
                    {158, "Настройка ", "Settings"},
                    {195, "О программе ", "About"}};
    for (const auto& c : captions) {
        if (lines.value(c.line) != QString::fromUtf8(c.russian)) return {};
        lines[c.line] = QString::fromLatin1(c.english);
    }
    QStringEncoder cp1251("windows-1251");
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += cp1251.encode(line) + "\r\n";
    return bytes;
}

// With HUEBIT_E2E_SHOTS naming a directory, the screen is kept there for a person to look at.
void saveShot(const XvfbDisplay& display, const char* name) {
    const QString dir = qEnvironmentVariable("HUEBIT_E2E_SHOTS");
    if (!dir.isEmpty()) display.screenshot().save(QDir(dir).filePath(QString::fromLatin1(name)));
}

void doubleClick(const XvfbDisplay& display) {
    Run(display.name(), "xdotool", {"click", "--repeat", "2", "--delay", "60", "1"});
}

// Starts the installed copy without waiting for its main window (an error box comes first).
void startUnwatched(const HuebitProcess& app, const AtspiSession& session, QProcess& program) {
    QProcessEnvironment env = session.programEnvironment();
    env.insert("XDG_CONFIG_HOME", QDir(app.workDir()).filePath("config"));
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(app.workDir());
    program.start(QDir(app.workDir()).filePath("huebit"), {});
}

void writeBeside(const HuebitProcess& app, const QString& name, const QByteArray& bytes) {
    QFile file(QDir(app.workDir()).filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A settings file naming the language file, the rest as a first start leaves it.
void nameLanguage(const HuebitProcess& app, const QString& name) {
    SettingsRecord r;
    r.shell.language = name;
    ASSERT_EQ(SaveSettingsFile(QDir(app.workDir()).filePath("Huebit.cnf"), ToSettingsBuffer(r)),
              QString());
}

class LanguageFileE2E : public ::testing::Test {
protected:
    void SetUp() override {
        HUEBIT_SKIP_WITHOUT_E2E_TOOLS();
        if (const auto tool = AtspiSession::Missing())
            GTEST_SKIP() << "missing " << tool->toStdString();
        ASSERT_TRUE(display.ok()) << "Xvfb did not start";
        ASSERT_TRUE(session.ok()) << "no accessibility bus";
        session.joinProgram(app);
        ASSERT_TRUE(app.install());
    }

    XvfbDisplay display;
    AtspiSession session{display};
    HuebitProcess app{display};
};

} // namespace

TEST_F(LanguageFileE2E, FileBesideTheProgramReplacesTextsAndCaptions) {
    const QByteArray english = englishFile("5.1");
    ASSERT_FALSE(english.isEmpty()) << "no template to translate";
    writeBeside(app, "English.lng", english);
    nameLanguage(app, "english.LNG"); // the selector compares names without case
    ASSERT_TRUE(app.start()) << "no Huebit window appeared";
    ASSERT_TRUE(app.waitUntilOpaque());
    EXPECT_EQ(session.probe({"tabs"}), std::optional<QString>("Pick\nScreen\nSettings\nAbout"));

    app.moveTo({150, 495});
    doubleClick(display);
    EXPECT_EQ(
        session.probe({"wait-status", "Double-click this line to switch hints on or off", "10"}),
        std::optional<QString>("Double-click this line to switch hints on or off"));
    saveShot(display, "english_status.png");
    doubleClick(display);
    EXPECT_EQ(session.probe({"wait-status", "Hints on", "10"}), std::optional<QString>("Hints on"));
    app.click({392, 11});
    ASSERT_EQ(app.waitForExit(3000), std::optional<int>(0));
    // The name is kept for the next start.
    EXPECT_EQ(ReadSettingsRecord(*LoadSettingsFile(QDir(app.workDir()).filePath("Huebit.cnf")))
                  .shell.language,
              QStringLiteral("english.LNG"));
}

TEST_F(LanguageFileE2E, WrongVersionShowsTheErrorBoxAndKeepsTheBuiltInTexts) {
    writeBeside(app, "Old.lng", englishFile("5.0"));
    nameLanguage(app, "Old.lng");
    QProcess program;
    startUnwatched(app, session, program);
    const auto texts = session.probe({"alert"});
    ASSERT_TRUE(texts.has_value()) << "no error box";
    EXPECT_TRUE(texts->contains(LanguageErrorText().replace("\r\n", "\n")) ||
                texts->contains(LanguageErrorText()))
        << texts->toStdString();
    saveShot(display, "language_error_box.png");
    // "Yes" closes the box.
    const auto box = e2e::Run(display.name(), "xdotool",
                              {"search", "--sync", "--onlyvisible", "--name", "^Huebit$"});
    ASSERT_TRUE(box.has_value());
    const QString id = QString::fromLatin1(box->trimmed().split('\n').first());
    e2e::Run(display.name(), "xdotool", {"windowactivate", "--sync", id});
    e2e::Run(display.name(), "xdotool", {"key", "--window", id, "Return"});
    // The window comes up with the built-in captions.
    EXPECT_EQ(session.probe({"tabs"}),
              std::optional<QString>(
                  QStringLiteral("Подбор \nЭкран \nНастройка \nО программе ").trimmed()));
    program.terminate();
    program.waitForFinished(5000);
}

namespace {

// The shipped English file in the user's data folder (XDG_DATA_HOME, as the harness sets it).
void installEnglish(const HuebitProcess& app) {
    const QString folder = QDir(app.workDir()).filePath("data/huebit/languages");
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(QFile::copy(QStringLiteral(HUEBIT_ENGLISH_FILE), folder + "/English.lng"));
}

} // namespace

// The locale decides only a first start: English on an English desktop, stored at the close;
// a settings file that names no language keeps the built-in texts on the same desktop.
TEST_F(LanguageFileE2E, FirstStartOnADesktopThatIsNotRussianChoosesEnglish) {
    installEnglish(app);
    app.setEnvironment("LC_MESSAGES", "");
    app.setEnvironment("LANG", "en_US.UTF-8");
    const QString settings = QDir(app.workDir()).filePath("Huebit.cnf");
    for (const bool settingsFile : {false, true}) {
        if (settingsFile) {
            SettingsRecord r; // line 169 empty
            ASSERT_EQ(SaveSettingsFile(settings, ToSettingsBuffer(r)), QString());
        }
        ASSERT_TRUE(app.start()) << "no Huebit window appeared";
        ASSERT_TRUE(app.waitUntilOpaque());
        const QString tabs = session.probe({"tabs"}).value_or(QString()).replace(" \n", "\n");
        EXPECT_EQ(tabs.trimmed(), settingsFile
                                      ? QStringLiteral("Подбор\nЭкран\nНастройка\nО программе")
                                      : QStringLiteral("Select\nScreen\nSettings\nAbout"));
        app.click({392, 11});
        ASSERT_EQ(app.waitForExit(3000), std::optional<int>(0));
        EXPECT_EQ(ReadSettingsRecord(*LoadSettingsFile(settings)).shell.language,
                  settingsFile ? QString() : QStringLiteral("English.lng"));
    }
}
