// The comic strip's hand-over to the word games: lists, pictures and the start of each game.
#include "comicstrip/form6.h"
#include "core/controls.h"
#include "listitems.h"
#include "testservices.h"
#include "wordgames/dictation.h"
#include "wordgames/findtheword.h"
#include "wordgames/hiddenword.h"
#include "wordgames/typewriter.h"
#include "wordgames/writeaword.h"
#include "workshop/handoff.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QColor Colours[] = {Qt::red,     Qt::green,   Qt::blue,     Qt::yellow, Qt::cyan,
                          Qt::darkRed, Qt::magenta, Qt::darkBlue, Qt::black};

QRgb centreOf(const QImage& image) {
    return image.pixel(image.width() / 2, image.height() / 2);
}

struct Strip {
    TestServices t;
    Form6* f = nullptr;
    QStringList captions;

    explicit Strip(const QStringList& words = {"abella", "balena", "cabra", "dofi", "elefant", "foca", "gall",
                                               "hipopotam", "lloro"}) {
        f = &t.forms().show<Form6>();
        t.state().setActivityCode(11);
        captions = words;
        for (int i = 0; i < Form6::Panels; ++i) {
            QImage picture(f->ESCRIU[i]->size(), QImage::Format_RGB32);
            picture.fill(Colours[i]);
            f->ESCRIU[i]->setPicture(picture);
            f->Text3[i]->setText(words.value(i));
            f->PINTA[i]->setPlainText(QStringLiteral("segona %1").arg(i));
        }
    }
    QStringList padded() const {
        QStringList out;
        for (const QString& c : captions)
            out << c + QString(9, ' ');
        return out;
    }
    bool boardUnchanged() {
        for (int i = 0; i < Form6::Panels; ++i) {
            if (centreOf(f->panelImage(i)) != Colours[i].rgb()) return false;
            if (f->Text3[i]->text() != captions.value(i)) return false;
        }
        return t.state().ActivityCode() == 11;
    }
    QRgb handOffCentre() { return centreOf(QImage(handOffPicturePath(t.services()))); }
};

template <size_t N> void checkPictures(const std::array<PictureBox*, N>& boxes, int count) {
    for (int i = 0; i < count; ++i)
        QCOMPARE(centreOf(boxes[i]->Picture()), Colours[i].rgb());
}

} // namespace

class TestForm6Games : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void hiddenWord() {
        Strip s;
        s.f->SOPAA->trigger();
        amaga* game = s.t.forms().loaded<amaga>();
        QVERIFY(game && game->isVisible());
        QCOMPARE(listItems(game->List1[4]), s.padded());
        QCOMPARE(listItems(game->List3), (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9"}));
        checkPictures(game->Picture7, 9);
        // It plays a word of the strip, with that panel's picture.
        const int r = s.padded().indexOf(game->Label10);
        QVERIFY2(r >= 0, qPrintable(game->Label10));
        QCOMPARE(centreOf(game->Image1->pixmap().toImage()), Colours[r].rgb());
        QCOMPARE(s.handOffCentre(), Colours[8].rgb());
        QVERIFY(s.boardUnchanged());

        // Again: the pool is replaced, the record numbers grow.
        s.f->Text3[0]->setText("zebra");
        s.captions[0] = "zebra";
        s.f->SOPAA->trigger();
        QCOMPARE(listItems(game->List1[4]), s.padded());
        QCOMPARE(game->List3->count(), 18);
    }

    void writeAWord() {
        Strip s({"abcdefghijklmnop", "b", "c", "d", "e", "f", "g", "h", "i"});
        s.f->WE->trigger();
        escritors* game = s.t.forms().loaded<escritors>();
        QVERIFY(game && game->isVisible());
        QStringList expected = s.captions;
        expected[0] = "abcdefghijkl";
        QCOMPARE(listItems(game->List3), expected);
        QCOMPARE(listItems(game->List4), expected);
        checkPictures(game->Picture7, 9);
        QVERIFY(expected.contains(game->Text2->text(), Qt::CaseInsensitive));
        s.f->WE->trigger();
        QCOMPARE(game->List3->count(), 18);
        QCOMPARE(game->List4->count(), 18);
        QVERIFY(s.boardUnchanged());
    }

    void typewriter() {
        Strip s({"gat", "gos", "peu", "mar", "sol", "lluna", "cel", "sal", "pa"});
        s.f->MAOS->trigger();
        palabrejas* game = s.t.forms().loaded<palabrejas>();
        QVERIFY(game && game->isVisible());
        QCOMPARE(listItems(game->List2), s.captions);
        checkPictures(game->Picture7, 9);
        const int r = s.captions.indexOf(game->Label1);
        QVERIFY2(r >= 0, qPrintable(game->Label1));
        QCOMPARE(centreOf(game->Image1->pixmap().toImage()), Colours[r].rgb());
        s.f->MAOS->trigger();
        QCOMPARE(game->List2->count(), 18);
        QVERIFY(s.boardUnchanged());
    }

    void findTheWord() {
        Strip s;
        s.f->DPAOW->trigger();
        trobass* game = s.t.forms().loaded<trobass>();
        QVERIFY(game && game->isVisible());
        QCOMPARE(listItems(game->List1), s.captions.mid(0, 8));
        checkPictures(game->Picture7, 8);
        QVERIFY(game->Picture7[8]->Picture().isNull());
        for (int k = 0; k < 8; ++k)
            QCOMPARE(game->Command2Caption(k), s.captions[k]);
        QVERIFY(s.captions.mid(0, 8).contains(game->Text1->text()));
        QCOMPARE(s.handOffCentre(), Colours[7].rgb());
        s.f->DPAOW->trigger();
        QCOMPARE(game->List1->count(), 8);
        QVERIFY(s.boardUnchanged());
    }

    void dictation() {
        Strip s;
        s.f->DPAOW->trigger();
        const QRgb handOff = s.handOffCentre();
        s.f->DITATSS->trigger();
        Form15* game = s.t.forms().loaded<Form15>();
        QVERIFY(game && game->isVisible());
        for (int i = 0; i < Form6::Panels; ++i)
            QCOMPARE(game->Label1[i]->text(), s.captions[i]);
        QCOMPARE(s.handOffCentre(), handOff); // no picture sent
        s.f->Text3[2]->setText("nou");
        s.f->DITATSS->trigger();
        QCOMPARE(game->Label1[2]->text(), QString("nou"));
        QVERIFY(s.t.dialogs.messages.isEmpty());
    }

    void secondCaptionsOnViewStillSendTheFirst() {
        Strip s;
        s.f->Label16_Click();
        s.f->SOPAA->trigger();
        s.f->DITATSS->trigger();
        QCOMPARE(listItems(s.t.forms().loaded<amaga>()->List1[4]), s.padded());
        QCOMPARE(s.t.forms().loaded<Form15>()->Label1[0]->text(), QString("abella"));
        QVERIFY(s.f->secondCaptionsShown());
    }

    void awkwardCaptionsReachEveryGame_data() {
        QTest::addColumn<QStringList>("words");
        QTest::newRow("empty captions") << QStringList(9, QString());
        QTest::newRow("40-character captions") << QStringList(9, QString(40, 'x'));
        QTest::newRow("words no game deals") << QStringList(9, QString::fromUtf8("àvia i ìtem"));
    }
    void awkwardCaptionsReachEveryGame() {
        QFETCH(QStringList, words);
        Strip s(words);
        for (QAction* item : {s.f->SOPAA, s.f->WE, s.f->MAOS, s.f->DPAOW, s.f->DITATSS})
            item->trigger();
        QCOMPARE(s.t.forms().loaded<amaga>()->List1[4]->count(), 9);
        QCOMPARE(s.t.forms().loaded<escritors>()->List4->count(), 9);
        QCOMPARE(s.t.forms().loaded<palabrejas>()->List2->count(), 9);
        QCOMPARE(s.t.forms().loaded<trobass>()->List1->count(), 8);
        QCOMPARE(s.t.forms().loaded<Form15>()->Label1[8]->text(), words[8]);
        QVERIFY(s.boardUnchanged());
    }

    void gamesStayWhenTheStripCloses() {
        Strip s;
        s.f->SOPAA->trigger();
        s.f->MAOS->trigger();
        QVERIFY(s.f->close());
        QCOMPARE(s.t.state().ActivityCode(), 0);
        QVERIFY(s.t.forms().isLoaded("amaga"));
        QVERIFY(s.t.forms().isLoaded("palabrejas"));
    }

    void aHandOffPictureThatCannotBeWrittenStopsNothing() {
        Strip s;
        QDir(s.t.scratchFolder()).removeRecursively();
        QVERIFY(QFile(s.t.scratchFolder()).open(QIODevice::WriteOnly)); // a file where the folder was
        s.f->SOPAA->trigger();
        checkPictures(s.t.forms().loaded<amaga>()->Picture7, 9);
        QVERIFY(s.t.dialogs.messages.isEmpty());
    }
};

QTEST_MAIN(TestForm6Games)
#include "tst_form6games.moc"
