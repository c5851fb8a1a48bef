#include "settings/language_file.h"

#include "app/app_identity.h"
#include "settings/settings_file.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace huebit {

namespace {

constexpr const char* CodePage = "windows-1251";

QString EscapeExtra(QString text) {
    return text.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('\r'), QLatin1String("\\r"))
        .replace(QLatin1Char('\n'), QLatin1String("\\n"));
}

QString UnescapeExtra(const QString& line) {
    QString out;
    out.reserve(line.size());
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        const QChar next = i + 1 < line.size() ? line.at(i + 1) : QChar();
        if (c == QLatin1Char('\\') &&
            (next == QLatin1Char('n') || next == QLatin1Char('r') || next == QLatin1Char('\\'))) {
            out += next == QLatin1Char('n')   ? QLatin1Char('\n')
                   : next == QLatin1Char('r') ? QLatin1Char('\r')
                                              : QLatin1Char('\\');
            ++i;
        } else {
            out += c; // a lone backslash stays as written
        }
    }
    return out;
}

QStringList ParseExtras(const LanguageBuffer& lines) {
    if (lines.line(LanguageExtraMarkerLine) != QLatin1String(LanguageExtraMarker)) return {};
    QStringList extras;
    const qsizetype count = ExtraTextDefaults().size();
    for (qsizetype i = 0; i < count; ++i)
        extras.append(UnescapeExtra(lines.line(LanguageExtraMarkerLine + 1 + int(i))));
    return extras;
}

} // namespace

std::optional<LanguageContent> ParseLanguage(const LanguageBuffer& lines, int captionCount) {
    if (lines.size() == 0) return std::nullopt;
    if (lines.line(LanguageVersionLine) != QLatin1String(LanguageVersion)) return std::nullopt;
    LanguageContent content;
    for (int i = 0; i < UiTextCount; ++i)
        content.texts[std::size_t(i)] = lines.line(LanguageTextsLine + i);
    content.captions.reserve(captionCount);
    for (int i = 0; i < captionCount; ++i)
        content.captions.append(lines.line(LanguageCaptionsLine + i));
    content.extras = ParseExtras(lines);
    return content;
}

bool LoadLanguage(const LanguageBuffer& lines, UiTexts& texts, QStringList& captions) {
    const auto content = ParseLanguage(lines, int(captions.size()));
    if (!content) return false;
    for (int i = 0; i < UiTextCount; ++i)
        texts.set(i, content->texts[std::size_t(i)]);
    captions = content->captions;
    SetExtraTexts(content->extras);
    return true;
}

LanguageBuffer LanguageFromBytes(const QByteArray& bytes) {
    return LanguageBuffer::FromBytes(bytes, LanguageMaxLines);
}

std::optional<LanguageBuffer> ReadLanguageFile(const QString& path) {
    QFile file;
    if (!OpenRegularFile(path, file)) return std::nullopt;
    return LanguageBuffer::Read(file, 16 * 1024 * 1024, LanguageMaxLines);
}

QByteArray LanguageFileBytes(const UiTexts& texts, const QStringList& captions,
                             const QStringList& extras) {
    QStringList lines{QStringLiteral("Huebit: русский (встроенные тексты)"),
                      QLatin1String(LanguageVersion)};
    for (int i = 0; i < UiTextCount; ++i)
        lines.append(texts[i]);
    lines.append(captions);
    for (qsizetype i = captions.size(); i < LanguageCaptionCount; ++i)
        lines.append(QString());
    lines.append(QLatin1String(LanguageExtraMarker));
    for (const QString& extra : extras)
        lines.append(EscapeExtra(extra)); // no line break is left to blank out
    QStringEncoder encoder(CodePage);
    QByteArray out;
    for (QString line : lines) {
        line.replace(QLatin1Char('\r'), QLatin1Char(' '))
            .replace(QLatin1Char('\n'), QLatin1Char(' '));
        out.append(encoder.encode(line));
        out.append("\r\n");
    }
    return out;
}

bool FitsLanguageCodePage(const QString& text) {
    // A character the code page lacks comes back as something else.
    QStringEncoder encoder(CodePage);
    QStringDecoder decoder(CodePage);
    const QByteArray bytes = encoder.encode(text);
    return QString(decoder.decode(bytes)) == text;
}

QString LanguageErrorText() {
    return ExtraText("Ошибка загрузки файла языка.\r\n\r\nФайл языка имеет не ту версию.\r\n"
                     "Скачайте новую версию файла с ") +
           QLatin1String(WebPageAddress);
}

} // namespace huebit
