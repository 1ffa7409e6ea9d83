// The exercise editor: browsing, clearing, saving under a name and over the file being edited,
// opening exercises and word lists, proposing and appending words, and failures of each.
#include "core/cp1252.h"
#include "core/sharedstate.h"
#include "files.h"
#include "platform/dialogs.h"
#include "testservices.h"
#include "textwork/exerciseeditor.h"
#include "textwork/gapexercise.h"
#include "textwork/linebreaks.h"
#include "wordgames/wordlistfile.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <sys/stat.h>

namespace {
QString shipped(int number) {
    return numberedGapExercisePath(QStringLiteral(TAUDRIN_SOURCE_DIR "/data"), number);
}

// The editor, open, over a program folder that holds the numbered exercises 1 to 40.
struct Editor {
    TestServices t;
    grabaci* f = nullptr;
    QString data;
    QString automatic;
    QString lists;

    Editor() {
        data = QDir(t.programFolder()).filePath("data");
        automatic = QDir(data).filePath("automatic");
        lists = QDir(t.programFolder()).filePath("llistes");
        QDir().mkpath(automatic);
        QDir().mkpath(lists);
        for (int n = 1; n <= 40; ++n)
            QFile::copy(shipped(n), numbered(n));
        t.state().setActivityCode(19);
        f = &t.forms().show<grabaci>();
    }
    QString numbered(int n) const { return numberedGapExercisePath(t.programFolder(), n); }
    QString inData(const QString& name) const { return QDir(data).filePath(name); }
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void save() { click(f->Command4); }
    // "LLISTES", choosing a list of these words.
    void loadList(const QStringList& words) {
        const QString path = QDir(lists).filePath("prova.bak");
        QVERIFY(WriteWordList(path, words));
        t.dialogs.answerOpen(path);
        f->SSSDDD->trigger();
    }
    int button(const char* group) const {
        for (int k = 0; k < grabaci::LetterButtons; ++k)
            if (f->Command5[k]->text() == QString::fromUtf8(group)) return k;
        return -1;
    }
    QStringList dataFiles() const {
        return QDir(data).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::System);
    }
};

GapExercise stored(const QString& path) {
    return splitGapRecord(readFileBytes(path), gapexercise::RecordLength);
}
} // namespace

class TestGrabaci : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void design() {
        Editor e;
        QCOMPARE(e.f->windowTitle(), QStringLiteral("Edició de textes"));
        QCOMPARE(e.f->Command5[0]->text(), QStringLiteral("pr"));
        QCOMPARE(e.f->Command5[15]->text(), QStringLiteral("ç"));
        QCOMPARE(e.f->Command5[38]->text(), QStringLiteral("l·l"));
        QCOMPARE(e.f->Command5[43]->text(), QStringLiteral("c"));
        QCOMPARE(e.f->Command5[5]->pos(), twRect(120 + 735, 120 + 405, 735, 405).topLeft());
        QCOMPARE(e.f->Command5[5]->size(), twSize(735, 405));
        QCOMPARE(e.f->HScroll1->minimum(), 1);
        QCOMPARE(e.f->HScroll1->maximum(), 200);
        QCOMPARE(e.f->Text1->font().family(), QStringLiteral("Courier New"));
        QCOMPARE(e.f->Text1->font().pointSizeF(), 15.75);
        QCOMPARE(e.f->Label2->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(e.f->Label2->font().pointSizeF(), 18.0);
        QCOMPARE(e.f->Command1->text(), QStringLiteral("NETEJAR"));
        QCOMPARE(e.f->Command2->text(), QStringLiteral("..."));
        QCOMPARE(e.f->Command4->text(), QStringLiteral("DESAR CANVIS com:"));
        QCOMPARE(e.f->client->palette().color(QPalette::Window), QColor(50, 50, 50));
    }

    // At start exercise 0001 shows, unpadded; the scroll bar loads the others.
    void browse() {
        Editor e;
        const GapExercise one = stored(e.numbered(1));
        QCOMPARE(e.f->Text2->text(), one.title.trimmed());
        QVERIFY(!e.f->Text2->text().endsWith(' '));
        QVERIFY(e.f->Text3->text().endsWith(QStringLiteral("  ")) == false);
        QCOMPARE(e.f->Label2->text(), e.numbered(1));
        QCOMPARE(e.f->Text4->text(), e.numbered(1));
        e.f->HScroll1->setValue(37);
        QCOMPARE(e.f->Label1, 37);
        QCOMPARE(e.f->Label2->text(), e.numbered(37));
        QCOMPARE(e.f->Text4->text(), e.numbered(37));
        QCOMPARE(e.f->Text2->text(), stored(e.numbered(37)).title.trimmed());
        QVERIFY(e.f->Text1->toPlainText().size() > 10);
        QCOMPARE(e.f->Text1->toPlainText().right(2).count(' '), 1);
    }

    // A number with no file shows blank boxes and creates nothing.
    void browseMissing() {
        Editor e;
        e.f->HScroll1->setValue(150);
        QCOMPARE(e.f->Text2->text(), QString());
        QCOMPARE(e.f->Text3->text(), QString());
        QCOMPARE(e.f->Text1->toPlainText(), QString());
        QVERIFY(!QFileInfo::exists(e.numbered(150)));
        QVERIFY(e.t.dialogs.messages.isEmpty());
    }

    void clear() {
        Editor e;
        e.click(e.f->Command1);
        QCOMPARE(e.f->Text1->toPlainText(), QString());
        QCOMPARE(e.f->Text2->text(), QString());
        QCOMPARE(e.f->Text3->text(), QString());
        QCOMPARE(e.f->Text4->text(), e.numbered(1));
    }

    // Loaded and saved unchanged, an exercise stays byte for byte as it was.
    void saveUnchanged_data() {
        QTest::addColumn<int>("number");
        for (int n : {1, 2, 17, 37, 40})
            QTest::newRow(qPrintable(QString::number(n))) << n;
    }
    void saveUnchanged() {
        QFETCH(int, number);
        Editor e;
        e.f->HScroll1->setValue(number);
        const QByteArray before = readFileBytes(e.numbered(number));
        e.save();
        QVERIFY(e.t.dialogs.messages.isEmpty());
        QVERIFY(e.t.dialogs.yesNoTexts.isEmpty());
        QCOMPARE(readFileBytes(e.numbered(number)), before);
    }

    // A name becomes data/<name>.dat; the box then holds the path and the next save goes there.
    void saveUnderName() {
        Editor e;
        e.f->Text4->setText(QStringLiteral("conte"));
        e.f->Text2->setText(QStringLiteral("Un conte"));
        e.save();
        const QString path = e.inData(QStringLiteral("conte.dat"));
        QCOMPARE(QFileInfo(path).size(), 9000);
        QCOMPARE(e.f->Text4->text(), path);
        QCOMPARE(stored(path).title, QStringLiteral("Un conte").leftJustified(30));
        e.f->Text2->setText(QStringLiteral("Un altre conte"));
        e.save();
        QCOMPARE(stored(path).title, QStringLiteral("Un altre conte").leftJustified(30));
        QVERIFY(e.t.dialogs.yesNoTexts.isEmpty());
        QCOMPARE(e.dataFiles(), (QStringList{"automatic", "conte.dat"}));
        QCOMPARE(readFileBytes(e.numbered(1)), readFileBytes(shipped(1)));
    }

    void saveNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("file");
        QTest::newRow("ends in dat") << "soldat"
                                     << "soldat.dat";
        QTest::newRow("capital extension") << "prova.DAT"
                                           << "prova.DAT";
        QTest::newRow("extension") << "prova.dat"
                                   << "prova.dat";
    }
    void saveNames() {
        QFETCH(QString, name);
        QFETCH(QString, file);
        Editor e;
        e.f->Text4->setText(name);
        e.save();
        QCOMPARE(e.dataFiles(), (QStringList{"automatic", file}));
        QCOMPARE(e.f->Text4->text(), e.inData(file));
    }

    // A typed name that can't be a file name, or a path typed by hand: "Error", nothing written.
    void unsafeNames_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << "";
        QTest::newRow("dot") << ".";
        QTest::newRow("dot dot") << "..";
        QTest::newRow("separator") << "../fora";
        QTest::newRow("typed path") << "/tmp/fora.dat";
    }
    void unsafeNames() {
        QFETCH(QString, name);
        Editor e;
        const QStringList before = QDir(e.t.programFolder()).entryList();
        e.f->Text4->setText(name);
        e.save();
        QCOMPARE(e.t.dialogs.messages, QStringList{QStringLiteral("Error")});
        QCOMPARE(e.dataFiles(), QStringList{"automatic"});
        QCOMPARE(QDir(e.t.programFolder()).entryList(), before);
        QCOMPARE(e.f->Text4->text(), name);
        QCOMPARE(readFileBytes(e.numbered(1)), readFileBytes(shipped(1)));
    }

    // A named exercise already there is replaced only when the user says so.
    void replaceAsks() {
        Editor e;
        const QString path = e.inData(QStringLiteral("conte.dat"));
        QVERIFY(writeFileBytes(path, "old"));
        e.f->Text4->setText(QStringLiteral("conte"));
        e.save();
        QCOMPARE(e.t.dialogs.yesNoTexts.size(), 1);
        QVERIFY(e.t.dialogs.yesNoTexts.first().contains(QStringLiteral("conte.dat")));
        QCOMPARE(readFileBytes(path), QByteArray("old"));
        QCOMPARE(e.f->Text4->text(), QStringLiteral("conte"));
        e.t.dialogs.answerYesNo(true);
        e.save();
        QCOMPARE(QFileInfo(path).size(), 9000);
    }

    // A save that can't be written shows "Error" and leaves what was there.
    void saveFails() {
        Editor e;
        const QString blocker = e.inData(QStringLiteral("conte.dat"));
        QVERIFY(QDir().mkpath(blocker));
        e.f->Text4->setText(QStringLiteral("conte"));
        e.t.dialogs.answerYesNo(true);
        e.save();
        QCOMPARE(e.t.dialogs.messages, QStringList{QStringLiteral("Error")});
        QVERIFY(QFileInfo(blocker).isDir());
        QCOMPARE(e.f->Text4->text(), blocker);

        const QString fifo = e.inData(QStringLiteral("tub.dat"));
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        e.f->Text4->setText(QStringLiteral("tub"));
        e.t.dialogs.answerYesNo(true);
        e.save();
        QCOMPARE(e.t.dialogs.messages.size(), 2);
        QVERIFY(QFileInfo(fifo).isFile() == false);
    }

    // "ARXIUS": the opened file shows, and a save goes back to it, not to the one loaded before.
    void openThenSave_data() {
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK") << true;
        QTest::newRow("Cancel in the box") << false;
    }
    void openThenSave() {
        QFETCH(bool, ok);
        Editor e;
        e.t.dialogs.answerOpen(e.numbered(5));
        e.t.dialogs.answerOkCancel(ok);
        e.f->SSS->trigger();
        QCOMPARE(e.t.dialogs.openRequests.last().initDir, e.automatic);
        QCOMPARE(e.t.dialogs.openRequests.last().filter, QString());
        QCOMPARE(e.t.dialogs.okCancelTexts, QStringList{e.numbered(5)});
        QCOMPARE(e.t.dialogs.okCancelTitles, QStringList{QStringLiteral("Taudrin")});
        if (!ok) {
            // Cancel in the box keeps the exercise shown.
            QCOMPARE(e.f->Label2->text(), e.numbered(1));
            QCOMPARE(e.f->Text4->text(), e.numbered(1));
            QCOMPARE(e.f->Text2->text(), stored(e.numbered(1)).title.trimmed());
            return;
        }
        QCOMPARE(e.f->Label2->text(), e.numbered(5));
        QCOMPARE(e.f->Label4->text(), e.numbered(5));
        QCOMPARE(e.f->Text4->text(), e.numbered(5));
        QCOMPARE(e.f->Text2->text(), stored(e.numbered(5)).title.trimmed());
        e.f->Text2->setText(QStringLiteral("Canviat"));
        e.save();
        QCOMPARE(stored(e.numbered(5)).title, QStringLiteral("Canviat").leftJustified(30));
        QCOMPARE(readFileBytes(e.numbered(1)), readFileBytes(shipped(1)));
    }

    // A changed exercise goes only when the user says so, or once it is saved: on closing, on
    // moving the bar to another exercise, and on opening a file.
    void changedExerciseIsNotLostUnasked() {
        Editor e;
        auto& d = e.t.dialogs;
        // Browsed, not changed: nothing to ask.
        e.f->HScroll1->setValue(2);
        QCOMPARE(e.f->Label1, 2);
        QVERIFY(d.unsavedTexts.isEmpty());

        e.f->Text1->setPlainText(QStringLiteral("Un text nou que la mestra ha escrit."));
        // The bar, and Discard: the change goes.
        d.answerUnsaved(Dialogs::Unsaved::Discard);
        e.f->HScroll1->setValue(3);
        QCOMPARE(d.unsavedTexts, QStringList{grabaci::openQuestion()});
        QCOMPARE(e.f->Label1, 3);
        // Cancel on closing keeps the window and the exercise.
        e.f->Text2->setText(QStringLiteral("Nou"));
        d.answerUnsaved(Dialogs::Unsaved::Cancel);
        QVERIFY(!e.f->close());
        QVERIFY(e.t.forms().isLoaded("grabaci"));
        QCOMPARE(e.f->Text2->text(), QStringLiteral("Nou"));
        QCOMPARE(e.f->Label2->text(), e.numbered(3));

        // The bar, Save, and a save that fails: the exercise and the bar stay.
        e.f->Text1->setPlainText(QStringLiteral("Un altre text."));
        e.f->Text4->setText(QStringLiteral("../fora"));
        d.answerUnsaved(Dialogs::Unsaved::Save);
        e.f->HScroll1->setValue(4);
        QCOMPARE(d.messages, QStringList{QStringLiteral("Error")});
        QCOMPARE(e.f->Label1, 3);
        QCOMPARE(e.f->HScroll1->value(), 3);
        QCOMPARE(e.f->Text1->toPlainText(), QStringLiteral("Un altre text."));
        // "ARXIUS" asks before its dialog.
        d.answerUnsaved(Dialogs::Unsaved::Save);
        e.f->SSS->trigger();
        QCOMPARE(d.unsavedTexts.last(), grabaci::openQuestion());
        QCOMPARE(d.openRequests.size(), 0);
        // Closing, Save, saved under a name: then it closes.
        e.f->Text4->setText(QStringLiteral("conte"));
        d.answerUnsaved(Dialogs::Unsaved::Save);
        QVERIFY(e.f->close());
        QCOMPARE(d.unsavedTexts.last(), grabaci::closeQuestion());
        QVERIFY(!e.t.forms().isLoaded("grabaci"));
        QCOMPARE(linebreaks::toBox(stored(e.inData("conte.dat")).text).trimmed(),
                 QStringLiteral("Un altre text."));
    }

    // Cancel does nothing; a failed dialog shows "Error"; an unreadable file changes nothing.
    void dialogsFail_data() {
        QTest::addColumn<int>("menu"); // 0 ARXIUS, 1 LLISTES
        QTest::addColumn<int>("how");  // 0 cancel, 1 fail, 2 a pipe chosen
        QTest::addColumn<QStringList>("messages");
        const QStringList none, error{QStringLiteral("Error")};
        QTest::newRow("ARXIUS cancel") << 0 << 0 << none;
        QTest::newRow("ARXIUS fails") << 0 << 1 << error;
        QTest::newRow("ARXIUS pipe") << 0 << 2 << error;
        QTest::newRow("LLISTES cancel") << 1 << 0 << none;
        QTest::newRow("LLISTES fails") << 1 << 1 << error;
        QTest::newRow("LLISTES pipe") << 1 << 2 << error;
    }
    void dialogsFail() {
        QFETCH(int, menu);
        QFETCH(int, how);
        QFETCH(QStringList, messages);
        Editor e;
        e.f->List1->addItems({QStringLiteral("casa")});
        const QString title = e.f->Text2->text();
        const QString fifo = QDir(e.t.programFolder()).filePath("tub");
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        if (how == 0) e.t.dialogs.cancelOpen();
        if (how == 1) e.t.dialogs.failOpen();
        if (how == 2) e.t.dialogs.answerOpen(fifo);
        e.t.dialogs.answerOkCancel(true);
        (menu == 0 ? e.f->SSS : e.f->SSSDDD)->trigger();
        QCOMPARE(e.t.dialogs.messages, messages);
        QCOMPARE(e.f->Text2->text(), title);
        QCOMPARE(e.f->Text4->text(), e.numbered(1));
        QCOMPARE(e.f->Label4->text(), QString());
        QCOMPARE(e.f->Label2->text(), e.numbered(1));
        QCOMPARE(e.f->List1->count(), 1);
    }

    // A list of 250 bytes holds 12 words; the list dialog starts in "llistes" with its filter.
    void loadList() {
        Editor e;
        QStringList words;
        for (int i = 0; i < 12; ++i)
            words << QStringLiteral("paraula%1").arg(i);
        const QString path = QDir(e.lists).filePath("llarga.bak");
        QVERIFY(WriteWordList(path, words));
        QFile file(path);
        QVERIFY(file.open(QIODevice::Append));
        file.write(QByteArray(10, '\0'));
        file.close();
        e.t.dialogs.answerOpen(path);
        e.f->SSSDDD->trigger();
        QCOMPARE(e.t.dialogs.openRequests.last().initDir, e.lists);
        QCOMPARE(e.t.dialogs.openRequests.last().filter, QStringLiteral("(*.bak)|*.bak|"));
        QCOMPARE(e.f->List1->count(), 12);
        QCOMPARE(e.f->Label3, 12.5);
        QCOMPARE(e.f->List1->item(11)->text(), QStringLiteral("paraula11"));
    }

    // A letter button proposes a word of its group whenever the list holds one, wherever the draw
    // starts; "..." appends it after the text and the group to the keys.
    void proposeAndAppend() {
        Editor e;
        e.click(e.f->Command1);
        e.loadList({"casa", "gat", "canya", "pluja", "llet", "sol"});
        for (int i = 0; i < 20; ++i) {
            e.click(e.f->Command5[e.button("ny")]);
            QCOMPARE(e.f->Command2->text(), QStringLiteral("canya"));
            QCOMPARE(e.f->List1->currentRow(), 2);
        }
        e.click(e.f->Command2);
        QCOMPARE(e.f->Text1->toPlainText(), QStringLiteral("canya "));
        QCOMPARE(e.f->Text3->text(), QStringLiteral("ny "));
        e.click(e.f->Command5[e.button("ll")]);
        e.click(e.f->Command2);
        e.click(e.f->Command5[e.button("l")]);
        QCOMPARE(e.f->Command2->text(), QStringLiteral("pluja"));
        e.click(e.f->Command2);
        QCOMPARE(e.f->Text1->toPlainText(), QStringLiteral("canya llet pluja "));
        QCOMPARE(e.f->Text3->text(), QStringLiteral("ny ll l ")); // "l" is a key apart from "ll"
        // A typed title or keys hold no more than their fields keep.
        e.f->Text3->clear();
        QTest::keyClicks(e.f->Text3, QString(40, 'k'));
        QCOMPARE(e.f->Text3->text(), QString(30, 'k'));
        e.f->Text2->clear();
        QTest::keyClicks(e.f->Text2, QString(29, 't'));
        QTest::sendKeyEvent(QTest::Click, e.f->Text2, Qt::Key_unknown, QString::fromUtf8("ŀ"), Qt::NoModifier);
        QTest::keyClicks(e.f->Text2, "x");
        QCOMPARE(e.f->Text2->text(), QString(29, 't') + "x");
        // A key that would pass the field is left out; its word still goes in.
        e.f->Text3->setText(QString(28, 'k') + " ");
        e.click(e.f->Command5[e.button("ny")]);
        e.click(e.f->Command2);
        QCOMPARE(e.f->Text3->text(), QString(28, 'k') + " ");
        QVERIFY(e.f->Text1->toPlainText().endsWith(QStringLiteral("canya ")));
    }

    // The search starts at the next draw of the program's generator, which is not reseeded.
    void drawContinuesGenerator() {
        Editor e;
        QStringList words;
        for (int i = 0; i < 30; ++i)
            words << QStringLiteral("s%1").arg(i);
        e.loadList(words);
        Random copy;
        copy.seed(1234);
        e.t.random.seed(1234);
        for (int i = 0; i < 10; ++i) {
            const int expected = static_cast<int>(30 * copy.Rnd());
            e.click(e.f->Command5[e.button("s")]);
            QCOMPARE(e.f->Command2->text(), words.at(expected));
        }
    }

    // Nothing proposed: "..." appends nothing, before any button and after a fruitless one.
    void appendWithoutProposal() {
        Editor e;
        const QString text = e.f->Text1->toPlainText();
        const QString keys = e.f->Text3->text();
        e.click(e.f->Command2);
        e.click(e.f->Command5[e.button("tx")]); // no list loaded
        QCOMPARE(e.f->Command2->text(), QString());
        e.click(e.f->Command2);
        e.loadList({"casa"});
        e.click(e.f->Command5[e.button("tx")]);
        e.click(e.f->Command2);
        QCOMPARE(e.f->Text1->toPlainText(), text);
        QCOMPARE(e.f->Text3->text(), keys);
    }

    // A word appended to a loaded exercise is in the text saved, right after the exercise text.
    void appendToLoadedAndSave() {
        Editor e;
        e.f->HScroll1->setValue(3);
        const GapExercise before = stored(e.numbered(3));
        e.loadList({"xocolata"});
        e.click(e.f->Command5[e.button("x")]);
        e.click(e.f->Command2);
        e.save();
        const GapExercise after = stored(e.numbered(3));
        const QString kept = before.text.trimmed();
        QVERIFY(after.text.startsWith(kept));
        QCOMPARE(after.text.mid(kept.size()).trimmed(), QStringLiteral("xocolata"));
    }

    void saveNumbered() {
        Editor e;
        e.f->Text4->clear();
        e.f->SaveNumberedExercise();
        const QString name = e.f->Text4->text();
        QVERIFY(name.startsWith('d'));
        QVERIFY(QFileInfo(QDir(e.automatic).filePath(name + ".dat")).isFile());
        e.f->Text4->setText(QStringLiteral("a/b"));
        e.f->SaveNumberedExercise();
        QCOMPARE(e.t.dialogs.messages, QStringList{QStringLiteral("Error")});
    }

    void browserAndUnload() {
        Editor e;
        e.f->SSSS->trigger();
        QCOMPARE(e.t.launcher.requests.size(), 1);
        QVERIFY(e.t.launcher.requests.first().startsWith(QStringLiteral("url: ")));
        e.f->close();
        QCOMPARE(e.t.state().ActivityCode(), 0);
    }
};

QTEST_MAIN(TestGrabaci)
#include "tst_grabaci.moc"
