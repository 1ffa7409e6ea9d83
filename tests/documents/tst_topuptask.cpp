// The top-up task: its draw over a source of fractions, bounded draw-again loops, the instruction
// line, the amount buttons' sum and the exact check.
#include "core/random.h"
#include "documents/topuptask.h"
#include "fractions.h"

#include <QTest>
#include <vector>

class TestTopUpTask : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void draw_data() {
        QTest::addColumn<std::vector<double>>("fractions");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("operatorName");
        QTest::addColumn<int>("calls");
        QTest::newRow("plain") << std::vector<double>{0.6, 0.6, 0.75} << "600000000"
                               << "120"
                               << "TELEFONS" << 3;
        QTest::newRow("lowest number, amount 0, first operator")
            << std::vector<double>{0.0999999995, 0.0, 0.0} << "99999999"
            << "0"
            << "XARXES" << 3;
        QTest::newRow("highest values")
            << std::vector<double>{0.9999999999999999, 0.9505, 0.9999999999999999} << "999999999"
            << "190"
            << "TELEFONS" << 3;
        // A number below the least and an amount not a multiple of 10 are drawn again.
        QTest::newRow("drawn again") << std::vector<double>{0.05, 0.01, 0.5, 0.026, 0.013, 0.05, 0.3}
                                     << "500000000"
                                     << "10"
                                     << "ANTENES" << 7;
        // Always 0.01: both loops reach their bound and take the next fraction from the allowed
        // values (99999999 + 9000000, and 10 x 0).
        QTest::newRow("bounded") << std::vector<double>{0.01} << "108999999"
                                 << "0"
                                 << "XARXES" << 2003;
    }
    void draw() {
        QFETCH(std::vector<double>, fractions);
        QFETCH(QString, number);
        QFETCH(QString, amount);
        QFETCH(QString, operatorName);
        QFETCH(int, calls);
        Fractions source{fractions};
        const TopUpTask task = topup::drawTask(std::ref(source));
        QCOMPARE(task.number, number);
        QCOMPARE(task.amount, amount);
        QCOMPARE(task.operatorName, operatorName);
        QCOMPARE(int(source.calls), calls);
    }

    void boundedLoopsTakeAllowedValues_data() {
        QTest::addColumn<double>("rejected");
        QTest::addColumn<double>("fallback");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("amount");
        QTest::newRow("lowest") << 0.0 << 0.0 << "99999999"
                                << "0";
        QTest::newRow("highest") << 0.0 << 0.9999999999999999 << "999999999"
                                 << "190";
    }
    void boundedLoopsTakeAllowedValues() {
        QFETCH(double, rejected);
        QFETCH(double, fallback);
        QFETCH(QString, number);
        QFETCH(QString, amount);
        // 1000 rejected numbers, the fallback, 1000 rejected amounts (0.005 x 200 = 1), the fallback.
        std::vector<double> values(1000, rejected);
        values.push_back(fallback);
        values.insert(values.end(), 1000, 0.005);
        values.push_back(fallback);
        values.push_back(0.5);
        Fractions source{values};
        const TopUpTask task = topup::drawTask(std::ref(source));
        QCOMPARE(task.number, number);
        QCOMPARE(task.amount, amount);
        QCOMPARE(task.operatorName, QString("ONES"));
        QCOMPARE(source.calls, values.size());
    }

    void drawsFromTheProgramGenerator() {
        Random random;
        random.seed(20261211);
        const QStringList operators{"XARXES", "ANTENES", "ONES", "TELEFONS"};
        for (int i = 0; i < 500; ++i) {
            const TopUpTask task = topup::drawTask([&] { return random.Rnd(); });
            bool ok = false;
            const qint64 number = task.number.toLongLong(&ok);
            QVERIFY(ok);
            QVERIFY2(number >= 99999999 && number <= 999999999, qPrintable(task.number));
            QCOMPARE(task.number, QString::number(number));
            const int amount = task.amount.toInt(&ok);
            QVERIFY(ok);
            QVERIFY2(amount >= 0 && amount < 200 && amount % 10 == 0, qPrintable(task.amount));
            QCOMPARE(task.amount, QString::number(amount));
            QVERIFY(operators.contains(task.operatorName));
        }
    }

    void instructionLine() {
        QCOMPARE(topup::instructionLine({"600000000", "120", "TELEFONS"}),
                 QString::fromUtf8("ENTRAR 120€ AL TELÈFON: 600000000 DE L'OPERADORA: TELEFONS"));
        QCOMPARE(topup::instructionLine({"99999999", "0", "ONES"}),
                 QString::fromUtf8("ENTRAR 0€ AL TELÈFON: 99999999 DE L'OPERADORA: ONES"));
    }

    void addAmount_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("amount");
        QTest::addColumn<QString>("result");
        QTest::newRow("empty") << "" << 10 << "10";
        QTest::newRow("number") << "25" << 100 << "125";
        QTest::newRow("euro sign") << QString::fromUtf8("100€") << 20 << "120";
        QTest::newRow("letters after") << "12abc" << 10 << "22";
        QTest::newRow("blanks inside") << " 1 5 " << 50 << "65";
        QTest::newRow("decimals") << "2.5" << 10 << "12.5";
        QTest::newRow("comma ends the number") << "2,5" << 10 << "12";
        QTest::newRow("not a number") << "abc" << 20 << "20";
        QTest::newRow("negative") << "-30" << 10 << "-20";
        QTest::newRow("too large") << QString(400, '9') << 10 << "10";
    }
    void addAmount() {
        QFETCH(QString, box);
        QFETCH(int, amount);
        QFETCH(QString, result);
        QCOMPARE(topup::addAmount(box, amount), result);
    }

    void twoTensAndAFifty() {
        QString box;
        for (int amount : {10, 10, 50})
            box = topup::addAmount(box, amount);
        QCOMPARE(box, QString("70"));
    }

    void check_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("operatorName");
        QTest::addColumn<bool>("right");
        QTest::newRow("right") << "600000000"
                               << "50"
                               << "XARXES" << true;
        QTest::newRow("lower case") << "600000000"
                                    << "50"
                                    << "xarxes" << false;
        QTest::newRow("trailing blank") << "600000000 "
                                        << "50"
                                        << "XARXES" << false;
        QTest::newRow("leading blank") << "600000000"
                                       << " 50"
                                       << "XARXES" << false;
        QTest::newRow("decimals") << "600000000"
                                  << "50.0"
                                  << "XARXES" << false;
        QTest::newRow("leading zero") << "0600000000"
                                      << "50"
                                      << "XARXES" << false;
        QTest::newRow("euro sign") << "600000000" << QString::fromUtf8("50€") << "XARXES" << false;
        QTest::newRow("empty") << ""
                               << ""
                               << "" << false;
    }
    void check() {
        QFETCH(QString, number);
        QFETCH(QString, amount);
        QFETCH(QString, operatorName);
        QFETCH(bool, right);
        QCOMPARE(topup::isRightEntry({"600000000", "50", "XARXES"}, number, amount, operatorName), right);
    }
};

QTEST_APPLESS_MAIN(TestTopUpTask)
#include "tst_topuptask.moc"
