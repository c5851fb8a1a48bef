// The copy commands through the real QClipboard: what a paste target in this process reads.
#include "output/clipboard_export.h"
#include "output/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QtTest>

using namespace huebit;

class QtClipboardTest : public QObject {
    Q_OBJECT
private slots:
    void textRoundTrip();
    void bitmapIsOfferedAsPng();
    void vectorIsOfferedAsSvgAlone();
};

void QtClipboardTest::textRoundTrip() {
    QtClipboard clipboard;
    clipboard.setText(QStringLiteral("RGB(136,087,249)"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("RGB(136,087,249)"));
}

void QtClipboardTest::bitmapIsOfferedAsPng() {
    ColorModel model;
    model.ApplyColor(RGB(2, 6, 10), coNormal);
    SampleOptions options;
    QtClipboard clipboard;
    ClipboardExport exporter(model, options, clipboard);
    exporter.CopyColorText(QStringLiteral("before"));
    exporter.CopySampleBitmap();

    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data);
    QVERIFY(data->hasFormat(QStringLiteral("image/png")));
    QVERIFY(!data->hasText()); // the text before is gone
    const QImage png = QImage::fromData(data->data(QStringLiteral("image/png")), "PNG");
    QCOMPARE(png.size(), QSize(20, 20));
    QCOMPARE(png.pixel(18, 18), qRgb(1, 5, 9));
    QCOMPARE(png.pixel(19, 0), qRgb(255, 255, 255));
    QCOMPARE(png.pixel(0, 19), qRgb(255, 255, 255));
    QCOMPARE(QGuiApplication::clipboard()->image().pixel(0, 0), qRgb(1, 5, 9));
}

void QtClipboardTest::vectorIsOfferedAsSvgAlone() {
    QtClipboard clipboard;
    clipboard.setSample(QImage(2, 2, QImage::Format_RGB32));
    const QByteArray svg = MakeSampleSvg(RGB(255, 0, 0), {20, 20}, true);
    clipboard.setVector(svg);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data);
    QCOMPARE(data->data(QStringLiteral("image/svg+xml")), svg);
    QCOMPARE(data->formats(), QStringList{QStringLiteral("image/svg+xml")});
}

QTEST_MAIN(QtClipboardTest)
#include "qt_clipboard_test.moc"
