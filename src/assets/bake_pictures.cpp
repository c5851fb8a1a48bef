// Build step: decodes the decoration pictures (JPEGs through our own decoder, PNG icons through
// Qt) and writes their pixels as C++ arrays: bake_pictures OUTPUT.cpp PICTURE...
// A picture that cannot be read fails the build rather than leaving a blank in the window.
#include "assets/jpeg_decoder.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <cstdio>

namespace {

QImage decode(const QString& path) {
    if (path.endsWith(QLatin1String(".jpg"))) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return QImage();
        const huebit::JpegResult r = huebit::DecodeJpeg(file.readAll());
        if (!r.ok()) std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(r.error));
        return r.image;
    }
    const QImage icon(path);
    return icon.isNull() ? icon : icon.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

bool writePixels(std::FILE* out, int index, const QImage& image) {
    std::fprintf(out, "const quint32 pixels%d[] = {", index);
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const quint32*>(image.constScanLine(y));
        std::fprintf(out, "\n   ");
        for (int x = 0; x < image.width(); ++x)
            std::fprintf(out, " 0x%08x,", unsigned(line[x]));
    }
    return std::fprintf(out, "\n};\n\n") > 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT.cpp PICTURE...\n", argv[0]);
        return 2;
    }
    std::FILE* out = std::fopen(argv[1], "w");
    if (!out) return 1;
    std::fprintf(out, "// Written by bake_pictures at build time.\n"
                      "#include \"assets/baked_pictures.h\"\n\nnamespace huebit {\n\nnamespace {\n\n");
    QString table;
    for (int i = 2; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        const QImage image = decode(path);
        if (image.isNull()) {
            std::fprintf(stderr, "%s: cannot be decoded\n", argv[i]);
            std::fclose(out);
            std::remove(argv[1]);
            return 1;
        }
        if (!writePixels(out, i - 2, image)) return 1;
        table += QStringLiteral("    {\"%1\", %2, %3, %4, pixels%5},\n")
                     .arg(QFileInfo(path).fileName())
                     .arg(image.width())
                     .arg(image.height())
                     .arg(image.hasAlphaChannel() ? QStringLiteral("true") : QStringLiteral("false"))
                     .arg(i - 2);
    }
    std::fprintf(out, "} // namespace\n\nconst BakedPicture BakedPictures[] = {\n%s};\n"
                      "const int BakedPictureCount = %d;\n\n} // namespace huebit\n",
                 qPrintable(table), argc - 2);
    return std::fclose(out) == 0 ? 0 : 1;
}
