// The user's Taudrin folder at start: made when missing, and an unusable one (a file in its
// place, a read-only disk) found out and named to the user.
#include "core/errorbox.h"
#include "core/folders.h"
#include "files.h"
#include "fulldisk.h"
#include "testservices.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

class TestFolders : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aMissingFolderIsMade() {
        QTemporaryDir dir;
        const QString folder = dir.filePath(".local/share/Taudrin");
        QVERIFY(prepareWorkFolder(folder));
        QVERIFY(QFileInfo(folder).isDir());
        QVERIFY(prepareWorkFolder(folder)); // and an existing one is fine
        // The try leaves nothing behind.
        QVERIFY(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
    }

    void unusableFolders_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a file in its place") << "file";
        QTest::newRow("below a file") << "below a file";
        QTest::newRow("read-only disk") << "read-only disk";
        QTest::newRow("read-only folder") << "read-only folder";
    }
    void unusableFolders() {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QString folder = dir.filePath("Taudrin");
        std::unique_ptr<SmallDisk> disk;
        if (kind == "file") {
            QVERIFY(writeFileBytes(folder, "not a folder"));
        } else if (kind == "below a file") {
            QVERIFY(writeFileBytes(dir.filePath("share"), "not a folder"));
            folder = dir.filePath("share/Taudrin");
        } else if (kind == "read-only disk") {
            disk = std::make_unique<SmallDisk>(64, true);
            if (!disk->mounted()) QSKIP(qPrintable(disk->reason()));
            folder = disk->path();
        } else {
            if (::geteuid() == 0) QSKIP("root writes in a folder whatever its mode bits say");
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        }
        const QMap<QString, QByteArray> before = folderContents(dir.path());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot (create|write)"));
        QVERIFY(!prepareWorkFolder(folder));
        QCOMPARE(folderContents(dir.path()), before);
        if (kind == "read-only folder")
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        // Said to the user in Catalan, naming the folder; nothing else is asked.
        TestServices t;
        t.services().programFolder = folder;
        showUnusableFolder(t.services(), nullptr);
        QCOMPARE(t.dialogs.messages.size(), 1);
        QCOMPARE(t.dialogs.messageTitles, QStringList{"Taudrin"});
        QVERIFY(t.dialogs.messages[0].contains(QDir::toNativeSeparators(folder)));
        QVERIFY(t.dialogs.messages[0].startsWith("No es pot desar la feina"));
    }

    // Names are told apart without case; an exact match wins over a twin in another case, and a
    // folder is not a file.
    void findFileIgnoringCase_data() {
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<QString>("found"); // empty: none
        QTest::newRow("exact") << "dibu1.jpg"
                               << "dibu1.jpg";
        QTest::newRow("other case") << "DIBU2.JPG"
                                    << "Dibu2.jpg";
        QTest::newRow("exact before its twin") << "Dibu1.jpg"
                                               << "Dibu1.jpg";
        QTest::newRow("a folder") << "carpeta"
                                  << "";
        QTest::newRow("missing") << "dibu3.jpg"
                                 << "";
    }
    void findFileIgnoringCase() {
        QFETCH(QString, wanted);
        QFETCH(QString, found);
        QTemporaryDir dir;
        for (const char* name : {"dibu1.jpg", "Dibu1.jpg", "Dibu2.jpg"})
            QVERIFY(writeFileBytes(dir.filePath(QString::fromLatin1(name)), "x"));
        QVERIFY(QDir(dir.path()).mkdir("Carpeta"));
        QCOMPARE(::findFileIgnoringCase(dir.path(), wanted),
                 found.isEmpty() ? QString() : dir.filePath(found));
    }
};

QTEST_MAIN(TestFolders)
#include "tst_folders.moc"
