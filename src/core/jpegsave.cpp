#include "core/jpegsave.h"
#include "core/log.h"
#include "platform/safefile.h"

#include <QPainter>
#include <algorithm>

QByteArray jpegBytes(const QImage& picture, int quality) {
    if (picture.isNull()) return {};
    // JPEG has no transparency: transparent parts come out white rather than black.
    QImage opaque = picture;
    if (picture.hasAlphaChannel()) {
        opaque = QImage(picture.size(), QImage::Format_RGB32);
        opaque.setDevicePixelRatio(picture.devicePixelRatio());
        opaque.fill(Qt::white);
        QPainter p(&opaque);
        p.drawImage(0, 0, picture);
    }
    return pictureBytes(opaque, "jpeg", std::clamp(quality, 0, 100));
}

bool savejpg(const QImage& picture, const QString& fileName, int quality) {
    if (picture.isNull() || fileName.isEmpty()) return false;
    const QByteArray bytes = jpegBytes(picture, quality);
    if (bytes.isEmpty()) {
        qCInfo(lcCore) << "cannot encode" << fileName;
        return false;
    }
    return saveFileSafely(fileName, bytes);
}
