// A saved comic strip's folder without widgets: the caption file's records, writing and reading.
#include "comicstrip/aucafolder.h"
#include "files.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using comicstrip::AucaFolder;
using comicstrip::AucaStrip;

namespace {
QImage filled(QColor colour) {
    QImage image(188, 117, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

AucaStrip sampleStrip() {
    AucaStrip strip;
    const QColor colours[] = {Qt::red,  Qt::green,   Qt::blue,     Qt::yellow, Qt::cyan,
                              Qt::gray, Qt::magenta, Qt::darkBlue, Qt::black};
    for (int i = 0; i < comicstrip::Panels; ++i) {
        strip.pictures[i] = filled(colours[i]);
        strip.first[i] = QStringLiteral("panell %1").arg(i);
        strip.second[i] = QStringLiteral("primera línia %1\nsegona").arg(i);
    }
    return strip;
}

bool near(QRgb a, QColor b) {
    return qAbs(qRed(a) - b.red()) < 12 && qAbs(qGreen(a) - b.green()) < 12 && qAbs(qBlue(a) - b.blue()) < 12;
}
} // namespace

class TestAucaFolder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void recordsAreSpaceFilled() {
        AucaStrip strip;
        strip.first[0] = "ABC";
        strip.second[1] = "un\ndos";
        strip.first[2] = QString(701, 'x');
        const QByteArray bytes = AucaFolder::captionBytes(strip);
        QCOMPARE(bytes.size(), 12600);
        QCOMPARE(bytes.left(700), QByteArray("ABC") + QByteArray(697, ' '));
        QCOMPARE(bytes.mid(700, 700), QByteArray(700, ' '));
        QCOMPARE(bytes.mid(1400, 700), QByteArray(700, 'x'));
        QCOMPARE(bytes.mid(10 * 700, 700), QByteArray("un\r\ndos") + QByteArray(693, ' '));
    }

    void captionsRoundTrip_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("plain") << "el gat"
                               << "el gat";
        QTest::newRow("Catalan letters")
            << QString::fromUtf8("plaça, col·legi, 3 €") << QString::fromUtf8("plaça, col·legi, 3 €");
        QTest::newRow("outside the code page") << QString::fromUtf8("Ωmega") << "?mega";
        QTest::newRow("fill dropped") << "gos   "
                                      << "gos";
        QTest::newRow("leading spaces kept") << "  gos"
                                             << "  gos";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("whole record") << QString(700, 'z') << QString(700, 'z');
    }
    void captionsRoundTrip() {
        QFETCH(QString, caption);
        QFETCH(QString, readBack);
        AucaStrip strip;
        strip.first[4] = caption;
        strip.second[4] = "x\n" + caption;
        AucaStrip read;
        AucaFolder::readCaptions(AucaFolder::captionBytes(strip), read);
        QCOMPARE(read.first[4], readBack);
        QCOMPARE(read.second[4], QString("x\n" + readBack).left(699)); // "x" and CR LF leave 697 bytes
        QVERIFY(read.first[3].isEmpty());
    }

    void shortFileGivesEmptyCaptions() {
        AucaStrip strip = sampleStrip();
        const QByteArray bytes = AucaFolder::captionBytes(strip).left(2 * 700 + 4);
        AucaStrip read;
        read.first[5] = "old";
        AucaFolder::readCaptions(bytes, read);
        QCOMPARE(read.first[0], QString("panell 0"));
        QCOMPARE(read.first[1], QString("panell 1"));
        QCOMPARE(read.first[2], QString("pane"));
        for (int i = 3; i < comicstrip::Panels; ++i)
            QVERIFY(read.first[i].isEmpty());
        for (const QString& second : read.second)
            QVERIFY(second.isEmpty());
    }

    void fitToRecord_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("kept");
        QTest::newRow("short") << "abc" << 3;
        QTest::newRow("700") << QString(700, 'a') << 700;
        QTest::newRow("701") << QString(701, 'a') << 700;
        QTest::newRow("line break counts two") << QString(698, 'a') + "\nb" << 699;
        QTest::newRow("line break that does not fit") << QString(699, 'a') + "\nb" << 699;
        QTest::newRow("ŀ counts two, as l·") << QString(698, 'a') + QString::fromUtf8("ŀŀ") << 699;
    }
    void fitToRecord() {
        QFETCH(QString, caption);
        QFETCH(int, kept);
        const QString fitted = AucaFolder::fitToRecord(caption);
        QCOMPARE(fitted.size(), kept);
        QVERIFY(AucaFolder::recordBytes(fitted) <= 700);
        QVERIFY(caption.startsWith(fitted));
    }

    void writeThenRead() {
        QTemporaryDir dir;
        const QString folder = QDir(dir.filePath("auca")).filePath("gats");
        const AucaStrip strip = sampleStrip();
        QVERIFY(AucaFolder::write(folder, strip)); // creates "auca" too
        QStringList names = QDir(folder).entryList(QDir::Files, QDir::Name);
        QCOMPARE(names, (QStringList{"DIBU1.jpg", "DIBU2.jpg", "DIBU3.jpg", "DIBU4.jpg", "DIBU5.jpg",
                                     "DIBU6.jpg", "DIBU7.jpg", "DIBU8.jpg", "DIBU9.jpg", "arxi.txt"}));
        QCOMPARE(QFileInfo(QDir(folder).filePath("arxi.txt")).size(), 12600);

        const std::optional<AucaStrip> read = AucaFolder::read(QDir(folder).filePath("arxi.txt"));
        QVERIFY(read);
        for (int i = 0; i < comicstrip::Panels; ++i) {
            QCOMPARE(read->first[i], strip.first[i]);
            QCOMPARE(read->second[i], strip.second[i]);
            QCOMPARE(read->pictures[i].size(), QSize(188, 117));
            QVERIFY(near(read->pictures[i].pixel(90, 60), strip.pictures[i].pixelColor(90, 60)));
        }
    }

    void readingMatchesNamesWhateverTheirCase() {
        QTemporaryDir dir;
        const AucaStrip strip = sampleStrip();
        QVERIFY(AucaFolder::write(dir.path(), strip));
        QDir d(dir.path());
        QVERIFY(d.rename("DIBU2.jpg", "dibu2.JPG"));
        QVERIFY(d.rename("arxi.txt", "ARXI.TXT"));
        QVERIFY(d.remove("DIBU4.jpg"));
        const std::optional<AucaStrip> read = AucaFolder::read(d.filePath("ARXI.TXT"));
        QVERIFY(read);
        QVERIFY(!read->pictures[1].isNull());
        QVERIFY(read->pictures[3].isNull());
        QCOMPARE(read->first[8], QString("panell 8"));

        // Saving again leaves one file of each name.
        QVERIFY(AucaFolder::write(dir.path(), strip));
        QCOMPARE(d.entryList(QDir::Files).size(), 10);
        QVERIFY(d.exists("DIBU2.jpg"));
        QVERIFY(d.exists("arxi.txt"));
    }

    void savedAgainIsByteForByteTheSame() {
        QTemporaryDir dir;
        AucaStrip strip = sampleStrip();
        strip.first[0] = QString::fromUtf8("ç l·l €");
        QVERIFY(AucaFolder::write(dir.path(), strip));
        const QString file = QDir(dir.path()).filePath("arxi.txt");
        const QByteArray first = readFileBytes(file);
        std::optional<AucaStrip> read = AucaFolder::read(file);
        QVERIFY(read);
        QVERIFY(AucaFolder::write(dir.path(), *read));
        QCOMPARE(readFileBytes(file), first);
    }

    void readingWhatIsNotThere_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing file") << "cap.txt";
        QTest::newRow("a folder") << "carpeta";
    }
    void readingWhatIsNotThere() {
        QFETCH(QString, name);
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("carpeta");
        QVERIFY(!AucaFolder::read(QDir(dir.path()).filePath(name)));
        QVERIFY(!QFileInfo::exists(QDir(dir.path()).filePath("cap.txt")));
    }

    void foreignFileReadsSafely() {
        QTemporaryDir dir;
        const QString file = QDir(dir.path()).filePath("x.txt");
        QVERIFY(writeFileBytes(file, QByteArray("\0\0abc\r\n\xff", 8) + QByteArray(30000, 'q')));
        const std::optional<AucaStrip> read = AucaFolder::read(file);
        QVERIFY(read);
        QCOMPARE(read->first[0].mid(2, 4), QString("abc\n"));
        QCOMPARE(read->first[1], QString(700, 'q'));
    }

    // A strip with a panel that can't be written (no picture) changes nothing: the old strip's
    // ten files stay, and a new strip leaves no folder.
    void aStripMissingAPictureWritesNothing() {
        QTemporaryDir dir;
        const QString folder = dir.filePath("gats");
        QVERIFY(AucaFolder::write(folder, sampleStrip()));
        const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        QList<QByteArray> before;
        for (const QString& name : names)
            before << readFileBytes(QDir(folder).filePath(name));
        AucaStrip broken = sampleStrip();
        broken.first[0] = "nou";
        broken.pictures[5] = QImage();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("could not be saved"));
        QVERIFY(!AucaFolder::write(folder, broken));
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name), names);
        for (int i = 0; i < names.size(); ++i)
            QCOMPARE(readFileBytes(QDir(folder).filePath(names[i])), before[i]);

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("could not be saved"));
        QVERIFY(!AucaFolder::write(dir.filePath("nova"), broken));
        QVERIFY(!QFileInfo::exists(dir.filePath("nova")));
    }

    void writeFailsWhereNoFolderCanBe() {
        QTemporaryDir dir;
        const QString blocker = dir.filePath("auca");
        QVERIFY(writeFileBytes(blocker, "a file, not a folder"));
        QVERIFY(!AucaFolder::write(QDir(blocker).filePath("gats"), sampleStrip()));
        QCOMPARE(readFileBytes(blocker), QByteArray("a file, not a folder"));
    }
};

QTEST_GUILESS_MAIN(TestAucaFolder)
#include "tst_aucafolder.moc"
