#include "shell/clipboardcapture.h"
#include "core/random.h"
#include "platform/safefile.h"
#include "shell/log.h"

#include <QClipboard>
#include <QMimeData>
#include <QPainter>
#include <QSet>

ClipboardCapture::ClipboardCapture(Random& random, const QString& programFolder)
    : random_(random), folder_(QDir(programFolder).filePath(QStringLiteral("dibuixostemporals"))) {}

ClipboardCapture::Result ClipboardCapture::takeFrom(QClipboard& clipboard, QSize box,
                                                    const QColor& background) {
    Result result;
    const QMimeData* data = clipboard.mimeData();
    if (!data || !data->hasImage()) {
        // The clipboard has moved on: a picture copied again from now on is a new copy.
        lastKept_ = QImage();
        return result;
    }
    result.picture = qvariant_cast<QImage>(data->imageData());
    if (result.picture.isNull()) return result;
    const QImage picture = framed(result.picture, box, background);
    // A clipboard manager may put the emptied clipboard back at once: the picture just kept is
    // not kept again, nor is the clipboard emptied again only to be refilled.
    if (!lastKept_.isNull() && picture == lastKept_) return result;
    result.saved = save(picture);
    // A picture that could not be kept stays on the clipboard: the user has not lost it.
    if (!result.saved.isEmpty()) {
        lastKept_ = picture;
        clipboard.clear();
    }
    return result;
}

QImage ClipboardCapture::framed(const QImage& picture, QSize box, const QColor& background) {
    QImage out(box, QImage::Format_RGB32);
    out.fill(background);
    QPainter p(&out);
    p.drawImage(0, 0, picture);
    return out;
}

QString ClipboardCapture::fileName(int n, int m) {
    return QStringLiteral("ficha%1%2.BMP").arg(n).arg(m, 3, 10, QLatin1Char('0'));
}

int ClipboardCapture::drawSecondPart() {
    // Below 125, drawn again while below 100; bounded, though each draw keeps one time in five.
    for (int i = 0; i < 1000; ++i) {
        const int m = random_.below(125);
        if (m >= 100) return m;
    }
    return 100;
}

QString ClipboardCapture::drawFreeName(const QDir& folder) {
    // Names match case-insensitively: "ficha1100.bmp" takes "ficha1100.BMP".
    QSet<QString> taken;
    for (const QString& name : folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System))
        taken.insert(name.toUpper());
    auto isFree = [&](const QString& name) { return !taken.contains(name.toUpper()); };
    for (int i = 0; i < MaxDraws; ++i) {
        const int n = random_.below(999);
        const int m = drawSecondPart();
        if (isFree(fileName(n, m))) return fileName(n, m);
    }
    // A folder this full: the first free name in order, so a capture is never written over.
    for (int n = 0; n < 999; ++n)
        for (int m = 100; m < 125; ++m)
            if (isFree(fileName(n, m))) return fileName(n, m);
    return {};
}

QString ClipboardCapture::save(const QImage& image) {
    QDir dir(folder_);
    if (!dir.mkpath(QStringLiteral("."))) {
        qCInfo(lcShell) << "cannot create" << folder_;
        return {};
    }
    const QString name = drawFreeName(dir);
    if (name.isEmpty()) {
        qCInfo(lcShell) << "no free picture name left in" << folder_;
        return {};
    }
    const QString path = dir.filePath(name);
    if (!savePictureSafely(image, path, "bmp")) {
        qCInfo(lcShell) << "cannot write" << path;
        return {};
    }
    return path;
}
