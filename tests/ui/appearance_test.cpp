// The interface font through the element tags, and language files applied to the real window.
#include "core/color_model.h"
#include "settings/element_tags.h"
#include "settings/language_file.h"
#include "settings/settings_file.h"
#include "settings/settings_walk.h"
#include "ui/app_look.h"
#include "ui/element_walk.h"
#include "ui/font_group.h"
#include "ui/huebit_window.h"
#include "ui/lazy_page.h"
#include "ui/sample_view.h"
#include "ui/selection_page.h"
#include "ui/settings_page.h"
#include "ui/window_appearance.h"
#include "ui/window_options_group.h"
#include "ui/window_settings.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace huebit;

namespace {

QWidget* element(THuebit& w, const char* name) {
    MakeAllPages(&w);
    auto* found = w.findChild<QWidget*>(QString::fromLatin1(name));
    if (!found) qFatal("no element %s", name);
    return found;
}

// The font list as the user first opens it: the installed families are listed then.
QComboBox* openFontList(THuebit& w) {
    MakeAllPages(&w);
    QComboBox* list = w.settingsPage()->fontGroup->ComboBox3;
    list->showPopup();
    list->hidePopup();
    return list;
}

QLabel* labelWithText(THuebit& w, const QString& text) {
    MakeAllPages(&w);
    for (QLabel* l : w.findChildren<QLabel*>()) {
        if (l->text() == text) return l;
    }
    qFatal("no label %s", qPrintable(text));
}

// Every page and sub-page as the user would see it.
QList<QImage> allPages(THuebit& w) {
    QList<QImage> shots;
    auto* sub = w.settingsPage()->PageControl5;
    for (int page = 0; page < w.pages()->count(); ++page) {
        w.ShowPage(page);
        const int subPages = page == 2 ? sub->count() : 1;
        for (int s = 0; s < subPages; ++s) {
            if (page == 2) w.settingsPage()->ShowSubPage(s);
            shots << w.grab().toImage();
        }
    }
    return shots;
}

QByteArray fileOfLines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& l : lines)
        bytes += l.toLatin1() + "\r\n";
    return bytes;
}

struct WindowState {
    QStringList captions;
    QStringList texts;
    QString sampleText;
    bool operator==(const WindowState&) const = default;
};

WindowState stateOf(THuebit& w) {
    WindowState s;
    MakeAllPages(&w);
    s.captions = Captions(w.appearance().captionedElements());
    for (int i = 0; i < UiTextCount; ++i)
        s.texts << w.uiTexts()[i];
    s.sampleText = w.model().SampleState().sampleText;
    return s;
}

} // namespace

class AppearanceTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ApplyAppLook(); }
    void sizeFollowsTheTags();
    void nameReachesTheFixedTextsButNotTheFixedElements();
    void unknownOrEmptyNamesChangeNothing();
    void firstStartShowsTheFontInUseByItsPlainName();
    void captionsFitTheCodePageAndFollowTheLayout();
    void templateLoadsBackWithNothingVisibleChanged();
    void badFilesShowTheErrorBoxAndChangeNothing();
    void shortFilesEmptyTheMissingCaptions();
    void markupInCaptionsIsShownAsWritten();
    void captionLinesNameTheLayoutsControls();
    void everyCaptionLineLoadsOntoItsControlAndBack();
    void settingsNameALanguageFileOfTheStartupDirectory();
    void settingsFileRestoresFontAndIndicatorMode();
    void fontSurvivesTheStayOnTopSwitch();
    void oneWalkGivesTheFontsOfTheTwo();
    void theWindowFitsItsTabsAfterEveryFontChange();
};

void AppearanceTest::sizeFollowsTheTags() {
    THuebit w;
    const char* fixed[] = {"PageControl3",     "TabSheetRgb",  "TabSheetHsv",    "SpeedButton21",
                           "Panel4",           "PageControl4", "TabSheetRefine", "TabSheetGradient",
                           "TabSheetMatching", "PageControl5", "TabSheetWindow", "TabSheetSample"};
    QHash<QString, QFont> before;
    for (const char* name : fixed)
        before[name] = element(w, name)->font();
    QLabel* version = labelWithText(w, "version 5.1.2");
    const QFont versionBefore = version->font();

    w.appearance().SetFontSize(12);
    w.appearance().SetFontSize(8);
    QCOMPARE(w.shellOptions().fontSize, 8);
    const struct {
        QWidget* element;
        int points;
    } sized[] = {
        {element(w, "TabSheetTiles"), 9},
        {element(w, "TabSheetRing"), 9},
        {element(w, "TabSheetWeb"), 9},
        {element(w, "TabSheetWin"), 9},
        {labelWithText(w, "Системная палитра"), 10},
        {labelWithText(w, "Windows"), 10},
        {labelWithText(w, "Сдвижка"), 7},
        {labelWithText(w, "Диаметр"), 7},
        {labelWithText(w, "пунк."), 7},
        {w.findChild<QGroupBox*>("GroupBox8")->findChild<QLabel*>(), 8},
        {element(w, "CheckBox11"), 8},
        {element(w, "RdEdit"), 8}, // on a page that keeps its own font
        {element(w, "ComboBox3"), 8},
        {w.statusBar(), 8},
    };
    for (const auto& s : sized) {
        QVERIFY2(s.element->font().pointSize() == s.points, qPrintable(s.element->objectName()));
    }
    for (const char* name : fixed)
        QVERIFY2(element(w, name)->font() == before[name], name);
    QCOMPARE(version->font(), versionBefore);
    // Inside a -100 page control the tab bar keeps the control's font too.
    auto* editors = static_cast<QTabWidget*>(element(w, "PageControl3"));
    QCOMPARE(editors->findChild<QTabBar*>()->font().pointSize(),
             before["PageControl3"].pointSize());
}

void AppearanceTest::nameReachesTheFixedTextsButNotTheFixedElements() {
    THuebit w;
    QComboBox* list = openFontList(w);
    QVERIFY(list->count() > 1);
    QLabel* name = labelWithText(w, "Huebit");
    const int nameSize = name->font().pixelSize();
    const QFont sample = element(w, "Panel4")->font();
    // A family the window does not use yet.
    const QString family = list->itemText(list->count() - 1) == list->currentText()
                               ? list->itemText(0)
                               : list->itemText(list->count() - 1);
    list->setCurrentIndex(list->findText(family));
    QCOMPARE(w.shellOptions().fontName, family);
    QCOMPARE(name->font().family(), family); // a fixed About text
    QCOMPARE(element(w, "CheckBox11")->font().family(), family);
    QCOMPARE(element(w, "Panel4")->font(), sample); // -100
    w.appearance().SetFontSize(20);
    QCOMPARE(name->font().pixelSize(), nameSize); // size: never for About texts
    QCOMPARE(element(w, "CheckBox11")->font().family(), family);
    QCOMPARE(element(w, "CheckBox11")->font().pointSize(), 20);
}

void AppearanceTest::unknownOrEmptyNamesChangeNothing() {
    THuebit w;
    QComboBox* list = openFontList(w);
    QWidget* box = element(w, "CheckBox11");
    const QFont before = box->font();
    const QString inUse = list->currentText();
    w.appearance().SelectFontName(QStringLiteral("No Such Font 1234"));
    QCOMPARE(list->currentText(), inUse);
    QCOMPARE(box->font(), before);
    w.appearance().SelectFontName(QString());
    QCOMPARE(box->font(), before);
    // Stored names match without regard to case.
    const QString family = list->itemText(list->itemText(0) == inUse ? 1 : 0);
    w.appearance().SelectFontName(family.toUpper());
    QCOMPARE(list->currentText(), family);
    QCOMPARE(box->font().family(), family);
}

// A new user's list shows the family the window is drawn in, and every family once by the name
// the settings file keeps; showing it is no choice, so nothing is stored.
void AppearanceTest::firstStartShowsTheFontInUseByItsPlainName() {
    THuebit w;
    MakeAllPages(&w);
    QComboBox* list = w.settingsPage()->fontGroup->ComboBox3;
    const QFont before = element(w, "CheckBox11")->font();
    QVERIFY(list->currentIndex() >= 0);
    QCOMPARE(list->currentText(), QFontInfo(before).family());
    QVERIFY(w.shellOptions().fontName.isEmpty());
    QVERIFY(CollectWindowSettings(w).shell.fontName.isEmpty());
    QCOMPARE(element(w, "CheckBox11")->font(), before);
    openFontList(w);
    QVERIFY(list->count() > 1);
    QSet<QString> seen;
    for (int i = 0; i < list->count(); ++i) {
        const QString family = list->itemText(i);
        QCOMPARE(family, PlainFamilyName(family));
        QVERIFY2(!seen.contains(family.toCaseFolded()), qPrintable(family));
        seen.insert(family.toCaseFolded());
    }
}

void AppearanceTest::captionsFitTheCodePageAndFollowTheLayout() {
    THuebit w;
    MakeAllPages(&w);
    const QList<QWidget*> captioned = w.appearance().captionedElements();
    const QStringList captions = Captions(captioned);
    for (int i = 0; i < captioned.size(); ++i) {
        QVERIFY2(FitsLanguageCodePage(captions[i]), qPrintable(captioned[i]->objectName()));
        QVERIFY(captioned[i]->property("tag").toInt() != 100);
    }
    for (int i = 0; i < UiTextCount; ++i)
        QVERIFY(FitsLanguageCodePage(w.uiTexts()[i]));
    // Parents before children, pages in their order.
    const int main = int(captions.indexOf("Подбор ")), tiles = int(captions.indexOf("Черепица "));
    const int ring = int(captions.indexOf("Круг ")), screen = int(captions.indexOf("Экран "));
    const int settings = int(captions.indexOf("Настройка ")),
              window = int(captions.indexOf("Окно"));
    const int font = int(captions.indexOf(" Выбор шрифта ")),
              about = int(captions.indexOf("О программе "));
    QVERIFY(main >= 0 && main < tiles && tiles < ring && ring < screen && screen < settings &&
            settings < window && window < font && font < about);
    QVERIFY(!captions.contains("version 5.1.2"));
}

void AppearanceTest::templateLoadsBackWithNothingVisibleChanged() {
    THuebit w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::qWait(50); // the status line takes the hint under the pointer first
    const QList<QImage> before = allPages(w);
    const WindowState state = stateOf(w);
    QStringList errors;
    w.appearance().setErrorBox([&](const QString& text) { errors << text; });
    w.appearance().languageBuffer() = LanguageFromBytes(w.appearance().LanguageTemplate());
    w.appearance().LoadLanguage();
    QVERIFY(errors.isEmpty());
    QVERIFY(stateOf(w) == state);
    const QList<QImage> after = allPages(w);
    QCOMPARE(after.size(), before.size());
    for (int i = 0; i < before.size(); ++i) {
        QVERIFY2(after[i] == before[i], qPrintable(QString::number(i)));
    }
}

void AppearanceTest::badFilesShowTheErrorBoxAndChangeNothing() {
    const QByteArray files[] = {"", "one line only", "x\r\n5.1 \r\nA\r\n", "x\r\n5.10\r\nA\r\n"};
    for (const QByteArray& bytes : files) {
        THuebit w;
        const WindowState state = stateOf(w);
        QStringList errors;
        w.appearance().setErrorBox([&](const QString& text) { errors << text; });
        w.appearance().languageBuffer() = LanguageFromBytes(bytes);
        w.appearance().LoadLanguage();
        QCOMPARE(errors, QStringList{LanguageErrorText()});
        QVERIFY(stateOf(w) == state);
    }
}

void AppearanceTest::shortFilesEmptyTheMissingCaptions() {
    THuebit w;
    QStringList lines{"English", "5.1"};
    for (int i = 0; i < UiTextCount; ++i)
        lines << QStringLiteral("text %1").arg(i);
    QLabel* version = labelWithText(w, "version 5.1.2");
    const QString sampleText = w.model().SampleState().sampleText;
    w.appearance().languageBuffer() = LanguageFromBytes(fileOfLines(lines));
    w.appearance().LoadLanguage();
    QCOMPARE(w.uiTexts()[0], QStringLiteral("text 0"));
    QCOMPARE(w.uiTexts()[50], QStringLiteral("text 50"));
    MakeAllPages(&w);
    for (const QString& c : Captions(w.appearance().captionedElements()))
        QVERIFY(c.isEmpty());
    QCOMPARE(w.pages()->tabText(0), QString());
    QCOMPARE(version->text(), QStringLiteral("version 5.1.2")); // tag 100: untouched
    QCOMPARE(w.model().SampleState().sampleText, sampleText);   // copied only at creation

    // A full file puts its captions in walk order; accessible names follow them.
    lines << "Selection"
          << "Tiles";
    w.appearance().languageBuffer() = LanguageFromBytes(fileOfLines(lines));
    MakeAllPages(&w);
    const QList<QWidget*> captioned = w.appearance().captionedElements();
    SetCaption(captioned[0], "Title"); // the title strip's icon plate comes first
    w.appearance().LoadLanguage();
    QCOMPARE(Caption(captioned[0]), QStringLiteral("Selection"));
    QCOMPARE(Caption(captioned[1]), QStringLiteral("Tiles"));
}

void AppearanceTest::markupInCaptionsIsShownAsWritten() {
    THuebit w;
    const QString markup = QStringLiteral("<h1>HUGE</h1>");
    QStringList lines{"Markup", "5.1"};
    for (int i = 0; i < UiTextCount; ++i)
        lines << markup;
    for (int i = 0; i < 200; ++i) // every caption line and more
        lines << markup;
    w.appearance().languageBuffer() = LanguageFromBytes(fileOfLines(lines));
    w.appearance().LoadLanguage();
    int labels = 0;
    MakeAllPages(&w);
    for (QWidget* c : w.appearance().captionedElements()) {
        QCOMPARE(Caption(c), markup);
        auto* label = qobject_cast<QLabel*>(c);
        if (!label || c->property("panel").toBool()) continue; // a plate shows no caption
        ++labels;
        // A heading would stand twice as tall as one line of the label's font.
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QVERIFY2(label->sizeHint().height() < 2 * label->fontMetrics().height(),
                 qPrintable(label->objectName()));
    }
    QVERIFY(labels > 10);
    QCOMPARE(w.uiTexts()[25], markup); // the status line shows texts as written already
}

namespace {

// The line of `element` in a language file, or -1 when it takes none.
int captionLine(const QList<QWidget*>& captioned, const QWidget* element) {
    const qsizetype i = captioned.indexOf(const_cast<QWidget*>(element));
    return i < 0 ? -1 : LanguageCaptionsLine + int(i);
}

bool isPanelName(const QString& name) {
    static const QRegularExpression panel(QStringLiteral("^(Panel[0-9]+|[RGB]Panel)$"));
    return panel.match(name).hasMatch();
}

} // namespace

void AppearanceTest::captionLinesNameTheLayoutsControls() {
    THuebit w;
    MakeAllPages(&w);
    const QList<QWidget*> captioned = w.appearance().captionedElements();
    // The controls this window has come first; the lines after them, up to 240, belong to
    // controls of the standard layout it does not have, and the template leaves them empty.
    QCOMPARE(captioned.size(), 146);
    const LanguageBuffer file = LanguageFromBytes(w.appearance().LanguageTemplate());
    // Then the extra texts, from line 241.
    QCOMPARE(int(file.size()), LanguageExtraMarkerLine + 1 + int(ExtraTextDefaults().size()));
    QCOMPARE(file.line(LanguageExtraMarkerLine), QStringLiteral("[extra texts]"));
    QCOMPARE(LanguageCaptionsLine + LanguageCaptionCount - 1, 240);
    for (int line = LanguageCaptionsLine + int(captioned.size()); line <= 240; ++line)
        QVERIFY2(file.line(line).isEmpty(), qPrintable(QString::number(line)));

    // The title strip first, its plate before its check box; a bar's fill right after the bar;
    // hidden controls take their lines; the status strip's panels last.
    const struct {
        const char* name;
        int line;
    } anchors[] = {{"IconPlate", 53},  {"CheckBox4", 54},         {"TabSheet1", 55},
                   {"Panel34", 89},    {"Panel35", 90},           {"Panel4", 121},
                   {"TabSheet2", 128}, {"ScreenSaveButton", 157}, {"TabSheet3", 158},
                   {"GroupBox1", 160}, {"CheckBox10", 184},       {"TabSheet4", 195},
                   {"GroupBox5", 196}, {"Panel56", 197},          {"Panel55", 198}};
    for (const auto& a : anchors)
        QVERIFY2(captionLine(captioned, element(w, a.name)) == a.line, a.name);
    QCOMPARE(file.line(55), QStringLiteral("Подбор "));
    QCOMPARE(file.line(128), QStringLiteral("Экран "));

    // Every panel takes a line, and every control before the elements it holds.
    for (QWidget* x : w.findChildren<QWidget*>()) {
        const int line = captionLine(captioned, x);
        if (isPanelName(x->objectName())) QVERIFY2(line > 0, qPrintable(x->objectName()));
        if (line < 0) continue;
        for (QWidget* p = x->parentWidget(); p != &w; p = p->parentWidget())
            QVERIFY2(captionLine(captioned, p) < line, qPrintable(x->objectName()));
    }
}

void AppearanceTest::everyCaptionLineLoadsOntoItsControlAndBack() {
    THuebit w;
    const QString sampleShown = w.selectionPage()->Panel4->caption();
    QStringList lines{"Lines", "5.1"};
    for (int i = 0; i < UiTextCount; ++i)
        lines << QStringLiteral("text %1").arg(i);
    for (int line = LanguageCaptionsLine; line <= 240; ++line)
        lines << QStringLiteral("L%1").arg(line);
    w.appearance().languageBuffer() = LanguageFromBytes(fileOfLines(lines));
    w.appearance().LoadLanguage();
    MakeAllPages(&w);
    const QList<QWidget*> captioned = w.appearance().captionedElements();
    for (int i = 0; i < captioned.size(); ++i)
        QCOMPARE(Caption(captioned[i]), QStringLiteral("L%1").arg(LanguageCaptionsLine + i));
    // The sample's panel keeps its line to itself: the sample text shown stays.
    QCOMPARE(w.selectionPage()->Panel4->caption(), sampleShown);

    // Written out again, each caption is back on its line.
    const LanguageBuffer back = LanguageFromBytes(w.appearance().LanguageTemplate());
    QCOMPARE(int(back.size()), int(lines.size()) + 1 + int(ExtraTextDefaults().size()));
    for (int line = LanguageTextsLine; line < LanguageCaptionsLine + captioned.size(); ++line)
        QCOMPARE(back.line(line), lines[line]);
}

void AppearanceTest::settingsNameALanguageFileOfTheStartupDirectory() {
    QTemporaryDir dir;
    QStringList lines{"English", "5.1"};
    for (int i = 0; i < UiTextCount; ++i)
        lines << QStringLiteral("text %1").arg(i);
    QFile file(dir.filePath("English.lng"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(fileOfLines(lines));
    file.close();
    QFile wrong(dir.filePath("old.lng"));
    QVERIFY(wrong.open(QIODevice::WriteOnly));
    wrong.write("x\r\n5.0\r\n");
    wrong.close();
    QVERIFY(QDir(dir.path()).mkdir("folder.lng"));

    const struct {
        const char* stored;
        bool loads;
        bool error;
    } cases[] = {{"English.lng", true, false}, {"english.LNG", true, false},
                 {"old.lng", false, true},     {"French.lng", false, false},
                 {"folder.lng", false, false}, {"../English.lng", false, false}};
    for (const auto& c : cases) {
        THuebit w;
        w.appearance().setStartupDirectory(dir.path());
        QStringList errors;
        w.appearance().setErrorBox([&](const QString& text) { errors << text; });
        w.appearance().RestoreLanguage(QString::fromUtf8(c.stored));
        QCOMPARE(w.shellOptions().language, QString::fromUtf8(c.stored)); // kept for the save
        QVERIFY2((w.uiTexts()[25] == "text 25") == c.loads, c.stored);
        QVERIFY2(errors.isEmpty() != c.error, c.stored);
    }
}

// Lines 186, 187 and 167 go through the same operations as the user's choices, and come back.
void AppearanceTest::settingsFileRestoresFontAndIndicatorMode() {
    QTemporaryDir dir;
    const QString file = dir.filePath("Huebit.cnf");
    const QStringList families = QFontDatabase::families();
    QVERIFY(!families.isEmpty());
    const QString family = PlainFamilyName(families.last());
    const struct {
        QString stored;
        bool applies;
    } names[] = {{family.toLower(), true}, {QStringLiteral("No Such Font 1234"), false}};
    for (const auto& name : names) {
        SettingsRecord r;
        r.shell.fontSize = 12;
        r.shell.fontName = name.stored;
        r.shell.indicatorMode = IndicatorMode::Dynamic;
        QVERIFY(SaveSettingsFile(file, ToSettingsBuffer(r)).isEmpty());
        THuebit w(SettingsLocation{file, QString()});
        QWidget* box = element(w, "CheckBox11");
        QCOMPARE(box->font().pointSize(), 12);
        QCOMPARE(element(w, "TabSheetTiles")->font().pointSize(), 13);
        QCOMPARE(box->font().family() == family, name.applies);
        // A stored font that is not installed leaves the font in use shown.
        QCOMPARE(w.settingsPage()->fontGroup->ComboBox3->currentText(),
                 name.applies ? family : QFontInfo(QApplication::font()).family());
        QVERIFY(w.findChild<QRadioButton*>("RadioButton6")->isChecked());
        const SettingsRecord back = CollectWindowSettings(w);
        QCOMPARE(back.shell.fontSize, 12);
        // A font that is not installed now is still kept for the next start.
        QCOMPARE(back.shell.fontName, name.applies ? family : name.stored);
        QCOMPARE(back.shell.indicatorMode, IndicatorMode::Dynamic);
    }
}

// New window flags re-polish the window; the interface font stays.
void AppearanceTest::fontSurvivesTheStayOnTopSwitch() {
    THuebit w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.appearance().SetFontSize(12);
    MakeAllPages(&w);
    QCheckBox* above = w.settingsPage()->options->CheckBox9;
    for (int i = 0; i < 2; ++i) {
        above->click();
        QTest::qWait(20);
        QCOMPARE(element(w, "PageControl2")->font().pointSize(), 12);
        QCOMPARE(element(w, "TabSheetTiles")->font().pointSize(), 13);
        QCOMPARE(element(w, "CheckBox11")->font().pointSize(), 12);
    }
}

// The settings file's size and name re-font the window in one walk at start; every widget, Qt's
// own parts included, ends with the font the two walks one after the other give.
void AppearanceTest::oneWalkGivesTheFontsOfTheTwo() {
    THuebit twice, once;
    MakeAllPages(&twice);
    MakeAllPages(&once);
    const QString family = QStringLiteral("DejaVu Serif");
    QVERIFY(QFontDatabase::hasFamily(family));
    ApplyInterfaceFontSize(twice.appearance().elements(), 13);
    ApplyInterfaceFontName(twice.appearance().elements(), family);
    ApplyInterfaceFont(once.appearance().elements(), 13, family);
    const QList<QWidget*> a = twice.findChildren<QWidget*>(), b = once.findChildren<QWidget*>();
    QCOMPARE(a.size(), b.size());
    for (int i = 0; i < a.size(); ++i) {
        QVERIFY2(a[i]->font() == b[i]->font() &&
                     a[i]->font().resolveMask() == b[i]->font().resolveMask(),
                 qPrintable(QStringLiteral("%1 %2").arg(a[i]->metaObject()->className(),
                                                        a[i]->objectName())));
    }
    QCOMPARE(once.findChild<QWidget*>("CheckBox11")->font().family(), family);
    QCOMPARE(once.findChild<QWidget*>("CheckBox11")->font().pointSize(), 13);
}

// The font walk fits the tabs of every page control but the one its window fits itself, after
// the walk, once the pages are laid out for the new font (THuebit::FitClientToFont).
void AppearanceTest::theWindowFitsItsTabsAfterEveryFontChange() {
    QWidget window;
    std::array<QTabWidget*, 2> controls{};
    for (QTabWidget*& tabs : controls) {
        tabs = new QTabWidget(&window);
        tabs->resize(120, 80);
        for (const char* caption : {"Подбор ", "Экран ", "Настройка "})
            tabs->addTab(new QWidget, QString::fromUtf8(caption));
    }
    LeaveTabsToWindow(controls[1]);
    ApplyInterfaceFontSize(WindowElements(&window), 20);
    QVERIFY(controls[0]->tabBar()->property("huebitTabPadding").isValid()); // fitted: too narrow
    QVERIFY(!controls[1]->tabBar()->property("huebitTabPadding").isValid()); // left as it was

    THuebit w;
    auto* pages = w.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    QVERIFY(pages && !pages->tabBar()->property("huebitTabPadding").isValid());
    w.appearance().SetFontSize(20);
    QVERIFY(!pages->tabBar()->property("huebitTabPadding").isValid()); // not yet shown: not fitted
    w.show();
    QTRY_VERIFY(pages->tabBar()->property("huebitTabPadding").isValid()); // fitted on showing
}

QTEST_MAIN(AppearanceTest)
#include "appearance_test.moc"
