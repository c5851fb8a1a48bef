// Qt's own texts come up in Russian, and a missing translation leaves English without a fuss.
#include "platform/qt_translations.h"

#include <QApplication>
#include <QColorDialog>
#include <QFontDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace huebit;

class QtTranslationsTest : public QObject {
    Q_OBJECT
private slots:
    void missingFileLeavesEnglish() {
        QTemporaryDir empty;
        QVERIFY(!InstallQtTranslations(*qApp, QStringLiteral("ru"), empty.path()));
        QCOMPARE(QColorDialog().windowTitle(), QStringLiteral("Select Color"));
    }

    void dialogsAndContextMenusInRussian() {
        QVERIFY2(InstallQtTranslations(*qApp),
                 "qtbase_ru.qm is missing: install qt6-translations-l10n");
        QCOMPARE(QColorDialog().windowTitle(), QStringLiteral("Выбор цвета"));
        QCOMPARE(QFontDialog().windowTitle(), QStringLiteral("Выбор шрифта"));
        QLineEdit field;
        const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
        QStringList texts;
        for (const QAction* a : menu->actions())
            texts << a->text().section(QLatin1Char('\t'), 0, 0);
        QVERIFY2(texts.contains(QStringLiteral("&Отменить действие")), qPrintable(texts.join('|')));
        QVERIFY2(texts.contains(QStringLiteral("Выделить всё")), qPrintable(texts.join('|')));
    }
};

QTEST_MAIN(QtTranslationsTest)
#include "qt_translations_test.moc"
