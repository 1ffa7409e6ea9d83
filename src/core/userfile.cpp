#include "core/userfile.h"
#include "core/log.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <cerrno>
#include <cmath>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Compiled-in resources are never pipes or devices.
bool isResource(const QString& path) {
    return path.startsWith(QLatin1Char(':')) || path.startsWith(QLatin1String("qrc:"));
}

UserFileRead readResource(const QString& path, qint64 limit) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {UserFileRead::Status::Missing, {}};
    if (limit < 0 && f.size() > LargestUserFile) return {UserFileRead::Status::TooLarge, {}};
    return {UserFileRead::Status::Read, limit < 0 ? f.readAll() : f.read(limit)};
}
} // namespace

UserFileRead readUserFile(const QString& path, qint64 limit) {
    using Status = UserFileRead::Status;
    if (path.isEmpty()) return {Status::Missing, {}};
    if (isResource(path)) return readResource(path, limit);

    // O_NONBLOCK: opening a pipe no one writes to returns at once instead of waiting.
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR) return {Status::Missing, {}};
        qCWarning(lcCore) << "cannot read" << path << qt_error_string(error);
        return {Status::Unreadable, {}};
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {Status::Unreadable, {}};
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        qCWarning(lcCore) << "not a file" << path;
        return {Status::NotAFile, {}};
    }
    if (limit < 0 && info.st_size > LargestUserFile) {
        qCWarning(lcCore) << "too large to read" << path << info.st_size;
        return {Status::TooLarge, {}};
    }
    // A plain file is read as usual from here on.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags != -1) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);

    QByteArray bytes = limit < 0 ? file.readAll() : file.read(qMin<qint64>(limit, info.st_size));
    if (file.error() != QFileDevice::NoError) {
        qCWarning(lcCore) << "cannot read" << path << file.errorString();
        return {Status::Unreadable, {}};
    }
    if (limit < 0 && bytes.size() > LargestUserFile) return {Status::TooLarge, {}}; // it grew
    return {Status::Read, bytes};
}

QSize sizeWithinPixels(QSize whole, qint64 most) {
    if (!whole.isValid() || whole.isEmpty() || most <= 0) return whole;
    const double pixels = double(whole.width()) * double(whole.height());
    if (pixels <= double(most)) return whole;
    const double k = std::sqrt(double(most) / pixels);
    int width = int(whole.width() * k);
    int height = int(whole.height() * k);
    // A thread of a picture keeps its one pixel across and gives up length instead.
    if (height < 1) height = 1, width = int(qMin<qint64>(whole.width(), most));
    if (width < 1) width = 1, height = int(qMin<qint64>(whole.height(), most));
    return QSize(width, height);
}

QImage readPictureFile(const QString& path, const std::function<QSize(QSize whole)>& decodeSize) {
    // Formats that can't decode small (PNG, BMP, GIF) decode whole before they are shrunk, and
    // a large photo's whole needs more than Qt's default limit of 128 MB.
    static const bool roomForLargePhotos = [] {
        QImageReader::setAllocationLimit(qMax(QImageReader::allocationLimit(), 512));
        return true;
    }();
    Q_UNUSED(roomForLargePhotos);
    const UserFileRead file = readUserFile(path);
    if (!file.ok() || file.bytes.isEmpty()) return {};
    QBuffer buffer;
    buffer.setData(file.bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    if (decodeSize) {
        const QSize whole = reader.size();
        const QSize size = whole.isValid() ? decodeSize(whole) : QSize();
        if (size.isValid() && !size.isEmpty() && size != whole) reader.setScaledSize(size);
    }
    return reader.read();
}
