// The interface font list of the "Окно" sub-page: at start it holds only the family shown, and
// the installed families come the first time the user can reach the list, without a choice.
#include "settings/element_tags.h"
#include "settings/settings_file.h"
#include "settings/settings_walk.h"
#include "ui/font_group.h"
#include "ui/huebit_window.h"
#include "ui/lazy_page.h"
#include "ui/settings_page.h"
#include "ui/window_appearance.h"
#include "ui/window_settings.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

using namespace huebit;

namespace {

QStringList installedPlainFamilies() {
    QStringList families;
    for (const QString& family : QFontDatabase::families()) {
        if (!QFontDatabase::isPrivateFamily(family)) families.append(family);
    }
    return PlainFamilyNames(families);
}

QStringList items(const QComboBox* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out.append(list->itemText(i));
    return out;
}

void showWindowSubPage(THuebit& w) {
    w.show();
    w.ShowPage(2);
    QTabWidget* sub = w.settingsPage()->PageControl5;
    for (int i = 0; i < sub->count(); ++i) {
        if (sub->tabText(i).trimmed() == QStringLiteral("Окно")) w.settingsPage()->ShowSubPage(i);
    }
    QCoreApplication::processEvents();
}

// The ways the user first reaches the list.
const struct Opening {
    const char* name;
    std::function<void(THuebit&, QComboBox*)> open;
} openings[] = {
    {"popup",
     [](THuebit&, QComboBox* list) {
         list->showPopup();
         list->hidePopup();
     }},
    {"focus",
     [](THuebit&, QComboBox* list) {
         QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
         QCoreApplication::sendEvent(list, &in);
     }},
    {"page shown", [](THuebit& w, QComboBox*) { showWindowSubPage(w); }},
};

} // namespace

class FontListTest : public QObject {
    Q_OBJECT
private slots:
    void firstStartShowsTheFontInUseUntilTheListOpens();
    void storedNamesShowBeforeAndAfterTheListOpens();
};

void FontListTest::firstStartShowsTheFontInUseUntilTheListOpens() {
    for (const Opening& opening : openings) {
        THuebit w;
        MakeAllPages(&w);
        QComboBox* list = w.settingsPage()->fontGroup->ComboBox3;
        QWidget* sample = w.findChild<QWidget*>(QStringLiteral("CheckBox11"));
        const QFont before = sample->font();
        const QString inUse = QFontInfo(before).family();
        QCOMPARE(items(list), QStringList{inUse});
        QCOMPARE(list->currentText(), inUse);
        QSignalSpy refonts(&w.appearance(), &WindowAppearance::fontChanging);
        opening.open(w, list);
        QVERIFY2(items(list) == installedPlainFamilies(), opening.name);
        QVERIFY2(list->currentText() == inUse, opening.name);
        QVERIFY2(list->currentIndex() >= 0, opening.name);
        QVERIFY2(refonts.isEmpty(), opening.name);
        QVERIFY2(sample->font() == before, opening.name);
        QVERIFY2(CollectWindowSettings(w).shell.fontName.isEmpty(), opening.name);
    }
}

// An installed name, stored in another case, is shown by the installed spelling; one that is
// not installed leaves the font in use shown, and is kept for the next save.
void FontListTest::storedNamesShowBeforeAndAfterTheListOpens() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Huebit.cnf"));
    const QString inUse = QFontInfo(QApplication::font()).family();
    const QStringList installed = installedPlainFamilies();
    QVERIFY(installed.size() > 1);
    const QString other = installed.first() == inUse ? installed.at(1) : installed.first();
    const QString missing = QStringLiteral("No Such Font 1234");
    const struct {
        QString stored, shown, kept;
    } cases[] = {{other.toLower(), other, other}, {missing, inUse, missing}};
    for (const auto& c : cases) {
        SettingsRecord r;
        r.shell.fontName = c.stored;
        QVERIFY(SaveSettingsFile(file, ToSettingsBuffer(r)).isEmpty());
        THuebit w(SettingsLocation{file, QString()});
        MakeAllPages(&w);
        QComboBox* list = w.settingsPage()->fontGroup->ComboBox3;
        QCOMPARE(items(list), QStringList{c.shown});
        QCOMPARE(list->currentText(), c.shown);
        const QFont before = w.findChild<QWidget*>(QStringLiteral("CheckBox11"))->font();
        list->showPopup();
        list->hidePopup();
        QCOMPARE(items(list), installed);
        QCOMPARE(list->currentText(), c.shown);
        QCOMPARE(w.findChild<QWidget*>(QStringLiteral("CheckBox11"))->font(), before);
        QCOMPARE(CollectWindowSettings(w).shell.fontName, c.kept);
    }
}

QTEST_MAIN(FontListTest)
#include "font_list_test.moc"
