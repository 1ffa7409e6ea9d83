// The one way a user's file is read: only a plain file, never waiting, whatever the name names.
#include "core/recordfile.h"
#include "core/userfile.h"
#include "files.h"
#include "watchdog.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// What a name can name. Each kind is made in `dir` under the name x, or is a path of the system.
QString makeKind(const QTemporaryDir& dir, const QString& kind) {
    const QString path = dir.filePath("x");
    if (kind == "pipe") return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 ? path : QString();
    if (kind == "link to a pipe") {
        const QString pipe = dir.filePath("pipe");
        if (::mkfifo(QFile::encodeName(pipe).constData(), 0600) != 0) return {};
        return QFile::link(pipe, path) ? path : QString();
    }
    if (kind == "folder") return QDir().mkpath(path) ? path : QString();
    if (kind == "endless device") return "/dev/zero";
    if (kind == "empty device") return "/dev/null";
    if (kind == "read error") return "/proc/self/mem"; // a plain file whose every read fails
    if (kind == "missing") return path;
    if (kind == "empty") return writeFileBytes(path, {}) ? path : QString();
    if (kind == "unreadable") {
        if (!writeFileBytes(path, "secret") || !QFile::setPermissions(path, QFileDevice::WriteOwner))
            return {};
        return path;
    }
    if (kind == "file") return writeFileBytes(path, "0123456789") ? path : QString();
    return {};
}
} // namespace

class TestUserFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void onlyAPlainFileIsRead_data() {
        using Status = UserFileRead::Status;
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("plain file") << "file" << int(Status::Read) << QByteArray("0123456789");
        QTest::newRow("empty file") << "empty" << int(Status::Read) << QByteArray();
        QTest::newRow("missing") << "missing" << int(Status::Missing) << QByteArray();
        QTest::newRow("named pipe") << "pipe" << int(Status::NotAFile) << QByteArray();
        QTest::newRow("link to a named pipe") << "link to a pipe" << int(Status::NotAFile) << QByteArray();
        QTest::newRow("folder") << "folder" << int(Status::NotAFile) << QByteArray();
        QTest::newRow("/dev/zero") << "endless device" << int(Status::NotAFile) << QByteArray();
        QTest::newRow("/dev/null") << "empty device" << int(Status::NotAFile) << QByteArray();
        QTest::newRow("unreadable") << "unreadable" << int(Status::Unreadable) << QByteArray();
        QTest::newRow("read error") << "read error" << int(Status::Unreadable) << QByteArray();
    }
    void onlyAPlainFileIsRead() {
        QFETCH(QString, kind);
        QFETCH(int, status);
        QFETCH(QByteArray, bytes);
        if (kind == "unreadable" && ::geteuid() == 0) QSKIP("root reads every file");
        QTemporaryDir dir;
        const QString path = makeKind(dir, kind);
        QVERIFY(!path.isEmpty());
        Watchdog watch(QString("reading a %1").arg(kind));
        const UserFileRead read = readUserFile(path);
        QCOMPARE(int(read.status), status);
        QCOMPARE(read.bytes, bytes);
        QCOMPARE(readUserFile(path, 4).bytes, bytes.left(4));
        QVERIFY(readPictureFile(path).isNull());
        // Record files go the same way: a missing one is empty, the others unreadable.
        RecordFile records(path, 2);
        QCOMPARE(records.load(),
                 status == int(UserFileRead::Status::Read) || status == int(UserFileRead::Status::Missing));
    }

    void aPictureIsReadByItsContent() {
        QTemporaryDir dir;
        QImage image(40, 20, QImage::Format_RGB32);
        image.fill(Qt::red);
        const QString path = dir.filePath("foto.jpg"); // a PNG under a JPEG name
        QVERIFY(image.save(path, "PNG"));
        QCOMPARE(readPictureFile(path).size(), QSize(40, 20));
        QSize told;
        const QImage small = readPictureFile(path, [&](QSize whole) {
            told = whole;
            return QSize(20, 10);
        });
        QCOMPARE(told, QSize(40, 20));
        QCOMPARE(small.size(), QSize(20, 10));
        QCOMPARE(small.pixelColor(5, 5), QColor(Qt::red));
    }

    void sizeWithinPixels_data() {
        QTest::addColumn<QSize>("whole");
        QTest::addColumn<QSize>("kept");
        QTest::newRow("small stays") << QSize(800, 600) << QSize(800, 600);
        QTest::newRow("at the limit") << QSize(4096, 4096) << QSize(4096, 4096);
        QTest::newRow("48 megapixels, 4:3") << QSize(8000, 6000) << QSize(4729, 3547);
        QTest::newRow("a long strip") << QSize(200000, 100) << QSize(183178, 91);
        QTest::newRow("a thread") << QSize(100000000, 1) << QSize(16777216, 1);
        QTest::newRow("a standing thread") << QSize(1, 100000000) << QSize(1, 16777216);
        QTest::newRow("invalid") << QSize() << QSize();
    }
    void sizeWithinPixels() {
        QFETCH(QSize, whole);
        QFETCH(QSize, kept);
        const QSize got = ::sizeWithinPixels(whole);
        QCOMPARE(got, kept);
        if (got.isValid()) QVERIFY(qint64(got.width()) * got.height() <= MostPicturePixels);
    }

    // A photo whose whole needs more than Qt's default decoding limit is still read, in a
    // format that decodes small (JPEG) and in one that must decode whole first (PNG).
    void aLargePhotoIsRead_data() {
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("JPEG") << QByteArray("JPEG");
        QTest::newRow("PNG") << QByteArray("PNG");
    }
    void aLargePhotoIsRead() {
        QFETCH(QByteArray, format);
        QTemporaryDir dir;
        const QString path = dir.filePath("foto");
        {
            QImage photo(8000, 5000, QImage::Format_RGB888); // 160 MB once decoded to 32 bits
            photo.fill(QColor(0, 128, 255));
            QVERIFY(photo.save(path, format.constData(), 50));
        }
        const QImage read = readPictureFile(path, [](QSize whole) { return ::sizeWithinPixels(whole); });
        QVERIFY(!read.isNull());
        QCOMPARE(read.size(), ::sizeWithinPixels(QSize(8000, 5000)));
        const QColor centre = read.pixelColor(read.width() / 2, read.height() / 2);
        QVERIFY2(qAbs(centre.blue() - 255) < 8 && qAbs(centre.red()) < 8, qPrintable(centre.name()));
    }

    void aLimitReadsTheHeadOnly() {
        QTemporaryDir dir;
        const QString path = dir.filePath("llista.bak");
        QVERIFY(writeFileBytes(path, QByteArray(100, 'a')));
        QCOMPARE(readUserFile(path, 30).bytes, QByteArray(30, 'a'));
        QCOMPARE(readUserFile(path, 0).bytes, QByteArray());
        QCOMPARE(readUserFile(path).bytes.size(), 100);
    }
};

QTEST_MAIN(TestUserFile)
#include "tst_userfile.moc"
