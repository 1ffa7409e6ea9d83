// Typing into blanks without a window: the caret walk, right and wrong keys, the pending edit and
// its release, the hint panel, keys that must not change a gapped text, line breaks as CR LF, and
// the points where the player differs from the spelling window.
#include "core/cp1252.h"
#include "textwork/gaptypingengine.h"
#include "textwork/linebreaks.h"

#include <QRegularExpression>
#include <QTest>

using Engine = GapTypingEngine;
Q_DECLARE_METATYPE(GapTypingEngine::Variant)

namespace {
QChar keyOf(const QString& name) {
    if (name == "BS") return Engine::Backspace;
    if (name == "CR") return Engine::Enter;
    if (name == "SP") return QLatin1Char(' ');
    return name.at(0);
}

// Runs a script of events separated by spaces:
//   t      a timer tick
//   d      key down            u / u:DEL  key up (of Delete)
//   p:X    key press of X (BS Backspace, CR Enter, SP space)
//   k:X    a whole keystroke: down, press, tick, up, tick
//   r:X    a keystroke whose release comes before any tick: down, press, up
//   c      a click: mouse down, then the click
//   m      mouse down only     v  mouse move
//   at:N   the learner puts the caret at N
void run(Engine& e, const QString& script) {
    for (const QString& step : script.split(' ', Qt::SkipEmptyParts)) {
        const QString arg = step.section(':', 1);
        if (step == "t") {
            e.Timer1_Timer();
        } else if (step == "d") {
            e.Text1_KeyDown();
        } else if (step == "u") {
            e.Text1_KeyUp(0);
        } else if (step == "u:DEL") {
            e.Text1_KeyUp(Engine::KeyCodeDelete);
        } else if (step.startsWith("p:")) {
            e.Text1_KeyPress(keyOf(arg));
        } else if (step.startsWith("k:")) {
            e.Text1_KeyDown();
            e.Text1_KeyPress(keyOf(arg));
            e.Timer1_Timer();
            e.Text1_KeyUp(0);
            e.Timer1_Timer();
        } else if (step.startsWith("r:")) {
            e.Text1_KeyDown();
            e.Text1_KeyPress(keyOf(arg));
            e.Text1_KeyUp(0);
        } else if (step == "c") {
            e.Text1_MouseDown();
            e.Text1_Click();
        } else if (step == "m") {
            e.Text1_MouseDown();
        } else if (step == "v") {
            e.Text1_MouseMove();
        } else if (step.startsWith("at:")) {
            e.setCaret(arg.toInt());
        } else {
            qFatal("unknown step %s", qPrintable(step));
        }
    }
}

int blanksIn(const QString& text) {
    return int(text.count(Engine::Blank));
}
} // namespace

class TestGapTypingEngine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lineBreaks_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("crlf");
        QTest::newRow("CR LF kept") << "a\r\nb"
                                    << "a\r\nb";
        QTest::newRow("lone LF") << "a\nb"
                                 << "a\r\nb";
        QTest::newRow("lone CR") << "a\rb"
                                 << "a\r\nb";
        QTest::newRow("LF CR is two breaks") << "a\n\rb"
                                             << "a\r\n\r\nb";
        QTest::newRow("paragraph separator") << QString("a") + QChar::ParagraphSeparator + "b"
                                             << "a\r\nb";
        QTest::newRow("line separator") << QString("a") + QChar::LineSeparator + "b"
                                        << "a\r\nb";
        QTest::newRow("break at the end") << "ab\r"
                                          << "ab\r\n";
    }
    void lineBreaks() {
        QFETCH(QString, text);
        QFETCH(QString, crlf);
        QCOMPARE(toCrLf(text), crlf);
        QCOMPARE(toCrLf(crlf), crlf);
        QCOMPARE(toCrLf(linebreaks::toBox(crlf)), crlf);
    }

    void positions() {
        const QString t = "ab\r\nc\r\n\r\nd";
        const QList<int> box{0, 1, 2, 3, 3, 4, 5, 5, 6, 6, 7, 7};
        for (int p = 0; p < box.size(); ++p)
            QCOMPARE(linebreaks::boxPosition(t, p), box[p]);
        const QList<int> back{0, 1, 2, 4, 5, 7, 9, 10};
        for (int b = 0; b < back.size(); ++b)
            QCOMPARE(linebreaks::crlfPosition(t, b), back[b]);
        QVERIFY(linebreaks::insideBreak(t, 3));
        QVERIFY(!linebreaks::insideBreak(t, 2));
        QVERIFY(!linebreaks::insideBreak(t, 4));
        QCOMPARE(linebreaks::boxPosition(t, 99), 7);
        QCOMPARE(linebreaks::crlfPosition(t, 99), 10);
    }

    void typing_data() {
        QTest::addColumn<Engine::Variant>("variant");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("gapped");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("text"); // Text1 afterwards
        QTest::addColumn<int>("caret");    // afterwards
        QTest::addColumn<int>("count");    // Label10 afterwards
        QTest::addColumn<QString>("hint"); // Label17 with the panel shown, or "" with it hidden

        const auto S = Engine::Variant::Spelling;
        const auto P = Engine::Variant::Player;
        const QString boat = "un vaixell blau";
        const QString boatGaps = "un _aixell _lau";

        QTest::newRow("the walk rests at the first blank")
            << S << boat << boatGaps << "t" << boatGaps << 3 << 2 << "";
        QTest::newRow("a wrong key at a word's start")
            << S << boat << boatGaps << "t k:b" << boatGaps << 3 << 2 << " vaixell b";
        QTest::newRow("then the right key") << S << boat << boatGaps << "t k:b k:v"
                                            << "un vaixell _lau" << 11 << 1 << "";
        QTest::newRow("every blank filled") << S << boat << boatGaps << "t k:v k:b" << boat << 15 << 0 << "";
        QTest::newRow("a wrong key released before any tick")
            << S << boat << boatGaps << "t r:x" << boatGaps << 3 << 2 << " vaixell b";
        QTest::newRow("a right key released before any tick") << S << boat << boatGaps << "t r:v"
                                                              << "un vaixell _lau" << 11 << 1 << "";
        QTest::newRow("two keys before any tick fill two blanks")
            << S << boat << boatGaps << "t p:v p:b t" << boat << 15 << 0 << "";
        QTest::newRow("until the tick the key stands before its blank") << S << boat << boatGaps << "t d p:v"
                                                                        << "un v_aixell _lau" << 4 << 1 << "";
        QTest::newRow("a wrong key inside a word shows the whole word")
            << S << "el vaixell blau"
            << "el vai_ell blau"
            << "t k:s"
            << "el vai_ell blau" << 6 << 1 << " vaixell";
        QTest::newRow("a wrong key at a word's end") << S << "el vaixell blau"
                                                     << "el vaixel_ blau"
                                                     << "t k:s"
                                                     << "el vaixel_ blau" << 9 << 1 << " vaixell";
        QTest::newRow("no hint in the last word") << S << "el vaixell"
                                                  << "el vaixel_"
                                                  << "t k:s"
                                                  << "el vaixel_" << 9 << 1 << "";
        QTest::newRow("no hint in the first word") << S << boat << "u_ vaixell blau"
                                                   << "t k:x"
                                                   << "u_ vaixell blau" << 1 << 1 << "";
        QTest::newRow("the panel hides at the next key down")
            << S << boat << boatGaps << "t k:x d" << boatGaps << 3 << 2 << "";
        QTest::newRow("Backspace changes a gapped text nowhere")
            << S << boat << boatGaps << "t k:BS at:7 k:BS" << boatGaps << 11 << 2 << "";
        QTest::newRow("a key between blanks is taken back")
            << S << boat << boatGaps << "t at:6 d p:v" << boatGaps << 6 << 2 << "";
        QTest::newRow("Enter at a blank is a wrong key")
            << S << boat << boatGaps << "t k:CR" << boatGaps << 3 << 2 << " vaixell b";
        QTest::newRow("a full stop in the answer is an ordinary letter") << S << "Fi."
                                                                         << "Fi_"
                                                                         << "t k:."
                                                                         << "Fi." << 3 << 0 << "";
        QTest::newRow("a capital is not its small letter") << S << "Vell"
                                                           << "_ell"
                                                           << "c t k:v"
                                                           << "_ell" << 0 << 1 << "";
        QTest::newRow("an accented letter is not its plain letter") << S << "una mà"
                                                                    << "una m_"
                                                                    << "t k:a k:à"
                                                                    << "una mà" << 6 << 0 << "";
        QTest::newRow("ç is not c") << S << "la caça"
                                    << "la ca_a"
                                    << "t k:c k:ç"
                                    << "la caça" << 7 << 0 << "";
        QTest::newRow("no blank: the walk runs to the end") << S << "abc"
                                                            << "abc"
                                                            << "t"
                                                            << "abc" << 3 << 0 << "";
        QTest::newRow("no blank: three spaces stop the walk") << S << "ab   c"
                                                              << "ab   c"
                                                              << "t"
                                                              << "ab   c" << 2 << 0 << "";
        QTest::newRow("a blank at 0 is passed over") << S << "ab"
                                                     << "_b"
                                                     << "t"
                                                     << "_b" << 2 << 1 << "";
        QTest::newRow("a click brings the caret back to the first blank") << S << "ab"
                                                                          << "_b"
                                                                          << "t c t"
                                                                          << "_b" << 0 << 1 << "";
        QTest::newRow("a blank the answer does not reach") << S << "a"
                                                           << "a__"
                                                           << "t k:x"
                                                           << "a__" << 1 << 2 << "";
        QTest::newRow("a key typed at the end of a text with no blank stays") << S << "ab"
                                                                              << "ab"
                                                                              << "t k:c"
                                                                              << "abc" << 3 << 0 << "";
        QTest::newRow("no blank: Backspace deletes") << S << "abc"
                                                     << "abc"
                                                     << "t k:BS"
                                                     << "ab" << 2 << 0 << "";
        QTest::newRow("no blank: Backspace deletes a whole line break") << S << "a\r\n"
                                                                        << "a\r\n"
                                                                        << "t k:BS"
                                                                        << "a" << 1 << 0 << "";
        QTest::newRow("no blank: Enter types a line break") << S << "a"
                                                            << "a"
                                                            << "t k:CR"
                                                            << "a\r\n"
                                                            << 3 << 0 << "";
        // A blank the learner typed would lock the text: no key but its answer could change it again.
        QTest::newRow("no blank: an underscore is not typed") << S << "ab"
                                                              << "ab"
                                                              << "t k:_ k:BS k:c"
                                                              << "ac" << 2 << 0 << "";
        QTest::newRow("the walk crosses line breaks") << S << "ab\r\ncd"
                                                      << "ab\n_d"
                                                      << "t k:c"
                                                      << "ab\r\ncd" << 6 << 0 << "";

        QTest::newRow("player: a wrong key shows no panel")
            << P << boat << boatGaps << "t k:b" << boatGaps << 3 << 2 << "";
        QTest::newRow("player: a right key") << P << boat << boatGaps << "t k:v"
                                             << "un vaixell _lau" << 11 << 1 << "";
        QTest::newRow("player: Backspace changes a gapped text nowhere")
            << P << boat << boatGaps << "t k:BS" << boatGaps << 3 << 2 << "";
        QTest::newRow("player: a press puts the caret at 0") << P << "ab"
                                                             << "_b"
                                                             << "t m t"
                                                             << "_b" << 0 << 1 << "";
        QTest::newRow("player: with no blank left an underscore is not typed") << P << "ab"
                                                                               << "ab"
                                                                               << "t k:_ k:c"
                                                                               << "abc" << 3 << 0 << "";
        QTest::newRow("player: with no blank left keys and Backspace type as a text box")
            << P << "ab"
            << "ab"
            << "t k:c k:BS"
            << "ab" << 2 << 0 << "";
    }
    void typing() {
        QFETCH(Engine::Variant, variant);
        QFETCH(QString, answer);
        QFETCH(QString, gapped);
        QFETCH(QString, script);
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(int, count);
        QFETCH(QString, hint);

        Engine e(variant);
        e.setText3(answer);
        e.startExercise(gapped, answer, blanksIn(gapped));
        QCOMPARE(e.caret(), answer.isEmpty() ? 0 : 1);
        run(e, script);

        QCOMPARE(e.Text1(), text);
        QCOMPARE(e.caret(), caret);
        QCOMPARE(e.Label10, count);
        QCOMPARE(e.Label11, QString("Espais: %1").arg(count));
        QCOMPARE(e.Picture2, !hint.isEmpty());
        if (!hint.isEmpty()) QCOMPARE(e.Label17, hint);
    }

    // The spelling window shows where the caret is after every tick and key down; the player after
    // a key press and a mouse move.
    // More blanks filled than the builder counted.
    void counterBelowZero() {
        Engine e(Engine::Variant::Spelling);
        e.startExercise("_", "a", 0);
        run(e, "c t k:a");
        QCOMPARE(e.Text1(), QString("a"));
        QCOMPARE(e.Label10, -1);
        QCOMPARE(e.Label11, QString("Espais: -1"));
    }

    // The source text may be shorter than the exercise; the edit still keeps all of it.
    void pendingEditKeepsTheWholeText() {
        const QString answer = "a " + QString(2000, 'b') + "\r\nc";
        Engine e(Engine::Variant::Spelling);
        e.setText3("a b");
        e.startExercise("_ " + QString(2000, 'b') + "\r\nc", answer, 1);
        run(e, "c t k:x k:a");
        QCOMPARE(e.Text1(), answer);
        QCOMPARE(e.Label10, 0);
    }

    void caretShown() {
        Engine s(Engine::Variant::Spelling);
        QCOMPARE(s.Label9, QString());
        s.startExercise("un _aixell", "un vaixell", 1);
        s.Timer1_Timer();
        QCOMPARE(s.Label9, QString("3"));
        s.setCaret(5);
        s.Text1_KeyDown();
        QCOMPARE(s.Label9, QString("5"));
        s.Text1_MouseDown();
        QCOMPARE(s.Label9, QString("5"));

        Engine p(Engine::Variant::Player);
        p.startExercise("un _aixell", "un vaixell", 1);
        p.Timer1_Timer();
        QCOMPARE(p.Label9, QString());
        p.Text1_MouseMove();
        QCOMPARE(p.Label9, QString("3"));
        p.Text1_KeyPress('x');
        QCOMPARE(p.Label9, QString("3"));
    }

    void designCaptions() {
        Engine s(Engine::Variant::Spelling);
        QCOMPARE(s.Label6, 0);
        QCOMPARE(s.Label11, QString("Label11"));
        QCOMPARE(s.Label17, QString("Label17"));
        QVERIFY(!s.Picture2);
        Engine p(Engine::Variant::Player);
        QCOMPARE(p.Label6, 2);
        QCOMPARE(p.Label11, QString());
    }

    // The pending edit as the hidden labels hold it.
    void pendingEdit() {
        Engine e(Engine::Variant::Spelling);
        e.startExercise("un _aixell", "un vaixell", 1);
        e.Timer1_Timer();
        QVERIFY(e.resting());
        e.Text1_KeyPress('b');
        QCOMPARE(e.Label3, 1);
        QCOMPARE(e.Label4, QString("un "));
        QCOMPARE(e.Label5, QString("_aixell"));
        QCOMPARE(e.Label6, 3);
        QVERIFY(!e.resting());
        e.Timer1_Timer();
        QCOMPARE(e.Label3, 0);
        QVERIFY(e.resting());

        e.Text1_KeyPress('v');
        QCOMPARE(e.Label4, QString("un v"));
        QCOMPARE(e.Label5, QString("aixell"));
        QCOMPARE(e.Label10, 0); // counted at the key, before the tick
    }

    // With no blank left the release drops the edit; Delete's release does not.
    void releaseDropsAnEditWithNoBlank() {
        Engine e(Engine::Variant::Spelling);
        e.startExercise("ab", "ab", 0);
        e.setCaret(2);
        e.Text1_KeyPress('c');
        QCOMPARE(e.Text1(), QString("abc"));
        QCOMPARE(e.Label3, 1);
        e.Text1_KeyUp(Engine::KeyCodeDelete);
        QCOMPARE(e.Label3, 1);
        e.Text1_KeyUp(0);
        QCOMPARE(e.Label3, 0);
        // A blank that comes later finds no edit to apply: a pending one would bring back "ab".
        e.editText1("abc_", 3);
        e.Timer1_Timer();
        QCOMPARE(e.Text1(), QString("abc_")); // the typed key stays
    }

    // A text saved in the middle of an exercise holds "_" in its answer too: those can never be
    // filled, so the walk passes over them and the text stays the learner's to edit.
    void blanksTheAnswerHoldsArePassedOver() {
        const QString saved = "la c_sa de la m_re";
        for (const Engine::Variant variant : {Engine::Variant::Spelling, Engine::Variant::Player}) {
            Engine e(variant);
            e.setText3(saved);
            e.startExercise(saved, saved, 0);
            run(e, "t");
            QCOMPARE(e.caret(), 18);
            QVERIFY(!e.hasBlank());
            QVERIFY(e.resting());
            if (variant == Engine::Variant::Spelling) {
                run(e, "k:BS k:a");
                QCOMPARE(e.Text1(), QString("la c_sa de la m_ra"));
            }
            // An exercise built over it: only the letters it hid are blanks.
            e.setText3("la c_sa de la m_ra");
            e.startExercise("la c_s_ de la m_r_", "la c_sa de la m_ra", 2);
            run(e, "t k:a k:a");
            QCOMPARE(e.Text1(), QString("la c_sa de la m_ra"));
            QCOMPARE(e.Label10, 0);
            QCOMPARE(e.caret(), 18);
        }
    }

    void aNewExerciseDropsAPendingEdit() {
        Engine e(Engine::Variant::Player);
        e.startExercise("abc", "abc", 0);
        e.setCaret(3);
        e.Text1_KeyPress('x');
        QCOMPARE(e.Label3, 1);
        e.startExercise("_b", "ab", 1);
        e.Text1_MouseDown();
        e.Timer1_Timer();
        QCOMPARE(e.Text1(), QString("_b"));
        QCOMPARE(e.caret(), 0);
        QCOMPARE(e.Label3, 0);

        e.Text1_KeyPress('y');
        e.setText1("xyz");
        QCOMPARE(e.Label3, 0);
        QCOMPARE(e.caret(), 0);
    }

    void playerKeyFilter() {
        Engine e(Engine::Variant::Player);
        QList<QChar> seen;
        e.keyFilter = [&seen](QChar c) {
            seen << c;
            return c != 'x';
        };
        e.startExercise("un _aixell", "un vaixell", 1);
        e.Timer1_Timer();
        QCOMPARE(e.Text1_KeyPress('x'), Engine::KeyResult::TakenBack);
        QCOMPARE(e.Label3, 0);
        QCOMPARE(e.Text1(), QString("un _aixell"));
        QCOMPARE(e.Text1_KeyPress(Engine::Backspace), Engine::KeyResult::TakenBack);
        QCOMPARE(e.Text1_KeyPress('v'), Engine::KeyResult::Typed);
        e.Timer1_Timer();
        QCOMPARE(e.Text1(), QString("un vaixell"));
        QCOMPARE(seen, (QList<QChar>{'x', 'v'})); // Backspace is never filtered
        QCOMPARE(e.Label11, QString("Espais: 0"));
    }

    void texts() {
        Engine e(Engine::Variant::Spelling);
        e.setText3("a\nb");
        QCOMPARE(e.Text3(), QString("a\r\nb"));
        e.setText2("a\rb");
        QCOMPARE(e.Text2(), QString("a\r\nb"));
        e.setText1("a\nb");
        QCOMPARE(e.Text1(), QString("a\r\nb"));
        e.editText1("a\nbc", 9);
        QCOMPARE(e.caret(), 5);
        e.setCaret(-3);
        QCOMPARE(e.caret(), 0);
    }

    // The engine never loops: whatever a learner types, every step ends.
    void randomTyping() {
        const QString keys = QString::fromUtf8("ab_ vx\b\r.");
        for (int seed = 0; seed < 40; ++seed) {
            Engine e(seed % 2 ? Engine::Variant::Spelling : Engine::Variant::Player);
            e.setText3("el vaixell\r\nblau   i  verd");
            e.startExercise("el _aixell\r\n_lau   i  _erd", "el vaixell\r\nblau   i  verd", 3);
            quint32 r = quint32(seed) * 2654435761u + 1;
            for (int n = 0; n < 300; ++n) {
                r = r * 1664525u + 1013904223u;
                const int op = int(r >> 28) % 6;
                const QChar key = keys[int((r >> 8) % keys.size())];
                if (op == 0)
                    e.Timer1_Timer();
                else if (op == 1)
                    e.Text1_KeyPress(key);
                else if (op == 2)
                    e.Text1_KeyUp(0);
                else if (op == 3)
                    e.setCaret(int((r >> 4) % 40));
                else if (op == 4)
                    e.Text1_Click();
                else
                    e.Text1_MouseDown();
                QVERIFY(e.caret() >= 0 && e.caret() <= e.Text1().size());
                QVERIFY(!e.Text1().contains(QRegularExpression("\r(?!\n)|(?<!\r)\n")));
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestGapTypingEngine)
#include "tst_gaptypingengine.moc"
