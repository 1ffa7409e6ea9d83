// The spelling window with its gap typing: its design, opening and closing, typing into blanks
// with real key and mouse events, what may and may not change a gapped text, line breaks in the
// text box, and a timer that sleeps while the caret rests.
#include "core/controls.h"
#include "testservices.h"
#include "textwork/gaptextbox.h"
#include "textwork/gaptypingbinding.h"
#include "textwork/spelling.h"

#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
const QString Boat = "un vaixell blau";
const QString BoatGaps = "un _aixell _lau";

// The window, open, with ActivityCode as the main window leaves it.
struct Window {
    TestServices t;
    cancions* f = nullptr;

    Window() {
        f = &t.forms().show<cancions>();
        t.state().setActivityCode(700);
    }
    // An exercise as a builder hands it over, with its source text in Text3.
    void exercise(const QString& source, const QString& gapped) {
        f->Text3->setPlainText(source);
        f->typing->startExercise(gapped, source, int(gapped.count('_')));
        f->Text1->setFocus();
    }
    QString text() const { return f->Text1->toPlainText(); }
    int caret() const { return f->Text1->textCursor().position(); }
    // Waits until the timer has nothing left to do.
    bool settled() const {
        return QTest::qWaitFor([this] { return !f->Timer1->isActive(); }, 2000);
    }
    void type(const QString& keys) {
        for (QChar c : keys)
            QTest::keyClick(f->Text1, c.toLatin1());
    }
    QPoint inText() const { return f->Text1->viewport()->rect().center(); }
    // The learner picks a text, as the text buttons put it in.
    void source(const QString& text) {
        f->Text3->setPlainText(text);
        f->Text1->setPlainText(text);
    }
    void press(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
};

template <std::size_t N> QStringList captionsOf(const std::array<QPushButton*, N>& buttons) {
    QStringList out;
    for (QPushButton* b : buttons)
        out << (b ? b->text() : QString("(none)"));
    return out;
}
} // namespace

class TestCancions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void design() {
        Window w;
        cancions& f = *w.f;
        QCOMPARE(f.windowTitle(), QString("Taudrin'ortografia"));
        QCOMPARE(f.client->size(), QSize(814, 560));
        QCOMPARE(f.client->palette().color(QPalette::Window), QColor(224, 224, 224));

        QCOMPARE(f.Text1->geometry(), QRect(8, 96, 798, 242));
        QCOMPARE(f.Text1->font().family(), QString("Courier New"));
        QCOMPARE(f.Text1->font().pointSizeF(), 21.75);
        QVERIFY(!f.Text1->font().bold());
        QCOMPARE(f.Text1->palette().color(QPalette::Text), QColor(64, 64, 64));
        QCOMPARE(f.Text1->palette().color(QPalette::Base), QColor(Qt::white));
        QVERIFY(f.Text1->isVisible());
        QVERIFY(!f.Text2->isVisible());
        QVERIFY(!f.Text3->isVisible());

        QCOMPARE(f.Label15->text(), QString("espais:"));
        for (QLabel* box : {f.Label9, f.Label10}) {
            QCOMPARE(box->palette().color(QPalette::Window), QColor(Qt::white));
            QCOMPARE(box->palette().color(QPalette::WindowText), QColor(0, 0, 64));
            QVERIFY(box->frameStyle() != QFrame::NoFrame);
            QVERIFY(f.Shape3->geometry().contains(box->geometry()));
        }
        QVERIFY(f.Shape3->geometry().contains(f.Label15->geometry()));
        QVERIFY(f.Shape1->geometry().contains(f.Text1->geometry()));
        QVERIFY(f.Shape1->geometry().contains(f.Shape3->geometry()));

        QCOMPARE(f.Picture2->BackColor(), QColor(255, 255, 0));
        QCOMPARE(f.Label17->parentWidget(), f.Picture2);
        QCOMPARE(f.Label17->font().family(), QString("Courier New"));
        QCOMPARE(f.Label17->font().pointSizeF(), 27.75);
        QVERIFY(f.Label17->font().bold());
        QCOMPARE(f.Timer1->interval(), 1);

        // The counter row and the hint panel lie below the text, the panel over the buttons' rows.
        QVERIFY(f.Picture2->geometry().top() > f.Text1->geometry().bottom());
        QVERIFY(f.Shape3->geometry().top() > f.Picture2->geometry().bottom());
    }

    void opensEmptyAndClosesClean() {
        Window w;
        QCOMPARE(w.text(), QString());
        QCOMPARE(w.f->Label10->text(), QString("0"));
        QCOMPARE(w.f->engine.Label11, QString("Espais: 0"));
        QVERIFY(!w.f->Picture2->isVisible());
        QVERIFY(w.settled());
        QCOMPARE(w.f->Label9->text(), QString("0")); // the timer ticked once as the window loaded

        w.exercise(Boat, BoatGaps);
        QVERIFY(w.f->close());
        QCOMPARE(w.t.state().ActivityCode(), 0);
        cancions& again = w.t.forms().show<cancions>();
        QCOMPARE(again.Text1->toPlainText(), QString());
        QCOMPARE(again.Text3->toPlainText(), QString());
        QCOMPARE(again.Label10->text(), QString("0"));
        QVERIFY(!again.Picture2->isVisible());
    }

    void typingIntoBlanks() {
        Window w;
        w.exercise(Boat, BoatGaps);
        QCOMPARE(w.f->Text2->toPlainText(), Boat);
        QCOMPARE(w.f->Label10->text(), QString("2"));
        QVERIFY(w.settled());
        QCOMPARE(w.caret(), 3);
        QCOMPARE(w.f->Label9->text(), QString("3"));

        // A wrong key: QTest releases it before any tick can come.
        w.type("b");
        QVERIFY(w.settled());
        QCOMPARE(w.text(), BoatGaps);
        QCOMPARE(w.f->Label10->text(), QString("2"));
        QCOMPARE(w.caret(), 3);
        QVERIFY(w.f->Picture2->isVisible());
        QCOMPARE(w.f->Label17->text(), QString(" vaixell b"));

        w.type("v");
        QVERIFY(w.settled());
        QVERIFY(!w.f->Picture2->isVisible());
        QCOMPARE(w.text(), QString("un vaixell _lau"));
        QCOMPARE(w.f->Label10->text(), QString("1"));
        QCOMPARE(w.caret(), 11);
        QCOMPARE(w.f->Label9->text(), QString("11"));

        // A letter made with a dead key comes from the input method.
        QInputMethodEvent composed;
        composed.setCommitString("b");
        QApplication::sendEvent(w.f->Text1, &composed);
        QVERIFY(w.settled());
        QCOMPARE(w.text(), Boat);
        QCOMPARE(w.f->Label10->text(), QString("0"));
        QCOMPARE(w.f->engine.Label11, QString("Espais: 0"));
    }

    // A text saved in the middle of an exercise keeps blanks that have no answer: opened again it
    // is the learner's to edit, and a new exercise over it passes those blanks over.
    void aSavedExerciseOpensAgain() {
        Window w;
        cancions& f = *w.f;
        w.exercise("la casa", "la c_sa");
        const QString file = w.t.programFolder() + "/ortografia/mig";
        w.t.dialogs.answerOpen(file);
        f.desareee->trigger();
        w.t.dialogs.answerOpen(file + ".txt");
        f.obroirirr->trigger();
        QVERIFY(w.text().startsWith("la c_sa   "));
        QVERIFY(w.settled());
        QVERIFY(!f.Text1->locked());
        f.vo_Click(0); // "a-e"
        QVERIFY(w.text().startsWith("l_ c_s_   "));
        QCOMPARE(f.Label10->text(), QString("2"));
        QVERIFY(w.settled());
        for (QChar c : QString("aa")) {
            w.type(c);
            QVERIFY(w.settled());
        }
        QVERIFY(w.text().startsWith("la c_sa   "));
        QCOMPARE(f.Label10->text(), QString("0"));
        QVERIFY(!f.Text1->locked());
    }

    // While a blank remains only the engine changes the text.
    void aGappedTextTakesNoOtherEdit() {
        Window w;
        w.exercise(Boat, BoatGaps);
        QVERIFY(w.settled());
        QApplication::clipboard()->setText("XYZ");

        QTest::keyClick(w.f->Text1, Qt::Key_Backspace);
        QTest::keyClick(w.f->Text1, Qt::Key_Delete);
        QTest::keyClick(w.f->Text1, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(w.f->Text1, Qt::Key_Insert, Qt::ShiftModifier);
        QTest::keyClick(w.f->Text1, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(w.f->Text1, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(w.text(), BoatGaps);
        QTest::keyClick(w.f->Text1, Qt::Key_Delete, Qt::ControlModifier);
        QTest::keyClick(w.f->Text1, Qt::Key_Z, Qt::ControlModifier);
        // A key typed between blanks, before the walk can bring the caret back.
        QTest::keyClick(w.f->Text1, Qt::Key_Right);
        w.type("a");
        QCOMPARE(w.text(), BoatGaps);
        // The middle button pastes the selection on X11; a drop likewise goes nowhere.
        QTest::mouseClick(w.f->Text1->viewport(), Qt::MiddleButton, {}, w.inText());
        QMimeData dropped;
        dropped.setText("XYZ");
        QDragEnterEvent enter(w.inText(), Qt::CopyAction, &dropped, Qt::LeftButton, {});
        QApplication::sendEvent(w.f->Text1->viewport(), &enter);
        QDropEvent drop(w.inText(), Qt::CopyAction, &dropped, Qt::LeftButton, {});
        QApplication::sendEvent(w.f->Text1->viewport(), &drop);
        QVERIFY(w.settled());
        QCOMPARE(w.text(), BoatGaps);
        QCOMPARE(w.f->Label10->text(), QString("2"));

        // The blank is still there to be filled; a click brings the caret back to it.
        QTest::mouseClick(w.f->Text1->viewport(), Qt::LeftButton, {}, w.inText());
        QVERIFY(w.settled());
        QCOMPARE(w.caret(), 3);
        w.type("v");
        QVERIFY(w.settled());
        QCOMPARE(w.text(), QString("un vaixell _lau"));
    }

    // Whatever way an edit of the learner's gets through while a blank remains, it is taken back.
    void anEditDuringTheLearnersInputIsTakenBack() {
        Window w;
        w.exercise(Boat, BoatGaps);
        QVERIFY(w.settled());
        bool edited = false;
        QMetaObject::Connection edit = connect(w.f->Text1, &GapTextBox::MouseMove, w.f, [&w, &edited] {
            QTextCursor(w.f->Text1->document()).insertText("Z");
            edited = w.text().startsWith(QLatin1Char(0x5A));
        });
        QMouseEvent move(QEvent::MouseMove, w.inText(), w.f->Text1->viewport()->mapToGlobal(w.inText()),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w.f->Text1->viewport(), &move);
        disconnect(edit);
        QVERIFY(edited);
        QTRY_COMPARE(w.text(), BoatGaps);
        QCOMPARE(w.f->engine.Text1(), BoatGaps);
        QVERIFY(w.settled());
        QCOMPARE(w.caret(), 3);
    }

    // With no blank left the box edits as any text box: the learner's own text.
    void aTextWithNoBlankTakesTyping() {
        Window w;
        w.exercise("ab", "ab");
        QVERIFY(w.settled());
        QCOMPARE(w.caret(), 2);
        w.type("c");
        QVERIFY(w.settled());
        QCOMPARE(w.text(), QString("abc"));
        QCOMPARE(w.caret(), 3);
        QTest::keyClick(w.f->Text1, Qt::Key_Backspace);
        QCOMPARE(w.text(), QString("ab"));
        QApplication::clipboard()->setText("de");
        QTest::keyClick(w.f->Text1, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(w.settled());
        QCOMPARE(w.text(), QString("abde"));
        QCOMPARE(w.f->engine.Text1(), QString("abde"));
        QTest::keyClick(w.f->Text1, Qt::Key_Home);
        QTest::keyClick(w.f->Text1, Qt::Key_Delete);
        QCOMPARE(w.f->engine.Text1(), QString("bde"));
        QCOMPARE(w.f->Label10->text(), QString("0"));
    }

    // An underscore, typed or pasted, never comes into a finished text: as a blank it would lock it.
    void noBlankComesIntoAFinishedText() {
        Window w;
        w.exercise("ab", "ab");
        QVERIFY(w.settled());
        w.type("_");
        QVERIFY(w.settled());
        QCOMPARE(w.text(), QString("ab"));
        QApplication::clipboard()->setText("x_y");
        QTest::keyClick(w.f->Text1, Qt::Key_V, Qt::ControlModifier);
        QTRY_COMPARE(w.text(), QString("ab"));
        QVERIFY(w.settled());
        QCOMPARE(w.f->engine.Text1(), QString("ab"));
        QVERIFY(!w.f->Text1->locked());
        w.type("c");
        QVERIFY(w.settled());
        QCOMPARE(w.text(), QString("abc"));
    }

    // The box keeps one character per line break, the engine CR LF.
    void lineBreaks() {
        Window w;
        w.exercise("ab\ncd ef", "ab\n_d ef");
        QCOMPARE(w.f->engine.Text1(), QString("ab\r\n_d ef"));
        QVERIFY(w.settled());
        QCOMPARE(w.caret(), 3);
        QCOMPARE(w.f->engine.caret(), 4);
        w.type("c");
        QVERIFY(w.settled());
        QCOMPARE(w.text(), QString("ab\ncd ef"));
        QCOMPARE(w.f->engine.Text1(), QString("ab\r\ncd ef"));
        QCOMPARE(w.caret(), 8);
        QCOMPARE(w.f->Label9->text(), QString("9"));
        QCOMPARE(w.f->Label10->text(), QString("0"));
    }

    void aClickSendsTheCaretBackToTheFirstOpenBlank() {
        Window w;
        w.exercise(Boat, BoatGaps);
        QVERIFY(w.settled());
        w.type("v");
        QVERIFY(w.settled());
        QCOMPARE(w.caret(), 11);
        QTest::mouseClick(w.f->Text1->viewport(), Qt::LeftButton, {}, w.inText());
        QVERIFY(w.settled());
        QCOMPARE(w.caret(), 11);

        w.exercise("ab", "_b");
        QVERIFY(w.settled());
        QCOMPARE(w.caret(), 2); // a blank at 0 is passed over
        QTest::mouseClick(w.f->Text1->viewport(), Qt::LeftButton, {}, w.inText());
        QVERIFY(w.settled());
        QCOMPARE(w.caret(), 0);
    }

    // A resting caret costs no ticks; a key, a caret move or a new text wakes the timer.
    void theTimerSleepsWhileTheCaretRests() {
        Window w;
        w.exercise(Boat, BoatGaps);
        QVERIFY(w.settled());
        const int ticks = w.f->typing->ticks();
        QTest::qWait(60);
        QCOMPARE(w.f->typing->ticks(), ticks);
        QVERIFY(!w.f->Timer1->isActive());

        QTest::keyClick(w.f->Text1, Qt::Key_Left);
        QVERIFY(w.f->Timer1->isActive());
        QVERIFY(w.settled());
        QCOMPARE(w.caret(), 3);
        QVERIFY(w.f->typing->ticks() > ticks);

        const int later = w.f->typing->ticks();
        w.f->Text1->setPlainText("x   y");
        QVERIFY(w.settled());
        QCOMPARE(w.caret(), 1);
        QVERIFY(w.f->typing->ticks() > later);
        const int resting = w.f->typing->ticks();
        QTest::qWait(60);
        QCOMPARE(w.f->typing->ticks(), resting);
    }

    // A text the window itself writes into Text1 is a new text, blanks or not.
    void theWindowsOwnWritesAreNewTexts() {
        Window w;
        w.exercise(Boat, BoatGaps);
        QVERIFY(w.settled());
        w.f->Text1->setPlainText("hola");
        QCOMPARE(w.f->engine.Text1(), QString("hola"));
        QCOMPARE(w.text(), QString("hola"));

        QApplication::clipboard()->setText("del porta-retalls");
        w.f->pasteClipboardText();
        QCOMPARE(w.text(), QString("del porta-retalls"));
        QCOMPARE(w.f->Text3->toPlainText(), QString("del porta-retalls"));
        QCOMPARE(w.f->engine.Text3(), QString("del porta-retalls"));
    }

    void exerciseButtons() {
        Window w;
        cancions& f = *w.f;
        QCOMPARE(captionsOf(f.pp),
                 QString::fromUtf8("v-b m-n p-t p-b n-r j-g f-j x-s s-z c-z d-t c-ç").split(' '));
        QCOMPARE(captionsOf(f.vo), QString("a-e a-i e-o e-i a-o").split(' '));
        QCOMPARE(captionsOf(f.ppp), QString("r-rr c-qu l-ll i-ix (none) l-ll").split(' '));
        QCOMPARE(captionsOf(f.ccc), QString("pl bl qu gu ch pr ix dr rr tx tj").split(' '));
        QCOMPARE(captionsOf(f.pppp), QString("pr-cr pr-cl tj-tg fr-gr gu-ce la-el el-le").split(' '));
        QCOMPARE(captionsOf(f.ssi),
                 QString("las-los (none) (none) (none) (none) (none) (none) les-els").split(' '));
        QCOMPARE(f.Command3->text(), QString("voc"));
        QCOMPARE(f.Command9->text(), QString());
        QCOMPARE(f.pp[4]->objectName(), QString("pp_4"));
        QCOMPARE(f.ppp[5]->objectName(), QString("ppp_5"));
        QCOMPARE(f.ssi[7]->objectName(), QString("ssi_7"));

        QCOMPARE(f.etis->text(), QString("..."));
        QCOMPARE(f.etis->font().family(), QString("Courier New"));
        QCOMPARE(f.etis->font().pointSizeF(), 21.75);
        QVERIFY(f.etis->font().bold());
        QCOMPARE(f.etis->alignment(), Qt::AlignCenter);
        QVERIFY(f.etis->frameStyle() != QFrame::NoFrame);

        // The letter groups in a row under the counter row, index 0 leftmost, Command9 at its end.
        for (int k = 0; k < 8; ++k) {
            QCOMPARE(f.Text6[k]->objectName(), QString("Text6_%1").arg(k));
            QVERIFY(f.Text6[k]->y() > f.Shape3->geometry().bottom());
            if (k > 0) QVERIFY(f.Text6[k]->x() > f.Text6[k - 1]->geometry().right());
        }
        QCOMPARE(f.Command9->y(), f.Text6[0]->y());
        QVERIFY(f.Command9->x() > f.Text6[7]->geometry().right());

        // Every button can be pressed, and none hides another; the panel lies over the first rows,
        // etis to their right.
        QList<QPushButton*> all{f.Command3};
        const auto add = [&all](const auto& family) {
            for (QPushButton* b : family)
                if (b) all << b;
        };
        add(f.pp);
        add(f.ccc);
        add(f.vo);
        add(f.ppp);
        add(f.pppp);
        add(f.ssi);
        QCOMPARE(all.size(), 43);
        for (QPushButton* b : all) {
            QCOMPARE(f.client->childAt(b->geometry().center()), b);
            QVERIFY(b->x() + b->width() < f.etis->x());
            QVERIFY(b->geometry().top() > f.Text1->geometry().bottom());
            QVERIFY(b->geometry().bottom() < f.Shape3->geometry().top());
        }
        QVERIFY(f.Picture2->geometry().contains(f.pp[0]->geometry()));
        QVERIFY(f.Picture2->geometry().contains(f.ccc[10]->geometry()));
    }

    void buttonsBuildExercises_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("gapped");
        QTest::addColumn<int>("blanks");
        QTest::addColumn<int>("firstBlank");
        QTest::addColumn<QString>("name");  // etis afterwards
        QTest::addColumn<QString>("shown"); // the button's caption as a desktop may show it
        QTest::newRow("r-rr") << "ppp_0"
                              << "la gerra rodona"
                              << "la ge__a _odona" << 3 << 5 << "r-rr"
                              << "";
        QTest::newRow("voc") << "Command3" << QString::fromUtf8("Ésser útil")
                             << QString::fromUtf8("Éss_r _t_l") << 3 << 3 << "..."
                             << "";
        QTest::newRow("v-b") << "pp_0"
                             << "Vull veure el bou"
                             << "Vull _eure el _ou" << 2 << 5 << "v-b"
                             << "";
        QTest::newRow("v-b with a desktop's shortcut mark") << "pp_0"
                                                            << "Vull veure el bou"
                                                            << "Vull _eure el _ou" << 2 << 5 << "v-b"
                                                            << "&v-b";
        QTest::newRow("les-els") << "ssi_7"
                                 << "les els"
                                 << "___ ___" << 6 << 1 << "les-els"
                                 << "";
        QTest::newRow("an empty source") << "pp_11"
                                         << ""
                                         << "" << 0 << 0 << QString::fromUtf8("c-ç") << "";
    }
    void buttonsBuildExercises() {
        QFETCH(QString, button);
        QFETCH(QString, source);
        QFETCH(QString, gapped);
        QFETCH(int, blanks);
        QFETCH(int, firstBlank);
        QFETCH(QString, name);
        QFETCH(QString, shown);
        Window w;
        w.source(source);
        if (!shown.isEmpty()) w.f->findChild<QPushButton*>(button)->setText(shown);
        w.press(w.f->findChild<QPushButton*>(button));
        QCOMPARE(w.text(), gapped);
        QCOMPARE(w.f->Text2->toPlainText(), source);
        QCOMPARE(w.f->Label10->text(), QString::number(blanks));
        QCOMPARE(w.f->engine.Label11, QString("Espais: %1").arg(blanks));
        QCOMPARE(w.f->etis->text(), name);
        QCOMPARE(w.f->focusWidget(), w.f->Text1);
        QVERIFY(w.settled());
        QCOMPARE(w.caret(), firstBlank);
    }

    void ownLetterGroups() {
        Window w;
        w.press(w.f->pp[2]);
        w.source("any nou");
        w.f->Text6[0]->setText("ny");
        w.f->Text6[1]->setText(" n ");
        w.f->Text6[5]->setText("   ");
        w.press(w.f->Command9);
        QCOMPARE(w.text(), QString("a__ _ou"));
        QCOMPARE(w.f->Label10->text(), QString("3"));
        QCOMPARE(w.f->etis->text(), QString("p-t"));

        for (QLineEdit* group : w.f->Text6)
            group->clear();
        w.press(w.f->Command9);
        QCOMPARE(w.text(), QString("any nou"));
        QCOMPARE(w.f->Label10->text(), QString("0"));
    }

    // pp and Command9 gap the whole text, the others its first 900 characters; Text2 keeps it all.
    void longSources() {
        Window w;
        const QString source = QString(899, 'k') + "rra " + QString(300, 'v');
        w.source(source);
        w.press(w.f->pp[0]);
        QCOMPARE(w.text(), QString(899, 'k') + "rra " + QString(300, '_'));
        w.press(w.f->ppp[0]);
        QCOMPARE(w.text(), QString(899, 'k') + "__");
        QCOMPARE(w.f->Label10->text(), QString("2"));
        QCOMPARE(w.f->Text2->toPlainText(), source);
        w.press(w.f->vo[0]);
        QCOMPARE(w.text(), QString(899, 'k') + "r");
        w.f->Text6[3]->setText("v");
        w.press(w.f->Command9);
        QCOMPARE(w.text(), QString(899, 'k') + "rra " + QString(300, '_'));
        QCOMPARE(w.f->Label10->text(), QString("300"));
    }

    // A button pressed again starts afresh from the source; the blanks count down as they fill.
    void playingAnExercise() {
        Window w;
        w.source("la gerra rodona");
        w.press(w.f->ppp[0]);
        QVERIFY(w.settled());
        QCOMPARE(w.caret(), 5);
        w.type("rr");
        QVERIFY(w.settled());
        QCOMPARE(w.text(), QString("la gerra _odona"));
        QCOMPARE(w.f->Label10->text(), QString("1"));
        QCOMPARE(w.caret(), 9);
        w.type("x");
        QVERIFY(w.settled());
        QVERIFY(w.f->Picture2->isVisible());
        QCOMPARE(w.f->Label17->text(), QString(" rodona"));

        // Only the letter-pair family hides the panel.
        w.press(w.f->ppp[0]);
        QVERIFY(w.f->Picture2->isVisible());
        QCOMPARE(w.text(), QString("la ge__a _odona"));
        QCOMPARE(w.f->Label10->text(), QString("3"));
        w.press(w.f->pp[4]);
        QVERIFY(!w.f->Picture2->isVisible());
        QCOMPARE(w.text(), QString("la ge__a _odo_a"));
        QCOMPARE(w.f->etis->text(), QString("n-r"));
        QVERIFY(w.settled());
        w.type("rrrn");
        QVERIFY(w.settled());
        QCOMPARE(w.text(), QString("la gerra rodona"));
        QCOMPARE(w.f->Label10->text(), QString("0"));
    }

    void bataCountsDown() {
        Window w;
        w.exercise(Boat, BoatGaps);
        w.f->bata();
        w.f->bata();
        w.f->bata();
        QCOMPARE(w.f->Label10->text(), QString("-1"));
        QCOMPARE(w.f->engine.Label11, QString("Espais: -1"));
    }
};

QTEST_MAIN(TestCancions)
#include "tst_cancions.moc"
