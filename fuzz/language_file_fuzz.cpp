// A language file from any bytes: its lines, then LoadLanguage on the built-in text table and a
// caption list. A file is taken only with line 1 exactly "5.1", and then every text and caption
// is its own line (empty where the file has none), and the extra texts come from the lines after
// the marker line 241 (built in where a line is empty or missing, or the marker is not there);
// any other file changes nothing. The template the program writes from the resulting texts
// must load back unchanged.
#include "fuzz_support.h"
#include "settings/language_file.h"

using namespace huebit;
using namespace huebit::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const LanguageBuffer lines = LanguageFromBytes(bytes);
    Check(lines.size() <= LanguageMaxLines, "more lines kept than the reader allows");
    for (const QString& line : lines.lines()) {
        Check(line.size() <= SettingsMaxLineLength, "a line longer than the reader keeps");
        Check(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')),
              "a line end kept inside a line");
    }

    // As many as the main window has: fewer than a file's 188 caption lines, so the template
    // fills the rest of lines 53-240 with empty lines.
    constexpr int CaptionCount = 146;
    UiTexts texts;
    QStringList captions;
    for (int i = 0; i < CaptionCount; ++i)
        captions.append(QStringLiteral("c%1").arg(i));
    const UiTexts before = texts;
    const QStringList captionsBefore = captions;
    ResetExtraTexts(); // the table is the process's: each input starts from the built-in texts
    const QStringList& defaults = ExtraTextDefaults();
    const bool loaded = LoadLanguage(lines, texts, captions);
    Check(loaded == (lines.size() > 0 && lines.line(1) == QLatin1String("5.1")),
          "accepted a wrong version or refused the right one");
    Check(captions.size() == CaptionCount, "the caption count changed");
    for (int i = 0; i < UiTextCount; ++i) {
        Check(texts[i] == (loaded ? lines.line(2 + i) : before[i]), "a text not from its line");
    }
    for (int i = 0; i < CaptionCount; ++i) {
        Check(captions[i] == (loaded ? lines.line(53 + i) : captionsBefore[i]),
              "a caption not from its line");
    }
    const QStringList extras = CurrentExtraTexts();
    Check(extras.size() == defaults.size(), "the extra text count changed");
    const bool marked = loaded && lines.line(241) == QLatin1String("[extra texts]");
    for (qsizetype i = 0; i < extras.size(); ++i) {
        const QString line = lines.line(242 + int(i));
        if (!marked || line.isEmpty()) {
            Check(extras[i] == defaults[i], "an extra text not built in");
        } else {
            Check(!extras[i].isEmpty(), "a written extra text read as empty");
            Check(extras[i].size() <= line.size(), "an extra text longer than its line");
        }
    }

    // What is loaded can be written as a template and read back, when the code page holds every
    // character (a byte the code page leaves undefined reads as a replacement character).
    bool fits = true;
    for (int i = 0; i < UiTextCount; ++i)
        fits = fits && FitsLanguageCodePage(texts[i]);
    for (const QString& c : captions)
        fits = fits && FitsLanguageCodePage(c);
    for (const QString& e : extras)
        fits = fits && FitsLanguageCodePage(e);
    if (!fits) return 0;
    UiTexts again;
    QStringList captionsAgain = captionsBefore;
    const LanguageBuffer written = LanguageFromBytes(LanguageFileBytes(texts, captions));
    Check(written.line(LanguageExtraMarkerLine) == QLatin1String(LanguageExtraMarker),
          "the extra texts do not follow line 240");
    Check(written.size() == LanguageExtraMarkerLine + 1 + int(extras.size()),
          "the template does not end after the extra texts");
    for (int line = LanguageCaptionsLine + CaptionCount; line < LanguageExtraMarkerLine; ++line)
        Check(written.line(line).isEmpty(), "a kept caption line is not empty");
    ResetExtraTexts();
    Check(LoadLanguage(written, again, captionsAgain), "the written template is refused");
    for (int i = 0; i < UiTextCount; ++i)
        Check(again[i] == texts[i], "a text changed on the way back");
    Check(captionsAgain == captions, "a caption changed on the way back");
    Check(CurrentExtraTexts() == extras, "an extra text changed on the way back");
    return 0;
}
