// The write-a-word window: the live check while typing, Enter, the deals and their pictures, the
// lists, the filters, the comic strip's hand-over and what activating the window does.
#include "core/controls.h"
#include "core/fonts.h"
#include "core/palette.h"
#include "files.h"
#include "listitems.h"
#include "testservices.h"
#include "wordgames/wordlistfile.h"
#include "wordgames/writeaword.h"
#include "wordgames/writeawordart.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace {
QByteArray listBytes(const QStringList& words) {
    QByteArray out;
    for (const QString& w : words)
        out += wordRecord(w);
    return out;
}

QImage filled(const QColor& colour) {
    QImage img(40, 30, QImage::Format_RGB32);
    img.fill(colour);
    return img;
}

// The window, shown from the main window, over a list folder that holds one list of the words.
struct Game {
    TestServices t;
    escritors* f = nullptr;
    QString lists;

    explicit Game(const std::optional<QStringList>& words = QStringList{"casa"}, int speechFlag = 0) {
        lists = QDir(t.programFolder()).filePath("llistes");
        QDir().mkpath(lists);
        if (words) writeFileBytes(list("llista.bak"), listBytes(*words));
        QWidget* main = t.forms().show("form1"); // starts the shared state afresh
        if (!QTest::qWaitForWindowActive(main)) qWarning("main window not active");
        t.state().setSpeechFlag(speechFlag);
        f = &t.forms().show<escritors>();
        t.state().setActivityCode(3);
        if (!QTest::qWaitForWindowActive(f)) qWarning("window not active");
    }
    QString list(const QString& name) const { return QDir(lists).filePath(name); }

    // Lets the injected Backspaces and the checks they start run to the end.
    void settle() {
        for (int i = 0; i < 100; ++i)
            QCoreApplication::sendPostedEvents();
    }
    void key(QChar c) {
        const auto code = c == QLatin1Char(' ') ? Qt::Key_Space : Qt::Key(c.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Click, f->Text1, code, QString(c), Qt::NoModifier);
    }
    // Types the keys one by one, as a learner does, or all at once as a fast typist.
    void type(const QString& keys, bool burst = false) {
        for (QChar c : keys) {
            key(c);
            if (!burst) settle();
        }
        settle();
    }
    void enter() {
        QTest::keyClick(f->Text1, Qt::Key_Return);
        settle();
    }
    // A deal from a pool of these words only.
    void pool(const QStringList& words) {
        f->List3->clear();
        f->List3->addItems(words);
        f->List4->clear();
        f->List4->addItems(words);
    }
    QAction* action(const char* name) { return f->findChild<QAction*>(QLatin1String(name)); }
};
} // namespace

class TestEscritors : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // As the application does at start, before any font is resolved.
    void initTestCase() { installFontSubstitutions(); }

    void design() {
        Game g;
        escritors& f = *g.f;
        QCOMPARE(f.windowTitle(), QString("Taudrin'TXT Escriu paraules"));
        QCOMPARE(f.client->size(), QSize(1000, 654));
        QCOMPARE(f.client->palette().color(QPalette::Window), QColor(50, 50, 50));
        QCOMPARE(f.Picture8->size(), QSize(842, 579));
        QCOMPARE(f.Text2->size(), QSize(762, 122));
        QCOMPARE(f.Text1->size(), QSize(762, 115));
        QVERIFY(f.Text1->y() > f.Text2->y() + f.Text2->height() - 1);
        for (QLineEdit* box : {f.Text2, f.Text1}) {
            QCOMPARE(box->font().family(), QString("Courier New"));
            QCOMPARE(box->font().pointSize(), 72);
            QVERIFY(box->font().bold());
        }
        QVERIFY(f.Text2->isReadOnly());
        QCOMPARE(f.Picture4->Picture().size(), QSize(239, 17));
        QCOMPARE(f.Picture3->Picture().size(), QSize(239, 17));
        QVERIFY(f.Picture4->y() < f.Text2->y() && f.Picture3->y() > f.Text1->y());
        QVERIFY(f.Picture2->y() < f.Text2->y() && f.Picture1->y() > f.Text1->y());
        QCOMPARE(f.Command2[0]->text(), QString("'"));
        QCOMPARE(f.Command2[1]->text(), QString("'''"));
        QCOMPARE(f.List5->size(), QSize(446, 442));
        QCOMPARE(f.List5->font().pointSize(), 48);
        QVERIFY(f.List5->font().italic());
        QVERIFY(!f.List5->isVisible());
        // Everything the user sees lies inside the background panel.
        for (QWidget* w : std::initializer_list<QWidget*>{f.Text2, f.Text1, f.Picture1, f.Picture2,
                                                          f.Picture3, f.Picture4, f.Picture5, f.Picture6,
                                                          f.Image2, f.List5, f.Command2[0], f.Command2[1]}) {
            QVERIFY2(w->parentWidget() == f.Picture8, qPrintable(w->objectName()));
            QVERIFY2(f.Picture8->rect().contains(w->geometry()), qPrintable(w->objectName()));
        }
        // What the comic strip fills: hidden, under their names.
        QVERIFY(!f.List3->isVisible() && !f.List4->isVisible());
        QCOMPARE(f.findChild<QListWidget*>("List3"), f.List3);
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(f.findChild<PictureBox*>(QStringLiteral("Picture7_%1").arg(i)), f.Picture7[size_t(i)]);
            QVERIFY(!f.Picture7[size_t(i)]->isVisible());
            QVERIFY(f.Picture7[size_t(i)]->Picture().isNull());
        }

        // The menus.
        QStringList bar;
        for (QAction* a : f.menuBar()->actions())
            bar << a->text();
        QCOMPARE(bar, (QStringList{"LLISTES", "FILTRE", "MOSTRES"}));
        QStringList filtre;
        for (QAction* a : f.FIL->actions())
            filtre << a->text();
        QCOMPARE(filtre, (QStringList{"CAP", "SENSE ACCENT", "LLETRES", "MORFEMES"}));
        QStringList lletres, morfemes;
        for (QAction* a : f.LLES->actions())
            lletres << a->objectName() + "=" + a->text();
        for (QAction* a : f.MOR->actions())
            morfemes << a->objectName() + "=" + a->text();
        QCOMPARE(lletres, (QStringList{"INICI=V-B", "MEDI=C-S", "TOT=Z-C", "CQ=C-Q", "GJ=G-J"}));
        QCOMPARE(morfemes, (QStringList{"BR=BR-> BRISA", "TR=TR-> TRES", "DR=DR->DRAMA", "BL=BL->BLUSA",
                                        "PL=PL->PLUMA", "GRASA=GR->GRASA", "CL=CL->CLARA", "GR=CR->CRAN"}));
        QVERIFY(f.CAPS->isChecked());
        QCOMPARE(f.MAYOR->text(), QString::fromUtf8("EN MAYÚSCULES"));
        QCOMPARE(f.MENOR->text(), QString::fromUtf8("EN MINÚSCULES"));
        QVERIFY(f.MAYOR->isChecked() && !f.MENOR->isChecked());
    }

    // The window shows the pictures the build painted: the same pixels the drawing gives.
    void builtPictures() {
        QVERIFY(QFile::exists(QStringLiteral(":/writeaword/fontstrip.argb")));
        const std::pair<QImage, QImage> pairs[] = {{fontStripImage(), drawFontStrip()},
                                                   {colourStripImage(), drawColourStrip()},
                                                   {pageAndArrowImage(), drawPageAndArrow()},
                                                   {lipsImage(), drawLips()}};
        for (const auto& [built, drawn] : pairs) {
            QCOMPARE(built.format(), drawn.format());
            QVERIFY(built == drawn);
        }
        Game g;
        QVERIFY(g.f->Picture1->Picture() == drawFontStrip());
        QVERIFY(g.f->Picture6->Picture() == drawLips());
    }

    void speakerOnlyWithTheSpeechWindowOpenedFirst_data() {
        QTest::addColumn<int>("flag");
        QTest::addColumn<bool>("shown");
        QTest::newRow("0") << 0 << false;
        QTest::newRow("1") << 1 << true;
        QTest::newRow("other") << 2 << false;
    }
    void speakerOnlyWithTheSpeechWindowOpenedFirst() {
        QFETCH(int, flag);
        QFETCH(bool, shown);
        Game g(QStringList{"casa"}, flag);
        QCOMPARE(g.f->Picture6->isVisible(), shown);
        g.t.state().setSpeechFlag(1 - flag);
        QCOMPARE(g.f->Picture6->isVisible(), shown); // tested at load only
        if (!shown) return;
        QTest::mouseClick(g.f->Picture6, Qt::LeftButton);
        QCOMPARE(g.t.speech.calls.last(), (FakeSpeech::Call{6, "CASA"}));
        QCOMPARE(g.t.speech.members().mid(g.t.speech.members().size() - 2), (QList<int>{36, 6}));
    }

    void typingCheck_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("capitals");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("burst");
        QTest::addColumn<QString>("left");
        const QString cafe = QString::fromUtf8("cafè");
        const QString bebe = QString::fromUtf8("bebé");
        const QString cafes = QString::fromUtf8("cafés");
        QTest::newRow("wrong key taken back") << "casa" << true << "cax" << false << "ca";
        QTest::newRow("two wrong keys typed fast") << "casa" << true << "caxy" << true << "ca";
        QTest::newRow("typing goes on after a slip") << "casa" << true << "caxsa" << false << "casa";
        QTest::newRow("small letters for capitals") << cafe << true << cafe << false << cafe;
        QTest::newRow("capitals for small letters") << "casa" << false << "CASA" << false << "CASA";
        QTest::newRow("e for a small final é") << bebe << false << "bebe" << false << "bebe";
        QTest::newRow("e refused for a capital É") << bebe << true << "bebe" << false << "beb";
        QTest::newRow("é itself under capitals") << bebe << true << bebe << false << bebe;
        QTest::newRow("e for é, then nothing after it") << cafes << false << "cafes" << false << "cafe";
        QTest::newRow("blank after the word") << "casa" << false << "casa " << false << "casa ";
        QTest::newRow("blank before the word") << "casa" << false << " c" << false << "c";
        QTest::newRow("past the end of the word") << "sol" << false << "sols" << false << "sol";
    }
    void typingCheck() {
        QFETCH(QString, word);
        QFETCH(bool, capitals);
        QFETCH(QString, keys);
        QFETCH(bool, burst);
        QFETCH(QString, left);
        Game g(QStringList{word});
        if (!capitals) g.f->MENOR->trigger();
        QTest::mouseClick(g.f->Label12, Qt::LeftButton); // deals again
        QCOMPARE(g.f->Text2->text(), capitals ? word.toUpper() : word);
        g.type(keys, burst);
        QCOMPARE(g.f->Text1->text(), left);
        QCOMPARE(g.f->Text1->cursorPosition(), left.size());
    }

    void emptyModelTakesEveryKeyBack() {
        Game g(QStringList{});
        QCOMPARE(g.f->Text2->text(), QString());
        g.type("ab");
        QCOMPARE(g.f->Text1->text(), QString());
        g.enter(); // complete: both are empty
        QCOMPARE(listItems(g.f->List5), QStringList{""});
    }

    void enterRecordsACompleteWord_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("next");
        QTest::addColumn<QStringList>("written");
        QTest::addColumn<QString>("left");
        QTest::newRow("next model shares a beginning") << "casa"
                                                       << "cama" << QStringList{"casa"} << "ca";
        QTest::newRow("next model shares nothing") << "casa"
                                                   << "pera" << QStringList{"casa"} << "";
        QTest::newRow("the same word again") << "casa"
                                             << "casa" << QStringList{"casa"} << "casa";
        QTest::newRow("kept as typed, blank included") << "CaSa "
                                                       << "pera" << QStringList{"CaSa "} << "";
        QTest::newRow("incomplete word") << "cas"
                                         << "pera" << QStringList{} << "cas";
    }
    void enterRecordsACompleteWord() {
        QFETCH(QString, typed);
        QFETCH(QString, next);
        QFETCH(QStringList, written);
        QFETCH(QString, left);
        Game g(QStringList{"casa"});
        g.type(typed);
        g.pool({next});
        g.enter();
        QCOMPARE(listItems(g.f->List5), written);
        QCOMPARE(g.f->Text2->text(), written.isEmpty() ? QString("CASA") : next.toUpper());
        QCOMPARE(g.f->Text1->text(), left);
        if (typed == QLatin1String("casa") && next == typed) {
            g.enter();
            QCOMPARE(listItems(g.f->List5), (QStringList{"casa", "casa"}));
        }
    }

    // A fast typist presses Enter before the check has taken a wrong last letter back: the word
    // is not complete, so it is not written and the model stays.
    void enterBeforeAWrongLetterIsTakenBack_data() {
        QTest::addColumn<bool>("released");
        QTest::newRow("Enter pressed while the wrong key is still down") << false;
        QTest::newRow("Enter pressed before the Backspace is processed") << true;
    }
    void enterBeforeAWrongLetterIsTakenBack() {
        QFETCH(bool, released);
        Game g(QStringList{"casa"});
        g.type("cas");
        g.pool({"pera"});
        const auto x = [&](QTest::KeyAction action) {
            QTest::sendKeyEvent(action, g.f->Text1, Qt::Key_X, QString("x"), Qt::NoModifier);
        };
        x(QTest::Press);
        if (released) x(QTest::Release);
        QTest::keyPress(g.f->Text1, Qt::Key_Return);
        if (!released) x(QTest::Release);
        QTest::keyRelease(g.f->Text1, Qt::Key_Return);
        g.settle();
        QCOMPARE(listItems(g.f->List5), QStringList{});
        QCOMPARE(g.f->Text2->text(), QString("CASA"));
        QCOMPARE(g.f->Text1->text(), QString("cas"));
        // The letter put right, Enter writes the word.
        g.type("a");
        g.enter();
        QCOMPARE(listItems(g.f->List5), QStringList{"casa"});
    }

    // An e in place of a final é stands for that letter only: the letters before it must be right.
    void enterWithAnEForAFinalEAfterAWrongLetter() {
        Game g(QStringList{QString::fromUtf8("bebé")});
        g.f->MENOR->trigger();
        QTest::mouseClick(g.f->Label12, Qt::LeftButton); // deals again
        g.pool({"pera"});
        for (QChar c : QString("bxbe"))
            g.key(c); // typed in a burst, the check not yet run
        QTest::keyClick(g.f->Text1, Qt::Key_Return);
        g.settle();
        QCOMPARE(listItems(g.f->List5), QStringList{});
        QCOMPARE(g.f->Text2->text(), QString::fromUtf8("bebé"));
    }

    void aLongModelShowsItsBeginning() {
        Game g(QStringList{"desenvolupament"});
        QTest::mouseClick(g.f->Label12, Qt::LeftButton);
        QCOMPARE(g.f->Text2->text(), QString("DESENVOLUPAMENT"));
        QCOMPARE(g.f->Text2->cursorPosition(), 0);
    }

    void dealsShowThePictureOfTheirSlot() {
        Game g;
        QStringList words;
        for (int i = 0; i < 9; ++i) {
            words << QString(QChar('a' + i)) + "x";
            g.f->Picture7[size_t(i)]->setPicture(filled(paletteColour(i + 1)));
        }
        words << "zz"; // entry 9 has no slot: it shows no picture, not the last word's
        g.pool(words);
        bool sawNinth = false;
        for (int round = 0; round < 200; ++round) {
            if (round % 2)
                QTest::mouseClick(g.f->Label12, Qt::LeftButton);
            else {
                g.f->Text1->setText(g.f->Text2->text().toLower());
                g.enter();
            }
            const int r = int(words.indexOf(g.f->Text2->text().toLower()));
            QVERIFY(r >= 0);
            if (r == 9) {
                sawNinth = true;
                QVERIFY(g.f->Image2->Picture().isNull());
            } else {
                QCOMPARE(g.f->Image2->Picture(), g.f->Picture7[size_t(r)]->Picture());
            }
        }
        QVERIFY(sawNinth);
    }

    void arrowEmptiesTheTypingBox() {
        Game g;
        g.type("ca");
        QTest::mouseClick(g.f->Label12, Qt::LeftButton);
        QCOMPARE(g.f->Text1->text(), QString());
    }

    void comicStripCaptions() {
        // The hand-over to a window opened without any list: nine captions cut to 12 characters.
        Game g(std::nullopt);
        QCOMPARE(g.f->List4->count(), 0);
        g.f->Picture7[0]->setPicture(filled(Qt::red));
        g.f->List3->addItem("casa        ");
        g.f->List4->addItem("casa        ");
        g.type("c"); // taken back: the model is still empty
        g.f->Text1->setText("ca");
        g.f->PALABRAS();
        QCOMPARE(g.f->Text2->text(), QString("CASA        "));
        QCOMPARE(g.f->Text1->text(), QString("ca"));
        QVERIFY(g.f->Image2->Picture().isNull());
        QCOMPARE(g.f->cursor().shape(), Qt::ArrowCursor);
        g.type("sa");
        QCOMPARE(g.f->Text1->text(), QString("casa"));
        g.enter();
        QCOMPARE(listItems(g.f->List5), QStringList{"casa"});
        QCOMPARE(g.f->Image2->Picture(), g.f->Picture7[0]->Picture()); // Enter deals with the picture
    }

    void palabrasDealsFromTheEnlargedPool() {
        Game g(QStringList{"gat"});
        g.f->List3->addItem("PEIX");
        g.f->List4->addItem("PEIX");
        QSet<QString> seen;
        for (int i = 0; i < 100 && seen.size() < 2; ++i) {
            g.f->PALABRAS();
            seen.insert(g.f->Text2->text());
        }
        QCOMPARE(seen, (QSet<QString>{"GAT", "PEIX"}));
        QCOMPARE(listItems(g.f->List3), (QStringList{"gat", "PEIX"}));
    }

    void handOverIsNotDealtOver_data() {
        QTest::addColumn<bool>("alreadyOpen");
        QTest::newRow("window created by the hand-over") << false;
        QTest::newRow("window already open") << true;
    }
    void handOverIsNotDealtOver() {
        QFETCH(bool, alreadyOpen);
        TestServices t;
        QWidget* strip = t.forms().show("form1"); // stands for the comic strip
        QVERIFY(QTest::qWaitForWindowActive(strip));
        if (alreadyOpen) {
            QVERIFY(QTest::qWaitForWindowActive(&t.forms().show<escritors>()));
            strip->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(strip));
        }
        // The hand-over, in one go, as the comic strip does it.
        escritors& f = t.forms().show<escritors>();
        for (int i = 0; i < 9; ++i) {
            f.Picture7[size_t(i)]->setPicture(filled(paletteColour(i + 1)));
            f.List3->addItem(QStringLiteral("panel %1").arg(i));
            f.List4->addItem(QStringLiteral("panel %1").arg(i));
        }
        f.PALABRAS();
        const QString model = f.Text2->text();
        f.Text1->setText("pa");
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QTest::qWait(50);
        QCOMPARE(f.Text2->text(), model);
        QCOMPARE(f.Text1->text(), QString("pa"));
        QVERIFY(f.Image2->Picture().isNull()); // the activation dealt before the slots were filled
        QVERIFY(f.Text1->hasFocus());
    }

    void activationFromAnotherWindowOfTheProgramDeals_data() {
        QTest::addColumn<bool>("programWindow");
        QTest::newRow("main window") << true;
        QTest::newRow("a dialog") << false;
    }
    void activationFromAnotherWindowOfTheProgramDeals() {
        QFETCH(bool, programWindow);
        Game g;
        g.type("ca");
        QWidget dialog;
        dialog.resize(100, 100);
        QWidget* other = programWindow ? g.t.forms().loaded("form1") : &dialog;
        other->show();
        other->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(other));
        g.f->activateWindow(); // as the main window brings it back, or a click on it
        QVERIFY(QTest::qWaitForWindowActive(g.f));
        QCOMPARE(g.f->Text1->text(), programWindow ? QString() : QString("ca"));
        // Showing the window that is already active deals nothing.
        g.type("ca");
        g.t.forms().show<escritors>();
        QTest::qWait(20);
        QCOMPARE(g.f->Text1->text(), QString("ca"));
    }

    void listsMenu() {
        Game g(QStringList{"casa"});
        writeFileBytes(g.list("dues"), listBytes({"gat", "gos"}) + QByteArray(" tag") + QByteArray(16, 'x') +
                                           QByteArray("xxxxx"));
        g.type("ca");
        const QString model = g.f->Text2->text();

        // Cancelled, failed: the model, the typing box and the pools stay.
        g.t.dialogs.cancelOpen();
        g.f->DRR->trigger();
        g.t.dialogs.failOpen();
        g.f->DRR->trigger();
        QCOMPARE(g.t.dialogs.messages, QStringList{"Error"});
        QCOMPARE(g.f->Text2->text(), model);
        QCOMPARE(g.f->Text1->text(), QString("ca"));
        QCOMPARE(listItems(g.f->List3), QStringList{"casa"});
        QCOMPARE(g.t.dialogs.openRequests[0].initDir, g.lists);
        QCOMPARE(g.t.dialogs.openRequests[0].filter, QString("(*.bak)|*.bak|"));

        // Chosen, named as chosen: a record that begins with a blank and a partial record are left out.
        g.t.dialogs.answerOpen(g.list("dues"));
        g.f->DRR->trigger();
        QCOMPARE(listItems(g.f->List3), (QStringList{"gat", "gos"}));
        QCOMPARE(listItems(g.f->List4), (QStringList{"gat", "gos"}));
        QVERIFY(g.f->Text2->text() == "GAT" || g.f->Text2->text() == "GOS");
        QCOMPARE(g.f->Text1->text(), QString("ca"));

        // A name that names no file: empty pools and model.
        g.t.dialogs.answerOpen(g.list("cap.bak"));
        g.f->DRR->trigger();
        QCOMPARE(g.f->List3->count(), 0);
        QCOMPARE(g.f->Text2->text(), QString());
    }

    void firstListOfTheCurrentFolder() {
        TestServices t;
        const QString mine = QDir(t.programFolder()).filePath("meves");
        QDir().mkpath(mine);
        writeFileBytes(QDir(mine).filePath("zeta.bak"), listBytes({"zeta"}));
        writeFileBytes(QDir(mine).filePath("Abella.BAK"), listBytes({"abella"}));
        writeFileBytes(QDir(mine).filePath("abc.txt"), listBytes({"text"}));
        t.services().currentFolder = mine;
        escritors& f = t.forms().get<escritors>();
        QCOMPARE(listItems(f.List3), QStringList{"abella"});
        QCOMPARE(f.Text2->text(), QString("ABELLA"));
        QCOMPARE(f.cursor().shape(), Qt::ArrowCursor);
    }

    void filters_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("model");
        QTest::newRow("BL by MOSTRES") << "BL"
                                       << "blusa"
                                       << "BLUSA";
        QTest::newRow("TR as stored") << "TR"
                                      << "tres"
                                      << "tres";
        QTest::newRow("CR->CRAN as stored") << "GR"
                                            << "cran"
                                            << "cran";
        QTest::newRow("V-B as stored") << "INICI"
                                       << "vaca"
                                       << "vaca";
        QTest::newRow("C-S by MOSTRES") << "MEDI"
                                        << "casa"
                                        << "CASA";
        QTest::newRow("SENSE ACCENT") << "SENSESSS"
                                      << "sol"
                                      << "SOL";
        QTest::newRow("nothing selected") << "CQ"
                                          << "casa"
                                          << "";
        QTest::newRow("nothing selected: cluster") << "DR"
                                                   << "casa"
                                                   << "";
    }
    void filters() {
        QFETCH(QString, control);
        QFETCH(QString, word);
        QFETCH(QString, model);
        Game g(QStringList{word});
        g.type(word.left(2));
        g.action(qPrintable(control))->trigger();
        QCOMPARE(g.f->Text2->text(), model);
        QCOMPARE(listItems(g.f->List3), QStringList{word});
        QCOMPARE(g.f->List4->count() == 0, model.isEmpty());
        QCOMPARE(g.f->Text1->text(), word.left(2)); // checked again only at the next key
        QVERIFY(g.f->CAPS->isChecked());
        QVERIFY(!g.action(qPrintable(control))->isChecked());

        // "CAP" gives back every word and leaves the model.
        g.f->CAPS->trigger();
        QCOMPARE(listItems(g.f->List4), QStringList{word});
        QCOMPARE(g.f->Text2->text(), model);
        QVERIFY(g.f->CAPS->isChecked());
    }

    void mostres() {
        Game g(QStringList{"casa"});
        g.f->MENOR->trigger();
        QVERIFY(g.f->MENOR->isChecked() && !g.f->MAYOR->isChecked());
        QCOMPARE(g.f->Text2->text(), QString("CASA")); // until the next deal
        QTest::mouseClick(g.f->Label12, Qt::LeftButton);
        QCOMPARE(g.f->Text2->text(), QString("casa"));
        g.f->MENOR->trigger(); // again: stays marked
        QVERIFY(g.f->MENOR->isChecked() && !g.f->MAYOR->isChecked());
        g.f->MAYOR->trigger();
        QVERIFY(g.f->MAYOR->isChecked() && !g.f->MENOR->isChecked());
    }

    void buttons() {
        Game g;
        escritors& f = *g.f;
        // The two small buttons hide and show the model with its strips; the check goes on.
        QTest::mouseClick(f.Command2[0], Qt::LeftButton);
        QVERIFY(!f.Text2->isVisible() && !f.Picture4->isVisible() && !f.Picture2->isVisible());
        QVERIFY(f.Text1->isVisible() && f.Picture3->isVisible());
        g.type("cx");
        QCOMPARE(f.Text1->text(), QString("c"));
        QTest::mouseClick(f.Command2[1], Qt::LeftButton);
        QVERIFY(f.Text2->isVisible() && f.Picture4->isVisible() && f.Picture2->isVisible());

        // The page shows and hides the written words; a click on them hides them.
        QTest::mouseClick(f.Label13, Qt::LeftButton);
        QVERIFY(f.List5->isVisible());
        QTest::mouseClick(f.Label13, Qt::LeftButton);
        QVERIFY(!f.List5->isVisible());
        QTest::mouseClick(f.Label13, Qt::LeftButton);
        QTest::mouseClick(f.List5->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(!f.List5->isVisible());
        // None of them took the keys away from the typing box.
        QVERIFY(f.Text1->hasFocus());
    }

    void fontButtons_data() {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<bool>("model");
        QTest::addColumn<QString>("family");
        QTest::newRow("Label4") << "Label4" << true << "Arial";
        QTest::newRow("Label6") << "Label6" << true << "Comic Sans MS";
        QTest::newRow("Label7") << "Label7" << true << "Courier New";
        QTest::newRow("Label8") << "Label8" << false << "Arial";
        QTest::newRow("Label10") << "Label10" << false << "Comic Sans MS";
        QTest::newRow("Label11") << "Label11" << false << "Courier New";
        QTest::newRow("Label5") << "Label5" << true << "Zahareña";
        QTest::newRow("Label9") << "Label9" << false << "Zahareña";
    }
    void fontButtons() {
        QFETCH(QString, zone);
        QFETCH(bool, model);
        QFETCH(QString, family);
        Game g;
        QLineEdit* box = model ? g.f->Text2 : g.f->Text1;
        QLineEdit* other = model ? g.f->Text1 : g.f->Text2;
        QTest::mouseClick(model ? g.f->Label4 : g.f->Label8, Qt::LeftButton, {}, QPoint(5, 5));
        QPalette colours = box->palette();
        QTest::mouseClick(g.f->findChild<ClickZone*>(zone), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(box->font().family(), family);
        QCOMPARE(box->font().pointSize(), 72);
        QVERIFY(box->font().bold());
        QCOMPARE(box->palette().color(QPalette::Text), colours.color(QPalette::Text));
        QCOMPARE(other->font().family(), QString("Courier New"));
        if (family == QString::fromUtf8("Zahareña")) {
            // The handwriting font shows in the free font that stands in for it.
            QCOMPARE(QFontInfo(box->font()).family(), QString("Breip"));
        }
    }

    void colourStrips_data() {
        QTest::addColumn<bool>("model");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("model, left") << true << Qt::LeftButton;
        QTest::newRow("typing box, right") << false << Qt::RightButton;
    }
    void colourStrips() {
        QFETCH(bool, model);
        QFETCH(Qt::MouseButton, button);
        Game g;
        PictureBox* strip = model ? g.f->Picture4 : g.f->Picture3;
        QLineEdit* box = model ? g.f->Text2 : g.f->Text1;
        QLineEdit* other = model ? g.f->Text1 : g.f->Text2;
        const QColor before = other->palette().color(QPalette::Text);
        for (int i : {12, 9, 2}) {
            const QPoint at(i * 15 + 7, 8);
            QCOMPARE(strip->Picture().pixelColor(at), paletteColour(i));
            QTest::mouseClick(strip, button, {}, at);
            QCOMPARE(box->palette().color(QPalette::Text), paletteColour(i));
        }
        // Pressed on the strip, released outside it: no colour there.
        QTest::mousePress(strip, button, {}, QPoint(5, 5));
        QTest::mouseRelease(strip, button, {}, QPoint(300, 40));
        QCOMPARE(box->palette().color(QPalette::Text), paletteColour(2));
        QCOMPARE(other->palette().color(QPalette::Text), before);
    }

    void closingClearsTheCode() {
        Game g;
        QCOMPARE(g.t.state().ActivityCode(), 3);
        g.f->close();
        QCOMPARE(g.t.state().ActivityCode(), 0);
        QVERIFY(!g.t.forms().isLoaded("escritors"));
    }
};

QTEST_MAIN(TestEscritors)
#include "tst_escritors.moc"
