// Typing sheet counts: keys in turn on a cell, with the typing state and the scroll row, and the
// Windows codes the Spanish layout gives Qt's key events.
#include "worksheets/counttyping.h"
#include "worksheets/windowskeys.h"

#include <QKeyEvent>
#include <QTest>

namespace {
constexpr ScrollRange Range{1, 44};
}

class TestCountTyping : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keys_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("scroll");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("endText");
        QTest::addColumn<QString>("endState");
        QTest::addColumn<int>("endCode"); // what the last key hands back
        QTest::addColumn<int>("endScroll");
        auto row = [](const char* name, const QString& text, const QString& state, QList<int> keys,
                      const QString& endText, const QString& endState, int endCode, int row = 5, int col = 0,
                      int scroll = 1, int endScroll = 1) {
            QTest::newRow(name) << text << state << row << col << scroll << keys << endText << endState
                                << endCode << endScroll;
        };
        row("2 then 0", "", "", {50, 48}, "20", "", 48);
        row("3, 4, 5", "", "1", {51, 52, 53}, "345", "1", 53);
        row("0 then 5", "0", "", {53}, "5", "", 53);
        row("Shift then 2: a symbol, no digit", "7", "", {16, 50}, "7", "2", 168);
        row("Shift, 5, Caps Lock, 5", "1", "", {16, 53, 20, 53}, "15", "1", 53);
        row("minus on an empty cell", "", "", {189}, "0", "", 189);
        row("minus, plain state", "", "1", {189}, "0", "1", 45);
        row("acute accent key, then 5", "3", "", {222, 53}, "35", "4", 53);
        row("grave accent key, then a", "7", "", {186, 65}, "7", "1", 224);
        row("grave accent key, then b", "7", "", {186, 66}, "7", "3", 66);
        row("Shift, c", "5", "", {16, 67}, "5C", "1", 67);
        row("Shift, b on empty, then 4", "", "1", {16, 66, 52}, "4", "1", 52);
        row("12, Shift, a, 3", "12", "1", {16, 65, 51}, "12", "1", 51);
        row("12, Shift, d, 2: an exponent", "12", "1", {16, 68, 50}, "1200", "1", 50);
        row("full stop never stays", "1", "", {190, 53}, "15", "", 53);
        row("keypad 4", "12", "", {100}, "12", "", 100);
        row("letter on an empty cell", "", "1", {65}, "0", "1", 65);
        row("arrow on an empty cell", "", "1", {40}, "", "1", 40);
        row("space", "4", "1", {32}, "4", "1", 32);
        row("comma writes at once", "4", "2", {188}, "4", "1", 59);
        row("a big count", "99999999999999999", "", {57}, "1e+18", "", 57);
        row("Delete", "25", "", {46}, "", "", 46);
        row("Backspace", "25", "1", {8}, "", "1", 8);
        row("column 1", "Sumes", "1", {50}, "Sumes", "1", 50, 5, 1);
        row("row 1", "", "", {50, 46}, "", "", 46, 1, 0);
        row("row 2", "*****", "", {8}, "*****", "", 8, 2, 0);
        row("End", "4", "", {35}, "4", "", 35, 5, 0, 1, 11);
        row("End, then Home", "4", "", {35, 36}, "4", "", 36, 5, 0, 1, 1);
        row("End near the bottom", "4", "", {35}, "4", "", 35, 5, 0, 40, 44);
        row("End at the bottom", "4", "", {35}, "4", "", 35, 5, 0, 44, 44);
        row("Home at the top", "4", "", {36}, "4", "", 36, 5, 0, 1, 1);
        row("keys dropped with row 2 at the top", "5", "", {52, 16}, "5", "", 16, 5, 0, 2, 2);
        row("Delete with row 2 at the top", "5", "", {46}, "", "", 46, 5, 0, 2, 2);
    }
    void keys() {
        QFETCH(QString, text);
        QFETCH(QString, state);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(int, scroll);
        QFETCH(QList<int>, keys);
        CountKey key{row, col, text, state, scroll, 0};
        for (int code : keys) {
            key.keyCode = code;
            key = countKeyDown(key, Range);
            QCOMPARE(key.row, row);
            QCOMPARE(key.col, col);
        }
        QTEST(key.text, "endText");
        QTEST(key.typingState, "endState");
        QTEST(key.keyCode, "endCode");
        QTEST(key.scrollRow, "endScroll");
    }

    void countTexts() {
        QCOMPARE(countText(0), "0");
        QCOMPARE(countText(-0.0), "0");
        QCOMPARE(countText(42), "42");
        QCOMPARE(countText(1.5), "1.5");
        QCOMPARE(countText(1e18), "1e+18");
    }

    void windowsCodes_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<int>("code");
        const QList<std::tuple<const char*, int, bool, int>> rows{
            {"4", Qt::Key_4, false, 52},
            {"keypad 4", Qt::Key_4, true, 100},
            {"keypad 0", Qt::Key_0, true, 96},
            {"a", Qt::Key_A, false, 65},
            {"z", Qt::Key_Z, false, 90},
            {"Delete", Qt::Key_Delete, false, 46},
            {"Backspace", Qt::Key_Backspace, false, 8},
            {"End", Qt::Key_End, false, 35},
            {"Home", Qt::Key_Home, false, 36},
            {"Up", Qt::Key_Up, false, 38},
            {"Down", Qt::Key_Down, false, 40},
            {"Return", Qt::Key_Return, false, 13},
            {"keypad Enter", Qt::Key_Enter, true, 13},
            {"Caps Lock", Qt::Key_CapsLock, false, 20},
            {"Shift", Qt::Key_Shift, false, 16},
            {"space", Qt::Key_Space, false, 32},
            {"Tab", Qt::Key_Tab, false, 9},
            {"Page Up", Qt::Key_PageUp, false, 33},
            {"Escape", Qt::Key_Escape, false, 27},
            {"grave (dead)", Qt::Key_Dead_Grave, false, 186},
            {"circumflex (dead)", Qt::Key_Dead_Circumflex, false, 186},
            {"plus", Qt::Key_Plus, false, 187},
            {"asterisk", Qt::Key_Asterisk, false, 187},
            {"keypad plus", Qt::Key_Plus, true, 107},
            {"comma", Qt::Key_Comma, false, 188},
            {"semicolon", Qt::Key_Semicolon, false, 188},
            {"minus", Qt::Key_Minus, false, 189},
            {"keypad minus", Qt::Key_Minus, true, 109},
            {"underscore", Qt::Key_Underscore, false, 189},
            {"full stop", Qt::Key_Period, false, 190},
            {"colon", Qt::Key_Colon, false, 190},
            {"c cedilla", Qt::Key_Ccedilla, false, 191},
            {"apostrophe", Qt::Key_Apostrophe, false, 219},
            {"question mark", Qt::Key_Question, false, 219},
            {"masculine", Qt::Key_masculine, false, 220},
            {"feminine", Qt::Key_ordfeminine, false, 220},
            {"inverted exclamation", Qt::Key_exclamdown, false, 221},
            {"inverted question", Qt::Key_questiondown, false, 221},
            {"acute (dead)", Qt::Key_Dead_Acute, false, 222},
            {"diaeresis (dead)", Qt::Key_Dead_Diaeresis, false, 222},
            {"less", Qt::Key_Less, false, 226},
            {"greater", Qt::Key_Greater, false, 226},
            {"F1", Qt::Key_F1, false, 0},
        };
        for (const auto& [name, key, keypad, code] : rows)
            QTest::newRow(name) << key << keypad << code;
    }
    void windowsCodes() {
        QFETCH(int, key);
        QFETCH(bool, keypad);
        const QKeyEvent event(QEvent::KeyPress, key, keypad ? Qt::KeypadModifier : Qt::NoModifier);
        QTEST(windowsKeyCode(event), "code");
    }
};

QTEST_MAIN(TestCountTyping)
#include "tst_counttyping.moc"
