// Numeric value of a text, code page 1252, palette, twips and the random generator.
#include "core/cp1252.h"
#include "core/numericvalue.h"
#include "core/palette.h"
#include "core/random.h"
#include "core/twips.h"

#include <QSet>
#include <QTest>
#include <clocale>

class TestTextRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void numericValue_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("leading blank, trailing letter") << " 12x" << 12.0;
        QTest::newRow("design caption") << "Label10" << 0.0;
        QTest::newRow("decimal") << "2.5" << 2.5;
        QTest::newRow("two decimals") << "12.25" << 12.25;
        QTest::newRow("negative decimal, trailing letter") << "-3.5x" << -3.5;
        QTest::newRow("D exponent") << "12D2" << 1200.0;
        QTest::newRow("E exponent") << "12E3" << 12000.0;
        QTest::newRow("lower-case exponent") << "12e3" << 12000.0;
        QTest::newRow("negative exponent") << "5E-1" << 0.5;
        QTest::newRow("exponent without digits") << "12E" << 12.0;
        QTest::newRow("exponent sign only") << "12E+" << 12.0;
        QTest::newRow("blanks inside") << "1 2 3" << 123.0;
        QTest::newRow("blanks inside exponent") << "1 E 2" << 100.0;
        QTest::newRow("sign") << "-7" << -7.0;
        QTest::newRow("plus sign") << "+7" << 7.0;
        QTest::newRow("second point ends") << "1.2.3" << 1.2;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("point alone") << "." << 0.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("comma ends") << "3,5" << 3.0;
        QTest::newRow("tab and newline") << "\t\n4" << 4.0;
        QTest::newRow("overflow gives 0") << "1E999" << 0.0;
        QTest::newRow("zero") << "0" << 0.0;
        QTest::newRow("cleared code") << "" << 0.0;
    }
    void numericValue() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(::numericValue(text), value);
    }

    // The same grammar, every digit kept, for readers that work in decimal.
    void numericText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("number");
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("letters") << "Label10"
                                 << "";
        QTest::newRow("sign alone") << "-"
                                    << "";
        QTest::newRow("blanks and sign") << " - 1 2.5 0x"
                                         << "-12.50";
        QTest::newRow("comma ends") << "3,5"
                                    << "3";
        QTest::newRow("D exponent") << "12d-2"
                                    << "12e-2";
        QTest::newRow("exponent without digits") << "12E+"
                                                 << "12";
        QTest::newRow("beyond a double") << "1E999"
                                         << "1e999";
        QTest::newRow("many digits") << "0.123456789012345678901234567890"
                                     << "0.123456789012345678901234567890";
    }
    void numericText() {
        QFETCH(QString, text);
        QFETCH(QString, number);
        QCOMPARE(::numericText(text), number);
    }

    // The suite runs as our users do, under a Catalan locale, whose decimal sign is a comma: the
    // numbers above are read the same there. Run by hand without that locale, this says so.
    void processLocaleIsCatalan() {
        const QByteArray wanted = qgetenv("LC_ALL");
        if (!wanted.startsWith("ca_ES")) QSKIP("not run under the Catalan locale");
        QCOMPARE(QByteArray(std::setlocale(LC_NUMERIC, nullptr)), wanted);
        QCOMPARE(QByteArray(std::localeconv()->decimal_point), QByteArray(","));
        QCOMPARE(::numericValue("12.25"), 12.25);
    }

    void cp1252Bytes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << "casa" << QByteArray("casa");
        QTest::newRow("catalan letters")
            << QString::fromUtf8("col·lecció àèéíïòóúüçñ")
            << QByteArray("col\xB7lecci\xF3 \xE0\xE8\xE9\xED\xEF\xF2\xF3\xFA\xFC\xE7\xF1");
        QTest::newRow("euro and quotes")
            << QString::fromUtf8("€‘’“”–—…") << QByteArray("\x80\x91\x92\x93\x94\x96\x97\x85");
        QTest::newRow("upper specials")
            << QString::fromUtf8("ŠŒŽŸšœž") << QByteArray("\x8A\x8C\x8E\x9F\x9A\x9C\x9E");
        QTest::newRow("not representable") << QString::fromUtf8("a€ωb") << QByteArray("a\x80?b");
        QTest::newRow("outside the BMP is one ?") << QString::fromUtf8("x😀y") << QByteArray("x?y");
        QTest::newRow("empty") << "" << QByteArray();
        // Text pasted from some programs holds a letter followed by a combining accent.
        QTest::newRow("decomposed letters")
            << QString::fromUtf8("col·lecció àèéíïòóúüçñ ÀÉÇ").normalized(QString::NormalizationForm_D)
            << QByteArray("col\xB7lecci\xF3 \xE0\xE8\xE9\xED\xEF\xF2\xF3\xFA\xFC\xE7\xF1 \xC0\xC9\xC7");
        QTest::newRow("l with middle dot in one character")
            << QString::fromUtf8("coŀlegi COĿLEGI") << QByteArray("col\xB7legi COL\xB7LEGI");
        QTest::newRow("a lone combining accent") << QString::fromUtf8("a \u0301") << QByteArray("a ?");
    }
    void cp1252Bytes() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(toCp1252(text), bytes);
    }

    // A text cut to a record's room: what is kept never takes more bytes than the room once line
    // breaks are written as "\r\n", and no character (nor "\r\n") is cut in two.
    void fitCp1252_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("bytes");
        QTest::addColumn<QString>("kept");
        QTest::newRow("fits") << "abc" << 3 << "abc";
        QTest::newRow("cut") << "abcd" << 3 << "abc";
        QTest::newRow("no room") << "abc" << 0 << "";
        QTest::newRow("line break takes two") << "a\nb" << 3 << "a\n";
        QTest::newRow("line break not split") << "ab\nc" << 3 << "ab";
        QTest::newRow("\\r\\n takes two") << "a\r\nb" << 3 << "a\r\n";
        QTest::newRow("\\r\\n not split") << "ab\r\nc" << 3 << "ab";
        QTest::newRow("a lone \\r takes two") << "a\rb" << 3 << "a\r";
        QTest::newRow("line separator takes two") << QString("a") + QChar(0x2028) + "b" << 2 << "a";
        QTest::newRow("ŀ takes two") << QString::fromUtf8("coŀl") << 4 << QString::fromUtf8("coŀ");
        QTest::newRow("ŀ not split") << QString::fromUtf8("coŀl") << 3 << "co";
        QTest::newRow("Ŀ not split") << QString::fromUtf8("COĿL") << 3 << "CO";
        QTest::newRow("a surrogate pair takes one") << QString("a") + QString::fromUcs4(U"\U0001F600") + "b"
                                                    << 2 << QString("a") + QString::fromUcs4(U"\U0001F600");
    }
    void fitCp1252() {
        QFETCH(QString, text);
        QFETCH(int, bytes);
        QFETCH(QString, kept);
        QCOMPARE(::fitCp1252(text, bytes), kept);
    }

    void cp1252RoundTripsEveryByte() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        const QString text = fromCp1252(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(toCp1252(text), all);
        QCOMPARE(text.at(0x80), QChar(0x20AC));
        QCOMPARE(text.at(0xB7), QChar(0x00B7));
    }

    void palette() {
        QCOMPARE(paletteColour(0), QColor(0, 0, 0));
        QCOMPARE(paletteColour(7), QColor(192, 192, 192));
        QCOMPARE(paletteColour(8), QColor(128, 128, 128));
        QCOMPARE(paletteColour(12), QColor(255, 0, 0));
        QCOMPARE(paletteColour(15), QColor(255, 255, 255));
        QCOMPARE(paletteColour(16), QColor(0, 0, 0));
        QCOMPARE(paletteColour(-1), QColor(0, 0, 0));
    }

    void twips() {
        QCOMPARE(tw(11400), 760);
        QCOMPARE(tw(10710), 714);
        QCOMPARE(tw(-225), -15);
        QCOMPARE(tw(7), 0);
        QCOMPARE(tw(8), 1);
        QCOMPARE(twRect(-225, 9855, 15000, 7845), QRect(-15, 657, 1000, 523));
    }

    void randomIsRepeatableAndInRange() {
        Random a, b;
        QSet<int> seen;
        for (int i = 0; i < 10000; ++i) {
            const double x = a.Rnd();
            QCOMPARE(x, b.Rnd()); // the same sequence at every start
            QVERIFY(x >= 0.0 && x < 1.0);
            const int k = a.below(6);
            b.below(6);
            QVERIFY(k >= 0 && k < 6);
            seen << k;
        }
        QCOMPARE(seen.size(), 6);
        QCOMPARE(a.below(0), 0);
        QCOMPARE(a.below(-3), 0);
    }

    void reseedFromClockDiffersWithinOneSecond() {
        Random a, b;
        a.reseedFromClock();
        b.reseedFromClock();
        QList<double> sa, sb;
        for (int i = 0; i < 4; ++i)
            sa << a.Rnd(), sb << b.Rnd();
        QVERIFY(sa != sb);
        Random fresh;
        QVERIFY(sa.first() != fresh.Rnd());
    }

    void seedingRepeats() {
        Random a, b;
        a.seed(42);
        b.seed(42);
        for (int i = 0; i < 100; ++i)
            QCOMPARE(a.Rnd(), b.Rnd());
    }
};

QTEST_GUILESS_MAIN(TestTextRules)
#include "tst_textrules.moc"
