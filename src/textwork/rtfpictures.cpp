#include "textwork/rtfpictures.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>

#include <algorithm>
#include <cmath>

Q_LOGGING_CATEGORY(lcRichText, "taudrin.richtext")

namespace rtf {
namespace {

quint32 le32(const QByteArray& d, qsizetype at) {
    const auto* p = reinterpret_cast<const uchar*>(d.constData() + at);
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

quint16 le16(const QByteArray& d, qsizetype at) {
    const auto* p = reinterpret_cast<const uchar*>(d.constData() + at);
    return quint16(p[0] | p[1] << 8);
}

// A device-independent bitmap as stored in \dibitmap: a BITMAPINFOHEADER, its palette, then the
// rows bottom-up (top-down when the height is negative), each padded to four bytes. Uncompressed
// 1, 4, 8, 24 and 32 bits per pixel.
QImage decodeDib(const QByteArray& data) {
    if (data.size() < 40) return {};
    const quint32 headerSize = le32(data, 0);
    if (headerSize < 40 || headerSize > quint32(data.size())) return {};
    const qint64 width = qint32(le32(data, 4));
    const qint64 rawHeight = qint32(le32(data, 8));
    const int bits = le16(data, 14);
    const quint32 compression = le32(data, 16);
    const quint32 coloursUsed = le32(data, 32);
    const bool topDown = rawHeight < 0;
    const qint64 height = topDown ? -rawHeight : rawHeight;
    if (compression != 0 || width <= 0 || height <= 0 || width > MaxPictureSide || height > MaxPictureSide ||
        width * height > MaxPicturePixels)
        return {};
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return {};

    qint64 paletteSize = 0;
    if (bits <= 8) {
        paletteSize = coloursUsed == 0 ? (1 << bits) : qint64(coloursUsed);
        if (paletteSize > (1 << bits)) return {};
    }
    const qint64 paletteAt = headerSize;
    const qint64 pixelsAt = paletteAt + paletteSize * 4;
    const qint64 stride = ((width * bits + 31) / 32) * 4;
    if (pixelsAt > data.size() || stride * height > data.size() - pixelsAt) return {};

    QList<QRgb> palette;
    for (qint64 i = 0; i < paletteSize; ++i) {
        const auto* e = reinterpret_cast<const uchar*>(data.constData() + paletteAt + i * 4);
        palette.append(qRgb(e[2], e[1], e[0]));
    }
    QImage image(int(width), int(height), QImage::Format_RGB32);
    if (image.isNull()) return {};
    for (qint64 y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const uchar*>(data.constData() + pixelsAt +
                                                         stride * (topDown ? y : height - 1 - y));
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(int(y)));
        for (qint64 x = 0; x < width; ++x) {
            if (bits == 24 || bits == 32) {
                const uchar* px = row + x * (bits / 8);
                out[x] = qRgb(px[2], px[1], px[0]);
            } else {
                const qint64 bit = x * bits;
                const int shift = 8 - bits - int(bit % 8);
                const int index = (row[bit / 8] >> shift) & ((1 << bits) - 1);
                out[x] = index < palette.size() ? palette[index] : qRgb(0, 0, 0);
            }
        }
    }
    return image;
}

QImage decodeWithQt(const QByteArray& data, const char* format) {
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoTransform(false);
    // The header alone first: a few bytes may promise an enormous picture.
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty() || size.width() > MaxPictureSide || size.height() > MaxPictureSide)
        return {};
    const qint64 pixels = qint64(size.width()) * size.height();
    // Compressed data never holds more than about a thousand pixels per byte.
    if (pixels > MaxPicturePixels || pixels > qint64(data.size()) * 8400) return {};
    QImage image = reader.read();
    if (image.isNull()) qCDebug(lcRichText) << "picture not decoded:" << reader.errorString();
    return image;
}

} // namespace

double pictureShare(qint64 documentPixels) {
    // Below the budget by one pixel at least: a reader takes a picture while it is below it.
    return documentPixels < PictureBudget ? 1 : double(PictureBudget - 1) / double(documentPixels);
}

QSize storedPictureSize(QSize picture, double share) {
    if (picture.isEmpty()) return picture;
    const double pixels = double(picture.width()) * picture.height();
    const double scale =
        std::min({std::sqrt(share), std::sqrt(double(MaxPicturePixels) / pixels),
                  double(MaxPictureSide) / picture.width(), double(MaxPictureSide) / picture.height()});
    if (scale >= 1) return picture;
    // Rounded down, so the pixels stay within the share.
    return {std::max(1, int(picture.width() * scale)), std::max(1, int(picture.height() * scale))};
}

QImage decodePicture(PictureKind kind, const QByteArray& data) {
    switch (kind) {
    case PictureKind::Png:
        return decodeWithQt(data, "png");
    case PictureKind::Jpeg:
        return decodeWithQt(data, "jpeg");
    case PictureKind::Dib:
        return decodeDib(data);
    case PictureKind::None:
    case PictureKind::Other:
        break;
    }
    return {};
}

QByteArray encodePng(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image)) qCWarning(lcRichText) << "picture not encoded:" << writer.errorString();
    return bytes;
}

} // namespace rtf
