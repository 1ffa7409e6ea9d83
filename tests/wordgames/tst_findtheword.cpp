// Find the word: the deals by pool size, the target among the shown words, answering, lists and
// the comic strip's hand-over.
#include "core/controls.h"
#include "core/random.h"
#include "core/sharedstate.h"
#include "testservices.h"
#include "wordgames/findtheword.h"
#include "wordgames/wordlistfile.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace ftw = findtheword;

namespace {
QStringList words(int n, const QString& stem = QStringLiteral("mot")) {
    QStringList out;
    for (int i = 0; i < n; ++i)
        out << stem + QString::number(i);
    return out;
}

QStringList toList(const ftw::Captions& c) {
    return QStringList(c.begin(), c.end());
}

struct Game {
    TestServices t;
    trobass* f = nullptr;
    Game(int speechFlag = 0) {
        t.state().setSpeechFlag(speechFlag);
        f = &t.forms().show<trobass>();
    }
    QString list(const QString& name, const QStringList& content) {
        const QString lists = QDir(t.programFolder()).filePath("llistes");
        QDir().mkpath(lists);
        const QString path = QDir(lists).filePath(name);
        WriteWordList(path, content);
        return path;
    }
    void load(const QString& path) {
        t.dialogs.answerOpen(path);
        f->AAAA->trigger();
    }
    QStringList buttons() const {
        QStringList out;
        for (int k = 0; k < ftw::Buttons; ++k)
            out << f->Command2Caption(k);
        return out;
    }
    int slotOf(const QString& word) const { return int(buttons().indexOf(word)); }
    void click(int k) { QTest::mouseClick(f->Command2[k], Qt::LeftButton); }
    void clickTarget() { click(slotOf(f->Text1->text())); }
    int hits() const { return f->Label1->text().toInt(); }
    int misses() const { return f->Label2->text().toInt(); }
};
} // namespace

class TestFindTheWord : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // After a hit: below 10 words the first eight in order, above 10 fresh draws, exactly 10 nothing.
    void dealAfterHit_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("5 words") << 5;
        QTest::newRow("9 words") << 9;
        QTest::newRow("exactly 10") << 10;
        QTest::newRow("11 words") << 11;
        QTest::newRow("200 words") << 200;
    }
    void dealAfterHit() {
        QFETCH(int, size);
        const QStringList pool = words(size);
        Random random;
        ftw::Captions before;
        before.fill(QStringLiteral("abans"));
        ftw::Captions buttons = before;
        ftw::dealAfterHit(pool, buttons, random);
        if (size == 10) {
            QCOMPARE(toList(buttons), toList(before));
        } else if (size < 10) {
            for (int k = 0; k < ftw::Buttons; ++k)
                QCOMPARE(buttons[k], pool.value(k));
        } else {
            for (const QString& b : buttons)
                QVERIFY2(pool.contains(b), qPrintable(b));
        }
    }

    void dealsTrimAndKeepTheirWords() {
        const QStringList pool{"  gat ", "gos", "", " la casa"};
        ftw::Captions buttons;
        ftw::dealInOrder(pool, buttons);
        QCOMPARE(toList(buttons), (QStringList{"gat", "gos", "", "la casa", "", "", "", ""}));
    }

    // A short list empties the buttons past its size, and every target is one of its words.
    void shortListTargetsItsOwnWords() {
        Random random;
        const QStringList pool{"u", "dos", "tres", "quatre", "cinc"};
        for (int round = 0; round < 200; ++round) {
            ftw::Captions buttons;
            buttons.fill(QStringLiteral("vell"));
            ftw::dealFromList(pool, buttons, random);
            for (int k = 0; k < ftw::Buttons; ++k)
                QVERIFY(k < 5 ? pool.contains(buttons[k]) : buttons[k].isEmpty());
            const int t = ftw::pickTarget(buttons, random);
            QVERIFY(t >= 0 && t < 5);
        }
        ftw::Captions empty;
        for (int round = 0; round < 50; ++round) {
            const int t = ftw::pickTarget(empty, random);
            QVERIFY(t >= 0 && t < ftw::Buttons);
        }
        ftw::Captions none;
        ftw::dealFromList({}, none, random);
        QCOMPARE(toList(none), QStringList(8, QString()));
    }

    void hitIgnoresSurroundingBlanksButNotCase() {
        QVERIFY(ftw::isHit(" gat ", "gat"));
        QVERIFY(!ftw::isHit("Gat", "gat"));
        QVERIFY(ftw::isHit("", "  "));
        QVERIFY(!ftw::isHit("ga t", "gat"));
    }

    void design() {
        Game g;
        trobass& f = *g.f;
        QCOMPARE(f.windowTitle(), QString("Taudrin'TXT Paraules"));
        QCOMPARE(f.client->size(), QSize(842, 579));
        QCOMPARE(f.AAAA->text(), QString("LLISTES"));
        QCOMPARE(f.Picture1->Picture().size(), QSize(842, 579));
        QCOMPARE(f.Text1->font().family(), QString("Courier New"));
        QCOMPARE(f.Text1->font().pointSize(), 48);
        QCOMPARE(f.Command2[0]->font().pointSizeF(), 27.75);
        // Left column 0, 2, 5, 6; right column 1, 3, 4, 7, top to bottom.
        for (int k : {2, 5, 6})
            QCOMPARE(f.Command2[k]->x(), f.Command2[0]->x());
        for (int k : {3, 4, 7})
            QCOMPARE(f.Command2[k]->x(), f.Command2[1]->x());
        QVERIFY(f.Command2[1]->x() > f.Command2[0]->x());
        QVERIFY(f.Command2[0]->y() < f.Command2[2]->y() && f.Command2[2]->y() < f.Command2[5]->y() &&
                f.Command2[5]->y() < f.Command2[6]->y());
        QVERIFY(f.Command2[1]->y() < f.Command2[3]->y() && f.Command2[3]->y() < f.Command2[4]->y() &&
                f.Command2[4]->y() < f.Command2[7]->y());
        QCOMPARE(f.Label1->text(), QString("0"));
        QCOMPARE(f.Label2->text(), QString("0"));
        QCOMPARE(f.Label1->palette().color(QPalette::WindowText), QColor(0, 128, 0));
        QCOMPARE(f.Label2->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(f.Picture2->Picture().size(), QSize(59, 24));
        QCOMPARE(f.client->palette().color(QPalette::Window), QColor(50, 50, 50));
        QCOMPARE(f.findChild<PictureBox*>("Picture7_8"), f.Picture7[8]);
        QVERIFY(!f.List1->isVisible());
        QVERIFY(!f.Picture2->isVisible()); // speech off at load
        QVERIFY(f.Text1->text().isEmpty());
    }

    void aTenWordListKeepsItsButtonsAfterAHit() {
        Game g;
        g.load(g.list("deu.bak", words(10)));
        const QStringList dealt = g.buttons();
        QVERIFY(!g.f->Text1->text().isEmpty());
        g.clickTarget();
        QCOMPARE(g.hits(), 1);
        QCOMPARE(g.buttons(), dealt);
        QCOMPARE(g.misses(), 0);
    }

    void aNineWordListDealsInOrderAfterAHit() {
        Game g;
        g.load(g.list("nou.bak", words(9)));
        g.clickTarget();
        QCOMPARE(g.buttons(), words(8));
        QVERIFY(words(8).contains(g.f->Text1->text()));
    }

    void listWordsShowTwelveCharacters() {
        Game g;
        g.load(g.list("llargs.bak", {"electrodomèstic", "paraulallarga13", "abcdefghijklmnop"}));
        for (const QString& b : g.buttons().mid(0, 3))
            QVERIFY(QStringList({"electrodomès", "paraulallarg", "abcdefghijkl"}).contains(b));
    }

    void aShortListAfterALongerOneEmptiesTheRest() {
        Game g;
        g.load(g.list("llarga.bak", words(20)));
        for (int round = 0; round < 20; ++round) {
            g.load(g.list("curta.bak", words(5, "curt")));
            const QStringList b = g.buttons();
            QCOMPARE(b.mid(5), QStringList(3, QString()));
            QVERIFY(words(5, "curt").contains(g.f->Text1->text()));
        }
    }

    void aMissRaisesOnlyTheRedCounter() {
        Game g;
        g.load(g.list("deu.bak", words(10)));
        const QStringList dealt = g.buttons();
        const QString target = g.f->Text1->text();
        const int wrong =
            int(std::find_if(dealt.begin(), dealt.end(), [&](const QString& w) { return w != target; }) -
                dealt.begin());
        g.click(wrong);
        g.click(wrong);
        QCOMPARE(g.misses(), 2);
        QCOMPARE(g.hits(), 0);
        QCOMPARE(g.buttons(), dealt);
        QCOMPARE(g.f->Text1->text(), target);
    }

    void clickingBeforeAnyWordsCountsNothing() {
        Game g;
        g.click(3);
        QCOMPARE(g.hits(), 0);
        QCOMPARE(g.misses(), 0);
        QCOMPARE(g.buttons(), QStringList(8, QString()));
    }

    void cancellingTheListChangesNothing() {
        Game g;
        g.load(g.list("deu.bak", words(10)));
        const QStringList dealt = g.buttons();
        const QString target = g.f->Text1->text();
        g.t.dialogs.cancelOpen();
        g.f->AAAA->trigger();
        QCOMPARE(g.buttons(), dealt);
        QCOMPARE(g.f->Text1->text(), target);
        QCOMPARE(g.f->List1->count(), 10);
        QVERIFY(g.t.dialogs.messages.isEmpty());
        QCOMPARE(g.t.dialogs.openRequests.last().filter, QString("(*.bak)|*.bak|"));
        QCOMPARE(g.t.dialogs.openRequests.last().initDir, QDir(g.t.programFolder()).filePath("llistes"));
    }

    // The comic strip's eight panels stay on their buttons in order; the target comes with its
    // panel's picture.
    void comicStripPanels() {
        Game g;
        trobass& f = *g.f;
        const QStringList captions{" el gat ", "la casa", "", "sol", "lluna", "mar", "muntanya", "riu"};
        for (int i = 0; i < 8; ++i) {
            f.List1->addItem(captions[i]);
            QImage panel(40, 30, QImage::Format_RGB32);
            panel.fill(QColor(i * 30, 0, 0));
            f.Picture7[i]->setPicture(panel);
        }
        f.metess();
        QCOMPARE(g.buttons(),
                 (QStringList{"el gat", "la casa", "", "sol", "lluna", "mar", "muntanya", "riu"}));
        for (int round = 0; round < 10; ++round) {
            const int t = g.slotOf(f.Text1->text());
            QVERIFY(t >= 0 && t != 2);
            QCOMPARE(f.Image1->Picture(), f.Picture7[t]->Picture());
            g.clickTarget();
            QCOMPARE(g.buttons()[0], QString("el gat"));
        }
        QCOMPARE(g.hits(), 10);
    }

    // A long caption shows its beginning in the target box.
    void aLongTargetShowsItsBeginning() {
        Game g;
        trobass& f = *g.f;
        f.List1->addItem("La nena juga amb el gos al pati");
        f.metess();
        QCOMPARE(f.Text1->text(), QString("La nena juga amb el gos al pati"));
        QCOMPARE(f.Text1->cursorPosition(), 0);
    }

    void speakerShowsWithSpeechOnAndSpeaksTheTarget() {
        Game g(1);
        QVERIFY(g.f->Picture2->isVisible());
        g.f->Text1->setText("gat");
        QTest::mouseClick(g.f->Picture2, Qt::LeftButton);
        QCOMPARE(g.t.speech.calls.last(), (FakeSpeech::Call{6, "gat"}));
    }

    void closingClearsTheCode() {
        Game g;
        g.t.state().setActivityCode(6);
        g.f->close();
        QCOMPARE(g.t.state().ActivityCode(), 0);
    }
};

QTEST_MAIN(TestFindTheWord)
#include "tst_findtheword.moc"
