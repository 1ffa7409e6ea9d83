// The copy-typing window: its design, the built-in texts, the live check driven by real keys,
// the clock, hiding the model, and the other model sources and tools.
#include "core/controls.h"
#include "core/cp1252.h"
#include "files.h"
#include "testservices.h"
#include "textwork/copytyping.h"
#include "textwork/copytypingbox.h"
#include "textwork/sampletextcorpus.h"
#include "workshop/picturetools.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <sys/stat.h>

namespace {
const QDate Today(2026, 3, 7);

struct Window {
    TestServices t;
    form50* f = nullptr;
    QTime time{10, 0, 0};

    explicit Window(int speechFlag = 0) {
        t.state().setSpeechFlag(speechFlag);
        f = &t.forms().show<form50>();
        t.state().setActivityCode(18);
        f->now = [this] { return QDateTime(Today, time); };
        f->Text1->setFocus();
    }
    void type(const QString& keys) {
        for (QChar c : keys)
            QTest::keyClick(f->Text1, c.toLatin1());
    }
    void key(Qt::Key k) { QTest::keyClick(f->Text1, k); }
    QString typed() const { return f->Text1->toPlainText(); }
    bool marker() const { return !f->Picture2->isHidden(); }
    QString position() const { return f->Label7->text(); }
    void checkMode() { f->noss->trigger(); }
    QString ortografia(const QString& name) const {
        const QString folder = QDir(t.programFolder()).filePath("ortografia");
        QDir().mkpath(folder);
        return QDir(folder).filePath(name);
    }
};
} // namespace

class TestForm50 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void design() {
        Window w;
        form50& f = *w.f;
        QCOMPARE(f.windowTitle(), QString("Taudrin'TXT Escriu un text"));
        QCOMPARE(f.client->size(), QSize(981, 714));
        QCOMPARE(f.client->palette().color(QPalette::Window), QColor(224, 224, 224));
        QCOMPARE(f.Text1->geometry(), QRect(516, 66, 479, 560));
        QCOMPARE(f.Text1->font().family(), QString("Arial"));
        QCOMPARE(f.Text1->font().pointSizeF(), 21.75);
        QCOMPARE(f.Label8->font(), f.Text1->font());
        QCOMPARE(f.Label8->size(), f.Text1->size());
        QCOMPARE(textColour(f.Label8), QColor(Qt::black));
        QCOMPARE(textColour(f.Text1), QColor(Qt::black));
        QCOMPARE(f.Picture1->BackColor(), QColor(192, 255, 192));
        QCOMPARE(f.Picture2->BackColor(), QColor(255, 0, 0));
        // The marker frames the typing box, three pixels on the left and at the top.
        const QRect marker(f.Picture2->mapTo(f.client, QPoint(0, 0)), f.Picture2->size());
        QCOMPARE(f.Text1->geometry().topLeft() - marker.topLeft(), QPoint(3, 3));
        QVERIFY(marker.contains(f.Text1->geometry()));
        QVERIFY(!f.Text2->isVisible());
        QCOMPARE(f.Timer1->interval(), 100);
        QVERIFY(f.Timer1->isActive());

        QStringList menus;
        for (QAction* a : f.menuBar()->actions())
            menus << a->text();
        QCOMPARE(menus, QStringList({"ARXIUS", "ENTRAR TEXTE", "PERMETRE L'ERROR", "NAVEGADOR"}));
        QCOMPARE(f.aey->text(), QString("OBRIR UN DOCUMENT NOU"));
        QVERIFY(f.siss->isChecked());
        QVERIFY(!f.noss->isChecked());
        QCOMPARE(f.Command10->text(), QString("Mayúsc"));
        QCOMPARE(f.Command11->text(), QString("Minúsc"));
        QCOMPARE(f.Command12->text(), QString("{acent}"));
        for (QPushButton* b : {f.Command7, f.Command4, f.Command5, f.Command6})
            QCOMPARE(b->text(), QString("Aa"));
        QCOMPARE(f.Command7->font().family(), QString("Courier New"));
        QCOMPARE(f.Command5->font().family(), QString("Comic Sans MS"));
        QCOMPARE(f.Command6->font().family(), QString("Arial"));
        QCOMPARE(f.Picture3->size(), QSize(288, 25));
        QCOMPARE(f.Picture3->Picture().size(), QSize(288, 25));
        // ccc(0) is the rightmost of its row; Command1 runs left to right.
        QVERIFY(f.ccc[0]->x() > f.ccc[12]->x());
        QVERIFY(f.Command1[10]->x() > f.Command1[0]->x());
        QVERIFY(f.Command1[10]->geometry().right() < f.ccc[12]->x());
    }

    void loadsEmptyInFreeMode() {
        Window w;
        QCOMPARE(w.f->mode(), copytyping::Mode::Free);
        QCOMPARE(w.f->shownModel(), QString());
        QCOMPARE(w.f->checkText(), QString());
        QCOMPARE(w.typed(), QString());
        QCOMPARE(w.position(), QString());
        QVERIFY(!w.marker());
        QCOMPARE(w.f->Text5->text(), QDate::currentDate().toString("dd/MM/yy"));
        QVERIFY(!w.f->Picture5->isVisible());
        QCOMPARE(w.f->Label13[13], QString("Label13"));
    }

    void speakerFollowsSpeechFlagAtLoad() {
        Window w(1);
        QVERIFY(w.f->Picture5->isVisible());
        QCOMPARE(w.f->Picture5->Picture().size(), QSize(59, 24));
        w.t.state().setSpeechFlag(0);
        QVERIFY(w.f->Picture5->isVisible());
    }

    void checkModeTakesWrongLettersAway() {
        Window w;
        w.checkMode();
        QCOMPARE(w.f->mode(), copytyping::Mode::Check);
        w.f->setModel("gat");
        w.type("gap");
        QCOMPARE(w.typed(), QString("ga"));
        QCOMPARE(w.position(), QString("3"));
        QVERIFY(!w.marker());
        w.key(Qt::Key_Backspace);
        QCOMPARE(w.typed(), QString("g"));
        w.type("at");
        QCOMPARE(w.typed(), QString("gat"));
        QCOMPARE(w.position(), QString("3"));
        // Past the model's end nothing more is taken.
        w.type("s");
        QCOMPARE(w.typed(), QString("gat"));
    }

    void enterStaysUntilDeleted() {
        Window w;
        w.checkMode();
        w.f->setModel("gat");
        w.type("ga");
        w.key(Qt::Key_Return);
        QCOMPARE(w.typed(), QString("ga\n"));
        w.type("t");
        QCOMPARE(w.typed(), QString("ga\n"));
        QVERIFY(w.marker());
        QCOMPARE(w.position(), QString("5")); // the break counts as two characters
        w.type("t");
        QCOMPARE(w.typed(), QString("ga\n"));
        QVERIFY(w.marker());
        w.key(Qt::Key_Backspace); // the marker still speaks of the break
        QCOMPARE(w.typed(), QString("ga"));
        w.type("t");
        QCOMPARE(w.typed(), QString("gat"));
        QVERIFY(!w.marker());
    }

    void heldKeyLosesOnlyItsLastRepeat() {
        Window w;
        w.checkMode();
        w.f->setModel("gat");
        for (int i = 0; i < 3; ++i) {
            const bool repeat = i > 0;
            if (repeat) {
                QKeyEvent up(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, "x", true);
                QApplication::sendEvent(w.f->Text1, &up);
            }
            QKeyEvent down(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x", repeat);
            QApplication::sendEvent(w.f->Text1, &down);
        }
        QKeyEvent up(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, "x");
        QApplication::sendEvent(w.f->Text1, &up);
        QCOMPARE(w.typed(), QString("xx"));
        QVERIFY(w.marker());
    }

    void composedLettersAreChecked() {
        Window w;
        w.checkMode();
        w.f->setModel("àa");
        QInputMethodEvent grave;
        grave.setCommitString("à");
        QApplication::sendEvent(w.f->Text1, &grave);
        QCOMPARE(w.typed(), QString("à"));
        QApplication::sendEvent(w.f->Text1, &grave);
        QCOMPARE(w.typed(), QString("à"));
        QCOMPARE(w.position(), QString("2"));
    }

    void lineBreaksOfTheModelAreTyped() {
        Window w;
        w.checkMode();
        w.f->setModel("ga\r\nto");
        QCOMPARE(w.f->checkText(), QString("ga\r\nto"));
        w.type("ga");
        w.key(Qt::Key_Return);
        w.type("tx");
        QCOMPARE(w.typed(), QString("ga\nt"));
        QCOMPARE(w.position(), QString("6"));
        QVERIFY(!w.marker());
    }

    void noModel_data() {
        QTest::addColumn<bool>("check");
        QTest::addColumn<QString>("typed");
        QTest::newRow("check mode: nothing") << true << "";
        QTest::newRow("free mode: anything") << false << "xyz";
    }
    void noModel() {
        QFETCH(bool, check);
        QFETCH(QString, typed);
        Window w;
        if (check) w.checkMode();
        w.type("xyz");
        QCOMPARE(w.typed(), typed);
        QVERIFY(!w.marker());
        QCOMPARE(w.position(), check ? QString("1") : QString());
    }

    void switchingModesBack() {
        Window w;
        w.checkMode();
        w.f->siss->trigger();
        QVERIFY(w.f->siss->isChecked());
        QVERIFY(!w.f->noss->isChecked());
        w.f->siss->trigger(); // a second click keeps it checked
        QVERIFY(w.f->siss->isChecked());
        QCOMPARE(w.f->mode(), copytyping::Mode::Free);
    }

    void builtInTexts() {
        Window w;
        QTest::mouseClick(w.f->ccc[6], Qt::LeftButton);
        QCOMPARE(w.f->checkText().size(), 427);
        QVERIFY(w.f->checkText().startsWith(' '));
        QCOMPARE(w.f->shownModel(), w.f->checkText());
        QTest::mouseClick(w.f->Command1[0], Qt::LeftButton);
        QCOMPARE(w.f->checkText(), SampleTextCorpus::body(44));
        QTest::mouseClick(w.f->ccc[12], Qt::LeftButton);
        QCOMPARE(w.f->checkText(), SampleTextCorpus::extraCatalanText());
        QCOMPARE(w.f->checkText().size(), 913);
        for (int k = 0; k < 11; ++k) {
            w.f->Command1_Click(k);
            QCOMPARE(w.f->checkText(), SampleTextCorpus::copyTypingSpanishText(k));
        }
        for (int k = 0; k < 12; ++k) {
            w.f->ccc_Click(k);
            QCOMPARE(w.f->shownModel(), SampleTextCorpus::copyTypingCatalanText(k));
        }
    }

    void choosingAModelKeepsTheCopy() {
        Window w;
        w.checkMode();
        w.f->setModel("gat");
        w.type("gx");
        w.key(Qt::Key_Return);
        w.type("a");
        QVERIFY(w.marker());
        const QString position = w.position();
        const int clock = w.f->Label6;
        w.time = w.time.addSecs(30);
        QTest::mouseClick(w.f->Command1[0], Qt::LeftButton);
        QCOMPARE(w.typed(), QString("g\n"));
        QVERIFY(w.marker());
        QCOMPARE(w.position(), position);
        QCOMPARE(w.f->Label6, clock);
    }

    void clockRestartsAtTheSecondKey() {
        Window w;
        w.f->Label6 = copytyping::secondsOfDay(w.time);
        w.time = QTime(10, 0, 42);
        w.f->Timer1_Timer();
        QCOMPARE(w.f->Text4->text(), QString("42"));
        w.type("a"); // the first key goes down with nothing before the caret
        w.f->Timer1_Timer();
        QCOMPARE(w.f->Text4->text(), QString("42"));
        w.type("b"); // one character before the caret
        w.f->Timer1_Timer();
        QCOMPARE(w.f->Text4->text(), QString("0"));
        w.time = QTime(10, 1, 0);
        w.type("c");
        w.f->Timer1_Timer();
        QCOMPARE(w.f->Text4->text(), QString("18"));
        // Back to the first character, the clock starts again.
        w.key(Qt::Key_Backspace);
        w.key(Qt::Key_Backspace);
        QCOMPARE(w.typed(), QString("a"));
        w.time = QTime(10, 2, 0);
        w.type("b");
        w.f->Timer1_Timer();
        QCOMPARE(w.f->Text4->text(), QString("0"));
        // across midnight it keeps counting
        w.f->Label6 = copytyping::secondsOfDay(QTime(23, 59, 58));
        w.time = QTime(0, 0, 3);
        w.f->Timer1_Timer();
        QCOMPARE(w.f->Text4->text(), QString("5"));
        QTRY_COMPARE(w.f->Text4->text(), QString("5")); // and the timer writes the same
    }

    void doubleClickHidesTheModel() {
        Window w;
        w.checkMode();
        w.f->setModel("gat");
        QTest::mouseDClick(w.f->Text1->viewport(), Qt::LeftButton);
        QCOMPARE(w.f->Label8->text(), QString("0"));
        QCOMPARE(w.f->checkText(), QString("gat"));
        w.type("gap");
        QCOMPARE(w.typed(), QString("ga"));
        w.f->ccc_Click(0);
        QCOMPARE(w.f->shownModel(), w.f->checkText());
    }

    // The double click selects no word: the next key does not replace what was typed.
    void doubleClickKeepsTheTypedWords() {
        Window w;
        w.type("el gat");
        const QTextCursor end = w.f->Text1->textCursor();
        const QPoint onGat = w.f->Text1->cursorRect(end).center() - QPoint(4, 0);
        QTest::mouseDClick(w.f->Text1->viewport(), Qt::LeftButton, {}, onGat);
        QVERIFY(!w.f->Text1->textCursor().hasSelection());
        w.type(" ");
        QVERIFY(w.typed().startsWith(QString("el ga")));
        QCOMPARE(w.typed().size(), 7);
    }

    void unloadClearsTheCode() {
        Window w;
        QVERIFY(w.f->close());
        QCOMPARE(w.t.state().ActivityCode(), 0);
    }

    // Other sources and tools.

    void caseAndAccents() {
        Window w;
        w.f->setModel("l'àvia");
        QTest::mouseClick(w.f->Command10, Qt::LeftButton);
        QCOMPARE(w.f->checkText(), QString("L'ÀVIA"));
        QCOMPARE(w.f->shownModel(), QString("L'ÀVIA"));
        QTest::mouseClick(w.f->Command12, Qt::LeftButton);
        QCOMPARE(w.f->checkText(), QString("L'AVIA"));
        QCOMPARE(w.f->shownModel(), QString("L'AVIA"));
        QTest::mouseClick(w.f->Command11, Qt::LeftButton);
        QCOMPARE(w.f->shownModel(), QString("l'avia"));
        w.f->setModel("Veïna, pingüí i caçador: és");
        w.f->Command12_Click();
        QCOMPARE(w.f->checkText(), QString("Veïna, pingüi i caçador: es"));
    }

    void toolsKeepAHiddenModelHidden() {
        Window w;
        w.checkMode();
        w.f->setModel("l'àvia");
        w.f->Text1_DblClick();
        w.f->Command10_Click();
        QCOMPARE(w.f->checkText(), QString("L'ÀVIA"));
        QCOMPARE(w.f->Label8->text(), QString("0"));
        w.f->Command12_Click();
        QCOMPARE(w.f->checkText(), QString("L'AVIA"));
        QCOMPARE(w.f->Label8->text(), QString("0"));
        w.type("L'A");
        QCOMPARE(w.typed(), QString("L'A"));
    }

    void sizesAndFonts() {
        Window w;
        form50& f = *w.f;
        QTest::mouseClick(f.Command2, Qt::LeftButton);
        QCOMPARE(f.Text1->font().pointSizeF(), 26.75);
        QCOMPARE(f.Label8->font(), f.Text1->font());
        for (int i = 0; i < 4; ++i)
            f.Command3_Click();
        QCOMPARE(f.Text1->font().pointSizeF(), 10.0);
        f.Command3_Click();
        QCOMPARE(f.Text1->font().pointSizeF(), 10.0);
        for (int i = 0; i < 100; ++i)
            f.Command2_Click();
        QCOMPARE(f.Text1->font().pointSizeF(), 400.0);
        QCOMPARE(f.Label8->font().pointSizeF(), 400.0);
        const std::pair<QPushButton*, QString> fonts[] = {{f.Command7, "Courier New"},
                                                          {f.Command4, "Arial"},
                                                          {f.Command5, "Comic Sans MS"},
                                                          {f.Command6, "Zahareña"}};
        for (const auto& [button, family] : fonts) {
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(f.Text1->font().family(), family);
            QCOMPARE(f.Label8->font(), f.Text1->font());
        }
    }

    void paletteColoursBoth() {
        Window w;
        const QImage& palette = w.f->Picture3->Picture();
        const QPoint at(60, 5);
        QTest::mouseClick(w.f->Picture3, Qt::RightButton, {}, at);
        QCOMPARE(textColour(w.f->Text1), palette.pixelColor(at));
        QCOMPARE(textColour(w.f->Label8), palette.pixelColor(at));
        QVERIFY(palette.pixelColor(at) != QColor(Qt::black));
    }

    void readingGuide() {
        Window w;
        form50& f = *w.f;
        const int bandTop = f.Shape2->y();
        QTest::mouseMove(f.Label8, QPoint(100, 200));
        QCOMPARE(f.Shape2->y(), bandTop);
        QTest::mousePress(f.Label8, Qt::LeftButton, {}, QPoint(100, 200));
        QVERIFY(f.Label12);
        QMouseEvent move(QEvent::MouseMove, QPointF(120, 150), f.Label8->mapToGlobal(QPointF(120, 150)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.Label8, &move);
        QCOMPARE(f.Shape2->y(), 150);
        QCOMPARE(f.Line1->x(), 120);
        QTest::mouseRelease(f.Label8, Qt::LeftButton, {}, QPoint(120, 150));
        QVERIFY(!f.Label12);
        QTest::mouseMove(f.Label8, QPoint(10, 20));
        QCOMPARE(f.Shape2->y(), 150);
        QTest::mouseMove(f.Text1->viewport(), QPoint(30, 40));
        QCOMPARE(f.Shape2->y(), 48);
        QCOMPARE(f.Line1->x(), 120);
    }

    void speechAndBrowser() {
        Window w(1);
        w.f->setModel("bon dia");
        w.f->Text1_DblClick();
        QTest::mouseClick(w.f->Picture5, Qt::LeftButton);
        QVERIFY(!w.t.speech.calls.isEmpty());
        QCOMPARE(w.t.speech.calls.last().argument, QString("bon dia"));
        w.f->AQAAA->trigger();
        QCOMPARE(w.t.launcher.requests.size(), 1);
        QVERIFY(w.t.launcher.requests[0].startsWith("url: https://"));
    }

    void openSavedText() {
        Window w;
        const QString file = w.ortografia("llarg.txt");
        QByteArray bytes = toCp1252("l'àvia\r\n");
        bytes += QByteArray(1000 - bytes.size(), 'x');
        QVERIFY(writeFileBytes(file, bytes));
        w.t.dialogs.answerOpen(file);
        w.f->aey->trigger();
        QCOMPARE(w.t.dialogs.openRequests.last().initDir, QFileInfo(file).absolutePath());
        QCOMPARE(w.f->checkText(), fromCp1252(bytes.left(200)));
        QCOMPARE(w.f->shownModel(), w.f->checkText());

        // A short file is padded; cancel does nothing; a failed dialog says "Error".
        const QString shortFile = w.ortografia("curt.txt");
        QVERIFY(writeFileBytes(shortFile, "gat"));
        w.t.dialogs.answerOpen(shortFile);
        w.f->aey_Click();
        QCOMPARE(w.f->checkText(), QString("gat").leftJustified(200));
        w.t.dialogs.cancelOpen();
        w.f->aey_Click();
        QCOMPARE(w.f->checkText(), QString("gat").leftJustified(200));
        QVERIFY(w.t.dialogs.messages.isEmpty());
        w.t.dialogs.failOpen();
        w.f->aey_Click();
        QCOMPARE(w.t.dialogs.messages, QStringList{"Error"});
        QCOMPARE(w.f->checkText(), QString("gat").leftJustified(200));
    }

    void openedPipeNeverBlocks() {
        Window w;
        const QString pipe = w.ortografia("pipe.txt");
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        w.f->setModel("gat");
        w.t.dialogs.answerOpen(pipe);
        w.f->aey_Click();
        QCOMPARE(w.f->checkText(), QString());
    }

    void typedModel() {
        Window w;
        w.t.dialogs.answerInput(QString("bon dia"));
        w.f->SSSS->trigger();
        QCOMPARE(w.t.dialogs.inputPrompts, QStringList{"ENTRADA DE TEXT"});
        QCOMPARE(w.t.dialogs.inputTitles, QStringList{QString()});
        QCOMPARE(w.f->checkText(), QString("bon dia"));
        QCOMPARE(w.f->shownModel(), QString("bon dia"));
        w.f->SSSS_Click(); // cancelled
        QCOMPARE(w.f->checkText(), QString());
        QCOMPARE(w.f->shownModel(), QString());
    }

    void uninvokedOperations() {
        Window w;
        form50& f = *w.f;
        f.setModel("ga\r\nt");
        f.mide();
        QCOMPARE(f.Label7->text(), QString("6"));
        f.SetCheckTextMark();
        QCOMPARE(f.checkText(), QString(">"));
        QCOMPARE(f.shownModel(), QString("ga\r\nt"));
        f.LoadExtraText();
        QCOMPARE(f.checkText(), SampleTextCorpus::extraCatalanText());
        QCOMPARE(f.shownModel(), QString("ga\r\nt"));
        QVERIFY(f.OpenNotepad());
        QVERIFY(w.t.launcher.requests.last().startsWith("text: "));

        // A listed text: the "*.txt" files of the current folder in name order.
        QDir().mkpath(w.t.services().currentFolder);
        QVERIFY(writeFileBytes(w.t.services().inCurrentFolder("b.txt"), "segon"));
        QVERIFY(writeFileBytes(w.t.services().inCurrentFolder("A.TXT"), "primer"));
        QVERIFY(writeFileBytes(w.t.services().inCurrentFolder("c.bak"), "no"));
        f.OpenListedText(1);
        QCOMPARE(f.checkText(), QString("segon").leftJustified(200));
        f.OpenListedText(2); // no such entry
        QCOMPARE(f.checkText(), QString("segon").leftJustified(200));

        // Saving the check text moves into "pol" and keeps what follows record 1.
        const QString pol = w.t.services().inCurrentFolder("pol");
        QDir().mkpath(pol);
        const QString saved = QDir(pol).filePath("desat");
        QVERIFY(writeFileBytes(saved, QByteArray(300, 'z')));
        f.setModel("l'àvia");
        w.t.dialogs.answerOpen(saved);
        f.SaveCheckText();
        QCOMPARE(w.t.dialogs.openRequests.last().initDir, pol);
        QVERIFY(w.t.dialogs.openRequests.last().save);
        QCOMPARE(w.t.services().currentFolder, pol);
        const QByteArray bytes = readFileBytes(saved);
        QCOMPARE(bytes.size(), 300);
        QCOMPARE(bytes.left(200), toCp1252(QString("l'àvia").leftJustified(200)));
        QCOMPARE(bytes.mid(200), QByteArray(100, 'z'));
    }

    void recordTypingResult() {
        Window w;
        form50& f = *w.f;
        FakeDialogs& d = w.t.dialogs;
        const QString log = w.t.services().inCurrentFolder("cuesti.001");
        QDir().mkpath(w.t.services().currentFolder);
        const QString text = QString(40, 'a');
        f.setModel(text);

        // Cancel ends it.
        f.RecordTypingResult();
        QCOMPARE(d.okCancelTexts, QStringList{"Vols grabar dades al llistat?"});
        QCOMPARE(d.okCancelTitles, QStringList{"Quenvik"});
        QVERIFY(!QFile::exists(log));

        // Fewer than 30 characters typed.
        w.type("aaaa");
        d.answerOkCancel(true);
        f.RecordTypingResult();
        QCOMPARE(d.warnings, QStringList{"Per a entrar les dades el text tindrà almenys 30 carcàcters"});
        QCOMPARE(d.messageTitles.last(), QString("QUenvik"));
        QVERIFY(!QFile::exists(log));

        // With the marker showing.
        f.Picture2->show();
        d.answerOkCancel(true);
        f.RecordTypingResult();
        QCOMPARE(d.warnings.last(), QString("No pots entrar dades a l' arxiu amb dades false al text"));
        QCOMPARE(d.messageTitles.last(), QString("Quenvik"));
        QVERIFY(!QFile::exists(log));
        f.Picture2->hide();

        // A new log gets the result as record 50; zero seconds leave the speed blank.
        f.Text1->setPlainText(QString(35, 'a'));
        f.Text1->moveCursor(QTextCursor::End);
        f.Text4->setText("0");
        f.Text5->setText("07/03/26");
        d.answerOkCancel(true);
        f.RecordTypingResult();
        QByteArray bytes = readFileBytes(log);
        QCOMPARE(bytes.size(), 50 * 52);
        QCOMPARE(bytes.left(49 * 52), QByteArray(49 * 52, '\0'));
        QCOMPARE(bytes.mid(49 * 52), (QString(30, ' ') + "07/03/26  35   0      ").toLatin1());

        // A blank record earlier in the file is taken first.
        QByteArray withBlank = bytes;
        withBlank.replace(2 * 52, 52, QByteArray(52, ' '));
        QVERIFY(writeFileBytes(log, withBlank));
        f.Text4->setText("70");
        d.answerOkCancel(true);
        f.RecordTypingResult();
        bytes = readFileBytes(log);
        QCOMPARE(bytes.mid(2 * 52, 52), (QString(30, ' ') + "07/03/26  35  70  30  ").toLatin1());
    }
};

QTEST_MAIN(TestForm50)
#include "tst_form50.moc"
