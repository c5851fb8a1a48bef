// English chosen: no Russian anywhere the program shows text, on every page and sub-page, in
// its menus, on the floating panel, in the dialogs it builds itself and in its status texts;
// and the selector's built-in entry brings every text back in Russian.
#include "core/extra_texts.h"
#include "english_language.h"
#include "page_walk.h"
#include "ui/app_look.h"
#include "ui/col_panel.h"
#include "ui/element_walk.h"
#include "ui/font_color_dialog.h"
#include "ui/huebit_window.h"
#include "ui/lazy_page.h"
#include "ui/language_group.h"
#include "ui/selection_page.h"
#include "ui/settings_page.h"
#include "ui/shell_driver.h"
#include "ui/status_line.h"
#include "ui/window_appearance.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>

using namespace huebit;

namespace {

bool HasCyrillic(const QString& text) {
    for (QChar c : text) {
        if (c.unicode() >= 0x0400 && c.unicode() <= 0x04FF) return true;
    }
    return false;
}

// Every text a widget can show or hand to a screen reader, by what it is.
QStringList TextsOf(const QWidget* w) {
    QStringList texts{w->windowTitle(), w->statusTip(),      w->toolTip(),
                      w->whatsThis(),   w->accessibleName(), w->accessibleDescription()};
    if (HasCaption(w)) texts << Caption(w);
    if (auto* l = qobject_cast<const QLabel*>(w)) texts << l->text();
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) texts << b->text();
    if (auto* g = qobject_cast<const QGroupBox*>(w)) texts << g->title();
    if (auto* e = qobject_cast<const QLineEdit*>(w)) texts << e->text() << e->placeholderText();
    if (auto* e = qobject_cast<const QPlainTextEdit*>(w)) texts << e->toPlainText();
    if (auto* s = qobject_cast<const QSpinBox*>(w)) texts << s->prefix() << s->suffix();
    if (auto* c = qobject_cast<const QComboBox*>(w)) {
        for (int i = 0; i < c->count(); ++i)
            texts << c->itemText(i);
    }
    if (auto* t = qobject_cast<const QTabWidget*>(w)) {
        for (int i = 0; i < t->count(); ++i)
            texts << t->tabText(i) << t->tabToolTip(i) << t->tabWhatsThis(i);
    }
    if (auto* m = qobject_cast<const QMenu*>(w)) {
        texts << m->title();
        for (const QAction* a : m->actions())
            texts << a->text() << a->statusTip() << a->toolTip();
    }
    return texts;
}

QString NameOf(const QWidget* w) {
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                     : w->objectName();
}

// The Russian texts of `root` and everything in it, each with the widget that has it.
QStringList RussianIn(const QWidget* root) {
    QList<const QWidget*> widgets{root};
    for (const QWidget* w : root->findChildren<QWidget*>())
        widgets << w;
    QStringList found;
    for (const QWidget* w : widgets) {
        for (const QString& text : TextsOf(w)) {
            if (HasCyrillic(text)) found << NameOf(w) + ": " + text;
        }
    }
    found.removeDuplicates();
    return found;
}

void ShowSettled(THuebit& w) {
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTRY_VERIFY_WITH_TIMEOUT(!w.screenRefresh().Pending() && w.isVisible(), 20000);
    // The pages not shown at first are made once the window has been painted.
    const auto allMade = [&w] {
        const QList<LazyPage*> pages = w.findChildren<LazyPage*>();
        return std::all_of(pages.begin(), pages.end(), [](LazyPage* p) { return p->made(); });
    };
    QTRY_VERIFY(allMade());
}

struct NoColors : ColorDialog {
    std::optional<Color> pick(Color) override { return std::nullopt; }
};

} // namespace

class EnglishTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(m_data.ready());
        ApplyAppLook();
    }
    void cleanup() { ResetExtraTexts(); }
    void noRussianAnywhereTheProgramShowsText();
    void theBuiltInEntryBringsRussianBack();

private:
    EnglishDataFolder m_data;
};

void EnglishTest::noRussianAnywhereTheProgramShowsText() {
    THuebit w({}, nullptr, QStringLiteral("English.lng"));
    TColPanel panel(w.model(), w.settingsBuffer());
    w.setColPanel(&panel);
    QVERIFY(!w.appearance().builtInLanguage());
    QCOMPARE(w.shellOptions().language, QStringLiteral("English.lng")); // stored on save
    ShowSettled(w);
    QStringList found;
    // Each page shows its own status text.
    walkPages(w, [&](const QString& here) {
        for (const QString& f : RussianIn(&w))
            found << here + ": " + f;
        if (HasCyrillic(w.statusBar()->shownText()))
            found << here + ": status " + w.statusBar()->shownText();
    });
    for (int page = 0; page < w.pages()->count(); ++page) {
        w.ShowPage(page);
        if (HasCyrillic(w.statusBar()->shownText()))
            found << "status " + w.statusBar()->shownText();
    }
    found << RussianIn(&panel) << RussianIn(w.shellDriver().trayMenu());
    // The sample's menu: its readable-text command reports in the status line, also when the
    // text is hidden.
    for (QMenu* menu : w.findChildren<QMenu*>())
        found << RussianIn(menu);
    QMenu* sampleMenu = w.findChild<QMenu*>(QStringLiteral("PopupMenu1"));
    QVERIFY(sampleMenu);
    for (int hidden = 0; hidden < 2; ++hidden) {
        for (QAction* a : sampleMenu->actions()) {
            if (a->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_R)) a->trigger();
        }
        QVERIFY(!w.statusBar()->shownText().isEmpty());
        if (HasCyrillic(w.statusBar()->shownText()))
            found << "status " + w.statusBar()->shownText();
        w.model().ToggleSampleText();
    }
    // The dialogs the program builds itself.
    NoColors colours;
    FontColorDialog fontDialog({}, colours, &w);
    found << RussianIn(&fontDialog);
    QStringList boxes;
    w.appearance().setErrorBox([&](const QString& text) { boxes << text; });
    w.appearance().languageBuffer() = LanguageFromBytes("x\r\n5.0\r\n");
    w.appearance().LoadLanguage();
    QCOMPARE(boxes.size(), 1);
    if (HasCyrillic(boxes.first())) found << "error box: " + boxes.first();
    QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));
}

void EnglishTest::theBuiltInEntryBringsRussianBack() {
    THuebit w;
    ShowSettled(w);
    w.ShowPage(2); // the "Окно" page shows the selector, which lists the folders then
    QComboBox* selector = w.settingsPage()->languageGroup->ComboBox2;
    QVERIFY(selector->isVisible());
    QCOMPARE(selector->itemText(0), QStringLiteral("Русский"));
    const int english = selector->findText(QStringLiteral("English.lng"));
    QVERIFY(english > 0);
    const QStringList russian = RussianIn(&w);
    QVERIFY(!russian.isEmpty());
    QMenu* menu = w.findChild<QMenu*>(QStringLiteral("PopupMenu2"));
    const QString firstEntry = menu->actions().first()->text();

    w.appearance().ChooseLanguage(english);
    QCOMPARE(w.shellOptions().language, QStringLiteral("English.lng"));
    QCOMPARE(selector->itemText(0), QStringLiteral("Russian (built in)"));
    // The sample text is the user's, set at creation: a language chosen later leaves it.
    QStringList left = RussianIn(&w);
    QVERIFY(left.removeAll(QStringLiteral("SampleTextEdit: Цвет текста")) == 1);
    QCOMPARE(left.join('\n'), QString());
    QCOMPARE(menu->actions().first()->text(), QStringLiteral("Add colour"));

    w.appearance().ChooseLanguage(0);
    QVERIFY(w.appearance().builtInLanguage());
    QCOMPARE(w.shellOptions().language, QString()); // line 169 empty: the built-in texts
    QCOMPARE(RussianIn(&w), russian);
    QCOMPARE(menu->actions().first()->text(), firstEntry);
    QCOMPARE(w.uiTexts()[25], UiTexts::defaultText(25));
}

QTEST_MAIN(EnglishTest)
#include "english_test.moc"
