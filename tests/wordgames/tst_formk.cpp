// The alphabetical-order window: its design, dealing from a chosen list, the move, completing a
// column and the score row, revealing the answer, and dealing with no list or a broken one.
#include "core/catalansort.h"
#include "core/controls.h"
#include "core/palette.h"
#include "files.h"
#include "listitems.h"
#include "testservices.h"
#include "wordgames/formk.h"
#include "wordgames/wordlistfile.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {
const QColor Yellow(255, 255, 0);

// Every file below a folder.
QStringList filesBelow(const QString& folder) {
    QStringList out;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        out << it.next();
    out.sort();
    return out;
}

// The window, open, with a lists folder.
struct Game {
    TestServices t;
    formk* f = nullptr;
    QString lists;

    Game() {
        f = &t.forms().show<formk>();
        t.state().setActivityCode(1);
        lists = QDir(t.programFolder()).filePath("llistes");
        QDir().mkpath(lists);
    }
    QString list(const QString& name, const QStringList& words) const {
        const QString path = QDir(lists).filePath(name);
        WriteWordList(path, words);
        return path;
    }
    // "llista", choosing the file.
    void choose(const QString& path) {
        t.dialogs.answerOpen(path);
        QTest::mouseClick(f->Command4, Qt::LeftButton);
    }
    void clickWord(int button) { QTest::mouseClick(f->Command1[button], Qt::LeftButton); }
    int slotOf(int button) const { return (f->Command1[button]->y() - 16) / 36; }
    QStringList captions() const {
        QStringList out;
        for (QPushButton* b : f->Command1)
            out << b->text();
        return out;
    }
    // Puts these words on the buttons, top to bottom, with their answer: a column as dealt.
    void setColumn(const QStringList& words) {
        f->llena();
        for (int k = 0; k < 8; ++k)
            f->Command1[k]->setText(words[k]);
        QStringList sorted = words;
        std::sort(sorted.begin(), sorted.end());
        f->List1->clear();
        f->List1->addItems(sorted);
    }
    int yellowCells() const {
        int n = 0;
        for (PictureBox* cell : f->Picture1)
            if (cell && cell->BackColor() == Yellow) ++n;
        return n;
    }
};
} // namespace

class TestFormk : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void design() {
        Game g;
        formk& f = *g.f;
        QCOMPARE(f.windowTitle(), QString::fromUtf8("Ordenar alfabèticament.."));
        QCOMPARE(f.size(), QSize(839, 576));
        QCOMPARE(f.palette().color(QPalette::Window), QColor(22, 44, 99));
        QCOMPARE(f.base->geometry(), QRect(-2, -2, 842, 579));
        QVERIFY(!f.base->Picture().isNull());
        QCOMPARE(f.childAt(5, 5), f.base);

        for (int k = 0; k < 8; ++k) {
            QPushButton* b = f.Command1[k];
            QCOMPARE(b->objectName(), QString("Command1_%1").arg(k));
            QCOMPARE(b->geometry(), QRect(267, 16 + 36 * k, 293, 36));
            QVERIFY(b->text().isEmpty());
            QVERIFY(b->isEnabled());
            QCOMPARE(b->font().family(), QString("Courier New"));
            QVERIFY(b->font().bold());
            QCOMPARE(b->font().pointSize(), 22);
            QCOMPARE(f.childAt(b->geometry().center()), b);
        }
        QCOMPARE(f.List1->geometry(), QRect(633, 58, 161, 244));
        QCOMPARE(f.List1->count(), 0);
        QCOMPARE(f.List1->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(f.List1->palette().color(QPalette::Text), QColor(250, 250, 250));
        QCOMPARE(f.List1->font().family(), QString("MS Sans Serif"));
        QCOMPARE(f.List1->font().pointSize(), 12);

        QCOMPARE(f.Command2->geometry(), QRect(644, 305, 31, 17));
        QCOMPARE(f.Command3->geometry(), QRect(678, 305, 33, 17));
        QVERIFY(f.Command2->text().isEmpty());
        QVERIFY(f.Command3->text().isEmpty());
        QCOMPARE(f.Command4->geometry(), QRect(88, 401, 148, 25));
        QCOMPARE(f.Command4->text(), QString("llista"));
        QCOMPARE(f.Command5->geometry(), QRect(238, 401, 142, 25));
        QCOMPARE(f.Command5->text(), QString(">>>>"));
        for (QPushButton* b : {f.Command4, f.Command5}) {
            QCOMPARE(b->font().family(), QString("Courier New"));
            QCOMPARE(b->font().pointSizeF(), 15.75);
            QVERIFY(b->font().bold());
        }

        // 42 score cells, one in each column of the row; 40 and 41 have none.
        QList<int> lefts;
        for (int i = 0; i < 44; ++i) {
            if (i == 40 || i == 41) {
                QVERIFY(!f.Picture1[i]);
                continue;
            }
            QVERIFY(f.Picture1[i]);
            QCOMPARE(f.Picture1[i]->objectName(), QString("Picture1_%1").arg(i));
            QCOMPARE(f.Picture1[i]->y(), 386);
            QCOMPARE(f.Picture1[i]->size(), QSize(14, 12));
            QVERIFY(f.Picture1[i]->BackColor() != Yellow);
            lefts << f.Picture1[i]->x();
        }
        QCOMPARE(f.Picture1[4]->x(), 88 + 15 * 7);
        QCOMPARE(f.Picture1[43]->x(), 88 + 15 * 40);
        std::sort(lefts.begin(), lefts.end());
        for (int c = 0; c < 42; ++c)
            QCOMPARE(lefts[c], 88 + 15 * c);
        QCOMPARE(f.Label5, 0);
        QVERIFY(f.Label11.isEmpty());
    }

    void choosingAListDeals() {
        Game g;
        const QStringList words{
            "poma", "Zebra", QString::fromUtf8("àvia"), "casa", "gat", "abella", "dit", "Bou",
            "mar",  "lluna"};
        const QString path = g.list("paraules.bak", words);
        g.choose(path);

        const OpenRequest asked = g.t.dialogs.openRequests.value(0);
        QCOMPARE(asked.initDir, g.lists);
        QVERIFY(asked.filter.isEmpty()); // every file of the folder is listed
        QCOMPARE(g.f->Label11, path);
        const QStringList dealt = g.captions();
        for (const QString& w : dealt)
            QVERIFY2(words.contains(w), qPrintable(w));
        // The answer holds the same words, in the program's alphabetical order.
        QStringList expected = dealt;
        sortCatalan(expected);
        QCOMPARE(listItems(g.f->List1), expected);
        for (int k = 0; k < 8; ++k)
            QCOMPARE(g.slotOf(k), k);
        QVERIFY(g.t.dialogs.messages.isEmpty());
    }

    void moves_data() {
        QTest::addColumn<int>("clicked");          // button, standing in the slot of its number
        QTest::addColumn<QList<int>>("slotAfter"); // slot of each button afterwards
        QTest::newRow("top word") << 0 << QList<int>{7, 0, 1, 2, 3, 4, 5, 6};
        QTest::newRow("middle word") << 3 << QList<int>{0, 1, 2, 7, 3, 4, 5, 6};
        QTest::newRow("next to last") << 6 << QList<int>{0, 1, 2, 3, 4, 5, 7, 6};
        QTest::newRow("bottom word moves nothing") << 7 << QList<int>{0, 1, 2, 3, 4, 5, 6, 7};
    }
    void moves() {
        QFETCH(int, clicked);
        QFETCH(QList<int>, slotAfter);
        Game g;
        g.choose(g.list("a.bak", {"a", "b"}));
        g.setColumn({"h", "g", "f", "e", "d", "c", "b", "a"});
        g.clickWord(clicked);
        for (int b = 0; b < 8; ++b) {
            QCOMPARE(g.slotOf(b), slotAfter[b]);
            QCOMPARE(g.f->Command1[b]->x(), 267);
        }
        QCOMPARE(g.f->Label3, 1);
        QCOMPARE(g.f->Label5, 0);
        QCOMPARE(g.captions(), (QStringList{"h", "g", "f", "e", "d", "c", "b", "a"}));

        // Moves build on each other: the slot of each button is followed.
        const int top = g.f->Label1[0];
        g.clickWord(top);
        QCOMPARE(g.slotOf(top), 7);
        QCOMPARE(g.f->Label1[7], top);
    }

    void completingAColumnDealsAndScores() {
        Game g;
        const QString path = g.list("a.bak", {"x", "y", "z"});
        g.choose(path);
        g.setColumn({"h", "a", "b", "c", "d", "e", "f", "g"});
        g.clickWord(1); // "a" to the bottom: not yet in order
        QCOMPARE(g.f->Label2, 6);
        QCOMPARE(g.f->Label5, 0);
        g.setColumn({"h", "a", "b", "c", "d", "e", "f", "g"});
        g.clickWord(0); // "h" to the bottom: in order
        QCOMPARE(g.f->Label5, 1);
        QCOMPARE(g.f->Picture1[0]->BackColor(), Yellow);
        QCOMPARE(g.yellowCells(), 1);
        // A fresh deal from the list, in the identity layout.
        for (const QString& w : g.captions())
            QVERIFY(QStringList({"x", "y", "z"}).contains(w));
        for (int k = 0; k < 8; ++k)
            QCOMPARE(g.slotOf(k), k);
        QCOMPARE(g.f->Label3, 0);
    }

    void equalWordsAndAmpersands() {
        // A one-word list deals that word eight times: any click completes the column, whether the
        // word has an ampersand or not.
        Game g;
        g.choose(g.list("un.bak", {"R&D"}));
        QCOMPARE(g.f->Command1[0]->text(), QString("R&&D"));
        QCOMPARE(listItems(g.f->List1), QStringList(8, "R&D"));
        g.clickWord(3);
        QCOMPARE(g.f->Label5, 1);
    }

    void scoreRowFillsInOrder() {
        Game g;
        g.choose(g.list("un.bak", {"sol"}));
        // The column of the cell each completion colours; -1 where it colours none.
        QList<int> expected;
        for (int group = 0; group < 10; ++group)
            for (int c : group == 0 ? QList<int>{0, 1, 2, 3} : QList<int>{3, 2, 1, 0})
                expected << 4 * group + c;
        expected << -1 << -1 << 41 << 40 << -1 << -1;
        for (int n = 0; n < expected.size(); ++n) {
            QList<int> before;
            for (PictureBox* cell : g.f->Picture1)
                if (cell && cell->BackColor() == Yellow) before << cell->x();
            g.clickWord(n % 8);
            QCOMPARE(g.f->Label5, n + 1);
            QList<int> now;
            for (PictureBox* cell : g.f->Picture1)
                if (cell && cell->BackColor() == Yellow && !before.contains(cell->x())) now << cell->x();
            QCOMPARE(now, expected[n] < 0 ? QList<int>{} : QList<int>{88 + 15 * expected[n]});
        }
        QCOMPARE(g.yellowCells(), 42);
    }

    void dealingAgain_data() {
        QTest::addColumn<bool>("byCell");
        QTest::newRow(">>>>") << false;
        QTest::newRow("score cell") << true;
    }
    void dealingAgain() {
        QFETCH(bool, byCell);
        Game g;
        g.choose(g.list("a.bak", {"pa", "vi", "sal", "oli", "mel", "te", "ou", "llet", "sucre"}));
        g.setColumn({"h", "g", "f", "e", "d", "c", "b", "a"});
        g.clickWord(0);
        QCOMPARE(g.slotOf(0), 7);
        if (byCell)
            QTest::mouseClick(g.f->Picture1[17], Qt::LeftButton, {}, QPoint(3, 3));
        else
            QTest::mouseClick(g.f->Command5, Qt::LeftButton);
        // New words in the identity layout; the column left is dropped without scoring.
        QVERIFY(!g.captions().contains("h"));
        QCOMPARE(g.f->List1->count(), 8);
        for (int k = 0; k < 8; ++k)
            QCOMPARE(g.slotOf(k), k);
        QCOMPARE(g.f->Label5, 0);
        QCOMPARE(g.yellowCells(), 0);
    }

    void revealAndHide() {
        Game g;
        // Before a deal they change the colour and the buttons only.
        QTest::mouseClick(g.f->Command2, Qt::LeftButton);
        QCOMPARE(g.f->List1->palette().color(QPalette::Text), QColor(0, 0, 128));
        for (QPushButton* b : g.f->Command1)
            QVERIFY(!b->isEnabled());
        QTest::mouseClick(g.f->Command3, Qt::LeftButton);
        QCOMPARE(g.f->List1->palette().color(QPalette::Text), QColor(255, 255, 255));
        for (QPushButton* b : g.f->Command1)
            QVERIFY(b->isEnabled());
        QCOMPARE(g.f->List1->count(), 0);

        // A deal after a reveal leaves the answer readable and the buttons disabled.
        g.choose(g.list("a.bak", {"pa", "vi", "sal"}));
        g.f->List1->setCurrentRow(2);
        QTest::mouseClick(g.f->Command2, Qt::LeftButton);
        QVERIFY(g.f->List1->selectedItems().isEmpty());
        QTest::mouseClick(g.f->Command5, Qt::LeftButton);
        QCOMPARE(g.f->List1->count(), 8);
        QCOMPARE(g.f->List1->palette().color(QPalette::Text), QColor(0, 0, 128));
        for (QPushButton* b : g.f->Command1)
            QVERIFY(!b->isEnabled());
        // Disabled buttons take no click.
        g.clickWord(0);
        QCOMPARE(g.slotOf(0), 0);
        QTest::mouseClick(g.f->Command3, Qt::LeftButton);
        g.setColumn({"h", "g", "f", "e", "d", "c", "b", "a"});
        g.clickWord(0);
        QCOMPARE(g.slotOf(0), 7);
    }

    void wordClicksBeforeTheFirstDeal() {
        Game g;
        for (int b = 0; b < 8; ++b)
            g.clickWord(b);
        for (int k = 0; k < 8; ++k)
            QCOMPARE(g.slotOf(k), k);
        QCOMPARE(g.f->Label5, 0);
        QCOMPARE(g.yellowCells(), 0);
        QCOMPARE(g.f->List1->count(), 0);
    }

    void dealingWithNoListCreatesNothing() {
        Game g;
        const QStringList before = filesBelow(g.t.programFolder());
        QTest::mouseClick(g.f->Command5, Qt::LeftButton);
        QTest::mouseClick(g.f->Picture1[0], Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(g.captions(), QStringList(8, QString()));
        QCOMPARE(listItems(g.f->List1), QStringList(8, QString()));
        QCOMPARE(filesBelow(g.t.programFolder()), before);
        QVERIFY(!QFileInfo::exists(QDir::current().filePath("Label11")));
        QVERIFY(!QFileInfo::exists(QDir(g.t.services().currentFolder).filePath("Label11")));
        // Eight empty words stand in order: the first click completes the column.
        g.clickWord(4);
        QCOMPARE(g.f->Label5, 1);
    }

    void vanishedListCreatesNothing() {
        Game g;
        const QString path = g.list("esborrada.bak", {"pa", "vi"});
        g.choose(path);
        QVERIFY(QFile::remove(path));
        QTest::mouseClick(g.f->Command5, Qt::LeftButton);
        QCOMPARE(g.captions(), QStringList(8, QString()));
        QVERIFY(!QFileInfo::exists(path));
    }

    void brokenLists_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("no whole record") << QByteArray(19, 'x');
        QTest::newRow("empty") << QByteArray();
        QByteArray spaces;
        for (int r = 0; r < 500; ++r)
            spaces += QByteArray(" ") + QByteArray(19, 'a');
        QTest::newRow("every record begins with a space") << spaces;
    }
    void brokenLists() {
        QFETCH(QByteArray, bytes);
        Game g;
        const QString path = QDir(g.lists).filePath("estranya.bak");
        QVERIFY(writeFileBytes(path, bytes));
        g.choose(path);
        QCOMPARE(g.captions(), QStringList(8, QString()));
        QCOMPARE(g.f->List1->count(), 8);
        QCOMPARE(readFileBytes(path), bytes);
        g.clickWord(0);
        QCOMPARE(g.f->Label5, 1);
        QCOMPARE(g.f->Picture1[0]->BackColor(), Yellow);
    }

    void cancellingOrFailingKeepsTheGame_data() {
        QTest::addColumn<bool>("fail");
        QTest::newRow("cancel") << false;
        QTest::newRow("dialog fails") << true;
    }
    void cancellingOrFailingKeepsTheGame() {
        QFETCH(bool, fail);
        Game g;
        const QString path = g.list("a.bak", {"pa", "vi", "sal", "oli", "mel", "te"});
        g.choose(path);
        g.setColumn({"h", "g", "f", "e", "d", "c", "b", "a"});
        g.clickWord(1);
        const QStringList words = g.captions();
        const QStringList answer = listItems(g.f->List1);
        const auto slotMap = g.f->Label1;
        QList<int> tops;
        for (QPushButton* b : g.f->Command1)
            tops << b->y();

        if (fail)
            g.t.dialogs.failOpen();
        else
            g.t.dialogs.cancelOpen();
        QTest::mouseClick(g.f->Command4, Qt::LeftButton);

        QCOMPARE(g.t.dialogs.messages, fail ? QStringList{"Error"} : QStringList{});
        QCOMPARE(g.f->Label11, path);
        QCOMPARE(g.captions(), words);
        QCOMPARE(listItems(g.f->List1), answer);
        QCOMPARE(g.f->Label1, slotMap);
        QList<int> topsAfter;
        for (QPushButton* b : g.f->Command1)
            topsAfter << b->y();
        QCOMPARE(topsAfter, tops);
    }

    void closingClearsTheActivity() {
        Game g;
        g.f->close();
        QCOMPARE(g.t.state().ActivityCode(), 0);
        QVERIFY(!g.t.forms().isLoaded("formk"));
    }
};

QTEST_MAIN(TestFormk)
#include "tst_formk.moc"
