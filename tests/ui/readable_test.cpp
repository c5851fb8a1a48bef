// Every caption on every page is whole at the interface font sizes 8 and 12: no label, button,
// check box or group title is cut by its own box or by the box that holds it, and no page
// control needs scroll buttons for its tabs.
#include "ui/app_look.h"
#include "ui/component_editors.h"
#include "ui/huebit_window.h"
#include "ui/refine_pages.h"
#include "ui/selection_page.h"
#include "ui/settings_page.h"
#include "ui/window_appearance.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

using namespace huebit;

namespace {

QString nameOf(const QWidget* w) {
    QString text;
    if (auto* l = qobject_cast<const QLabel*>(w)) text = l->text();
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) text = b->text();
    if (auto* g = qobject_cast<const QGroupBox*>(w)) text = g->title();
    return QStringLiteral("%1 \"%2\"").arg(w->objectName(), text);
}

// The width the widget's text needs.
int neededWidth(const QWidget* w) {
    const QFontMetrics fm(w->font());
    if (auto* l = qobject_cast<const QLabel*>(w)) {
        if (l->text().isEmpty() || l->textFormat() == Qt::RichText || l->text().startsWith('<') ||
            l->wordWrap() || l->sizePolicy().horizontalPolicy() == QSizePolicy::Ignored)
            return 0;
        return fm.horizontalAdvance(l->text()) + 2 * l->margin() + qMax(0, l->indent());
    }
    if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w)) {
        const auto* b = static_cast<const QAbstractButton*>(w);
        return b->text().isEmpty() ? 0 : b->sizeHint().width();
    }
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) {
        return b->text().isEmpty() ? 0 : fm.horizontalAdvance(b->text()) + 2;
    }
    if (auto* g = qobject_cast<const QGroupBox*>(w)) {
        return g->title().isEmpty() ? 0 : fm.horizontalAdvance(g->title()) + 12;
    }
    return 0;
}

// What of `w` its ancestors up to the window leave visible.
QRect visiblePart(const QWidget* w) {
    QRect r = w->rect();
    for (const QWidget* p = w; p && !p->isWindow(); p = p->parentWidget()) {
        r.translate(p->pos());
        r &= p->parentWidget()->rect();
    }
    return r;
}

QStringList cutCaptions(THuebit& w) {
    QStringList cut;
    for (QWidget* c : w.findChildren<QWidget*>()) {
        if (!c->isVisible() || c->window() != &w) continue;
        if (auto* bar = qobject_cast<QTabBar*>(c)) {
            for (QToolButton* scroll : bar->findChildren<QToolButton*>()) {
                if (scroll->isVisible())
                    cut << QStringLiteral("tabs of %1").arg(bar->parentWidget()->objectName());
            }
            continue;
        }
        const QRect seen = visiblePart(c);
        if (c->hasHeightForWidth() && qobject_cast<QAbstractButton*>(c)) {
            // A caption that wraps: whole when its lines fit the height its width needs.
            const int high = c->heightForWidth(c->width());
            if (c->width() < c->minimumSizeHint().width() || seen.height() < high)
                cut << QStringLiteral("%1: %2 of %3 high")
                           .arg(nameOf(c))
                           .arg(seen.height())
                           .arg(high);
            continue;
        }
        const int need = neededWidth(c);
        if (need == 0) continue;
        const QFontMetrics fm(c->font());
        if (auto* g = qobject_cast<QGroupBox*>(c)) {
            // A group's title is cut where a control inside the group lies over it (the last
            // two rows of the line's height are leading that no letter reaches).
            const QRect title(0, 0, need, fm.height() - 2);
            for (QWidget* inside : g->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (inside->isVisible() && inside->geometry().intersects(title))
                    cut << QStringLiteral("%1 under %2").arg(nameOf(c), nameOf(inside));
            }
        }
        if (c->width() < need || seen.width() < need)
            cut << QStringLiteral("%1: %2 of %3 wide").arg(nameOf(c)).arg(seen.width()).arg(need);
        else if (qobject_cast<QGroupBox*>(c) == nullptr && seen.height() < fm.height())
            cut << QStringLiteral("%1: %2 of %3 high")
                       .arg(nameOf(c))
                       .arg(seen.height())
                       .arg(fm.height());
    }
    return cut;
}

} // namespace

class ReadableTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ApplyAppLook(); }
    void everyPageAtEachSize_data();
    void everyPageAtEachSize();
};

void ReadableTest::everyPageAtEachSize_data() {
    QTest::addColumn<int>("points");
    QTest::newRow("designed") << 0;
    QTest::newRow("8 pt") << 8;
    QTest::newRow("12 pt") << 12;
}

void ReadableTest::everyPageAtEachSize() {
    QFETCH(int, points);
    THuebit w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    if (points > 0) {
        w.appearance().SetFontSize(points == 8 ? 9 : points); // a change, then the size
        w.appearance().SetFontSize(points);
    }
    SelectionPage* s = w.selectionPage();
    const struct {
        int page;
        QTabWidget* tabs;
        int count;
    } views[] = {{0, s->PageControl2, 3},
                 {0, s->refinePages, 3},
                 {0, s->editors, 2},
                 {1, nullptr, 1},
                 {2, w.settingsPage()->PageControl5, 3},
                 {3, nullptr, 1}};
    QStringList cut;
    for (const auto& v : views) {
        w.ShowPage(v.page);
        for (int i = 0; i < v.count; ++i) {
            if (v.tabs) v.tabs->setCurrentIndex(i);
            QTest::qWait(10);
            for (const QString& c : cutCaptions(w)) {
                if (!cut.contains(c)) cut << c;
            }
        }
    }
    for (const QString& c : cut)
        qWarning("cut: %s", qPrintable(c));
    QVERIFY2(cut.isEmpty(), "captions are cut (listed above)");
}

QTEST_MAIN(ReadableTest)
#include "readable_test.moc"
