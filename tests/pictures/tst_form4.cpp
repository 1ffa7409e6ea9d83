// The puzzle window: building a puzzle from a model and dragging its pieces into place.
#include "core/controls.h"
#include "core/sharedstate.h"
#include "pictures/form4.h"
#include "pictures/puzzlerules.h"
#include "testservices.h"
#include "workshop/tint.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <QTest>

namespace {
const QRgb TopLeft = qRgb(200, 30, 30), TopRight = qRgb(30, 200, 30), BottomLeft = qRgb(30, 30, 200),
           BottomRight = qRgb(200, 200, 30);

// A model of four coloured quarters, not at the board's size.
QImage quarters() {
    QImage img(240, 240, QImage::Format_RGB32);
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 240; ++x)
            img.setPixel(x, y,
                         y < 120 ? (x < 120 ? TopLeft : TopRight) : (x < 120 ? BottomLeft : BottomRight));
    return img;
}

QPoint twips(const QWidget* w) {
    return QPoint(w->x() * 15, w->y() * 15);
}

struct Puzzle {
    TestServices t;
    Form4* f = nullptr;

    Puzzle() {
        f = &t.forms().show<Form4>();
        t.state().setActivityCode(20);
    }
    void build(int n, const QImage& model = quarters()) {
        f->Combo3->setCurrentIndex(n - 1);
        f->BuildPuzzle(model);
    }
    PictureBox* piece(int k) const { return f->Picture54[size_t(k)]; }
    // Mouse events at exact points (QTest takes a null point for the widget's centre).
    static void send(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button,
                     Qt::MouseButtons buttons) {
        QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    void press(int k, QPoint at = {}) {
        send(piece(k), QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    }
    // A move over the board, in board pixels, with or without a button held.
    void move(QPoint at, Qt::MouseButtons buttons = Qt::LeftButton) {
        send(f->Picture56, QEvent::MouseMove, at, Qt::NoButton, buttons);
    }
    // A release where the pointer is: over the piece it holds, at the grab point.
    void releaseOn(QWidget* w, QPoint at = {}) {
        send(w, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }
    // Drags piece k, grabbed at its corner, so that its corner lies at the board pixel.
    void drag(int k, QPoint corner) {
        press(k);
        move(corner);
        releaseOn(piece(k));
    }
    QString placed(int k) const { return f->List2[k] + QLatin1Char(',') + f->List3[k]; }
};
} // namespace

class TestForm4 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startsEmpty() {
        Puzzle p;
        QCOMPARE(p.f->windowTitle(), QStringLiteral("Taudrin'TXT  PUZZLES"));
        QCOMPARE(p.f->Picture56->size(), QSize(5, 5));
        QCOMPARE(p.f->Combo3->currentText(), QStringLiteral("3"));
        QCOMPARE(p.f->Label28, 0);
        QCOMPARE(p.f->LABEL58, 0);
        QVERIFY(p.f->List2.isEmpty());
        for (int k = 0; k < 25; ++k)
            QVERIFY(!p.piece(k)->isVisible());
    }

    void buildCutsTheModel_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("corner"); // the piece showing the top-left square
        QTest::newRow("1") << 1 << 9000 << 0;
        QTest::newRow("2") << 2 << 4500 << 0;
        QTest::newRow("3") << 3 << 3000 << 0;
        QTest::newRow("4") << 4 << 2250 << 0;
        QTest::newRow("5") << 5 << 1800 << 10;
    }
    void buildCutsTheModel() {
        QFETCH(int, n);
        QFETCH(int, side);
        QFETCH(int, corner);
        Puzzle p;
        p.build(n);
        QCOMPARE(p.f->Label28, side);
        for (int k = 0; k < 25; ++k) {
            QCOMPARE(p.piece(k)->isVisible(), k < n * n);
            QCOMPARE(p.piece(k)->size(), QSize(side / 15, side / 15));
        }
        QCOMPARE(p.piece(corner)->Picture().pixel(2, 2), TopLeft);
        // After the build the board shows its ground, the grid and the tray, not the model.
        QCOMPARE(p.f->Picture56->size(), QSize(933, 600));
        const QImage board = p.f->Picture56->Picture();
        QCOMPARE(board.pixel(side / 15 / 2, side / 15 / 2), qRgb(224, 224, 224));
        QCOMPARE(board.pixel(0, 300), qRgb(250, 250, 250));
        QCOMPARE(board.pixel(800, 300), qRgb(32, 52, 73));
        QCOMPARE(board.pixel(600, 300), qRgb(240, 240, 248));
        QVERIFY(!p.f->Shape5->isVisible());
        QCOMPARE(p.f->LABEL57, 0);
    }

    void twoByTwoQuarters() {
        Puzzle p;
        p.build(2);
        const QRgb expected[4] = {TopLeft, BottomLeft, TopRight, BottomRight};
        for (int k = 0; k < 4; ++k) {
            const QImage img = p.piece(k)->Picture();
            QCOMPARE(img.size(), QSize(300, 300));
            // Whole quarters: every corner of the piece is of its colour.
            for (QPoint at : {QPoint(1, 1), QPoint(298, 1), QPoint(1, 298), QPoint(298, 298)})
                QCOMPARE(img.pixel(at), expected[k]);
        }
        QVERIFY(QFileInfo(QDir(p.t.scratchFolder()).filePath("dibuixyy.bmp")).isFile());
    }

    void scatterAndRebuild() {
        Puzzle p;
        p.build(5);
        QList<QPoint> first;
        QList<QImage> images;
        for (int k = 0; k < 25; ++k) {
            const QPoint at = twips(p.piece(k));
            QVERIFY2(at.x() >= 9100 && at.x() < 11000 && at.y() >= 0 && at.y() < 2000,
                     qPrintable(QStringLiteral("%1,%2").arg(at.x()).arg(at.y())));
            first << at;
            images << p.piece(k)->Picture();
        }
        p.drag(0, QPoint(0, 0));
        QVERIFY(p.placed(0) != QStringLiteral("p,p"));
        p.build(5);
        QList<QPoint> second;
        for (int k = 0; k < 25; ++k) {
            second << twips(p.piece(k));
            QCOMPARE(p.piece(k)->Picture(), images[k]);
        }
        QVERIFY(first != second);
        QCOMPARE(p.f->List2, unplacedPieces());
        QCOMPARE(p.f->List3, unplacedPieces());
    }

    void snapAndBookkeeping() {
        Puzzle p;
        p.build(4);
        // (4600, 2300) twips is about (307, 153) pixels.
        p.drag(3, QPoint(307, 153));
        QCOMPARE(twips(p.piece(3)), QPoint(4500, 2250));
        QCOMPARE(p.placed(3), QStringLiteral("1,2"));
        // Too far into the cell: stays where dropped.
        p.drag(5, QPoint(307, 253));
        QCOMPARE(p.piece(5)->pos(), QPoint(307, 253));
        QCOMPARE(p.placed(5), QStringLiteral("p,p"));
        // Onto the taken cell: stays too.
        p.drag(6, QPoint(307, 153));
        QCOMPARE(p.piece(6)->pos(), QPoint(307, 153));
        QCOMPARE(p.placed(6), QStringLiteral("p,p"));
        // Pressing the snapped piece frees its cell at once.
        p.press(3, QPoint(10, 10));
        QCOMPARE(p.placed(3), QStringLiteral("p,p"));
        QCOMPARE(p.f->LABEL57, 1);
        QVERIFY(!p.piece(0)->isEnabled());
        p.releaseOn(p.piece(3), QPoint(10, 10));
        QVERIFY(p.piece(0)->isEnabled());
        // Released where it lay, it snaps back into its cell.
        QCOMPARE(p.placed(3), QStringLiteral("1,2"));
    }

    void followsWithoutAButtonAndOnlyTheBoardEndsTheDrag() {
        Puzzle p;
        p.build(3);
        p.press(2, QPoint(20, 30));
        p.move(QPoint(100, 100), Qt::NoButton);
        QCOMPARE(p.piece(2)->pos(), QPoint(80, 70));
        // A release outside the board leaves the drag going.
        p.releaseOn(p.piece(2), QPoint(2000, 20));
        QCOMPARE(p.f->LABEL57, 1);
        p.move(QPoint(150, 100), Qt::NoButton);
        QCOMPARE(p.piece(2)->pos(), QPoint(130, 70));
        // A press on a piece during the drag is the board's: it starts nothing.
        p.press(5, QPoint(1, 1));
        QCOMPARE(p.f->LABEL58, 2);
        p.releaseOn(p.f->Picture56, QPoint(150, 100));
        QCOMPARE(p.f->LABEL57, 0);
    }

    void releaseInTheTray() {
        Puzzle p;
        p.build(4);
        p.press(1);
        p.move(QPoint(700, 100));
        p.releaseOn(p.piece(1));
        QCOMPARE(p.piece(1)->pos(), QPoint(700, 100));
        QCOMPARE(p.placed(1), QStringLiteral("p,p"));
        QCOMPARE(p.f->LABEL57, 0);
    }

    void releaseBeforeAnyBuild() {
        Puzzle p;
        QTest::mouseRelease(p.f->Picture56, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(p.piece(0)->pos(), QPoint(0, 0));
        QVERIFY(p.f->List2.isEmpty());
        p.build(3);
        QCOMPARE(p.f->Label28, 3000);
    }

    void emptyModelCutsTheBoardAsItStood() {
        Puzzle p;
        p.build(3, QImage());
        // The first build's board is bare: every piece is the board's ground.
        QCOMPARE(p.piece(0)->Picture().pixel(100, 100), qRgb(224, 224, 224));
        p.build(3, QImage());
        // The second cuts the grid the first left drawn.
        QCOMPARE(p.piece(0)->Picture().pixel(0, 100), qRgb(250, 250, 250));
    }

    void unwritableScratchFileStillCuts() {
        Puzzle p;
        QVERIFY(QDir(p.t.scratchFolder()).mkpath("dibuixyy.bmp"));
        p.build(2);
        QVERIFY(p.piece(0)->isVisible());
        QCOMPARE(p.piece(0)->Picture().pixel(5, 5), TopLeft);
    }

    void closeClearsTheActivityCode() {
        Puzzle p;
        p.f->close();
        QCOMPARE(p.t.state().ActivityCode(), 0);
    }
};

QTEST_MAIN(TestForm4)
#include "tst_form4.moc"
