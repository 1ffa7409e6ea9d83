// The exercise editor's rules: fields as the boxes show them, save names, proposing and appending.
#include "textwork/exerciseeditorrules.h"
#include "textwork/gapexercise.h"

#include <QTest>

using namespace exerciseeditor;

class TestExerciseEditorRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fields_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("padded");
        QTest::newRow("blank") << QString(30, ' ') << ""
                               << "";
        QTest::newRow("empty") << ""
                               << ""
                               << "";
        QTest::newRow("padded") << "b v ll" + QString(24, ' ') << "b v ll"
                                << "b v ll ";
        QTest::newRow("full") << QString(30, 'x') << QString(30, 'x') << QString(30, 'x') + ' ';
        QTest::newRow("line break kept") << "un\r\n  "
                                         << "un\r\n"
                                         << "un\r\n ";
        QTest::newRow("inner spaces kept") << "  a  b  "
                                           << "  a  b"
                                           << "  a  b ";
    }
    void fields() {
        QFETCH(QString, stored);
        QFETCH(QString, title);
        QFETCH(QString, padded);
        QCOMPARE(titleField(stored), title);
        QCOMPARE(paddedField(stored), padded);
    }

    // Loading and saving again gives the record back byte for byte, even a text that fills it.
    void roundTrip_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::newRow("short") << "El gat"
                               << "b v "
                               << "Un gat\r\nblanc.";
        QTest::newRow("blank") << ""
                               << ""
                               << "";
        QTest::newRow("full text") << QString(30, 't') << QString(30, 'k') << QString(8940, 'a');
        QTest::newRow("text ending in spaces") << "t"
                                               << "ll "
                                               << "fi.   ";
    }
    void roundTrip() {
        QFETCH(QString, title);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        const QByteArray record = assembleGapRecord(title, keys, text);
        const GapExercise read = splitGapRecord(record, gapexercise::RecordLength);
        QCOMPARE(assembleGapRecord(titleField(read.title), paddedField(read.keys), paddedField(read.text)),
                 record);
    }

    void names_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("file"); // empty: refused
        QTest::newRow("plain") << "conte"
                               << "conte.dat";
        QTest::newRow("ends in dat") << "soldat"
                                     << "soldat.dat";
        QTest::newRow("extension") << "prova.dat"
                                   << "prova.dat";
        QTest::newRow("extension in capitals") << "prova.DAT"
                                               << "prova.DAT";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("dot") << "."
                             << "";
        QTest::newRow("dot dot") << ".."
                                 << "";
        QTest::newRow("separator") << "../conte"
                                   << "";
        QTest::newRow("absolute") << "/tmp/conte.dat"
                                  << "";
    }
    void names() {
        QFETCH(QString, name);
        QFETCH(QString, file);
        const std::optional<QString> path = namedExercisePath(QStringLiteral("/p/data"), name);
        if (file.isEmpty()) {
            QVERIFY(!path);
        } else {
            QVERIFY(path);
            QCOMPARE(*path, "/p/data/" + file);
        }
    }

    void start_data() {
        QTest::addColumn<double>("count");
        QTest::addColumn<double>("draw");
        QTest::addColumn<int>("start");
        QTest::newRow("no list") << 0.0 << 0.7 << 0;
        QTest::newRow("fraction") << 12.5 << 0.99 << 12;
        QTest::newRow("low") << 50.0 << 0.2 << 10;
        QTest::newRow("zero draw") << 50.0 << 0.0 << 0;
    }
    void start() {
        QFETCH(double, count);
        QFETCH(double, draw);
        QFETCH(int, start);
        QCOMPARE(proposalStart(count, draw), start);
    }

    void propose_data() {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("found"); // -1: none
        const QStringList w{"casa", "gat", "canya", "pluja", "llet", "lluna"};
        QTest::newRow("at start") << w << "gat" << 1 << 1;
        QTest::newRow("further on") << w << "ll" << 0 << 4;
        QTest::newRow("wraps to the top") << w << "ny" << 3 << 2;
        QTest::newRow("start past the end wraps") << w << "ca" << 6 << 0;
        QTest::newRow("inside a word") << w << "j" << 0 << 3;
        QTest::newRow("case counts") << w << "Ca" << 0 << -1;
        QTest::newRow("accents count") << QStringList{"cafè"} << "e" << 0 << -1;
        QTest::newRow("middle dot") << QStringList{"ala", "cel·la"} << "l·l" << 0 << 1;
        QTest::newRow("none") << w << "tx" << 2 << -1;
        QTest::newRow("empty list") << QStringList{} << "b" << 0 << -1;
        QTest::newRow("empty words") << QStringList{"", ""} << "b" << 0 << -1;
    }
    void propose() {
        QFETCH(QStringList, words);
        QFETCH(QString, key);
        QFETCH(int, start);
        QFETCH(int, found);
        QCOMPARE(proposeWord(words, key, start).value_or(-1), found);
    }

    // 50 words, only the 3rd holds "ny", a start of 10: it is still found.
    void proposeFromLateStart() {
        QStringList words;
        for (int i = 0; i < 50; ++i)
            words << (i == 2 ? QStringLiteral("canya") : QStringLiteral("mot%1").arg(i));
        QCOMPARE(proposeWord(words, QStringLiteral("ny"), 10).value_or(-1), 2);
    }

    void append_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("result");
        QTest::newRow("after the text") << "Un gat "
                                        << "blanc"
                                        << "Un gat blanc ";
        QTest::newRow("outer spaces go") << ""
                                         << "  pa  "
                                         << "pa ";
        QTest::newRow("after a line break") << "Hola\n"
                                            << "món"
                                            << "Hola\nmón ";
        QTest::newRow("a typed text without a last space") << "El gat"
                                                           << "casa"
                                                           << "El gat casa ";
    }
    void append() {
        QFETCH(QString, text);
        QFETCH(QString, word);
        QFETCH(QString, result);
        QCOMPARE(appendedText(text, word), result);
    }

    void keys_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("result");
        QTest::newRow("empty") << ""
                               << "ny"
                               << "ny ";
        QTest::newRow("added") << "b "
                               << "v"
                               << "b v ";
        QTest::newRow("there") << "b v "
                               << "v"
                               << "b v ";
        QTest::newRow("inside another is another key") << "ll "
                                                       << "l"
                                                       << "ll l ";
        QTest::newRow("whole after one it is inside") << "ll l "
                                                      << "l"
                                                      << "ll l ";
        QTest::newRow("typed without a last space") << "b v"
                                                    << "ny"
                                                    << "b v ny ";
        QTest::newRow("the last key, without its space") << "b v"
                                                         << "v"
                                                         << "b v";
        QTest::newRow("starting at position 23") << QString(22, 'x') + " ny "
                                                 << "ny" << QString(22, 'x') + " ny ";
        QTest::newRow("only past 25") << QString(25, 'x') + " ny "
                                      << "ny" << QString(25, 'x') + " ny ny ";
        QTest::newRow("glued to another") << QString(24, 'x') + "ny "
                                          << "ny" << QString(24, 'x') + "ny ny ";
        QTest::newRow("case counts") << "b "
                                     << "B"
                                     << "b B ";
    }
    void keys() {
        QFETCH(QString, keys);
        QFETCH(QString, key);
        QFETCH(QString, result);
        QCOMPARE(appendedKeys(keys, key), result);
    }
};

QTEST_GUILESS_MAIN(TestExerciseEditorRules)
#include "tst_exerciseeditorrules.moc"
