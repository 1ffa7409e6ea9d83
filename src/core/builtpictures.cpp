#include "core/builtpictures.h"
#include "core/fonts.h"

#include <QFile>
#include <QGuiApplication>
#include <QResource>
#include <cstdio>

QImage builtPicture(const QString& resource, QSize size, QImage::Format format) {
    const QResource res(resource);
    const QByteArray data = res.uncompressedData(); // stored uncompressed: no copy
    const qsizetype row = qsizetype(size.width()) * 4;
    if (size.isEmpty() || data.size() != row * size.height()) return {};
    return QImage(reinterpret_cast<const uchar*>(data.constData()), size.width(), size.height(), row, format);
}

QImage builtPictureOr(const QString& resource, QSize size, QImage::Format format,
                      const std::function<QImage()>& draw) {
    const QImage built = builtPicture(resource, size, format);
    return built.isNull() ? draw() : built;
}

bool writeBuiltPicture(const QImage& picture, const QString& path) {
    if (picture.depth() != 32 || picture.bytesPerLine() != qsizetype(picture.width()) * 4) return false;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const qsizetype size = picture.sizeInBytes();
    return file.write(reinterpret_cast<const char*>(picture.constBits()), size) == size && file.flush();
}

int runPaintTool(int argc, char* argv[], const std::function<bool(const QDir&)>& paint) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    installFontSubstitutions();
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) return 1;
    return paint(dir) ? 0 : 1;
}
