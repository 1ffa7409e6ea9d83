// The montage: placing, selecting, dragging and resizing picture and text layers.
#include "core/fonts.h"
#include "core/sharedstate.h"
#include "pictures/form9.h"
#include "pictures/montageart.h"
#include "platform/officedocument.h"
#include "testservices.h"
#include "workshop/handoff.h"
#include "workshop/picturefilelist.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

namespace {
struct Montage {
    TestServices t;
    Form9* f = nullptr;
    QTemporaryDir pictures;

    Montage() {
        f = &t.forms().show<Form9>();
        t.state().setActivityCode(14);
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowExposed(f));
    }
    QWidget* canvas() const { return f->Picture32->surface; }
    // A picture file of that size in the list's folder, chosen in the list.
    void choosePicture(QSize size, QRgb colour = qRgb(200, 30, 30)) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        QVERIFY(image.save(QDir(pictures.path()).filePath("foto.bmp"), "BMP"));
        f->File1->setPath(pictures.path());
        f->File1->setCurrentRow(0);
    }
    void typeText(const QString& text) { f->Text1->setText(text); }
    QStringList kinds() const {
        QStringList k;
        for (int i = 0; i < f->List1->count(); ++i)
            k << f->List1->item(i)->text();
        return k;
    }
    // A press at a point of a layer (pixels inside it), and the release over the canvas there.
    void pressPicture(int i, QPoint at = {5, 5}, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mousePress(f->Picture33[size_t(i)], b, {}, at);
    }
    void pressText(int i, QPoint at = {2, 2}, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mousePress(f->label23[size_t(i)]->viewport(), b, {}, at);
    }
    void releaseOn(QWidget* w, QPoint at, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mouseRelease(w, b, {}, at);
    }
    void selectPicture(int i) {
        pressPicture(i);
        releaseOn(f->Picture33[size_t(i)], {5, 5});
    }
    void selectText(int i) {
        pressText(i);
        releaseOn(f->label23[size_t(i)]->viewport(), {2, 2});
    }
    // The layers in their stacking order, bottom first.
    QStringList stacking() const {
        QStringList names;
        for (QObject* o : canvas()->children())
            if (auto* w = qobject_cast<QWidget*>(o); w && w->isVisible()) names << w->objectName();
        return names;
    }
};
} // namespace

class TestForm9 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The window shows the pictures the build painted: the same pixels the drawing gives.
    void builtPictures() {
        installFontSubstitutions(); // as the program and the build paint
        QVERIFY(QFile::exists(QStringLiteral(":/montage/toolbar.rgb")));
        QVERIFY(montageToolbarImage() == drawMontageToolbar());
        QVERIFY(montagePaletteImage() == drawMontagePalette());
        Montage m;
        QVERIFY(m.f->Picture5->Picture() == drawMontageToolbar());
        QVERIFY(m.f->Picture2->Picture() == drawMontagePalette());
    }

    void design() {
        Montage m;
        Form9& f = *m.f;
        QCOMPARE(f.windowTitle(), QStringLiteral("Taudrin'TXT MONTATGE DE TEXT I GRAFICS"));
        QStringList captions;
        for (QAction* a : f.menuBar()->actions())
            captions << a->text();
        QCOMPARE(captions, QStringList({"IMATGES", "NAVEGADOR"}));
        QCOMPARE(f.client->size(), QSize(997, 694));
        QCOMPARE(f.File1->geometry(), QRect(24, 24, 139, 314));
        QCOMPARE(f.Image2->geometry(), QRect(24, 345, 132, 91));
        QCOMPARE(f.Image2->toolTip(), QStringLiteral("CLIC->BOTÓ DRET (GRANDÀRIA REAL)"));
        QCOMPARE(f.Picture32->geometry(), QRect(167, 24, 814, 581));
        QCOMPARE(f.Picture2->Picture().size(), QSize(109, 121));
        QCOMPARE(f.Picture5->Picture().size(), QSize(924, 38));
        QCOMPARE(f.Label4->geometry(), QRect(771, 0, 35, 40));
        QCOMPARE(f.Picture33[6]->pos(), QPoint(-1, 527));
        QCOMPARE(f.label23[0]->pos(), QPoint(540, 63));
        QCOMPARE(f.label23[0]->font().family(), QStringLiteral("Courier New"));
        QVERIFY(f.label23[0]->font().bold());
        for (int i = 0; i < Form9::Slots; ++i) {
            QVERIFY(!f.Picture33[size_t(i)]->isVisible());
            QVERIFY(!f.label23[size_t(i)]->isVisible());
        }
        QCOMPARE(m.kinds().size(), 20);
        QCOMPARE(m.kinds().first(), QStringLiteral("1"));
        QCOMPARE(m.kinds().last(), QStringLiteral("20"));
        QCOMPARE(f.Label59, 0);
        QCOMPARE(f.LABEL57, 1);
        QCOMPARE(f.Label61, QStringLiteral("000000000"));
        QVERIFY(f.Label11.isEmpty());
        QVERIFY(!f.List2->isVisible());
        // Text1 lies over the two hot-spots of the blank band.
        QCOMPARE(f.client->childAt(f.Text1->geometry().center()), f.Text1);
    }

    void horizontalTextsResize() {
        Montage m;
        Form9& f = *m.f;
        m.typeText("sol");
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(f.Label42, Qt::LeftButton);
        for (int i = 0; i < 3; ++i) {
            QVERIFY(f.label23[size_t(i)]->isVisible());
            QCOMPARE(f.label23[size_t(i)]->toPlainText(), QStringLiteral("sol"));
            QCOMPARE(f.label23[size_t(i)]->partSize(), QSize(600, 50));
            QCOMPARE(f.label23[size_t(i)]->pointSize(), 12);
        }
        QCOMPARE(m.kinds().mid(0, 4), QStringList({"T2", "T2", "T2", "4"}));
        QCOMPARE(f.Label59, 3);
        m.selectText(2);
        QTest::mouseClick(f.Label3, Qt::LeftButton);
        QTest::mouseClick(f.Label3, Qt::LeftButton);
        QCOMPARE(f.label23[2]->pointSize(), 22);
        QCOMPARE(f.label23[2]->partSize(), QSize(1050, 50));
        m.selectText(0);
        QTest::mouseClick(f.Label2, Qt::LeftButton);
        QCOMPARE(f.label23[0]->pointSize(), 10);
        QCOMPARE(f.label23[0]->partSize(), QSize(720, 10));
        // Drawn a whole line high, so the text shows.
        QVERIFY(f.label23[0]->height() >= QFontMetrics(f.label23[0]->font()).lineSpacing());
    }

    void verticalAndColumnTexts() {
        Montage m;
        Form9& f = *m.f;
        m.typeText("lluna");
        QTest::mouseClick(f.Label40, Qt::LeftButton);
        QCOMPARE(f.label23[0]->partSize(), QSize(70, 1550));
        // At least one character wide: the letters stand one below the other.
        QVERIFY(f.label23[0]->width() >= QFontMetrics(f.label23[0]->font()).horizontalAdvance('W'));
        m.selectText(0);
        QTest::mouseClick(f.Label3, Qt::LeftButton);
        QTest::mouseClick(f.Label3, Qt::LeftButton);
        QCOMPARE(f.label23[0]->pointSize(), 22);
        QCOMPARE(f.label23[0]->partSize(), QSize(70, 2975));

        m.t.dialogs.answerInput(QStringLiteral("abcdefghijkl"));
        QTest::mouseClick(f.Label44, Qt::LeftButton);
        QCOMPARE(m.t.dialogs.inputPrompts.last(), QStringLiteral("ENTRAR EL TEXTO"));
        QCOMPARE(f.label23[1]->partSize(), QSize(320, 1800));
        m.selectText(1);
        QTest::mouseClick(f.Label3, Qt::LeftButton);
        QTest::mouseClick(f.Label2, Qt::LeftButton);
        QCOMPARE(f.label23[1]->partSize(), QSize(320, 1800));
        QCOMPARE(f.label23[1]->pointSize(), 12);
    }

    void cancelledInputStillTakesItsSlot() {
        Montage m;
        m.t.dialogs.answerInput(std::nullopt);
        QTest::mouseClick(m.f->Label41, Qt::LeftButton); // reached here though Text1 covers it
        QVERIFY(m.f->label23[0]->isVisible());
        QCOMPARE(m.f->label23[0]->toPlainText(), QString());
        QCOMPARE(m.f->label23[0]->partSize(), QSize(0, 50));
        QCOMPARE(m.f->Label59, 1);
    }

    void doubleClickGivesHorizontalSizes() {
        Montage m;
        Form9& f = *m.f;
        m.typeText("mar");
        QTest::mouseClick(f.Label40, Qt::LeftButton);
        m.t.dialogs.answerInput(QStringLiteral("ones"));
        QTest::mouseDClick(f.label23[0]->viewport(), Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(f.label23[0]->toPlainText(), QStringLiteral("ones"));
        QCOMPARE(f.label23[0]->partSize(), QSize(800, 50));
        QCOMPARE(m.kinds().first(), QStringLiteral("T1"));
        QVERIFY(f.label23[0]->isEnabled()); // the drag of the double click's press ended
    }

    // Cancel in the box a double click opens keeps the layer's text.
    void cancelledEditKeepsTheText() {
        Montage m;
        Form9& f = *m.f;
        m.typeText("mar");
        QTest::mouseClick(f.Label42, Qt::LeftButton);
        const QSize size = f.label23[0]->partSize();
        m.t.dialogs.answerInput(std::nullopt);
        QTest::mouseDClick(f.label23[0]->viewport(), Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(m.t.dialogs.inputPrompts, QStringList{"ENTRAR EL TEXTO"});
        QCOMPARE(f.label23[0]->toPlainText(), QStringLiteral("mar"));
        QCOMPARE(f.label23[0]->partSize(), size);
    }

    void enterInText1WritesTheFirstTextLayer() {
        Montage m;
        Form9& f = *m.f;
        f.Text1->setFocus();
        m.typeText("hola");
        QTest::keyClick(f.Text1, Qt::Key_Return);
        QCOMPARE(f.label23[0]->toPlainText(), QStringLiteral("hola"));
        QCOMPARE(f.label23[0]->partSize(), QSize(800, 50));
        QCOMPARE(f.Label59, 0);
    }

    void picturesArePlacedAndResized() {
        Montage m;
        Form9& f = *m.f;
        m.choosePicture(QSize(300, 200));
        QVERIFY(!f.Image2->Picture().isNull());
        QCOMPARE(f.Picture6->Picture().size(), QSize(300, 200));
        QTest::mouseClick(f.Image2, Qt::MiddleButton);
        QVERIFY(!f.Picture33[0]->isVisible());
        QCOMPARE(f.Label59, 0);
        QTest::mouseClick(f.Image2, Qt::LeftButton);
        QVERIFY(f.Picture33[0]->isVisible());
        QCOMPARE(f.Picture33[0]->size(), QSize(132, 91)); // 1980 x 1365
        QCOMPARE(f.Picture33[0]->Picture().pixel(60, 40), qRgb(200, 30, 30));
        QCOMPARE(f.Label61, QStringLiteral("P"));
        QCOMPARE(f.Label59, 1);
        QTest::mouseClick(f.Image2, Qt::RightButton);
        QCOMPARE(f.Picture33[1]->size(), QSize(304, 204)); // its real size and the holder's border

        m.selectPicture(0);
        QTest::mouseClick(f.Label2, Qt::LeftButton);
        QCOMPARE(f.Picture33[0]->size(), QSize(112, 77)); // about 1683 x 1160
        QVERIFY(QFileInfo::exists(QDir(m.t.scratchFolder()).filePath("ccc.bmp")));
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(f.Label3, Qt::LeftButton);
        QVERIFY(qAbs(f.Picture33[0]->width() - 170) <= 2);
        QCOMPARE(f.Picture33[0]->Picture().size(), f.Picture33[0]->size());
        QCOMPARE(f.Picture33[0]->Picture().pixel(60, 40), qRgb(200, 30, 30));
    }

    void aFailedScratchWriteDoesNotStopTheResize() {
        Montage m;
        Form9& f = *m.f;
        QDir(m.t.scratchFolder()).mkdir("ccc.bmp"); // a folder where the file should go
        QTest::mouseClick(f.Image2, Qt::LeftButton);
        m.selectPicture(0);
        QTest::mouseClick(f.Label3, Qt::LeftButton);
        QCOMPARE(f.Picture33[0]->size(), QSize(152, 105));
    }

    // Each "+" makes the picture 1.15 times larger: forty of them would ask for a picture of some
    // 35000 x 24000 pixels, gigabytes, and the window would stall or die. The layer stops growing
    // at four canvases each way, and "-" still works from there.
    void enlargingStopsAtFourCanvases() {
        Montage m;
        Form9& f = *m.f;
        m.choosePicture(QSize(40, 30));
        QTest::mouseClick(f.Image2, Qt::LeftButton);
        m.selectPicture(0);
        const QSize canvas = m.canvas()->size();
        for (int i = 0; i < 30; ++i)
            QTest::mouseClick(f.Label3, Qt::LeftButton);
        const QSize grown = f.Picture33[0]->size();
        QVERIFY2(grown.width() <= 4 * canvas.width() && grown.height() <= 4 * canvas.height(),
                 qPrintable(QStringLiteral("%1 x %2").arg(grown.width()).arg(grown.height())));
        // It did grow as far as the bound allows: one more step would pass it.
        QVERIFY(grown.width() * 1.15 > 4 * canvas.width() || grown.height() * 1.15 > 4 * canvas.height());
        QCOMPARE(f.Picture33[0]->Picture().size(), grown);
        QCOMPARE(f.Picture33[0]->Picture().pixel(grown.width() / 2, grown.height() / 2), qRgb(200, 30, 30));
        QTest::mouseClick(f.Label2, Qt::LeftButton);
        QVERIFY(f.Picture33[0]->width() < grown.width());
    }

    void dragFollowsThePointerUntilAReleaseOverTheCanvas() {
        Montage m;
        Form9& f = *m.f;
        QTest::mouseClick(f.Image2, Qt::LeftButton);
        m.pressPicture(0, {10, 10});
        QCOMPARE(f.LABEL58, 0);
        QCOMPARE(f.Label26, 1);
        QCOMPARE(f.LABEL57, 1);
        QCOMPARE(f.Label24, 150);
        QVERIFY(!f.label23[0]->isEnabled());
        QTest::mouseMove(m.canvas(), {500, 400});
        QCOMPARE(f.Picture33[0]->pos(), QPoint(490, 390));
        QTest::mouseMove(m.canvas(), {300, 200});
        QCOMPARE(f.Picture33[0]->pos(), QPoint(290, 190));
        // Released outside the canvas: the drag goes on with the moves that follow.
        QTest::mouseRelease(f.File1->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(f.LABEL57, 1);
        QTest::mouseMove(m.canvas(), {100, 100});
        QCOMPARE(f.Picture33[0]->pos(), QPoint(90, 90));
        QTest::mouseClick(m.canvas(), Qt::LeftButton, {}, QPoint(600, 50));
        QCOMPARE(f.LABEL57, 0);
        QVERIFY(f.Picture33[0]->isEnabled());
        QTest::mouseMove(m.canvas(), {700, 500});
        QCOMPARE(f.Picture33[0]->pos(), QPoint(90, 90));
        QCOMPARE(f.Picture33[0]->size(), QSize(132, 91));
    }

    void movesBeforeAnyPressMoveNothing() {
        Montage m;
        QTest::mouseClick(m.f->Image2, Qt::LeftButton);
        const QPoint at = m.f->Picture33[0]->pos();
        QTest::mouseMove(m.canvas(), {400, 300});
        QCOMPARE(m.f->Picture33[0]->pos(), at);
    }

    void rightReleaseOverThePressedLayerGivesABorder() {
        Montage m;
        Form9& f = *m.f;
        QTest::mouseClick(f.Image2, Qt::LeftButton);
        m.typeText("sol");
        QTest::mouseClick(f.Label42, Qt::LeftButton);
        QVERIFY(!f.Picture33[0]->bordered());
        m.pressPicture(0, {5, 5}, Qt::RightButton);
        m.releaseOn(f.Picture33[0], {5, 5}, Qt::RightButton);
        QVERIFY(f.Picture33[0]->bordered());
        QCOMPARE(f.LABEL57, 0);
        QVERIFY(f.Picture33[0]->isEnabled());
        m.pressText(1, {2, 2}, Qt::LeftButton);
        m.releaseOn(f.label23[1]->viewport(), {2, 2});
        QVERIFY(!f.label23[1]->bordered());
        m.pressText(1, {2, 2}, Qt::RightButton);
        m.releaseOn(f.label23[1]->viewport(), {2, 2}, Qt::RightButton);
        QVERIFY(f.label23[1]->bordered());
    }

    void pressedPicturesStayUnderTheTexts() {
        Montage m;
        Form9& f = *m.f;
        m.typeText("a");
        QTest::mouseClick(f.Label42, Qt::LeftButton); // label23_0
        QTest::mouseClick(f.Image2, Qt::LeftButton);  // Picture33_1
        QTest::mouseClick(f.Image2, Qt::LeftButton);  // Picture33_2
        QCOMPARE(m.stacking(), QStringList({"label23_0", "Picture33_1", "Picture33_2"}));
        m.selectPicture(1);
        QCOMPARE(m.stacking(), QStringList({"Picture33_2", "Picture33_1", "label23_0"}));
        m.selectText(0);
        QCOMPARE(m.stacking().last(), QStringLiteral("label23_0"));
        QCOMPARE(f.Label61, QStringLiteral("T"));
        QCOMPARE(f.Label11, QStringLiteral("T"));
    }

    void deleteAndClear() {
        Montage m;
        Form9& f = *m.f;
        QTest::mouseClick(f.Image2, Qt::LeftButton);
        QTest::mouseClick(f.Label5, Qt::LeftButton); // nothing pressed yet
        QVERIFY(f.Picture33[0]->isVisible());
        m.selectPicture(0);
        QTest::mouseClick(f.Label5, Qt::LeftButton);
        QVERIFY(!f.Picture33[0]->isVisible());
        QCOMPARE(f.Picture33[0]->size(), QSize(132, 91)); // hidden, kept

        m.typeText("xy");
        QTest::mouseClick(f.Label42, Qt::LeftButton);
        QTest::mouseClick(f.Image2, Qt::LeftButton);
        QTest::mouseClick(f.Label6, Qt::LeftButton);
        for (int i = 0; i < Form9::Slots; ++i) {
            QVERIFY(!f.Picture33[size_t(i)]->isVisible());
            QVERIFY(!f.label23[size_t(i)]->isVisible());
        }
        QCOMPARE(f.label23[1]->toPlainText(), QStringLiteral("xy"));
        QCOMPARE(f.Label59, 3);
        QTest::mouseClick(f.Label42, Qt::LeftButton);
        QVERIFY(f.label23[3]->isVisible());
        QCOMPARE(f.Label59, 4);
    }

    void theTenthPlacementGoesIntoSlotZero() {
        Montage m;
        Form9& f = *m.f;
        m.typeText("u");
        for (int i = 0; i < 9; ++i)
            QTest::mouseClick(i % 2 ? static_cast<QWidget*>(f.Label42) : f.Image2, Qt::LeftButton);
        QCOMPARE(f.Label59, 0);
        m.typeText("deu");
        QTest::mouseClick(f.Label42, Qt::LeftButton);
        QCOMPARE(f.label23[0]->toPlainText(), QStringLiteral("deu"));
        QVERIFY(f.Picture33[0]->isVisible()); // the picture of slot 0 stays
    }

    // Issue 61: colours, background, fonts, picture folder and hand-offs.

    void paletteColoursTheSelectedText() {
        Montage m;
        Form9& f = *m.f;
        const QPoint red(6, 54), yellow(30, 54), green(42, 54);
        QCOMPARE(f.Picture2->Picture().pixelColor(red), QColor(255, 0, 0));
        QCOMPARE(f.Picture2->Picture().pixelColor(yellow), QColor(255, 255, 0));
        m.typeText("sol");
        QTest::mouseClick(f.Label42, Qt::LeftButton);
        QTest::mouseClick(f.Label42, Qt::LeftButton);
        m.selectText(1);
        QTest::mouseClick(f.Picture2, Qt::LeftButton, {}, red);
        QCOMPARE(f.label23[1]->palette().color(QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(f.Picture7->BackColor(), QColor(255, 0, 0));
        QCOMPARE(f.Picture68->BackColor(), QColor(255, 0, 0));
        QTest::mouseClick(f.Picture2, Qt::RightButton, {}, yellow);
        QCOMPARE(f.label23[1]->palette().color(QPalette::Base), QColor(255, 255, 0));
        QCOMPARE(f.label23[1]->palette().color(QPalette::Text), QColor(255, 0, 0));
        QTest::mouseClick(f.Picture2, Qt::MiddleButton, {}, green);
        QCOMPARE(f.Picture7->BackColor(), f.Picture2->Picture().pixelColor(green));
        QCOMPARE(f.label23[1]->palette().color(QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(f.label23[1]->palette().color(QPalette::Base), QColor(255, 255, 0));
        QCOMPARE(f.label23[0]->palette().color(QPalette::Text),
                 f.label23[2]->palette().color(QPalette::Text));
        // A picture placed since: only the swatch changes, and the resize buttons turn to pictures.
        QTest::mouseClick(f.Image2, Qt::LeftButton);
        QTest::mouseClick(f.Picture2, Qt::LeftButton, {}, yellow);
        QCOMPARE(f.Picture7->BackColor(), QColor(255, 255, 0));
        QCOMPARE(f.label23[1]->palette().color(QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(f.Label11, QStringLiteral("P"));
    }

    void aReleaseOffThePalettePicksNothing() {
        Montage m;
        Form9& f = *m.f;
        const QColor before = f.Picture7->BackColor();
        QTest::mousePress(f.Picture2, Qt::LeftButton, {}, QPoint(6, 54));
        QTest::mouseRelease(f.Picture2, Qt::LeftButton, {}, QPoint(300, 54));
        QCOMPARE(f.Picture7->BackColor(), before);
        QCOMPARE(f.Label11, QString());
    }

    void backgroundPictureAndCanvasColours() {
        Montage m;
        Form9& f = *m.f;
        PictureBox* surface = f.Picture32->surface;
        QTest::mouseClick(f.Label4, Qt::LeftButton); // nothing chosen: the canvas stays
        QVERIFY(surface->Picture().isNull());
        m.choosePicture(QSize(40, 30), qRgb(10, 120, 200));
        QTest::mouseClick(f.Image2, Qt::LeftButton);
        QTest::mouseClick(f.Label4, Qt::LeftButton);
        QCOMPARE(surface->Picture().size(), f.Picture32->size());
        QCOMPARE(m.canvas()->grab().toImage().pixel(400, 100), qRgb(10, 120, 200));
        // A file that no longer reads leaves the background as it was.
        QFile::remove(QDir(m.pictures.path()).filePath("foto.bmp"));
        QTest::mouseClick(f.Label4, Qt::LeftButton);
        QCOMPARE(surface->Picture().size(), f.Picture32->size());

        QTest::mouseClick(f.Picture2, Qt::LeftButton, {}, QPoint(6, 54));
        QTest::mouseClick(f.Label10, Qt::LeftButton);
        QVERIFY(surface->Picture().isNull());
        QCOMPARE(m.canvas()->grab().toImage().pixel(400, 100), qRgb(255, 0, 0));
        QVERIFY(f.Picture33[0]->isVisible());
        QTest::mouseClick(f.Label4, Qt::LeftButton); // gone from the list: nothing
        QTest::mouseClick(f.Picture2, Qt::LeftButton, {}, QPoint(30, 54));
        QTest::mousePress(f.Label7, Qt::RightButton);
        QCOMPARE(surface->BackColor(), QColor(255, 255, 0));
    }

    // Shrunk to a few pixels, where each step rounds back to the same size, "+" still grows it.
    void aTinyLayerGrowsAgain() {
        Montage m;
        Form9& f = *m.f;
        QTest::mouseClick(f.Image2, Qt::LeftButton);
        m.selectPicture(0);
        for (int i = 0; i < 40; ++i)
            QTest::mouseClick(f.Label2, Qt::LeftButton);
        const QSize tiny = f.Picture33[0]->size();
        QVERIFY2(tiny.width() <= 4 && tiny.height() <= 4, qPrintable(QString::number(tiny.width())));
        QTest::mouseClick(f.Label3, Qt::LeftButton);
        QVERIFY(f.Picture33[0]->width() > tiny.width() && f.Picture33[0]->height() > tiny.height());
        for (int i = 0; i < 20; ++i)
            QTest::mouseClick(f.Label3, Qt::LeftButton);
        QVERIFY(f.Picture33[0]->width() > 20);
    }

    // The font chosen for one text is chosen for the next with a click on the same entry.
    void theSameFontForAnotherText() {
        Montage m;
        Form9& f = *m.f;
        QTest::mouseClick(f.Label14, Qt::LeftButton);
        m.typeText("sol");
        QTest::mouseClick(f.Label42, Qt::LeftButton);
        QTest::mouseClick(f.Label42, Qt::LeftButton);
        m.selectText(0);
        f.List2->setCurrentRow(2);
        QCOMPARE(f.label23[0]->font().family(), QStringLiteral("Times New Roman"));
        m.selectText(1);
        const QRect entry = f.List2->visualItemRect(f.List2->item(2));
        QTest::mouseClick(f.List2->viewport(), Qt::LeftButton, {}, entry.center());
        QCOMPARE(f.label23[1]->font().family(), QStringLiteral("Times New Roman"));
    }

    void fontListAndFontChoice() {
        Montage m;
        Form9& f = *m.f;
        QVERIFY(!f.List2->isVisible());
        QTest::mouseClick(f.Label14, Qt::LeftButton);
        QVERIFY(f.List2->isVisible());
        QCOMPARE(f.client->childAt(f.File1->geometry().center())->parentWidget(), f.List2);
        QCOMPARE(f.List2->count(), 3);
        QCOMPARE(f.List2->item(0)->text(), QStringLiteral("Arial"));
        QTest::mouseClick(f.Label14, Qt::LeftButton); // filled afresh, not twice
        QCOMPARE(f.List2->count(), 3);

        m.typeText("sol");
        QTest::mouseClick(f.Label42, Qt::LeftButton);
        QTest::mouseClick(f.Image2, Qt::LeftButton);
        m.selectText(0);
        QTest::mouseClick(f.Label3, Qt::LeftButton);
        f.List2->setCurrentRow(2);
        QCOMPARE(f.label23[0]->font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(f.label23[0]->pointSize(), 17);
        QVERIFY(f.label23[0]->font().bold());
        m.selectPicture(1);
        f.List2->setCurrentRow(0);
        QCOMPARE(f.label23[0]->font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(f.label23[1]->font().family(), QStringLiteral("Courier New"));
    }

    void theFontListIsNeverEmptyWithoutAPrinter() {
        Montage m;
        m.t.printing.present = false;
        QTest::mouseClick(m.f->Label14, Qt::LeftButton);
        QVERIFY(m.f->List2->count() > 0);
    }

    void pictureFolder() {
        Montage m;
        Form9& f = *m.f;
        const QString caption = f.windowTitle();
        f.File1->setPath(m.pictures.path());
        m.t.dialogs.cancelOpen();
        f.SASASA->trigger();
        QCOMPARE(f.windowTitle(), caption);
        QCOMPARE(f.File1->Path(), QDir::cleanPath(m.pictures.path()));
        QVERIFY(m.t.dialogs.messages.isEmpty());
        QCOMPARE(m.t.dialogs.openRequests.last().initDir, QDir(m.t.programFolder()).filePath("dibuixos"));

        QTemporaryDir other;
        for (const char* name : {"b.jpg", "a.bmp", "notes.txt"}) {
            QImage(4, 4, QImage::Format_RGB32)
                .save(QDir(other.path()).filePath(name), name[2] == 't' ? "PNG" : nullptr);
        }
        m.t.dialogs.answerOpen(QDir(other.path()).filePath("b.jpg"));
        f.SASASA->trigger();
        QCOMPARE(f.File1->count(), 2);
        QCOMPARE(f.File1->item(0)->text(), QStringLiteral("a.bmp"));
        QCOMPARE(f.windowTitle(), QDir::cleanPath(other.path()));

        m.t.dialogs.failOpen();
        f.SASASA->trigger();
        QCOMPARE(m.t.dialogs.messages, QStringList({"Error"}));
        QCOMPARE(f.windowTitle(), QDir::cleanPath(other.path()));

        f.ERER->trigger();
        QCOMPARE(m.t.launcher.requests.last(), "folder: " + m.t.programFolder());
    }

    void handOffsCarryTheLayers() {
        Montage m;
        Form9& f = *m.f;
        m.choosePicture(QSize(40, 30), qRgb(10, 200, 30));
        QTest::mouseClick(f.Image2, Qt::LeftButton);
        const QPoint inLayer = f.Picture33[0]->geometry().center();
        QTest::mouseClick(f.Label13, Qt::LeftButton);
        QCOMPARE(m.t.office.documents.size(), 1);
        const OfficeDocument& doc = m.t.office.documents[0];
        QCOMPARE(doc.orientation, OfficeDocument::Orientation::Portrait);
        QCOMPARE(doc.margins, QMarginsF(40, 40, 40, 40));
        const OfficeTable* table = nullptr;
        for (const OfficeDocument::Block& b : doc.blocks)
            if (const auto* t = std::get_if<OfficeTable>(&b)) table = t;
        QVERIFY(table);
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->columnCount(), 1);
        const OfficePicture& picture = table->cell(1, 1).paragraphs.first().runs.first().picture;
        QCOMPARE(picture.pixelSize(), m.canvas()->size());
        const QImage onPage = QImage::fromData(picture.data());
        QCOMPARE(onPage.pixel(inLayer), qRgb(10, 200, 30));
        QCOMPARE(f.Picture8->size(), m.canvas()->size());

        const QString handOff = handOffPicturePath(m.t.services());
        QTest::mouseClick(f.Label9, Qt::LeftButton);
        QTest::mouseClick(f.Label8, Qt::LeftButton);
        QCOMPARE(m.t.launcher.requests, QStringList({"picture: " + handOff, "office: " + handOff}));
        QCOMPARE(QImage(handOff).pixel(inLayer), qRgb(10, 200, 30));
        QVERIFY(m.t.dialogs.messages.isEmpty());
    }

    void closingClearsTheCodeAndReopeningStartsAfresh() {
        Montage m;
        QTest::mouseClick(m.f->Image2, Qt::LeftButton);
        m.f->close();
        QCOMPARE(m.t.state().ActivityCode(), 0);
        Form9& again = m.t.forms().show<Form9>();
        QCOMPARE(again.Label59, 0);
        QVERIFY(!again.Picture33[0]->isVisible());
    }
};

QTEST_MAIN(TestForm9)
#include "tst_form9.moc"
