// The main window's keys reach their commands from any field, a field's selection keeps Ctrl+C,
// and an open dialog silences them.
#include "core/component_texts.h"
#include "core/contrast.h"
#include "core/readable_text.h"
#include "ui/huebit_window.h"
#include "ui/lazy_page.h"
#include "ui/sample_text_page.h"
#include "ui/selection_page.h"
#include "ui/settings_page.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QtTest>

using namespace huebit;

class WindowKeysTest : public QObject {
    Q_OBJECT
private slots:
    void ctrlCCopiesTheTextUnlessAFieldHoldsASelection() {
        THuebit w;
        MakeAllPages(&w);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.model().ApplyColor(RGB(250, 100, 5), coNormal);
        auto* red = w.findChild<QLineEdit*>(QStringLiteral("RdEdit"));
        QVERIFY(red);
        red->setFocus();
        red->deselect();
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(red, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("#FA6405"));

        red->selectAll();
        QTest::keyClick(red, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("250"));
    }

    void bitmapKeyAndCloseKey() {
        THuebit w;
        MakeAllPages(&w);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(&w, Qt::Key_B, Qt::ControlModifier);
        QVERIFY(QGuiApplication::clipboard()->mimeData()->hasImage());
        QTest::keyClick(&w, Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(w.closingFade());
    }

    // Ctrl+R from a field makes the default sample's text readable.
    void readableKeyFromAField() {
        THuebit w;
        MakeAllPages(&w);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* red = w.findChild<QLineEdit*>(QStringLiteral("RdEdit"));
        QVERIFY(red);
        red->setFocus();
        const Sample& s = w.model().SampleState();
        QVERIFY(ContrastRatioHundredths(s.text, s.background) < ReadableTargetAA);
        QTest::keyClick(red, Qt::Key_R, Qt::ControlModifier);
        QVERIFY(ContrastRatioHundredths(s.text, s.background) >= ReadableTargetAA);
        QCOMPARE(w.model().Target(), ColorTarget::Text);
        // With AAA chosen on the "Пример " sub-page the key aims at 7:1.
        w.settingsPage()->samplePage->make(); // as when its sub-page first shows
        w.settingsPage()->samplePage->aaaBox->click();
        w.model().SetSampleColor(ColorTarget::Background, RGB(255, 255, 255));
        w.model().SetSampleColor(ColorTarget::Text, RGB(255, 201, 73));
        QTest::keyClick(red, Qt::Key_R, Qt::ControlModifier);
        QVERIFY(ContrastRatioHundredths(s.text, s.background) >= ReadableTargetAAA);
    }

    void nothingFiresWhileADialogIsOpen() {
        THuebit w;
        MakeAllPages(&w);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QDialog dialog(&w);
        dialog.setModal(true);
        dialog.show();
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        QTest::keyClick(&w, Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(&w, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
        QVERIFY(!w.closingFade());
    }
};

QTEST_MAIN(WindowKeysTest)
#include "window_keys_test.moc"
