// Build tool: paints the picture menu's bitmaps into the given folder as raw pixels (rows of
// 8-bit red, green and blue, top to bottom, no padding), which the program takes from its
// resources without decoding anything when the main window opens.
#include "shell/picturemenu/picturemenuart.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

namespace {
bool writeRaw(const QImage& image, const QString& path) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return false;
    const qint64 row = qint64(rgb.width()) * 3;
    for (int y = 0; y < rgb.height(); ++y)
        if (f.write(reinterpret_cast<const char*>(rgb.constScanLine(y)), row) != row) return false;
    return f.flush();
}
} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) return 1;
    const bool ok = writeRaw(drawPictureMenu(), dir.filePath(QStringLiteral("menu.rgb"))) &&
                    writeRaw(drawLetterOrdering(), dir.filePath(QStringLiteral("letterordering.rgb"))) &&
                    writeRaw(drawPictureWordSearch(), dir.filePath(QStringLiteral("picturewordsearch.rgb")));
    return ok ? 0 : 1;
}
