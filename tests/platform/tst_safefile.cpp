// Saving files whole: a write that fails part-way (a full disk, a write limit) leaves the old
// file byte for byte, no temporary behind, and says so in the log.
#include "files.h"
#include "fulldisk.h"
#include "platform/safefile.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace {
// Everything in a folder, hidden names included.
QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray bytesOf(qsizetype size, char fill) {
    return QByteArray(size, fill);
}

unsigned modeOf(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? unsigned(st.st_mode & 07777) : 0u;
}

void expectFailureLogged() {
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot write")));
}

} // namespace

class TestSafeFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void replacesWhole() {
        QTemporaryDir dir;
        const QString path = dir.filePath("llista.bak");
        QVERIFY(saveFileSafely(path, "primer, llarg"));
        QVERIFY(saveFileSafely(path, "curt"));
        QCOMPARE(readFileBytes(path), QByteArray("curt"));
        QVERIFY(saveFileSafely(path, QByteArray()));
        QCOMPARE(readFileBytes(path), QByteArray());
        QCOMPARE(entries(dir.path()), QStringList{"llista.bak"});
    }

    // The temporary's name stays a valid one however long the file's own name.
    void theLongestNames() {
        QTemporaryDir dir;
        const QString longest = QString(255, QLatin1Char('a'));
        const QString accented = QString(127, QChar(0xE0)); // 254 bytes in UTF-8
        QVERIFY(saveFileSafely(dir.filePath(longest), "x"));
        QVERIFY(saveFileSafely(dir.filePath(accented), "y"));
        QCOMPARE(readFileBytes(dir.filePath(accented)), QByteArray("y"));
        QCOMPARE(entries(dir.path()).size(), 2);
    }

    // A new file has the user's usual permissions; a replaced one keeps its own.
    void permissions() {
        QTemporaryDir dir;
        const mode_t mask = ::umask(022);
        const QString fresh = dir.filePath("nou");
        QVERIFY(saveFileSafely(fresh, "x"));
        const QString kept = dir.filePath("privat");
        QVERIFY(writeFileBytes(kept, "old"));
        QVERIFY(::chmod(QFile::encodeName(kept).constData(), 0640) == 0);
        QVERIFY(saveFileSafely(kept, "new"));
        ::umask(mask);
        QCOMPARE(modeOf(fresh), 0644u);
        QCOMPARE(modeOf(kept), 0640u);
    }

    // A link is written through: the link stays, the file it names changes.
    void writesThroughALink() {
        QTemporaryDir dir;
        const QString real = dir.filePath("real.txt");
        QVERIFY(writeFileBytes(real, "old"));
        QVERIFY(QFile::link(real, dir.filePath("link.txt")));
        QVERIFY(saveFileSafely(dir.filePath("link.txt"), "new"));
        QVERIFY(QFileInfo(dir.filePath("link.txt")).isSymLink());
        QCOMPARE(readFileBytes(real), QByteArray("new"));
    }

    void refusedNames_data() {
        QTest::addColumn<QString>("relative");
        QTest::newRow("a folder") << "carpeta";
        QTest::newRow("missing folder") << "no/such/file";
        QTest::newRow("below a file") << "fitxer/a";
        QTest::newRow("read-only") << "protegit";
    }
    void refusedNames() {
        QFETCH(QString, relative);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("carpeta"));
        QVERIFY(writeFileBytes(dir.filePath("fitxer"), "old"));
        // Kept read-only by its owner: refused even where the folder would allow the rename.
        QVERIFY(writeFileBytes(dir.filePath("protegit"), "old"));
        QVERIFY(::chmod(QFile::encodeName(dir.filePath("protegit")).constData(), 0444) == 0);
        const QStringList before = entries(dir.path());
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("cannot write|not a file|read-only")));
        QVERIFY(!saveFileSafely(dir.filePath(relative), "new"));
        QCOMPARE(entries(dir.path()), before);
        QCOMPARE(readFileBytes(dir.filePath("fitxer")), QByteArray("old"));
        QCOMPARE(readFileBytes(dir.filePath("protegit")), QByteArray("old"));
    }

    void failedWriteKeepsTheOldFile_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("size");
        QTest::newRow("write limit, one block") << int(RefusingPlace::WriteLimited) << 4096;
        QTest::newRow("write limit, a few blocks and a piece") << int(RefusingPlace::WriteLimited) << 12600;
        QTest::newRow("full tmpfs, small") << int(RefusingPlace::FullDisk) << 700;
        QTest::newRow("full tmpfs, larger") << int(RefusingPlace::FullDisk) << 12600;
    }
    void failedWriteKeepsTheOldFile() {
        QFETCH(int, kind);
        QFETCH(int, size);
        RefusingPlace place{RefusingPlace::Kind(kind)};
        if (!place.ready()) QSKIP(qPrintable(place.reason()));
        const QString path = place.file("arxi.txt");
        const QByteArray old = bytesOf(5000, 'o');
        QVERIFY(writeFileBytes(path, old));
        place.refuse();
        const QStringList before = entries(place.folder());
        expectFailureLogged();
        QVERIFY(!saveFileSafely(path, bytesOf(size, 'n')));
        expectFailureLogged();
        QVERIFY(!savePictureSafely(QImage(300, 200, QImage::Format_RGB32), path, "bmp"));
        place.allow();
        QCOMPARE(readFileBytes(path), old);
        QCOMPARE(entries(place.folder()), before);
    }

    // Of a set, a file that cannot be written keeps every other one old too.
    void aSetIsAllOrNothing_data() { addRefusingPlaceRows(); }
    void aSetIsAllOrNothing() {
        QFETCH(int, kind);
        RefusingPlace place{RefusingPlace::Kind(kind)};
        if (!place.ready()) QSKIP(qPrintable(place.reason()));
        const QStringList names{"DIBU1.jpg", "DIBU2.jpg", "arxi.txt"};
        QList<QByteArray> olds;
        for (const QString& name : names) {
            olds << bytesOf(3000, name[4].toLatin1());
            QVERIFY(writeFileBytes(place.file(name), olds.last()));
        }
        place.refuse();
        const QStringList before = entries(place.folder());
        // The first two are small enough to be written; the last is not.
        const QList<FileContents> set{{place.file(names[0]), "1"},
                                      {place.file(names[1]), "2"},
                                      {place.file(names[2]), bytesOf(12600, 'n')}};
        expectFailureLogged();
        QVERIFY(!saveFilesTogether(set));
        place.allow();
        for (int i = 0; i < names.size(); ++i)
            QCOMPARE(readFileBytes(place.file(names[i])), olds[i]);
        QCOMPARE(entries(place.folder()), before);
    }

    void aSetWithAFolderInItWritesNothing() {
        QTemporaryDir dir;
        QVERIFY(writeFileBytes(dir.filePath("a"), "old"));
        QVERIFY(QDir(dir.path()).mkdir("b"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not a file")));
        QVERIFY(!saveFilesTogether({{dir.filePath("a"), "new"}, {dir.filePath("b"), "new"}}));
        QCOMPARE(readFileBytes(dir.filePath("a")), QByteArray("old"));
        QCOMPARE(entries(dir.path()), (QStringList{"a", "b"}));

        QVERIFY(saveFilesTogether({{dir.filePath("a"), "new a"}, {dir.filePath("c"), "new c"}}));
        QCOMPARE(readFileBytes(dir.filePath("a")), QByteArray("new a"));
        QCOMPARE(readFileBytes(dir.filePath("c")), QByteArray("new c"));
        QCOMPARE(entries(dir.path()), (QStringList{"a", "b", "c"}));
    }

    void pictures() {
        QTemporaryDir dir;
        QImage picture(30, 20, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(savePictureSafely(picture, dir.filePath("dibuix.bmp"), "bmp"));
        QCOMPARE(QImage(dir.filePath("dibuix.bmp")).pixelColor(3, 3), QColor(Qt::red));
        QVERIFY(!savePictureSafely(QImage(), dir.filePath("buit.bmp"), "bmp"));
        QVERIFY(!QFileInfo::exists(dir.filePath("buit.bmp")));
    }
};

QTEST_GUILESS_MAIN(TestSafeFile)
#include "tst_safefile.moc"
