// The cube's net: cutting one picture into the six faces, and the net's own picture.
#include "core/twips.h"
#include "workshop/cubenet.h"

#include <QTest>

namespace {
// A picture of three by two cells, each one plain colour, in reading order.
const QColor Cells[2][3] = {{Qt::red, Qt::green, Qt::blue}, {Qt::yellow, Qt::magenta, Qt::cyan}};

QImage sixColours(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixelColor(x, y, Cells[y * 2 / size.height()][x * 3 / size.width()]);
    return image;
}

// Whether the picture is the colour all over, edges included, once blending at the cell borders
// is allowed for.
bool plain(const QImage& picture, const QColor& colour) {
    const int last = picture.width() - 1;
    for (QPoint at : {QPoint(2, 2), QPoint(last - 2, 2), QPoint(2, last - 2), QPoint(last - 2, last - 2),
                      QPoint(last / 2, last / 2)})
        if (picture.pixelColor(at).rgb() != colour.rgb()) return false;
    return true;
}
} // namespace

class TestCubeNet : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Each sixth of the picture lands on the face the cutting grid gives it, whatever the
    // picture's proportions.
    void cutsByTheGrid_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("twice as wide as high") << QSize(600, 300);
        QTest::newRow("already three by two") << QSize(393, 262);
        QTest::newRow("taller than wide") << QSize(240, 600);
    }
    void cutsByTheGrid() {
        QFETCH(QSize, size);
        const CubeFacePictures faces = cutIntoFaces(sixColours(size));
        // Column by column, top row first: 0 and 1, 2 and 3, 6 and 4.
        const int expected[2][3] = {{0, 2, 6}, {1, 3, 4}};
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < 3; ++column) {
                const QImage& face = faces[size_t(expected[row][column])];
                QCOMPARE(face.size(), QSize(tw(CubeFaceTwips), tw(CubeFaceTwips)));
                QVERIFY2(plain(face, Cells[row][column]),
                         qPrintable(QStringLiteral("face %1").arg(expected[row][column])));
            }
        QVERIFY(faces[5].isNull());
    }

    void nothingToCutGivesNoFaces() {
        for (const QImage& face : cutIntoFaces(QImage()))
            QVERIFY(face.isNull());
        QVERIFY(stretchForCube(QImage()).isNull());
    }

    // The net's tabs stand out from the white ground on the edges that carry them, and only there.
    void netCarriesItsTabs_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("tab");
        // Faces in pixels: 0 at (57, 166), 1 at (318, 166), 3 at (448, 166), each 131 square;
        // 4 at (188, 36) and 6 at (188, 296).
        QTest::newRow("above the first") << QPoint(122, 152) << true;
        QTest::newRow("below the first") << QPoint(122, 310) << true;
        QTest::newRow("above the third") << QPoint(383, 152) << true;
        QTest::newRow("below the fourth") << QPoint(513, 310) << true;
        QTest::newRow("right of the fourth") << QPoint(592, 231) << true;
        QTest::newRow("left of the first") << QPoint(44, 231) << false;
        QTest::newRow("left of the top face") << QPoint(175, 100) << false;
        QTest::newRow("right of the bottom face") << QPoint(332, 360) << false;
        QTest::newRow("above the top face") << QPoint(253, 20) << false;
    }
    void netCarriesItsTabs() {
        QFETCH(QPoint, at);
        QFETCH(bool, tab);
        const QImage net = drawCubeNet();
        QCOMPARE(net.size(), QSize(652, 470));
        QCOMPARE(net.pixelColor(at) != QColor(Qt::white), tab);
    }
};

QTEST_GUILESS_MAIN(TestCubeNet)
#include "tst_cubenet.moc"
