// The photo packing: its layouts, the folder choice, the preview and the packing into a document.
#include "core/controls.h"
#include "core/sharedstate.h"
#include "files.h"
#include "pictures/form8.h"
#include "pictures/photopacking.h"
#include "testservices.h"
#include "workshop/handoff.h"
#include "workshop/picturefilelist.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QSizeF Screen1024(15360, 11520);

bool writePhoto(const QString& path, QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path);
}

const OfficeTable* tableOf(const OfficeDocument& doc) {
    for (const OfficeDocument::Block& b : doc.blocks)
        if (const auto* t = std::get_if<OfficeTable>(&b)) return t;
    return nullptr;
}

OfficePicture pictureIn(const OfficeCell& cell) {
    for (const OfficeParagraph& p : cell.paragraphs)
        for (const OfficeRun& r : p.runs)
            if (!r.picture.isNull()) return r.picture;
    return {};
}

struct Packing {
    TestServices t;
    Form8* f = nullptr;
    QTemporaryDir photos;

    Packing() {
        f = &t.forms().show<Form8>();
        t.state().setActivityCode(21);
        f->screen = Screen1024;
    }
    QString path(const QString& name) const { return photos.filePath(name); }
    void chooseFolder() {
        t.dialogs.answerOpen(path("a.jpg"));
        f->saassa->trigger();
    }
    // Points at the hot area and releases a button on it, as a hand would.
    void packAt(int index, Qt::MouseButton button = Qt::LeftButton) {
        QLabel* label = f->Label20[size_t(index)];
        const QPointF centre = QRectF(label->rect()).center();
        QMouseEvent move(QEvent::MouseMove, centre, label->mapToGlobal(centre), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(label, &move);
        QTest::mousePress(label, button, {}, centre.toPoint());
        QTest::mouseRelease(label, button, {}, centre.toPoint());
    }
};
} // namespace

class TestForm8 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void layouts_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("perRow");
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<QSize>("photo"); // pixels on a 1024 x 768 screen
        QTest::newRow("0") << 0 << 1 << false << QSize(896, 672);
        QTest::newRow("1") << 1 << 2 << false << QSize(448, 336);
        QTest::newRow("2") << 2 << 3 << false << QSize(299, 224);
        QTest::newRow("3") << 3 << 4 << false << QSize(224, 168);
        QTest::newRow("6") << 6 << 1 << true << QSize(896, 672);
        QTest::newRow("7") << 7 << 2 << true << QSize(448, 336);
        QTest::newRow("8") << 8 << 3 << true << QSize(299, 224);
        QTest::newRow("9") << 9 << 4 << true << QSize(224, 168);
    }
    void layouts() {
        QFETCH(int, index);
        QFETCH(int, perRow);
        QFETCH(bool, landscape);
        QFETCH(QSize, photo);
        QCOMPARE(photoLayout(index), (PhotoLayout{perRow, landscape}));
        QCOMPARE(photoSizePixels(Screen1024, perRow), photo);
        QVERIFY(hasPhotoLayoutArea(index));
    }

    void photoSizeInTwips() {
        QCOMPARE(photoSizeTwips(Screen1024, 2), QSizeF(6720, 5040));
        QCOMPARE(photoSizeTwips(Screen1024, 3).width(), double(15360.0f / 3 * 0.875f));
        QVERIFY(!hasPhotoLayoutArea(4));
        QVERIFY(!hasPhotoLayoutArea(5));
        QVERIFY(!hasPhotoLayoutArea(10));
    }

    void design() {
        Packing p;
        QCOMPARE(p.f->windowTitle(), Form8::caption());
        QCOMPARE(p.f->client->size(), QSize(763, 397));
        QCOMPARE(p.f->Picture64->Picture().size(), QSize(485, 293));
        QCOMPARE(p.f->Picture64->geometry(), QRect(249, 36, 485, 293));
        QCOMPARE(p.f->File1->geometry(), QRect(21, 15, 219, 357));
        QCOMPARE(p.f->Picture1->geometry(), QRect(516, 261, 181, 118));
        QVERIFY(!p.f->Label20[4] && !p.f->Label20[5]);
        QCOMPARE(p.f->Shape1->BorderColor(), QColor(250, 250, 250));
        QVERIFY(p.f->Shape1->FillTransparent());
        QVERIFY(!p.f->Picture3->isVisible());
        QCOMPARE(p.f->Label33, 0);
        QCOMPARE(p.f->saassa->text(), "IMATGES");
    }

    // The middle of each hot area answers for its layout, and the area shows a page icon: much of
    // it is drawn, not bare white ground.
    void everyIconIsItsOwnHotArea() {
        Packing p;
        const QImage& picture = p.f->Picture64->Picture();
        for (int i = 0; i < PhotoLayoutCount; ++i) {
            if (!hasPhotoLayoutArea(i)) continue;
            const QRect area = p.f->Label20[size_t(i)]->geometry();
            QCOMPARE(p.f->Picture64->childAt(area.center()), p.f->Label20[size_t(i)]);
            int drawn = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    drawn += picture.pixel(x, y) != qRgb(255, 255, 255);
            QVERIFY2(drawn > area.width() * area.height() / 5, qPrintable(QString::number(i)));
        }
    }

    void packsFourAtTwoToARowOnALandscapePage() {
        Packing p;
        for (const char* name : {"a.jpg", "b.bmp", "c.jpg", "d.bmp"})
            QVERIFY(writePhoto(p.path(name), {1000, 700}, Qt::darkGreen));
        p.chooseFolder();
        p.packAt(7);
        QCOMPARE(p.f->Label33, 7);
        QCOMPARE(p.t.office.documents.size(), 1);
        const OfficeDocument& doc = p.t.office.documents.first();
        QCOMPARE(doc.orientation, OfficeDocument::Orientation::Landscape);
        const OfficeTable* table = tableOf(doc);
        QVERIFY(table);
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->columnCount(), 2);
        for (int r = 1; r <= 2; ++r)
            for (int c = 1; c <= 2; ++c) {
                const OfficePicture photo = pictureIn(table->cell(r, c));
                QVERIFY(!photo.isNull());
                QCOMPARE(photo.pixelSize(), QSize(448, 336));
                QCOMPARE(photo.mediaType(), "image/jpeg");
                // It fits its cell at its own size.
                QVERIFY(photo.sizeInPoints(1e6, 1e6).width() <= doc.columnWidths(*table)[c - 1]);
            }
        QCOMPARE(table->cell(2, 1).paragraphs.first().format.pointSize, 10.0);
        QCOMPARE(table->cell(2, 2).paragraphs.first().format.colour, QColor(0, 0, 128));
        // The scratch files hold the last photo; the last cell holds the JPEG's own bytes.
        const QByteArray jpeg = readFileBytes(QDir(p.t.scratchFolder()).filePath("dibuix.jpg"));
        QCOMPARE(pictureIn(table->cell(2, 2)).data(), jpeg);
        QCOMPARE(QImage(handOffPicturePath(p.t.services())).size(), QSize(448, 336));
        QCOMPARE(p.f->Picture3->Picture().size(), QSize(448, 336));
        QCOMPARE(p.t.dialogs.messages, QStringList{});
    }

    void rowsAndEmptyCells_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("broken"); // a file of them that is no picture
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("rows");           // 0: no table
        QTest::addColumn<QList<bool>>("photos"); // cell by cell, row by row
        QTest::newRow("two at two to a row: a second, empty row")
            << QStringList{"a.jpg", "b.jpg"} << QString() << 1 << 2 << QList<bool>{true, true, false, false};
        QTest::newRow("an empty folder at one to a row: the heading only")
            << QStringList{} << QString() << 0 << 0 << QList<bool>{};
        QTest::newRow("an empty folder at three to a row: one empty row")
            << QStringList{} << QString() << 8 << 1 << QList<bool>{false, false, false};
        // Its cell stays empty and the next photos keep their cells.
        QTest::newRow("not a picture between photos")
            << QStringList{"a.jpg", "b.jpg", "c.jpg"} << QString("b.jpg") << 9 << 2
            << QList<bool>{true, false, true, false, false, false, false, false};
    }
    void rowsAndEmptyCells() {
        QFETCH(QStringList, files);
        QFETCH(QString, broken);
        QFETCH(int, index);
        QFETCH(int, rows);
        QFETCH(QList<bool>, photos);
        Packing p;
        for (const QString& name : files)
            QVERIFY(name == broken ? writeFileBytes(p.path(name), "no picture")
                                   : writePhoto(p.path(name), {60, 40}, Qt::red));
        QVERIFY(writeFileBytes(p.path("notes.txt"), "not listed"));
        p.t.dialogs.answerOpen(p.path("x.jpg"));
        p.f->saassa->trigger();
        p.packAt(index);
        QCOMPARE(p.t.office.documents.size(), 1);
        const OfficeDocument& doc = p.t.office.documents.first();
        const OfficeTable* table = tableOf(doc);
        QCOMPARE(table ? table->rowCount() : 0, rows);
        for (int i = 0; i < photos.size(); ++i) {
            const int n = table->columnCount();
            QCOMPARE(!pictureIn(table->cell(i / n + 1, i % n + 1)).isNull(), photos[i]);
        }
        QCOMPARE(p.t.dialogs.messages, QStringList{});
    }

    // Before any folder was chosen the list shows the picture folder, and those are the photos packed.
    void packsTheListedFolderBeforeAnyChoice() {
        Packing p;
        const QString folder = p.f->File1->Path();
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(writePhoto(QDir(folder).filePath("casa.jpg"), {80, 60}, Qt::blue));
        p.f->File1->Refresh();
        QCOMPARE(p.f->windowTitle(), Form8::caption());
        p.packAt(0);
        const OfficeTable* table = tableOf(p.t.office.documents.first());
        QVERIFY(table);
        QCOMPARE(pictureIn(table->cell(1, 1)).pixelSize(), QSize(896, 672));
    }

    void eachIconPacksItsOwnLayoutAndEveryPackingIsANewDocument() {
        Packing p;
        QVERIFY(writePhoto(p.path("a.jpg"), {50, 50}, Qt::red));
        p.chooseFolder();
        p.packAt(8, Qt::RightButton);
        p.packAt(2);
        QCOMPARE(p.t.office.documents.size(), 2);
        QCOMPARE(p.t.office.documents[0].orientation, OfficeDocument::Orientation::Landscape);
        QCOMPARE(tableOf(p.t.office.documents[0])->columnCount(), 3);
        QCOMPARE(p.t.office.documents[1].orientation, OfficeDocument::Orientation::Portrait);
        QCOMPARE(tableOf(p.t.office.documents[1])->columnCount(), 3);
        QCOMPARE(p.f->Picture3->size(), QSize(299, 224));
    }

    // The main window's scratch holder takes the photos when it is open, and is never opened for it.
    void theMainWindowsHolderOnlyWhenLoaded() {
        Packing p;
        QVERIFY(writePhoto(p.path("a.jpg"), {50, 50}, Qt::red));
        p.chooseFolder();
        p.packAt(0);
        QVERIFY(!p.t.forms().isLoaded("form1"));
        QWidget* main = p.t.forms().get("form1");
        QVERIFY(main);
        auto* GRANDE = main->findChild<PictureBox*>("GRANDE");
        QVERIFY(GRANDE);
        p.packAt(1);
        QCOMPARE(GRANDE->Picture().size(), QSize(448, 336));
        QVERIFY(GRANDE->Picture().pixelColor(10, 10).red() > 240);
    }

    void aDocumentThatDoesNotOpenSaysError() {
        Packing p;
        p.t.office.answer = false;
        p.packAt(0);
        QCOMPARE(p.t.dialogs.messages, QStringList{"Error"});
        QApplication::processEvents();
        QVERIFY(!QApplication::overrideCursor());
    }

    void folderChoice() {
        Packing p;
        QVERIFY(writePhoto(p.path("a.jpg"), {50, 50}, Qt::red));
        const QString before = p.f->File1->Path();
        p.t.dialogs.cancelOpen();
        p.f->saassa->trigger();
        p.t.dialogs.failOpen();
        p.f->saassa->trigger();
        QCOMPARE(p.f->File1->Path(), before);
        QCOMPARE(p.f->windowTitle(), Form8::caption());
        QCOMPARE(p.t.dialogs.messages, QStringList{}); // no word of the cancel or the failure
        QCOMPARE(p.t.dialogs.openRequests.first().initDir, QDir(p.t.programFolder()).filePath("dibuixos"));
        p.chooseFolder();
        QCOMPARE(p.f->File1->Path(), QDir::cleanPath(p.photos.path()));
        QCOMPARE(p.f->windowTitle(), QDir::cleanPath(p.photos.path()));
        QCOMPARE(p.f->File1->count(), 1);
    }

    void preview() {
        Packing p;
        QVERIFY(writePhoto(p.path("a.jpg"), {4000, 3000}, Qt::red));
        QVERIFY(writeFileBytes(p.path("b.jpg"), "no picture"));
        p.chooseFolder();
        QVERIFY(p.f->Image1->Picture().isNull());
        p.f->File1->setCurrentRow(0);
        const QImage shown = p.f->Image1->Picture();
        QVERIFY(!shown.isNull());
        QVERIFY(shown.width() <= p.f->Image1->width()); // decoded no larger than it shows
        p.f->File1->setCurrentRow(1);
        QCOMPARE(p.f->Image1->Picture(), shown); // the one that does not load leaves it as it was
        QCOMPARE(p.t.dialogs.messages, QStringList{});
    }

    void closingClearsTheActivityCode() {
        Packing p;
        p.f->close();
        QCOMPARE(p.t.state().ActivityCode(), 0);
    }
};

QTEST_MAIN(TestForm8)
#include "tst_form8.moc"
