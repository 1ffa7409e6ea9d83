// The picture routines of the composing windows: the picture list and its folder chooser, the
// preview, placing pictures in a frame, the palette pick, the font dialog and the web page.
#include "core/controls.h"
#include "core/fonts.h"
#include "core/palette.h"
#include "files.h"
#include "platform/fontdialog.h"
#include "platform/qtdialogs.h"
#include "testservices.h"
#include "workshop/picturefilelist.h"
#include "workshop/picturetools.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFontDialog>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A picture file of one colour, or half one colour and half another (left | right).
bool writePicture(const QString& path, QSize size, QColor left, QColor right = {}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(left);
    if (right.isValid())
        for (int y = 0; y < size.height(); ++y)
            for (int x = size.width() / 2; x < size.width(); ++x)
                image.setPixelColor(x, y, right);
    return image.save(path);
}

QRgb opaque(QColor c) {
    return c.rgb() | 0xff000000u;
}

// A window-sized fixture: a picture list, a preview and a 120 x 60 frame.
struct Kit {
    TestServices t;
    QWidget window;
    PictureFileList* File1 = nullptr;
    ImageBox* Image1 = nullptr;
    PictureBox* Picture16 = nullptr;
    QTemporaryDir dir;

    Kit() {
        window.resize(600, 400);
        File1 = pictureFileList(t.services(), &window, "File1", 0, 0, 3000, 3000);
        Image1 = control<ImageBox>(&window, "Image1", 3000, 0, 1500, 1500);
        Picture16 = control<PictureBox>(&window, "Picture16", 0, 3000, 1800, 900);
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    void select(const QString& name) {
        const auto items = File1->findItems(name, Qt::MatchExactly);
        QVERIFY(!items.isEmpty());
        File1->setCurrentItem(items.first());
    }
};

} // namespace

class TestPictureTools : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void listsMatchingNames_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("dotless endings, case ignored")
            << QStringList{"Casa.BMP", "notes.txt", "foto.png", "iconacur"} << QString(DefaultPicturePattern)
            << QStringList{"Casa.BMP", "iconacur"};
        QTest::newRow("every kind") << QStringList{"b.JPG", "a.gif", "c.wmf", "d.ico",
                                                   "e.cur", "fwmf",  "g.jpeg"}
                                    << QString(DefaultPicturePattern)
                                    << QStringList{"a.gif", "b.JPG", "c.wmf", "d.ico", "e.cur", "fwmf"};
        QTest::newRow("name order ignores case")
            << QStringList{"b.jpg", "A.jpg", "c.JPG"} << "*.jpg" << QStringList{"A.jpg", "b.jpg", "c.JPG"};
        QTest::newRow("nothing matches")
            << QStringList{"x.txt"} << QString(DefaultPicturePattern) << QStringList{};
        QTest::newRow("no patterns") << QStringList{"x.jpg"} << ";" << QStringList{};
    }
    void listsMatchingNames() {
        QFETCH(QStringList, files);
        QFETCH(QString, pattern);
        QFETCH(QStringList, listed);
        QTemporaryDir dir;
        for (const QString& f : files)
            QVERIFY(writeFileBytes(dir.filePath(f), "x"));
        QVERIFY(QDir(dir.path()).mkdir("fotos.jpg")); // a folder is never listed
        QCOMPARE(listPictureFiles(dir.path(), pattern), listed);
        PictureFileList list;
        list.setPattern(pattern);
        list.setPath(dir.path());
        QStringList shown;
        for (int i = 0; i < list.count(); ++i)
            shown << list.item(i)->text();
        QCOMPARE(shown, listed);
        QVERIFY(!list.selectedFile());
        QCOMPARE(listPictureFiles(dir.filePath("missing"), pattern), QStringList{});
    }

    // The chooser's dialog, the folder it lists, and cancel and failure.
    void choosePictureFolder() {
        Kit k;
        QVERIFY(writePicture(k.path("sol.jpg"), {8, 8}, Qt::yellow));
        QVERIFY(writePicture(k.path("lluna.bmp"), {8, 8}, Qt::gray));
        // A new list starts on "dibuixos" in the program folder.
        QCOMPARE(k.File1->Path(), QDir(k.t.programFolder()).filePath("dibuixos"));

        k.t.dialogs.cancelOpen();
        QVERIFY(!ChoosePictureFolder(k.t.services(), &k.window, k.File1));
        QCOMPARE(k.t.dialogs.messages, QStringList{});
        QCOMPARE(k.File1->Path(), QDir(k.t.programFolder()).filePath("dibuixos"));

        k.t.dialogs.answerOpen(k.path("sol.jpg"));
        QVERIFY(ChoosePictureFolder(k.t.services(), &k.window, k.File1));
        QCOMPARE(k.File1->Path(), QDir::cleanPath(k.dir.path()));
        QCOMPARE(k.File1->count(), 2);
        QVERIFY(!k.File1->selectedFile()); // the chosen file is not selected, previewed or loaded
        QVERIFY(k.Picture16->Picture().isNull());
        QCOMPARE(k.t.services().currentFolder, QDir::cleanPath(k.dir.path()));

        const OpenRequest asked = k.t.dialogs.openRequests.first();
        QCOMPARE(asked.initDir, QDir(k.t.programFolder()).filePath("dibuixos"));
        QCOMPARE(asked.filter,
                 QString::fromUtf8("GRÀFICS (*.gif;*.jpg;*.ico;*.bmp;*.wmf)|*.gif;*.jpg;*.ico;*.bmp;*.wmf|"
                                   "GIF Files (*.gif)|*.gif|JPEG Files (*.jpg)|*.jpg|"
                                   "Icon Files (*.ico)|*.ico|Windows Bitmap (*.bmp)|*.bmp|"
                                   "Windows Meta File (*.wmf)|*.wmf"));

        // A list made later, in any window, starts on the folder chosen last.
        PictureFileList* other = pictureFileList(k.t.services(), &k.window, "File2", 0, 0, 100, 100);
        QCOMPARE(other->Path(), QDir::cleanPath(k.dir.path()));

        k.t.dialogs.failOpen();
        QVERIFY(!ChoosePictureFolder(k.t.services(), &k.window, k.File1));
        QCOMPARE(k.t.dialogs.messages, QStringList{"Error"});
        QCOMPARE(k.File1->Path(), QDir::cleanPath(k.dir.path()));
    }

    // The silent chooser: the same dialog and folder, and never a word of a cancel or a failure.
    void choosePictureFolderSilently() {
        Kit k;
        QVERIFY(writePicture(k.path("sol.jpg"), {8, 8}, Qt::yellow));
        const QString start = k.File1->Path();
        k.t.dialogs.cancelOpen();
        k.t.dialogs.failOpen();
        k.t.dialogs.answerOpen(k.dir.path()); // a folder is no file
        for (int i = 0; i < 3; ++i)
            QVERIFY(!ChoosePictureFolderSilently(k.t.services(), &k.window, k.File1));
        QCOMPARE(k.File1->Path(), start);
        QCOMPARE(k.t.dialogs.messages, QStringList{});
        k.t.dialogs.answerOpen(k.path("sol.jpg"));
        QVERIFY(ChoosePictureFolderSilently(k.t.services(), &k.window, k.File1, "dibuixos/altres"));
        QCOMPARE(k.t.dialogs.openRequests.last().initDir,
                 QDir(k.t.programFolder()).filePath("dibuixos/altres"));
        QCOMPARE(k.File1->Path(), QDir::cleanPath(k.dir.path()));
        QCOMPARE(k.File1->count(), 1);
        QCOMPARE(k.t.services().currentFolder, QDir::cleanPath(k.dir.path()));
        QCOMPARE(k.t.services().pictureFolder, QDir::cleanPath(k.dir.path()));
    }

    void initialFolderIgnoresTrailingSeparator() {
        QCOMPARE(pictureFolderRequest("/home/nen/Taudrin").initDir, QString("/home/nen/Taudrin/dibuixos"));
        QCOMPARE(pictureFolderRequest("/home/nen/Taudrin/").initDir, QString("/home/nen/Taudrin/dibuixos"));
    }

    // Names load from the list's own folder, wherever the current folder has gone since.
    // A click on the entry already selected is told apart: a click that selects an entry, a click
    // below the entries and keys are not.
    void selectedEntryClicked() {
        QTemporaryDir dir;
        for (const char* name : {"a.jpg", "b.jpg"})
            QVERIFY(writeFileBytes(dir.filePath(QString::fromLatin1(name)), "x"));
        PictureFileList list;
        list.resize(200, 200);
        list.setPath(dir.path());
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy again(&list, &PictureFileList::selectedEntryClicked);
        QSignalSpy changed(&list, &QListWidget::itemSelectionChanged);
        const auto click = [&list](int row) {
            const QPoint at = row < 0 ? QPoint(100, 190) : list.visualItemRect(list.item(row)).center();
            QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
        };
        click(0);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(again.size(), 0);
        click(0);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(again.size(), 1);
        click(1);
        QCOMPARE(changed.size(), 2);
        QCOMPARE(again.size(), 1);
        click(-1); // below the entries
        QCOMPARE(again.size(), 1);
        QTest::keyClick(&list, Qt::Key_Up);
        QCOMPARE(list.currentRow(), 0);
        QCOMPARE(again.size(), 1);
        click(0);
        QCOMPARE(again.size(), 2);
    }

    void listLoadsFromItsOwnFolder() {
        Kit k;
        QVERIFY(writePicture(k.path("sol.jpg"), {40, 20}, Qt::yellow));
        k.File1->setPath(k.dir.path());
        k.t.services().currentFolder = k.t.programFolder();
        k.select("sol.jpg");
        QCOMPARE(*k.File1->selectedFile(), k.path("sol.jpg"));
        QCOMPARE(loadListedPicture(k.File1).size(), QSize(40, 20));
    }

    void preview() {
        Kit k;
        QVERIFY(writePicture(k.path("sol.png"), {40, 20}, Qt::yellow));
        QVERIFY(writeFileBytes(k.path("trencat.jpg"), "not a picture"));
        QVERIFY(writeFileBytes(k.path("dibuix.wmf"), QByteArray("\xd7\xcd\xc6\x9a", 4) + QByteArray(40, 0)));
        k.File1->setPattern("*.png;*.jpg;*wmf");
        k.File1->setPath(k.dir.path());
        QCOMPARE(k.File1->count(), 3);

        PreviewPictureFile(k.File1, k.Image1); // nothing selected: empty
        QVERIFY(k.Image1->Picture().isNull());
        k.select("sol.png");
        PreviewPictureFile(k.File1, k.Image1);
        QCOMPARE(k.Image1->Picture().size(), QSize(40, 20));
        // A file that does not load, a metafile among them, leaves the preview empty.
        for (const char* name : {"trencat.jpg", "dibuix.wmf"}) {
            k.select(name);
            PreviewPictureFile(k.File1, k.Image1);
            QVERIFY(k.Image1->Picture().isNull());
        }
        // A stretched preview of a large picture is decoded no larger than it shows.
        QVERIFY(writePicture(k.path("gran.png"), {400, 200}, Qt::blue));
        k.File1->Refresh();
        k.select("gran.png");
        k.Image1->setStretch(true);
        PreviewPictureFile(k.File1, k.Image1);
        QCOMPARE(k.Image1->Picture().size(), QSize(100, 50));
    }

    // Left: the listed picture fills the frame, stretched both ways; a file that does not load
    // or no selection leaves the frame as it was; right: the clipboard picture over it; middle:
    // nothing.
    void placeInFrame() {
        Kit k;
        QVERIFY(writePicture(k.path("ample.png"), {300, 20}, Qt::red, Qt::blue)); // wide, in a 120 x 60 frame
        QVERIFY(writeFileBytes(k.path("trencat.png"), "not a picture"));
        QVERIFY(writePicture(k.path("verd.png"), {10, 10}, Qt::green));
        k.File1->setPattern("*.png");
        k.File1->setPath(k.dir.path());

        QVERIFY(!PlacePictureInFrame(k.Picture16, Qt::LeftButton, k.File1)); // nothing selected
        QVERIFY(k.Picture16->Picture().isNull());

        k.select("ample.png");
        QVERIFY(PlacePictureInFrame(k.Picture16, Qt::LeftButton, k.File1));
        QImage framed = k.Picture16->Picture();
        QCOMPARE(framed.size(), QSize(120, 60));
        QCOMPARE(framed.pixel(2, 2), opaque(Qt::red));
        QCOMPARE(framed.pixel(2, 57), opaque(Qt::red));
        QCOMPARE(framed.pixel(117, 57), opaque(Qt::blue));

        // No earlier picture (the green one loaded before) ever shows for a file that fails.
        k.select("verd.png");
        QVERIFY(!loadListedPicture(k.File1).isNull());
        k.select("trencat.png");
        QVERIFY(!PlacePictureInFrame(k.Picture16, Qt::LeftButton, k.File1));
        QCOMPARE(k.Picture16->Picture(), framed);

        QVERIFY(!PlacePictureInFrame(k.Picture16, Qt::MiddleButton, k.File1));
        QCOMPARE(k.Picture16->Picture(), framed);

        QApplication::clipboard()->clear();
        QVERIFY(!PlacePictureInFrame(k.Picture16, Qt::RightButton, k.File1));
        QCOMPARE(k.Picture16->Picture(), framed);

        QImage clip(4, 4, QImage::Format_ARGB32);
        clip.fill(Qt::transparent);
        for (int y = 0; y < 4; ++y)
            clip.setPixelColor(0, y, Qt::yellow); // left quarter yellow
        QApplication::clipboard()->setImage(clip);
        QVERIFY(PlacePictureInFrame(k.Picture16, Qt::RightButton, k.File1));
        framed = k.Picture16->Picture();
        QCOMPARE(framed.size(), QSize(120, 60));
        QCOMPARE(framed.pixel(10, 30), opaque(Qt::yellow));
        QCOMPARE(framed.pixel(117, 57), opaque(Qt::blue)); // the frame is not cleared first
        QApplication::clipboard()->clear();
    }

    // The pixel under the release, separator lines too; a release off the chart is ignored.
    void paletteColour_data() {
        QTest::addColumn<QPointF>("at");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("first swatch") << QPointF(5, 5) << true << ::paletteColour(0);
        QTest::newRow("red swatch") << QPointF(4 * 20 + 10, 30) << true << ::paletteColour(12);
        QTest::newRow("white swatch") << QPointF(159.5, 39.5) - QPointF(2, 2) << true << ::paletteColour(15);
        QTest::newRow("separator line") << QPointF(20, 10) << true << QColor(64, 64, 64);
        QTest::newRow("left of the chart") << QPointF(-1, 10) << false << QColor();
        QTest::newRow("below the chart") << QPointF(10, 40) << false << QColor();
    }
    void paletteColour() {
        QFETCH(QPointF, at);
        QFETCH(bool, found);
        QFETCH(QColor, colour);
        PictureBox palette;
        palette.setPicture(drawColourChart({160, 40}));
        const std::optional<QColor> picked = PickPaletteColour(&palette, at);
        QCOMPARE(picked.has_value(), found);
        if (found) QCOMPARE(*picked, colour);
    }

    void textAndBackColours() {
        QLabel label;
        QLineEdit box;
        setTextColour(&label, Qt::red);
        setTextColour(&box, Qt::blue);
        QCOMPARE(textColour(&label), QColor(Qt::red));
        QCOMPARE(textColour(&box), QColor(Qt::blue));
        setBackColour(&box, Qt::yellow);
        QCOMPARE(box.palette().color(QPalette::Base), QColor(Qt::yellow));
    }

    // The chosen parts go to every target; cancel changes nothing.
    void chooseTextFont() {
        TestServices t;
        QLineEdit a, b;
        a.setFont(QFont("Arial", 12));
        b.setFont(QFont("Arial", 12));
        setTextColour(&a, Qt::black);
        setTextColour(&b, Qt::black);
        QFont wanted("Courier New", 20);
        wanted.setBold(true);
        wanted.setItalic(true);
        wanted.setUnderline(true);

        t.dialogs.cancelFont();
        QVERIFY(!ChooseTextFont(t.services(), nullptr, {&a, &b}));
        QCOMPARE(a.font(), QFont("Arial", 12));
        QCOMPARE(textColour(&b), QColor(Qt::black));
        QCOMPARE(t.dialogs.fontRequests.first().font.family(), QString("Arial"));

        t.dialogs.answerFont({wanted, Qt::red});
        QVERIFY(ChooseTextFont(t.services(), nullptr, {&a, &b}));
        for (QLineEdit* box : {&a, &b}) {
            QCOMPARE(box->font().family(), QString("Courier New"));
            QCOMPARE(box->font().pointSize(), 20);
            QVERIFY(box->font().bold() && box->font().italic());
            QVERIFY(!box->font().underline()); // underline and strikeout are not applied
            QCOMPARE(textColour(box), QColor(Qt::red));
        }

        // A window that applies the name and colour only.
        t.dialogs.answerFont({QFont("Comic Sans MS", 40), Qt::blue});
        QVERIFY(ChooseTextFont(t.services(), nullptr, {&a}, {.size = false, .bold = false, .italic = false}));
        QCOMPARE(a.font().family(), QString("Comic Sans MS"));
        QCOMPARE(a.font().pointSize(), 20);
        QVERIFY(a.font().bold());
        QCOMPARE(textColour(&a), QColor(Qt::blue));
    }

    // The real dialog: scalable fonts, the colour choice starting on the text's colour.
    void fontDialog() {
        std::unique_ptr<FontDialog> dlg(
            QtDialogs::createFontDialog(nullptr, {QFont("Courier New", 14), QColor(255, 0, 0)}));
        QVERIFY(dlg->fonts()->testOption(QFontDialog::ScalableFonts));
        QCOMPARE(dlg->colours()->count(), 16);
        QCOMPARE(dlg->colours()->currentText(), QString("Vermell"));
        dlg->colours()->setCurrentIndex(2);
        QCOMPARE(dlg->choice().colour, ::paletteColour(2));
        QCOMPARE(dlg->choice().font.pointSize(), 14);
        QCOMPARE(dlg->choice().font.family(), QFontInfo(QFont("Courier New")).family());

        std::unique_ptr<FontDialog> odd(QtDialogs::createFontDialog(nullptr, {QFont(), QColor(1, 2, 3)}));
        QCOMPARE(odd->colours()->count(), 17);
        QCOMPARE(odd->choice().colour, QColor(1, 2, 3));
    }

    // "Zahareña" shows in a free handwriting font that has every Catalan letter.
    void handwritingFont() {
        installFontSubstitutions();
        const QFont zaharena(QString::fromUtf8("Zahareña"), 30);
        QCOMPARE(QFontInfo(zaharena).family(), QString("Breip"));
        const QFontMetrics metrics(zaharena);
        for (QChar c : QString::fromUtf8("àéèíïòóúüç·ÀÉÈÍÏÒÓÚÜÇ"))
            QVERIFY2(metrics.inFont(c), qPrintable(QString(c)));
    }

    void webSearchPage() {
        TestServices t;
        OpenWebSearchPage(t.services());
        QCOMPARE(t.launcher.requests, QStringList{QString("url: ") + WebSearchAddress});
    }
};

QTEST_MAIN(TestPictureTools)
#include "tst_picturetools.moc"
