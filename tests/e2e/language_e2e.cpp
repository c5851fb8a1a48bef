// Language files with the real program: the template it writes, and a file beside it that the
// settings name.
#include "e2e/e2e_harness.h"
#include "settings/language_file.h"

#include <QFile>
#include <QProcess>
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
    EXPECT_GT(lines.size(), 53 + 60) << "captions follow the texts";
    EXPECT_FALSE(bytes.contains("version 5.1.2")) << "the About page's fixed texts take no line";

    QByteArray err;
    EXPECT_EQ(runBinary({"--write-language-template", dir.filePath("no/such/dir/x.lng")}, &err), 1);
    EXPECT_TRUE(err.contains("cannot write")) << err.toStdString();
}
