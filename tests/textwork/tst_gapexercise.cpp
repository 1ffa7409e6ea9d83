// The fill-the-blanks exercise file: assembling, writing, reading and the keys field.
#include "core/cp1252.h"
#include "textwork/gapexercise.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace gapexercise;

namespace {
QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QString spaces(int n) {
    return QString(n, QLatin1Char(' '));
}
} // namespace

class TestGapExercise : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void recordFields_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("storedTitle");
        QTest::addColumn<QString>("storedKeys");
        QTest::newRow("short") << "B i V: la vaca"
                               << "b v "
                               << "B i V: la vaca" + spaces(16) << "b v " + spaces(26);
        QTest::newRow("31 characters keep 30")
            << QString(31, 'x') << "ll " << QString(30, 'x') << "ll " + spaces(27);
        QTest::newRow("empty") << ""
                               << "" << spaces(30) << spaces(30);
        QTest::newRow("accents in one byte each")
            << "Accents: l'àvia"
            << "à è é í ò ó "
            << "Accents: l'àvia" + spaces(15) << "à è é í ò ó " + spaces(18);
    }
    void recordFields() {
        QFETCH(QString, title);
        QFETCH(QString, keys);
        QFETCH(QString, storedTitle);
        QFETCH(QString, storedKeys);
        const QString text = "La vaca\r\nva a beure.";
        const QByteArray record = assembleGapRecord(title, keys, text);
        QCOMPARE(record.size(), RecordLength);
        const GapExercise read = splitGapRecord(record, RecordLength);
        QCOMPARE(read.title, storedTitle);
        QCOMPARE(read.keys, storedKeys);
        QCOMPARE(read.text, text + spaces(RecordLength - TextStart - text.size()));
        // The player opens it at 900: the text is always 840 characters, padding included.
        QCOMPARE(splitGapRecord(record.left(OpenLength), OpenLength).text.size(), 840);
        QCOMPARE(splitGapRecord(record.left(TitleListLength), TitleListLength).title, storedTitle);
    }

    void longTextIsCutAtTheRecordEnd() {
        const QString text = QString(8000, 'a') + QString(1000, 'b');
        const QByteArray record = assembleGapRecord("t", "a ", text);
        QCOMPARE(record.size(), RecordLength);
        QCOMPARE(splitGapRecord(record, RecordLength).text, text.left(RecordLength - TextStart));
    }

    void keysSplit_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("b and v") << "b v " + spaces(26)
                                 << (QStringList{"b", "v"} + QStringList(26, QString()));
        QTest::newRow("all spaces") << spaces(30) << QStringList(30, QString());
        QTest::newRow("no space") << QString(30, 'x') << QStringList();
        // 30 characters ending in "qu" with no space after it: that last key is lost.
        QTest::newRow("cut key is lost")
            << "ll qu tx ny ss rr gu ix l·l qu"
            << QStringList{"ll", "qu", "tx", "ny", "ss", "rr", "gu", "ix", "l·l"};
        QTest::newRow("double space") << "a  b " << QStringList{"a", "", "b"};
    }
    void keysSplit() {
        QFETCH(QString, field);
        QFETCH(QStringList, keys);
        QCOMPARE(splitGapKeys(field), keys);
    }

    void keysCutByTheFieldLimit() {
        // 32 characters: the eighth key is cut after "gu" and is not read back.
        const QByteArray record = assembleGapRecord("G/GU", "ggg ggg ggg ggg ggg ggg ggg gux ", "text");
        QCOMPARE(splitGapKeys(splitGapRecord(record, RecordLength).keys),
                 (QStringList{"ggg", "ggg", "ggg", "ggg", "ggg", "ggg", "ggg"}));
    }

    void numberedPath_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("name");
        QTest::newRow("1") << 1 << "0001.dat";
        QTest::newRow("260") << 260 << "0260.dat";
        QTest::newRow("four digits") << 1234 << "1234.dat";
        QTest::newRow("five digits") << 12345 << "12345.dat";
    }
    void numberedPath() {
        QFETCH(int, number);
        QFETCH(QString, name);
        QCOMPARE(numberedGapExercisePath("/prog", number), "/prog/data/automatic/" + name);
        QCOMPARE(numberedGapExercisePath("/prog/", number), "/prog/data/automatic/" + name);
    }

    void writeAndReadBack() {
        QTemporaryDir dir;
        const QString path = dir.filePath("0001.dat");
        const QString text = "L'àvia va a veure el vaixell.\r\nBon viatge!";
        QVERIFY(writeGapExercise(path, "B/V: el vaixell", "b v ", text));
        QCOMPARE(bytesOf(path).size(), RecordLength);
        const std::optional<GapExercise> read = readGapExercise(path, RecordLength);
        QVERIFY(read);
        QCOMPARE(read->title.trimmed(), "B/V: el vaixell");
        QCOMPARE(splitGapKeys(read->keys).mid(0, 2), (QStringList{"b", "v"}));
        QCOMPARE(read->text.left(text.size()), text);
        QCOMPARE(read->text.size(), RecordLength - TextStart);
        QCOMPARE(readGapExercise(path, OpenLength)->text.size(), OpenLength - TextStart);
    }

    void writeKeepsTheBytesPastTheRecord() {
        QTemporaryDir dir;
        const QString path = dir.filePath("long.dat");
        // Two records and a partial third: everything past 9000 stays, the partial part too.
        QByteArray old(RecordLength * 2 + 123, 'z');
        for (int i = 0; i < old.size(); ++i)
            old[i] = char('a' + i % 26);
        QVERIFY(writeBytes(path, old));
        QVERIFY(writeGapExercise(path, "nou", "n ", "un text nou"));
        const QByteArray now = bytesOf(path);
        QCOMPARE(now.size(), old.size());
        QCOMPARE(now.mid(RecordLength), old.mid(RecordLength));
        QCOMPARE(now.left(RecordLength), assembleGapRecord("nou", "n ", "un text nou"));
    }

    void writeGrowsAShortFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("short.dat");
        QVERIFY(writeBytes(path, QByteArray(100, 'q')));
        QVERIFY(writeGapExercise(path, "t", "", "x"));
        QCOMPARE(bytesOf(path), assembleGapRecord("t", "", "x"));
    }

    void shortFileIsPaddedWithSpaces() {
        QTemporaryDir dir;
        const QString path = dir.filePath("short.dat");
        QVERIFY(writeBytes(path, toCp1252("Curt") + QByteArray(26, ' ') + "a b " + QByteArray(26, ' ') +
                                     "Una cara"));
        const std::optional<GapExercise> read = readGapExercise(path, OpenLength);
        QVERIFY(read);
        QCOMPARE(read->title, "Curt" + spaces(26));
        QCOMPARE(read->text, "Una cara" + spaces(832));
    }

    void missingFileReadsBlankAndIsNotCreated() {
        QTemporaryDir dir;
        const QString path = dir.filePath("data/automatic/0007.dat");
        const std::optional<GapExercise> read = readGapExercise(path, TitleListLength);
        QVERIFY(read);
        QCOMPARE(read->title, spaces(30));
        QCOMPARE(read->keys, spaces(30));
        QCOMPARE(read->text, spaces(TitleListLength - TextStart));
        QVERIFY(!QFile::exists(path));
        const QString plain = dir.filePath("0008.dat");
        QVERIFY(readGapExercise(plain, OpenLength));
        QVERIFY(!QFile::exists(plain));
    }

    void notAPlainFile() {
        QTemporaryDir dir;
        // A folder and a pipe read as nothing (a pipe would block), and are never written over.
        QVERIFY(!readGapExercise(dir.path(), OpenLength));
        QVERIFY(!writeGapExercise(dir.path(), "t", "", "x"));
        const QString fifo = dir.filePath("pipe.dat");
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(!readGapExercise(fifo, OpenLength));
        QVERIFY(!writeGapExercise(fifo, "t", "", "x"));
    }

    void writeIntoAMissingFolderFails() {
        QTemporaryDir dir;
        QVERIFY(!writeGapExercise(dir.filePath("no/such/0001.dat"), "t", "", "x"));
    }
};

QTEST_GUILESS_MAIN(TestGapExercise)
#include "tst_gapexercise.moc"
