// The gap rules without a screen: every member's scan over one table, and the random word.
#include "textwork/gaprules.h"

#include <QTest>

using namespace gaprules;

namespace {
// A member's scan by its name; the source step is the window's.
Blanked run(const QString& member, const QString& text) {
    if (member == "sense") return sense(text);
    if (member == "inicial") return inicial(text);
    if (member == "TOT") return everything(text);
    const std::optional<PatternRule> rule = patternRule(member);
    if (!rule) return {QStringLiteral("no such member"), -1};
    return scan(text, rule->tests);
}

QString dashes(int n) {
    return QString(n, QLatin1Char('-'));
}
} // namespace

class TestGapRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void members_data() {
        QTest::addColumn<QString>("member");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("gapped");
        QTest::addColumn<int>("blanks");
        auto row = [](const char* name, const QString& m, const QString& t, const QString& g, int b) {
            QTest::newRow(name) << m << t << g << b;
        };
        row("pb keeps capitals", "pb", "Pep i Bet", "Pe_ i Bet", 1);
        row("empty text", "pb", "", "", 0);
        row("dt", "dt", "dit de tot", "_i_ _e _o_", 5);
        row("çz: cedilla apart from c", "çz", "caça zona", "ca_a _ona", 2);
        row("cç", "cç", "caça", "_a_a", 2);
        row("cs leaves ç", "cs", "caça sal", "_aça _al", 2);
        row("trencada", "trencada", "caça cas", "ca_a ca_", 2);
        row("zeta leaves ç", "zeta", "caça zeta", "_aça _eta", 2);
        row("ae leaves accents", "ae", "àvia té aire", "àvi_ té _ir_", 3);
        row("jg", "jg", "jugar gel", "_u_ar _el", 3);
        row("mn blanks m and n, never t", "mn", "mont tant", "_o_t ta_t", 3);
        row("rl", "rl", "roll", "_o__", 3);
        row("uo leaves accents", "uo", "un pont òliu", "_n p_nt òli_", 3);
        row("vb", "vb", "Vaig beure vi", "Vaig _eure _i", 2);
        row("vvbb as vb", "vvbb", "Vaig beure vi", "Vaig _eure _i", 2);
        row("cqu digraph", "cqu", "aqua", "a__a", 2);
        row("cqu single before digraph", "cqu", "cquc", "____", 4);
        row("cqu lone q and capital Q stay", "cqu", "q Qu qa", "q Qu qa", 0);
        row("SSS double s", "SSS", "passa", "pa__a", 2);
        row("xix", "xix", "peix i xai", "pe__ i _ai", 3);
        row("xix single letter first", "xix", "xix", "___", 3);
        row("xix lone i stays", "xix", "ai i", "ai i", 0);
        row("old blanks kept uncounted", "pb", "_ep b", "_e_ _", 2);
        row("line breaks kept", "pb", "p\r\nb", "_\r\n_", 2);
        row("aaa blanks A only", "aaa", "Àa àá A", "À_ __ _", 4);
        row("eee", "eee", "Eé è e", "E_ _ _", 3);
        row("iii", "iii", "Iíì ï", "I__ ï", 2);
        row("uuu", "uuu", "Uúù ü", "U__ ü", 2);
        row("vocals", "vocals", "Això", "A_x_", 2);
        row("vocals all fifteen", "vocals", "aáàeéèiíìoóòuúù AÀÏü", QString(15, '_') + " AÀÏü", 15);
        row("aquid trailing space belongs to match", "aquid", "Aquest aquest ", "______ aquest ", 6);
        row("aquid plurals", "aquid", "Aquestes i aquestes ", "________ i ________ ", 16);
        row("aquid needs the trailing space", "aquid", "Aquest, aquesta.\r\naquest ",
            "Aquest, aquesta.\r\naquest ", 0);
        row("laslos", "laslos", "L'avi i la mare, l'os", "__avi i __ mare, __os", 6);
        row("laslos Spanish forms", "laslos", "Las casas y los perros ", "___ casas y ___ perros ", 6);
        row("laslos plurals stay", "laslos", "Els nens i les nenes", "Els nens i les nenes", 0);
        row("laslos capitals", "laslos", "El gat. La gata", "__ gat. __ gata", 4);
        row("unouna", "unouna", "Un gat i una gata i unes ", "__ gat i ___ gata i ____ ", 9);
        row("unouna Una before Un", "unouna", "Una Uns ", "___ ___ ", 6);
        row("sense", "sense", "Hola, món.", "____, ___.", 7);
        row("sense signs only", "sense", " .,;: ", " .,;: ", 0);
        row("sense blanks old blanks and breaks", "sense", "_a\r\n", "____", 4);
        row("inicial", "inicial", "Hola  bon dia", "____  ___ d__", 9);
        row("inicial after a line break", "inicial", "a\r\nb c", "____ c", 4);
        row("inicial trailing space", "inicial", "ab ", "__ ", 2);
        row("TOT", "TOT", "a b\r\n_", "_ ____", 5);
        // The scan window.
        row("900 kept of 1000", "pb", dashes(1000), dashes(900), 0);
        row("digraph at 900 whole", "xix", dashes(899) + "ix" + dashes(99), dashes(899) + "__", 2);
        row("letter at 901 not scanned", "pb", dashes(900) + "p", dashes(900), 0);
        row("pattern at 900 whole", "aquid", dashes(899) + "Aquestes " + dashes(92),
            dashes(899) + "________ ", 8);
        row("sense window", "sense", QString(1000, 'a'), QString(900, '_'), 900);
        row("TOT window", "TOT", QString(1000, 'a'), QString(900, '_'), 900);
        row("inicial space at 900", "inicial", dashes(899) + " x" + dashes(100), QString(899, '_') + " x",
            899);
    }
    void members() {
        QFETCH(QString, member);
        QFETCH(QString, text);
        QFETCH(QString, gapped);
        QFETCH(int, blanks);
        const Blanked made = run(member, text);
        QCOMPARE(made.gapped, gapped);
        QCOMPARE(made.blanks, blanks);
        // Aligned with the text, character for character.
        for (qsizetype k = 0; k < made.gapped.size(); ++k)
            QVERIFY2(made.gapped[k] == '_' || made.gapped[k] == text[k], qPrintable(QString::number(k)));
    }

    void sources() {
        for (const char* m : {"pb", "dt", "çz", "ae",   "cç",  "cs",  "trencada", "zeta", "jg",     "mn",
                              "rl", "uo", "vb", "vvbb", "aaa", "eee", "iii",      "uuu",  "vocals", "laslos"})
            QCOMPARE(patternRule(QString::fromUtf8(m))->source, Source::CopyOut);
        for (const char* m : {"cqu", "SSS", "xix", "aquid", "unouna"})
            QCOMPARE(patternRule(QString::fromUtf8(m))->source, Source::Restore);
        QVERIFY(!patternRule(u"sense"));
    }

    void atzar_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("r");
        QTest::addColumn<QString>("gapped");
        QTest::addColumn<int>("blanks");
        // n = 23; r = 0 starts at 1: the word after the first space.
        QTest::newRow("every occurrence, the next character kept")
            << "la casa i la casa, casa" << 0.0 << "la ____ i la ____, ____" << 12;
        // int(0.62 x 23) - 6 = 8: the space at 9, the word "el", also inside "cel".
        QTest::newRow("inside a word") << "el gat i el gos, el cel" << 0.62 << "__ gat i __ gos, __ c__" << 8;
        QTest::newRow("no space after the start") << "ab cdefghijk" << 0.99 << "ab cdefghijk" << 0;
        QTest::newRow("empty word") << "abc  defgh" << 0.0 << "abc  defgh" << 0;
        QTest::newRow("six characters") << "abcdef" << 0.5 << "abcdef" << 0;
        QTest::newRow("window") << dashes(950) + " xx" << 0.0 << dashes(900) << 0;
        QTest::newRow("word ending in a line break") << "a bc\r\nd bc\r\nd" << 0.0 << "a _____ _____" << 10;
    }
    void atzar() {
        QFETCH(QString, text);
        QFETCH(double, r);
        QFETCH(QString, gapped);
        QFETCH(int, blanks);
        const std::optional<Blanked> made = gaprules::atzar(text, r);
        QVERIFY(made);
        QCOMPARE(made->gapped, gapped);
        QCOMPARE(made->blanks, blanks);
    }
    void atzarTooShort() {
        QVERIFY(!gaprules::atzar("abcde", 0.5));
        QVERIFY(!gaprules::atzar("", 0.0));
    }
};

QTEST_GUILESS_MAIN(TestGapRules)
#include "tst_gaprules.moc"
