#include "platform/safefile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QSet>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcFiles, "taudrin.files")

namespace {
QString errorText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Where the bytes go: a symbolic link is written through, as an editor would.
QString targetOf(const QString& path) {
    const QFileInfo info(path);
    if (!info.isSymLink()) return info.absoluteFilePath();
    const QString canonical = info.canonicalFilePath(); // empty for a link to nothing yet
    return canonical.isEmpty() ? info.symLinkTarget() : canonical;
}

// Plain write(2) until every byte is down: a short write is followed by the call that gives the
// reason (ENOSPC, EFBIG), so nothing is taken as written that was not.
bool writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, size_t(left));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        data += n;
        left -= n;
    }
    return true;
}

// A new file beside the target, made whole and synced; its name, or nothing when it failed (and
// then nothing of it is left).
QString writeBeside(const QString& target, const QByteArray& bytes, const struct stat* old) {
    const QFileInfo info(target);
    QString temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        const quint32 tag = QRandomGenerator::global()->generate() % 0x1000000;
        temp = info.dir().filePath(QLatin1Char('.') + info.fileName().left(60) + QLatin1Char('.') +
                                   QStringLiteral("%1").arg(tag, 6, 16, QLatin1Char('0')));
        // 0666 less the umask, as any new file of the user's; the name is cut to stay a valid name.
        fd = ::open(QFile::encodeName(temp).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        const int error = errno;
        qCWarning(lcFiles) << "cannot write beside" << target << errorText(error);
        return {};
    }
    int error = 0;
    // The new file keeps the old one's permissions.
    if (old && ::fchmod(fd, old->st_mode & 07777) != 0) error = errno;
    if (!error && !writeAll(fd, bytes)) error = errno;
    if (!error && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && !error) error = errno;
    if (error) {
        qCWarning(lcFiles) << "cannot write" << target << errorText(error);
        ::unlink(QFile::encodeName(temp).constData());
        return {};
    }
    return temp;
}

// So the renames themselves outlive a power cut.
void syncFolder(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0 || ::fsync(fd) != 0) {
        const int error = errno;
        qCInfo(lcFiles) << "cannot sync" << folder << errorText(error);
    }
    if (fd >= 0) ::close(fd);
}

void removeAll(const QStringList& temps) {
    for (const QString& temp : temps)
        ::unlink(QFile::encodeName(temp).constData());
}
} // namespace

bool saveFileSafely(const QString& path, const QByteArray& bytes) {
    return saveFilesTogether({{path, bytes}});
}

QByteArray pictureBytes(const QImage& picture, const char* format, int quality) {
    if (picture.isNull()) return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    if (!writer.write(picture)) {
        qCWarning(lcFiles) << "cannot encode a picture as" << format << writer.errorString();
        return {};
    }
    return bytes;
}

bool savePictureSafely(const QImage& picture, const QString& path, const char* format, int quality) {
    const QByteArray bytes = pictureBytes(picture, format, quality);
    return !bytes.isEmpty() && saveFileSafely(path, bytes);
}

bool saveFilesTogether(const QList<FileContents>& files) {
    // Each target must be a file or nothing yet, before anything is written.
    QStringList targets;
    QList<std::optional<struct stat>> olds;
    for (const FileContents& file : files) {
        if (file.path.isEmpty()) return false;
        const QString target = targetOf(file.path);
        struct stat st {};
        if (::stat(QFile::encodeName(target).constData(), &st) == 0) {
            if (!S_ISREG(st.st_mode)) {
                qCWarning(lcFiles) << "not a file" << target;
                return false;
            }
            // Made read-only by its owner to keep it as it is: the folder would let the rename
            // replace it all the same.
            if ((st.st_mode & 0222) == 0) {
                qCWarning(lcFiles) << "read-only" << target;
                return false;
            }
            olds.append(st);
        } else if (errno == ENOENT) {
            olds.append(std::nullopt);
        } else {
            const int error = errno;
            qCWarning(lcFiles) << "cannot write" << target << errorText(error);
            return false;
        }
        targets << target;
    }

    QStringList temps;
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString temp = writeBeside(targets[i], files[i].bytes, olds[i] ? &*olds[i] : nullptr);
        if (temp.isEmpty()) {
            removeAll(temps);
            return false;
        }
        temps << temp;
    }

    // Every new file is whole on disk. A rename within a folder needs no room of its own, so the
    // renames go through unless the folder itself is changed meanwhile.
    for (qsizetype i = 0; i < temps.size(); ++i) {
        if (::rename(QFile::encodeName(temps[i]).constData(), QFile::encodeName(targets[i]).constData()) !=
            0) {
            const int error = errno;
            qCWarning(lcFiles) << "cannot put" << targets[i] << "in place" << errorText(error);
            removeAll(temps.mid(i));
            return false;
        }
    }
    QSet<QString> folders;
    for (const QString& target : std::as_const(targets))
        folders.insert(QFileInfo(target).absolutePath());
    for (const QString& folder : std::as_const(folders))
        syncFolder(folder);
    return true;
}
