// The office suite over the scratch folder: a file of its own for each document, one launch
// each, nothing launched when the file cannot be written, earlier runs' files removed.
#include "files.h"
#include "fulldisk.h"
#include "odfxml.h"
#include "platform/launcher.h"
#include "platform/officedocument.h"
#include "platform/scratchofficesuite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {
class RecordingLauncher : public Launcher {
public:
    bool openInPictureEditor(const QString&) override { return false; }
    bool openInOfficeSuite(const QString& file) override {
        opened << file;
        return answer;
    }
    bool openTextFile(const QString&) override { return false; }
    bool openUrl(const QUrl&) override { return false; }
    bool openFolder(const QString&) override { return false; }
    QStringList opened;
    bool answer = true;
};

void touch(const QString& path) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("old");
}

OfficeDocument saying(const QString& text) {
    OfficeDocument doc;
    doc.addParagraph().addText(text);
    return doc;
}
} // namespace

class TestOfficeSuite : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void eachOpenLeavesItsOwnFile() {
        QTemporaryDir dir;
        RecordingLauncher launcher;
        ScratchOfficeSuite suite(launcher, dir.path());
        QVERIFY(suite.open(saying(QStringLiteral("primer"))));
        QVERIFY(suite.open(saying(QStringLiteral("segon"))));
        QCOMPARE(launcher.opened.size(), 2);
        QVERIFY(launcher.opened[0] != launcher.opened[1]);
        QCOMPARE(launcher.opened[1], suite.lastFile());
        const QStringList texts{QStringLiteral("primer"), QStringLiteral("segon")};
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(QFileInfo(launcher.opened[i]).absolutePath(), QFileInfo(dir.path()).absoluteFilePath());
            QVERIFY(launcher.opened[i].endsWith(QLatin1String(".fodt")));
            QFile f(launcher.opened[i]);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QString error;
            const XmlNode root = parseXml(f.readAll(), &error);
            QVERIFY2(error.isEmpty(), qPrintable(error));
            QCOMPARE(odfParagraphText(*root.first(QStringLiteral("text:p"))), texts[i]);
        }
    }

    // The folder taken away while the program runs (a cache cleaner) is made again, private.
    void folderMadeAgain() {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("scratch"));
        RecordingLauncher launcher;
        ScratchOfficeSuite suite(launcher, folder);
        QVERIFY(suite.open(saying(QStringLiteral("hola"))));
        QCOMPARE(launcher.opened.size(), 1);
        QVERIFY(QFileInfo(launcher.opened[0]).isFile());
        QCOMPARE(QFileInfo(folder).permissions() & (QFile::ReadGroup | QFile::ReadOther),
                 QFile::Permissions());
    }

    void unwritableFileLaunchesNothing() {
        QTemporaryDir dir;
        const QString notAFolder = dir.filePath(QStringLiteral("file"));
        touch(notAFolder);
        RecordingLauncher launcher;
        ScratchOfficeSuite suite(launcher, notAFolder);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("could not write")));
        QVERIFY(!suite.open(saying(QStringLiteral("hola"))));
        QVERIFY(launcher.opened.isEmpty());
        QVERIFY(suite.lastFile().isEmpty());
    }

    // A document the disk refuses launches nothing and leaves no file, not even a short one.
    void aFullDiskLaunchesNothing_data() { addRefusingPlaceRows(); }
    void aFullDiskLaunchesNothing() {
        QFETCH(int, kind);
        RefusingPlace place{RefusingPlace::Kind(kind)};
        if (!place.ready()) QSKIP(qPrintable(place.reason()));
        RecordingLauncher launcher;
        ScratchOfficeSuite suite(launcher, place.folder());
        QVERIFY(suite.open(saying(QStringLiteral("primer"))));
        place.refuse();
        const QMap<QString, QByteArray> full = folderContents(place.folder());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("could not write")));
        QVERIFY(!suite.open(saying(QString(2000, QLatin1Char('x')))));
        place.allow();
        QCOMPARE(launcher.opened.size(), 1);
        QVERIFY(suite.lastFile().isEmpty());
        QCOMPARE(folderContents(place.folder()), full);
    }

    void launcherFailureIsReported() {
        QTemporaryDir dir;
        RecordingLauncher launcher;
        launcher.answer = false;
        ScratchOfficeSuite suite(launcher, dir.path());
        QVERIFY(!suite.open(saying(QStringLiteral("hola"))));
        QCOMPARE(launcher.opened.size(), 1);
    }

    void earlierRunsRemovedAtStart() {
        QTemporaryDir dir;
        const QString pid = QString::number(QCoreApplication::applicationPid());
        // 1 is init, always running: its file belongs to a program that is still there.
        const QStringList earlier{QStringLiteral("document-999999999-1.fodt"), "document-" + pid + "-7.fodt"};
        const QStringList kept{QStringLiteral("document-1-3.fodt"), QStringLiteral("dibuix.bmp"),
                               QStringLiteral("notes.fodt"), QStringLiteral("document-x-1.fodt")};
        for (const QString& name : earlier + kept)
            touch(dir.filePath(name));
        RecordingLauncher launcher;
        ScratchOfficeSuite suite(launcher, dir.path());
        for (const QString& name : earlier)
            QVERIFY2(!QFile::exists(dir.filePath(name)), qPrintable(name));
        for (const QString& name : kept)
            QVERIFY2(QFile::exists(dir.filePath(name)), qPrintable(name));
        // A name left by an earlier run is never written over.
        QVERIFY(suite.open(saying(QStringLiteral("hola"))));
        QVERIFY(!kept.contains(QFileInfo(suite.lastFile()).fileName()));
    }
};

QTEST_GUILESS_MAIN(TestOfficeSuite)
#include "tst_officesuite.moc"
