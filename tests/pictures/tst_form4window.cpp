// The puzzle window around the board: samples, pictures from a folder, sizes and board displays.
#include "core/controls.h"
#include "core/palette.h"
#include "core/sharedstate.h"
#include "pictures/form4.h"
#include "pictures/picturefiles.h"
#include "pictures/puzzleart.h"
#include "testservices.h"
#include "workshop/picturefilelist.h"
#include "workshop/tint.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSet>
#include <QTest>

namespace {
const QRgb Ground = qRgb(224, 224, 224);

struct Window {
    TestServices t;
    Form4* f = nullptr;

    Window() {
        f = &t.forms().show<Form4>();
        t.state().setActivityCode(20);
    }
    QImage board() const { return f->Picture56->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(2, 2)); }
    // A folder of the given picture files under "dibuixos", chosen through "IMATGES".
    void chooseFolder(const QStringList& names) {
        const QString folder = QDir(t.programFolder()).filePath("dibuixos/mine");
        QVERIFY(QDir().mkpath(folder));
        for (const QString& name : names) {
            QImage img(30, 20, QImage::Format_RGB32);
            img.fill(qRgb(10, 120, 200));
            QVERIFY(img.save(QDir(folder).filePath(name)));
        }
        t.dialogs.answerOpen(QDir(folder).filePath(names.value(0, "x.bmp")));
        f->pc->trigger();
    }
};
} // namespace

class TestForm4Window : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void load() {
        Window w;
        QCOMPARE(w.f->Picture56->size(), QSize(5, 5));
        QVERIFY(!w.f->Picture1->isVisible());
        QVERIFY(!w.f->Shape5->isVisible());
        QCOMPARE(w.f->Shape5->DrawMode(), TintMode::MergeNotPen);
        // The background shows only its two blues, both of them.
        const QImage ground = w.f->Picture57->Picture();
        QCOMPARE(ground.size(), w.f->Picture57->size());
        QSet<QRgb> colours;
        for (int y = 0; y < ground.height(); ++y)
            for (int x = 0; x < ground.width(); ++x)
                colours.insert(ground.pixel(x, y));
        QCOMPARE(colours, (QSet<QRgb>{qRgb(22, 44, 99), qRgb(33, 55, 112)}));
        QCOMPARE(w.f->Picture2->BackColor(), QColor(52, 84, 129));
        QCOMPARE(w.f->Picture56->mapTo(w.f->Picture57, QPoint(0, 0)), QPoint(71, 4));
    }

    void thumbnailsBuildFromTheirSamples() {
        Window w;
        for (int t = 0; t < 12; ++t) {
            const int area = puzzleAreaOfThumbnail(t);
            ClickZone* zone = w.f->Label30[size_t(area)];
            // The area lies over thumbnail t of the strip, which shows that sample.
            QVERIFY(qAbs(zone->y() - t * 557 / 12) <= 1);
            QCOMPARE(puzzleSampleOfArea(area), PuzzleStripSamples[size_t(t)]);
            w.click(zone);
            QCOMPARE(w.f->GRANDE->Picture(), w.f->Picture58[size_t(PuzzleStripSamples[size_t(t)])]);
        }
        // The twelfth, area 9, is the mountain lake of slot 12.
        QCOMPARE(puzzleSampleOfArea(9), 12);
        QVERIFY(w.f->Picture58[9].isNull());
    }

    void sizeMenu() {
        Window w;
        w.click(w.f->Label30[0]);
        QCOMPARE(w.f->Label28, 3000);
        w.f->DDD->trigger();
        // Nothing shown changes until the next build.
        QCOMPARE(w.f->Label28, 3000);
        QCOMPARE(w.f->Picture54[0]->width(), 200);
        QVERIFY(w.f->Picture54[8]->isVisible());
        QVERIFY(!w.f->Picture54[3]->isHidden() && w.f->Picture54[4]->isVisible());
        w.click(w.f->Label30[4]);
        QCOMPARE(w.f->Label28, 4500);
        for (int k = 0; k < 25; ++k)
            QCOMPARE(w.f->Picture54[size_t(k)]->isVisible(), k < 4);
        QCOMPARE(w.f->Picture54[0]->width(), 300);
        w.f->AW->trigger();
        QCOMPARE(w.f->Combo3->currentText(), QStringLiteral("5"));
        w.f->SS->trigger();
        QCOMPARE(w.f->Combo3->currentText(), QStringLiteral("1"));
    }

    // Every piece of a 5 x 5 cut of every sample can be told from the others.
    void samplesCutIntoDistinctPieces() {
        Window w;
        w.f->AW->trigger();
        for (int slot : PuzzleStripSamples) {
            const QImage& sample = w.f->Picture58[size_t(slot)];
            QCOMPARE(sample.size(), QSize(600, 600));
            w.f->BuildPuzzle(sample);
            QSet<QByteArray> seen;
            for (int k = 0; k < 25; ++k) {
                const QImage piece =
                    w.f->Picture54[size_t(k)]->Picture().convertToFormat(QImage::Format_RGB32);
                QSet<QRgb> colours;
                for (int y = 0; y < piece.height() && colours.size() < 50; y += 3)
                    for (int x = 0; x < piece.width(); x += 3)
                        colours.insert(piece.pixel(x, y));
                QVERIFY2(colours.size() >= 50,
                         qPrintable(QStringLiteral("sample %1 piece %2").arg(slot).arg(k)));
                seen.insert(
                    QByteArray(reinterpret_cast<const char*>(piece.constBits()), piece.sizeInBytes()));
            }
            QCOMPARE(seen.size(), 25);
        }
    }

    void displayButtons() {
        Window w;
        w.click(w.f->Label30[7]);
        w.f->Command3->click();
        w.f->Command5->click();
        QCOMPARE(w.f->Shape5->DrawMode(), TintMode::MergePenNot);
        QImage b = w.board();
        QCOMPARE(b.size(), QSize(933, 600));
        QCOMPARE(b.pixel(50, 50), qRgb(31, 31, 159));
        QCOMPARE(b.pixel(650, 500), qRgb(223, 203, 182));
        // The model again, untinted.
        w.f->Command1->click();
        QVERIFY(!w.f->Shape5->isVisible());
        const QImage model = w.f->Picture58[7].scaled(600, 600);
        b = w.board();
        QVERIFY(qAbs(qRed(b.pixel(110, 410)) - qRed(model.pixel(110, 410))) < 40);
        QVERIFY(b.pixel(110, 410) != Ground);
        w.f->Command2->click();
        QCOMPARE(w.f->Shape5->DrawMode(), TintMode::NotMaskPen);
        QCOMPARE(w.f->Shape5->FillColor(), QColor(222, 212, 188));
        QCOMPARE(w.board().pixel(110, 410),
                 tintPixel(TintMode::NotMaskPen, qRgb(222, 212, 188), b.pixel(110, 410)));
        // The bare board.
        w.f->Command6->click();
        QVERIFY(!w.f->Shape5->isVisible());
        QCOMPARE(w.board().pixel(50, 50), Ground);
        // Command4 does nothing.
        const QImage before = w.board();
        w.f->Command4->click();
        QCOMPARE(w.board(), before);
    }

    void blueTintRightAfterLoadIsMode12() {
        Window w;
        w.f->Command5->click();
        QCOMPARE(w.f->Shape5->DrawMode(), TintMode::MergeNotPen);
        const QImage b = w.board();
        const QRgb blue = paletteColour(1).rgb();
        QCOMPARE(b.pixel(50, 50), tintPixel(TintMode::MergeNotPen, blue, Ground));
        QCOMPARE(b.pixel(700, 300), tintPixel(TintMode::MergeNotPen, blue, qRgb(32, 52, 73)));
        // The grid: a 3 x 3 line at 200 pixels.
        QCOMPARE(b.pixel(200, 50), tintPixel(TintMode::MergeNotPen, blue, qRgb(250, 250, 250)));
        QCOMPARE(w.f->Picture54[0]->isVisible(), false);
    }

    void emptyPreviewBuildsAnEmptyPuzzle() {
        Window w;
        w.chooseFolder({"a.bmp"});
        QVERIFY(w.f->Picture1->isVisible());
        QVERIFY(w.f->Picture1->Picture().isNull());
        QTest::mouseClick(w.f->Picture1, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!w.f->Picture1->isVisible());
        QCOMPARE(w.f->Label28, 3000);
        QVERIFY(w.f->Picture54[0]->isVisible());
        QCOMPARE(w.f->Picture54[0]->Picture().pixel(100, 100), Ground);
        QVERIFY(w.t.dialogs.messages.isEmpty());
    }

    void cancelAndFailureSayNothing() {
        Window w;
        w.t.dialogs.cancelOpen();
        w.f->pc->trigger();
        w.t.dialogs.failOpen();
        w.f->pc->trigger();
        // A folder named as the file.
        QVERIFY(QDir(w.t.programFolder()).mkpath("dibuixos/folder.bmp"));
        w.t.dialogs.answerOpen(QDir(w.t.programFolder()).filePath("dibuixos/folder.bmp"));
        w.f->pc->trigger();
        QVERIFY(!w.f->Picture1->isVisible());
        QVERIFY(w.t.dialogs.messages.isEmpty());
        QCOMPARE(w.t.dialogs.openRequests.size(), 3);
        QCOMPARE(w.t.dialogs.openRequests[0].initDir, QDir(w.t.programFolder()).filePath("dibuixos"));
    }

    void picturesFromAFolder() {
        Window w;
        w.chooseFolder({"b.bmp", "a.jpg", "c.bmp"});
        QCOMPARE(w.f->lista[0]->text(), QStringLiteral("a.jpg"));
        QCOMPARE(w.f->lista[2]->text(), QStringLiteral("c.bmp"));
        for (int i = 3; i < 26; ++i)
            QCOMPARE(w.f->lista[size_t(i)]->text(), QString());
        w.f->lista[1]->trigger();
        QCOMPARE(w.f->Picture1->Picture().size(), QSize(30, 20));
        QCOMPARE(w.f->Picture1->size(), QSize(30, 20));
        // A file that no longer loads leaves the preview as it was.
        QFile broken(QDir(w.f->File1->Path()).filePath("a.jpg"));
        QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
        broken.write("not a picture");
        broken.close();
        w.f->lista[0]->trigger();
        QCOMPARE(w.f->Picture1->Picture().size(), QSize(30, 20));
        // An empty item gives an empty picture.
        w.f->lista[5]->trigger();
        QVERIFY(w.f->Picture1->Picture().isNull());
        QVERIFY(w.f->Picture1->isVisible());
        QVERIFY(w.t.dialogs.messages.isEmpty());
    }

    // A photo far larger than the screen is read smaller in proportion, not squashed square; a
    // long one is read smaller too.
    void largePicturesKeepTheirShape_data() {
        QTest::addColumn<QSize>("whole");
        QTest::addColumn<QSize>("shown");
        QTest::newRow("4:3") << QSize(4000, 3000) << QSize(2048, 1536);
        QTest::newRow("panorama") << QSize(8000, 1000) << QSize(2048, 256);
        QTest::newRow("small") << QSize(300, 200) << QSize(300, 200);
    }
    void largePicturesKeepTheirShape() {
        QFETCH(QSize, whole);
        QFETCH(QSize, shown);
        Window w;
        w.chooseFolder({"x.bmp"});
        QImage photo(whole, QImage::Format_RGB32);
        photo.fill(qRgb(200, 30, 30));
        QVERIFY(photo.save(QDir(w.f->File1->Path()).filePath("foto.jpg"), "JPG", 50));
        w.f->File1->Refresh();
        FillPictureFilesMenu(w.f->lista, w.f->File1);
        QCOMPARE(w.f->lista[0]->text(), QStringLiteral("foto.jpg"));
        w.f->lista[0]->trigger();
        QCOMPARE(w.f->Picture1->Picture().size(), shown);
    }

    void reopenStartsFromTheDesign() {
        Window w;
        w.f->HHH->trigger();
        w.click(w.f->Label30[3]);
        w.f->close();
        QCOMPARE(w.t.state().ActivityCode(), 0);
        Form4& again = w.t.forms().show<Form4>();
        QCOMPARE(again.Picture56->size(), QSize(5, 5));
        QCOMPARE(again.Combo3->currentText(), QStringLiteral("3"));
        for (PictureBox* piece : again.Picture54)
            QVERIFY(!piece->isVisible());
        if (qEnvironmentVariableIsSet("TAUDRIN_PUZZLE_SHOT")) {
            again.HHH->trigger();
            QTest::mouseClick(again.Label30[5], Qt::LeftButton, {}, QPoint(2, 2));
            again.grab().save(qEnvironmentVariable("TAUDRIN_PUZZLE_SHOT"));
        }
    }
};

QTEST_MAIN(TestForm4Window)
#include "tst_form4window.moc"
