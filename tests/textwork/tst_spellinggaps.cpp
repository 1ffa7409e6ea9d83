// The spelling gap builders without a window: each family's pieces read from its caption, the
// order they are tried in, exact comparison, line breaks, letter groups and the 900-character
// stretch.
#include "textwork/spellinggaps.h"

#include <QTest>

using namespace spellinggaps;
Q_DECLARE_METATYPE(spellinggaps::Family)

class TestSpellingGaps : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void families_data() {
        QTest::addColumn<Family>("family");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("gapped");
        QTest::addColumn<int>("blanks");

        QTest::newRow("v-b") << Family::pp << "v-b"
                             << "el vell bou Viu"
                             << "el _ell _ou Viu" << 2;
        QTest::newRow("c-ç hides ç and no other accent")
            << Family::pp << QString::fromUtf8("c-ç") << QString::fromUtf8("caça cançó ĉ")
            << QString::fromUtf8("_a_a _an_ó ĉ") << 4;
        QTest::newRow("a-e") << Family::vo << "a-e" << QString::fromUtf8("mare à")
                             << QString::fromUtf8("m_r_ à") << 2;
        QTest::newRow("r-rr: a pair as two blanks") << Family::ppp << "r-rr"
                                                    << "la gerra rodona"
                                                    << "la ge__a _odona" << 3;
        QTest::newRow("c-qu: Qu stays") << Family::ppp << "c-qu"
                                        << "Quin quadre clar"
                                        << "Quin __adre _lar" << 3;
        QTest::newRow("i-ix: the x after an i") << Family::ppp << "i-ix"
                                                << "peix i pi x"
                                                << "pe__ _ p_ x" << 4;
        QTest::newRow("l-ll") << Family::ppp << "l-ll"
                              << "lluna al"
                              << "__una a_" << 3;
        QTest::newRow("ch") << Family::ccc << "ch"
                            << "Puig i Cadafalch"
                            << "Puig i Cadafal__" << 2;
        QTest::newRow("rr") << Family::ccc << "rr"
                            << "carrer rrr"
                            << "ca__er __r" << 4;
        QTest::newRow("el-le: the pair found first wins") << Family::pppp << "el-le"
                                                          << "ele lel"
                                                          << "__e __l" << 4;
        QTest::newRow("pr-cr") << Family::pppp << "pr-cr"
                               << "prova crua"
                               << "__ova __ua" << 4;
        QTest::newRow("las-los inside words") << Family::ssi << "las-los"
                                              << "las los ullastre"
                                              << "___ ___ ul___tre" << 9;
        QTest::newRow("les-els") << Family::ssi << "les-els"
                                 << "les bles"
                                 << "___ b___" << 6;
        QTest::newRow("voc: accented vowels, no capital, no dieresis")
            << Family::Command3 << "voc" << QString::fromUtf8("Ésser útil òàíìéèùóá ïü AEIOU")
            << QString::fromUtf8("Éss_r _t_l _________ ïü AEIOU") << 12;
        QTest::newRow("an empty source") << Family::pp << "v-b"
                                         << ""
                                         << "" << 0;
        QTest::newRow("line breaks as CR LF") << Family::pp << "v-b"
                                              << "vi\nbo"
                                              << "_i\r\n_o" << 2;
    }
    void families() {
        QFETCH(Family, family);
        QFETCH(QString, caption);
        QFETCH(QString, source);
        QFETCH(QString, gapped);
        QFETCH(int, blanks);
        const Exercise e = build(source, pieces(family, caption), stretchOf(family));
        QCOMPARE(e.gapped, gapped);
        QCOMPARE(e.blanks, blanks);
        QCOMPARE(int(e.gapped.count('_')), blanks);
    }

    void piecesByCaption_data() {
        QTest::addColumn<Family>("family");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("pp") << Family::pp << "m-n" << QStringList{"m", "n"};
        QTest::newRow("vo") << Family::vo << "e-o" << QStringList{"e", "o"};
        QTest::newRow("ppp: the pair first") << Family::ppp << "c-qu" << QStringList{"qu", "c"};
        QTest::newRow("ccc") << Family::ccc << "tj" << QStringList{"tj"};
        QTest::newRow("pppp: the second pair first") << Family::pppp << "gu-ce" << QStringList{"ce", "gu"};
        QTest::newRow("ssi: the second triple first")
            << Family::ssi << "les-els" << QStringList{"els", "les"};
    }
    void piecesByCaption() {
        QFETCH(Family, family);
        QFETCH(QString, caption);
        QFETCH(QStringList, expected);
        QCOMPARE(pieces(family, caption), expected);
    }

    void letterGroups() {
        QCOMPARE(groupPieces({"  ny ", "", "   ", "n", "\tl"}), (QStringList{"ny", "n", "\tl"}));
        const QStringList groups = groupPieces({"ny", "n", "", "", "", "", "", ""});
        Exercise e = build("any nou", groups, stretchOf(Family::Command9));
        QCOMPARE(e.gapped, QString("a__ _ou"));
        QCOMPARE(e.blanks, 3);
        // Overlapping groups: the lower-numbered one wins at each position.
        e = build("pan", groupPieces({"a", "an"}), Stretch::Whole);
        QCOMPARE(e.gapped, QString("p_n"));
        e = build("pan", groupPieces({"an", "a"}), Stretch::Whole);
        QCOMPARE(e.gapped, QString("p__"));
        // Empty groups hide nothing.
        e = build("pa", groupPieces({"", " "}), Stretch::Whole);
        QCOMPARE(e.gapped, QString("pa"));
        QCOMPARE(e.blanks, 0);
    }

    void stretch_data() {
        QTest::addColumn<Family>("family");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("length");
        QTest::newRow("pp: the whole text") << Family::pp << "v-b" << 1000;
        QTest::newRow("Command9: the whole text") << Family::Command9 << "" << 1000;
        QTest::newRow("vo: the first 900") << Family::vo << "a-e" << 900;
        QTest::newRow("ccc: a pair ending at 900") << Family::ccc << "xy" << 900;
        QTest::newRow("ccc: a pair starting at 900 reaches 901") << Family::ccc << "yz" << 901;
        QTest::newRow("ssi: a triple starting at 900 reaches 902") << Family::ssi << "yzk-abc" << 902;
        QTest::newRow("voc: the first 900") << Family::Command3 << "voc" << 900;
    }
    void stretch() {
        QFETCH(Family, family);
        QFETCH(QString, caption);
        QFETCH(int, length);
        // 898 characters, then "xyz" at positions 899 to 901 counted from 1, then more.
        const QString source = QString(898, 'k') + "xyz" + QString(99, 'k');
        QCOMPARE(source.size(), 1000);
        const QStringList p = family == Family::Command9 ? groupPieces({"k"}) : pieces(family, caption);
        const Exercise e = build(source, p, stretchOf(family));
        QCOMPARE(int(e.gapped.size()), length);
    }

    // 900 counts a line break as two characters.
    void stretchCountsBreaksAsTwo() {
        const QString source = QString(449, 'k') + "\n" + QString(600, 'k');
        const Exercise e = build(source, {"v"}, Stretch::First900);
        QCOMPARE(e.gapped, QString(449, 'k') + "\r\n" + QString(449, 'k'));
    }

    void pressedTwiceGivesTheSameExercise() {
        const QString source = "la gerra rodona";
        const Exercise a = build(source, pieces(Family::ppp, "r-rr"), Stretch::First900);
        const Exercise b = build(source, pieces(Family::ppp, "r-rr"), Stretch::First900);
        QCOMPARE(a.gapped, b.gapped);
        QCOMPARE(a.blanks, b.blanks);
    }
};

QTEST_APPLESS_MAIN(TestSpellingGaps)
#include "tst_spellinggaps.moc"
