// The typewriter window: its design, the deal under each length limit, typing a word on the
// keyboard and on the screen's keys, the keys' case, lists, the comic strip's panels and the speaker.
#include "core/controls.h"
#include "files.h"
#include "listitems.h"
#include "testservices.h"
#include "wordgames/typewriter.h"
#include "wordgames/wordlistfile.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace {
const QColor Hidden(250, 250, 250);
const QColor Shown(20, 20, 120);

QImage plain(const QColor& colour, QSize size = QSize(200, 150)) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(colour);
    return img;
}

// The typewriter, open and active, as the main window opens it.
struct Typewriter {
    TestServices t;
    palabrejas* f = nullptr;

    explicit Typewriter(int speechFlag = 0) {
        t.state().setSpeechFlag(speechFlag);
        f = &t.forms().show<palabrejas>();
        t.state().setActivityCode(100);
        f->activateWindow();
        active = QTest::qWaitForWindowActive(f);
    }
    bool active = false;

    void deal(const QStringList& pool) {
        f->List2->clear();
        f->List2->addItems(pool);
        f->llena();
    }
    // Physical keys, each sent to the box that has the focus.
    void type(const QString& text) {
        for (QChar ch : text)
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key(ch.toUpper().unicode()),
                                QString(ch), Qt::NoModifier);
    }
    void enter() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }
    void key(const QString& letter) {
        const int i = int(palabrejas::keyLetters().indexOf(letter.toLower()));
        QTest::mouseClick(f->Command2[i], Qt::LeftButton);
    }
    // The model row and what the typing row shows as revealed.
    QString model() const {
        QString out;
        for (QLineEdit* box : f->Text1)
            if (!box->isHidden()) out += box->text();
        return out;
    }
    QString revealed() const {
        QString out;
        for (QLineEdit* box : f->c) {
            if (box->isHidden()) continue;
            out += box->palette().color(QPalette::Text) == Shown ? box->text() : QStringLiteral("_");
        }
        return out;
    }
    int focusedBox() const {
        for (int i = 0; i < int(f->c.size()); ++i)
            if (f->c[i]->hasFocus()) return i;
        return -1;
    }
    QString list(const QString& name) const {
        const QString folder = QDir(t.programFolder()).filePath("llistes");
        QDir().mkpath(folder);
        return QDir(folder).filePath(name);
    }
};
} // namespace

class TestPalabrejas : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void design() {
        Typewriter w;
        palabrejas& f = *w.f;
        QCOMPARE(f.windowTitle(), QString::fromUtf8("Taudrin'TXT Màquina d'escriure"));
        QCOMPARE(f.client->size(), QSize(994, 616));
        QCOMPARE(f.client->BackColor(), QColor(50, 50, 50));
        QCOMPARE(f.base->geometry(), QRect(92, 36, 842, 579));
        QCOMPARE(f.base->Picture().size(), QSize(842, 579));

        QStringList menus;
        for (QAction* a : f.menuBar()->actions())
            menus << a->text();
        QCOMPARE(menus, QString::fromUtf8("LLISTES MAYÚSCULES MINÚSCULES REFRESCAR FILTRE").split(' '));
        QCOMPARE(f.idiomas->objectName(), QString("idiomas"));
        QCOMPARE(f.tttty->objectName(), QString("tttty"));
        QCOMPARE(f.eqw->objectName(), QString("eqw"));
        QCOMPARE(f.sas->objectName(), QString("sas"));
        QCOMPARE(f.filtress->objectName(), QString("filtress"));
        QCOMPARE(f.filtress->actions(), (QList<QAction*>{f.a1, f.a2, f.a3}));
        QCOMPARE(f.a1->text(), QString("4 LLETRES"));
        QCOMPARE(f.a2->text(), QString("6 LLETRES"));
        QCOMPARE(f.a3->text(), QString("11 LLETRES"));
        QVERIFY(!f.a1->isChecked() && !f.a2->isChecked() && f.a3->isChecked());

        for (int i = 0; i < 11; ++i) {
            QCOMPARE(f.Text1[i]->objectName(), QString("Text1_%1").arg(i));
            QCOMPARE(f.c[i]->objectName(), QString("c_%1").arg(i));
            QCOMPARE(f.Text1[i]->geometry(), twRect(1170 + 675 * i, 1110, 690, 1215));
            QCOMPARE(f.c[i]->geometry(), twRect(1170 + 675 * i, 2370, 690, 1215));
            for (QLineEdit* box : {f.Text1[i], f.c[i]}) {
                QCOMPARE(box->parentWidget(), f.base);
                QVERIFY(box->isVisible());
                QVERIFY(box->text().isEmpty());
                QCOMPARE(box->maxLength(), 1);
                QCOMPARE(box->font().family(), QString("Courier New"));
                QCOMPARE(box->font().pointSize(), 48);
                QVERIFY(box->font().bold());
            }
        }
        QCOMPARE(f.Command2.size(), size_t(28));
        for (int i = 0; i < 28; ++i) {
            QCOMPARE(f.Command2[i]->objectName(), QString("Command2_%1").arg(i));
            QCOMPARE(f.Command2[i]->text(), QString(palabrejas::keyLetters().at(i)));
            QCOMPARE(f.Command2[i]->font().family(), QString("Times New Roman"));
            QCOMPARE(f.Command2[i]->font().pointSize(), 36);
            QCOMPARE(f.Command2[i]->height(), 55);
        }
        QCOMPARE(palabrejas::keyLetters(), QString::fromUtf8("qwertyuiopasdfghjklñçzxcvbnm"));
        QCOMPARE(f.Command2[0]->geometry(), twRect(1260, 3675, 700, 825));
        QCOMPARE(f.Command2[9]->geometry(), twRect(7740, 3675, 795, 825));
        QCOMPARE(f.Command2[10]->geometry(), twRect(1260, 4530, 795, 825));
        QCOMPARE(f.Command2[11]->geometry(), twRect(2070, 4530, 700, 825));
        QCOMPARE(f.Command2[19]->geometry(), twRect(7830, 4530, 700, 825));
        QCOMPARE(f.Command2[20]->geometry(), twRect(6705, 5385, 700, 825));
        QCOMPARE(f.Command2[21]->geometry(), twRect(1260, 5385, 1110, 825));
        QCOMPARE(f.Command2[22]->geometry(), twRect(2385, 5385, 700, 825));
        QCOMPARE(f.Command2[27]->geometry(), twRect(5985, 5385, 700, 825));

        QCOMPARE(f.Command1->text(), QString(">>>>"));
        QCOMPARE(f.Command1->geometry(), twRect(1260, 7020, 7260, 465));
        QCOMPARE(f.Command1->font().pointSizeF(), 14.25);
        QCOMPARE(f.List1->geometry(), twRect(8820, 1155, 2715, 3720));
        QCOMPARE(f.List1->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(f.List1->font().pointSizeF(), 27.75);
        QCOMPARE(f.List1->count(), 0);
        QCOMPARE(f.Image1->geometry(), twRect(8955, 5160, 2445, 1635));
        QCOMPARE(f.Picture3->geometry(), QRect(501, 386, 59, 24));
        QCOMPARE(f.Picture3->Picture().size(), QSize(59, 24));
        QVERIFY(!f.Picture3->isVisible());
        QCOMPARE(f.Shape1->geometry(), twRect(1215, 3630, 7350, 3120));

        QVERIFY(!f.List2->isVisible());
        QCOMPARE(f.List2->objectName(), QString("List2"));
        QCOMPARE(f.List2->count(), 0);
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(f.Picture7[i]->objectName(), QString("Picture7_%1").arg(i));
            QCOMPARE(f.Picture7[i]->size(), twSize(2040, 1500));
            QVERIFY(!f.Picture7[i]->isVisible());
            QVERIFY(f.Picture7[i]->Picture().isNull());
        }
        QCOMPARE(f.Label1, QString("palabrasas"));
        QCOMPARE(f.Label2, 0);
        QVERIFY(f.client->Picture().isNull()); // no stripes before a list
    }

    void speakerShowsWithSpeechAndSpeaksTheWord_data() {
        QTest::addColumn<int>("speechFlag");
        QTest::newRow("speech off") << 0;
        QTest::newRow("speech on") << 1;
    }
    void speakerShowsWithSpeechAndSpeaksTheWord() {
        QFETCH(int, speechFlag);
        Typewriter w(speechFlag);
        QCOMPARE(w.f->Picture3->isVisible(), speechFlag == 1);
        // Opening the speech window later does not bring the speaker out.
        w.t.state().setSpeechFlag(1);
        QCOMPARE(w.f->Picture3->isVisible(), speechFlag == 1);

        w.f->Picture3->show();
        QTest::mouseClick(w.f->Picture3, Qt::LeftButton, {}, QPoint(5, 5));
        w.deal({"  gat "});
        QTest::mouseClick(w.f->Picture3, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(w.t.speech.calls.count(FakeSpeech::Call{6, "palabrasas"}), 1);
        QCOMPARE(w.t.speech.calls.last(), (FakeSpeech::Call{6, "  gat "}));
    }

    void lengthItemsSetTheLimitAndTheCaption_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("pool");
        QTest::addColumn<QString>("dealt");
        const QString accented = QString::fromUtf8("pè");
        QTest::newRow("4 LLETRES") << "a1"
                                   << "4" << QStringList{"finestra", "gats", accented, "cases"} << "gats";
        QTest::newRow("6 LLETRES") << "a2"
                                   << "6" << QStringList{"finestra", accented, "cadira", "cadires"}
                                   << "cadira";
        QTest::newRow("11 LLETRES") << "a3"
                                    << "10"
                                    << QStringList{"ordinadores", "ordinadors", accented, "desafortunat"}
                                    << "ordinadors";
    }
    void lengthItemsSetTheLimitAndTheCaption() {
        QFETCH(QString, item);
        QFETCH(QString, caption);
        QFETCH(QStringList, pool);
        QFETCH(QString, dealt);
        Typewriter w;
        // A mark chosen first goes when another is chosen; choosing the marked one keeps it.
        w.f->a1->trigger();
        auto* chosen = w.f->findChild<QAction*>(item);
        QVERIFY(chosen);
        chosen->trigger();
        chosen->trigger();
        QCOMPARE(int(w.f->a1->isChecked()) + int(w.f->a2->isChecked()) + int(w.f->a3->isChecked()), 1);
        QVERIFY(chosen->isChecked());
        QCOMPARE(w.f->windowTitle(), QString::fromUtf8("Taudrin'TXT Màquina d'escriure")); // nothing dealt

        w.deal(pool);
        for (int i = 0; i < 30; ++i) {
            QCOMPARE(w.f->windowTitle(), caption);
            QCOMPARE(w.f->Label1, dealt);
            QCOMPARE(w.model(), dealt);
            QCOMPARE(w.revealed(), QString(dealt.size(), '_'));
            w.f->sas->trigger();
        }
        QVERIFY(w.f->Text1[10]->isHidden());
        QVERIFY(w.f->c[10]->isHidden());
        QCOMPARE(w.f->List1->count(), 0); // REFRESCAR drops the word
        QCOMPARE(listItems(w.f->List2), pool);
    }

    void typingAWordOnTheKeyboard() {
        Typewriter w;
        QVERIFY(w.active);
        w.deal({"casa"});
        QCOMPARE(w.focusedBox(), 0);
        QCOMPARE(w.f->c[0]->palette().color(QPalette::Base), Hidden);
        QCOMPARE(w.f->c[0]->palette().color(QPalette::Text), Hidden);
        // Selecting the box with the mouse gives nothing away.
        QCOMPARE(w.f->c[0]->palette().color(QPalette::HighlightedText), Hidden);
        QCOMPARE(w.f->c[0]->palette().color(QPalette::Highlight), Hidden);
        w.type("cas");
        QCOMPARE(w.revealed(), QString("cas_"));
        QCOMPARE(w.f->Label2, 3);
        QCOMPARE(w.focusedBox(), 3);
        w.enter(); // not finished: nothing happens
        QCOMPARE(w.f->List1->count(), 0);
        QCOMPARE(w.revealed(), QString("cas_"));
        QTest::mouseClick(w.f->Command1, Qt::LeftButton);
        QCOMPARE(w.f->List1->count(), 0);

        w.f->c[3]->setFocus();
        w.type("A"); // capitals and small letters alike
        QCOMPARE(w.revealed(), QString("casa"));
        QCOMPARE(w.focusedBox(), 3);
        w.enter();
        QCOMPARE(listItems(w.f->List1), QStringList{"casa"});
        QCOMPARE(w.revealed(), QString("____"));
        QCOMPARE(w.f->Label2, 0);
        QCOMPARE(w.focusedBox(), 0);

        // ">>>>" finishes too.
        w.type("casa");
        QTest::mouseClick(w.f->Command1, Qt::LeftButton);
        QCOMPARE(listItems(w.f->List1), (QStringList{"casa", "casa"}));
    }

    void everyCharacterOfAWordCanBeTyped_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("typed");
        QTest::newRow("ç") << QString::fromUtf8("caça") << QString::fromUtf8("caça");
        QTest::newRow("ï") << QString::fromUtf8("veïna") << QString::fromUtf8("veïna");
        QTest::newRow("·") << QString::fromUtf8("col·legi") << QString::fromUtf8("col·legi");
        QTest::newRow("apostrophe") << "d'ell"
                                    << "d'ell";
        QTest::newRow("ñ in capitals") << QString::fromUtf8("NIÑO") << QString::fromUtf8("niño");
        QTest::newRow("blank") << "el gat"
                               << "el gat";
    }
    void everyCharacterOfAWordCanBeTyped() {
        QFETCH(QString, word);
        QFETCH(QString, typed);
        Typewriter w;
        QVERIFY(w.active);
        w.deal({word});
        w.type(typed);
        QCOMPARE(w.revealed(), word); // each box shows the word's own letter
        QCOMPARE(w.f->Label2, int(word.size()));
        w.enter();
        QCOMPARE(listItems(w.f->List1), QStringList{word});
    }

    void aLetterComposedWithADeadKeyIsTyped() {
        Typewriter w;
        QVERIFY(w.active);
        w.deal({QString::fromUtf8("ï")});
        QInputMethodEvent wrong;
        wrong.setCommitString("i");
        QApplication::sendEvent(w.f->c[0], &wrong);
        QCOMPARE(w.revealed(), QString("_"));
        QInputMethodEvent composed;
        composed.setCommitString(QString::fromUtf8("ï"));
        QApplication::sendEvent(w.f->c[0], &composed);
        QCOMPARE(w.revealed(), QString::fromUtf8("ï"));
        QCOMPARE(w.f->Label2, 1);
    }

    void wrongKeysChangeNothing() {
        Typewriter w;
        QVERIFY(w.active);
        w.deal({"casa"});
        w.type("x");
        QTest::keyClick(w.f->c[0], Qt::Key_Backspace);
        QTest::keyClick(w.f->c[0], Qt::Key_Delete);
        QTest::keyClick(w.f->c[0], Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(w.focusedBox(), 0);
        w.key("s");
        QCOMPARE(w.f->Label2, 0);
        QCOMPARE(w.revealed(), QString("____"));
        QCOMPARE(w.f->c[0]->text(), QString("c"));
    }

    void keysDoNothingBeforeTheFirstDeal() {
        Typewriter w;
        QVERIFY(w.active);
        w.f->c[0]->setFocus();
        w.type("ab");
        w.key("a");
        w.f->c[0]->setFocus();
        w.enter();
        for (QLineEdit* box : w.f->c)
            QVERIFY(box->text().isEmpty());
        QCOMPARE(w.f->Label2, 0);
        QCOMPARE(w.focusedBox(), 0);
        QCOMPARE(w.f->List1->count(), 0);
        QCOMPARE(w.f->Label1, QString("palabrasas"));
    }

    void eachBoxCountsOnceAndScreenKeysFillTheFirstBoxLeft() {
        Typewriter w;
        QVERIFY(w.active);
        w.deal({"casa"});
        w.type("c");
        w.f->c[0]->setFocus();
        w.type("c"); // typed again: no second count
        QCOMPARE(w.f->Label2, 1);
        w.f->c[2]->setFocus();
        w.type("s");
        QCOMPARE(w.revealed(), QString("c_s_"));
        w.key("s"); // the first box left wants an a
        QCOMPARE(w.revealed(), QString("c_s_"));
        w.key("a");
        QCOMPARE(w.revealed(), QString("cas_"));
        QVERIFY(w.f->Command2[10]->hasFocus());
        w.key("a");
        QCOMPARE(w.revealed(), QString("casa"));
        QCOMPARE(w.f->Label2, 4);

        // Once the word is complete, keys change nothing and the word can still be finished.
        w.key("a");
        w.f->c[1]->setFocus();
        w.type("a");
        QCOMPARE(w.f->Label2, 4);
        QTest::mouseClick(w.f->Command1, Qt::LeftButton);
        QCOMPARE(listItems(w.f->List1), QStringList{"casa"});
    }

    void aShorterWordAfterALongerOneCanBeFinishedOnTheScreen() {
        Typewriter w;
        w.deal({"casetes"});
        for (QChar ch : QString("casetes"))
            w.key(ch);
        QTest::mouseClick(w.f->Command1, Qt::LeftButton);
        w.deal({"pa"});
        w.key("p");
        w.key("a");
        w.key("e"); // the boxes past the word hold nothing
        QCOMPARE(w.f->Label2, 2);
        QTest::mouseClick(w.f->Command1, Qt::LeftButton);
        QCOMPARE(listItems(w.f->List1), (QStringList{"casetes", "pa"}));
    }

    void capitalKeys() {
        Typewriter w;
        QVERIFY(w.active);
        w.f->tttty->trigger();
        QCOMPARE(w.f->Command2[10]->text(), QString("A"));
        QCOMPARE(w.f->Command2[19]->text(), QString::fromUtf8("Ñ"));
        QCOMPARE(w.f->Command2[20]->text(), QString::fromUtf8("Ç"));
        w.deal({QString::fromUtf8("araç")});
        w.key("A");
        QCOMPARE(w.revealed(), QString("A___")); // the key's own case
        w.f->c[1]->setFocus();
        w.type("R");
        QCOMPARE(w.revealed(), QString("Ar__")); // the word's own case
        w.key("A");
        w.key(QString::fromUtf8("Ç"));
        QCOMPARE(w.revealed(), QString::fromUtf8("ArAÇ"));

        w.f->eqw->trigger();
        QString captions;
        for (QPushButton* key : w.f->Command2)
            captions += key->text();
        QCOMPARE(captions, palabrejas::keyLetters());
        QCOMPARE(w.revealed(), QString::fromUtf8("ArAÇ"));
    }

    void nothingToDealGivesAnEmptyWord_data() {
        QTest::addColumn<QStringList>("pool");
        QTest::addColumn<QString>("item");
        QTest::newRow("empty pool") << QStringList{} << "a3";
        QTest::newRow("only accented words")
            << QStringList{QString::fromUtf8("camí"), QString::fromUtf8("cançó")} << "a3";
        QTest::newRow("only long words") << QStringList{"finestra", "ordinador"} << "a1";
    }
    void nothingToDealGivesAnEmptyWord() {
        QFETCH(QStringList, pool);
        QFETCH(QString, item);
        Typewriter w;
        w.f->findChild<QAction*>(item)->trigger();
        w.deal({"gat"});
        w.f->List2->clear();
        w.f->List2->addItems(pool);
        w.f->sas->trigger();
        QCOMPARE(w.f->Label1, QString());
        QCOMPARE(w.f->windowTitle(), item == "a1" ? QString("4") : QString("10"));
        for (int i = 0; i < 11; ++i) {
            QVERIFY(w.f->Text1[i]->isHidden());
            QVERIFY(w.f->c[i]->isHidden());
        }
        // The empty word is finished as it stands: each ">>>>" lists it and deals again.
        QTest::mouseClick(w.f->Command1, Qt::LeftButton);
        QTest::mouseClick(w.f->Command1, Qt::LeftButton);
        QCOMPARE(listItems(w.f->List1), (QStringList{"", ""}));
    }

    void aCaptionAfterBlanksShowsAllItsLetters() {
        Typewriter w;
        QVERIFY(w.active);
        w.deal({"  el gat   "});
        QCOMPARE(w.model(), QString("el gat"));
        QCOMPARE(w.revealed(), QString("______"));
        w.type("el gat");
        w.enter();
        QCOMPARE(listItems(w.f->List1), QStringList{"  el gat   "}); // listed as held
    }

    void panelOfTheDealtCaption() {
        Typewriter w;
        const QColor colours[9] = {Qt::red,    Qt::green,   Qt::blue,      Qt::cyan,    Qt::magenta,
                                   Qt::yellow, Qt::darkRed, Qt::darkGreen, Qt::darkBlue};
        const QString accented = QString::fromUtf8("què");
        QStringList captions(9, accented);
        captions[4] = "  el gos";
        for (int i = 0; i < 9; ++i) {
            w.f->Picture7[i]->setPicture(plain(colours[i], QSize(400, 300)));
            w.f->List2->addItem(captions[i]);
        }
        w.f->llena();
        QCOMPARE(w.f->Label1, QString("  el gos"));
        const QImage shown = w.f->Image1->pixmap().toImage();
        QCOMPARE(shown.size(), QSize(145, 109)); // made smaller to fit, not stretched
        QCOMPARE(shown.pixelColor(shown.rect().center()), colours[4]);

        // A word past the ninth position has no panel: it shows none, not the last word's.
        w.f->List2->item(4)->setText(accented);
        w.f->List2->addItem("gat");
        w.f->llena();
        QCOMPARE(w.f->Label1, QString("gat"));
        QVERIFY(w.f->Image1->pixmap().isNull());

        // A small panel shows at its own size.
        w.f->Picture7[1]->setPicture(plain(Qt::black, QSize(40, 30)));
        w.deal({accented, "pa"});
        QCOMPARE(w.f->Image1->pixmap().size(), QSize(40, 30));
    }

    void llistesLoadsAList() {
        Typewriter w;
        QVERIFY(
            writeFileBytes(w.list("primera.bak"), wordRecord("gat") + wordRecord(QString::fromUtf8("camí")) +
                                                      wordRecord("") + wordRecord("finestrals") + "tros"));
        QVERIFY(WriteWordList(w.list("segona.bak"), {"gos"}));
        w.deal({"vell"});

        w.t.dialogs.answerOpen(w.list("primera.bak"));
        w.f->idiomas->trigger();
        QCOMPARE(w.t.dialogs.openRequests.size(), 1);
        QCOMPARE(w.t.dialogs.openRequests[0].initDir, QDir(w.t.programFolder()).filePath("llistes"));
        QCOMPARE(w.t.dialogs.openRequests[0].filter, QString("(*.bak)|*.bak|"));
        QCOMPARE(listItems(w.f->List2),
                 (QStringList{"gat", QString::fromUtf8("camí"), "", "finestrals"})); // partial record lost
        QVERIFY(QStringList({"gat", "", "finestrals"}).contains(w.f->Label1));
        QCOMPARE(w.f->windowTitle(), QString("10"));
        QCOMPARE(w.f->cursor().shape(), Qt::ArrowCursor);

        // The stripes on the window's margins.
        const QImage surface = w.f->client->Picture();
        QCOMPARE(surface.size(), w.f->client->size());
        QCOMPARE(surface.pixelColor(10, 8), QColor(33, 55, 112));   // stripe 1, 122 twips down
        QCOMPARE(surface.pixelColor(10, 12), QColor(50, 50, 50));   // between stripes
        QCOMPARE(surface.pixelColor(980, 16), QColor(33, 55, 112)); // stripe 2
        QCOMPARE(surface.pixelColor(10, 606), QColor(50, 50, 50));

        // A second list replaces the first.
        w.t.dialogs.answerOpen(w.list("segona.bak"));
        w.f->idiomas->trigger();
        QCOMPARE(listItems(w.f->List2), QStringList{"gos"});
        QCOMPARE(w.f->Label1, QString("gos"));
        QVERIFY(w.t.dialogs.messages.isEmpty());
    }

    void llistesCancelledOrFailed_data() {
        QTest::addColumn<bool>("fails");
        QTest::newRow("cancelled") << false;
        QTest::newRow("dialog failed") << true;
    }
    void llistesCancelledOrFailed() {
        QFETCH(bool, fails);
        Typewriter w;
        w.deal({"gat"});
        w.type("g");
        if (fails) w.t.dialogs.failOpen();
        w.f->idiomas->trigger();
        QCOMPARE(w.t.dialogs.messages, fails ? QStringList{"Error"} : QStringList{});
        QCOMPARE(listItems(w.f->List2), QStringList{"gat"});
        QCOMPARE(w.f->Label2, 1); // the word in hand stays
        QVERIFY(w.f->client->Picture().isNull());
    }

    void aFileThatIsNoListDealsNothingAndNeverHangs() {
        Typewriter w;
        QVERIFY(writeFileBytes(w.list("text.bak"), QByteArray("Aquest no es cap llista de paraules!!")));
        w.t.dialogs.answerOpen(w.list("text.bak"));
        w.f->a1->trigger();
        w.f->idiomas->trigger();
        QCOMPARE(w.f->List2->count(), 1);
        QCOMPARE(w.f->Label1, QString());
    }

    void unloadClearsTheActivityCode() {
        Typewriter w;
        QCOMPARE(w.t.state().ActivityCode(), 100);
        w.f->close();
        QCOMPARE(w.t.state().ActivityCode(), 0);
        QVERIFY(!w.t.forms().isLoaded("palabrejas"));
    }
};

QTEST_MAIN(TestPalabrejas)
#include "tst_palabrejas.moc"
