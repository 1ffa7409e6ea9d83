// The word-list file: exact record bytes, the reading rule and whole, checked writes.
#include "files.h"
#include "fulldisk.h"
#include "wordgames/wordlistfile.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class TestWordListFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void exactBytes_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QByteArray>("record");
        QTest::newRow("casa") << "casa" << QByteArray::fromHex("0800040063617361") + QByteArray(12, '\0');
        QTest::newRow("col·lecció") << QString::fromUtf8("col·lecció")
                                    << QByteArray::fromHex("08000A00636F6CB76C65636369F3") +
                                           QByteArray(6, '\0');
        QTest::newRow("16 letters") << "abcdefghijklmnop"
                                    << QByteArray::fromHex("08001000") + "abcdefghijklmnop";
        QTest::newRow("empty word") << "" << QByteArray::fromHex("08000000") + QByteArray(16, '\0');
    }
    void exactBytes() {
        QFETCH(QString, word);
        QFETCH(QByteArray, record);
        QTemporaryDir dir;
        const QString path = dir.filePath("l.bak");
        QVERIFY(WriteWordList(path, {word}));
        QCOMPARE(readFileBytes(path), record);
        QCOMPARE(ReadWordList(path), QStringList{word});
    }

    void partialRecordIsDropped() {
        QTemporaryDir dir;
        const QString path = dir.filePath("l.bak");
        QVERIFY(WriteWordList(path, {"gat", "gos"}));
        QFile f(path);
        QVERIFY(f.open(QIODevice::Append));
        f.write("extra");
        f.close();
        QCOMPARE(QFileInfo(path).size(), 45);
        QCOMPARE(ReadWordList(path), (QStringList{"gat", "gos"}));
    }

    void readingRule() {
        QTemporaryDir dir;
        const QString path = dir.filePath("l.bak");
        // Tag and length are not read: a foreign tag and a wrong length still give the text.
        QByteArray foreign = QByteArray::fromHex("0300FF00") + "pa" + QByteArray(14, '\0');
        QByteArray stopsAtZero =
            QByteArray::fromHex("08000900") + "ab" + QByteArray(1, '\0') + "cdefghijklmno";
        QVERIFY(writeFileBytes(path, foreign + stopsAtZero + QByteArray(20, '\0')));
        QCOMPARE(ReadWordList(path), (QStringList{"pa", "ab", ""}));
        QCOMPARE(ReadWordList(path, 1), (QStringList{"p", "a", ""}));
    }

    void shortMissingAndEmptyFiles() {
        QTemporaryDir dir;
        QCOMPARE(ReadWordList(dir.filePath("missing.bak")), QStringList{});
        QVERIFY(!QFileInfo::exists(dir.filePath("missing.bak")));
        QVERIFY(writeFileBytes(dir.filePath("short.bak"), QByteArray(19, 'a')));
        QCOMPARE(ReadWordList(dir.filePath("short.bak")), QStringList{});
        QVERIFY(WriteWordList(dir.filePath("empty.bak"), {}));
        QCOMPARE(QFileInfo(dir.filePath("empty.bak")).size(), 0);
    }

    void replacesOlderFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("l.bak");
        QVERIFY(writeFileBytes(path, QByteArray(200, 'x')));
        QVERIFY(WriteWordList(path, {"u", "dos", "tres"}));
        QCOMPARE(QFileInfo(path).size(), 60);
        QCOMPARE(ReadWordList(path), (QStringList{"u", "dos", "tres"}));
    }

    // A word too long for a record fails the write before anything is touched.
    void tooLongWordLeavesOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("l.bak");
        QVERIFY(WriteWordList(path, {"vell"}));
        const QByteArray before = readFileBytes(path);
        QVERIFY(!WriteWordList(path, {"gat", "abcdefghijklmnopq", "gos"}));
        QCOMPARE(readFileBytes(path), before);
        QVERIFY(!WriteWordList(dir.filePath("new.bak"), {"abcdefghijklmnopq"}));
        QVERIFY(!QFileInfo::exists(dir.filePath("new.bak")));
    }

    // A list saved over an older one where the disk refuses it: false, and the older list whole.
    void aFullDiskKeepsTheOldList_data() {
        addRefusingPlaceRows();
    }
    void aFullDiskKeepsTheOldList() {
        QFETCH(int, kind);
        RefusingPlace place{RefusingPlace::Kind(kind)};
        if (!place.ready()) QSKIP(qPrintable(place.reason()));
        const QString path = place.file("animals.bak");
        QStringList words;
        for (int i = 0; i < 98; ++i)
            words << QStringLiteral("animal%1").arg(i);
        QVERIFY(WriteWordList(path, words));
        const QByteArray before = readFileBytes(path);
        place.refuse();
        const QMap<QString, QByteArray> full = folderContents(place.folder());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot write"));
        QVERIFY(!WriteWordList(path, words.mid(0, 50)));
        place.allow();
        QCOMPARE(readFileBytes(path), before);
        QCOMPARE(folderContents(place.folder()), full);
    }

    void accentedSixteenFits() {
        QVERIFY(fitsWordRecord(QString::fromUtf8("àààààààààààààààà")));
        QVERIFY(!fitsWordRecord(QString::fromUtf8("ààààààààààààààààà")));
    }
};

QTEST_GUILESS_MAIN(TestWordListFile)
#include "tst_wordlistfile.moc"
