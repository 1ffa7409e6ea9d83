// The news page window: its design, the layout switch, the box tools, the slots, the borders and
// the hand-offs of the page on view.
#include "core/controls.h"
#include "core/fonts.h"
#include "files.h"
#include "testservices.h"
#include "workshop/newsboxes.h"
#include "workshop/newspage.h"
#include "workshop/newspagepictures.h"
#include "workshop/picturefilelist.h"
#include "workshop/workshopimages.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace {

QRgb opaque(QColor c) {
    return c.rgb() | 0xff000000u;
}

// The news page, open from the menu.
struct Page {
    TestServices t;
    Form61* f = nullptr;

    Page() {
        f = &t.forms().show<Form61>();
        t.state().setActivityCode(10);
    }
    void click(QWidget* zone) { QTest::mouseClick(zone, Qt::LeftButton); }
    NewsTextBox* box(int i) const { return f->TEXT1[size_t(i)]; }
    NewsSlot* slot(int i) const { return f->DIBU1[size_t(i)]; }
    int shownLayout() const {
        int shown = -1;
        for (int l = 0; l < NewsLayoutCount; ++l)
            if (f->Picture11[size_t(l)]->isVisible()) {
                if (shown != -1) return -2; // more than one
                shown = l;
            }
        return shown;
    }
    QString handOff() { return QDir(t.scratchFolder()).filePath("dibuix.bmp"); }
    // A picture of one colour in a folder of its own, listed and selected in File1.
    QString listPicture(const QString& name, QColor colour) {
        const QString folder = QDir(t.programFolder()).filePath("dibuixos");
        QDir().mkpath(folder);
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = QDir(folder).filePath(name);
        image.save(path);
        f->File1->setPath(folder);
        const auto items = f->File1->findItems(name, Qt::MatchExactly);
        if (!items.isEmpty()) f->File1->setCurrentItem(items.first());
        return path;
    }
};

} // namespace

class TestNewsPage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void design() {
        Page p;
        Form61& f = *p.f;
        QCOMPARE(f.windowTitle(), QString("Taudrin'TXT TALLER ESCRITORI"));
        QVERIFY(f.windowState() & Qt::WindowMaximized);
        QCOMPARE(f.client->minimumSize(), QSize(1024, 670));
        QCOMPARE(f.client->palette().color(QPalette::Window), QColor(Qt::white));

        const QList<QAction*> menus = f.menuBar()->actions();
        QCOMPARE(menus.size(), 3);
        QCOMPARE(menus[0]->text(), QString("IMATGES"));
        QCOMPARE(menus[0], f.AAAA);
        QCOMPARE(menus[1]->text(), QString("ARXIUS"));
        QCOMPARE(menus[1]->menu(), f.ARXIUS);
        QCOMPARE(f.ARXIUS->actions(), QList<QAction*>{f.POLO});
        QCOMPARE(f.POLO->text(), QString("OBRIR"));
        QCOMPARE(menus[2], f.sssdddff);
        QCOMPARE(f.sssdddff->text(), QString("NAVEGADOR"));

        QCOMPARE(f.Picture2->geometry().topLeft(), QPoint(0, 0));
        QCOMPARE(f.Picture2->width(), 178);
        QCOMPARE(f.Picture2->height(), f.client->height());
        QCOMPARE(f.File1->geometry(), QRect(9, 6, 153, 305));
        QCOMPARE(f.Image1->geometry(), QRect(20, 314, 138, 108));
        QCOMPARE(f.Picture1->geometry(), QRect(18, 440, 135, 216));
        QCOMPARE(f.Picture4->parentWidget(), f.Picture1);
        QCOMPARE(f.Picture4->geometry(), QRect(90, 105, 46, 64));
        QCOMPARE(f.Label4[1]->geometry(), QRect(100, 8, 34, 40));
        QCOMPARE(f.Label7->geometry(), QRect(90, 168, 46, 53));

        for (PictureBox* panel : f.Picture11)
            QCOMPARE(panel->geometry(), QRect(180, 2, 843, 594));
        QCOMPARE(p.shownLayout(), 0);
        QCOMPARE(f.Label1, 0);
        QCOMPARE(f.Label3, 1);
        QCOMPARE(f.selectedBox(), p.box(1));

        QCOMPARE(f.Command1->text(), QString("DESAR NOTÍCIA COM"));
        QCOMPARE(f.Command1->pos(), QPoint(180, 609));
        QCOMPARE(f.Text2->text(), QString("nom_noticia"));
        QCOMPARE(f.Text2->pos(), QPoint(441, 609));
        QVERIFY(!f.Picture18->isVisible());
        for (NewsSlot* slot : f.DIBU1) {
            QCOMPARE(slot->BackColor(), QColor(255, 255, 192));
            QCOMPARE(slot->BorderStyle(), 1);
            QVERIFY(slot->Picture().isNull());
        }
    }

    // Each box in its panel, at its place, with its font and first text.
    void boxes_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<int>("layout");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<double>("size");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("title");
        QTest::newRow("layout 0 title") << 12 << 0 << QRect(18, 3, 820, 52) << 26.25 << true << true;
        QTest::newRow("layout 0 body") << 1 << 0 << QRect(315, 57, 520, 529) << 21.75 << false << false;
        QTest::newRow("layout 1 title") << 9 << 1 << QRect(6, 3, 835, 46) << 21.75 << false << true;
        QTest::newRow("layout 1 third column")
            << 6 << 1 << QRect(576, 240, 280, 343) << 21.75 << false << false;
        QTest::newRow("layout 2 title") << 11 << 2 << QRect(3, 6, 838, 52) << 27.75 << true << true;
        QTest::newRow("layout 2 under the picture")
            << 8 << 2 << QRect(0, 456, 352, 130) << 21.75 << false << false;
        QTest::newRow("layout 3 title") << 10 << 3 << QRect(9, 6, 829, 58) << 27.75 << true << true;
        QTest::newRow("layout 3 right body")
            << 3 << 3 << QRect(420, 279, 421, 301) << 21.75 << false << false;
    }
    void boxes() {
        QFETCH(int, box);
        QFETCH(int, layout);
        QFETCH(QRect, place);
        QFETCH(double, size);
        QFETCH(bool, bold);
        QFETCH(bool, title);
        Page p;
        NewsTextBox* b = p.box(box);
        QCOMPARE(b->objectName(), QString("TEXT1_%1").arg(box));
        QCOMPARE(b->parentWidget(), p.f->Picture11[size_t(layout)]);
        QCOMPARE(b->geometry(), place);
        QCOMPARE(b->font().family(), QString("Courier New"));
        QCOMPARE(b->font().pointSizeF(), size);
        QCOMPARE(b->font().bold(), bold);
        QCOMPARE(b->MultiLine(), !title);
        QCOMPARE(b->toPlainText(), title ? QString("TÍTOL") : QString());
        QCOMPARE(b->BorderStyle(), 1);
        QCOMPARE(b->palette().color(QPalette::Text), QColor(Qt::black));
    }

    // The palette's 35 cells as designed, parted by grey lines.
    void palettePicture() {
        const QStringList rows = {"FF0000 FFFF00 808080 FF0000 00FFFF", "004080 FF0080 8000FF 804000 FF8040",
                                  "8080FF 0080FF 80FFFF 00FF80 004040", "0000FF FF00FF 800080 FFFF80 808040",
                                  "000080 008080 00FFFF 008000 00FF00", "808080 FF0000 800000 808000 FFFF00",
                                  "FFFFFF 0080C0 FF80C0 800000 000000"};
        const QImage palette = drawNewsPalette();
        QCOMPARE(palette.size(), QSize(46, 64));
        for (int r = 0; r < 7; ++r) {
            const QStringList cells = rows[r].split(' ');
            for (int c = 0; c < 5; ++c) {
                const QRgb expected = opaque(QColor("#" + cells[c]));
                for (const QPoint corner : {QPoint(1, 1), QPoint(8, 8)})
                    QCOMPARE(palette.pixel(c * 9 + corner.x(), r * 9 + corner.y()), expected);
                QCOMPARE(palette.pixel(c * 9, r * 9 + 4), opaque(QColor(210, 210, 210)));
            }
        }
        QCOMPARE(palette.pixel(45, 63), opaque(QColor(210, 210, 210)));
        QCOMPARE(drawNewsToolPanel().size(), QSize(135, 216));
    }

    // The window shows the tool panel the build painted: the same pixels the drawing gives.
    void builtToolPanel() {
        installFontSubstitutions(); // as the program and the build paint
        QVERIFY(QFile::exists(QStringLiteral(":/workshop/newstools.rgb")));
        QVERIFY(newsToolPanelImage() == drawNewsToolPanel());
    }

    // Switching layouts clears nothing; the tools act on the box clicked last, shown or not.
    void layoutsKeepTheirTexts() {
        Page p;
        p.click(p.f->Label8); // at opening the body of layout 0 takes the tools
        QCOMPARE(p.box(1)->font().pointSizeF(), 26.75);

        p.click(p.f->Label4[2]);
        QCOMPARE(p.shownLayout(), 2);
        QCOMPARE(p.f->Label1, 2);
        p.box(7)->setFocus();
        QTest::keyClicks(p.box(7), "La festa major");
        p.click(p.f->Label4[1]);
        QCOMPARE(p.shownLayout(), 1);
        QCOMPARE(p.f->Label1, 1);
        p.click(p.f->Label4[2]);
        QCOMPARE(p.box(7)->toPlainText(), QString("La festa major"));

        QTest::mouseClick(p.box(0)->viewport(), Qt::LeftButton);
        QCOMPARE(p.f->Label3, 0);
        p.click(p.f->Label4[3]);
        p.click(p.f->Label11[1]);
        QCOMPARE(p.box(0)->font().family(), QString("Arial"));
        QCOMPARE(p.box(10)->font().family(), QString("Courier New"));
    }

    void titlesHoldOneLine() {
        Page p;
        NewsTextBox* title = p.box(12);
        title->setFocus();
        QTest::keyClick(title, Qt::Key_End);
        QTest::keyClick(title, Qt::Key_Return);
        QTest::keyClicks(title, " 1");
        QCOMPARE(title->toPlainText(), QString("TÍTOL 1"));
        QApplication::clipboard()->setText("dues\r\nlínies");
        title->paste();
        QCOMPARE(title->toPlainText(), QString("TÍTOL 1dues línies"));
        QApplication::clipboard()->clear();
    }

    void sizeSteps_data() {
        QTest::addColumn<double>("from");
        QTest::addColumn<bool>("up");
        QTest::addColumn<double>("to");
        QTest::newRow("25 down") << 25.0 << false << 20.0;
        QTest::newRow("13 down stops at 10") << 13.0 << false << 10.0;
        QTest::newRow("10 down stays") << 10.0 << false << 10.0;
        QTest::newRow("15 up") << 15.0 << true << 20.0;
        QTest::newRow("395 up reaches 400") << 395.0 << true << 400.0;
        QTest::newRow("398 up stays") << 398.0 << true << 398.0;
        QTest::newRow("400 up stays") << 400.0 << true << 400.0;
    }
    void sizeSteps() {
        QFETCH(double, from);
        QFETCH(bool, up);
        QFETCH(double, to);
        Page p;
        QTest::mouseClick(p.box(5)->viewport(), Qt::LeftButton);
        QFont font = p.box(5)->font();
        font.setPointSizeF(from);
        p.box(5)->setFont(font);
        p.click(up ? p.f->Label8 : p.f->Label9);
        QCOMPARE(p.box(5)->font().pointSizeF(), to);
        QCOMPARE(p.box(1)->font().pointSizeF(), 21.75);
    }

    // The dialog gives the box all five parts; cancel changes nothing; the three T's set the name.
    void fonts() {
        Page p;
        NewsTextBox* body = p.box(1);
        const QFont before = body->font();
        p.click(p.f->Label11[0]); // no answer scripted: cancelled
        QCOMPARE(body->font(), before);
        QCOMPARE(body->palette().color(QPalette::Text), QColor(Qt::black));

        QFont chosen(QStringLiteral("Arial"));
        chosen.setPointSizeF(30);
        chosen.setBold(true);
        chosen.setItalic(true);
        p.t.dialogs.answerFont({chosen, QColor(0, 0, 128)});
        p.click(p.f->Label11[0]);
        QCOMPARE(p.t.dialogs.fontRequests.size(), 2);
        QCOMPARE(body->font().family(), QString("Arial"));
        QCOMPARE(body->font().pointSizeF(), 30.0);
        QVERIFY(body->font().bold());
        QVERIFY(body->font().italic());
        QCOMPARE(body->palette().color(QPalette::Text), QColor(0, 0, 128));
        QCOMPARE(p.box(12)->font().family(), QString("Courier New"));

        const char* const names[] = {"Arial", "Courier New", "Zahareña"};
        for (int i = 1; i <= 3; ++i) {
            p.click(p.f->Label11[size_t(i)]);
            QCOMPARE(body->font().family(), QString::fromUtf8(names[i - 1]));
            QCOMPARE(body->font().pointSizeF(), 30.0);
            QVERIFY(body->font().bold());
        }
    }

    // Any button released on the palette gives the pixel's colour, a grey line too; a release
    // that ends off the palette changes nothing.
    void paletteColour_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("button");
        QTest::addColumn<QColor>("colour"); // invalid: unchanged
        QTest::newRow("first cell") << QPoint(4, 4) << int(Qt::LeftButton) << QColor(255, 0, 0);
        QTest::newRow("last cell, right button") << QPoint(41, 60) << int(Qt::RightButton) << QColor(0, 0, 0);
        QTest::newRow("second row") << QPoint(13, 13) << int(Qt::LeftButton) << QColor(0xFF, 0x00, 0x80);
        QTest::newRow("grey line") << QPoint(9, 30) << int(Qt::LeftButton) << QColor(210, 210, 210);
        QTest::newRow("off the palette") << QPoint(-6, 30) << int(Qt::LeftButton) << QColor();
        QTest::newRow("below the palette") << QPoint(20, 70) << int(Qt::LeftButton) << QColor();
    }
    void paletteColour() {
        QFETCH(QPoint, at);
        QFETCH(int, button);
        QFETCH(QColor, colour);
        Page p;
        QTest::mouseClick(p.box(11)->viewport(), Qt::LeftButton);
        const auto b = Qt::MouseButton(button);
        QTest::mousePress(p.f->Picture4, b, {}, QPoint(20, 20));
        QTest::mouseRelease(p.f->Picture4, b, {}, at);
        QCOMPARE(p.box(11)->palette().color(QPalette::Text), colour.isValid() ? colour : QColor(Qt::black));
        QCOMPARE(p.box(1)->palette().color(QPalette::Text), QColor(Qt::black));
    }

    // Left: the listed picture, stretched, over a cleared slot; right: the clipboard picture over
    // what is there; nothing to paint or another button: the slot stays as it was.
    void pictureSlots() {
        Page p;
        NewsSlot* slot = p.slot(1);
        const QString broken = QDir(p.t.programFolder()).filePath("dibuixos/trencat.jpg");
        p.listPicture("verd.bmp", Qt::green);
        QTest::mouseClick(slot, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(slot->Picture().size(), slot->size());
        QCOMPARE(slot->Picture().pixel(150, 150), opaque(Qt::green));

        QVERIFY(writeFileBytes(broken, "not a picture"));
        p.f->File1->Refresh();
        p.f->File1->setCurrentItem(p.f->File1->findItems("trencat.jpg", Qt::MatchExactly).value(0));
        QVERIFY(p.f->File1->selectedFile());
        const QImage green = slot->Picture();
        QTest::mouseClick(slot, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(slot->Picture(), green);
        QTest::mouseClick(slot, Qt::MiddleButton, {}, QPoint(10, 10));
        QCOMPARE(slot->Picture(), green);
        QApplication::clipboard()->clear();
        QTest::mouseClick(slot, Qt::RightButton, {}, QPoint(10, 10));
        QCOMPARE(slot->Picture(), green);

        QImage clip(2, 1, QImage::Format_ARGB32);
        clip.setPixelColor(0, 0, Qt::blue);
        clip.setPixelColor(1, 0, Qt::transparent);
        QApplication::clipboard()->setImage(clip);
        QTest::mouseClick(slot, Qt::RightButton, {}, QPoint(10, 10));
        QCOMPARE(slot->Picture().pixel(20, 150), opaque(Qt::blue));
        QCOMPARE(slot->Picture().pixel(slot->width() - 20, 150), opaque(Qt::green)); // not cleared
        QApplication::clipboard()->clear();
        QVERIFY(p.slot(0)->Picture().isNull());
    }

    // Each hand-off carries the panel on view only, at the panel's size.
    void handOffs_data() {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("request"); // empty: an office document
        QTest::newRow("office document") << "Label12"
                                         << "";
        QTest::newRow("picture editor") << "Label7"
                                        << "picture";
        QTest::newRow("office suite") << "Label2"
                                      << "office";
    }
    void handOffs() {
        QFETCH(QString, zone);
        QFETCH(QString, request);
        Page p;
        QImage red(10, 10, QImage::Format_RGB32);
        red.fill(Qt::red);
        p.slot(2)->setPicture(red.scaled(p.slot(2)->size())); // layout 3
        p.click(p.f->Label4[3]);
        p.click(p.f->findChild<ClickZone*>(zone));
        const QImage page(p.handOff());
        QCOMPARE(page.size(), QSize(843, 594));
        const QPoint slotCentre = p.slot(2)->geometry().center();
        QCOMPARE(page.pixel(slotCentre), opaque(Qt::red));
        QCOMPARE(page.pixel(p.slot(3)->geometry().center()), opaque(QColor(255, 255, 192)));
        QCOMPARE(p.f->Picture18->size(), QSize(843, 594));
        if (request.isEmpty()) {
            QCOMPARE(p.t.office.documents.size(), 1);
            QCOMPARE(p.t.office.documents.first().orientation, OfficeDocument::Orientation::Landscape);
            QVERIFY(p.t.launcher.requests.isEmpty());
        } else {
            QCOMPARE(p.t.launcher.requests, QStringList{request + ": " + p.handOff()});
        }
        QVERIFY(p.t.dialogs.messages.isEmpty());
    }

    // Borders off: no line round any box or slot, in any layout's page; on again: back.
    void borders() {
        Page p;
        const auto edges = [&](int layout) {
            QList<QPoint> points;
            for (NewsTextBox* b : p.f->TEXT1)
                if (b->parentWidget() == p.f->Picture11[size_t(layout)])
                    points << QPoint(b->x(), b->geometry().center().y())
                           << QPoint(b->geometry().center().x(), b->geometry().bottom());
            for (NewsSlot* s : p.f->DIBU1)
                if (s->parentWidget() == p.f->Picture11[size_t(layout)])
                    points << QPoint(s->geometry().right(), s->geometry().center().y());
            return points;
        };
        const auto blackAt = [&](int layout) {
            p.click(p.f->Label4[size_t(layout)]);
            p.click(p.f->Label7);
            const QImage page(p.handOff());
            int black = 0;
            for (const QPoint& at : edges(layout))
                black += page.pixel(at) == opaque(Qt::black);
            return black;
        };
        for (int l = 0; l < NewsLayoutCount; ++l)
            QCOMPARE(blackAt(l), edges(l).size());
        p.click(p.f->Label5);
        for (int l = 0; l < NewsLayoutCount; ++l)
            QCOMPARE(blackAt(l), 0);
        for (NewsTextBox* b : p.f->TEXT1)
            QCOMPARE(b->BorderStyle(), 0);
        p.click(p.f->Label6);
        for (int l = 0; l < NewsLayoutCount; ++l)
            QCOMPARE(blackAt(l), edges(l).size());
    }

    // Closing clears the activity; the next opening starts from the design.
    void closeAndReopen() {
        Page p;
        p.click(p.f->Label4[2]);
        p.box(11)->setPlainText("NOTÍCIA");
        p.box(0)->setPlainText("Un cos");
        p.listPicture("verd.bmp", Qt::green);
        QTest::mouseClick(p.slot(0), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseClick(p.box(0)->viewport(), Qt::LeftButton);
        p.click(p.f->Label5);
        p.f->close();
        QCOMPARE(p.t.state().ActivityCode(), 0);
        QVERIFY(!p.t.forms().isLoaded("Form61"));

        p.f = &p.t.forms().show<Form61>();
        QCOMPARE(p.shownLayout(), 0);
        QCOMPARE(p.f->Label1, 0);
        QCOMPARE(p.f->Label3, 1);
        QCOMPARE(p.box(11)->toPlainText(), QString("TÍTOL"));
        QVERIFY(p.box(0)->toPlainText().isEmpty());
        QVERIFY(p.slot(0)->Picture().isNull());
        QCOMPARE(p.slot(0)->BorderStyle(), 1);
    }

    void pictureListAndWeb() {
        Page p;
        p.listPicture("verd.bmp", Qt::green);
        QCOMPARE(p.f->Image1->Picture().pixel(0, 0), opaque(Qt::green));
        p.t.dialogs.cancelOpen();
        p.f->AAAA->trigger();
        QCOMPARE(p.t.dialogs.openRequests.size(), 1);
        QVERIFY(p.t.dialogs.messages.isEmpty());
        p.f->sssdddff->trigger();
        QCOMPARE(p.t.launcher.requests.size(), 1);
        QVERIFY(p.t.launcher.requests.first().startsWith("url: "));
    }
};

QTEST_MAIN(TestNewsPage)
#include "tst_newspage.moc"
