// The cut-out window: the drag as a state machine, the cut, saving the piece and the loads.
#include "core/controls.h"
#include "core/sharedstate.h"
#include "pictures/cutdrag.h"
#include "pictures/form3.h"
#include "pictures/picturesart.h"
#include "testservices.h"
#include "workshop/picturefilelist.h"
#include "workshop/tint.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QSizeF Screen1024(15360, 11520);

QImage filled(QSize size, QRgb colour) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(colour);
    return img;
}

// Twips to the display's pixels.
QPoint px(int x, int y) {
    return QPoint(x / 15, y / 15);
}

struct Scissors {
    TestServices t;
    Form3* f = nullptr;
    QTemporaryDir pictures;

    Scissors() {
        f = &t.forms().show<Form3>();
        t.state().setActivityCode(12);
        f->screen = Screen1024;
    }
    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(f->Picture12W, button, {}, at);
    }
    void moveTo(QPoint at) {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), f->Picture12W->mapToGlobal(QPointF(at)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f->Picture12W, &move);
    }
    void release(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseRelease(f->Picture12W, button, {}, at);
    }
    void dragTwips(QPoint from, QPoint to) {
        press(px(from.x(), from.y()));
        moveTo(px(to.x(), to.y()));
    }
    QString savedFolder() const { return QDir(t.programFolder()).filePath("dibuixos/dibuixostemporals"); }
    QStringList saved() const { return QDir(savedFolder()).entryList(QDir::Files); }
    int errors() const { return int(t.dialogs.messages.count(QStringLiteral("Error"))); }
};
} // namespace

class TestForm3 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The drag without a screen.
    void drag_data() {
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<QList<QPoint>>("moves");
        QTest::addColumn<QRect>("band");  // after the last move
        QTest::addColumn<QRect>("piece"); // after the release, from a 4935 x 6705 piece
        QTest::addColumn<bool>("copy");
        QTest::newRow("down and right")
            << QPoint(1500, 900) << QList<QPoint>{{4500, 2700}} << QRect(1500, 900, 3000, 1800)
            << QRect(1500, 900, 3000, 1800) << true;
        QTest::newRow("a click without moving") << QPoint(1500, 900) << QList<QPoint>{}
                                                << QRect(1170, 1410, 300, 300) << QRect(0, 0, 0, 0) << true;
        QTest::newRow("to the left") << QPoint(3000, 3000) << QList<QPoint>{{1500, 4500}}
                                     << QRect(3000, 3000, 300, 1500) << QRect(3000, 3000, 4935, 1500)
                                     << false;
        QTest::newRow("back above after growing")
            << QPoint(3000, 3000) << QList<QPoint>{{4000, 4000}, {4500, 2000}}
            << QRect(3000, 3000, 1500, 1000) << QRect(3000, 3000, 1500, 6705) << false;
        QTest::newRow("pressed on the top row") << QPoint(1500, 0) << QList<QPoint>{{4500, 3000}}
                                                << QRect(1170, 1410, 300, 300) << QRect(0, 0, 0, 0) << true;
    }
    void drag() {
        QFETCH(QPoint, press);
        QFETCH(QList<QPoint>, moves);
        QFETCH(QRect, band);
        QFETCH(QRect, piece);
        QFETCH(bool, copy);
        CutDrag d;
        d.move(QPoint(5000, 5000)); // before a press the moves do nothing
        QCOMPARE(d.band, CutDrag::DesignBand);
        d.press(press);
        QVERIFY(d.bandVisible);
        for (const QPoint& m : moves)
            d.move(m);
        QCOMPARE(d.band, band);
        const CutDrag::Cut cut = d.release(QSize(4935, 6705));
        QCOMPARE(cut.piece, piece);
        QCOMPARE(cut.copy, copy);
        if (copy) QCOMPARE(cut.source, piece);
        QVERIFY(!d.bandVisible);
        QCOMPARE(d.band.size(), QSize(0, 0));
        QCOMPARE(d.Label12W, 0);
        QCOMPARE(d.Label16W, 0);
    }

    void theNextPressShowsTheBandWhereTheLastDragWent() {
        CutDrag d;
        d.press({1500, 900});
        d.move({2000, 1200});
        d.release({100, 100});
        d.press({9000, 9000});
        QCOMPARE(d.band, QRect(1500, 900, 300, 300));
    }

    void designState() {
        Scissors s;
        Form3* f = s.f;
        QCOMPARE(f->windowTitle(), QStringLiteral("Taudrin'TXT  LA TISORA DE RETALLAR"));
        QStringList captions;
        for (QAction* a : f->menuBar()->actions())
            captions << a->text();
        QCOMPARE(captions, QStringList({"ARXIUS", "GRÀFICS/FOTOS", "DESAR A TEMPORALS",
                                        "DESAR CONTINGUT PORTA_RETALLS", "NAVEGADOR"}));
        QCOMPARE(f->grafics->actions().size(), 26);
        QCOMPARE(f->Picture12W->geometry(), QRect(0, 3, 396, 339));
        QCOMPARE(f->Picture12W->Picture(), drawCutOutSample());
        QCOMPARE(f->Shape1->geometry(), QRect(78, 94, 93, 63));
        QVERIFY(f->Shape1->isVisible());
        QVERIFY(!f->Picture13W->isVisible());
        QCOMPARE(f->Picture65->geometry(), QRect(0, 0, 1, 15));
        QCOMPARE(f->client->palette().color(QPalette::Window), QColor(64, 64, 64));
        // The band's outline shows the inverse of (its colour AND the picture).
        const QImage shown = f->Picture12W->grab().toImage();
        const QPoint corner = f->Shape1->pos();
        QCOMPARE(shown.pixel(corner) | 0xff000000u, tintPixel(TintMode::NotMaskPen, qRgb(128, 128, 255),
                                                              f->Picture12W->Picture().pixel(corner)));
    }

    void dragCutsAPieceAndSavesIt() {
        Scissors s;
        s.dragTwips({1500, 1500}, {4500, 3000});
        QCOMPARE(s.f->Shape1->geometry(), QRect(100, 100, 200, 100));
        QCOMPARE(s.f->drag.band, QRect(1500, 1500, 3000, 1500));
        s.release(px(4500, 3000));
        QVERIFY(s.f->Picture13W->isVisible());
        QCOMPARE(s.f->Picture13W->geometry(), QRect(100, 100, 200, 100));
        QVERIFY(!s.f->Shape1->isVisible() || s.f->Shape1->size().isEmpty());
        const QString file = s.f->SavePiece();
        QVERIFY(!file.isEmpty());
        QVERIFY(QRegularExpression("/[0-9]{1,5}x\\.BMP$").match(file).hasMatch());
        const QImage piece(file);
        QCOMPARE(piece.size(), QSize(196, 96));
        QCOMPARE(piece.convertToFormat(QImage::Format_RGB32),
                 drawCutOutSample().copy(100, 100, 196, 96).convertToFormat(QImage::Format_RGB32));
        // After the signal the bar has its old width, dark red.
        QCOMPARE(s.f->Picture65->width(), 1);
        QCOMPARE(s.f->Picture65->BackColor(), QColor(128, 0, 0));
        QCOMPARE(s.errors(), 0);
    }

    void aClickGivesAnEmptyPieceAndALeftDragKeepsTheBand() {
        Scissors s;
        s.press(QPoint(50, 50));
        QCOMPARE(s.f->Shape1->geometry(), QRect(78, 94, 20, 20));
        s.release(QPoint(50, 50));
        QCOMPARE(s.f->Picture13W->geometry(), QRect(0, 0, 0, 0));
        s.press(QPoint(200, 200));
        s.moveTo(QPoint(100, 250));
        QCOMPARE(s.f->Shape1->geometry(), QRect(200, 200, 20, 50));
        s.release(QPoint(100, 250));
        QCOMPARE(s.f->Picture13W->geometry(), QRect(200, 200, 0, 50)); // the width kept from before
        QVERIFY(s.f->isVisible());
    }

    void clicksOnThePiece() {
        Scissors s;
        s.dragTwips({1500, 1500}, {4500, 3000});
        s.release(px(4500, 3000));
        const QPoint onPiece(50, 50);
        QTest::mouseClick(s.f->Picture13W, Qt::LeftButton, {}, onPiece);
        QVERIFY(s.saved().isEmpty());
        QCOMPARE(s.f->drag.Label12W, 0); // pressing on the piece starts no selection
        QTest::mouseClick(s.f->Picture13W, Qt::RightButton, {}, onPiece);
        QCOMPARE(s.saved().size(), 1);
        s.f->ssdddd->trigger();
        QCOMPARE(s.saved().size(), 2);
        QCOMPARE(s.f->Picture65->width(), 1);
        QCOMPARE(s.f->Picture65->BackColor(), QColor(128, 0, 0));
    }

    void aRightDragCutsToo() {
        Scissors s;
        s.press(QPoint(10, 10), Qt::RightButton);
        s.moveTo(QPoint(40, 30));
        s.release(QPoint(40, 30), Qt::RightButton);
        QCOMPARE(s.f->Picture13W->geometry(), QRect(10, 10, 30, 20));
    }

    void savingBeforeAnyCutWritesTheBlankPiece() {
        Scissors s;
        QVERIFY(!QDir(QDir(s.t.programFolder()).filePath("dibuixos")).exists());
        s.f->ssdddd->trigger();
        const QStringList files = s.saved();
        QCOMPARE(files.size(), 1);
        QCOMPARE(QImage(QDir(s.savedFolder()).filePath(files[0])).size(), QSize(325, 443));
    }

    void aSaveThatFailsSaysErrorAfterTheSignal() {
        Scissors s;
        QVERIFY(QDir(s.t.programFolder()).mkpath("dibuixos"));
        QFile blocker(s.savedFolder());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(s.f->SavePiece().isEmpty());
        QCOMPARE(s.errors(), 1);
        QCOMPARE(s.f->Picture65->width(), 1);
    }

    void loads() {
        Scissors s;
        QVERIFY(s.pictures.isValid());
        QVERIFY(filled(QSize(1496, 196), qRgb(0, 0, 255)).save(s.pictures.filePath("gran.bmp")));
        QFile bad(s.pictures.filePath("mal.jpg"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("no picture");
        bad.close();
        s.t.dialogs.answerOpen(s.pictures.filePath("gran.bmp"));
        s.f->tapetas->trigger();
        QCOMPARE(s.t.dialogs.openRequests.last().initDir,
                 QDir(s.t.programFolder()).filePath("dibuixos/dibuixostemporals"));
        QCOMPARE(s.t.dialogs.messageTitles, QStringList({"SORVANDE"}));
        QCOMPARE(s.f->lista[0]->text(), QStringLiteral("gran.bmp"));
        // The holder is 1500 x 200 pixels with its border: 22500 twips, ten steps to fit 13824.
        s.f->lista[0]->trigger();
        const QSizeF fitted = fitPictureSize(QSizeF(22500, 3000), Screen1024, 0.9).size;
        QCOMPARE(s.f->Picture12W->geometry(),
                 QRect(QPoint(0, 3), QSize(tw(fitted.width()), tw(fitted.height()))));
        const QImage before = s.f->Picture12W->Picture();
        s.f->lista[1]->trigger();
        QCOMPARE(s.errors(), 1);
        QCOMPARE(s.f->Picture12W->Picture(), before);
        // The clipboard: any picture, limit 1.0, the place kept.
        QApplication::clipboard()->clear();
        s.f->TRYUU->trigger();
        QCOMPARE(s.f->Picture12W->Picture(), before);
        QApplication::clipboard()->setImage(filled(QSize(1016, 300), qRgb(255, 0, 0)));
        s.f->TRYUU->trigger();
        QCOMPARE(s.f->Picture12W->geometry(), QRect(0, 3, 1020, 304));
    }

    void browserAndClosing() {
        Scissors s;
        s.f->wwww->trigger();
        QCOMPARE(s.t.launcher.requests, QStringList({"folder: " + s.t.programFolder()}));
        s.dragTwips({1500, 1500}, {4500, 3000});
        s.release(px(4500, 3000));
        s.f->close();
        QCOMPARE(s.t.state().ActivityCode(), 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Form3& again = s.t.forms().show<Form3>();
        QVERIFY(!again.Picture13W->isVisible());
        QCOMPARE(again.Picture12W->Picture(), drawCutOutSample());
    }
};

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
