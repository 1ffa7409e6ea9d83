// The rules the picture windows share: fitting to the capped screen, centring, the mosaic, the
// numbered names of copies and the picture files menu.
#include "core/random.h"
#include "pictures/mosaic.h"
#include "pictures/picturefiles.h"
#include "testservices.h"
#include "workshop/picturefilelist.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace {
const QSizeF Screen1024(15360, 11520);

QImage filled(QSize size, const QColor& colour) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(colour);
    return img;
}
} // namespace

class TestPictureFiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cappedScreen_data() {
        QTest::addColumn<QSize>("real");
        QTest::addColumn<QSizeF>("twips");
        QTest::newRow("design") << QSize(1024, 768) << QSizeF(15360, 11520);
        QTest::newRow("larger") << QSize(2560, 1440) << QSizeF(15360, 11520);
        QTest::newRow("smaller") << QSize(800, 600) << QSizeF(12000, 9000);
        QTest::newRow("wide but short") << QSize(1920, 700) << QSizeF(15360, 10500);
        QTest::newRow("none") << QSize() << QSizeF(15360, 11520);
    }
    void cappedScreen() {
        QFETCH(QSize, real);
        QFETCH(QSizeF, twips);
        QCOMPARE(cappedScreenTwips(real), twips);
    }

    void fitting_data() {
        QTest::addColumn<QSizeF>("picture");
        QTest::addColumn<double>("limit");
        QTest::addColumn<int>("steps");
        QTest::addColumn<QSizeF>("shown");
        QTest::newRow("wide") << QSizeF(30000, 15000) << 0.9 << 16 << QSizeF(13203.8, 6601.9);
        QTest::newRow("tall") << QSizeF(9000, 12000) << 0.9 << 3 << QSizeF(7716.4, 10288.5);
        QTest::newRow("20000 x 10000") << QSizeF(20000, 10000) << 0.9 << 8 << QSizeF(13268.4, 6634.2);
        QTest::newRow("height decides") << QSizeF(6000, 16000) << 0.9 << 9 << QSizeF(3781.5, 10084.0);
        QTest::newRow("fits") << QSizeF(3000, 2000) << 0.9 << 0 << QSizeF(3000, 2000);
        QTest::newRow("width at its limit") << QSizeF(13824, 10368) << 0.9 << 0 << QSizeF(13824, 10368);
        QTest::newRow("just over") << QSizeF(13825, 100) << 0.9 << 1 << QSizeF(13133.75, 95);
        QTest::newRow("whole screen") << QSizeF(15360, 11520) << 1.0 << 0 << QSizeF(15360, 11520);
        QTest::newRow("empty") << QSizeF(0, 0) << 0.9 << 0 << QSizeF(0, 0);
    }
    void fitting() {
        QFETCH(QSizeF, picture);
        QFETCH(double, limit);
        QFETCH(int, steps);
        QFETCH(QSizeF, shown);
        const FittedSize fitted = fitPictureSize(picture, Screen1024, limit);
        QCOMPARE(fitted.steps, steps);
        QVERIFY2(qAbs(fitted.size.width() - shown.width()) < 0.1,
                 qPrintable(QString::number(fitted.size.width())));
        QVERIFY2(qAbs(fitted.size.height() - shown.height()) < 0.1,
                 qPrintable(QString::number(fitted.size.height())));
    }

    void centring_data() {
        QTest::addColumn<QSizeF>("box");
        QTest::addColumn<QPointF>("corner");
        QTest::newRow("9000 x 6000") << QSizeF(9000, 6000) << QPointF(3180, 2760);
        QTest::newRow("3000 x 2000") << QSizeF(3000, 2000) << QPointF(6180, 4760);
        QTest::newRow("the design display") << QSizeF(12100, 9080) << QPointF(1630, 1220);
    }
    void centring() {
        QFETCH(QSizeF, box);
        QFETCH(QPointF, corner);
        QCOMPARE(centredOnScreen(Screen1024, box), corner);
    }

    void mosaicCellsTakeTheirCornerColour() {
        QImage picture(23, 14, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, qRgb(x * 10, y * 15, (x + y) % 256));
        const QImage cells = mosaicCells(picture);
        QCOMPARE(cells.size(), picture.size());
        const auto at = [&](int x, int y) { return cells.pixel(x, y); };
        // The top row of pixels is never touched; the first row of cells starts at x = 1.
        for (int x = 0; x < picture.width(); ++x)
            QCOMPARE(qAlpha(at(x, 0)), 0);
        QCOMPARE(qAlpha(at(0, 1)), 0);
        for (int y = 1; y <= 4; ++y)
            for (int x = 1; x <= 4; ++x)
                QCOMPARE(at(x, y), picture.pixel(1, 1));
        QCOMPARE(at(5, 1), picture.pixel(5, 1));
        // Later rows start at x = 0, y = 5, 9, ...
        for (int y = 5; y <= 8; ++y)
            for (int x = 0; x <= 3; ++x)
                QCOMPARE(at(x, y), picture.pixel(0, 5));
        QCOMPARE(at(4, 9), picture.pixel(4, 9));
        // Cells at the edge are cut: the last rows and columns take their cell's corner.
        QCOMPARE(at(22, 13), picture.pixel(20, 13));
    }

    void mosaicReachesAtMost1280By880() {
        const QImage cells = mosaicCells(filled(QSize(1300, 900), Qt::red));
        QCOMPARE(qAlpha(cells.pixel(1279, 880)), 255);
        QCOMPARE(qAlpha(cells.pixel(1280, 100)), 0);
        QCOMPARE(qAlpha(cells.pixel(100, 881)), 0);
        QVERIFY(mosaicCells(QImage()).isNull());
    }

    void numberedNamesNeverTakeAnExistingOne() {
        QTemporaryDir dir;
        Random random;
        random.seed(5);
        Random replay;
        replay.seed(5);
        const int first = replay.below(3);
        // The first draw's name is taken (in other case), so a later draw gives another.
        QVERIFY(QFile(dir.filePath(QStringLiteral("espec%1.jpg").arg(first))).open(QIODevice::WriteOnly));
        const auto name = [](int n) { return QStringLiteral("ESPEC%1.JPG").arg(n); };
        const std::optional<QString> chosen = unusedNumberedName(dir.path(), random, 3, name);
        QVERIFY(chosen.has_value());
        QVERIFY(*chosen != name(first));
        // With every name taken there is none, and the draws end.
        for (int n = 0; n < 3; ++n)
            QVERIFY(QFile(dir.filePath(name(n))).open(QIODevice::WriteOnly));
        QVERIFY(!unusedNumberedName(dir.path(), random, 3, name).has_value());
    }

    void menuItemsNameTheFirst26Files_data() {
        QTest::addColumn<int>("files");
        QTest::newRow("none") << 0;
        QTest::newRow("three") << 3;
        QTest::newRow("thirty") << 30;
    }
    void menuItemsNameTheFirst26Files() {
        QFETCH(int, files);
        QTemporaryDir dir;
        for (int i = 0; i < files; ++i)
            QVERIFY(filled(QSize(4, 4), Qt::green)
                        .save(dir.filePath(QStringLiteral("f%1.bmp").arg(i, 2, 10, QChar('0')))));
        QMenu menu;
        PictureMenu lista = addPictureFilesMenu(&menu);
        PictureFileList list;
        list.setPath(dir.path());
        for (QAction* item : lista)
            item->setText(QStringLiteral("old"));
        FillPictureFilesMenu(lista, &list);
        for (int i = 0; i < PictureMenuItems; ++i) {
            const QString expected =
                i < files ? QStringLiteral("f%1.bmp").arg(i, 2, 10, QChar('0')) : QString();
            QCOMPARE(lista[size_t(i)]->text(), expected);
            QCOMPARE(lista[size_t(i)]->objectName(), QStringLiteral("lista_%1").arg(i));
        }
    }

    void entriesLoadFromTheListsOwnFolder() {
        TestServices t;
        QTemporaryDir dir;
        QVERIFY(filled(QSize(40, 30), Qt::blue).save(dir.filePath("a.bmp")));
        QFile bad(dir.filePath("b.jpg"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("no picture");
        bad.close();
        QVERIFY(QDir(dir.path()).mkdir("c.bmp")); // a folder is not listed
        PictureFileList list;
        list.setPath(dir.path());
        t.services().currentFolder = t.programFolder(); // elsewhere
        QCOMPARE(list.count(), 2);
        const auto whole = [](QSize s) { return s; };
        const std::optional<HeldPicture> a = loadPictureEntry(&list, 0, whole);
        QVERIFY(a.has_value());
        QCOMPARE(a->size, QSize(40, 30));
        QCOMPARE(a->image.pixel(5, 5), qRgb(0, 0, 255));
        QVERIFY(!loadPictureEntry(&list, 1, whole).has_value());
        const std::optional<HeldPicture> past = loadPictureEntry(&list, 7, whole);
        QVERIFY(past.has_value());
        QVERIFY(past->image.isNull());
        // Decoded straight at a smaller size, the holder still knows the file's own size.
        const std::optional<HeldPicture> small =
            loadPictureEntry(&list, 0, [](QSize) { return QSize(20, 15); });
        QVERIFY(small.has_value());
        QCOMPARE(small->size, QSize(40, 30));
        QCOMPARE(small->image.size(), QSize(20, 15));
        // A pipe put in a listed file's place since the list was made neither loads nor blocks.
        QVERIFY(QFile::remove(dir.filePath("a.bmp")));
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("a.bmp")).constData(), 0600), 0);
        QVERIFY(!loadPictureEntry(&list, 0, whole).has_value());
    }
};

QTEST_MAIN(TestPictureFiles)
#include "tst_picturefiles.moc"
