// The comic strip window's practice sheets and the hand-offs of the board or the sheet.
#include "comicstrip/form6.h"
#include "comicstrip/practicesheet.h"
#include "comicstrip/sheetframe.h"
#include "core/controls.h"
#include "core/twips.h"
#include "testservices.h"
#include "workshop/handoff.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>

using namespace comicstrip;

namespace {

const QColor Colours[] = {Qt::red,     Qt::green,   Qt::blue,     Qt::yellow, Qt::cyan,
                          Qt::darkRed, Qt::magenta, Qt::darkBlue, Qt::black};

QRgb centreOf(const QImage& image) {
    return image.pixel(image.width() / 2, image.height() / 2);
}

struct Strip {
    TestServices t;
    Form6* f = nullptr;

    Strip() {
        f = &t.forms().show<Form6>();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        for (int i = 0; i < Form6::Panels; ++i) {
            QImage picture(f->ESCRIU[i]->size(), QImage::Format_RGB32);
            picture.fill(Colours[i]);
            f->ESCRIU[i]->setPicture(picture);
            f->Text3[i]->setText(QStringLiteral("mot %1").arg(i));
            f->PINTA[i]->setPlainText(QStringLiteral("segona %1").arg(i));
        }
    }
    QLabel* line(int m) const { return f->Label19[m]; }
    QImage handOff() { return QImage(handOffPicturePath(t.services())); }
};

} // namespace

class TestForm6Sheet : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sheetDesign() {
        Strip s;
        Form6& f = *s.f;
        QVERIFY(f.Picture2->isHidden());
        QCOMPARE(f.Picture2->parentWidget(), f.Picture11);
        QCOMPARE(f.Picture2->geometry(), QRect(0, -3, 853, 682));
        QCOMPARE(f.Picture2->Picture().size(), QSize(848, 669));
        QCOMPARE(f.Picture6->geometry(), QRect(16, 608, 52, 49));
        for (int c = 0; c < SheetFrames; ++c) {
            const SheetCell& cell = SheetCells[c];
            QCOMPARE(f.Image2[cell.panel]->geometry(), twRect(cell.frameLeft, cell.frameTop, 2130, 1590));
            QCOMPARE(s.line(2 * c)->geometry(), twRect(cell.modelLeft, cell.modelTop, 3705, 1140));
            QCOMPARE(s.line(2 * c + 1)->geometry(), twRect(cell.guideLeft, cell.guideTop, 3705, 1140));
        }
        for (QLabel* l : f.Label19) {
            QCOMPARE(l->font().family(), QString("Arial"));
            QCOMPARE(l->font().pointSize(), 48);
            QVERIFY(l->wordWrap());
            QVERIFY(l->text().isEmpty());
        }
    }

    void sheetShowsEachPanelBesideItsCaption() {
        Strip s;
        s.f->Label16_Click(); // the second captions on view change nothing
        s.f->ESCRIU[5]->setPicture(QImage());
        s.f->Text3[2]->clear();
        s.f->POLOS->trigger();
        QVERIFY(s.f->Picture2->isVisible());
        for (int c = 0; c < SheetFrames; ++c) {
            const int panel = SheetCells[c].panel;
            const QString caption = panel == 2 ? QString() : QStringLiteral("mot %1").arg(panel);
            QCOMPARE(centreOf(s.f->Image2[panel]->Picture()),
                     panel == 5 ? QColor(Qt::white).rgb() : Colours[panel].rgb());
            QCOMPARE(s.line(2 * c)->text(), caption);
            QCOMPARE(s.line(2 * c + 1)->text(), caption);
        }
        // The third row: panel 4 on the left, panel 6 on the right; the fourth: 5, then 7.
        QVERIFY(s.f->Image2[6]->x() > s.f->Image2[4]->x());
        QVERIFY(s.f->Image2[5]->y() > s.f->Image2[6]->y());
        QCOMPARE(s.line(10)->text(), QString("mot 6"));
        QCOMPARE(s.line(12)->text(), QString("mot 5"));
    }

    void styles_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("fine") << "POLOS" << false << QColor(222, 222, 222);
        QTest::newRow("bold, on opening the submenu") << "psos" << true << QColor(222, 222, 222);
        QTest::newRow("tone 1") << "AQQQQ1" << true << QColor(222, 222, 222);
        QTest::newRow("tone 2") << "AQQ2" << true << QColor(175, 175, 175);
        QTest::newRow("tone 3") << "AQQQ3" << true << QColor(140, 140, 140);
    }
    void styles() {
        QFETCH(QString, item);
        QFETCH(bool, bold);
        QFETCH(QColor, colour);
        Strip s;
        if (item == "psos")
            Q_EMIT s.f->psos->aboutToShow();
        else
            s.f->findChild<QAction*>(item)->trigger();
        QVERIFY(s.f->Picture2->isVisible());
        for (int m = 0; m < SheetLines; ++m) {
            QLabel* l = s.line(m);
            QVERIFY(!l->text().isEmpty());
            const bool guide = m % 2 == 1;
            QCOMPARE(l->font().bold(), guide && bold);
            QCOMPARE(l->palette().color(QPalette::WindowText), guide ? colour : QColor(Qt::black));
        }
    }

    void modelStyleEmptiesTheGuidesAndKeepsTheirLook() {
        Strip s;
        s.f->AQQ2->trigger();
        s.f->MOSTRASS->trigger();
        for (int c = 0; c < SheetFrames; ++c) {
            QCOMPARE(s.line(2 * c)->text(), QStringLiteral("mot %1").arg(SheetCells[c].panel));
            QVERIFY(s.line(2 * c + 1)->text().isEmpty());
            QVERIFY(s.line(2 * c + 1)->font().bold());
            QCOMPARE(s.line(2 * c + 1)->palette().color(QPalette::WindowText), QColor(175, 175, 175));
            QVERIFY(!s.line(2 * c)->font().bold());
        }
        s.f->POLOS->trigger();
        QVERIFY(!s.line(1)->font().bold());
        QCOMPARE(s.line(1)->text(), QString("mot 0"));
    }

    void choosingAgainRebuildsFromTheBoardAndTheCloseBoxOnlyHides() {
        Strip s;
        s.f->AQQQQ1->trigger();
        s.f->Text3[0]->setText("nou");
        QImage white(s.f->ESCRIU[1]->size(), QImage::Format_RGB32);
        white.fill(Qt::gray);
        s.f->ESCRIU[1]->setPicture(white);
        s.f->AQQQQ1->trigger();
        QCOMPARE(s.line(0)->text(), QString("nou"));
        QCOMPARE(centreOf(s.f->Image2[1]->Picture()), QColor(Qt::gray).rgb());

        QTest::mouseClick(s.f->Picture6, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(s.f->Picture2->isHidden());
        QCOMPARE(s.line(0)->text(), QString("nou"));
        QCOMPARE(s.f->Text3[0]->text(), QString("nou"));
        QCOMPARE(centreOf(s.f->panelImage(1)), QColor(Qt::gray).rgb());
    }

    void longCaptionsAreCutAtTheLinesEdge() {
        Strip s;
        s.f->Text3[0]->setText(QString(60, 'W'));
        s.f->Text3[1]->setText("una frase molt llarga que no cap");
        s.f->psos->aboutToShow();
        for (int m : {0, 1, 2, 3}) {
            QCOMPARE(s.line(m)->size(), twSize(3705, 1140));
            QVERIFY(s.line(m)->fontMetrics().horizontalAdvance(s.line(m)->text()) > s.line(m)->width());
        }
        // What shows of the line is drawn up to its right edge and no further.
        const QImage shot = s.f->Picture2->grab().toImage();
        const QRect line = s.line(0)->geometry();
        int inked = 0;
        for (int y = line.top(); y <= line.bottom(); ++y)
            if (qGray(shot.pixel(line.right() - 2, y)) < 128) ++inked;
        QVERIFY(inked > 0);
    }

    void sheetShowsItsRulesUnderTheGuides() {
        Strip s;
        s.f->psos->aboutToShow();
        const QImage shot = s.f->Picture2->grab().toImage();
        const QRect box = writingBoxes()[0];
        QCOMPARE(shot.pixelColor(box.left(), box.center().y()), QColor(126, 126, 126));
        // The guide's light grey letters lie inside the writing box.
        int guideInk = 0;
        for (int y = box.top() + 1; y < box.bottom(); ++y)
            for (int x = box.left() + 1; x < box.right(); ++x) {
                const QColor c = shot.pixelColor(x, y);
                if (c.red() == c.green() && c.green() == c.blue() && c.red() > 200 && c.red() < 240)
                    ++guideInk;
            }
        QVERIFY(guideInk > 20);
    }

    void handOffsCarryTheSheetOrTheBoard_data() {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("request");
        QTest::newRow("picture editor") << "Label2"
                                        << "picture";
        QTest::newRow("office document") << "Label7"
                                         << "";
        QTest::newRow("office suite") << "Label9"
                                      << "office";
    }
    void handOffsCarryTheSheetOrTheBoard() {
        QFETCH(QString, zone);
        QFETCH(QString, request);
        Strip s;
        auto* z = s.f->findChild<ClickZone*>(zone);
        QVERIFY(z);
        const auto handOff = [&] { QTest::mouseClick(z, Qt::LeftButton, {}, QPoint(3, 3)); };
        const auto received = [&]() -> QImage {
            if (request.isEmpty()) return s.t.office.documents.isEmpty() ? QImage() : s.handOff();
            return s.handOff();
        };

        s.f->Label16_Click(); // the second captions show on the board
        handOff();
        QImage page = received();
        QCOMPARE(page.size(), s.f->Picture11->size());
        const QPoint panel4 = s.f->ESCRIU[4]->geometry().center();
        QCOMPARE(page.pixel(panel4), Colours[4].rgb());
        QCOMPARE(s.f->Picture18->size(), s.f->Picture11->size());

        s.f->AQQ2->trigger();
        handOff();
        page = received();
        QCOMPARE(page.size(), s.f->Picture11->size());
        // The sheet, stretched to the board: its frame of panel 4 and its pink margin.
        const QPoint frame4 = s.f->Image2[4]->geometry().center();
        QCOMPARE(page.pixel(frame4), Colours[4].rgb());
        QCOMPARE(page.pixelColor(page.width() - 2, page.height() / 2), QColor(255, 192, 192));

        QTest::mouseClick(s.f->Picture6, Qt::LeftButton, {}, QPoint(10, 10));
        handOff();
        QCOMPARE(received().pixel(panel4), Colours[4].rgb());

        if (request.isEmpty()) {
            QCOMPARE(s.t.office.documents.size(), 3);
            QCOMPARE(s.t.office.documents[0].orientation, OfficeDocument::Orientation::Landscape);
        } else {
            QCOMPARE(s.t.launcher.requests.size(), 3);
            QCOMPARE(s.t.launcher.requests[0], request + ": " + handOffPicturePath(s.t.services()));
        }
        QVERIFY(s.t.dialogs.messages.isEmpty());
    }

    void aHandOffThatCannotWriteLaunchesNothing() {
        Strip s;
        QDir(s.t.scratchFolder()).removeRecursively();
        QVERIFY(QFile(s.t.scratchFolder()).open(QIODevice::WriteOnly));
        s.f->Label9_Click();
        s.f->Label2_Click();
        QCOMPARE(s.t.dialogs.messages, (QStringList{"Error", "Error"}));
        QVERIFY(s.t.launcher.requests.isEmpty());
    }
};

QTEST_MAIN(TestForm6Sheet)
#include "tst_form6sheet.moc"
