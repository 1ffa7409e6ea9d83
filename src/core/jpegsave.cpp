#include "core/jpegsave.h"
#include "core/log.h"

#include <QImageWriter>
#include <QSaveFile>
#include <algorithm>

bool savejpg(const QImage& picture, const QString& fileName, int quality) {
    if (picture.isNull() || fileName.isEmpty()) return false;
    // Written beside the old file and put in its place at the end, so a failure halfway keeps it.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        qCInfo(lcCore) << "cannot write" << fileName << file.errorString();
        return false;
    }
    QImageWriter writer(&file, "jpeg");
    writer.setQuality(std::clamp(quality, 0, 100));
    // JPEG has no transparency: transparent parts come out white rather than black.
    QImage opaque = picture;
    if (picture.hasAlphaChannel()) {
        opaque = QImage(picture.size(), QImage::Format_RGB32);
        opaque.setDevicePixelRatio(picture.devicePixelRatio());
        opaque.fill(Qt::white);
        QPainter p(&opaque);
        p.drawImage(0, 0, picture);
    }
    if (!writer.write(opaque)) {
        qCInfo(lcCore) << "cannot encode" << fileName << writer.errorString();
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
