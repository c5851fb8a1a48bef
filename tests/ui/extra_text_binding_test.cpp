// Texts bound to the extra text table follow a change of language, whichever way the widget or
// action takes them in.
#include "core/extra_texts.h"
#include "ui/extra_text_binding.h"

#include <QAction>
#include <QWidget>
#include <QtTest>

using namespace huebit;

class ExtraTextBindingTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { ResetExtraTexts(); }
    void boundTextsFollowTheLanguage_data();
    void boundTextsFollowTheLanguage();
};

void ExtraTextBindingTest::boundTextsFollowTheLanguage_data() {
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<bool>("onAction");
    // The first four go through the widget's own setters, the rest through Qt's property system.
    for (const char* p : {"statusTip", "accessibleName", "accessibleDescription", "toolTip",
                          "whatsThis", "windowTitle"})
        QTest::newRow(p) << QByteArray(p) << false;
    QTest::newRow("action text") << QByteArray("text") << true;
}

void ExtraTextBindingTest::boundTextsFollowTheLanguage() {
    QFETCH(QByteArray, property);
    QFETCH(bool, onAction);
    const QString builtIn = QStringLiteral("Русский");
    const qsizetype entry = ExtraTextDefaults().indexOf(builtIn);
    QVERIFY(entry >= 0);
    QWidget window;
    auto* child = new QWidget(&window);
    auto* action = new QAction(&window);
    QObject* bound = onAction ? static_cast<QObject*>(action) : child;

    BindExtraText(bound, property.constData(), builtIn);
    QCOMPARE(bound->property(property.constData()).toString(), builtIn);

    QStringList replacements(entry + 1);
    replacements[entry] = QStringLiteral("Russian");
    SetExtraTexts(replacements);
    RetextWindows();
    QCOMPARE(bound->property(property.constData()).toString(), QStringLiteral("Russian"));

    // Bound while another language is in force: that language's text at once.
    QObject* later = onAction ? static_cast<QObject*>(new QAction(&window)) : new QWidget(&window);
    BindExtraText(later, property.constData(), builtIn);
    QCOMPARE(later->property(property.constData()).toString(), QStringLiteral("Russian"));

    ResetExtraTexts();
    RetextWindows();
    QCOMPARE(bound->property(property.constData()).toString(), builtIn);
    QCOMPARE(later->property(property.constData()).toString(), builtIn);
}

QTEST_MAIN(ExtraTextBindingTest)
#include "extra_text_binding_test.moc"
