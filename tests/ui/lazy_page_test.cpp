// Pages that make their controls when first needed: what the window applied before (a language
// file, the interface font) reaches them as if they had been made with the window.
#include "core/ui_texts.h"
#include "settings/language_file.h"
#include "ui/app_look.h"
#include "ui/element_walk.h"
#include "ui/huebit_window.h"
#include "ui/lazy_page.h"
#include "ui/indicator_mode_group.h"
#include "ui/settings_page.h"
#include "ui/window_appearance.h"

#include <QFont>
#include <QTabWidget>
#include <QtTest>

using namespace huebit;

namespace {

QList<LazyPage*> waitingPages(THuebit& w) {
    QList<LazyPage*> pages;
    for (LazyPage* page : w.findChildren<LazyPage*>())
        if (!page->made()) pages << page;
    return pages;
}

// A language file naming every caption line after its number.
QByteArray numberedLanguage(int captions) {
    QByteArray bytes = "Numbered\r\n5.1\r\n";
    for (int i = 0; i < UiTextCount; ++i)
        bytes += "text " + QByteArray::number(i) + "\r\n";
    for (int i = 0; i < captions; ++i)
        bytes += "caption " + QByteArray::number(i) + "\r\n";
    return bytes;
}

QStringList captionsOf(THuebit& w) {
    MakeAllPages(&w);
    return Captions(w.appearance().captionedElements());
}

QMap<QString, QFont> fontsByElement(THuebit& w) {
    MakeAllPages(&w);
    QMap<QString, QFont> fonts;
    int i = 0;
    for (const QPointer<QWidget>& e : WindowElements(&w))
        fonts.insert(QString::number(i++) + e->objectName(), e->font());
    return fonts;
}

} // namespace

class LazyPageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ApplyAppLook(); }

    // A page counts the caption lines of the controls it will make, so every later line keeps
    // its place.
    void aWaitingPageCountsItsCaptionLines() {
        THuebit w;
        const QList<LazyPage*> pages = waitingPages(w);
        QVERIFY(pages.size() >= 5);
        QHash<LazyPage*, int> counted;
        for (LazyPage* page : pages)
            counted[page] = PendingCaptionCount(page);
        MakeAllPages(&w);
        const QList<QWidget*> captioned = CaptionedElements(WindowElements(&w));
        for (LazyPage* page : pages) {
            const auto made = std::count_if(captioned.begin(), captioned.end(), [page](QWidget* c) {
                return c != page && page->isAncestorOf(c);
            });
            QCOMPARE(PendingCaptionCount(page), 0);
            QVERIFY2(made == counted[page], qPrintable(QStringLiteral("%1 makes %2 captions, counted %3")
                                                           .arg(page->objectName())
                                                           .arg(made)
                                                           .arg(counted[page])));
        }
    }

    // A language loaded before a page is made, and the built-in texts brought back, reach its
    // captions; the captions before and after it keep their lines.
    void languagesReachPagesMadeLater() {
        THuebit eager;
        const int lines = captionsOf(eager).size();
        const QStringList builtIn = captionsOf(eager);
        eager.appearance().languageBuffer() = LanguageFromBytes(numberedLanguage(lines));
        eager.appearance().LoadLanguage();

        THuebit w;
        w.appearance().languageBuffer() = LanguageFromBytes(numberedLanguage(lines));
        w.appearance().LoadLanguage();
        QVERIFY(!waitingPages(w).isEmpty());
        const QStringList loaded = captionsOf(w);
        QCOMPARE(loaded, captionsOf(eager));
        for (int i = 0; i < lines; ++i)
            QCOMPARE(loaded[i], QStringLiteral("caption %1").arg(i));

        THuebit back;
        back.appearance().languageBuffer() = LanguageFromBytes(numberedLanguage(lines));
        back.appearance().LoadLanguage();
        back.appearance().ChooseLanguage(0);
        QCOMPARE(captionsOf(back), builtIn);
    }

    // The interface font chosen before a page is made is the one its controls take; the
    // elements that keep their designed font keep it there too.
    void theInterfaceFontReachesPagesMadeLater() {
        THuebit eager;
        MakeAllPages(&eager);
        const QString family = QFont(QStringLiteral("DejaVu Serif")).family();
        eager.appearance().SetFontSize(13);
        eager.appearance().SelectFontName(family);
        THuebit w;
        w.appearance().SetFontSize(13);
        w.appearance().SelectFontName(family);
        QVERIFY(!waitingPages(w).isEmpty());
        QCOMPARE(fontsByElement(w), fontsByElement(eager));
    }

    // A page is made before it first shows, so its controls show with it; the pages not shown
    // are made once the window has been painted.
    void aPageIsMadeWhenItFirstShowsOrAfterTheFirstPaint() {
        THuebit w;
        const QList<LazyPage*> pages = waitingPages(w);
        QVERIFY(!pages.isEmpty());
        w.ShowPage(3);
        auto* about = qobject_cast<LazyPage*>(w.pages()->currentWidget());
        QVERIFY(about && pages.contains(about) && about->made());
        QCOMPARE(waitingPages(w).size(), pages.size() - 1);
        // The first page of a page control, which Qt shows as it is added, is made when it
        // shows on the screen.
        QVERIFY(!w.settingsPage()->windowPage->made());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (QWidget* c : about->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!c->isHidden()) QVERIFY2(c->isVisible(), qPrintable(c->objectName()));
        QTRY_VERIFY(waitingPages(w).isEmpty());
        // The window shown on the settings page: its first sub-page is made as it shows, and
        // its controls show with it, but the one made hidden.
        THuebit settings;
        settings.ShowPage(2);
        SettingsPage* page = settings.settingsPage();
        QVERIFY(!page->windowPage->made());
        settings.show();
        QVERIFY(page->windowPage->made());
        QVERIFY(QTest::qWaitForWindowExposed(&settings));
        for (QWidget* c : page->windowPage->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (c != static_cast<QWidget*>(page->indicatorGroup))
                QVERIFY2(c->isVisible(), qPrintable(c->objectName()));
        QVERIFY(!page->indicatorGroup->isVisible());
    }
};

QTEST_MAIN(LazyPageTest)
#include "lazy_page_test.moc"
