// The bill sheet's arithmetic: exact decimal reading, products and sums, the "#0.00##" format in
// three locales, and what Enter in a quantity box writes.
#include "documents/billarithmetic.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QTest>

using namespace bill;

namespace {
const QLocale Catalan(QLocale::Catalan, QLocale::Spain);
const QLocale Spanish(QLocale::Spanish, QLocale::Spain);
const QLocale English(QLocale::English, QLocale::UnitedStates);

QString format(const QString& number, const QLocale& locale) {
    return formatAmount(readNumber(number), locale).value_or(QStringLiteral("<none>"));
}

Sheet sheetOf(const QStringList& prices, const QStringList& quantities, const QStringList& lineTotals) {
    Sheet s;
    for (int r = 0; r < Rows; ++r) {
        s.prices[size_t(r)] = prices.value(r);
        s.quantities[size_t(r)] = quantities.value(r);
        s.lineTotals[size_t(r)] = lineTotals.value(r);
    }
    return s;
}
} // namespace

class TestBillArithmetic : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void reading_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("asWritten"); // formatted under the C locale
        QTest::newRow("empty") << ""
                               << "0.00";
        QTest::newRow("letters") << "abc"
                                 << "0.00";
        QTest::newRow("comma ends") << "2,5"
                                    << "2.00";
        QTest::newRow("blanks inside") << " 1 2 . 5 "
                                       << "12.50";
        QTest::newRow("second point ends") << "1.2.3"
                                           << "1.20";
        QTest::newRow("sign") << "-3.25x"
                              << "-3.25";
        QTest::newRow("plus") << "+.5"
                              << "0.50";
        QTest::newRow("exponent") << "1.5e3"
                                  << "1500.00";
        QTest::newRow("D exponent") << "25D-2"
                                    << "0.25";
        QTest::newRow("exponent without digits") << "7E"
                                                 << "7.00";
        QTest::newRow("leading zeros") << "000012.3400"
                                       << "12.34";
        QTest::newRow("many decimals") << "0.123456789012345678901234567890"
                                       << "0.1235";
        QTest::newRow("huge exponent, zero digits") << "0e99999999999999999999"
                                                    << "0.00";
        QTest::newRow("tiny") << "1e-99999999999999999999"
                              << "0.00";
    }
    void reading() {
        QFETCH(QString, text);
        QFETCH(QString, asWritten);
        QCOMPARE(::format(text, QLocale::c()), asWritten);
    }

    void priceTakesCommasAsPoints() {
        QCOMPARE(readPrice("3,2", Catalan), readNumber("3.2"));
        QCOMPARE(readPrice("3,2", English), readNumber("3.2"));
        QCOMPARE(readPrice("1,5,7", English), readNumber("1.5"));
        // A locale whose separator is neither reads back what it wrote.
        const QLocale arabic(QLocale::Arabic, QLocale::Egypt);
        if (arabic.decimalPoint() != "." && arabic.decimalPoint() != ",") {
            const QString written = *formatAmount(readNumber("2.5"), arabic);
            QCOMPARE(readPrice(written, arabic), readNumber("2.5"));
        }
        // A quantity is read as it stands.
        QCOMPARE(readNumber("2,5"), readNumber("2"));
    }

    void format_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("written"); // with "." for the separator
        QTest::newRow("zero") << "0"
                              << "0.00";
        QTest::newRow("one decimal") << "12.3"
                                     << "12.30";
        QTest::newRow("rounded to four") << "1.23456"
                                         << "1.2346";
        QTest::newRow("negative") << "-2"
                                  << "-2.00";
        QTest::newRow("three decimals") << "0.125"
                                        << "0.125";
        QTest::newRow("half rounds away from zero") << "0.00015"
                                                    << "0.0002";
        QTest::newRow("negative half away from zero") << "-0.00015"
                                                      << "-0.0002";
        QTest::newRow("half of the last place alone") << "0.00005"
                                                      << "0.0001";
        QTest::newRow("below half") << "0.000049999"
                                    << "0.00";
        QTest::newRow("negative rounds to zero") << "-0.00001"
                                                 << "0.00";
        QTest::newRow("carry into the integer") << "9.99996"
                                                << "10.00";
        QTest::newRow("no grouping") << "1234567.5"
                                     << "1234567.50";
        QTest::newRow("long") << "1234567890.125"
                              << "1234567890.125";
        QTest::newRow("exponent form") << "2.5e2"
                                       << "250.00";
    }
    void format() {
        QFETCH(QString, number);
        QFETCH(QString, written);
        for (const QLocale& locale : {Catalan, Spanish, English}) {
            QString expected = written;
            expected.replace(QLatin1Char('.'), locale.decimalPoint());
            QCOMPARE(::format(number, locale), expected);
        }
        QCOMPARE(Catalan.decimalPoint(), QString(","));
        QCOMPARE(Spanish.decimalPoint(), QString(","));
        QCOMPARE(English.decimalPoint(), QString("."));
    }

    void beyondTheRangeOfADouble() {
        QVERIFY(formatAmount(readNumber("1e308"), English).has_value());
        QVERIFY(formatAmount(readNumber("-1.7e308"), English).has_value());
        QVERIFY(!formatAmount(readNumber("1.8e308"), English).has_value());
        QVERIFY(!formatAmount(readNumber("1e400"), English).has_value());
        QVERIFY(!formatAmount(readNumber("-1e99999999999999999999"), English).has_value());
        QVERIFY(!formatAmount(multiply(readNumber("1e200"), readNumber("1e200")), English).has_value());
        // A product back within range from factors beyond it is an amount like any other.
        QCOMPARE(formatAmount(multiply(readNumber("1e400"), readNumber("1e-398")), English),
                 QString("100.00"));
    }

    void exactProductsAndSums_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("product");
        QTest::addColumn<QString>("sum");
        QTest::newRow("binary trap") << "0.7"
                                     << "3"
                                     << "2.10"
                                     << "3.70";
        QTest::newRow("tenths") << "0.1"
                                << "0.2"
                                << "0.02"
                                << "0.30";
        QTest::newRow("signs") << "-1.5"
                               << "2"
                               << "-3.00"
                               << "0.50";
        QTest::newRow("cancel out") << "2.25"
                                    << "-2.25"
                                    << "-5.0625"
                                    << "0.00";
        QTest::newRow("zero") << "0"
                              << "123.456"
                              << "0.00"
                              << "123.456";
        QTest::newRow("long digits") << "123456789012345678901234567890"
                                     << "1e-20"
                                     << "1234567890.1235"
                                     << "123456789012345678901234567890.00";
        QTest::newRow("borrow across") << "1000"
                                       << "-0.0001"
                                       << "-0.10"
                                       << "999.9999";
    }
    void exactProductsAndSums() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, product);
        QFETCH(QString, sum);
        const Decimal x = readNumber(a), y = readNumber(b);
        QCOMPARE(formatAmount(multiply(x, y), QLocale::c()), product);
        QCOMPARE(formatAmount(multiply(y, x), QLocale::c()), product);
        QCOMPARE(formatAmount(*add(x, y), QLocale::c()), sum);
        QCOMPARE(formatAmount(*add(y, x), QLocale::c()), sum);
    }

    void sumsFarApartAreRefused() { QVERIFY(!add(readNumber("1"), readNumber("1e-5000000")).has_value()); }

    void bigFactorsStayQuick() {
        // Boxes hold up to 32767 characters.
        const QString digits(32000, QLatin1Char('7'));
        QElapsedTimer timer;
        timer.start();
        const Decimal p = multiply(readNumber("0." + digits), readNumber("0." + digits));
        QCOMPARE(formatAmount(p, QLocale::c()), QString("0.6049"));
        QVERIFY(timer.elapsed() < 5000);
    }

    void enterInAQuantity_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("lineTotal");
        QTest::addColumn<QString>("total");
        QTest::newRow("ca_ES") << Catalan << "4,00"
                               << "10.00"
                               << "10,00";
        QTest::newRow("es_ES") << Spanish << "4,00"
                               << "10.00"
                               << "10,00";
        QTest::newRow("en_US") << English << "4.00"
                               << "10.00"
                               << "10.00";
    }
    void enterInAQuantity() {
        QFETCH(QLocale, locale);
        QFETCH(QString, price);
        QFETCH(QString, lineTotal);
        QFETCH(QString, total);
        Sheet s = sheetOf({"4"}, {"2.5"}, {});
        std::optional<RowEntry> e = enterQuantity(s, 0, locale);
        QVERIFY(e);
        QCOMPARE(e->price, price);
        QCOMPARE(e->lineTotals[0], lineTotal);
        QCOMPARE(e->total, total);
        // Again, from what the sheet now shows: nothing moves.
        s.prices[0] = e->price;
        s.lineTotals = e->lineTotals;
        e = enterQuantity(s, 0, locale);
        QCOMPARE(e->price, price);
        QCOMPARE(e->lineTotals[0], lineTotal);
        QCOMPARE(e->total, total);
    }

    void otherRowsCountAsTheyStand() {
        // Rows 0 and 1 hold line totals, one of them still with a comma; row 5 is empty.
        const Sheet s =
            sheetOf({"9", "9"}, {"9", "9"}, {"7.50", "3,25", "", "", "", "", "", "", "", "", "", "garbage"});
        const std::optional<RowEntry> e = enterQuantity(s, 5, Catalan);
        QVERIFY(e);
        QCOMPARE(e->price, QString("0,00"));
        QCOMPARE(e->lineTotals[5], QString("0.00"));
        QCOMPARE(e->lineTotals[0], QString("7.50"));
        QCOMPARE(e->lineTotals[1], QString("3.25"));
        QCOMPARE(e->lineTotals[2], QString());
        QCOMPARE(e->lineTotals[11], QString("garbage"));
        QCOMPARE(e->total, QString("10,75"));
    }

    void longLineTotalsKeepEveryDigit() {
        const Sheet s = sheetOf({"1234567890.125", "", "0.875"}, {"1", "", "1"}, {"", "", "0.875"});
        const std::optional<RowEntry> e = enterQuantity(s, 0, Catalan);
        QVERIFY(e);
        QCOMPARE(e->price, QString("1234567890,125"));
        QCOMPARE(e->lineTotals[0], QString("1234567890.125"));
        QCOMPARE(e->total, QString("1234567891,00"));
    }

    void priceWrittenRoundedButProductExact() {
        // The line total is worked out from the price as typed; the price is then written rounded.
        const Sheet s = sheetOf({"0.00015"}, {"1000"}, {});
        const std::optional<RowEntry> e = enterQuantity(s, 0, English);
        QCOMPARE(e->price, QString("0.0002"));
        QCOMPARE(e->lineTotals[0], QString("0.15"));
    }

    void beyondRangeWritesNothing() {
        QVERIFY(!enterQuantity(sheetOf({"1e200"}, {"1e200"}, {}), 0, English));
        QVERIFY(!enterQuantity(sheetOf({"1e400"}, {"0"}, {}), 0, English)); // the price itself
        QVERIFY(!enterQuantity(sheetOf({"1"}, {"1"}, {"", "1.7e308", "1.7e308"}), 0, English)); // the sum
        QVERIFY(!enterQuantity(sheetOf({"1"}, {"1"}, {}), 12, English));
        QVERIFY(!enterQuantity(sheetOf({"1"}, {"1"}, {}), -1, English));
    }
};

QTEST_MAIN(TestBillArithmetic)
#include "tst_billarithmetic.moc"
