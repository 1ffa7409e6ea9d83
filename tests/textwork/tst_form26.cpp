// The letter-ordering window: its design, loading word lists, the layout of a word, picking and
// dropping letters, completing words and the track, failures of a load, and the name-list road.
#include "core/controls.h"
#include "core/palette.h"
#include "core/sharedstate.h"
#include "files.h"
#include "listitems.h"
#include "testservices.h"
#include "textwork/letterordering.h"
#include "wordgames/wordlistfile.h"

#include <QAction>
#include <QDir>
#include <QFrame>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <sys/stat.h>

namespace {
const QColor Yellow(255, 255, 0);

// The window, open, with a lists folder.
struct Game {
    TestServices t;
    Form26* f = nullptr;
    QString lists;

    Game() {
        f = &t.forms().show<Form26>();
        t.state().setActivityCode(4444);
        lists = QDir(t.programFolder()).filePath("llistes");
        QDir().mkpath(lists);
    }
    QString list(const QString& name, const QStringList& words) const {
        const QString path = QDir(lists).filePath(name);
        WriteWordList(path, words);
        return path;
    }
    // "LLISTES", choosing the file.
    void load(const QString& path) {
        t.dialogs.answerOpen(path);
        f->SSSSS->trigger();
    }
    // A pool of these entries and a new word from it.
    void deal(const QStringList& pool) {
        f->List1->clear();
        f->List1->addItems(pool);
        QTest::mouseClick(f->Command2, Qt::LeftButton);
    }
    void pick(int k) { QTest::mouseClick(f->Command3[k], Qt::LeftButton); }
    void drop(int k) { QTest::mouseClick(f->Command1[k], Qt::LeftButton); }
    QStringList slotTexts() const {
        QStringList out;
        for (QPushButton* b : f->Command1)
            out << b->text();
        return out;
    }
    int visible(const std::array<QPushButton*, 8>& buttons) const {
        int n = 0;
        for (QPushButton* b : buttons)
            n += b->isVisible() ? 1 : 0;
        return n;
    }
    int yellowCells() const {
        int n = 0;
        for (PictureBox* cell : f->Picture2)
            n += cell->BackColor() == Yellow ? 1 : 0;
        return n;
    }
    bool pickPointer() const { return f->cursor().shape() == Qt::BitmapCursor; }
    // Places every letter of the current word by picking the button that carries it.
    void spell() {
        const QString word = f->Label15->text();
        for (int k = 0; k < word.size(); ++k) {
            for (int b = 0; b < word.size(); ++b) {
                if (f->Command3[b]->text() != word.mid(k, 1)) continue;
                pick(b);
                drop(k);
                break;
            }
        }
    }
};
} // namespace

class TestForm26 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void design() {
        Game g;
        Form26& f = *g.f;
        QCOMPARE(f.windowTitle(), QString("Rodevuvo'Zidazo"));
        QCOMPARE(f.client->size(), QSize(997, 632));
        QCOMPARE(f.client->palette().color(QPalette::Window), QColor(128, 128, 128));
        QCOMPARE(f.SSSSS->text(), QString("LLISTES"));
        QCOMPARE(f.menuBar()->actions(), QList<QAction*>{f.SSSSS});
        QCOMPARE(f.base->geometry(), QRect(110, 23, 842, 579));
        QCOMPARE(f.base->Picture().size(), QSize(842, 579));

        QCOMPARE(f.List1->parentWidget(), f.base);
        QCOMPARE(f.List1->geometry(), QRect(136, 68, 194, 130));
        QCOMPARE(f.List1->count(), 0);
        QCOMPARE(f.List1->font().family(), QString("Courier New"));
        QCOMPARE(f.List1->font().pointSize(), 12);
        QVERIFY(f.List1->font().bold());
        QCOMPARE(f.Frame1->geometry(), QRect(135, 199, 606, 304));

        const int slotLefts[] = {16, 84, 152, 220, 288, 356, 424, 491};
        const int letterLefts[] = {15, 84, 153, 220, 288, 356, 424, 492};
        for (int k = 0; k < 8; ++k) {
            QPushButton* slot = f.Command1[k];
            QPushButton* letter = f.Command3[k];
            QCOMPARE(slot->objectName(), QString("Command1_%1").arg(k));
            QCOMPARE(letter->objectName(), QString("Command3_%1").arg(k));
            QCOMPARE(slot->parentWidget(), f.Frame1);
            QCOMPARE(slot->geometry(), QRect(slotLefts[k], k == 1 ? 33 : 32, 65, 81));
            QCOMPARE(letter->geometry(), QRect(letterLefts[k], k < 3 ? 117 : 116, 65, 109));
            QCOMPARE(slot->text(), QString("a"));
            QCOMPARE(letter->text(), QString("a"));
            QVERIFY(slot->isVisible());
            QVERIFY(letter->isVisible());
            QCOMPARE(slot->font().family(), QString("Courier New"));
            QCOMPARE(slot->font().pointSize(), 48);
            QVERIFY(slot->font().bold());
            QCOMPARE(letter->font().family(), QString("Times New Roman"));
            QCOMPARE(letter->font().pointSize(), 60);
        }
        QCOMPARE(f.Label15->geometry(), QRect(86, 228, 426, 70));
        QVERIFY(f.Label15->text().isEmpty());
        QCOMPARE(f.Label15->font().pointSize(), 48);
        QCOMPARE(f.Label15->palette().color(QPalette::WindowText), QColor(64, 64, 64));
        QCOMPARE(f.Command2->text(), QString(">>>>>>>"));
        QCOMPARE(f.Command2->size(), QSize(103, 37));

        for (int i = 0; i < 54; ++i) {
            PictureBox* cell = f.Picture2[i];
            QCOMPARE(cell->objectName(), QString("Picture2_%1").arg(i));
            QCOMPARE(cell->geometry(), QRect(676 + 12 * (i % 9), 56 + 12 * (i / 9), 13, 13));
            QCOMPARE(cell->BackColor() == Yellow, i == 0);
        }
        QCOMPARE(f.Label7, 0);
        QVERIFY(!f.Label2);
        QVERIFY(f.Picture1->isHidden());
        QCOMPARE(f.Picture1->Picture().size(), QSize(32, 32));
        QVERIFY(f.dis->isHidden());
        QVERIFY(f.pintar[2]->isHidden());
        QVERIFY(f.File2->isHidden());
        QCOMPARE(f.cursor().shape(), Qt::ArrowCursor);
    }

    void loadingAListDrawsAWord() {
        Game g;
        g.load(g.list("sol.bak", {"sol"}));
        const OpenRequest asked = g.t.dialogs.openRequests.value(0);
        QCOMPARE(asked.initDir, g.lists);
        QCOMPARE(asked.filter, QString("(*.bak)|*.bak|"));
        QCOMPARE(listItems(g.f->List1), QStringList{"sol"});
        QCOMPARE(g.f->Label15->text(), QString("sol"));
        QCOMPARE(g.slotTexts(), QStringList(8, QString()));
        QCOMPARE(g.visible(g.f->Command1), 3);
        QCOMPARE(g.visible(g.f->Command3), 3);
        // o, l, s under slots 0, 1, 2.
        QCOMPARE(g.f->Command3[0]->text(), QString("s"));
        QCOMPARE(g.f->Command3[0]->x(), g.f->Command1[2]->x());
        QCOMPARE(g.f->Command3[1]->x(), g.f->Command1[0]->x());
        QCOMPARE(g.f->Command3[2]->x(), g.f->Command1[1]->x());
        QCOMPARE(g.f->Command3[0]->y(), 117);
        QCOMPARE(g.f->List2, (QList<int>{240, 1260, 2280}));
        QCOMPARE(g.f->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(g.t.dialogs.messages.isEmpty());
        QCOMPARE(g.t.services().currentFolder, g.lists);
    }

    void layoutByLength_data() {
        QTest::addColumn<QString>("word");
        QTest::newRow("1") << "a";
        QTest::newRow("2") << "ou";
        QTest::newRow("3") << "sol";
        QTest::newRow("4") << "casa";
        QTest::newRow("5") << "poma!";
        QTest::newRow("6") << "abella";
        QTest::newRow("7") << "cirera";
        QTest::newRow("8") << "elefants";
    }
    void layoutByLength() {
        QFETCH(QString, word);
        Game g;
        g.deal({word});
        const int n = int(word.size());
        QCOMPARE(g.visible(g.f->Command1), n);
        QCOMPARE(g.visible(g.f->Command3), n);
        for (int k = 0; k < n; ++k) {
            QCOMPARE(g.f->Command3[k]->text(), word.mid(k, 1));
            const int slot = letterordering::LetterScrambleTable(n, k);
            // Short words are not scrambled: their buttons keep their design place.
            const int left = slot < 0 ? Form26::LetterLeft[k] : Form26::SlotLeft[slot];
            QCOMPARE(g.f->Command3[k]->x(), left / 15);
        }
    }

    void shortWordKeepsTheLastPlaces() {
        Game g;
        g.deal({"casa"});
        const int first = g.f->Command3[0]->x();
        const int second = g.f->Command3[1]->x();
        g.deal({"ou"});
        QCOMPARE(g.f->Command3[0]->x(), first);
        QCOMPARE(g.f->Command3[1]->x(), second);
        QCOMPARE(g.visible(g.f->Command1), 2);
    }

    void emptyBoards_data() {
        QTest::addColumn<QStringList>("pool");
        QTest::newRow("empty pool") << QStringList{};
        QTest::newRow("only long entries") << QStringList{"meravello", "bicicleta"};
    }
    void emptyBoards() {
        QFETCH(QStringList, pool);
        Game g;
        g.deal(pool);
        QVERIFY(g.f->Label15->text().isEmpty());
        QCOMPARE(g.visible(g.f->Command1), 0);
        QCOMPARE(g.visible(g.f->Command3), 0);
        QCOMPARE(listItems(g.f->List1), pool);
    }

    void equalLettersAreInterchangeable() {
        Game g;
        g.deal({"casa"});
        g.pick(1); // an "a" into the other "a"'s slot
        QVERIFY(g.pickPointer());
        g.drop(3);
        QCOMPARE(g.f->Command1[3]->text(), QString("a"));
        QVERIFY(g.f->Command3[1]->text().isEmpty());
        QVERIFY(!g.pickPointer());
        QCOMPARE(g.f->Label6, 1);
        g.pick(3);
        g.drop(1);
        QCOMPARE(g.slotTexts(), (QStringList{"", "a", "", "a", "", "", "", ""}));
        QCOMPARE(g.f->Label6, 2);
    }

    void wrongSlotKeepsThePick() {
        Game g;
        g.deal({"casa"});
        g.pick(0); // "c"
        g.drop(1);
        QCOMPARE(g.slotTexts(), QStringList(8, QString()));
        QVERIFY(g.pickPointer());
        QCOMPARE(g.f->Label2, std::optional<int>(0));
        g.drop(0);
        QCOMPARE(g.f->Command1[0]->text(), QString("c"));
    }

    void noDropWithoutAPick() {
        Game g;
        g.deal({"sol"});
        g.drop(0); // nothing picked: slot 0 no longer takes letter 0 by itself
        QCOMPARE(g.slotTexts(), QStringList(8, QString()));
        g.pick(0);
        QTest::mouseClick(g.f->Command2, Qt::LeftButton); // a new word ends the pick
        QVERIFY(!g.f->Label2);
        QVERIFY(!g.pickPointer());
        g.drop(0);
        QCOMPARE(g.slotTexts(), QStringList(8, QString()));
        // A placed letter's button is empty and can't be picked again.
        g.pick(0);
        g.drop(0);
        QCOMPARE(g.f->Command1[0]->text(), QString("s"));
        g.pick(0);
        QVERIFY(!g.f->Label2);
        QVERIFY(!g.pickPointer());
    }

    void designStateTakesNothing() {
        Game g;
        g.pick(0);
        g.drop(0);
        QCOMPARE(g.slotTexts(), QStringList(8, "a"));
        QCOMPARE(g.f->Label7, 0);
    }

    void completingAWordDrawsTheNext() {
        Game g;
        g.deal({"sol"});
        g.pick(0); // "s"
        g.drop(0);
        g.pick(1); // "o"
        g.drop(1);
        QCOMPARE(g.f->Label7, 0);
        g.pick(2);
        g.drop(2);
        QCOMPARE(g.f->Label7, 1);
        QCOMPARE(g.yellowCells(), 2);
        QCOMPARE(g.f->Picture2[1]->BackColor(), Yellow);
        QCOMPARE(g.slotTexts(), QStringList(8, QString()));
        QCOMPARE(g.f->Command3[0]->text(), QString("s"));
        QCOMPARE(g.f->Label6, 0);
        QVERIFY(!g.pickPointer());
    }

    void theTrackFillsAndWordsStillCount() {
        Game g;
        g.deal({"casa", "sol", "ou"});
        for (int n = 1; n <= 56; ++n) {
            g.spell();
            QCOMPARE(g.f->Label7, n);
            QCOMPARE(g.yellowCells(), qMin(n + 1, 54));
        }
    }

    void releaseChecksTheWordAgainstTheCount() {
        // The release check compares the word with the count of letters placed, as texts: only a
        // word that is that number passes, and counts as done.
        Game g;
        g.deal({"0"});
        QTest::mouseClick(g.f->Command1[0], Qt::RightButton);
        QCOMPARE(g.f->Label7, 1);
        g.deal({"sol"});
        QTest::mouseClick(g.f->Command1[1], Qt::RightButton);
        QCOMPARE(g.f->Label7, 1);
    }

    void listsAddToThePool() {
        Game g;
        const QString path = g.list("paraules.bak", {"sol", "meravellosos", "mar"});
        g.load(path);
        QCOMPARE(listItems(g.f->List1), (QStringList{"sol", "meravello", "mar"}));
        g.load(path);
        QCOMPARE(listItems(g.f->List1), (QStringList{"sol", "meravello", "mar", "sol", "meravello", "mar"}));
        for (int i = 0; i < 30; ++i) {
            QTest::mouseClick(g.f->Command2, Qt::LeftButton);
            QVERIFY(g.f->Label15->text() != "meravello");
        }
    }

    void shortLastRecord() {
        Game g;
        const QString path = g.list("curt.bak", {"sol", "mar", "gat"});
        QByteArray bytes = readFileBytes(path);
        bytes.chop(5);
        QVERIFY(writeFileBytes(path, bytes));
        g.load(path);
        QCOMPARE(listItems(g.f->List1), (QStringList{"sol", "mar"}));
    }

    void cancelDoesNothing() {
        Game g;
        g.t.dialogs.cancelOpen();
        g.f->SSSSS->trigger();
        QCOMPARE(g.f->List1->count(), 0);
        QCOMPARE(g.slotTexts(), QStringList(8, "a"));
        QVERIFY(g.t.dialogs.messages.isEmpty());
    }

    void unreadableListShowsError() {
        Game g;
        g.load(g.list("sol.bak", {"sol"}));
        const QString fifo = QDir(g.lists).filePath("tub.bak");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        g.load(fifo);
        QCOMPARE(g.t.dialogs.messages, QStringList{"Error"});
        QCOMPARE(listItems(g.f->List1), QStringList{"sol"});
        QCOMPARE(g.f->cursor().shape(), Qt::ArrowCursor);
        // A failed dialog too.
        g.t.dialogs.failOpen();
        g.f->SSSSS->trigger();
        QCOMPARE(g.t.dialogs.messages, (QStringList{"Error", "Error"}));
        QCOMPARE(listItems(g.f->List1), QStringList{"sol"});
    }

    void pressOnTheBackgroundClearsTheCode() {
        Game g;
        QTest::mousePress(g.f->base, Qt::LeftButton, {}, QPoint(400, 20));
        QCOMPARE(g.t.state().ActivityCode(), 4444);
        QTest::mousePress(g.f->client, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(g.t.state().ActivityCode(), 0);
    }

    void nameListFromTheFileList() {
        Game g;
        const QString dib = QDir(g.t.services().currentFolder).filePath("dib");
        QVERIFY(QDir().mkpath(dib));
        QByteArray names =
            QByteArray("Dani") + QByteArray(12, '\0') + QByteArray("Bea") + QByteArray(13, '\0');
        QVERIFY(writeFileBytes(QDir(dib).filePath("noms"), names));
        g.f->List1->addItem("vell");
        g.f->dis_Click();
        QVERIFY(g.f->File2->isVisible());
        QCOMPARE(listItems(g.f->File2), QStringList{"noms"});
        g.f->File2->setCurrentRow(0);
        g.f->File2_Click();
        QCOMPARE(listItems(g.f->List1), QStringList{"Dani"});
        QCOMPARE(g.f->Label15->text(), QString("Dani"));
        QVERIFY(g.f->File2->isHidden());
    }

    void nameListByNumberDrawsNothing() {
        Game g;
        const QString dib = QDir(g.t.services().currentFolder).filePath("dib");
        QVERIFY(QDir().mkpath(dib));
        QVERIFY(writeFileBytes(QDir(dib).filePath("nomdib0"), QByteArray("Bea") + QByteArray(13, '\0')));
        g.f->LoadNameListByNumber(15);
        QCOMPARE(listItems(g.f->List1), QStringList{"Bea"});
        QVERIFY(g.f->Label15->text().isEmpty());
        g.f->LoadNameListByNumber(14); // nomdib1 is missing
        QCOMPARE(g.t.dialogs.messages, QStringList{"Error"});
        QCOMPARE(listItems(g.f->List1), QStringList{"Bea"});
    }

    void askedNameList_data() {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<QStringList>("pool");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("cancel") << std::optional<QString>() << QStringList{"vell"} << QStringList{};
        QTest::newRow("empty") << std::optional<QString>("") << QStringList{"vell"} << QStringList{};
        QTest::newRow("a path") << std::optional<QString>("../noms") << QStringList{"vell"}
                                << QStringList{"Error"};
        QTest::newRow("missing") << std::optional<QString>("cap") << QStringList{"vell"}
                                 << QStringList{"Error"};
        QTest::newRow("a name list") << std::optional<QString>("noms") << QStringList{"Dani"}
                                     << QStringList{};
    }
    void askedNameList() {
        QFETCH(std::optional<QString>, answer);
        QFETCH(QStringList, pool);
        QFETCH(QStringList, messages);
        Game g;
        const QString dib = QDir(g.t.services().currentFolder).filePath("dib");
        QVERIFY(QDir().mkpath(dib));
        QVERIFY(writeFileBytes(QDir(dib).filePath("noms"), QByteArray("Dani") + QByteArray(12, '\0')));
        QVERIFY(writeFileBytes(QDir(g.t.services().currentFolder).filePath("noms"), QByteArray(16, 'x')));
        g.f->List1->addItem("vell");
        g.t.dialogs.answerInput(answer);
        g.f->AskNameListFile();
        QCOMPARE(g.t.dialogs.inputPrompts, QStringList{"Escriu un nom de sis lletres"});
        QCOMPARE(listItems(g.f->List1), pool);
        QCOMPARE(g.t.dialogs.messages, messages);
    }

    void pintarClosesTheWindow() {
        Game g;
        g.f->pintar_Click(2);
        QVERIFY(!g.t.forms().isLoaded("Form26"));
        QCOMPARE(g.t.state().ActivityCode(), 0);
    }
};

QTEST_MAIN(TestForm26)
#include "tst_form26.moc"
