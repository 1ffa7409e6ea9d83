// The fill-the-blanks player's rules without a screen: blanking the keys, the key filter, the
// layouts and the title list.
#include "textwork/gapexercise.h"
#include "textwork/playerrules.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace playerrules;
Q_DECLARE_METATYPE(playerrules::Layout)

class TestPlayerRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void blanking_data() {
        QTest::addColumn<QString>("keysField");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("gapped");
        QTest::addColumn<int>("blanks");
        QTest::newRow("case matters") << "qu "
                                      << "Quin formatge que"
                                      << "Quin formatge __e" << 2;
        QTest::newRow("l then ll") << "l ll "
                                   << "la llet i el llum"
                                   << "_a __et i e_ __um" << 6;
        QTest::newRow("ll then l") << "ll l "
                                   << "la llet i el llum"
                                   << "_a __et i e_ __um" << 6;
        QTest::newRow("inside words") << "er "
                                      << "perera"
                                      << "p____a" << 4;
        QTest::newRow("accents exact") << "à "
                                       << "més à a á"
                                       << "més _ a á" << 1;
        QTest::newRow("only spaces") << QString(30, ' ') << "una casa"
                                     << "una casa" << 0;
        QTest::newRow("empty field") << ""
                                     << "una casa"
                                     << "una casa" << 0;
        QTest::newRow("no trailing space") << "a"
                                           << "una casa"
                                           << "una casa" << 0;
        QTest::newRow("empty keys skipped") << "  a "
                                            << "una casa"
                                            << "un_ c_s_" << 3;
        QTest::newRow("seventh key stays") << "a b c d e f g "
                                           << "abcdefgh"
                                           << "______gh" << 6;
        QTest::newRow("overlapping matches") << "aa "
                                             << "aaa"
                                             << "__a" << 2;
        QTest::newRow("line break kept") << "a "
                                         << "a\r\na"
                                         << "_\r\n_" << 2;
    }
    void blanking() {
        QFETCH(QString, keysField);
        QFETCH(QString, text);
        QFETCH(QString, gapped);
        QFETCH(int, blanks);
        const Blanked made = blankKeys(text, splitGapKeys(keysField));
        QCOMPARE(made.gapped, gapped);
        QCOMPARE(made.blanks, blanks);
        QCOMPARE(made.gapped.size(), text.size());
    }

    void filter_data() {
        QTest::addColumn<QString>("keysField");
        QTest::addColumn<QChar>("typed");
        QTest::addColumn<bool>("accepted");
        const QString five = "qu b v ll tj ç ";
        QTest::newRow("first letter") << five << QChar('q') << true;
        QTest::newRow("second letter of a key") << five << QChar('u') << true;
        QTest::newRow("sixth key") << five << QChar(u'ç') << true;
        QTest::newRow("other letter") << five << QChar('x') << false;
        QTest::newRow("case differs") << five << QChar('Q') << false;
        QTest::newRow("backspace") << five << QChar(8) << true;
        QTest::newRow("seventh key not blanked") << "a b c d e f g " << QChar('g') << false;
        QTest::newRow("four keys: no filter") << "a b c d " << QChar('x') << true;
        QTest::newRow("empty fifth: no filter") << "a b c d  f " << QChar('x') << true;
        QTest::newRow("control fifth: no filter") << QString("a b c d \tx ") << QChar('x') << true;
        QTest::newRow("no keys") << QString(30, ' ') << QChar('x') << true;
    }
    void filter() {
        QFETCH(QString, keysField);
        QFETCH(QChar, typed);
        QFETCH(bool, accepted);
        QCOMPARE(keyAccepted(splitGapKeys(keysField), typed), accepted);
    }

    void layouts_data() {
        QTest::addColumn<Layout>("layout");
        QTest::addColumn<QRect>("text1");
        QTest::addColumn<QRect>("text3");
        QTest::addColumn<double>("points"); // 0: unchanged
        const QRect away(0, -1000, 0, 0);
        QTest::newRow("gapped only") << Layout::GappedOnly << QRect(45, 45, 11700, 9100) << away << 0.0;
        QTest::newRow("full text only") << Layout::FullTextOnly << away << QRect(45, 45, 11700, 9100) << 30.0;
        QTest::newRow("stacked") << Layout::Stacked << QRect(45, 45, 11800, 6800)
                                 << QRect(45, 6900, 11800, 2200) << 20.0;
        QTest::newRow("side by side")
            << Layout::SideBySide << QRect(45, 45, 6015, 9100) << QRect(6120, 45, 5700, 9100) << 15.0;
    }
    void layouts() {
        QFETCH(Layout, layout);
        QFETCH(QRect, text1);
        QFETCH(QRect, text3);
        QFETCH(double, points);
        const LayoutPlaces places = layoutPlaces(layout);
        QCOMPARE(places.text1, text1);
        QCOMPARE(places.text3, text3);
        QCOMPARE(places.points.value_or(0), points);
    }

    // 260 entries in number order whatever the folder holds, and no file made.
    void titleList() {
        QTemporaryDir dir;
        const QString folder = dir.path();
        QVERIFY(QDir(folder).mkpath("data/automatic"));
        QVERIFY(writeGapExercise(numberedGapExercisePath(folder, 1), "Primer", "a ", "text"));
        QVERIFY(writeGapExercise(numberedGapExercisePath(folder, 260), "Darrer", "a ", "text"));
        QFile empty(numberedGapExercisePath(folder, 2));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        QFile shortFile(numberedGapExercisePath(folder, 4));
        QVERIFY(shortFile.open(QIODevice::WriteOnly));
        shortFile.write("Curt");
        shortFile.close();
        QVERIFY(QDir(folder).mkpath("data/automatic/0003.dat")); // a folder under an exercise's name

        const QStringList titles = exerciseTitles(folder);
        QCOMPARE(titles.size(), 260);
        const QString blank(30, ' ');
        QCOMPARE(titles[0], QString("Primer").leftJustified(30));
        QCOMPARE(titles[1], blank);
        QCOMPARE(titles[2], blank);
        QCOMPARE(titles[3], QString("Curt").leftJustified(30));
        QCOMPARE(titles[4], blank);
        QCOMPARE(titles[259], QString("Darrer").leftJustified(30));
        QCOMPARE(QDir(folder + "/data/automatic").entryList(QDir::Files).size(), 4);
    }

    // Titles are taken again from files that stay as they were; any change is read, however
    // made: rewritten in place at the same size, replaced, removed, or a folder in its stead.
    void titleListAfterChanges() {
        QTemporaryDir dir;
        const QString folder = dir.path();
        QVERIFY(QDir(folder).mkpath("data/automatic"));
        for (int n : {1, 2, 3, 4})
            QVERIFY(writeGapExercise(numberedGapExercisePath(folder, n), QString("Títol %1").arg(n), "a ",
                                     "text"));
        QThread::msleep(300); // older than a time stamp's grain, so the titles are kept
        QCOMPARE(exerciseTitles(folder)[0].trimmed(), QString("Títol 1"));
        QCOMPARE(exerciseTitles(folder)[1].trimmed(), QString("Títol 2"));

        QFile inPlace(numberedGapExercisePath(folder, 1));
        QVERIFY(inPlace.open(QIODevice::ReadWrite));
        inPlace.write("Canviat");
        inPlace.close();
        QVERIFY(writeGapExercise(numberedGapExercisePath(folder, 2), "Nou", "a ", "text"));
        QVERIFY(QFile::remove(numberedGapExercisePath(folder, 3)));
        QVERIFY(QFile::remove(numberedGapExercisePath(folder, 4)));
        QVERIFY(QDir(folder).mkpath("data/automatic/0004.dat"));
        const QStringList titles = exerciseTitles(folder);
        QCOMPARE(titles[0].trimmed(), QString("Canviat"));
        QCOMPARE(titles[1].trimmed(), QString("Nou"));
        QCOMPARE(titles[2], QString(30, ' '));
        QCOMPARE(titles[3], QString(30, ' '));
    }

    void missingFolder() {
        QTemporaryDir dir;
        const QStringList titles = exerciseTitles(dir.filePath("nowhere"));
        QCOMPARE(titles.size(), 260);
        QVERIFY(!QFile::exists(dir.filePath("nowhere")));
    }
};

QTEST_GUILESS_MAIN(TestPlayerRules)
#include "tst_playerrules.moc"
