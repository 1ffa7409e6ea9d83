// JPEG saving: size, quality, replacing, and silent failure.
#include "core/jpegsave.h"
#include "files.h"
#include "fulldisk.h"
#include "testservices.h"

#include <QDir>
#include <QImageReader>
#include <QPainter>
#include <QRegularExpression>
#include <QTest>
#include <cmath>

namespace {
// A picture with detail in it, so that the quality shows in the file.
QImage sample(QSize size, QImage::Format format = QImage::Format_RGB32) {
    QImage image(size, format);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixelColor(x, y,
                                QColor(x * 255 / size.width(), y * 255 / size.height(),
                                       int(128 + 100 * std::sin(x / 3.0) * std::cos(y / 4.0))));
    return image;
}

// Mean difference per colour channel.
double difference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            sum +=
                std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) + std::abs(p.blue() - q.blue());
        }
    return sum / (3.0 * a.width() * a.height());
}
} // namespace

class TestJpegSave : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writesJpegOfPictureSize_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("format");
        QTest::newRow("panel") << QSize(842, 579) << int(QImage::Format_RGB32);
        QTest::newRow("one pixel") << QSize(1, 1) << int(QImage::Format_RGB32);
        QTest::newRow("odd size, with alpha") << QSize(333, 17) << int(QImage::Format_ARGB32);
        QTest::newRow("indexed") << QSize(64, 48) << int(QImage::Format_Indexed8);
    }
    void writesJpegOfPictureSize() {
        QFETCH(QSize, size);
        QFETCH(int, format);
        TestServices t;
        QImage picture = sample(size);
        if (format != QImage::Format_RGB32) picture = picture.convertToFormat(QImage::Format(format));
        const QString file = QDir(t.scratchFolder()).filePath("dibuix.jpg");
        QVERIFY(savejpg(picture, file, 100));
        QImageReader reader(file);
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        const QImage back = reader.read();
        QCOMPARE(back.size(), size);
        QVERIFY(t.dialogs.messages.isEmpty());
    }

    void qualityIsHonoured() {
        TestServices t;
        const QImage picture = sample(QSize(200, 150));
        const QDir dir(t.scratchFolder());
        QVERIFY(savejpg(picture, dir.filePath("best.jpg"), 100));
        QVERIFY(savejpg(picture, dir.filePath("poor.jpg"), 10));
        QVERIFY(QFileInfo(dir.filePath("best.jpg")).size() > 2 * QFileInfo(dir.filePath("poor.jpg")).size());
        // At quality 100 the picture comes back nearly as it went in.
        const QImage best(dir.filePath("best.jpg"));
        const double bestError = difference(picture, best);
        const double poorError = difference(picture, QImage(dir.filePath("poor.jpg")));
        QVERIFY2(bestError < 2, qPrintable(QString::number(bestError)));
        QVERIFY2(poorError > 3 * bestError, qPrintable(QString::number(poorError)));
    }

    void replacesExistingFile() {
        TestServices t;
        const QString file = QDir(t.scratchFolder()).filePath("DIBU1.jpg");
        QVERIFY(savejpg(sample(QSize(300, 200)), file, 100));
        QVERIFY(savejpg(sample(QSize(40, 30)), file, 100));
        QCOMPARE(QImage(file).size(), QSize(40, 30));
        QCOMPARE(QDir(t.scratchFolder()).entryList(QDir::Files), QStringList{"DIBU1.jpg"});
    }

    void failsSilently_data() {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<bool>("nullPicture");
        QTest::newRow("missing folder") << "nowhere/DIBU1.jpg" << false;
        QTest::newRow("missing nested folder") << "auca/nova/DIBU1.jpg" << false;
        QTest::newRow("empty picture") << "DIBU1.jpg" << true;
    }
    void failsSilently() {
        QFETCH(QString, relative);
        QFETCH(bool, nullPicture);
        TestServices t;
        const QDir dir(t.scratchFolder());
        const QStringList before = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QVERIFY(!savejpg(nullPicture ? QImage() : sample(QSize(20, 20)), dir.filePath(relative), 100));
        QVERIFY(!QFileInfo::exists(dir.filePath(relative)));
        QCOMPARE(dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before); // no folder made
        QVERIFY(t.dialogs.messages.isEmpty());
    }

    // Where the disk refuses the new picture, the old one stays byte for byte.
    void aFullDiskKeepsTheOldPicture_data() {
        addRefusingPlaceRows();
    }
    void aFullDiskKeepsTheOldPicture() {
        QFETCH(int, kind);
        RefusingPlace place{RefusingPlace::Kind(kind)};
        if (!place.ready()) QSKIP(qPrintable(place.reason()));
        const QString file = place.file("DIBU1.jpg");
        QVERIFY(savejpg(sample(QSize(120, 80)), file, 100));
        const QByteArray before = readFileBytes(file);
        place.refuse();
        const QMap<QString, QByteArray> full = folderContents(place.folder());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot write"));
        QVERIFY(!savejpg(sample(QSize(300, 200)), file, 100));
        place.allow();
        QCOMPARE(folderContents(place.folder()), full);
        QCOMPARE(readFileBytes(file), before);
    }
};

QTEST_MAIN(TestJpegSave)
#include "tst_jpegsave.moc"
