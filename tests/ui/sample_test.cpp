// The sample, its buttons and menu, the floating panel's show/hide and the "Пример " sub-page,
// driven by real mouse events on the offscreen platform.
// QTest's mouse goes through the window system, so a right press becomes a context-menu request
// as it does for the user.
#define QTEST_QPA_MOUSE_HANDLING
#include "output/sample_text_settings.h"
#include "core/contrast.h"
#include "ui/app_look.h"
#include "ui/col_panel.h"
#include "ui/contrast_view.h"
#include "ui/element_walk.h"
#include "ui/font_color_dialog.h"
#include "ui/huebit_window.h"
#include "ui/qt_color.h"
#include "ui/qt_font.h"
#include "ui/sample_text_page.h"
#include "ui/sample_view.h"
#include "ui/selection_page.h"
#include "ui/settings_page.h"
#include "ui/text_line.h"
#include "ui/window_appearance.h"
#include "widget_events.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

using namespace huebit;
using huebit::test::sendMouse;

namespace {

struct FakeFontDialog : FontDialog {
    std::optional<FontChoice> answer;
    const ShellState* shell = nullptr;
    bool openWhileShown = false;
    std::optional<FontChoice> pick(const FontChoice&) override {
        openWhileShown = shell->dialogOpen;
        return answer;
    }
};

struct FakeColorDialog : ColorDialog {
    std::optional<Color> answer;
    std::optional<Color> pick(Color) override { return answer; }
};

// The main window with its floating panel, as main() builds them.
struct Program {
    THuebit window;
    TColPanel panel{window.model()};
    FakeFontDialog fonts;
    Program() {
        // The full window on the selection page, to click on.
        window.shellOptions().startInMiniWindow = false;
        window.setColPanel(&panel);
        window.ShowPage(0);
        fonts.shell = &window.shell();
        window.setFontDialog(&fonts);
    }
    SelectionPage* page() { return window.selectionPage(); }
    const Sample& sample() { return window.model().SampleState(); }
};

void click(QWidget* w, Qt::MouseButton b, Qt::KeyboardModifiers mods = Qt::NoModifier,
           QPoint releaseAt = {-1, -1}) {
    const QPoint at = w->rect().center();
    sendMouse(w, QEvent::MouseButtonPress, at, b, b, mods);
    sendMouse(w, QEvent::MouseButtonRelease, releaseAt.x() < 0 ? at : releaseAt, b, Qt::NoButton,
              mods);
}

void doubleClick(QWidget* w, Qt::MouseButton b) {
    const QPoint at = w->rect().center();
    sendMouse(w, QEvent::MouseButtonPress, at, b, b);
    sendMouse(w, QEvent::MouseButtonRelease, at, b, Qt::NoButton);
    sendMouse(w, QEvent::MouseButtonDblClick, at, b, b);
    sendMouse(w, QEvent::MouseButtonRelease, at, b, Qt::NoButton);
}

// A right click through the window system, which turns it into the context-menu request.
QMenu* openMenuOn(QWidget* w, QMenu* menu) {
    QTest::mouseClick(w, Qt::RightButton, Qt::NoModifier, {20, 20});
    return menu && menu->isVisible() ? menu : nullptr;
}

QAction* menuEntry(QMenu* menu, const QString& text) {
    for (QAction* a : menu->actions())
        if (a->text() == text) return a;
    return nullptr;
}

} // namespace

class SampleTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ApplyAppLook(); }
    void sampleAndButtonsLayout();
    void buttonsReactToALeftClickOnly_data();
    void buttonsReactToALeftClickOnly();
    void hiddenTextHidesTheSwapButton();
    void doubleClickShowsAndHidesThePanel();
    void contextMenuEntriesAndCommands();
    void parametersPageLayout();
    void parametersPageFontApplyAndReset();
    void applyingUnsavableCharactersSaysSo();
    void fontColorDialogReturnsTheFontAndColour();
    void contrastReadoutFollowsTheSample();
    void contrastReadoutFitsAtEveryFontSize();
    void aaaChoiceAimsTheReadableCommand();
};

void SampleTest::sampleAndButtonsLayout() {
    Program p;
    SelectionPage* page = p.page();
    SampleView* sample = page->Panel4;
    QCOMPARE(sample->geometry(), QRect(4, 358, 295, 65));
    QCOMPARE(sample->frameShape(), QFrame::Box);
    QCOMPARE(sample->lineWidth(), 1);
    QCOMPARE(QFontInfo(sample->font()).pixelSize(), 19);
    QCOMPARE(sample->statusTip(), QStringLiteral("Пример использования цвета"));

    const std::pair<QToolButton*, const char*> buttons[] = {
        {page->panelButton, "Показать/скрыть выносную панель"},
        {page->swapButton, "Поменять цвета местами"},
        {page->textButton, "Показать/скрыть текст"},
        {page->copyButtons[0], "Скопировать текстовое представление"},
        {page->copyButtons[1], "Скопировать растровый экземпляр"},
        {page->copyButtons[2], "Скопировать векторный экземпляр"},
    };
    QSet<QByteArray> pictures;
    for (auto [b, hint] : buttons) {
        QCOMPARE(b->statusTip(), QString::fromUtf8(hint));
        QCOMPARE(b->accessibleName(), QString::fromUtf8(hint));
        QVERIFY(b->toolTip().isEmpty());
        QVERIFY(b->text().isEmpty());
        QCOMPARE(b->toolButtonStyle(), Qt::ToolButtonIconOnly);
        const QRect inWindow(b->mapTo(&p.window, QPoint(0, 0)), b->size());
        QVERIFY2(QRect(0, 0, 404, 483).contains(inWindow), hint);
        QVERIFY2(
            !inWindow.intersects(QRect(sample->mapTo(&p.window, QPoint(0, 0)), sample->size())),
            hint);
        const QImage picture = b->icon().pixmap(20, 20).toImage();
        QCOMPARE(picture.size(), QSize(20, 20));
        int inked = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                inked += qAlpha(picture.pixel(x, y)) > 0;
        QVERIFY2(inked > 40, hint); // a drawn picture, not an empty square
        QByteArray bytes(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes());
        pictures.insert(bytes);
    }
    QCOMPARE(pictures.size(), 6); // six different pictures
}

void SampleTest::buttonsReactToALeftClickOnly_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<Qt::MouseButton>("mouse");
    QTest::addColumn<Qt::KeyboardModifiers>("mods");
    QTest::addColumn<bool>("releaseOutside");
    QTest::addColumn<bool>("acts");
    const char* names[] = {"panel", "swap", "text", "copy"};
    for (int i = 0; i < 4; ++i) {
        QTest::addRow("%s left", names[i])
            << i << Qt::LeftButton << Qt::KeyboardModifiers() << false << true;
        QTest::addRow("%s shift+left", names[i])
            << i << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ShiftModifier) << false << true;
        QTest::addRow("%s right", names[i])
            << i << Qt::RightButton << Qt::KeyboardModifiers() << false << false;
        QTest::addRow("%s middle", names[i])
            << i << Qt::MiddleButton << Qt::KeyboardModifiers() << false << false;
        QTest::addRow("%s dragged off", names[i])
            << i << Qt::LeftButton << Qt::KeyboardModifiers() << true << false;
    }
}

void SampleTest::buttonsReactToALeftClickOnly() {
    QFETCH(int, button);
    QFETCH(Qt::MouseButton, mouse);
    QFETCH(Qt::KeyboardModifiers, mods);
    QFETCH(bool, releaseOutside);
    QFETCH(bool, acts);
    Program p;
    p.window.show();
    SelectionPage* page = p.page();
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    QToolButton* buttons[] = {page->panelButton, page->swapButton, page->textButton,
                              page->copyButtons[0]};
    // What each command changes, read before and after.
    auto state = [&] {
        return QStringList{QString::number(p.panel.isVisible()),
                           QString::number(p.sample().background), p.sample().caption,
                           QGuiApplication::clipboard()->text()};
    };
    const QStringList before = state();
    click(buttons[button], mouse, mods, releaseOutside ? QPoint(60, 10) : QPoint(-1, -1));
    const QStringList after = state();
    for (int i = 0; i < 4; ++i)
        QCOMPARE(after[i] != before[i], acts && i == button);
    if (acts && button == 1) QCOMPARE(p.sample().background, DefaultSampleTextColor);
    if (acts && button == 3) QCOMPARE(after[3], QStringLiteral("#8857F9"));
}

void SampleTest::hiddenTextHidesTheSwapButton() {
    Program p;
    p.window.show();
    SelectionPage* page = p.page();
    click(page->RadioButton2, Qt::LeftButton);
    QCOMPARE(p.window.model().Target(), ColorTarget::Text);
    click(page->textButton, Qt::LeftButton);
    QVERIFY(page->swapButton->isHidden());
    QVERIFY(!page->RadioButton2->isEnabled());
    QVERIFY(page->RadioButton1->isChecked());
    QVERIFY(page->Panel4->caption().isEmpty());
    QCOMPARE(page->Edit1->text(), QStringLiteral("#8857F9"));
    click(page->textButton, Qt::LeftButton);
    QVERIFY(!page->swapButton->isHidden());
    QVERIFY(page->RadioButton2->isEnabled());
    QVERIFY(page->RadioButton1->isChecked()); // showing does not switch back
    QCOMPARE(page->Panel4->caption(), QStringLiteral("Цвет текста"));
}

void SampleTest::doubleClickShowsAndHidesThePanel() {
    Program p;
    p.window.show();
    SampleView* sample = p.page()->Panel4;
    p.window.model().ApplyColor(RGB(1, 2, 3), coNormal);
    doubleClick(sample, Qt::RightButton);
    QVERIFY(!p.panel.isVisible());
    doubleClick(sample, Qt::LeftButton);
    QVERIFY(p.panel.isVisible());
    SampleView* face = p.panel.face();
    QCOMPARE(face->background(), RGB(1, 2, 3));
    QCOMPARE(face->textColor(), DefaultSampleTextColor);
    QCOMPARE(face->caption(), QStringLiteral("Цвет текста"));
    QCOMPARE(QFontInfo(face->font()).pixelSize(), 19);
    // The mirror follows a swap and a hidden text while shown.
    click(p.page()->swapButton, Qt::LeftButton);
    QCOMPARE(face->background(), DefaultSampleTextColor);
    QCOMPARE(face->textColor(), RGB(1, 2, 3));
    click(p.page()->textButton, Qt::LeftButton);
    QVERIFY(face->caption().isEmpty());
    doubleClick(face, Qt::LeftButton); // the panel's own face hides it
    QVERIFY(!p.panel.isVisible());
    doubleClick(sample, Qt::LeftButton);
    QVERIFY(p.panel.isVisible());
    QVERIFY(face->caption().isEmpty());
    doubleClick(sample, Qt::LeftButton);
    QVERIFY(!p.panel.isVisible());
}

void SampleTest::contextMenuEntriesAndCommands() {
    Program p;
    p.window.show();
    QTRY_VERIFY(p.window.isVisible());
    QMenu* menu = openMenuOn(p.page()->Panel4, p.page()->findChild<QMenu*>("PopupMenu1"));
    QVERIFY(menu);
    QStringList entries;
    for (QAction* a : menu->actions())
        entries << (a->isSeparator() ? "-" : a->text());
    const QStringList want = {"Показать/скрыть выносную панель",
                              "-",
                              "Показать/скрыть текст",
                              "Параметры текста примера",
                              "Сделать текст читаемым",
                              "-",
                              "Скопировать текстовое представление",
                              "Скопировать растровый экземпляр",
                              "Скопировать векторный экземпляр"};
    QCOMPARE(entries, want);
    menu->close();

    menuEntry(menu, want[0])->trigger();
    QVERIFY(p.panel.isVisible());
    menuEntry(menu, want[0])->trigger();
    QVERIFY(!p.panel.isVisible());
    menuEntry(menu, want[2])->trigger();
    QVERIFY(p.sample().caption.isEmpty());
    menuEntry(menu, want[2])->trigger();

    QGuiApplication::clipboard()->clear();
    menuEntry(menu, want[6])->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("#8857F9"));
    menuEntry(menu, want[7])->trigger();
    QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(20, 20));

    // Unapplied typing on the parameters page is replaced by the sample's text.
    SampleTextPage* params = p.window.settingsPage()->samplePage;
    params->make(); // as when its sub-page first shows
    params->textEdit->setText(QStringLiteral("unapplied"));
    Q_EMIT params->textEdit->textEdited(params->textEdit->text());
    menuEntry(menu, want[3])->trigger();
    QCOMPARE(p.window.pages()->currentIndex(), 2);
    QCOMPARE(p.window.settingsPage()->PageControl5->currentIndex(), 2);
    QCOMPARE(params->textEdit->text(), QStringLiteral("Цвет текста"));

    // The default sample's text made readable: the text becomes the target, the readout follows
    // and the status line says what was done.
    menuEntry(menu, want[4])->trigger();
    QCOMPARE(p.window.model().Target(), ColorTarget::Text);
    QVERIFY(ContrastRatioHundredths(p.sample().text, p.sample().background) >= 450);
    QCOMPARE(p.page()->contrast->text(), ContrastReadout(p.sample().text, p.sample().background));
    QVERIFY2(p.window.statusBar()->shownText().startsWith(QStringLiteral("Цвет текста подобран")),
             qPrintable(p.window.statusBar()->shownText()));

    // The floating panel's face offers the same menu.
    p.panel.show();
    SampleView* face = p.panel.face();
    QVERIFY(openMenuOn(face, menu));
    menu->close();
}

void SampleTest::parametersPageLayout() {
    Program p;
    SampleTextPage* page = p.window.settingsPage()->samplePage;
    page->make(); // as when its sub-page first shows
    QCOMPARE(p.window.settingsPage()->PageControl5->tabText(2), QStringLiteral("Пример "));
    QCOMPARE(page->group->title(), QStringLiteral(" Параметры текста примера "));
    QCOMPARE(page->textEdit->statusTip(), QStringLiteral("Пример отображения текста"));
    QCOMPARE(page->textEdit->palette().color(QPalette::Base), QColor(255, 255, 221));
    QCOMPARE(page->fontButton->text(), QStringLiteral("Шрифт примера"));
    QCOMPARE(page->fontButton->statusTip(), QStringLiteral("Выбор шрифта примера"));
    QCOMPARE(page->applyButton->text(), QStringLiteral("Применить"));
    QCOMPARE(page->resetButton->text(), QStringLiteral("  Сброс"));
    QVERIFY(page->toggleButton->isHidden());
    QCOMPARE(page->toggleButton->statusTip(),
             QStringLiteral("Включение/отключение отображения примера текста"));
    QVERIFY(page->toggleLabel->isHidden());
    QCOMPARE(page->toggleLabel->text(), QStringLiteral("- показать/скрыть текст"));
    // It previews the sample's text in its font and colour, once shown.
    QCOMPARE(page->textEdit->text(), QStringLiteral("Цвет текста"));
    p.window.show();
    p.window.pages()->setCurrentIndex(2);
    p.window.settingsPage()->PageControl5->setCurrentIndex(2);
    QCOMPARE(QFontInfo(page->textEdit->font()).pixelSize(), 19);
    QCOMPARE(page->textEdit->palette().color(QPalette::Text), ToQColor(DefaultSampleTextColor));
    page->toggleButton->click();
    QVERIFY(p.sample().caption.isEmpty());
    // Nothing of the group lies outside the sub-page.
    for (QWidget* w :
         {static_cast<QWidget*>(page->textEdit), static_cast<QWidget*>(page->fontButton),
          static_cast<QWidget*>(page->applyButton), static_cast<QWidget*>(page->resetButton)}) {
        QVERIFY(page->group->rect().contains(w->geometry()));
    }
}

void SampleTest::parametersPageFontApplyAndReset() {
    Program p;
    p.window.show();
    SettingsPage* settings = p.window.settingsPage();
    SampleTextPage* page = settings->samplePage;
    page->make(); // as when its sub-page first shows
    p.window.pages()->setCurrentIndex(2); // as the user switches
    settings->PageControl5->setCurrentIndex(2);
    p.window.model().SelectTextTarget();
    const Color current = p.window.model().LastColor();

    const FontSpec serif{.family = "DejaVu Serif", .pixelSize = 24, .weight = 700};
    p.fonts.answer = FontChoice{serif, RGB(200, 0, 0)};
    click(page->fontButton, Qt::RightButton); // not a click
    QVERIFY(!p.fonts.openWhileShown);
    click(page->fontButton, Qt::LeftButton);
    QVERIFY(p.fonts.openWhileShown);
    QVERIFY(!p.window.shell().dialogOpen);
    QCOMPARE(QFontInfo(page->textEdit->font()).family(), QStringLiteral("DejaVu Serif"));
    QVERIFY(page->textEdit->font().bold());
    QCOMPARE(page->textEdit->palette().color(QPalette::Text), QColor(200, 0, 0));
    QCOMPARE(p.sample().text, DefaultSampleTextColor); // not yet applied

    QTest::keyClick(page->textEdit, Qt::Key_Home);
    QTest::keyClicks(page->textEdit, "Ab ");
    click(page->applyButton, Qt::LeftButton);
    QCOMPARE(p.window.pages()->currentIndex(), 0);
    QCOMPARE(p.sample().caption, QStringLiteral("Ab Цвет текста"));
    QCOMPARE(p.sample().text, RGB(200, 0, 0));
    QCOMPARE(p.window.model().LastColor(), current); // set without ApplyColor
    SampleView* sample = p.page()->Panel4;
    QCOMPARE(sample->textColor(), RGB(200, 0, 0));
    QCOMPARE(QFontInfo(sample->font()).family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(QFontInfo(sample->font()).pixelSize(), 24);

    // Unapplied typing goes on "  Сброс", on entering the sub-page and on entering the page.
    auto type = [&](const char* text) {
        page->textEdit->selectAll();
        QTest::keyClicks(page->textEdit, text);
        QCOMPARE(page->textEdit->text(), QString::fromLatin1(text));
    };
    p.window.pages()->setCurrentIndex(2);
    type("x");
    click(page->resetButton, Qt::LeftButton);
    QCOMPARE(page->textEdit->text(), QStringLiteral("Ab Цвет текста"));
    type("y");
    settings->PageControl5->setCurrentIndex(0); // leaving the sub-page keeps the typing
    settings->PageControl5->setCurrentIndex(1);
    QCOMPARE(page->textEdit->text(), QStringLiteral("y"));
    settings->PageControl5->setCurrentIndex(2); // coming back to it resets
    QCOMPARE(page->textEdit->text(), QStringLiteral("Ab Цвет текста"));
    type("z");
    p.window.pages()->setCurrentIndex(0);
    p.window.pages()->setCurrentIndex(2);
    QCOMPARE(page->textEdit->text(), QStringLiteral("Ab Цвет текста"));
}

// The status line tells the user, after "Применить", that the file will hold "?" for what the
// code page lacks; the hint of whatever the pointer crosses next does not wipe it at once.
void SampleTest::applyingUnsavableCharactersSaysSo() {
    // Typed as a keyboard layout delivers it: one key event carrying the text.
    auto type = [](QLineEdit* edit, const QString& text) {
        edit->selectAll();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(edit, &press);
        QCOMPARE(edit->text(), text);
    };
    Program p;
    p.window.show();
    SampleTextPage* page = p.window.settingsPage()->samplePage;
    page->make(); // as when its sub-page first shows
    const QString warning = SampleTextSettings::UnsavableCharactersText();
    for (const QString& text : {QStringLiteral("Готово ✓"), QStringLiteral("Готово")}) {
        p.window.statusBar()->clearMessage();
        p.window.pages()->setCurrentIndex(2);
        p.window.settingsPage()->PageControl5->setCurrentIndex(2);
        type(page->textEdit, text);
        click(page->applyButton, Qt::LeftButton);
        QCOMPARE(p.sample().sampleText, text); // shown as typed
        QCOMPARE(p.window.statusBar()->shownText() == warning, text.contains(QChar(0x2713)));
    }
    p.window.pages()->setCurrentIndex(2);
    type(page->textEdit, QStringLiteral("日本"));
    click(page->applyButton, Qt::LeftButton);
    p.window.statusBar()->showHint(QStringLiteral("a passing hint"));
    QCOMPARE(p.window.statusBar()->shownText(), warning);
    // Whole on screen at the default font, not cut to "…".
    QTRY_COMPARE(p.window.statusBar()->textLabel()->text(), warning);
}

void SampleTest::fontColorDialogReturnsTheFontAndColour() {
    FakeColorDialog colours;
    const FontChoice initial{DefaultSampleFont(), RGB(1, 2, 3)};
    FontColorDialog dialog(initial, colours, nullptr);
    dialog.show();
    QVERIFY(dialog.fonts()->isVisible());
    QCOMPARE(dialog.choice(), initial); // untouched: exactly what came in

    colours.answer.reset();
    click(dialog.colorButton(), Qt::LeftButton);
    QCOMPARE(dialog.choice().color, RGB(1, 2, 3));
    colours.answer = RGB(0, 90, 200);
    click(dialog.colorButton(), Qt::LeftButton);
    QCOMPARE(dialog.choice().color, RGB(0, 90, 200));
    QCOMPARE(dialog.choice().font, initial.font);

    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setPointSize(12);
    mono.setBold(true);
    dialog.fonts()->setCurrentFont(FontForDialog(FromQFont(mono)));
    const FontSpec chosen = dialog.choice().font;
    QCOMPARE(chosen.family, QStringLiteral("DejaVu Sans Mono"));
    QCOMPARE(chosen.weight, 700);
    QCOMPARE(chosen.pixelSize, QFontInfo(mono).pixelSize());
    QVERIFY(!chosen.italic); // the face's own regular style, not its first (oblique) one

    // Escape inside the embedded font list ends the whole dialog.
    QTest::keyClick(dialog.fonts(), Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

// The readout in the sample's corner follows every change of the pair, and its full figures are
// its hint and accessible description; it takes no caption line of a language file.
void SampleTest::contrastReadoutFollowsTheSample() {
    Program p;
    p.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p.window));
    ContrastView* readout = p.page()->contrast;
    QVERIFY(readout);
    QCOMPARE(readout->text(), QStringLiteral("2.86:1 · Lc -46.1"));
    QVERIFY(readout->accessibleName().endsWith(QStringLiteral("2.86:1 · Lc -46.1")));
    const QString full = readout->accessibleDescription();
    QVERIFY2(full.endsWith(QStringLiteral("текст #FFC949 на фоне #8857F9")), qPrintable(full));
    QCOMPARE(readout->statusTip(), full);
    QVERIFY(!HasCaption(readout));

    p.window.model().SwapSampleColors(); // the same ratio, the other polarity
    QCOMPARE(readout->text(), QStringLiteral("2.86:1 · Lc 43.1"));
    p.window.model().ApplyColor(RGB(0, 0, 0), coNormal); // the text is the target now
    QCOMPARE(readout->text(), QStringLiteral("13.70:1 · Lc 79.3"));
    p.window.model().SetSampleTextColor(RGB(0x77, 0x77, 0x77));
    p.window.model().SetSampleColor(ColorTarget::Background, RGB(255, 255, 255));
    QCOMPARE(readout->text(), QStringLiteral("4.47:1 · Lc 71.1"));

    // Resting the pointer on it puts the full figures in the status line.
    const QPoint at = readout->rect().center();
    QMouseEvent move(QEvent::MouseMove, QPointF(at), readout->mapToGlobal(QPointF(at)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(readout, &move);
    QTRY_COMPARE(p.window.statusBar()->currentMessage(), readout->statusTip());
    QVERIFY(readout->statusTip().contains(QStringLiteral("AA нет (крупный да)")));

    // A right click on it opens the sample's menu.
    QMenu* menu = p.page()->findChild<QMenu*>("PopupMenu1");
    QTest::mouseClick(readout, Qt::RightButton, Qt::NoModifier, at);
    QTRY_VERIFY(menu->isVisible());
    menu->close();
}

// Inside the sample with its figures uncut from the default interface font up to a large one,
// and clear of the centred caption as far as the selection page is fitted.
void SampleTest::contrastReadoutFitsAtEveryFontSize() {
    Program p;
    p.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p.window));
    ContrastView* readout = p.page()->contrast;
    SampleView* sample = p.page()->Panel4;
    for (int points : {8, 10, 12, 16, 20}) {
        p.window.appearance().SetFontSize(points);
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
        const QString at = QStringLiteral("%1 pt").arg(points);
        // The interface font, as the captions around take it.
        QCOMPARE(QFontInfo(readout->font()).pixelSize(),
                 QFontInfo(p.page()->paletteLabel->font()).pixelSize());
        QVERIFY2(sample->contentsRect().contains(readout->geometry()), qPrintable(at));
        QVERIFY2(readout->width() >= readout->sizeHint().width() &&
                     readout->height() >= readout->sizeHint().height(),
                 qPrintable(at));
        const QRect caption = sample->fontMetrics().boundingRect(
            sample->contentsRect(), Qt::AlignCenter, sample->caption());
        // Above 12 points the selection page keeps its places and the plate may meet it.
        if (points <= 12) QVERIFY2(!caption.intersects(readout->geometry()), qPrintable(at));
    }
}

// "Текст по уровню AAA (7:1)" on the "Пример " sub-page sets the target of "Сделать текст
// читаемым" (window_keys_test takes Ctrl+R).
void SampleTest::aaaChoiceAimsTheReadableCommand() {
    Program p;
    p.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p.window));
    p.window.settingsPage()->samplePage->make(); // as when its sub-page first shows
    QCheckBox* aaa = p.window.settingsPage()->samplePage->aaaBox;
    QCOMPARE(aaa->text(), QStringLiteral("Текст по уровню AAA (7:1)"));
    QCOMPARE(aaa->accessibleName(), aaa->text());
    QVERIFY(!aaa->isChecked());
    QVERIFY(!HasCaption(aaa)); // every language file keeps its lines
    // Whole, wrapped where it must, inside its group and the window from 8 to 20 points.
    SampleTextPage* page = p.window.settingsPage()->samplePage;
    page->make(); // as when its sub-page first shows
    p.window.ShowPage(2);
    p.window.settingsPage()->ShowSubPage(SettingsPage::SampleSubPage);
    for (int points : {8, 12, 16, 20}) {
        p.window.appearance().SetFontSize(points);
        QTRY_VERIFY(aaa->height() >= aaa->heightForWidth(aaa->width()));
        QVERIFY2(page->group->rect().contains(aaa->geometry()), qPrintable(QString::number(points)));
        QVERIFY(aaa->width() >= aaa->minimumSizeHint().width());
        QVERIFY(p.window.rect().contains(QRect(aaa->mapTo(&p.window, QPoint()), aaa->size())));
    }
    p.window.ShowPage(0);
    QAction* readable = menuEntry(p.page()->findChild<QMenu*>("PopupMenu1"),
                                  QStringLiteral("Сделать текст читаемым"));
    QVERIFY(readable);
    ColorModel& m = p.window.model();
    const Color yellow = DefaultSampleTextColor, white = RGB(255, 255, 255);
    const Color violet = RGB(136, 87, 249);
    const struct {
        bool aaa;
        Color background;
        int low, high; // the ratio reached, in hundredths
        const char* said;
    } cases[] = {
        {false, white, 450, 699, "Цвет текста подобран"},
        {true, white, 700, 2100, "Цвет текста подобран"},
        {false, violet, 450, 699, "Цвет текста подобран"},
        // Black gives 4.77:1 on the default background and white less: no 7:1 there.
        {true, violet, 477, 477, "Контраст 7:1 с этим фоном недостижим: взят чёрный"},
    };
    for (const auto& c : cases) {
        const QString at = QStringLiteral("AAA %1 on %2: ")
                               .arg(c.aaa)
                               .arg(c.background, 6, 16, QLatin1Char('0'));
        aaa->click();
        if (aaa->isChecked() != c.aaa) aaa->click();
        QCOMPARE(p.window.sampleOptions().aaaText, c.aaa);
        m.SetSampleColor(ColorTarget::Background, c.background);
        m.SetSampleColor(ColorTarget::Text, yellow);
        readable->trigger();
        const int ratio = ContrastRatioHundredths(p.sample().text, c.background);
        QVERIFY2(ratio >= c.low && ratio <= c.high,
                 qPrintable(at + QString::number(ratio) + p.window.statusBar()->currentMessage()));
        QVERIFY2(p.window.statusBar()->currentMessage().startsWith(QString::fromUtf8(c.said)),
                 qPrintable(at + p.window.statusBar()->currentMessage()));
    }
}

QTEST_MAIN(SampleTest)
#include "sample_test.moc"
