// The copy-typing rules without a screen: the live check key by key, the clock across midnight,
// the text tools, the saved texts and the typing results log.
#include "core/cp1252.h"
#include "textwork/copytypingrules.h"

#include <QTest>

using namespace copytyping;
Q_DECLARE_METATYPE(copytyping::Mode)

class TestCopyTypingRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keyDownChecks_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("check");
        QTest::addColumn<int>("caret");
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<bool>("restart");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<bool>("marker");
        QTest::addColumn<int>("position");
        QTest::newRow("first key") << ""
                                   << "gat" << 0 << Mode::Check << false << true << false << 1;
        QTest::newRow("second key restarts the clock")
            << "g"
            << "gat" << 1 << Mode::Check << true << true << false << 2;
        QTest::newRow("free mode restarts the clock too")
            << "x"
            << "gat" << 1 << Mode::Free << true << false << false << 0;
        QTest::newRow("free mode compares nothing")
            << "xyz"
            << "gat" << 3 << Mode::Free << false << false << false << 0;
        QTest::newRow("differs before the caret") << "gx"
                                                  << "gat" << 2 << Mode::Check << false << true << true << 3;
        QTest::newRow("only what lies before the caret counts")
            << "gax"
            << "gat" << 2 << Mode::Check << false << true << false << 3;
        QTest::newRow("case counts") << "G"
                                     << "gat" << 1 << Mode::Check << true << true << true << 2;
        QTest::newRow("accents count") << "a"
                                       << "à" << 1 << Mode::Check << true << true << true << 2;
        QTest::newRow("a line break the model lacks")
            << "ga\r\n"
            << "gat" << 4 << Mode::Check << false << true << true << 5;
        QTest::newRow("a line break the model holds")
            << "ga\r\n"
            << "ga\r\nt" << 4 << Mode::Check << false << true << false << 5;
        QTest::newRow("no model") << ""
                                  << "" << 0 << Mode::Check << false << true << false << 1;
    }
    void keyDownChecks() {
        QFETCH(QString, typed);
        QFETCH(QString, check);
        QFETCH(int, caret);
        QFETCH(Mode, mode);
        QFETCH(bool, restart);
        QFETCH(bool, checked);
        QFETCH(bool, marker);
        QFETCH(int, position);
        const KeyDown step = keyDown(typed, check, caret, mode);
        QCOMPARE(step.restartClock, restart);
        QCOMPARE(step.checked, checked);
        QCOMPARE(step.marker, marker);
        QCOMPARE(step.position, position);
    }

    void keyUpRemoves_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("check");
        QTest::addColumn<int>("key");
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<bool>("acted");
        QTest::addColumn<QString>("after");
        QTest::newRow("right letter stays") << "ga"
                                            << "gat" << 0 << Mode::Check << true << "ga";
        QTest::newRow("wrong letter goes") << "gap"
                                           << "gat" << 0 << Mode::Check << true << "ga";
        QTest::newRow("only one per release") << "gxp"
                                              << "gat" << 0 << Mode::Check << true << "gx";
        QTest::newRow("past the model's end") << "gats"
                                              << "gat" << 0 << Mode::Check << true << "gat";
        QTest::newRow("no model: anything goes") << "a"
                                                 << "" << 0 << Mode::Check << true << "";
        QTest::newRow("free mode keeps it") << "gap"
                                            << "gat" << 0 << Mode::Free << false << "gap";
        QTest::newRow("Enter keeps the break") << "ga\r\n"
                                               << "gat" << KeyEnter << Mode::Check << false << "ga\r\n";
        QTest::newRow("a later key takes the break's next letter")
            << "ga\r\nt"
            << "gat" << 0 << Mode::Check << true << "ga\r\n";
        QTest::newRow("a key on the break itself takes it whole")
            << "ga\r\n"
            << "gat" << 8 << Mode::Check << true << "ga";
        QTest::newRow("a break the model holds stays") << "ga\r\nt"
                                                       << "ga\r\nto" << 0 << Mode::Check << true << "ga\r\nt";
        QTest::newRow("empty text: nothing") << ""
                                             << "gat" << 8 << Mode::Check << false << "";
        QTest::newRow("capitals fail small letters") << "G"
                                                     << "gat" << 0 << Mode::Check << true << "";
    }
    void keyUpRemoves() {
        QFETCH(QString, typed);
        QFETCH(QString, check);
        QFETCH(int, key);
        QFETCH(Mode, mode);
        QFETCH(bool, acted);
        QFETCH(QString, after);
        const KeyUp step = keyUp(typed, check, key, mode);
        QCOMPARE(step.acted, acted);
        QCOMPARE(step.typed, after);
    }

    void clock_data() {
        QTest::addColumn<QTime>("start");
        QTest::addColumn<QTime>("now");
        QTest::addColumn<int>("elapsed");
        QTest::newRow("same second") << QTime(10, 0, 0) << QTime(10, 0, 0, 400) << 0;
        QTest::newRow("rounded") << QTime(10, 0, 0) << QTime(10, 0, 41, 600) << 42;
        QTest::newRow("across midnight") << QTime(23, 59, 50) << QTime(0, 0, 5) << 15;
        QTest::newRow("first half second of the day") << QTime(23, 59, 59) << QTime(0, 0, 0, 300) << 1;
        QTest::newRow("last half second rounds to midnight") << QTime(0, 0, 0) << QTime(23, 59, 59, 700) << 0;
    }
    void clock() {
        QFETCH(QTime, start);
        QFETCH(QTime, now);
        QFETCH(int, elapsed);
        QCOMPARE(elapsedSeconds(secondsOfDay(start), secondsOfDay(now)), elapsed);
    }

    void dateIsDayMonthYear() {
        QCOMPARE(dateText(QDate(2026, 3, 7)), QString("07/03/26"));
        QCOMPARE(dateText(QDate(1999, 12, 31)), QString("31/12/99"));
    }

    void tools_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("upper");
        QTest::addColumn<QString>("lower");
        QTest::addColumn<QString>("plain");
        QTest::newRow("grave") << "l'àvia"
                               << "L'ÀVIA"
                               << "l'àvia"
                               << "l'avia";
        QTest::newRow("diaeresis and cedilla stay") << "Veïna pingüí caçador"
                                                    << "VEÏNA PINGÜÍ CAÇADOR"
                                                    << "veïna pingüí caçador"
                                                    << "Veïna pingüi caçador";
        QTest::newRow("all twenty") << "ÁÉÍÓÚáéíóúàèìòùÀÈÌÒÙ"
                                    << "ÁÉÍÓÚÁÉÍÓÚÀÈÌÒÙÀÈÌÒÙ"
                                    << "áéíóúáéíóúàèìòùàèìòù"
                                    << "AEIOUaeiouaeiouAEIOU";
        QTest::newRow("line breaks and sharp s keep their length") << "Straße\r\nñ"
                                                                   << "STRAßE\r\nÑ"
                                                                   << "straße\r\nñ"
                                                                   << "Straße\r\nñ";
        QTest::newRow("empty") << ""
                               << ""
                               << ""
                               << "";
    }
    void tools() {
        QFETCH(QString, text);
        QFETCH(QString, upper);
        QFETCH(QString, lower);
        QFETCH(QString, plain);
        QCOMPARE(upperCase(text), upper);
        QCOMPARE(lowerCase(text), lower);
        QCOMPARE(withoutAccents(text), plain);
    }

    void sizes_data() {
        QTest::addColumn<double>("size");
        QTest::addColumn<double>("larger");
        QTest::addColumn<double>("smaller");
        QTest::newRow("design") << 21.75 << 26.75 << 16.75;
        QTest::newRow("15") << 15.0 << 20.0 << 10.0;
        QTest::newRow("12") << 12.0 << 17.0 << 10.0;
        QTest::newRow("10 stays") << 10.0 << 15.0 << 10.0;
        QTest::newRow("below 10") << 8.0 << 13.0 << 10.0;
        QTest::newRow("top") << 398.0 << 400.0 << 393.0;
        QTest::newRow("400 stays") << 400.0 << 400.0 << 395.0;
    }
    void sizes() {
        QFETCH(double, size);
        QFETCH(double, larger);
        QFETCH(double, smaller);
        QCOMPARE(largerSize(size), larger);
        QCOMPARE(smallerSize(size), smaller);
    }

    void openedTextIsTwoHundred_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("text");
        QTest::newRow("long file cut") << QByteArray(1000, 'a') << QString(200, 'a');
        QTest::newRow("short file padded")
            << QByteArray("gat\r\nmoix") << QString("gat\r\nmoix").leftJustified(200);
        QTest::newRow("empty file") << QByteArray() << QString(200, ' ');
        QTest::newRow("code page 1252") << toCp1252("l'àvia") << QString("l'àvia").leftJustified(200);
    }
    void openedTextIsTwoHundred() {
        QFETCH(QByteArray, file);
        QFETCH(QString, text);
        QCOMPARE(openedText(file), text);
    }

    void savedFileKeepsWhatFollows() {
        QCOMPARE(savedFile(QByteArray(), "gat"), QByteArray("gat").leftJustified(200, ' '));
        QByteArray old(250, 'x');
        const QByteArray saved = savedFile(old, QString(300, 'b'));
        QCOMPARE(saved.size(), 250);
        QCOMPARE(saved.left(200), QByteArray(200, 'b'));
        QCOMPARE(saved.mid(200), QByteArray(50, 'x'));
        QCOMPARE(savedFile(QByteArray(10, 'x'), "ç").size(), 200);
    }

    void resultRecords_data() {
        QTest::addColumn<int>("typed");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("numbers");
        QTest::newRow("plain") << 120 << 60 << " 120  60 120  ";
        QTest::newRow("speed truncated") << 31 << 7 << "  31   7 265  ";
        QTest::newRow("no second: four blanks") << 40 << 0 << "  40   0      ";
        QTest::newRow("long number pushes on and is cut") << 123456 << 100 << "123456 10074073";
    }
    void resultRecords() {
        QFETCH(int, typed);
        QFETCH(int, seconds);
        QFETCH(QString, numbers);
        const QString record = resultRecord("07/03/26", typed, seconds);
        QCOMPARE(record.size(), ResultRecordLength);
        QCOMPARE(record.left(30), QString(30, ' '));
        QCOMPARE(record.mid(30, 8), QString("07/03/26"));
        QCOMPARE(record.mid(38), numbers.left(14));
    }

    void resultRecordChoice_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("record");
        const QByteArray blank(ResultRecordLength, ' ');
        const QByteArray used = QByteArray("x").leftJustified(ResultRecordLength, 'x');
        const QByteArray zero(ResultRecordLength, '\0');
        QTest::newRow("new log") << QByteArray() << 50;
        QTest::newRow("first record blank") << blank + used << 1;
        QTest::newRow("third record blank") << used + zero + blank << 3;
        QTest::newRow("past the end is not taken") << used + used << 50;
        QTest::newRow("after a first result") << zero.repeated(49) + blank << 50;
        QTest::newRow("record 51 is never taken") << used.repeated(50) + blank << 50;
        QTest::newRow("partial record not taken") << used + QByteArray(" ") << 50;
    }
    void resultRecordChoice() {
        QFETCH(QByteArray, file);
        QFETCH(int, record);
        QCOMPARE(resultRecordNumber(file), record);
    }
};

QTEST_MAIN(TestCopyTypingRules)
#include "tst_copytypingrules.moc"
