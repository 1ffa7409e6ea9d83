// The picture menu's layout without widgets: which area each point belongs to, and where the
// activity pictures lie in the bitmaps.
#include "shell/picturemenu/picturemenu.h"
#include "shell/picturemenu/picturemenuart.h"
#include "shell/picturemenu/picturemenuimages.h"

#include <QFile>
#include <QTest>
#include <vector>

namespace pm = picturemenu;

namespace {
bool isWhite(const QImage& img, int x, int y) {
    return img.pixel(x, y) == qRgb(255, 255, 255);
}
} // namespace

class TestPictureMenu : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void picturesLieUnderTheirOwnAreas() {
        const QRect menu(QPoint(0, 0), pm::MenuSize);
        for (int a = 0; a < pm::AreaCount; ++a) {
            const QRect tile = pm::tileRect(a);
            QVERIFY2(menu.contains(tile), qPrintable(QString::number(a)));
            QVERIFY2(pm::areaRect(a).contains(tile), qPrintable(QString::number(a)));
            QCOMPARE(pm::ownedRegion(a).intersected(tile), QRegion(tile));
            QCOMPARE(pm::areaAt(pm::areaRect(a).center()), a);
            for (int b = a + 1; b < pm::AreaCount; ++b)
                QVERIFY2(!tile.intersects(pm::tileRect(b)), qPrintable(QString("%1 %2").arg(a).arg(b)));
        }
        // The zone inside Picture9 and Picture10 itself keep their pictures in their own bitmaps.
        QVERIFY(pm::picture9Rect().contains(pm::tileRect(pm::LetterOrderingZone)));
        QVERIFY(pm::picture10Rect().contains(pm::tileRect(pm::ExtraIcon)));
    }

    // Every point of the menu that some zone covers belongs to exactly one area, and that is the
    // area areaAt names; points that no zone covers belong to none.
    void everyPointBelongsToOneAreaAtMost() {
        const int w = pm::MenuSize.width(), h = pm::MenuSize.height();
        std::vector<int> count(size_t(w * h), 0), owner(size_t(w * h), pm::NoArea);
        for (int a = 0; a < pm::AreaCount; ++a) {
            for (const QRect& r : pm::ownedRegion(a)) {
                for (int y = r.top(); y <= r.bottom(); ++y)
                    for (int x = r.left(); x <= r.right(); ++x) {
                        ++count[size_t(y * w + x)];
                        owner[size_t(y * w + x)] = a;
                    }
            }
        }
        int shared = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                bool covered = false;
                int covering = 0;
                for (int a = 0; a < pm::AreaCount; ++a)
                    if (pm::areaRect(a).contains(x, y)) covered = true, ++covering;
                shared += covering > 1;
                const size_t i = size_t(y * w + x);
                if (count[i] != (covered ? 1 : 0) || owner[i] != pm::areaAt({x, y}))
                    QFAIL(qPrintable(QString("point %1,%2: %3 owners").arg(x).arg(y).arg(count[i])));
            }
        QVERIFY2(shared > 1000, "the zones do overlap, as designed");
    }

    // Where two zones overlap, the point goes to the zone whose picture is nearer.
    void overlapsGoToTheNearerPicture_data() {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("area");
        // zones 10 and 11 overlap on rows 288 to 303; their pictures end at 291 and start at 300
        QTest::newRow("10/11 near 10") << QPoint(160, 292) << 10;
        QTest::newRow("10/11 near 11") << QPoint(160, 297) << 11;
        QTest::newRow("10/11 on 11's picture") << QPoint(160, 302) << 11;
        // zones 0 and 1 overlap on rows 78 to 87
        QTest::newRow("0/1 near 0") << QPoint(60, 80) << 0;
        QTest::newRow("0/1 near 1") << QPoint(60, 86) << 1;
        // zone 19 reaches into column 3 (x 324 to 330) beside zone 15
        QTest::newRow("15/19 near 15") << QPoint(326, 180) << 15;
        QTest::newRow("15/19 near 19") << QPoint(336, 180) << 19;
        // zone 5 reaches over a corner of Picture10
        QTest::newRow("5/Picture10") << QPoint(123, 438) << pm::ExtraIcon;
        // zone 25 reaches into Picture9, above zone 28
        QTest::newRow("25 in Picture9") << QPoint(500, 295) << 25;
        QTest::newRow("25/28 near 28") << QPoint(500, 297) << 28;
        QTest::newRow("bare") << QPoint(600, 300) << int(pm::NoArea);
        QTest::newRow("Picture9 beside zone 28") << QPoint(447, 330) << int(pm::NoArea);
    }
    void overlapsGoToTheNearerPicture() {
        QFETCH(QPoint, point);
        QFETCH(int, area);
        QCOMPARE(pm::areaAt(point), area);
    }

    // The bitmaps the program loads are those its code draws (painted during the build).
    void loadedBitmapsAreTheDrawnOnes() {
        for (const char* name : {"menu.rgb", "letterordering.rgb", "picturewordsearch.rgb"})
            QVERIFY2(QFile::exists(QStringLiteral(":/picturemenu/") + QLatin1String(name)), name);
        QVERIFY(pictureMenuImage() == drawPictureMenu());
        QVERIFY(letterOrderingImage() == drawLetterOrdering());
        QVERIFY(pictureWordSearchImage() == drawPictureWordSearch());
    }

    // Each bitmap shows its cards on a white ground, each card under its own zone.
    void bitmapsShowEachCardUnderItsZone() {
        const QImage menu = pictureMenuImage();
        const QImage letters = letterOrderingImage();
        const QImage extra = pictureWordSearchImage();
        QCOMPARE(menu.size(), QSize(667, 520));
        QCOMPARE(letters.size(), QSize(106, 72));
        QCOMPARE(extra.size(), QSize(104, 70));

        QRegion cards;
        for (int a = 0; a < pm::ZoneCount; ++a)
            if (a != pm::LetterOrderingZone) cards += pm::tileRect(a);
        for (int y = 0; y < menu.height(); ++y)
            for (int x = 0; x < menu.width(); ++x)
                if (!cards.contains(QPoint(x, y)) && !isWhite(menu, x, y))
                    QFAIL(qPrintable(QString("menu %1,%2 is not white").arg(x).arg(y)));
        for (int a = 0; a < pm::ZoneCount; ++a) {
            if (a == pm::LetterOrderingZone) continue;
            const QRect t = pm::tileRect(a);
            QVERIFY2(!isWhite(menu, t.left() + 5, t.center().y()), qPrintable(QString::number(a)));
        }

        struct Own {
            const QImage& img;
            QRect tile;
        };
        const Own own[] = {
            {letters, pm::tileRect(pm::LetterOrderingZone).translated(-pm::picture9Rect().topLeft())},
            {extra, pm::tileRect(pm::ExtraIcon).translated(-pm::picture10Rect().topLeft())},
        };
        for (const Own& o : own) {
            QVERIFY(QRect(QPoint(0, 0), o.img.size()).contains(o.tile));
            QVERIFY(!isWhite(o.img, o.tile.left() + 5, o.tile.center().y()));
            for (int y = 0; y < o.img.height(); ++y)
                for (int x = 0; x < o.img.width(); ++x)
                    if (!o.tile.contains(x, y) && !isWhite(o.img, x, y)) QFAIL("card outside its place");
        }
    }
};

QTEST_MAIN(TestPictureMenu)
#include "tst_picturemenu.moc"
