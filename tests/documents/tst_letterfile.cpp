// The letter file: six 500-byte records in code page 1252, written whole, read defensively, and
// the rules that keep a part within its record.
#include "core/cp1252.h"
#include "documents/letterfile.h"
#include "files.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace letterfile;

namespace {
QByteArray blanks(int n) {
    return QByteArray(n, ' ');
}
QByteArray record(const QByteArray& text) {
    return text + blanks(RecordLength - int(text.size()));
}
} // namespace

class TestLetterFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void savedName_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("saved");
        QTest::newRow("bare") << "/c/carta"
                              << "/c/carta.txt";
        QTest::newRow("with .txt") << "/c/carta.txt"
                                   << "/c/carta.txt";
        QTest::newRow("upper case") << "/c/CARTA.TXT"
                                    << "/c/CARTA.TXT";
        QTest::newRow("mixed case") << "/c/carta.Txt"
                                    << "/c/carta.Txt";
        QTest::newRow("another extension") << "/c/carta.doc"
                                           << "/c/carta.doc.txt";
        QTest::newRow("txt without its dot") << "/c/cartatxt"
                                             << "/c/cartatxt.txt";
    }
    void savedName() {
        QFETCH(QString, chosen);
        QFETCH(QString, saved);
        QCOMPARE(savedFileName(chosen), saved);
    }

    void writesSixRecords() {
        Parts parts;
        parts[3] = QStringLiteral("Hola\r\nadéu");
        parts[5] = QStringLiteral("En Joan i la Carla");
        const QByteArray bytes = write(parts);
        QCOMPARE(bytes.size(), FileLength);
        QCOMPARE(bytes.mid(0, RecordLength), blanks(RecordLength));
        QCOMPARE(bytes.mid(3 * RecordLength, RecordLength),
                 record(QByteArray::fromHex("486F6C610D0A6164E975")));
        QCOMPARE(bytes.mid(5 * RecordLength, RecordLength), "En Joan i la Carla" + blanks(482));
    }

    // A text box's break, a lone CR or LF: each is written as CR LF.
    void lineBreaks_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("CR LF") << "a\r\nb";
        QTest::newRow("LF") << "a\nb";
        QTest::newRow("CR") << "a\rb";
        QTest::newRow("paragraph separator") << QString("a") + QChar(0x2029) + "b";
        QTest::newRow("line separator") << QString("a") + QChar(0x2028) + "b";
    }
    void lineBreaks() {
        QFETCH(QString, text);
        Parts parts;
        parts[2] = text;
        QCOMPARE(write(parts).mid(2 * RecordLength, RecordLength), record("a\r\nb"));
        QCOMPARE(toBox(text), QString("a\nb"));
        QCOMPARE(cp1252Length(text), 4);
    }

    void fitting_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fitted");
        const QString a499(499, QLatin1Char('a'));
        QTest::newRow("short") << "hola"
                               << "hola";
        QTest::newRow("600 characters") << QString(600, QLatin1Char('x')) << QString(500, QLatin1Char('x'));
        QTest::newRow("exactly 500") << QString(500, QLatin1Char('x')) << QString(500, QLatin1Char('x'));
        QTest::newRow("a break would be cut") << a499 + "\nb" << a499;
        QTest::newRow("a CR LF would be cut") << a499 + "\r\nb" << a499;
        QTest::newRow("a break just fits")
            << QString(498, QLatin1Char('a')) + "\nb" << QString(498, QLatin1Char('a')) + "\n";
        // A character outside code page 1252 is one "?" in the file, two code units in the box.
        const QString smile = QString::fromUtf8("\xF0\x9F\x98\x80");
        QTest::newRow("wide character fits") << a499 + smile << a499 + smile;
        QTest::newRow("wide character is never halved")
            << QString(500, QLatin1Char('a')) + smile << QString(500, QLatin1Char('a'));
        // ŀ is the two bytes l· in the file.
        const QString ela = QString::fromUtf8("\u0140");
        QTest::newRow("l· takes two") << a499 + ela << a499;
        QTest::newRow("l· just fits")
            << QString(498, QLatin1Char('a')) + ela << QString(498, QLatin1Char('a')) + ela;
    }
    void fitting() {
        QFETCH(QString, text);
        QFETCH(QString, fitted);
        QCOMPARE(fitCp1252(text, RecordLength), fitted);
        QVERIFY(cp1252Length(fitCp1252(text, RecordLength)) <= RecordLength);
    }

    // A part whose l· would reach past its record is cut before the l·, not inside it.
    void lAtTheEndIsKeptWhole() {
        Parts parts;
        parts[0] = QString(497, QLatin1Char('a')) + QString::fromUtf8("\u0140") + "\nb";
        const QByteArray bytes = write(parts);
        QCOMPARE(bytes.size(), FileLength);
        QCOMPARE(bytes.mid(0, RecordLength), QByteArray(497, 'a') + "l\xB7" + ' ');
        QCOMPARE(read(bytes)[0], QString(497, QLatin1Char('a')) + QString::fromUtf8("l\u00B7"));
    }

    void longPartsNeverSplitABreak() {
        Parts parts;
        parts[0] = QString(499, QLatin1Char('a')) + "\r\nb";
        parts[1] = QString(600, QLatin1Char('x'));
        const QByteArray bytes = write(parts);
        QCOMPARE(bytes.size(), FileLength);
        QCOMPARE(bytes.mid(0, RecordLength), QByteArray(499, 'a') + ' ');
        QCOMPARE(bytes.mid(RecordLength, RecordLength), QByteArray(500, 'x'));
    }

    void reading_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("parts");
        const QByteArray full = record("Girona") + record("Hola") + record("Com\r\nesteu?") + record("") +
                                record("Adeu  ") + record("Anna");
        QTest::newRow("written letter")
            << full << QStringList{"Girona", "Hola", "Com\r\nesteu?", "", "Adeu", "Anna"};
        QTest::newRow("longer file: the rest is not read")
            << full + "more text past the letter"
            << QStringList{"Girona", "Hola", "Com\r\nesteu?", "", "Adeu", "Anna"};
        QTest::newRow("empty file") << QByteArray() << QStringList{"", "", "", "", "", ""};
        QTest::newRow("partial second record")
            << record("Girona") + "Hola   " << QStringList{"Girona", "Hola", "", "", "", ""};
        QTest::newRow("foreign file with no padding")
            << QByteArray("line one\nline two\n") << QStringList{"line one\nline two\n", "", "", "", "", ""};
        QTest::newRow("code page 1252")
            << QByteArray("\x80 i \xe0") << QStringList{QString::fromUtf8("€ i à"), "", "", "", "", ""};
        QTest::newRow("leading blanks stay")
            << record("   sagnat") << QStringList{"   sagnat", "", "", "", "", ""};
    }
    void reading() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, parts);
        const Parts read = letterfile::read(bytes);
        for (int i = 0; i < PartCount; ++i)
            QCOMPARE(read[size_t(i)], parts[i]);
    }

    // A letter read back and written again gives the same bytes.
    void roundTrip() {
        Parts parts{QStringLiteral("Barcelona, 12 de maig"),
                    QStringLiteral("Estimada  Laia"),
                    QStringLiteral("Primera línia\r\nsegona\tamb tabulador"),
                    QString(600, QLatin1Char('z')),
                    QStringLiteral("Una abraçada,"),
                    QStringLiteral("Pere ")};
        const QByteArray bytes = write(parts);
        QCOMPARE(write(read(bytes)), bytes);
        QCOMPARE(read(bytes)[1], QStringLiteral("Estimada  Laia"));
        QCOMPARE(read(bytes)[3], QString(500, QLatin1Char('z')));
    }

    void loading() {
        QTemporaryDir dir;
        const QString path = dir.filePath("carta.txt");
        QVERIFY(!load(path)); // missing
        QVERIFY(!QFileInfo::exists(path));
        QVERIFY(!load(dir.path())); // a folder
        QVERIFY(writeFileBytes(path, record("Hola") + QByteArray(5000, 'x')));
        const std::optional<Parts> parts = load(path);
        QVERIFY(parts);
        QCOMPARE((*parts)[0], QStringLiteral("Hola"));
        QCOMPARE((*parts)[5], QString(500, QLatin1Char('x')));
    }

    // A pipe is refused at once: nobody will ever write into it.
    void pipeNeverBlocks() {
        QTemporaryDir dir;
        const QString fifo = dir.filePath("carta.txt");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!load(fifo));
        QVERIFY(timer.elapsed() < 5000);
    }

    void savingReplacesWhole() {
        QTemporaryDir dir;
        const QString path = dir.filePath("carta.txt");
        QVERIFY(writeFileBytes(path, QByteArray(4000, 'o')));
        Parts parts;
        parts[0] = QStringLiteral("nova");
        QVERIFY(save(path, parts));
        const QByteArray bytes = readFileBytes(path);
        QCOMPARE(bytes.size(), FileLength);
        QCOMPARE(bytes, write(parts));
    }

    void failedSaveKeepsOldFile() {
        QTemporaryDir dir;
        const QString folder = dir.filePath("tancada");
        QVERIFY(QDir().mkpath(folder));
        const QString path = QDir(folder).filePath("carta.txt");
        QVERIFY(writeFileBytes(path, "old"));
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        if (QFileInfo(folder).isWritable()) QSKIP("running with rights that ignore permissions");
        Parts parts;
        parts[0] = QStringLiteral("nova");
        QVERIFY(!save(path, parts));
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner));
        QCOMPARE(readFileBytes(path), QByteArray("old"));
        QVERIFY(!save(dir.path(), parts)); // a folder
    }
};

QTEST_GUILESS_MAIN(TestLetterFile)
#include "tst_letterfile.moc"
