// The fill-the-blanks player's text tools: colour strips, size steps, fonts, the toolbar palette,
// the printing hand-off and speech.
#include "core/controls.h"
#include "core/fonts.h"
#include "core/palette.h"
#include "core/twips.h"
#include "testservices.h"
#include "textwork/gapexercise.h"
#include "textwork/gaptextbox.h"
#include "textwork/player.h"
#include "textwork/playertoolbar.h"
#include "textwork/playertoolrules.h"
#include "workshop/picturetools.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

namespace {
struct Window {
    TestServices t;
    Form14* f = nullptr;
    Window() { f = &t.forms().show<Form14>(); }
    // Point (x, y) of the toolbar picture in widget pixels.
    void releaseOnToolbar(Qt::MouseButton button, QPoint at) {
        QTest::mousePress(f->Picture1, button, {}, at);
        QTest::mouseRelease(f->Picture1, button, {}, at);
    }
};

QPoint twipsPoint(int x) {
    return QPoint((x + TwipsPerPixel - 1) / TwipsPerPixel, 5); // the first pixel at or past x
}
} // namespace

class TestPlayerTools : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void penColour_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("colour");
        QTest::newRow("100") << 100 << 0;
        QTest::newRow("389") << 389 << 0;
        QTest::newRow("390") << 390 << 15;
        QTest::newRow("400") << 400 << 15;
        QTest::newRow("780") << 780 << 8;
        QTest::newRow("1000") << 1000 << 8;
    }
    void penColour() {
        QFETCH(int, x);
        QFETCH(int, colour);
        QCOMPARE(playertools::penColour(x), paletteColour(colour));
    }
    void groundColour_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("colour");
        QTest::newRow("0") << 0 << 15;
        QTest::newRow("399") << 399 << 15;
        QTest::newRow("400") << 400 << 7;
        QTest::newRow("500") << 500 << 7;
        QTest::newRow("800") << 800 << 0;
        QTest::newRow("1200") << 1200 << 1;
        QTest::newRow("1600") << 1600 << 2;
        QTest::newRow("2000") << 2000 << 4;
        QTest::newRow("2400") << 2400 << 14;
        QTest::newRow("2500") << 2500 << 14;
        QTest::newRow("far right") << 9000 << 14;
    }
    void groundColour() {
        QFETCH(int, x);
        QFETCH(int, colour);
        QCOMPARE(playertools::groundColour(x), paletteColour(colour));
    }
    void sizes_data() {
        QTest::addColumn<double>("points");
        QTest::addColumn<double>("smaller");
        QTest::addColumn<double>("larger");
        QTest::newRow("26.25") << 26.25 << 21.25 << 31.25;
        QTest::newRow("12") << 12.0 << 10.0 << 17.0;
        QTest::newRow("16") << 16.0 << 11.0 << 21.0;
        QTest::newRow("398") << 398.0 << 393.0 << 400.0;
        QTest::newRow("400") << 400.0 << 395.0 << 400.0;
    }
    void sizes() {
        QFETCH(double, points);
        QFETCH(double, smaller);
        QFETCH(double, larger);
        QCOMPARE(playertools::smallerSize(points), smaller);
        QCOMPARE(playertools::largerSize(points), larger);
    }
    void handOffBytes() {
        const QByteArray out = playertools::handOffBytes(QString::fromUtf8("l'àvia\nc_u"));
        QCOMPARE(out.size(), 2900 + 1); // "à" takes two bytes
        QVERIFY(out.startsWith(QString::fromUtf8("l'àvia\r\nc_u ").toUtf8()));
        QCOMPARE(playertools::handOffBytes(QString(3000, 'x')), QByteArray(2900, 'x'));
    }
    void pictures() {
        QCOMPARE(playertools::drawPenStrip().size(), QSize(88, 25));
        QCOMPARE(playertools::drawGroundStrip().size(), QSize(189, 21));
        QCOMPARE(playertools::drawSizeMarker(2).size(), QSize(94, 18));
    }

    // The window shows the pictures the build painted: the same pixels the drawing gives.
    void builtPictures() {
        installFontSubstitutions(); // as the program and the build paint
        QVERIFY(QFile::exists(QStringLiteral(":/textwork/playertools.rgb")));
        QVERIFY(playertoolbar::image() == playertoolbar::draw());
        QVERIFY(playertools::penStripImage() == playertools::drawPenStrip());
        QVERIFY(playertools::groundStripImage() == playertools::drawGroundStrip());
        Window w;
        QVERIFY(w.f->Picture1->Picture() == playertoolbar::draw());
        for (int k = 0; k < 4; ++k) {
            QVERIFY(playertools::sizeMarkerImage(k) == playertools::drawSizeMarker(k));
            QVERIFY(w.f->Picture3[size_t(k)]->Picture() == playertools::drawSizeMarker(k));
        }
    }

    void design() {
        Window w;
        Form14& f = *w.f;
        QCOMPARE(f.Label22[3]->geometry(), twRect(225, 810, 420, 555));
        QCOMPARE(f.Label22[0]->geometry(), twRect(1575, 765, 510, 555));
        QCOMPARE(f.Label23->geometry(), twRect(225, 1350, 375, 465));
        QCOMPARE(f.Label24->geometry(), twRect(675, 1305, 375, 465));
        QCOMPARE(f.Label26->geometry(), twRect(1665, 1350, 420, 555));
        QCOMPARE(f.Picture10->geometry(), twRect(6390, 150, 1320, 375));
        QCOMPARE(f.Picture2->geometry(), twRect(7920, 180, 2835, 315));
        QCOMPARE(f.Picture3[1]->geometry(), twRect(4710, 240, 1410, 270));
        QCOMPARE(f.Picture9->geometry(), twRect(5700, 180, 315, 345));
        QCOMPARE(f.Combo3->currentText(), QString("Fonts"));
        QCOMPARE(f.Combo3->count(), 0);
        for (PictureBox* marker : f.Picture3)
            QVERIFY(marker->isHidden());
    }
    void sizeZonesAndSteps() {
        Window w;
        Form14& f = *w.f;
        QTest::mouseClick(f.Label24, Qt::LeftButton);
        QCOMPARE(f.Text1->font().pointSizeF(), 21.25);
        QTest::mouseClick(f.Label23, Qt::LeftButton);
        QCOMPARE(f.Text1->font().pointSizeF(), 26.25);
        const double text3 = f.Text3->font().pointSizeF();
        f.Picture7_Click();
        QCOMPARE(f.Text1->font().pointSizeF(), 18.0);
        for (int k = 0; k < 4; ++k)
            QCOMPARE(f.Picture3[k]->isHidden(), k != 1);
        QTest::mouseClick(f.Label23, Qt::LeftButton);
        QCOMPARE(f.Text1->font().pointSizeF(), 23.0);
        QVERIFY(!f.Picture3[1]->isHidden());
        f.Picture6_Click();
        QTest::mouseClick(f.Label24, Qt::LeftButton);
        QCOMPARE(f.Text1->font().pointSizeF(), 10.0);
        QVERIFY(!f.Picture3[0]->isHidden() && f.Picture3[1]->isHidden());
        QCOMPARE(f.Text3->font().pointSizeF(), text3);
    }
    void fonts() {
        Window w;
        Form14& f = *w.f;
        const QString text2 = f.Text2->font().family();
        QTest::mouseClick(f.Label22[3], Qt::LeftButton);
        QCOMPARE(f.Text1->font().family(), QString("Times New Roman"));
        QCOMPARE(f.Text3->font().family(), QString("Times New Roman"));
        QCOMPARE(f.Text2->font().family(), text2);
        QVERIFY(f.Text1->font().bold()); // only the face changes
        QCOMPARE(f.Text1->font().pointSizeF(), 26.25);

        f.Combo3->addItem("Arial");
        f.Combo3->setCurrentIndex(0);
        emit f.Combo3->activated(0);
        QCOMPARE(f.Label12->text(), QString("Arial"));
        QCOMPARE(f.Text1->font().family(), QString("Arial"));
        QCOMPARE(f.Text2->font().family(), QString("Arial"));
        QCOMPARE(f.Text3->font().family(), QString("Times New Roman"));

        f.SetGappedFontComic();
        QCOMPARE(f.Text1->font().family(), QString("Comic Sans MS"));
        QCOMPARE(f.Text3->font().family(), QString("Times New Roman"));
    }
    void toolbarPalette() {
        Window w;
        Form14& f = *w.f;
        const QRect swatch = playertoolbar::swatchRect(2, 1);
        const QPoint at = swatch.center();
        const QColor colour = f.Picture1->Picture().pixelColor(at);
        const QColor ink = textColour(f.Text1);
        const QColor ground = f.Text1->palette().color(QPalette::Base);
        w.releaseOnToolbar(Qt::MiddleButton, at);
        QCOMPARE(textColour(f.Text1), ink);
        QCOMPARE(f.Text1->palette().color(QPalette::Base), ground);
        w.releaseOnToolbar(Qt::RightButton, at);
        QCOMPARE(f.Text1->palette().color(QPalette::Base), colour);
        QCOMPARE(textColour(f.Text1), ink);
        w.releaseOnToolbar(Qt::LeftButton, at);
        QCOMPARE(textColour(f.Text1), colour);
    }
    void strips() {
        Window w;
        Form14& f = *w.f;
        QTest::mouseClick(f.Picture10, Qt::LeftButton, {}, twipsPoint(100));
        QCOMPARE(textColour(f.Text1), paletteColour(0));
        QTest::mouseClick(f.Picture10, Qt::RightButton, {}, twipsPoint(400));
        QCOMPARE(textColour(f.Text1), paletteColour(15));
        QTest::mouseClick(f.Picture10, Qt::LeftButton, {}, twipsPoint(1000));
        QCOMPARE(textColour(f.Text1), paletteColour(8));
        QTest::mouseClick(f.Picture2, Qt::LeftButton, {}, twipsPoint(500));
        QCOMPARE(f.Text1->palette().color(QPalette::Base), paletteColour(7));
        QTest::mouseClick(f.Picture2, Qt::LeftButton, {}, twipsPoint(2000));
        QCOMPARE(f.Text1->palette().color(QPalette::Base), paletteColour(4));
        QTest::mouseClick(f.Picture2, Qt::RightButton, {}, twipsPoint(2500));
        QCOMPARE(f.Text1->palette().color(QPalette::Base), paletteColour(14));
    }
    void handOff() {
        Window w;
        Form14& f = *w.f;
        const QString text = QString("Quin f_rmatge\nque").leftJustified(840);
        f.Text1->setPlainText(text);
        QTest::mouseClick(f.Label26, Qt::LeftButton);
        const QString path = QDir(w.t.scratchFolder()).filePath("escrit.txt");
        QCOMPARE(w.t.launcher.requests, QStringList{"text: " + path});
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.size(), 2900);
        QVERIFY(bytes.startsWith("Quin f_rmatge\r\nque "));
        QCOMPARE(bytes.mid(841), QByteArray(2900 - 841, ' '));
    }
    void handOffFailing() {
        Window w;
        Form14& f = *w.f;
        // A folder where the file should go: it cannot be written.
        QVERIFY(QDir(w.t.scratchFolder()).mkpath("escrit.txt"));
        QTest::mouseClick(f.Label26, Qt::LeftButton);
        QCOMPARE(w.t.dialogs.messages, QStringList{"Error"});
        QVERIFY(w.t.launcher.requests.isEmpty());
    }
    // No text editor to open it: said too, not left silent.
    void handOffWithNoEditor() {
        Window w;
        w.t.launcher.answer = false;
        QTest::mouseClick(w.f->Label26, Qt::LeftButton);
        QCOMPARE(w.t.dialogs.messages, QStringList{"Error"});
    }
    void speech() {
        Window w;
        Form14& f = *w.f;
        f.Text2->setPlainText("Bon dia");
        f.Picture3_Click(2);
        QVERIFY(w.t.speech.calls.contains(FakeSpeech::Call{36, {}}));
        QCOMPARE(w.t.speech.calls.last(), (FakeSpeech::Call{6, "Bon dia"}));
        QVERIFY(w.t.speech.calls.indexOf(FakeSpeech::Call{36, {}}) <
                w.t.speech.calls.lastIndexOf(FakeSpeech::Call{6, "Bon dia"}));
        // Again with the speech window already open from the menu.
        w.t.forms().show(QStringLiteral("TATA"));
        w.t.speech.calls.clear();
        f.Picture3_Click(0);
        QCOMPARE(w.t.speech.calls.first(), (FakeSpeech::Call{36, {}}));
        QCOMPARE(w.t.speech.calls.last(), (FakeSpeech::Call{6, "Bon dia"}));
    }
    void panelPress() {
        Window w;
        Form14& f = *w.f;
        QCOMPARE(f.Label14->text(), QString("0"));
        QTest::mousePress(f.Picture5, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(f.Label14->text(), QString("1"));
    }
    void caretToStart() {
        Window w;
        Form14& f = *w.f;
        f.Text1->setPlainText("abc");
        f.Text1->moveCursor(QTextCursor::End);
        f.GappedCaretToStart();
        QCOMPARE(f.Text1->textCursor().position(), 0);
    }
};

QTEST_MAIN(TestPlayerTools)
#include "tst_playertools.moc"
