// Record files, safe saving and the user's folders.
#include "core/folders.h"
#include "core/recordfile.h"
#include "files.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class TestRecordFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void countDropsPartialRecord_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("count");
        QTest::newRow("empty") << 0 << 20 << 0;
        QTest::newRow("short") << 19 << 20 << 0;
        QTest::newRow("exact") << 40 << 20 << 2;
        QTest::newRow("partial last") << 45 << 20 << 2;
        QTest::newRow("700-character records") << 18 * 700 + 3 << 700 << 18;
    }
    void countDropsPartialRecord() {
        QFETCH(int, size);
        QFETCH(int, length);
        QFETCH(int, count);
        QTemporaryDir dir;
        const QString path = dir.filePath("f");
        QVERIFY(writeFileBytes(path, QByteArray(size, 'x')));
        RecordFile file(path, length);
        QVERIFY(file.load());
        QCOMPARE(file.count(), count);
        QCOMPARE(RecordFile::countOf(path, length), count);
    }

    void readingNeverCreatesAndPastEndIsBlank() {
        QTemporaryDir dir;
        const QString path = dir.filePath("missing.txt");
        RecordFile file(path, 10);
        QVERIFY(file.load());
        QCOMPARE(file.count(), 0);
        QCOMPARE(file.text(1), QString(10, ' '));
        QCOMPARE(file.bytes(3), QByteArray(10, '\0'));
        QCOMPARE(file.text(0), QString(10, ' '));
        QVERIFY(!QFileInfo::exists(path));
        QCOMPARE(RecordFile::countOf(path, 10), 0);
    }

    // A typed name may name anything: only a plain file is read, and reading never waits.
    void onlyPlainFilesAreRead_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("named pipe") << "pipe";
        QTest::newRow("endless device") << "device";
        QTest::newRow("folder") << "folder";
    }
    void onlyPlainFilesAreRead() {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QString path = dir.filePath("x.bak");
        if (kind == "pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == "device")
            path = "/dev/zero";
        else
            QVERIFY(QDir().mkpath(path));
        RecordFile file(path, 20);
        QVERIFY(!file.load());
        QCOMPARE(file.count(), 0);
        QCOMPARE(RecordFile::countOf(path, 20), 0);
    }

    void textRecordsArePaddedAndCut() {
        QTemporaryDir dir;
        const QString path = dir.filePath("t.txt");
        RecordFile file(path, 8);
        file.setText(1, QString::fromUtf8("Àvia"));
        file.setText(3, "massa llarg per cabre");
        QCOMPARE(file.count(), 3);
        QVERIFY(file.save());
        QCOMPARE(readFileBytes(path),
                 QByteArray("\xC0via    ") + QByteArray(8, '\0') + QByteArray("massa ll"));

        RecordFile again(path, 8);
        QVERIFY(again.load());
        QCOMPARE(again.text(1), QString::fromUtf8("Àvia    "));
        QCOMPARE(again.text(3), QString("massa ll"));
        // A reader with a shorter record sees the same bytes cut differently.
        RecordFile shorter(path, 4);
        QVERIFY(shorter.load());
        QCOMPARE(shorter.count(), 6);
        QCOMPARE(shorter.text(2), QString("    "));
    }

    void saveReplacesWholeFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("w");
        QVERIFY(writeFileBytes(path, QByteArray(100, 'z')));
        RecordFile file(path, 10);
        QVERIFY(file.load());
        file.resize(2);
        file.setBytes(2, "ab");
        QVERIFY(file.save());
        QCOMPARE(readFileBytes(path), QByteArray(10, 'z') + QByteArray("ab") + QByteArray(8, '\0'));
    }

    void failedSaveLeavesNothingBehind() {
        QTemporaryDir dir;
        QVERIFY(!saveFileSafely(dir.filePath("no/such/folder/file"), "data"));
        QVERIFY(!QFileInfo::exists(dir.filePath("no")));
    }

    void seedingNeverOverwrites() {
        QTemporaryDir src, dst;
        QDir().mkpath(src.filePath("llistes"));
        QVERIFY(writeFileBytes(src.filePath("llistes/animals.bak"), "shipped"));
        QVERIFY(writeFileBytes(src.filePath("top.txt"), "shipped top"));
        QDir().mkpath(dst.filePath("llistes"));
        QVERIFY(writeFileBytes(dst.filePath("llistes/animals.bak"), "mine"));
        QCOMPARE(seedFolder(src.path(), dst.path()), 1);
        QCOMPARE(readFileBytes(dst.filePath("llistes/animals.bak")), QByteArray("mine"));
        QCOMPARE(readFileBytes(dst.filePath("top.txt")), QByteArray("shipped top"));
        QCOMPARE(seedFolder(src.path(), dst.path()), 0);
        // The copy is the user's to change.
        QVERIFY(QFileInfo(dst.filePath("top.txt")).isWritable());
    }

    void privateFolder() {
        QTemporaryDir dir;
        const QString path = dir.filePath("a/b/scratch");
        QVERIFY(ensurePrivateFolder(path));
        QCOMPARE(QFileInfo(path).permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup |
                                                  QFile::WriteOther | QFile::ExeGroup | QFile::ExeOther),
                 QFile::Permissions());
    }

    void safeFileNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("safe");
        QTest::newRow("plain") << "animals" << true;
        QTest::newRow("accents and spaces") << QString::fromUtf8("la meva llista") << true;
        QTest::newRow("with extension") << "x.bak" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blank") << "   " << false;
        QTest::newRow("dot") << "." << false;
        QTest::newRow("dot dot") << ".." << false;
        QTest::newRow("slash") << "../etc/passwd" << false;
        QTest::newRow("backslash") << "a\\b" << false;
        QTest::newRow("control") << QString("a\nb") << false;
        QTest::newRow("hidden") << ".conte" << false;
        QTest::newRow("dot inside") << "conte.nou" << true;
    }
    void safeFileNames() {
        QFETCH(QString, name);
        QFETCH(bool, safe);
        QCOMPARE(isSafeFileName(name), safe);
    }
};

QTEST_GUILESS_MAIN(TestRecordFile)
#include "tst_recordfile.moc"
