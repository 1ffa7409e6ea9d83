#pragma once
// Disks that refuse writes, for tests of saving: a write limit on this process, and a small
// tmpfs filled to the brim.
#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <cstring>
#include <memory>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

// While it lives, a write that would take any file of this process past `bytes` fails with EFBIG,
// as a full disk fails it with ENOSPC: the soft RLIMIT_FSIZE is lowered and SIGXFSZ ignored, both
// put back afterwards. Files already longer stay readable and untouched.
class WriteLimit {
public:
    explicit WriteLimit(rlim_t bytes = 16) {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        oldSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = old_;
        lowered.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~WriteLimit() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldSignal_);
    }
    WriteLimit(const WriteLimit&) = delete;
    WriteLimit& operator=(const WriteLimit&) = delete;

private:
    rlimit old_{};
    void (*oldSignal_)(int) = SIG_DFL;
};

// A tmpfs of a few pages mounted on a temporary folder (root only, where mounting is allowed),
// unmounted at the end. fill() takes its last free byte.
class SmallDisk {
public:
    explicit SmallDisk(int kilobytes = 64, bool readOnly = false) {
        const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0755";
        if (!dir_.isValid()) {
            reason_ = QStringLiteral("no temporary folder");
        } else if (::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs",
                           readOnly ? MS_RDONLY : 0, options.constData()) != 0) {
            reason_ =
                QStringLiteral("cannot mount a tmpfs here: ") + QString::fromLocal8Bit(std::strerror(errno));
        } else {
            mounted_ = true;
        }
    }
    ~SmallDisk() {
        if (mounted_) ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    // Why it is not mounted.
    QString reason() const { return reason_; }
    QString path() const { return dir_.path(); }

    // Writes a filler file until the disk is full.
    void fill() const {
        QFile filler(QDir(path()).filePath(QStringLiteral(".filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return;
        const QByteArray block(4096, 'f');
        while (filler.write(block) > 0) {
        }
        const QByteArray byte(1, 'f');
        while (filler.write(byte) > 0) {
        }
    }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
    QString reason_;
};

// A place for files where writes can be refused at will: a temporary folder under a write limit,
// or a small tmpfs that is filled up (skipped where it can't be mounted).
class RefusingPlace {
public:
    enum Kind { WriteLimited, FullDisk };

    explicit RefusingPlace(Kind kind, int kilobytes = 512) {
        if (kind == FullDisk) {
            disk_ = std::make_unique<SmallDisk>(kilobytes);
            if (!disk_->mounted()) reason_ = disk_->reason();
        }
    }
    // False where the place can't be had here, with the reason.
    bool ready() const { return reason_.isEmpty(); }
    QString reason() const { return reason_; }
    QString folder() const { return disk_ ? disk_->path() : dir_.path(); }
    QString file(const QString& name) const { return QDir(folder()).filePath(name); }

    // From here on, writes fail: the limit is set, or the disk filled.
    void refuse() {
        if (disk_)
            disk_->fill();
        else
            limit_ = std::make_unique<WriteLimit>(100);
    }
    // The limit lifted (a filled disk stays full).
    void allow() { limit_.reset(); }

private:
    QTemporaryDir dir_;
    std::unique_ptr<SmallDisk> disk_;
    std::unique_ptr<WriteLimit> limit_;
    QString reason_;
};

// The rows of a test run in both kinds of refusing place: a column "kind", a row for each.
inline void addRefusingPlaceRows() {
    QTest::addColumn<int>("kind");
    QTest::newRow("write limit") << int(RefusingPlace::WriteLimited);
    QTest::newRow("full tmpfs") << int(RefusingPlace::FullDisk);
}

// Every file below the folder, hidden ones too, by relative path, with its bytes; a folder maps
// to "/".
inline QMap<QString, QByteArray> folderContents(const QString& folder) {
    QMap<QString, QByteArray> contents;
    const QDir root(folder);
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (it.fileInfo().isDir()) {
            contents.insert(root.relativeFilePath(path), QByteArrayLiteral("/"));
            continue;
        }
        QFile f(path);
        contents.insert(root.relativeFilePath(path),
                        f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("?"));
    }
    return contents;
}
