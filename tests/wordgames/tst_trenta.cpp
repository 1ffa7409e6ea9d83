// The word-list editor: its panels, text-to-list conversion and saving, opening and editing lists.
#include "core/controls.h"
#include "files.h"
#include "fulldisk.h"
#include "listitems.h"
#include "testservices.h"
#include "wordgames/trenta.h"
#include "wordgames/wordlistfile.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace {
// The editor, open, with the lists folder at hand.
struct Editor {
    TestServices t;
    trenta* f = nullptr;
    QString lists;

    Editor() {
        f = &t.forms().show<trenta>();
        t.state().setActivityCode(800);
        lists = QDir(t.programFolder()).filePath("llistes");
        QDir().mkpath(lists);
    }
    QString list(const QString& name) const { return QDir(lists).filePath(name); }
    bool open() { return t.forms().isLoaded("trenta"); }
    // "CREAR", the text, then the button.
    void convert(const QString& text) {
        f->CREAR->trigger();
        f->Text1->setPlainText(text);
        QTest::mouseClick(f->Command9, Qt::LeftButton);
    }
};
} // namespace

class TestTrenta : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void design() {
        Editor e;
        trenta& f = *e.f;
        QCOMPARE(f.windowTitle(), QString("  EDITAR-CREAR LLISTES DE PARAULES"));
        QCOMPARE(f.client->size(), QSize(728, 482));
        const QList<QAction*> menus = f.menuBar()->actions();
        QCOMPARE(menus.size(), 2);
        QCOMPARE(menus[0], f.OBRESS);
        QCOMPARE(f.OBRESS->text(), QString("EDITAR"));
        QCOMPARE(f.CREAR->text(), QString("CREAR"));
        QCOMPARE(f.OBRESS->objectName(), QString("OBRESS"));

        QCOMPARE(f.Picture8->geometry(), QRect(0, 0, 730, 487));
        QCOMPARE(f.Picture8->BackColor(), QColor(64, 64, 64));
        QVERIFY(f.Picture8->isVisible());
        QCOMPARE(f.List7->geometry(), QRect(3, 6, 719, 470));
        QCOMPARE(f.List7->count(), 0);
        QCOMPARE(f.Picture6->geometry(), QRect(-6, 0, 736, 484));
        QCOMPARE(f.Picture6->BackColor(), QColor(64, 64, 64));
        QVERIFY(!f.Picture6->isVisible());
        QCOMPARE(f.Text1->geometry(), QRect(9, 33, 724, 430));
        QCOMPARE(f.Text1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QVERIFY(f.Text1->toPlainText().isEmpty());
        QCOMPARE(f.Command9->text(), QString("Crear llista de paraules"));
        QCOMPARE(f.Command9->geometry(), QRect(15, 6, 428, 24));
        QCOMPARE(f.Command9->font().pointSize(), 18);
        QVERIFY(f.Command9->font().bold());
        QCOMPARE(
            f.Label1->text(),
            QString::fromUtf8(
                "  Copy -> paste a sobre de la finestra de Text i a continuació Crear Llista de Paraules"));
        QCOMPARE(f.Label1->geometry(), QRect(9, 465, 703, 22));
        QCOMPARE(f.Label1->palette().color(QPalette::WindowText), QColor(224, 224, 224));
        QVERIFY(f.Label1->fontMetrics().horizontalAdvance(f.Label1->text()) <= f.Label1->width());
        QCOMPARE(f.Label16->geometry(), QRect(555, 0, 132, 52));
        QCOMPARE(f.Label12->geometry(), QRect(505, 4, 75, 53));
        QCOMPARE(f.Label10->geometry(), QRect(556, 8, 41, 33));
        QCOMPARE(f.Label13->geometry(), QRect(585, -9, 59, 43));
        QCOMPARE(f.Label5->geometry(), QRect(14, 383, 157, 19));
    }

    void closeZones_data() {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<bool>("textPanel");
        QTest::newRow("Label5") << "Label5" << false;
        QTest::newRow("Label10") << "Label10" << false;
        QTest::newRow("Label13") << "Label13" << false;
        QTest::newRow("Label12") << "Label12" << true;
        QTest::newRow("Label16") << "Label16" << true;
    }
    void closeZones() {
        QFETCH(QString, zone);
        QFETCH(bool, textPanel);
        Editor e;
        if (textPanel) e.f->CREAR->trigger();
        auto* label = e.f->findChild<ClickZone*>(zone);
        QVERIFY(label);
        QVERIFY(label->text().isEmpty());
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(1, 1));
        QVERIFY(!e.open());
        QCOMPARE(e.t.state().ActivityCode(), 0);
    }

    void closeBandAboveTheText() {
        // On the text panel only the band right of the button and above the text takes a click.
        Editor e;
        e.f->CREAR->trigger();
        QCOMPARE(e.f->Picture6->childAt(520, 20), e.f->Label12);
        QCOMPARE(e.f->Picture6->childAt(600, 20), e.f->Label16);
        QVERIFY(e.f->Text1->isAncestorOf(e.f->Picture6->childAt(600, 40)));
        QCOMPARE(e.f->Picture6->childAt(400, 20), e.f->Command9);
    }

    void crearShowsTheTextPanelAndKeepsTheText() {
        Editor e;
        e.f->CREAR->trigger();
        QVERIFY(e.f->Picture6->isVisible());
        QVERIFY(!e.f->Picture8->isVisible());
        e.f->Text1->setPlainText("gat");
        e.f->OBRESS->trigger(); // cancelled
        e.f->CREAR->trigger();
        QCOMPARE(e.f->Text1->toPlainText(), QString("gat"));
    }

    void convertAndSave_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("one word, many cases") << "La casa, la CASA i la Casa." << QStringList{"casa"};
        QTest::newRow("apostrophe and digits") << "L'escola del 2005 " << QStringList{"del", "escola"};
        QTest::newRow("capital accent")
            << QString::fromUtf8("ÀVIA ") << QStringList{QString::fromUtf8("àvia")};
        QTest::newRow("foreign accent") << QString::fromUtf8("così ") << QStringList{"cos"};
        QTest::newRow("middle dot") << QString::fromUtf8("col·legi ")
                                    << QStringList{QString::fromUtf8("col·legi")};
        QTest::newRow("last word kept") << "gat gos" << QStringList{"gat", "gos"};
        QTest::newRow("too long a word left out")
            << "zebra desafortunadament abella" << QStringList{"abella", "zebra"};
        QTest::newRow("empty text") << "" << QStringList{};
    }
    void convertAndSave() {
        QFETCH(QString, text);
        QFETCH(QStringList, words);
        Editor e;
        e.t.dialogs.answerOpen(e.list("nova"));
        e.convert(text);

        QCOMPARE(e.t.dialogs.openRequests.size(), 1);
        QCOMPARE(e.t.dialogs.openRequests[0].initDir, e.lists);
        QCOMPARE(e.t.dialogs.openRequests[0].filter, QString("(*.bak)|*.bak|"));
        QVERIFY(e.t.dialogs.messages.isEmpty());
        QVERIFY(QFileInfo::exists(e.list("nova.bak")));
        QCOMPARE(readFileBytes(e.list("nova.bak")).size(), words.size() * 20);
        QCOMPARE(ReadWordList(e.list("nova.bak")), words);
        QVERIFY(!e.open());
        QCOMPARE(e.t.state().ActivityCode(), 0);
    }

    void bakIsAddedOnlyWhenMissing_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("saved");
        QTest::newRow("typed name") << "x"
                                    << "x.bak";
        QTest::newRow("existing list") << "x.bak"
                                       << "x.bak";
        QTest::newRow("upper case") << "X.BAK"
                                    << "X.BAK";
        QTest::newRow("other extension") << "x.txt"
                                         << "x.txt.bak";
    }
    void bakIsAddedOnlyWhenMissing() {
        QFETCH(QString, chosen);
        QFETCH(QString, saved);
        Editor e;
        QVERIFY(writeFileBytes(e.list(chosen), QByteArray(200, 'z')));
        e.t.dialogs.answerOpen(e.list(chosen));
        e.t.dialogs.answerYesNo(true);
        e.convert("gat ");
        QCOMPARE(ReadWordList(e.list(saved)), QStringList{"gat"});
        QCOMPARE(QDir(e.lists).entryList(QDir::Files).size(), chosen == saved ? 1 : 2);
    }

    // A list already there is replaced only when the user says Yes (No is the default); a new
    // name is written without a question.
    void replacingAListAsksFirst_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("answer"); // "yes", "no", or "none" when nothing is scripted
        QTest::newRow("shipped list, Yes") << "animals.bak"
                                           << "yes";
        QTest::newRow("shipped list, No") << "animals.bak"
                                          << "no";
        QTest::newRow("typed name of a list, No") << "animals"
                                                  << "no";
        QTest::newRow("list in upper case, No by default") << "ANIMALS.BAK"
                                                           << "none";
        QTest::newRow("new name") << "nova"
                                  << "none";
        QTest::newRow("typed name in other case, Yes") << "Animals"
                                                       << "yes";
        QTest::newRow("typed name in other case, No") << "Animals.BAK"
                                                      << "no";
    }
    void replacingAListAsksFirst() {
        QFETCH(QString, chosen);
        QFETCH(QString, answer);
        Editor e;
        const QString shipped = e.list(chosen.startsWith("ANIMALS") ? "ANIMALS.BAK" : "animals.bak");
        QVERIFY(WriteWordList(shipped, {"cavall", "gat", "gos"}));
        const QByteArray before = readFileBytes(shipped);
        e.t.dialogs.answerOpen(e.list(chosen));
        if (answer != "none") e.t.dialogs.answerYesNo(answer == "yes");
        e.convert("lleó tigre ");

        const bool existing = chosen != "nova";
        const QString asked = QFileInfo(shipped).fileName();
        QCOMPARE(e.t.dialogs.yesNoTexts,
                 existing ? QStringList{QString::fromUtf8("Ja hi ha una llista amb el nom «%1».\nVols "
                                                          "substituir-ne les paraules per les noves?")
                                            .arg(asked)}
                          : QStringList{});
        QVERIFY(e.t.dialogs.messages.isEmpty());
        if (!existing) {
            QCOMPARE(ReadWordList(e.list("nova.bak")), (QStringList{QString::fromUtf8("lleó"), "tigre"}));
            QVERIFY(!e.open());
        } else if (answer == "yes") {
            QCOMPARE(ReadWordList(shipped), (QStringList{QString::fromUtf8("lleó"), "tigre"}));
            QVERIFY(!e.open());
        } else {
            QCOMPARE(readFileBytes(shipped), before);
            QCOMPARE(QDir(e.lists).entryList(QDir::Files), QStringList{asked});
            QVERIFY(e.open()); // as after a cancel: "CREAR" brings the text back
            e.f->CREAR->trigger();
            QCOMPARE(e.f->Text1->toPlainText(), QString::fromUtf8("lleó tigre "));
        }
    }

    // Pasted with combining accents, the text lands composed in the box and its words are whole.
    void decomposedPasteGivesWholeWords() {
        Editor e;
        e.f->CREAR->trigger();
        const QString composed = QString::fromUtf8("Línia d'acceptació: cançó, pingüí i coŀlegi.");
        QApplication::clipboard()->setText(composed.normalized(QString::NormalizationForm_D));
        e.f->Text1->paste();
        QCOMPARE(e.f->Text1->toPlainText(), composed);
        e.t.dialogs.answerOpen(e.list("nova"));
        QTest::mouseClick(e.f->Command9, Qt::LeftButton);
        QCOMPARE(ReadWordList(e.list("nova.bak")),
                 (QStringList{QString::fromUtf8("acceptació"), QString::fromUtf8("cançó"),
                              QString::fromUtf8("col·legi"), QString::fromUtf8("línia"),
                              QString::fromUtf8("pingüí")}));
    }

    void progressCaptionStays() {
        Editor e;
        e.convert("gat gos!"); // the dialog is cancelled
        QCOMPARE(e.f->windowTitle(), QString::fromUtf8("Escanejant texte. Posició: 8!"));
    }

    void cancelWritesNothingAndAFreshTextConvertsAfresh() {
        Editor e;
        e.convert("primer text amb paraules");
        QVERIFY(e.open());
        QVERIFY(!e.f->Picture6->isVisible());
        QVERIFY(!e.f->Picture8->isVisible());
        QVERIFY(QDir(e.lists).entryList(QDir::Files).isEmpty());
        QVERIFY(e.t.dialogs.messages.isEmpty());

        e.t.dialogs.answerOpen(e.list("segona"));
        e.convert("segon segon gos");
        QCOMPARE(ReadWordList(e.list("segona.bak")), (QStringList{"gos", "segon"}));
    }

    void failuresShowErrorAndKeepTheOldList_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("dialog failed") << 0;
        QTest::newRow("unsafe typed name") << 1;
        QTest::newRow("folder cannot take the file") << 2;
    }
    void failuresShowErrorAndKeepTheOldList() {
        QFETCH(int, kind);
        Editor e;
        const QByteArray old = wordRecord("vell");
        QVERIFY(writeFileBytes(e.list("vella.bak"), old));
        if (kind == 0) e.t.dialogs.failOpen();
        if (kind == 1) e.t.dialogs.answerOpen(e.lists + "/");
        if (kind == 2) e.t.dialogs.answerOpen(QDir(e.lists).filePath("no/such/folder/x"));
        e.convert("gat gos ");
        QCOMPARE(e.t.dialogs.messages, QStringList{"Error"});
        QVERIFY(e.open());
        QCOMPARE(e.f->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(readFileBytes(e.list("vella.bak")), old);
        QCOMPARE(QDir(e.lists).entryList(QDir::Files), QStringList{"vella.bak"});
    }

    // A list the disk refuses: "Error", the editor stays open, and the lists already there are
    // as they were, with no piece of the new one beside them.
    void aFullDiskShowsError_data() { addRefusingPlaceRows(); }
    void aFullDiskShowsError() {
        QFETCH(int, kind);
        RefusingPlace place{RefusingPlace::Kind(kind)};
        if (!place.ready()) QSKIP(qPrintable(place.reason()));
        Editor e;
        e.lists = place.folder();
        QVERIFY(writeFileBytes(e.list("vella.bak"), wordRecord("vell")));
        place.refuse();
        const QMap<QString, QByteArray> full = folderContents(place.folder());
        e.t.dialogs.answerOpen(e.list("nova"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot write"));
        e.convert("gat gos cavall ase ovella vaca porc gallina conill ànec oca colom");
        place.allow();
        QCOMPARE(e.t.dialogs.messages, QStringList{"Error"});
        QVERIFY(e.open());
        QCOMPARE(folderContents(place.folder()), full);
    }

    void editarOpensAList() {
        Editor e;
        QVERIFY(writeFileBytes(e.list("dues.bak"),
                               wordRecord("casa") + wordRecord("abcdefghijklmnop") + "xxxxx"));
        e.f->CREAR->trigger();
        e.t.dialogs.answerOpen(e.list("dues.bak"));
        e.f->OBRESS->trigger();
        QCOMPARE(e.t.dialogs.openRequests.size(), 1);
        QCOMPARE(e.t.dialogs.openRequests[0].filter, QString("(*.bak)|*.bak;)"));
        QCOMPARE(e.t.dialogs.openRequests[0].initDir, e.lists);
        QVERIFY(e.f->Picture8->isVisible());
        QVERIFY(!e.f->Picture6->isVisible());
        QCOMPARE(listItems(e.f->List7), (QStringList{"casa", "abcdefghijklmnop"}));

        // A cancelled dialog leaves the list as it was; a name that names no file shows it empty.
        e.f->OBRESS->trigger();
        QCOMPARE(e.f->List7->count(), 2);
        e.t.dialogs.answerOpen(e.list("cap"));
        e.f->OBRESS->trigger();
        QCOMPARE(e.f->List7->count(), 0);
        QVERIFY(!QFileInfo::exists(e.list("cap")));
        QVERIFY(e.t.dialogs.messages.isEmpty());

        // A failed dialog or an unusable name: "Error", the list stays.
        e.t.dialogs.answerOpen(e.list("dues.bak"));
        e.f->OBRESS->trigger();
        e.t.dialogs.failOpen();
        e.f->OBRESS->trigger();
        e.t.dialogs.answerOpen(e.lists);
        e.f->OBRESS->trigger();
        QCOMPARE(e.t.dialogs.messages, (QStringList{"Error", "Error"}));
        QCOMPARE(e.f->List7->count(), 2);
    }

    void insertReplacesTheSelectedWord_data() {
        QTest::addColumn<bool>("select");
        QTest::addColumn<int>("key");
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QString>("shown");
        QTest::newRow("answered") << true << int(Qt::Key_Insert) << std::optional<QString>("cases") << true
                                  << "cases";
        QTest::newRow("kept as typed")
            << true << int(Qt::Key_Insert) << std::optional<QString>("Cases Llargues de Debò") << true
            << QString::fromUtf8("Cases Llargues de Debò");
        QTest::newRow("empty answer")
            << true << int(Qt::Key_Insert) << std::optional<QString>("") << true << "casa";
        QTest::newRow("cancelled") << true << int(Qt::Key_Insert) << std::optional<QString>() << true
                                   << "casa";
        QTest::newRow("other key") << true << int(Qt::Key_Minus) << std::optional<QString>("cases") << false
                                   << "casa";
        QTest::newRow("nothing selected")
            << false << int(Qt::Key_Insert) << std::optional<QString>("cases") << false << "casa";
    }
    void insertReplacesTheSelectedWord() {
        QFETCH(bool, select);
        QFETCH(int, key);
        QFETCH(std::optional<QString>, answer);
        QFETCH(bool, asked);
        QFETCH(QString, shown);
        Editor e;
        const QByteArray file = wordRecord("abella") + wordRecord("casa");
        QVERIFY(writeFileBytes(e.list("l.bak"), file));
        e.t.dialogs.answerOpen(e.list("l.bak"));
        e.f->OBRESS->trigger();
        if (select) e.f->List7->setCurrentRow(1);
        e.t.dialogs.answerInput(answer);
        QTest::keyRelease(e.f->List7, Qt::Key(key));
        if (asked) {
            QCOMPARE(e.t.dialogs.inputPrompts, QStringList{"casa per..."});
            QCOMPARE(e.t.dialogs.inputTitles, QStringList{"CAMBIAR PALABRA"});
        } else {
            QVERIFY(e.t.dialogs.inputPrompts.isEmpty());
        }
        QCOMPARE(listItems(e.f->List7), (QStringList{"abella", shown}));
        QCOMPARE(readFileBytes(e.list("l.bak")), file);
    }
};

QTEST_MAIN(TestTrenta)
#include "tst_trenta.moc"
