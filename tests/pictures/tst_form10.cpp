// The picture effects window: the picture files menu, loads and fitting, the filters, the mosaic
// and the hand-offs of what the display shows.
#include "core/controls.h"
#include "core/palette.h"
#include "core/sharedstate.h"
#include "pictures/form10.h"
#include "pictures/picturefiles.h"
#include "pictures/picturesart.h"
#include "testservices.h"
#include "workshop/handoff.h"
#include "workshop/picturefilelist.h"
#include "workshop/tint.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QSizeF Screen1024(15360, 11520);
const QRgb Sample = qRgb(100, 150, 20);

QImage filled(QSize size, QRgb colour) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(colour);
    return img;
}

QRgb opaque(QRgb c) {
    return c | 0xff000000u;
}

struct Effects {
    TestServices t;
    Form10* f = nullptr;
    QTemporaryDir pictures;

    Effects() {
        f = &t.forms().show<Form10>();
        t.state().setActivityCode(5000);
        f->screen = Screen1024;
    }
    QString picture(const QString& name) const { return pictures.filePath(name); }
    // Lists the folder through "ARXIUS", answering the dialog with one of its files.
    void chooseFolder(const QString& file) {
        t.dialogs.answerOpen(picture(file));
        f->SSSS->trigger();
    }
    QImage shown() const { return grabSource(f->Picture4, false); }
    QStringList temporal() const {
        return QDir(QDir(t.programFolder()).filePath("temporal")).entryList(QDir::Files);
    }
    int errors() const { return int(t.dialogs.messages.count(QStringLiteral("Error"))); }
};

} // namespace

class TestForm10 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void designState() {
        Effects e;
        Form10* f = e.f;
        QCOMPARE(f->windowTitle(), QStringLiteral("Taudrin'TXT-EFECTE ESPECIALS"));
        QStringList captions;
        for (QAction* a : f->menuBar()->actions())
            captions << a->text();
        QCOMPARE(captions, QStringList({"ARXIUS", "GRAFICS/FOTOS", "SENSE EFECTE", " ",      "[VIO]",
                                        "[VER]",  "[BLA]",         "[BLF]",        "[CVER]", "  ",
                                        "(BLA)",  "(GRO)",         "(VERD)",       "(VERM)", "   ",
                                        "DIF",    "VIDRE",         "PUNTS",        "   ",    "DESAR A:"}));
        QStringList saves;
        for (QAction* a : f->XXXCC->actions())
            saves << a->text();
        QCOMPARE(saves,
                 QStringList({"c:\\TEMPORAL", "Al portapapers", "Al Paint", "Al Word", "A L'Open_Oficce"}));
        QCOMPARE(f->WWW->actions().size(), 26);
        QVERIFY(!f->Shape6->isVisible());
        QCOMPARE(f->Picture4->Picture().copy(QRect(0, 0, 320, 240)), drawEffectsSample());
        QVERIFY(f->Picture4->isVisible());
        QVERIFY(!f->Picture3->isVisible());
        QVERIFY(!f->File1->isVisible());
    }

    void closingClearsTheCodeAndReopeningStartsAfresh() {
        Effects e;
        QVERIFY(filled(QSize(10, 10), Sample).save(e.picture("a.bmp")));
        e.chooseFolder("a.bmp");
        e.f->Filter_Click(0);
        e.f->close();
        QCOMPARE(e.t.state().ActivityCode(), 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Form10& again = e.t.forms().show<Form10>();
        QVERIFY(!again.Shape6->isVisible());
        QCOMPARE(again.Picture4->Picture().copy(QRect(0, 0, 320, 240)), drawEffectsSample());
        for (QAction* item : again.lista)
            QVERIFY(item->text().isEmpty());
    }

    void folderChooserFillsTheItemsAndTells() {
        Effects e;
        for (const char* name : {"c.bmp", "A.jpg", "b.bmp"})
            QVERIFY(filled(QSize(10, 10), Sample).save(e.picture(name)));
        e.chooseFolder("c.bmp");
        QCOMPARE(e.t.dialogs.openRequests.last().initDir, QDir(e.t.programFolder()).filePath("dibuixos"));
        QVERIFY(e.t.dialogs.openRequests.last().filter.endsWith("|*.wmf"));
        QCOMPARE(e.f->lista[0]->text(), QStringLiteral("A.jpg"));
        QCOMPARE(e.f->lista[1]->text(), QStringLiteral("b.bmp"));
        QCOMPARE(e.f->lista[2]->text(), QStringLiteral("c.bmp"));
        QVERIFY(e.f->lista[3]->text().isEmpty());
        QCOMPARE(e.t.dialogs.messages, QStringList({"He desat la llista de gràfics a ARXIUS"}));
        QCOMPARE(e.t.dialogs.messageTitles, QStringList({"SORVANDE"}));
        // Cancel changes nothing and says nothing.
        e.t.dialogs.cancelOpen();
        e.f->SSSS->trigger();
        QCOMPARE(e.f->lista[0]->text(), QStringLiteral("A.jpg"));
        QCOMPARE(e.t.dialogs.messages.size(), 1);
    }

    void itemLoadsFitAndCentre() {
        Effects e;
        QVERIFY(filled(QSize(600, 400), Sample).save(e.picture("a.bmp"))); // 9000 x 6000 twips
        QVERIFY(filled(QSize(2000, 1000), qRgb(0, 0, 255)).save(e.picture("b.bmp")));
        e.chooseFolder("a.bmp");
        // Another dialog moving the current folder does not matter: items load from the list's folder.
        e.t.services().currentFolder = e.t.programFolder();
        e.f->lista[0]->trigger();
        QCOMPARE(e.f->Picture4->geometry(), QRect(212, 184, 600, 400));
        QCOMPARE(opaque(e.shown().pixel(300, 200)), Sample);
        // 30000 x 15000 twips: 16 steps, about 13203.8 x 6601.9.
        e.f->lista[1]->trigger();
        QCOMPARE(e.f->Picture4->size(), QSize(880, 440));
        QCOMPARE(e.f->Picture4->pos(), QPoint(tw((15360 - 13203.8) / 2), tw((11520 - 6601.9) / 2)));
        QCOMPARE(opaque(e.shown().pixel(400, 200)), qRgb(0, 0, 255));
        QCOMPARE(e.errors(), 0);
    }

    void unloadableAndEmptyEntries() {
        Effects e;
        QVERIFY(filled(QSize(60, 40), Sample).save(e.picture("a.bmp")));
        QFile bad(e.picture("b.wmf"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("\xd7\xcd\xc6\x9a not really");
        bad.close();
        e.chooseFolder("a.bmp");
        e.f->lista[0]->trigger();
        const QRect before = e.f->Picture4->geometry();
        const QImage picture = e.f->Picture4->Picture();
        // Not a picture we read: "Error", the display unchanged.
        e.f->lista[1]->trigger();
        QCOMPARE(e.errors(), 1);
        QCOMPARE(e.f->Picture4->geometry(), before);
        QCOMPARE(e.f->Picture4->Picture(), picture);
        // Gone since it was listed: the same.
        QVERIFY(QFile::remove(e.picture("a.bmp")));
        e.f->lista[0]->trigger();
        QCOMPARE(e.errors(), 2);
        QCOMPARE(e.f->Picture4->Picture(), picture);
        // An empty entry: white, at the holder's size.
        e.f->lista[5]->trigger();
        QCOMPARE(e.errors(), 2);
        QCOMPARE(e.f->Picture4->size(), QSize(60, 40));
        QCOMPARE(opaque(e.shown().pixel(30, 20)), qRgb(255, 255, 255));
    }

    void clipboardLoadKeepsThePlace() {
        Effects e;
        QApplication::clipboard()->clear();
        const QRect design = e.f->Picture4->geometry();
        const QImage drawing = e.f->Picture4->Picture();
        QTest::mouseClick(e.f->Picture4, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(e.f->Picture4->geometry(), design); // nothing on the clipboard: nothing changes
        QCOMPARE(e.f->Picture4->Picture(), drawing);
        QApplication::clipboard()->setImage(filled(QSize(90, 70), Sample));
        QTest::mouseClick(e.f->Picture4, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(e.f->Picture4->geometry(), QRect(design.topLeft(), QSize(90, 70)));
        QCOMPARE(opaque(e.shown().pixel(45, 35)), Sample);
    }

    void filters_data() {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QRgb>("pixel");
        QTest::newRow("[VIO]") << 0 << qRgb(155, 105, 235);
        QTest::newRow("(BLA)") << 5 << qRgb(155, 105, 235);
        QTest::newRow("(VERD)") << 7 << qRgb(155, 105, 0);
        QTest::newRow("[BLF]") << 3 << qRgb(155, 255, 255);
    }
    void filters() {
        QFETCH(int, filter);
        QFETCH(QRgb, pixel);
        Effects e;
        QApplication::clipboard()->setImage(filled(QSize(90, 70), Sample));
        e.f->Picture4_Click();
        e.f->filters[size_t(filter)]->trigger();
        QCOMPARE(opaque(e.shown().pixel(10, 10)), pixel);
        const EffectFilter& f = effectFilter(filter);
        QCOMPARE(pixel, tintPixel(TintMode(f.mode), paletteColour(f.paletteIndex).rgb(), Sample));
    }

    void aSecondFilterReplacesTheFirstAndNoEffectHidesIt() {
        Effects e;
        QApplication::clipboard()->setImage(filled(QSize(90, 70), Sample));
        e.f->Picture4_Click();
        e.f->filters[0]->trigger();
        e.f->filters[7]->trigger();
        QCOMPARE(opaque(e.shown().pixel(10, 10)), qRgb(155, 105, 0));
        e.f->AAAAAA->trigger();
        QCOMPARE(opaque(e.shown().pixel(10, 10)), Sample);
        e.f->AAAAAA->trigger(); // nothing shown: nothing changes
        QCOMPARE(opaque(e.shown().pixel(10, 10)), Sample);
    }

    void mosaicShowsCornerColoursUntilAFilter() {
        Effects e;
        QImage stripes(40, 30, QImage::Format_RGB32);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                stripes.setPixel(x, y, qRgb(x * 6, y * 8, 20));
        QApplication::clipboard()->setImage(stripes);
        e.f->Picture4_Click();
        e.f->filters[7]->trigger(); // "(VERD)"
        const QImage filtered = e.shown();
        e.f->WWWWWW->trigger();
        const QImage cells = e.shown();
        for (const QPoint& p : {QPoint(1, 1), QPoint(3, 4), QPoint(0, 5), QPoint(7, 8), QPoint(21, 13)}) {
            const QPoint corner(p.y() <= 4 ? ((p.x() - 1) / 4) * 4 + 1 : (p.x() / 4) * 4,
                                ((p.y() - 1) / 4) * 4 + 1);
            QCOMPARE(opaque(cells.pixel(p)), opaque(filtered.pixel(corner)));
        }
        QCOMPARE(opaque(cells.pixel(2, 0)), opaque(filtered.pixel(2, 0)));
        // An export carries the cells.
        e.f->papap->trigger();
        QCOMPARE(e.t.launcher.requests, QStringList({"picture: " + handOffPicturePath(e.t.services())}));
        QCOMPARE(opaque(QImage(handOffPicturePath(e.t.services())).pixel(3, 4)),
                 opaque(filtered.pixel(1, 1)));
        // A filter chosen afterwards removes the cells.
        e.f->filters[0]->trigger();
        QCOMPARE(opaque(e.shown().pixel(3, 4)),
                 tintPixel(TintMode::MergePenNot, qRgb(128, 0, 128), stripes.pixel(3, 4)));
    }

    void exportsCarryWhatIsShown() {
        Effects e;
        QApplication::clipboard()->setImage(filled(QSize(90, 70), Sample));
        e.f->Picture4_Click();
        e.f->filters[0]->trigger();
        e.f->psos->trigger();
        e.f->psps->trigger();
        QCOMPARE(e.t.launcher.requests, QStringList({"office: " + handOffPicturePath(e.t.services())}));
        QCOMPARE(e.t.office.documents.size(), 1);
        QCOMPARE(e.t.office.documents[0].orientation, OfficeDocument::Orientation::Portrait);
        QCOMPARE(opaque(QImage(handOffPicturePath(e.t.services())).pixel(50, 50)), qRgb(155, 105, 235));
        QApplication::clipboard()->clear();
        e.f->posrata->trigger();
        const QImage clip = QApplication::clipboard()->image();
        QCOMPARE(clip.size(), QSize(90, 70));
        QCOMPARE(opaque(clip.pixel(50, 50)), qRgb(155, 105, 235));
        // The scratch box holds the capture.
        QCOMPARE(e.f->Picture3->size(), QSize(90, 70));
        QCOMPARE(e.errors(), 0);
    }

    void builtInDrawingIsExported() {
        Effects e;
        e.f->papap->trigger();
        const QImage page(handOffPicturePath(e.t.services()));
        QCOMPARE(page.size(), e.f->Picture4->size());
        QCOMPARE(opaque(page.pixel(10, 10)), opaque(drawEffectsSample().pixel(10, 10)));
    }

    void jpegCopies() {
        Effects e;
        // Opening "DESAR A:" and then choosing "c:\TEMPORAL" adds two; "temporal" is made.
        Q_EMIT e.f->XXXCC->aboutToShow();
        e.f->tempo->trigger();
        const QStringList copies = e.temporal();
        QCOMPARE(copies.size(), 2);
        for (const QString& name : copies)
            QVERIFY2(QRegularExpression("^ESPEC[0-9]{1,4}\\.JPG$").match(name).hasMatch(), qPrintable(name));
        QVERIFY(QFile::exists(QDir(e.t.scratchFolder()).filePath("dibuix.jpg")));
        // The draws continue the program's sequence, never reseeded here.
        Random replay;
        replay.seed(Random::DefaultSeed);
        QStringList expected{QStringLiteral("ESPEC%1.JPG").arg(replay.below(10000))};
        expected << QStringLiteral("ESPEC%1.JPG").arg(replay.below(10000));
        expected.sort();
        QStringList sorted = copies;
        sorted.sort();
        QCOMPARE(sorted, expected);
        QCOMPARE(e.errors(), 0);
    }

    void aCopyThatCannotBeMadeSaysError() {
        Effects e;
        QFile blocker(QDir(e.t.programFolder()).filePath("temporal"));
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
        blocker.close();
        e.f->tempo->trigger();
        QCOMPARE(e.errors(), 1);
        QVERIFY(e.f->isVisible());
    }
};

QTEST_MAIN(TestForm10)
#include "tst_form10.moc"
