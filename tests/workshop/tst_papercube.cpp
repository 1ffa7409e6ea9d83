// The paper cube: faces filled one by one or cut from one picture, the preview, the picture
// folder, the hand-offs of the whole net, and closing.
#include "core/controls.h"
#include "core/fonts.h"
#include "core/sharedstate.h"
#include "files.h"
#include "fulldisk.h"
#include "testservices.h"
#include "workshop/cubenet.h"
#include "workshop/handoff.h"
#include "workshop/papercube.h"
#include "workshop/picturefilelist.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Six plain cells of a picture, in reading order, and the face each goes to.
const QColor Cells[2][3] = {{Qt::red, Qt::green, Qt::blue}, {Qt::yellow, Qt::magenta, Qt::cyan}};
const int CellFace[2][3] = {{0, 2, 6}, {1, 3, 4}};

bool writeSixColours(const QString& path, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixelColor(x, y, Cells[y * 2 / size.height()][x * 3 / size.width()]);
    return image.save(path);
}

bool writePlain(const QString& path, QSize size, const QColor& colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path);
}

// The colour the cut gives each face.
QColor cutColour(int face) {
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c)
            if (CellFace[r][c] == face) return Cells[r][c];
    return {};
}

// The window on a folder of test pictures: a picture of six colour cells twice as wide as high,
// a tall red one, and a file that is no picture.
struct Cube {
    TestServices t;
    QTemporaryDir dir;
    Form5* w = nullptr;

    Cube() {
        QVERIFY(writeSixColours(dir.filePath("sis.bmp"), {600, 300}));
        QVERIFY(writePlain(dir.filePath("vermell.bmp"), {40, 80}, QColor(200, 30, 30)));
        QVERIFY(writeFileBytes(dir.filePath("trencat.jpg"), "no es cap imatge"));
        w = &t.forms().show<Form5>();
        w->File1->setPath(dir.path());
    }
    void select(const QString& name) {
        w->File1->clearSelection();
        w->File1->setCurrentItem(nullptr);
        if (name.isEmpty()) return;
        const auto items = w->File1->findItems(name, Qt::MatchExactly);
        QVERIFY(!items.isEmpty());
        w->File1->setCurrentItem(items.first());
    }
    void cutCube(const QString& name = QStringLiteral("sis.bmp")) {
        select(name);
        QTest::mouseClick(w->Label1333[61], Qt::LeftButton);
    }
    CubeFace* face(int i) const { return w->Picture40[size_t(i)]; }
    QString handOff() { return handOffPicturePath(t.services()); }
};

// Whether the face shows one colour all over, right to its corners.
bool faceIs(const CubeFace* face, const QColor& colour) {
    const QImage& p = face->Picture();
    if (p.size() != face->size()) return false;
    const int last = p.width() - 1;
    for (QPoint at : {QPoint(2, 2), QPoint(last - 2, 2), QPoint(2, last - 2), QPoint(last - 2, last - 2),
                      QPoint(last / 2, last / 2)})
        if (p.pixelColor(at).rgb() != colour.rgb()) return false;
    return true;
}

} // namespace

class TestPaperCube : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The window shows the net and the tool strip the build painted: the pixels the drawing gives.
    void builtPictures() {
        installFontSubstitutions(); // as the program and the build paint
        QVERIFY(QFile::exists(QStringLiteral(":/workshop/cubenet.rgb")));
        QVERIFY(cubeNetImage() == drawCubeNet());
        QVERIFY(cubeToolStripImage() == drawCubeToolStrip());
    }

    void cleanup() { QApplication::clipboard()->clear(); }

    // The faces lie as a cross on the net; there is no face 5.
    void facesMakeACross_data() {
        QTest::addColumn<int>("face");
        QTest::addColumn<QRect>("place"); // pixels on the net
        QTest::newRow("first of the middle row") << 0 << QRect(57, 166, 131, 131);
        QTest::newRow("centre") << 2 << QRect(188, 166, 131, 131);
        QTest::newRow("third of the middle row") << 1 << QRect(318, 166, 131, 131);
        QTest::newRow("fourth of the middle row") << 3 << QRect(448, 166, 131, 131);
        QTest::newRow("above the centre") << 4 << QRect(188, 36, 131, 131);
        QTest::newRow("below the centre") << 6 << QRect(188, 296, 131, 131);
    }
    void facesMakeACross() {
        QFETCH(int, face);
        QFETCH(QRect, place);
        Cube c;
        CubeFace* f = c.w->findChild<CubeFace*>(QStringLiteral("Picture40_%1").arg(face));
        QVERIFY(f);
        QCOMPARE(f, c.face(face));
        QCOMPARE(f->parentWidget(), c.w->Picture39);
        QCOMPARE(f->geometry(), place);
        QVERIFY(f->Picture().isNull());
        QVERIFY(!c.w->Picture40[5]);
        QVERIFY(!c.w->findChild<QWidget*>(QStringLiteral("Picture40_5")));
        QCOMPARE(c.w->windowTitle(), QStringLiteral("Taudrin'TXT FER UN CUB"));
        QVERIFY(c.w->windowState() & Qt::WindowMaximized);
        QCOMPARE(c.w->Picture39->size(), QSize(652, 470));
        QCOMPARE(c.w->Picture25->size(), QSize(339, 76));
    }

    // A release on one face after a cube was cut: only that face changes, and only when there is
    // a picture to paint into it.
    void releaseOnAFace_data() {
        QTest::addColumn<QString>("listed"); // the selected entry, none when empty
        QTest::addColumn<QColor>("clip");    // the clipboard picture's colour, none when invalid
        QTest::addColumn<int>("face");
        QTest::addColumn<int>("button");
        QTest::addColumn<QColor>("shown"); // the face afterwards; invalid: as it was
        const QColor red(200, 30, 30), clip(20, 60, 140);
        QTest::newRow("left paints the listed picture")
            << "vermell.bmp" << QColor() << 3 << int(Qt::LeftButton) << red;
        QTest::newRow("right pastes the clipboard picture")
            << "vermell.bmp" << clip << 6 << int(Qt::RightButton) << clip;
        QTest::newRow("middle does nothing")
            << "vermell.bmp" << clip << 2 << int(Qt::MiddleButton) << QColor();
        QTest::newRow("left with a listed file that does not load")
            << "trencat.jpg" << clip << 0 << int(Qt::LeftButton) << QColor();
        QTest::newRow("left with nothing selected") << "" << clip << 1 << int(Qt::LeftButton) << QColor();
        QTest::newRow("right with no picture on the clipboard")
            << "vermell.bmp" << QColor() << 4 << int(Qt::RightButton) << QColor();
    }
    void releaseOnAFace() {
        QFETCH(QString, listed);
        QFETCH(QColor, clip);
        QFETCH(int, face);
        QFETCH(int, button);
        QFETCH(QColor, shown);
        Cube c;
        c.cutCube();
        c.select(listed);
        if (clip.isValid()) {
            QImage picture(30, 10, QImage::Format_RGB32); // stretched both ways to the face
            picture.fill(clip);
            QApplication::clipboard()->setImage(picture);
        } else {
            QApplication::clipboard()->clear();
        }
        QTest::mouseClick(c.face(face), Qt::MouseButton(button), {}, QPoint(60, 60));
        for (int i : CubeFaces) {
            const QColor expected = i == face && shown.isValid() ? shown : cutColour(i);
            QVERIFY2(faceIs(c.face(i), expected), qPrintable(QStringLiteral("face %1").arg(i)));
        }
    }

    // A picture twice as wide as high is stretched to three by two squares and each face gets
    // the sixth the cutting grid gives it; the stretched picture is left as the hand-off picture.
    void cubeFromOnePicture() {
        Cube c;
        QApplication::clipboard()->setImage(QImage(8, 8, QImage::Format_RGB32)); // never used
        c.cutCube();
        for (int r = 0; r < 2; ++r)
            for (int col = 0; col < 3; ++col)
                QVERIFY2(faceIs(c.face(CellFace[r][col]), Cells[r][col]),
                         qPrintable(QStringLiteral("face %1").arg(CellFace[r][col])));
        const QImage left(c.handOff());
        QCOMPARE(left.size(), QSize(393, 262));
        QCOMPARE(left.pixelColor(10, 10).rgb(), QColor(Qt::red).rgb());
        QCOMPARE(left.pixelColor(383, 252).rgb(), QColor(Qt::cyan).rgb());
    }

    // With nothing to cut, the six faces and the hand-off picture stay as they were.
    void cubeWithNothingToCut_data() {
        QTest::addColumn<QString>("listed");
        QTest::newRow("nothing selected") << "";
        QTest::newRow("a file that does not load") << "trencat.jpg";
    }
    void cubeWithNothingToCut() {
        QFETCH(QString, listed);
        Cube c;
        c.cutCube();
        const QByteArray before = readFileBytes(c.handOff());
        c.cutCube(listed);
        for (int i : CubeFaces)
            QVERIFY(faceIs(c.face(i), cutColour(i)));
        QCOMPARE(readFileBytes(c.handOff()), before);
    }

    // A disk that refuses the stretched picture: the cube is cut all the same, the picture left
    // before stays as it was, and the log says why.
    void aFullDiskKeepsTheLastPicture_data() { addRefusingPlaceRows(); }
    void aFullDiskKeepsTheLastPicture() {
        QFETCH(int, kind);
        RefusingPlace place{RefusingPlace::Kind(kind)};
        if (!place.ready()) QSKIP(qPrintable(place.reason()));
        Cube c;
        c.t.services().scratchFolder = place.folder();
        c.cutCube();
        const QByteArray before = readFileBytes(c.handOff());
        QVERIFY(before.size() > 1000);
        place.refuse();
        const QMap<QString, QByteArray> full = folderContents(place.folder());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot write"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("could not be written"));
        c.cutCube(QStringLiteral("vermell.bmp"));
        place.allow();
        for (int i : CubeFaces)
            QVERIFY(faceIs(c.face(i), QColor(200, 30, 30)));
        QCOMPARE(folderContents(place.folder()), full);
        QCOMPARE(readFileBytes(c.handOff()), before);
    }

    // Each icon hands the whole net on, 1.2 times its size, with its tabs and faces; the net
    // replaces the stretched picture the cube left, and the window stays open.
    void handsTheNetOn_data() {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("request"); // what the launcher was asked; empty for a document
        QTest::newRow("office suite") << "Label62"
                                      << "office";
        QTest::newRow("document") << "Label1_59"
                                  << "";
        QTest::newRow("picture editor") << "Label1uuuu_62"
                                        << "picture";
    }
    void handsTheNetOn() {
        QFETCH(QString, zone);
        QFETCH(QString, request);
        Cube c;
        c.cutCube();
        QTest::mouseClick(c.w->findChild<ClickZone*>(zone), Qt::LeftButton);

        QImage page(c.handOff());
        if (request.isEmpty()) {
            QCOMPARE(c.t.office.documents.size(), 1);
            QCOMPARE(c.t.office.documents.first().orientation, OfficeDocument::Orientation::Landscape);
            QCOMPARE(c.t.launcher.requests, QStringList{});
        } else {
            QCOMPARE(c.t.launcher.requests, QStringList{request + ": " + c.handOff()});
            QVERIFY(c.t.office.documents.isEmpty());
        }
        QCOMPARE(page.size(), QSize(782, 564));
        const auto at = [&](int x, int y) { return page.pixelColor(qRound(x * 1.2), qRound(y * 1.2)).rgb(); };
        QVERIFY(at(122, 150) != QColor(Qt::white).rgb()); // tabs above the first and third squares
        QVERIFY(at(383, 150) != QColor(Qt::white).rgb());
        QCOMPARE(at(40, 231), QColor(Qt::white).rgb()); // no tab left of the first square
        for (int i : CubeFaces) {
            const QRect f = c.face(i)->geometry();
            QCOMPARE(at(f.center().x(), f.center().y()), cutColour(i).rgb());
        }
        QVERIFY(c.w->isVisible());
        QCOMPARE(c.t.dialogs.messages, QStringList{});
    }

    // The preview follows a mouse release on the list, not a selection moved by the keys.
    void previewFollowsTheMouse() {
        Cube c;
        c.w->File1->setFocus();
        c.w->File1->setCurrentRow(0);
        QTest::keyClick(c.w->File1, Qt::Key_Down);
        QCOMPARE(c.w->File1->currentRow(), 1);
        QVERIFY(c.w->Image1->Picture().isNull());
        QListWidgetItem* sis = c.w->File1->findItems(QStringLiteral("sis.bmp"), Qt::MatchExactly).first();
        QTest::mouseClick(c.w->File1->viewport(), Qt::LeftButton, {},
                          c.w->File1->visualItemRect(sis).center());
        QCOMPARE(c.w->File1->currentItem(), sis);
        QVERIFY(!c.w->Image1->Picture().isNull());
        QVERIFY(c.face(0)->Picture().isNull()); // the preview paints no face
    }

    void imatgesListsTheChosenFolder() {
        Cube c;
        c.w->File1->setPath(c.t.programFolder());
        c.t.dialogs.answerOpen(c.dir.filePath("vermell.bmp"));
        c.w->sasa->trigger();
        QCOMPARE(QFileInfo(c.w->File1->Path()), QFileInfo(c.dir.path()));
        QCOMPARE(c.w->File1->count(), 3);
    }

    void closingClearsTheCodeAndTheFaces() {
        Cube c;
        c.t.state().setActivityCode(8);
        c.cutCube();
        c.w->close();
        QCOMPARE(c.t.state().ActivityCode(), 0);
        QVERIFY(!c.t.forms().isLoaded(QStringLiteral("Form5")));
        Form5& again = c.t.forms().show<Form5>();
        for (int i : CubeFaces)
            QVERIFY(again.Picture40[size_t(i)]->Picture().isNull());
    }
};

QTEST_MAIN(TestPaperCube)
#include "tst_papercube.moc"
