// The built-in texts: their layout entry by entry, the characters they may hold, the copies the
// copy-typing window carries, and their spelling in their own language.
#include "core/cp1252.h"
#include "platform/hunspellspellchecker.h"
#include "textwork/sampletextcorpus.h"
#include "wordgames/spellingwords.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {
// Body lengths in characters, entry by entry.
constexpr int BodyLengths[SampleTextCorpus::EntryCount] = {
    617, 701, 755, 431, 605, 553, 517, 538, 995, 760, 893, 604, 643, 531, 507, 840, 715, 471, 548,
    585, 738, 595, 841, 846, 637, 813, 779, 226, 642, 660, 957, 578, 788, 493, 360, 561, 575, 446,
    426, 668, 514, 573, 363, 445, 720, 632, 452, 604, 569, 440, 619, 709, 808, 557, 865};

bool hasAuthorLine(int n) {
    return (n >= 0 && n <= 7) || n == 9 || n == 10 || n == 12 || n == 13 || (n >= 15 && n <= 24) || n == 26 ||
           (n >= 28 && n <= 31);
}

// Names the dictionaries need not know.
const QSet<QString> Names = {"Arnau", "Berta", "Biel", "Joan", "Laia", "Marta", "Oli", "Roure", "Taudrin"};

// What breaks a text for the typing windows: a blank of the gap rules, a tab, three spaces in a
// row (the caret walk stops there), a line break, a curly apostrophe, or a character that code
// page 1252 cannot hold.
QString faultOf(const QString& text) {
    if (text.contains(QLatin1Char('_'))) return "a blank";
    if (text.contains(QLatin1Char('\t'))) return "a tab";
    if (text.contains(QLatin1String("   "))) return "three spaces";
    if (text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'))) return "a line break";
    if (text.contains(QChar(0x2019))) return "a curly apostrophe";
    if (fromCp1252(toCp1252(text)) != text) return "a character outside code page 1252";
    return {};
}

QStringList sentencesOf(const QString& body) {
    static const QRegularExpression end(QStringLiteral("(?<=[.!?:])\\s+"));
    return body.split(end, Qt::SkipEmptyParts);
}

QStringList misspelt(const QString& text, HunspellSpellChecker& checker) {
    QStringList out;
    for (const TextWord& w : findWords(text))
        if (!Names.contains(w.text) && !checker.isCorrect(w.text)) out << w.text;
    return out;
}
} // namespace

class TestSampleTextCorpus : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void entry_data() {
        QTest::addColumn<int>("n");
        for (int n = 0; n < SampleTextCorpus::EntryCount; ++n)
            QTest::addRow("%d", n) << n;
    }

    // Each entry as a text button loads it: one line of the listed length, then CR LF and the
    // author line exactly on the entries that have one.
    void entry() {
        QFETCH(int, n);
        const QString body = SampleTextCorpus::body(n);
        const QString author = SampleTextCorpus::author(n);
        QCOMPARE(body.size(), BodyLengths[n]);
        QCOMPARE(faultOf(body), QString());
        QVERIFY2(!body.startsWith(QLatin1Char(' ')) && !body.endsWith(QLatin1Char(' ')), "padded body");
        QCOMPARE(!author.isEmpty(), hasAuthorLine(n));
        if (hasAuthorLine(n)) {
            QVERIFY2(author.size() >= 10 && author.size() <= 22, qPrintable(author));
            QCOMPARE(faultOf(author), QString());
            QVERIFY(author.contains(QLatin1String("Taudrin"))); // credited as our own
            QCOMPARE(SampleTextCorpus::text(n), body + "\r\n" + author);
        } else {
            QCOMPARE(SampleTextCorpus::text(n), body);
        }
        QCOMPARE(SampleTextCorpus::isSpanish(n), n >= 44);
    }

    void firstAndShortest() {
        QCOMPARE(SampleTextCorpus::author(0).size(), 14);
        QCOMPARE(SampleTextCorpus::text(0).size(), 617 + 2 + 14);
        QCOMPARE(SampleTextCorpus::text(27).size(), 226);
    }

    void pastTheEntries_data() {
        QTest::addColumn<int>("n");
        for (int n : {-1, 55, 60, 75, 1000})
            QTest::addRow("%d", n) << n;
    }
    void pastTheEntries() {
        QFETCH(int, n);
        QVERIFY(SampleTextCorpus::text(n).isEmpty());
        QVERIFY(SampleTextCorpus::body(n).isEmpty());
        QVERIFY(SampleTextCorpus::author(n).isEmpty());
    }

    // The copy-typing window's holders: entries 32 to 54 without author lines, entry 38 after a
    // space.
    void copyTypingHolders() {
        for (int k = 0; k < SampleTextCorpus::CopyTypingCatalanCount; ++k) {
            const QString expected =
                (k == 6 ? QStringLiteral(" ") : QString()) + SampleTextCorpus::body(32 + k);
            QCOMPARE(SampleTextCorpus::copyTypingCatalanText(k), expected);
        }
        QCOMPARE(SampleTextCorpus::copyTypingCatalanText(6).size(), 427);
        for (int k = 0; k < SampleTextCorpus::CopyTypingSpanishCount; ++k)
            QCOMPARE(SampleTextCorpus::copyTypingSpanishText(k), SampleTextCorpus::body(44 + k));
        QVERIFY(SampleTextCorpus::copyTypingCatalanText(12).isEmpty());
        QVERIFY(SampleTextCorpus::copyTypingSpanishText(11).isEmpty());
        QVERIFY(SampleTextCorpus::copyTypingSpanishText(-1).isEmpty());
    }

    void extraText() {
        const QString extra = SampleTextCorpus::extraCatalanText();
        QCOMPARE(extra.size(), 913);
        QCOMPARE(faultOf(extra), QString());
        for (int n = 0; n < SampleTextCorpus::EntryCount; ++n)
            QVERIFY(SampleTextCorpus::body(n) != extra);
    }

    // Passages, not word lists: every text has full sentences, and no sentence is shared.
    void passagesShareNoSentence() {
        QHash<QString, int> seen;
        for (int n = 0; n <= SampleTextCorpus::EntryCount; ++n) {
            const QString text = n < SampleTextCorpus::EntryCount ? SampleTextCorpus::body(n)
                                                                  : SampleTextCorpus::extraCatalanText();
            const QStringList sentences = sentencesOf(text);
            QVERIFY2(sentences.size() >= 2, qPrintable(QString::number(n)));
            QVERIFY2(text.endsWith(QLatin1Char('.')), qPrintable(QString::number(n)));
            for (const QString& s : sentences) {
                QVERIFY2(s.split(QLatin1Char(' ')).size() >= 5, qPrintable(s));
                const QString key = s.toLower();
                QVERIFY2(!seen.contains(key) || seen.value(key) == n, qPrintable(s));
                seen.insert(key, n);
            }
        }
    }

    void catalanSpelling() {
        HunspellSpellChecker checker(QStringLiteral("/usr/share/hunspell"), QStringLiteral("ca"));
        QVERIFY(checker.hasDictionary());
        for (int n = 0; n < SampleTextCorpus::FirstSpanishEntry; ++n)
            QVERIFY2(misspelt(SampleTextCorpus::text(n), checker).isEmpty(),
                     qPrintable(QString::number(n) + ": " +
                                misspelt(SampleTextCorpus::text(n), checker).join(' ')));
        QCOMPARE(misspelt(SampleTextCorpus::extraCatalanText(), checker), QStringList());
        QVERIFY(!misspelt(QStringLiteral("El vell bou viu a la cabana i menja erba."), checker).isEmpty());
    }

    // Debian's Spanish dictionary is installed as es_ES.
    void spanishSpelling() {
        HunspellSpellChecker checker(QStringLiteral("/usr/share/hunspell"), QStringLiteral("es_ES"));
        QVERIFY(checker.hasDictionary());
        for (int n = SampleTextCorpus::FirstSpanishEntry; n < SampleTextCorpus::EntryCount; ++n)
            QVERIFY2(misspelt(SampleTextCorpus::text(n), checker).isEmpty(),
                     qPrintable(QString::number(n) + ": " +
                                misspelt(SampleTextCorpus::text(n), checker).join(' ')));
        QVERIFY(!misspelt(QStringLiteral("El viejo buey bive en la cabaña."), checker).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSampleTextCorpus)
#include "tst_sampletextcorpus.moc"
