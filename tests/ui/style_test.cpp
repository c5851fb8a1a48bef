// The program's own style: the look the layout's coordinates assume, without a style sheet.
#include "ui/app_look.h"
#include "ui/button_icons.h"
#include "ui/col_panel.h"
#include "ui/huebit_style.h"
#include "ui/huebit_window.h"
#include "ui/lazy_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

using namespace huebit;

namespace {

template <typename T> T* element(QWidget& w, const char* name) {
    MakeAllPages(&w);
    auto* found = w.findChild<T*>(QString::fromLatin1(name));
    if (!found) qFatal("no element %s", name);
    return found;
}

} // namespace

class StyleTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ApplyAppLook(); }

    // A style sheet anywhere brings back the sheet engine and its rule match for every widget.
    void noStyleSheetAnywhere() {
        THuebit window;
        TColPanel panel(window.model(), window.settingsBuffer());
        MakeAllPages(&window);
        QVERIFY(qobject_cast<HuebitStyle*>(QApplication::style()));
        QVERIFY(qApp->styleSheet().isEmpty());
        for (QWidget* top : {static_cast<QWidget*>(&window), static_cast<QWidget*>(&panel)}) {
            QList<QWidget*> all = top->findChildren<QWidget*>();
            all << top;
            for (QWidget* w : all)
                QVERIFY2(w->styleSheet().isEmpty(), qPrintable(w->objectName()));
        }
    }

    // Titles sit on the frame line 6 pixels down; the contents start below the line.
    void groupBoxGeometry() {
        THuebit window;
        MakeAllPages(&window);
        for (QGroupBox* box : window.findChildren<QGroupBox*>()) {
            if (box->title().isEmpty()) continue;
            QStyleOptionGroupBox option;
            option.initFrom(box);
            option.text = box->title();
            option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
            QStyle* s = box->style();
            const QFontMetrics fm = box->fontMetrics();
            const QRect r = box->rect();
            QCOMPARE(s->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, box),
                     r.adjusted(0, 6, 0, 0));
            QCOMPARE(s->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box),
                     QRect(r.left() + 7, r.top(), fm.horizontalAdvance(box->title()), fm.height()));
            QCOMPARE(box->contentsMargins(), QMargins(1, 7, 1, 1));
            QCOMPARE(s->sizeFromContents(QStyle::CT_GroupBox, &option, QSize(50, 13), box),
                     QSize(52, 21));
        }
    }

    // The hover check box's mark is 9 x 9, centred in its 11 x 11 place; the named colours open
    // below their box; the refinement tabs hug their 14-pixel icons.
    void smallControls() {
        THuebit window;
        auto* hover = element<QCheckBox>(window, "CheckBox4");
        QCOMPARE(hover->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, hover), 9);
        QStyleOptionButton check;
        check.initFrom(hover);
        QCOMPARE(hover->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &check, hover),
                 QRect(0, 1, 9, 9));

        auto* named = element<QComboBox>(window, "NamedColorBox");
        auto* templates = element<QComboBox>(window, "ComboBox1");
        QStyleOptionComboBox combo;
        combo.initFrom(named);
        QCOMPARE(named->style()->styleHint(QStyle::SH_ComboBox_Popup, &combo, named), 0);
        QCOMPARE(templates->style()->styleHint(QStyle::SH_ComboBox_Popup, &combo, templates),
                 qobject_cast<QProxyStyle*>(QApplication::style())
                     ->baseStyle()
                     ->styleHint(QStyle::SH_ComboBox_Popup, &combo, templates));

        QTabBar* tabs = element<QTabWidget>(window, "PageControl4")->tabBar();
        const int lineHeight = std::max(tabs->fontMetrics().height(), 14);
        for (int i = 0; i < tabs->count(); ++i)
            QCOMPARE(tabs->tabRect(i).size(), QSize(14 + 4 + 12 + 8, lineHeight + 4));
    }

    // A tab bar takes a new padding at once, tabs laid out again, and gives it back whole.
    void tabPaddingRelaysTheTabs() {
        QTabWidget tabs;
        tabs.addTab(new QWidget, QStringLiteral("Настройка "));
        tabs.addTab(new QWidget, QStringLiteral("О программе "));
        QTabBar* bar = tabs.tabBar();
        const QSize platform = bar->tabRect(1).size();
        const int text = bar->fontMetrics().size(Qt::TextShowMnemonic, bar->tabText(1)).width();
        for (int padding : {6, 2}) {
            SetTabPadding(bar, padding);
            QCOMPARE(bar->tabRect(1).width(), text + 2 * padding);
        }
        SetTabPadding(bar, PlatformTabs);
        QCOMPARE(bar->tabRect(1).size(), platform);
    }

    // Each button picture is drawn at the density it is shown at, not scaled from another, and
    // greyed for a disabled button.
    void buttonPicturesAtEachDensity() {
        for (ButtonIcon which : {ButtonIcon::FloatingPanel, ButtonIcon::SwapColors,
                                 ButtonIcon::SampleText, ButtonIcon::CopyText,
                                 ButtonIcon::CopyBitmap, ButtonIcon::CopyVector}) {
            const QIcon icon = DrawButtonIcon(which);
            const QImage single = icon.pixmap(QSize(20, 20), 1.0).toImage();
            const QPixmap dense = icon.pixmap(QSize(20, 20), 2.0);
            QCOMPARE(single.size(), QSize(20, 20));
            QCOMPARE(dense.size(), QSize(40, 40));
            QCOMPARE(dense.devicePixelRatio(), 2.0);
            QVERIFY(dense.toImage() != single.scaled(40, 40).convertToFormat(
                                           dense.toImage().format()));
            // Asked twice, the same picture.
            QCOMPARE(icon.pixmap(QSize(20, 20), 1.0).toImage(), single);
            const QImage disabled = icon.pixmap(QSize(20, 20), 1.0, QIcon::Disabled).toImage();
            QCOMPARE(disabled.size(), single.size());
            QVERIFY(disabled != single);
            // Something is drawn, and something is left clear.
            int opaque = 0;
            for (int y = 0; y < single.height(); ++y)
                for (int x = 0; x < single.width(); ++x)
                    opaque += qAlpha(single.pixel(x, y)) == 255;
            QVERIFY(opaque > 20 && opaque < 400);
        }
    }
};

QTEST_MAIN(StyleTest)
#include "style_test.moc"
