// The speech window: its voice menu, the voice choice, SpeakText, and loading it hidden.
#include "core/tata.h"
#include "testservices.h"

#include <QMenuBar>
#include <QTest>

using Call = FakeSpeech::Call;

namespace {
QStringList itemTexts(const TATA& w) {
    QStringList out;
    for (const QAction* a : w.VOCES)
        out << a->text();
    return out;
}
QList<int> checkedItems(const TATA& w) {
    QList<int> out;
    for (int i = 0; i < w.VOCES.size(); ++i)
        if (w.VOCES[i]->isChecked()) out << i;
    return out;
}
} // namespace

class TestTata : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void voiceMenu_data() {
        QTest::addColumn<QStringList>("voices");
        QTest::newRow("no voice") << QStringList();
        QTest::newRow("two voices") << QStringList{"Català, home", "Castellà, dona"};
    }
    void voiceMenu() {
        QFETCH(QStringList, voices);
        TestServices t;
        t.speech.voices = voices;
        QVERIFY(t.forms().isRegistered("TATA"));
        TATA& w = t.forms().show<TATA>();
        QCOMPARE(w.windowTitle(), QString("Taudrin'veu"));
        QCOMPARE(w.centralWidget()->size(), QSize(219, 3));
        QCOMPARE(w.ER->title(), QString("VEUS"));
        QCOMPARE(w.menuBar()->actions(), QList<QAction*>{w.ER->menuAction()});
        QCOMPARE(itemTexts(w), QStringList{QString::fromUtf8("Català")} + voices);
        QCOMPARE(w.ER->actions(), w.VOCES);
        QCOMPARE(w.VOCES.last()->objectName(), QString("VOCES_%1").arg(voices.size()));
        QVERIFY(checkedItems(w).isEmpty());
        QVERIFY(!w.locutor);
        // Loading only asks; nothing is said and no voice is set.
        for (const Call& c : t.speech.calls)
            QVERIFY(c.member == 18 || c.member == 23);
    }

    void speakBeforeAnyChoice_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("word") << "x";
        QTest::newRow("empty text") << "";
    }
    void speakBeforeAnyChoice() {
        QFETCH(QString, text);
        TestServices t;
        t.speech.voices = {"a", "b"};
        t.forms().show<TATA>();
        t.speech.calls.clear();
        SpeakText(t.services(), text);
        QCOMPARE(t.speech.calls, (QList<Call>{{36, {}}, {6, text}}));
    }

    void speakAfterChoice_data() {
        QTest::addColumn<int>("item");
        QTest::newRow("Català") << 0;
        QTest::newRow("second voice") << 2;
    }
    void speakAfterChoice() {
        QFETCH(int, item);
        TestServices t;
        t.speech.voices = {"a", "b"};
        TATA& w = t.forms().show<TATA>();
        w.VOCES[item]->trigger();
        QCOMPARE(w.locutor, std::optional<int>(item));
        QCOMPARE(checkedItems(w), QList<int>{item});
        t.speech.calls.clear();
        SpeakText(t.services(), "x");
        QCOMPARE(t.speech.calls, (QList<Call>{{36, {}}, {69, QString::number(item)}, {6, "x"}}));
    }

    // The user opens "VEUS" and clicks an item with the mouse.
    void chooseWithTheMouse() {
        TestServices t;
        t.speech.voices = {"a", "b"};
        TATA& w = t.forms().show<TATA>();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QMenuBar* bar = w.menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(w.ER->menuAction()).center());
        QTRY_VERIFY(w.ER->isVisible());
        QTest::mouseClick(w.ER, Qt::LeftButton, {}, w.ER->actionGeometry(w.VOCES[1]).center());
        QTRY_VERIFY(!w.ER->isVisible());
        QCOMPARE(w.locutor, std::optional<int>(1));
        QCOMPARE(checkedItems(w), QList<int>{1});
    }

    void oneCheckMark() {
        TestServices t;
        t.speech.voices = {"a", "b"};
        TATA& w = t.forms().show<TATA>();
        w.VOCES[2]->trigger();
        w.VOCES[1]->trigger();
        QCOMPARE(checkedItems(w), QList<int>{1});
        // The same item again: it stays the only one checked.
        w.VOCES[1]->trigger();
        QCOMPARE(checkedItems(w), QList<int>{1});
        QCOMPARE(w.locutor, std::optional<int>(1));
    }

    void speakingLoadsTheWindowHidden() {
        TestServices t;
        t.speech.voices = {"a", "b"};
        QVERIFY(!t.forms().isLoaded("TATA"));
        SpeakText(t.services(), "hola");
        TATA* w = t.forms().loaded<TATA>();
        QVERIFY(w);
        QVERIFY(!w->isVisible());
        QCOMPARE(itemTexts(*w).size(), 3);
        QCOMPARE(t.speech.members(), (QList<int>{18, 23, 23, 36, 6}));
        QCOMPARE(t.speech.calls.last(), (Call{6, "hola"}));
        // Opening it later shows that same window with its menu as it was.
        TATA& shown = t.forms().show<TATA>();
        QCOMPARE(&shown, w);
        QVERIFY(shown.isVisible());
        QCOMPARE(t.speech.members().count(18), 1);
    }

    void closingClearsTheCodeAndLosesTheChoice() {
        TestServices t;
        t.speech.voices = {"a", "b"};
        TATA& w = t.forms().show<TATA>();
        t.state().setActivityCode(103);
        t.state().setSpeechFlag(1);
        w.VOCES[2]->trigger();
        SpeakText(t.services(), "y");
        QCOMPARE(t.speech.voice(), 2);
        t.speech.calls.clear();
        QVERIFY(w.close());
        QCOMPARE(t.speech.members(), QList<int>{36}); // what it was saying stops
        QVERIFY(!t.forms().isLoaded("TATA"));
        QCOMPARE(t.state().ActivityCode(), 0);
        QCOMPARE(t.state().SpeechFlag(), 1);
        // The next utterance loads it again, hidden and with no voice chosen.
        t.speech.calls.clear();
        SpeakText(t.services(), "x");
        QVERIFY(!t.speech.members().contains(69));
        QCOMPARE(t.speech.members().mid(t.speech.members().size() - 2), (QList<int>{36, 6}));
        QCOMPARE(t.speech.voice(), 0); // the old choice went with the window
        QCOMPARE(t.speech.resets, 2);
        QVERIFY(!t.forms().loaded<TATA>()->isVisible());
    }

    // Closing it clears whatever activity the code named.
    void closingClearsAnotherActivitysCode() {
        TestServices t;
        TATA& w = t.forms().show<TATA>();
        t.state().setActivityCode(3);
        QVERIFY(w.close());
        QCOMPARE(t.state().ActivityCode(), 0);
    }
};

QTEST_MAIN(TestTata)
#include "tst_tata.moc"
