// The gap rules on the fill-the-blanks player: the source step, the caret and the counters.
#include "testservices.h"
#include "textwork/gaptextbox.h"
#include "textwork/gaptypingbinding.h"
#include "textwork/player.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

namespace {
struct Window {
    TestServices t;
    Form14* f = nullptr;
    Window() { f = &t.forms().show<Form14>(); }
    // What loading an exercise leaves: some blanks in Text1, the whole text in Text2.
    void load(const QString& gapped, const QString& answer, int blanks) {
        f->typing->startExercise(gapped, answer, blanks);
        f->Timer1->stop();
    }
    QString text1() const { return boxText(f->Text1); }
    QString text2() const { return boxText(f->Text2); }
    QString counter() const { return f->Label11->text(); }
};
} // namespace

class TestForm14GapRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void copyOutKeepsLoadedBlanks() {
        Window w;
        w.load("_ep i Bet", "Pep i Bet", 1);
        w.f->pb();
        QCOMPARE(w.text1(), QString("_e_ i Bet"));
        QCOMPARE(w.text2(), QString("_ep i Bet"));
        QCOMPARE(w.f->Label10->text(), QString("1"));
        QCOMPARE(w.counter(), QString("Espais: 1"));
        QCOMPARE(w.f->Label19->text(), QString("1"));
        QCOMPARE(w.f->engine.caret(), 1);
    }

    void restoreStartsFromTheAnswer() {
        Window w;
        w.load("pe__ _ _ai", "peix i xai", 4);
        w.f->pb();
        // The copy-out made the shown blanks the answer, so nothing is left to restore.
        w.f->xix();
        QCOMPARE(w.text1(), QString("pe__ _ _ai"));
        QCOMPARE(w.f->Label10->text(), QString("0"));
        QCOMPARE(w.counter(), QString("Espais: 0"));
        w.load("_e__ i xai", "peix i xai", 3);
        w.f->xix();
        QCOMPARE(w.text1(), QString("pe__ i _ai"));
        QCOMPARE(w.text2(), QString("peix i xai"));
        QCOMPARE(w.f->Label19->text(), QString("3"));
    }

    void scanWindow() {
        Window w;
        const QString text = QString(899, '-') + "ix" + QString(99, '-');
        w.load(text, text, 0);
        w.f->ae();
        QCOMPARE(w.text1().size(), 900);
        QCOMPARE(w.text2(), text);
        w.f->xix();
        QCOMPARE(w.text1(), QString(899, '-') + "__");
        QCOMPARE(w.text2(), text);
    }

    // A line break is two characters, CR LF, in the scan and the count.
    void lineBreaks() {
        Window w;
        w.load("ab\ncd", "ab\ncd", 0);
        w.f->sense();
        QCOMPARE(w.f->Label10->text(), QString("6"));
        QCOMPARE(w.f->engine.Text1(), QString(6, '_'));
        QCOMPARE(w.f->engine.Text2(), QString("ab\r\ncd"));
    }

    void totKeepsTheShownCounter() {
        Window w;
        w.load("pa__a", "passa", 2);
        w.f->TOT();
        QCOMPARE(w.text1(), QString("_____"));
        QCOMPARE(w.f->Label10->text(), QString("5"));
        QCOMPARE(w.f->Label19->text(), QString("5"));
        QCOMPARE(w.counter(), QString("Espais: 2"));
        QCOMPARE(w.f->engine.Label11, QString("Espais: 2"));
    }

    void vvChangesNothing() {
        Window w;
        w.load("pa__a", "passa", 2);
        w.f->Label19->setText("7");
        w.f->vv();
        QCOMPARE(w.text1(), QString("pa__a"));
        QCOMPARE(w.text2(), QString("passa"));
        QCOMPARE(w.f->Label10->text(), QString("2"));
        QCOMPARE(w.f->Label19->text(), QString("7"));
    }

    void atzarTooShortChangesTheAnswerOnly() {
        Window w;
        w.load("a _ b", "a x b", 1);
        w.f->Label19->setText("7");
        w.f->atzar();
        QCOMPARE(w.text1(), QString("a _ b"));
        QCOMPARE(w.text2(), QString("a _ b"));
        QCOMPARE(w.counter(), QString("Espais: 1"));
        QCOMPARE(w.f->Label19->text(), QString("7"));
    }

    // Whatever word is drawn, every occurrence of it goes and nothing else moves.
    void atzarBlanksOneWord() {
        const QString text = "el gat, el gos i el cel blau del gat";
        for (int seed = 0; seed < 20; ++seed) {
            Window w;
            w.t.random.seed(seed);
            w.load(text, text, 0);
            w.f->atzar();
            const QString gapped = w.text1();
            QCOMPARE(gapped.size(), text.size());
            QCOMPARE(w.text2(), text);
            QString word;
            for (qsizetype k = 0; k < text.size(); ++k) {
                if (gapped[k] != '_') {
                    QCOMPARE(gapped[k], text[k]);
                    if (!word.isEmpty()) break;
                } else {
                    word += text[k];
                }
            }
            QVERIFY(!word.isEmpty());
            QString expected = text;
            expected.replace(word, QString(word.size(), '_'));
            QCOMPARE(gapped, expected);
            QCOMPARE(w.f->Label10->text(), QString::number(gapped.count('_')));
        }
    }

    void atzarWithoutAWordNeverHangs() {
        Window w;
        w.load("abcdefgh", "abcdefgh", 0);
        w.f->atzar();
        QCOMPARE(w.text1(), QString("abcdefgh"));
        QCOMPARE(w.f->Label10->text(), QString("0"));
        QCOMPARE(w.counter(), QString("Espais: 0"));
    }
};

QTEST_MAIN(TestForm14GapRules)
#include "tst_form14gaprules.moc"
