// The pictures shipped in "dibuixos", so that the picture lists have something on a new
// machine: enough of them, each one loads, each one listed in the assets.
#include "files.h"
#include "workshop/picturefilelist.h"

#include <QDir>
#include <QImage>
#include <QTest>

class TestShippedPictures : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pictures() {
        const QString folder = QStringLiteral(TAUDRIN_SOURCE_DIR "/data/dibuixos");
        const QStringList names = listPictureFiles(folder, QString::fromLatin1(DefaultPicturePattern));
        QVERIFY(names.size() >= 9);
        const QString assets =
            QString::fromUtf8(readFileBytes(QStringLiteral(TAUDRIN_SOURCE_DIR "/data/ASSETS.md")));
        for (const QString& name : names) {
            QVERIFY2(name.endsWith(QLatin1String(".jpg")), qPrintable(name));
            const QImage image(QDir(folder).filePath(name));
            QVERIFY2(!image.isNull(), qPrintable(name));
            QCOMPARE(image.size(), QSize(320, 240));
            QVERIFY2(assets.contains(QStringLiteral("dibuixos/") + name), qPrintable(name));
        }
    }
};

QTEST_MAIN(TestShippedPictures)
#include "tst_shippedpictures.moc"
