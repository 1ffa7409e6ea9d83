// The two big word-search windows: typing along a direction, the palette, completing, the case
// and font commands, the picture panel and the hand-offs of the page.
#include "core/controls.h"
#include "core/fonts.h"
#include "core/palette.h"
#include "testservices.h"
#include "workshop/form16.h"
#include "workshop/form19.h"
#include "workshop/handoff.h"
#include "workshop/picturefilelist.h"
#include "workshop/picturetools.h"
#include "workshop/wordsearchart.h"
#include "workshop/workshopimages.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

using namespace WordSearchGrid;

QStringList menuCaptions(QMainWindow* w) {
    QStringList out;
    for (QAction* a : w->menuBar()->actions())
        out << a->text();
    return out;
}

QString gridText(const GridBoxes& boxes) {
    QString out;
    for (int i = 0; i <= LastBox; ++i)
        out += boxes[static_cast<std::size_t>(i)]->text().isEmpty()
                   ? QStringLiteral("_")
                   : boxes[static_cast<std::size_t>(i)]->text();
    return out;
}

// The big word search, open and active, as the shell opens it.
struct Search {
    TestServices t;
    Form16* f = nullptr;
    Search() {
        f = &t.forms().show<Form16>();
        t.state().setActivityCode(300);
        if (!QTest::qWaitForWindowActive(f)) qWarning("window not active");
    }
    QLineEdit* box(int i) const { return f->Text2[static_cast<std::size_t>(i)]; }
    void leftClick(int i) { QTest::mouseClick(box(i), Qt::LeftButton); }
    void rightClick(int i) { QTest::mouseClick(box(i), Qt::RightButton); }
    // Enter in the box that has the focus; the box it lands in.
    int enter() {
        auto* focused = qobject_cast<QLineEdit*>(f->focusWidget());
        if (!focused) return -1;
        QTest::keyClick(focused, Qt::Key_Return);
        for (int i = 0; i < BoxCount; ++i)
            if (f->focusWidget() == f->Text2[static_cast<std::size_t>(i)]) return i;
        return -1;
    }
};

} // namespace

class tst_bigwordsearch : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void design16() {
        Search s;
        Form16& f = *s.f;
        QCOMPARE(f.windowTitle(), QString("TAUDRIN'SOPA DE LLETRES"));
        QVERIFY(f.windowState() & Qt::WindowMaximized);
        QCOMPARE(f.client->minimumSize(), QSize(981, 722));
        QCOMPARE(menuCaptions(&f),
                 (QStringList{"NETEJAR", "COMPLETAR", "MAYÚS", "MINÚSC", "FONTS", "EXPORTAR"}));
        QCOMPARE(f.DDDF->actions(), (QList<QAction*>{f.WEEEE, f.WQQQ}));
        QCOMPARE(f.WQQQ->text(), QString("WRITE'OFICCE"));
        QCOMPARE(f.Picture1->geometry(), QRect(168, 12, 691, 670));
        QCOMPARE(f.Picture2->Picture().size(), QSize(85, 121));
        QCOMPARE(f.Picture3->BackColor(), QColor(192, 64, 0));
        QVERIFY(f.Picture4->isHidden());
        // Loading empties the grid; the title keeps its text.
        QCOMPARE(gridText(f.Text2), QString(133, u'_'));
        QCOMPARE(s.box(Title)->text(), QString("Títol"));
        QCOMPARE(s.box(Title)->parentWidget(), f.Picture1);
        QCOMPARE(s.box(4)->geometry(), QRect(tw(45 + 855 * 3), tw(855), tw(825), tw(795)));
        QCOMPARE(s.box(3)->geometry().topLeft(), QPoint(tw(45), tw(855 + 810)));
        QCOMPARE(s.box(132)->geometry().topLeft(), QPoint(tw(45 + 855 * 11), tw(855 + 8100)));
        QVERIFY(s.box(HiddenBox)->isHidden());
        QCOMPARE(s.box(HiddenBox)->parentWidget(), f.client);
        QCOMPARE(s.box(0)->maxLength(), 1);
        QCOMPARE(s.box(0)->objectName(), QString("Text2_0"));
        for (int i = LastBox + 1; i < Title; ++i)
            QVERIFY(!f.Text2[static_cast<std::size_t>(i)]);
    }

    // The palette's first row, as drawn.
    void palettePicture() {
        const QImage p = drawWordSearchPalette();
        QCOMPARE(p.size(), QSize(85, 121));
        const QList<QColor> first{Qt::red,     Qt::yellow,           Qt::green, Qt::cyan, Qt::blue,
                                  Qt::magenta, QColor(128, 128, 192)};
        for (int c = 0; c < PaletteColumns; ++c)
            QCOMPARE(p.pixelColor(paletteSwatchCentre(c, 0)), first[c]);
        QCOMPARE(p.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(p.pixelColor(12, 60), QColor(Qt::black)); // the line between columns 0 and 1
        QCOMPARE(p.pixelColor(84, 120), QColor(Qt::black));
    }

    // Left release chooses the start, right release the direction; Enter steps by their difference.
    void enterWalks_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("towards"); // -1: no right click
        QTest::addColumn<QList<int>>("walk");
        QTest::newRow("down") << 50 << 62 << QList<int>{62, 74, 86};
        QTest::newRow("diagonal") << 26 << 39 << QList<int>{39, 52, 65};
        QTest::newRow("right over the row's end") << 71 << 72 << QList<int>{72, 73, 74};
        QTest::newRow("left: nothing") << 50 << 49 << QList<int>{50, 50};
        QTest::newRow("left click alone") << 50 << -1 << QList<int>{50};
        QTest::newRow("onto the hidden box") << 13 << 14 << QList<int>{14, 14};
        QTest::newRow("last cell to the title") << 119 << 132 << QList<int>{132, Title, Title};
    }
    void enterWalks() {
        QFETCH(int, start);
        QFETCH(int, towards);
        QFETCH(QList<int>, walk);
        Search s;
        s.leftClick(start);
        if (towards >= 0) s.rightClick(towards);
        s.box(start)->setFocus();
        for (int expected : walk)
            QCOMPARE(s.enter(), expected);
    }

    // Enter from the last cell onto the title: a key typed then adds to the title.
    void enterOntoTheTitleKeepsIt() {
        Search s;
        s.leftClick(119);
        s.rightClick(132);
        s.box(132)->setFocus();
        QCOMPARE(s.enter(), Title);
        QTest::keyClick(s.box(Title), Qt::Key_S);
        QCOMPARE(s.box(Title)->text(), QString::fromUtf8("Títols"));
    }

    void enterBeforeAnyDirection() {
        Search s;
        s.box(50)->setFocus();
        QCOMPARE(s.enter(), 50);
        QCOMPARE(s.f->Label1, 0);
        QCOMPARE(s.f->Label2, 0);
    }

    // A palette release recolours every cell but not the title; typing and completing give the
    // colour box's colour again.
    void paletteThenTyping() {
        Search s;
        const QColor before = textColour(s.box(Title));
        QTest::mouseClick(s.f->Picture2, Qt::LeftButton, {}, paletteSwatchCentre(0, 0));
        for (int i = 0; i <= LastBox; ++i)
            QCOMPARE(textColour(s.box(i)), QColor(Qt::red));
        QCOMPARE(textColour(s.box(Title)), before);

        QTest::keyClick(s.box(30), Qt::Key_G);
        QCOMPARE(s.box(30)->text(), QString("g"));
        QCOMPARE(textColour(s.box(30)), QColor(192, 64, 0));
        QCOMPARE(textColour(s.box(31)), QColor(Qt::red));
        QTest::keyClick(s.box(Title), Qt::Key_S);
        QCOMPARE(textColour(s.box(Title)), QColor(192, 64, 0));

        // A release on the colour box or off the picture picks nothing.
        QTest::mouseClick(s.f->Picture3, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(textColour(s.box(31)), QColor(Qt::red));

        s.f->WEEE->trigger();
        for (int i = 0; i <= LastBox; ++i)
            QCOMPARE(textColour(s.box(i)), QColor(192, 64, 0));
        QCOMPARE(textColour(s.box(Title)), QColor(128, 0, 0));
    }

    // "COMPLETAR": capitals in the empty boxes only, white grounds; on a full grid only colours.
    void complete() {
        Search s;
        s.box(40)->setText("x");
        s.f->WEEE->trigger();
        QCOMPARE(s.box(40)->text(), QString("x"));
        for (int i = 0; i <= LastBox; ++i) {
            const QString text = s.box(i)->text();
            QCOMPARE(text.size(), 1);
            if (i != 40) QVERIFY2(text.at(0) >= u'A' && text.at(0) <= u'Z', qPrintable(text));
            QCOMPARE(s.box(i)->palette().color(QPalette::Base), QColor(Qt::white));
        }
        const QString full = gridText(s.f->Text2);
        s.f->WEEE->trigger();
        QCOMPARE(gridText(s.f->Text2), full);
        QCOMPARE(s.box(Title)->text(), QString("Títol"));

        s.f->YYYYYYU->trigger();
        QCOMPARE(gridText(s.f->Text2), full.toLower());
        s.box(Title)->setText("Sopa");
        s.f->RRRRT->trigger();
        QCOMPARE(gridText(s.f->Text2), full.toUpper());
        QCOMPARE(s.box(Title)->text(), QString("Sopa"));

        s.f->SS->trigger();
        QCOMPARE(gridText(s.f->Text2), QString(133, u'_'));
        QCOMPARE(s.box(Title)->text(), QString("Sopa"));
    }

    void fonts() {
        Search s;
        const QFont title = s.box(Title)->font();
        s.t.dialogs.answerFont({QFont("Arial", 20), Qt::blue});
        s.f->IIIO->trigger();
        for (int i : {0, HiddenBox, 132}) {
            QCOMPARE(s.box(i)->font().family(), QString("Arial"));
            QCOMPARE(textColour(s.box(i)), QColor(Qt::blue));
        }
        QCOMPARE(s.box(Title)->font(), title);
        s.t.dialogs.cancelFont();
        s.f->IIIO->trigger();
        QCOMPARE(s.box(0)->font().family(), QString("Arial"));
    }

    // The page goes out as one picture of its own size, the letters on it.
    void handOffs() {
        Search s;
        s.box(0)->setText("W");
        s.f->WEEEE->trigger();
        const QString file = handOffPicturePath(s.t.services());
        QCOMPARE(s.t.launcher.requests, QStringList{"picture: " + file});
        const QImage page(file);
        QCOMPARE(page.size(), s.f->Picture1->size());
        s.f->WQQQ->trigger();
        QCOMPARE(s.t.launcher.requests.size(), 2);
        QVERIFY(s.t.launcher.requests.at(1).startsWith("office: "));
    }

    void closeAndReopen() {
        Search s;
        s.box(60)->setText("Q");
        s.box(Title)->setText("Animals");
        s.f->close();
        QCOMPARE(s.t.state().ActivityCode(), 0);
        QVERIFY(!s.t.forms().isLoaded("Form16"));
        Form16& again = s.t.forms().show<Form16>();
        QCOMPARE(gridText(again.Text2), QString(133, u'_'));
        QCOMPARE(again.Text2[Title]->text(), QString("Títol"));
    }

    // The panel shows the picture the build painted: the same pixels the drawing gives.
    void builtPanel19() {
        installFontSubstitutions(); // as the program and the build paint
        QVERIFY(QFile::exists(QStringLiteral(":/workshop/wordsearchpanel.rgb")));
        QVERIFY(wordSearchPanelImage() == drawWordSearchPanel());
    }

    void design19() {
        TestServices t;
        Form19& f = t.forms().show<Form19>();
        QCOMPARE(f.windowTitle(), QString("Taudrin'sopa de lletra amb dibuix"));
        QVERIFY(f.windowState() & Qt::WindowMaximized);
        QCOMPARE(menuCaptions(&f), (QStringList{"IMATGES", "NETEJAR", "COMPLETAR", "MAYÚSCULA", "MINÚSCULA",
                                                "FONTS", "EXPORTAR_PAINT", "EXPORTAR_OPEN"}));
        QCOMPARE(gridText(f.Text2), QString(133, u'A'));
        QCOMPARE(f.Text2[Title]->text(), QString("Títol"));
        QCOMPARE(f.Text2[Title]->geometry().topLeft(), QPoint(tw(180), tw(45)));
        QCOMPARE(f.Picture7->Picture().size(), QSize(185, 681));
        QCOMPARE(f.File1->Pattern(), QString("*.bmp;*.jpg;*wmf;*.gif;*cur;*ico"));
        // The panel lies in front of the 16 corner cells and of no other.
        for (int i : {0, 1, 2, 4, 3, 13, 14, 16, 25, 26, 27, 28, 37, 38, 39, 40})
            QCOMPARE(f.Picture1->childAt(f.Text2[static_cast<std::size_t>(i)]->geometry().center()),
                     f.Picture5);
        QVERIFY(!f.Picture5->geometry().intersects(f.Text2[5]->geometry()));
        QVERIFY(!f.Picture5->geometry().intersects(f.Text2[49]->geometry()));
        // The panel picture lies behind the list and the palette.
        QCOMPARE(f.client->childAt(f.File1->geometry().center()), f.File1->viewport());
        QCOMPARE(f.client->childAt(f.Picture2->geometry().topLeft() + QPoint(1, 1)), f.Picture2);
    }

    // A file chosen in the list with the arrow keys fills the panel as a click does.
    void pictureChosenWithTheKeys() {
        TestServices t;
        Form19& f = t.forms().show<Form19>();
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QTemporaryDir dir;
        const QColor colours[] = {Qt::red, Qt::blue};
        for (int i = 0; i < 2; ++i) {
            QImage picture(20, 20, QImage::Format_RGB32);
            picture.fill(colours[i]);
            QVERIFY(picture.save(dir.filePath(QStringLiteral("p%1.bmp").arg(i))));
        }
        f.File1->setPath(dir.path());
        f.File1->setFocus();
        const QPoint centre(f.Picture5->width() / 2, f.Picture5->height() / 2);
        QTest::keyClick(f.File1, Qt::Key_Down);
        QVERIFY(f.File1->selectedFile().has_value());
        QCOMPARE(f.Picture5->Picture().pixelColor(centre), colours[f.File1->currentRow()]);
        const int other = 1 - f.File1->currentRow();
        QTest::keyClick(f.File1, other == 1 ? Qt::Key_Down : Qt::Key_Up);
        QCOMPARE(f.File1->currentRow(), other);
        QCOMPARE(f.Picture5->Picture().pixelColor(centre), colours[other]);
    }

    // A listed file fills the panel stretched; a file that does not load leaves it as it was;
    // the grid commands leave the picture; the page goes out with it.
    void picturePanel() {
        TestServices t;
        t.state().setActivityCode(300);
        Form19& f = t.forms().show<Form19>();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QCOMPARE(t.state().ActivityCode(), 300); // this window writes no code of its own
        QTemporaryDir dir;
        QImage red(40, 10, QImage::Format_RGB32);
        red.fill(Qt::red);
        QImage blue(10, 40, QImage::Format_RGB32);
        blue.fill(Qt::blue);
        QVERIFY(red.save(dir.filePath("a.bmp")));
        QVERIFY(blue.save(dir.filePath("b.bmp")));
        QFile broken(dir.filePath("c.jpg"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("no picture here");
        broken.close();
        f.File1->setPath(dir.path());
        QCOMPARE(f.File1->count(), 3);

        auto click = [&](int row) {
            QListWidgetItem* item = f.File1->item(row);
            QTest::mouseClick(f.File1->viewport(), Qt::LeftButton, {},
                              f.File1->visualItemRect(item).center());
        };
        const QSize panel = f.Picture5->size();
        click(0);
        QCOMPARE(f.Picture5->Picture().size(), panel);
        QCOMPARE(f.Picture5->Picture().pixelColor(panel.width() - 1, panel.height() - 1), QColor(Qt::red));
        click(1);
        QCOMPARE(f.Picture5->Picture().pixelColor(0, 0), QColor(Qt::blue));
        QCOMPARE(f.Picture5->Picture().pixelColor(panel.width() - 1, panel.height() - 1), QColor(Qt::blue));
        click(2);
        QCOMPARE(f.Picture5->Picture().pixelColor(panel.width() / 2, panel.height() / 2), QColor(Qt::blue));

        f.NETEEE->trigger();
        QCOMPARE(gridText(f.Text2), QString(133, u'_'));
        f.DDDDD->trigger();
        for (int i = 0; i <= LastBox; ++i) {
            const QString text = f.Text2[static_cast<std::size_t>(i)]->text();
            QVERIFY(text.size() == 1 && text.at(0) >= u'A' && text.at(0) <= u'Z');
        }
        QCOMPARE(textColour(f.Text2[Title]), QColor(128, 0, 0));
        QCOMPARE(f.Picture5->Picture().pixelColor(0, 0), QColor(Qt::blue));
        f.SSSSSSD->trigger();
        QVERIFY(f.Text2[50]->text().at(0).isLower());
        f.DDDD->trigger();
        QVERIFY(f.Text2[50]->text().at(0).isUpper());

        QTest::mouseClick(f.Picture2, Qt::LeftButton, {}, paletteSwatchCentre(2, 0));
        QCOMPARE(textColour(f.Text2[60]), QColor(Qt::green));

        // The page: the title, the grid and the picture.
        f.Text2[Title]->setText("Sopa");
        f.DFFFFFFF->trigger();
        const QString file = handOffPicturePath(t.services());
        QCOMPARE(t.launcher.requests, QStringList{"picture: " + file});
        const QImage page(file);
        QCOMPARE(page.size(), f.Picture1->size());
        QCOMPARE(page.pixelColor(f.Picture5->geometry().center()), QColor(Qt::blue));
        // The page's own ground, left of the title, is white as Form16's is: the page handed on is
        // a sheet of paper, not the window's grey.
        QCOMPARE(page.pixelColor(2, 1), QColor(Qt::white));
        f.SSSSSSSOPESDD->trigger();
        QVERIFY(t.launcher.requests.at(1).startsWith("office: "));

        f.close();
        QCOMPARE(t.state().ActivityCode(), 0);
    }

    // The folder chooser lists the chosen file's folder; cancel leaves the list.
    void chooseFolder() {
        TestServices t;
        Form19& f = t.forms().show<Form19>();
        QTemporaryDir dir;
        QImage img(8, 8, QImage::Format_RGB32);
        img.fill(Qt::yellow);
        QVERIFY(img.save(dir.filePath("sol.bmp")));
        t.dialogs.answerOpen(dir.filePath("sol.bmp"));
        f.SSS->trigger();
        QCOMPARE(QDir(f.File1->Path()), QDir(dir.path()));
        QCOMPARE(f.File1->count(), 1);
    }
};

QTEST_MAIN(tst_bigwordsearch)
#include "tst_bigwordsearch.moc"
