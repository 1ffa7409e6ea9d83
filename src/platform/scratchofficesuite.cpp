#include "platform/scratchofficesuite.h"
#include "platform/flatodt.h"
#include "platform/launcher.h"
#include "platform/safefile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRegularExpression>

Q_LOGGING_CATEGORY(lcOffice, "taudrin.office")

namespace {
const QRegularExpression documentName(QStringLiteral("^document-(\\d+)-\\d+\\.fodt$"));
}

ScratchOfficeSuite::ScratchOfficeSuite(Launcher& launcher, QString scratchFolder)
    : launcher_(launcher), folder_(std::move(scratchFolder)),
      prefix_(QStringLiteral("document-%1-").arg(QCoreApplication::applicationPid())) {
    removeEarlierRuns();
}

// A file of a program still running (another window of ours opened beside this one) stays.
void ScratchOfficeSuite::removeEarlierRuns() const {
    QDir dir(folder_);
    const QStringList files = dir.entryList({QStringLiteral("document-*.fodt")}, QDir::Files);
    for (const QString& name : files) {
        const QRegularExpressionMatch m = documentName.match(name);
        if (!m.hasMatch()) continue;
        const QString pid = m.captured(1);
        const bool ours = pid.toLongLong() == QCoreApplication::applicationPid();
        if (!ours && QFileInfo::exists(QStringLiteral("/proc/") + pid)) continue;
        if (!dir.remove(name)) qCWarning(lcOffice) << "could not remove" << dir.filePath(name);
    }
}

QString ScratchOfficeSuite::newFileName() {
    // A cache cleaner may have taken the folder away while the program runs: made again, private.
    if (!QFileInfo(folder_).isDir() && QDir().mkpath(folder_))
        QFile::setPermissions(folder_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDir dir(folder_);
    QString path;
    do {
        path = dir.filePath(prefix_ + QString::number(next_++) + QStringLiteral(".fodt"));
    } while (QFileInfo::exists(path));
    return path;
}

bool ScratchOfficeSuite::open(const OfficeDocument& document) {
    lastFile_.clear();
    const QString path = newFileName();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!writeFlatOpenDocumentText(document, buffer) || !saveFileSafely(path, bytes)) {
        qCWarning(lcOffice) << "could not write" << path;
        return false;
    }
    lastFile_ = path;
    return launcher_.openInOfficeSuite(path);
}
