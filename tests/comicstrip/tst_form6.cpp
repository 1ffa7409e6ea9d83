// The comic strip window: its design, the panels, the random board and the caption tools.
#include "comicstrip/comicstripart.h"
#include "comicstrip/form6.h"
#include "core/controls.h"
#include "core/fonts.h"
#include "testservices.h"
#include "workshop/picturefilelist.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTest>

namespace {

QRgb opaque(QColor c) {
    return c.rgb() | 0xff000000u;
}

QList<QWidget*> boxes(Form6& f) {
    QList<QWidget*> out;
    for (int i = 0; i < Form6::Panels; ++i)
        out << f.Text3[i] << f.PINTA[i];
    return out;
}

// The window, open and active, with a folder of pictures at hand.
struct Strip {
    TestServices t;
    Form6* f = nullptr;
    QString pictures;

    Strip() {
        f = &t.forms().show<Form6>();
        t.state().setActivityCode(11);
        f->activateWindow();
        if (!QTest::qWaitForWindowActive(f)) qWarning("window not active");
        pictures = QDir(t.programFolder()).filePath("dibuixos");
        QDir().mkpath(pictures);
    }
    // Pictures of one colour each, named in list order, listed in File1.
    void listPictures(const QList<QColor>& colours) {
        for (int i = 0; i < colours.size(); ++i) {
            QImage image(40, 30, QImage::Format_RGB32);
            image.fill(colours[i]);
            QVERIFY(image.save(QDir(pictures).filePath(QStringLiteral("p%1.bmp").arg(i))));
        }
        f->File1->setPath(pictures);
    }
    void select(const QString& name) {
        const auto items = f->File1->findItems(name, Qt::MatchExactly);
        QVERIFY(!items.isEmpty());
        f->File1->setCurrentItem(items.first());
    }
    QRgb centre(int panel) const {
        const QImage image = f->panelImage(panel);
        return image.pixel(image.width() / 2, image.height() / 2);
    }
    bool panelEmpty(int panel) const { return f->ESCRIU[panel]->Picture().isNull(); }
    void click(QWidget* zone) { QTest::mouseClick(zone, Qt::LeftButton, {}, QPoint(2, 2)); }
};

} // namespace

class TestForm6 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void design() {
        Strip s;
        Form6& f = *s.f;
        QCOMPARE(f.windowTitle(), QString("Taudrin'TXT LES AUQUES"));
        QVERIFY(f.windowState() & Qt::WindowMaximized);
        QCOMPARE(f.client->minimumSize(), QSize(978, 688));

        const QList<QAction*> bar = f.menuBar()->actions();
        QStringList captions;
        for (QAction* a : bar)
            captions << a->text();
        QCOMPARE(captions, (QStringList{"IMATGES", "ARXIUS", "EXERCICIS INTERACTIUS",
                                        QString::fromUtf8("MOSTRES CALIGRÀFIQUES"), "NAVEGADOR"}));
        QStringList games;
        for (QAction* a : f.wee->actions())
            games << a->text();
        QCOMPARE(games, (QStringList{"SOPA DE LLETRES", "ESCRIU PARAULES",
                                     QString::fromUtf8("MÀQUINA D'ESCRIURE"), "PARAULA AMAGADA", "DICTATS"}));
        QStringList sheets;
        for (QAction* a : f.PARA->actions())
            sheets << a->text();
        QCOMPARE(sheets,
                 (QStringList{QString::fromUtf8("INSTAL·LEU LA FONT ZAHAREÑA"), "AMB MOSTRE",
                              "AMB MOSTRE AMB GUIA FINA", QString::fromUtf8("MOSTRE MÉS GUIA GRUESA")}));
        QVERIFY(!f.SSSEEE->isEnabled());
        QCOMPARE(f.PARA->actions().last()->menu(), f.psos);
        QStringList tones;
        for (QAction* a : f.psos->actions())
            tones << a->text();
        QCOMPARE(tones, (QStringList{QString::fromUtf8("INTENSITAT CROMÀTICA 1"),
                                     QString::fromUtf8("INTENSITAT CROMÀTICA 2"),
                                     QString::fromUtf8("INTENSITAT CROMÀTICA 3")}));

        QCOMPARE(f.Picture11->geometry(), QRect(171, 6, 854, 682));
        QCOMPARE(f.File1->geometry(), QRect(14, 6, 136, 223));
        QCOMPARE(f.File1->Pattern(), QString("*.bmp;*.jpg;*wmf;*.gif;*cur;*ico"));
        QCOMPARE(f.Picture1->geometry(), QRect(14, 358, 141, 219));
        QCOMPARE(f.Picture1->Picture().size(), QSize(137, 215));
        QCOMPARE(f.Picture3->geometry(), QRect(78, 102, 63, 75));
        QCOMPARE(f.Command1->text(), QString("DESAR COM"));
        QVERIFY(f.Command1->font().bold());
        QCOMPARE(f.Text2->text(), QString("nom_auca"));
        QCOMPARE(f.Text1->text(), QString::fromUtf8(" títol:"));
        QCOMPARE(f.Text1->geometry(), QRect(22, 6, 706, 42));
        QCOMPARE(f.Text1->font().family(), QString("Arial"));
        QCOMPARE(f.Text1->font().pointSize(), 24);
        QCOMPARE(f.Line1->from().y(), 49);
        QCOMPARE(f.Line1->BorderColor(), QColor(128, 128, 128));
        QVERIFY(f.Picture2->isHidden());
        QCOMPARE(f.Picture2->BackColor(), QColor(255, 192, 192));
        QVERIFY(f.Picture18->isHidden());

        QCOMPARE(f.ESCRIU[4]->geometry(), QRect(300, 264, 188, 117));
        QCOMPARE(f.Text3[8]->geometry(), QRect(579, 588, 274, 55));
        QCOMPARE(f.PINTA[2]->geometry(), QRect(579, 174, 276, 89));
        for (int i = 0; i < Form6::Panels; ++i) {
            QVERIFY(s.panelEmpty(i));
            QCOMPARE(s.centre(i), opaque(Qt::white));
            QVERIFY(f.Text3[i]->isVisible());
            QVERIFY(f.PINTA[i]->isHidden());
            QCOMPARE(f.Text3[i]->font().family(), QString("Courier New"));
            QCOMPARE(f.Text3[i]->font().pointSizeF(), 32.25);
            QCOMPARE(f.PINTA[i]->font().family(), QString("MS Sans Serif"));
            QCOMPARE(f.PINTA[i]->font().pointSizeF(), 12.0);
        }
    }

    void toolZonesLieOverTheirIcons_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("Label16") << "Label16" << QRect(6, 6, 34, 43);
        QTest::newRow("Label17") << "Label17" << QRect(38, 4, 34, 43);
        QTest::newRow("Label12") << "Label12" << QRect(68, 4, 34, 40);
        QTest::newRow("Label18") << "Label18" << QRect(102, 2, 31, 40);
        QTest::newRow("Label15_0") << "Label15_0" << QRect(6, 48, 31, 37);
        QTest::newRow("Label15_1") << "Label15_1" << QRect(38, 50, 31, 37);
        QTest::newRow("Label15_2") << "Label15_2" << QRect(70, 50, 31, 37);
        QTest::newRow("Label15_3") << "Label15_3" << QRect(102, 46, 31, 37);
        QTest::newRow("Label13") << "Label13" << QRect(6, 86, 31, 34);
        QTest::newRow("Label14") << "Label14" << QRect(36, 84, 31, 40);
        QTest::newRow("Label11") << "Label11" << QRect(-2, 122, 43, 43);
        QTest::newRow("Label10") << "Label10" << QRect(44, 130, 40, 40);
        QTest::newRow("Label9") << "Label9" << QRect(0, 174, 47, 37);
        QTest::newRow("Label7") << "Label7" << QRect(46, 170, 46, 38);
        QTest::newRow("Label2") << "Label2" << QRect(94, 172, 53, 40);
    }
    void toolZonesLieOverTheirIcons() {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        Strip s;
        auto* zone = s.f->Picture1->findChild<ClickZone*>(name);
        QVERIFY(zone);
        QCOMPARE(zone->geometry(), rect);
        QVERIFY(zone->text().isEmpty());
        // The icon under the zone is drawn: not all of it is the panel's ground.
        const QImage panel = s.f->Picture1->Picture();
        const QRect inside = rect.intersected(panel.rect());
        QSet<QRgb> colours;
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x)
                colours << panel.pixel(x, y);
        QVERIFY(colours.size() > 3);
    }

    // The window shows the pictures the build painted: the same pixels the drawing gives.
    void builtPictures() {
        installFontSubstitutions(); // as the program and the build paint
        QVERIFY(QFile::exists(QStringLiteral(":/comicstrip/toolpanel.rgb")));
        QVERIFY(comicstrip::toolPanelImage() == comicstrip::drawToolPanel());
        QVERIFY(comicstrip::sideColumnImage(comicstrip::SideColumnSize) ==
                comicstrip::drawSideColumn(comicstrip::SideColumnSize));
        QVERIFY(comicstrip::ruledPageImage() == comicstrip::drawRuledPage());
        Strip s;
        QCOMPARE(s.f->Picture4->size(), comicstrip::SideColumnSize);
    }

    void paletteSwatches() {
        const QImage palette = comicstrip::drawCaptionPalette();
        QCOMPARE(palette.size(), QSize(63, 75));
        for (int row = 0; row < 5; ++row) {
            for (int col = 0; col < 4; ++col) {
                const QColor colour = comicstrip::CaptionPaletteColours[row * 4 + col];
                const int x = 5 + 13 * col, y = 5 + 13 * row;
                QCOMPARE(palette.pixel(x, y), opaque(colour));
                QCOMPARE(palette.pixel(x + 11, y + 11), opaque(colour));
                QCOMPARE(palette.pixel(x + 12, y + 12), opaque(Qt::white));
                QCOMPARE(palette.pixel(x - 1, y), opaque(Qt::white));
            }
        }
        QCOMPARE(comicstrip::CaptionPaletteColours[0], QColor(255, 0, 0));
        QCOMPARE(comicstrip::CaptionPaletteColours[6], QColor(0, 0, 0));
        QCOMPARE(comicstrip::CaptionPaletteColours[19], QColor(0, 128, 128));
    }

    void closingGivesAFreshBoardAgain() {
        Strip s;
        s.listPictures({Qt::red});
        s.select("p0.bmp");
        QTest::mouseClick(s.f->ESCRIU[0], Qt::LeftButton);
        s.f->Text3[0]->setText("gat");
        s.f->PINTA[0]->setPlainText("un gat\nnegre");
        s.f->Text1->setText("La meva auca");
        s.f->Text2->setText("gats");
        s.click(s.f->Label16);
        s.click(s.f->Label13);
        QVERIFY(s.f->PINTA[0]->isVisible());

        QPointer<Form6> gone(s.f);
        QVERIFY(s.f->close());
        QCOMPARE(s.t.state().ActivityCode(), 0);
        QTRY_VERIFY(gone.isNull());

        Form6& f = s.t.forms().show<Form6>();
        QCOMPARE(f.windowTitle(), QString("Taudrin'TXT LES AUQUES"));
        QCOMPARE(f.Text1->text(), QString::fromUtf8(" títol:"));
        QCOMPARE(f.Text2->text(), QString("nom_auca"));
        for (int i = 0; i < Form6::Panels; ++i) {
            QVERIFY(f.ESCRIU[i]->Picture().isNull());
            QVERIFY(f.Text3[i]->text().isEmpty());
            QVERIFY(f.PINTA[i]->toPlainText().isEmpty());
            QVERIFY(f.Text3[i]->isVisible());
            QVERIFY(f.PINTA[i]->isHidden());
            QCOMPARE(f.Text3[i]->font().pointSizeF(), 32.25);
        }
    }

    void randomBoardUsesTheWholeList() {
        Strip s;
        const QList<QColor> colours{Qt::red, Qt::green, Qt::blue};
        s.listPictures(colours);
        QSet<QRgb> seen;
        for (int round = 0; round < 10; ++round) {
            s.click(s.f->Label12);
            for (int i = 0; i < Form6::Panels; ++i)
                seen << s.centre(i);
        }
        QCOMPARE(seen, (QSet<QRgb>{opaque(Qt::red), opaque(Qt::green), opaque(Qt::blue)}));
        QVERIFY(s.t.dialogs.messages.isEmpty());
    }

    void randomBoardWithNothingToDrawTurnsPanelsWhite_data() {
        QTest::addColumn<bool>("brokenFile");
        QTest::newRow("empty list") << false;
        QTest::newRow("a listed file that does not load") << true;
    }
    void randomBoardWithNothingToDrawTurnsPanelsWhite() {
        QFETCH(bool, brokenFile);
        Strip s;
        s.listPictures({Qt::red});
        s.select("p0.bmp");
        for (int i = 0; i < Form6::Panels; ++i)
            QTest::mouseClick(s.f->ESCRIU[i], Qt::LeftButton);
        QCOMPARE(s.centre(8), opaque(Qt::red));
        QDir(s.pictures).removeRecursively();
        QDir().mkpath(s.pictures);
        if (brokenFile) {
            QFile broken(QDir(s.pictures).filePath("trencat.jpg"));
            QVERIFY(broken.open(QIODevice::WriteOnly));
            broken.write("no picture");
        }
        s.f->File1->setPath(s.pictures);
        QCOMPARE(s.f->File1->count(), brokenFile ? 1 : 0);
        s.click(s.f->Label12);
        for (int i = 0; i < Form6::Panels; ++i)
            QCOMPARE(s.centre(i), opaque(Qt::white));
        QVERIFY(s.t.dialogs.messages.isEmpty());
    }

    void panelClicks_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("secondSet");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("left, first captions") << int(Qt::LeftButton) << false << QColor(Qt::blue);
        QTest::newRow("left, second captions") << int(Qt::LeftButton) << true << QColor(Qt::blue);
        QTest::newRow("right clears") << int(Qt::RightButton) << false << QColor(Qt::white);
        QTest::newRow("right, second captions") << int(Qt::RightButton) << true << QColor(Qt::white);
        QTest::newRow("middle only moves the caret") << int(Qt::MiddleButton) << true << QColor(Qt::red);
    }
    void panelClicks() {
        QFETCH(int, button);
        QFETCH(bool, secondSet);
        QFETCH(QColor, expected);
        Strip s;
        s.listPictures({Qt::red, Qt::blue});
        s.select("p0.bmp");
        QTest::mouseClick(s.f->ESCRIU[4], Qt::LeftButton);
        QCOMPARE(s.centre(4), opaque(Qt::red));
        s.select("p1.bmp");
        if (secondSet) s.click(s.f->Label16);
        s.f->Text2->setFocus();

        QTest::mouseClick(s.f->ESCRIU[4], Qt::MouseButton(button));
        QCOMPARE(s.centre(4), opaque(expected));
        QCOMPARE(s.f->ESCRIU[4]->Picture().size().isEmpty(), expected == QColor(Qt::white));
        QWidget* caret = secondSet ? static_cast<QWidget*>(s.f->PINTA[4]) : s.f->Text3[4];
        QCOMPARE(QApplication::focusWidget(), caret);
        QCOMPARE(s.centre(3), opaque(Qt::white));
    }

    void leftClickWithoutALoadablePictureKeepsThePanel_data() {
        QTest::addColumn<bool>("selectBroken");
        QTest::newRow("nothing selected") << false;
        QTest::newRow("selected file does not load") << true;
    }
    void leftClickWithoutALoadablePictureKeepsThePanel() {
        QFETCH(bool, selectBroken);
        Strip s;
        s.listPictures({Qt::green});
        s.select("p0.bmp");
        QTest::mouseClick(s.f->ESCRIU[2], Qt::LeftButton);
        QFile broken(QDir(s.pictures).filePath("z.bmp"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("BM not really");
        broken.close();
        s.f->File1->Refresh();
        if (selectBroken) s.select("z.bmp");
        QTest::mouseClick(s.f->ESCRIU[2], Qt::LeftButton);
        QCOMPARE(s.centre(2), opaque(Qt::green));
        QCOMPARE(QApplication::focusWidget(), s.f->Text3[2]);
    }

    void previewShowsTheClickedPicture() {
        Strip s;
        s.listPictures({Qt::yellow, Qt::cyan});
        QListWidget* list = s.f->File1;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
        QCOMPARE(s.f->Image1->Picture().pixel(0, 0), opaque(Qt::cyan));
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(s.f->Image1->Picture().pixel(0, 0), opaque(Qt::yellow));
    }

    void folderChooserListsTheChosenFolder() {
        Strip s;
        s.listPictures({Qt::red, Qt::blue});
        s.f->File1->setPath(QString());
        s.t.dialogs.answerOpen(QDir(s.pictures).filePath("p1.bmp"));
        s.f->AAAA->trigger();
        QCOMPARE(s.f->File1->count(), 2);
        QCOMPARE(s.t.dialogs.openRequests.size(), 1);
        QCOMPARE(s.t.dialogs.openRequests[0].initDir, s.pictures);
        s.t.dialogs.cancelOpen();
        s.f->AAAA->trigger();
        QCOMPARE(s.f->File1->count(), 2);
        QVERIFY(s.t.dialogs.messages.isEmpty());
    }

    void sizeStepsReachEveryBox() {
        Strip s;
        s.f->PINTA[3]->setFont(QFont("MS Sans Serif", 20));
        s.click(s.f->Label13);
        s.click(s.f->Label13);
        s.click(s.f->Label14);
        for (int i = 0; i < Form6::Panels; ++i) {
            QCOMPARE(s.f->Text3[i]->font().pointSizeF(), 37.25);
            QCOMPARE(s.f->PINTA[i]->font().pointSizeF(), i == 3 ? 25.0 : 17.0);
        }
    }

    void sizeStepsStopAtTheirBounds() {
        Strip s;
        s.f->Text3[0]->setFont(QFont("Courier New", 399));
        s.f->PINTA[0]->setFont(QFont("MS Sans Serif", 1));
        s.click(s.f->Label13);
        QCOMPARE(s.f->Text3[0]->font().pointSizeF(), 399.0);
        QCOMPARE(s.f->PINTA[0]->font().pointSizeF(), 4.0);
        QCOMPARE(s.f->Text3[1]->font().pointSizeF(), 35.25);
        s.f->PINTA[0]->setFont(QFont("MS Sans Serif", 1));
        s.click(s.f->Label14);
        QCOMPARE(s.f->PINTA[0]->font().pointSizeF(), 1.0);
        QCOMPARE(s.f->Text3[0]->font().pointSizeF(), 398.0);
    }

    void fontZones_data() {
        QTest::addColumn<int>("zone");
        QTest::addColumn<QString>("family");
        QTest::newRow("Zahareña") << 1 << QString::fromUtf8("Zahareña");
        QTest::newRow("Comic Sans MS") << 2 << "Comic Sans MS";
        QTest::newRow("Courier New") << 3 << "Courier New";
    }
    void fontZones() {
        QFETCH(int, zone);
        QFETCH(QString, family);
        Strip s;
        QFont chosen("Times New Roman", 20);
        chosen.setBold(true);
        chosen.setItalic(true);
        s.t.dialogs.answerFont({chosen, QColor(0, 0, 200)});
        s.click(s.f->Label15[0]);
        QCOMPARE(s.t.dialogs.fontRequests.size(), 1);
        for (QWidget* box : boxes(*s.f)) {
            QCOMPARE(box->font().family(), QString("Times New Roman"));
            QCOMPARE(box->palette().color(QPalette::Text), QColor(0, 0, 200));
        }
        s.click(s.f->Label15[zone]);
        QCOMPARE(s.t.dialogs.fontRequests.size(), 1); // no dialog for the named fonts
        for (QWidget* box : boxes(*s.f)) {
            QCOMPARE(box->font().family(), family);
            QCOMPARE(box->font().pointSizeF(), 20.0);
            QVERIFY(box->font().bold());
            QVERIFY(box->font().italic());
            QCOMPARE(box->palette().color(QPalette::Text), QColor(0, 0, 200));
        }
    }

    void fontZoneZeroCancelledLeavesArial() {
        Strip s;
        s.click(s.f->Label13);
        s.click(s.f->Label15[0]); // the dialog is cancelled
        QCOMPARE(s.t.dialogs.fontRequests.size(), 1);
        for (int i = 0; i < Form6::Panels; ++i) {
            QCOMPARE(s.f->Text3[i]->font().family(), QString("Arial"));
            QCOMPARE(s.f->PINTA[i]->font().family(), QString("Arial"));
            QCOMPARE(s.f->Text3[i]->font().pointSizeF(), 35.25);
            QCOMPARE(s.f->PINTA[i]->font().pointSizeF(), 15.0);
            QVERIFY(!s.f->Text3[i]->font().bold());
            QCOMPARE(s.f->Text3[i]->palette().color(QPalette::Text), QColor(Qt::black));
        }
    }

    void captionSetsAndBordersReachBothSets() {
        Strip s;
        s.click(s.f->Label11);
        for (int i = 0; i < Form6::Panels; ++i) {
            QVERIFY(!s.f->Text3[i]->hasFrame());
            QCOMPARE(s.f->PINTA[i]->frameShape(), QFrame::NoFrame);
        }
        s.click(s.f->Label16);
        for (int i = 0; i < Form6::Panels; ++i) {
            QVERIFY(s.f->PINTA[i]->isVisible());
            QVERIFY(s.f->Text3[i]->isHidden());
        }
        QVERIFY(s.f->secondCaptionsShown());
        s.click(s.f->Label10);
        s.click(s.f->Label17);
        for (int i = 0; i < Form6::Panels; ++i) {
            QVERIFY(s.f->Text3[i]->isVisible());
            QVERIFY(s.f->PINTA[i]->isHidden());
            QVERIFY(s.f->Text3[i]->hasFrame());
            QVERIFY(s.f->PINTA[i]->frameShape() != QFrame::NoFrame);
        }
    }

    void palette_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("back");
        QTest::newRow("left on green")
            << int(Qt::LeftButton) << QPoint(20, 35) << QColor(0, 128, 0) << QColor(Qt::white);
        QTest::newRow("right on purple")
            << int(Qt::RightButton) << QPoint(22, 48) << QColor(Qt::black) << QColor(128, 0, 128);
        QTest::newRow("left on a white line")
            << int(Qt::LeftButton) << QPoint(17, 10) << QColor(Qt::white) << QColor(Qt::white);
        QTest::newRow("middle") << int(Qt::MiddleButton) << QPoint(10, 10) << QColor(Qt::black)
                                << QColor(Qt::white);
        QTest::newRow("released off the palette")
            << int(Qt::LeftButton) << QPoint(-30, 10) << QColor(Qt::black) << QColor(Qt::white);
        QTest::newRow("released below the palette")
            << int(Qt::RightButton) << QPoint(10, 90) << QColor(Qt::black) << QColor(Qt::white);
    }
    void palette() {
        QFETCH(int, button);
        QFETCH(QPoint, at);
        QFETCH(QColor, text);
        QFETCH(QColor, back);
        Strip s;
        QTest::mousePress(s.f->Picture3, Qt::MouseButton(button), {}, QPoint(5, 5));
        QTest::mouseRelease(s.f->Picture3, Qt::MouseButton(button), {}, at);
        for (QWidget* box : boxes(*s.f)) {
            QCOMPARE(box->palette().color(QPalette::Text), text);
            QCOMPARE(box->palette().color(QPalette::Base), back);
        }
    }

    void clearingEmptiesPicturesAndCaptionsOnly() {
        Strip s;
        s.listPictures({Qt::red});
        s.select("p0.bmp");
        for (int i = 0; i < Form6::Panels; ++i) {
            QTest::mouseClick(s.f->ESCRIU[i], Qt::LeftButton);
            s.f->Text3[i]->setText(QStringLiteral("text %1").arg(i));
            s.f->PINTA[i]->setPlainText(QStringLiteral("second\n%1").arg(i));
        }
        s.t.dialogs.answerFont({QFont("Comic Sans MS", 18), QColor(200, 0, 0)});
        s.click(s.f->Label15[0]);
        QTest::mouseClick(s.f->Picture3, Qt::RightButton, {}, QPoint(10, 10));
        s.click(s.f->Label11);
        s.click(s.f->Label16);
        s.f->Text2->setText("meva");

        s.click(s.f->Label18);
        for (int i = 0; i < Form6::Panels; ++i) {
            QVERIFY(s.panelEmpty(i));
            QCOMPARE(s.centre(i), opaque(Qt::white));
            QVERIFY(s.f->Text3[i]->text().isEmpty());
            QVERIFY(s.f->PINTA[i]->toPlainText().isEmpty());
        }
        for (QWidget* box : boxes(*s.f)) {
            QCOMPARE(box->font().family(), QString("Comic Sans MS"));
            QCOMPARE(box->font().pointSizeF(), 18.0);
            QCOMPARE(box->palette().color(QPalette::Text), QColor(200, 0, 0));
            QCOMPARE(box->palette().color(QPalette::Base), QColor(255, 0, 0));
        }
        QVERIFY(!s.f->Text3[0]->hasFrame());
        QVERIFY(s.f->secondCaptionsShown());
        QCOMPARE(s.f->Text2->text(), QString("meva"));
        QCOMPARE(s.f->File1->count(), 1);
        QCOMPARE(s.f->Text1->text(), QString::fromUtf8(" títol:"));
    }

    void enterMovesToTheNextCaptionOfTheSet() {
        Strip s;
        s.f->Text3[0]->setFocus();
        QTest::keyClick(s.f->Text3[0], Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), s.f->Text3[1]);
        s.f->Text3[8]->setFocus();
        QTest::keyClick(s.f->Text3[8], Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), s.f->Text3[8]);
        QVERIFY(s.f->Text3[8]->text().isEmpty());

        s.click(s.f->Label16);
        s.f->PINTA[2]->setFocus();
        QTest::keyClicks(s.f->PINTA[2], "un");
        QTest::keyClick(s.f->PINTA[2], Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), s.f->PINTA[3]);
        QCOMPARE(s.f->PINTA[2]->toPlainText(), QString("un\n"));
        s.f->PINTA[8]->setFocus();
        QTest::keyClicks(s.f->PINTA[8], "fi");
        QTest::keyClick(s.f->PINTA[8], Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), s.f->PINTA[8]);
        QCOMPARE(s.f->PINTA[8]->toPlainText(), QString("fi\n"));
        // Other keys stay where they are.
        QTest::keyClick(s.f->PINTA[8], Qt::Key_A);
        QCOMPARE(QApplication::focusWidget(), s.f->PINTA[8]);
    }

    void browserItemOpensTheSearchPage() {
        Strip s;
        s.f->SSS->trigger();
        QCOMPARE(s.t.launcher.requests.size(), 1);
        QVERIFY(s.t.launcher.requests[0].startsWith("url: https://"));
    }
};

QTEST_MAIN(TestForm6)
#include "tst_form6.moc"
