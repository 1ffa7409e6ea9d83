#include "core/folders.h"
#include "core/log.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

QString defaultProgramFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString defaultScratchFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation))
        .filePath(QStringLiteral("scratch"));
}

bool prepareWorkFolder(const QString& path) {
    if (!QDir().mkpath(path) || !QFileInfo(path).isDir()) {
        qCWarning(lcCore) << "cannot create the folder" << path;
        return false;
    }
    // Mode bits say little (root ignores them, a read-only disk keeps them): a real file tells.
    QTemporaryFile probe(QDir(path).filePath(QStringLiteral(".taudrin-XXXXXX")));
    if (!probe.open()) {
        qCWarning(lcCore) << "cannot write in" << path << probe.errorString();
        return false;
    }
    return true;
}

QString unusableFolderText(const QString& path) {
    return QStringLiteral("No es pot desar la feina a la carpeta de Taudrin:\n%1\n"
                          "La carpeta no es pot crear o no s'hi pot escriure.")
        .arg(QDir::toNativeSeparators(path));
}

bool ensurePrivateFolder(const QString& path) {
    if (!QDir().mkpath(path)) {
        qCWarning(lcCore) << "cannot create" << path;
        return false;
    }
    return QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

int seedFolder(const QString& sourceRoot, const QString& target) {
    int copied = 0;
    const QDir source(sourceRoot);
    QDirIterator it(sourceRoot, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString rel = source.relativeFilePath(from);
        const QString to = QDir(target).filePath(rel);
        if (QFileInfo::exists(to)) continue;
        if (!QDir().mkpath(QFileInfo(to).absolutePath())) continue;
        if (!QFile::copy(from, to)) {
            qCWarning(lcCore) << "cannot copy" << from << "to" << to;
            continue;
        }
        // Resources come read-only; the user's copy is the user's to change.
        QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        ++copied;
    }
    return copied;
}

QString folderPath(const QString& folder, const QString& part1, const QString& part2) {
    QString path = QDir(folder).filePath(part1);
    if (!part2.isEmpty()) path = QDir(path).filePath(part2);
    return path;
}

bool isSafeFileName(const QString& name) {
    // A name starting with a dot would be hidden: the work saved under it would look lost.
    if (name.isEmpty() || name.startsWith(QLatin1Char('.'))) return false;
    for (QChar c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 0x20) return false;
    return !name.trimmed().isEmpty();
}

QString findFileIgnoringCase(const QString& folder, const QString& name) {
    const QDir dir(folder);
    if (QFileInfo(dir.filePath(name)).isFile()) return dir.filePath(name);
    const QStringList files = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& file : files)
        if (file.compare(name, Qt::CaseInsensitive) == 0) return dir.filePath(file);
    return {};
}
