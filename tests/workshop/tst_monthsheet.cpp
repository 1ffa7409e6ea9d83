// The month calendar's day grid: which cells a month fills, and which year texts name a year.
#include "workshop/monthsheet.h"

#include <QLocale>
#include <QTest>

class TestMonthSheet : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        // A desktop language that writes dates and numbers its own way changes nothing.
        QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    }

    void monthFillsItsCells_data() {
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("firstDay");
        QTest::addColumn<int>("firstCell");
        QTest::addColumn<int>("days");
        QTest::newRow("January 1965, the opening month") << 1 << "1965"
                                                         << "01/01/1965" << 4 << 31;
        QTest::newRow("April 2023 starts on Saturday") << 4 << "2023"
                                                       << "01/04/2023" << 5 << 30;
        QTest::newRow("September 2024 starts on Sunday") << 9 << "2024"
                                                         << "01/09/2024" << 6 << 30;
        QTest::newRow("February 1900: no leap year") << 2 << "1900"
                                                     << "01/02/1900" << 3 << 28;
        QTest::newRow("February 2000: leap year") << 2 << "2000"
                                                  << "01/02/2000" << 1 << 29;
        QTest::newRow("February 2024: leap year") << 2 << "2024"
                                                  << "01/02/2024" << 3 << 29;
        QTest::newRow("February 2100 typed: no leap year") << 2 << "2100"
                                                           << "01/02/2100" << 0 << 28;
        QTest::newRow("February 1965 fills four rows") << 2 << "1965"
                                                       << "01/02/1965" << 0 << 28;
        QTest::newRow("December 1991 reaches cell 36") << 12 << "1991"
                                                       << "01/12/1991" << 6 << 31;
        QTest::newRow("1850 typed, before the list") << 7 << "1850"
                                                     << "01/07/1850" << 0 << 31;
        QTest::newRow("year 100, the first one read") << 3 << "100"
                                                      << "01/03/0100" << 0 << 31;
        QTest::newRow("year 9999, the last one") << 12 << "9999"
                                                 << "01/12/9999" << 2 << 31;
        QTest::newRow("spaces round the year") << 2 << " 2024 "
                                               << "01/02/2024" << 3 << 29;
    }
    void monthFillsItsCells() {
        QFETCH(int, month);
        QFETCH(QString, year);
        QFETCH(QString, firstDay);
        QFETCH(int, firstCell);
        QFETCH(int, days);
        const MonthLayout layout = monthLayout(month, year);
        QCOMPARE(layout.monthText, QString::number(month) + "-" + year);
        QCOMPARE(layout.firstDay, firstDay);
        QCOMPARE(layout.days.size(), days);
        for (int k = 0; k < days; ++k) {
            const CalendarDay& d = layout.days[k];
            QCOMPARE(d.day, k + 1);
            QCOMPARE(d.cell, firstCell + k);
            QCOMPARE(d.column, (firstCell + k) % 7);
        }
        QVERIFY(layout.days.last().cell < CalendarCells);
        // The text the window keeps reads back to the same month.
        const MonthLayout again = monthLayout(layout.monthText);
        QCOMPARE(again.firstDay, firstDay);
        QCOMPARE(again.days.size(), days);
        QCOMPARE(again.days.first().cell, firstCell);
    }

    void noMonthShowsNoDay_data() {
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("year");
        QTest::newRow("month 0 on the first refresh") << 0 << "1965";
        QTest::newRow("words") << 2 << "hola";
        QTest::newRow("empty") << 2 << "";
        QTest::newRow("two-digit year") << 2 << "99";
        QTest::newRow("five digits") << 2 << "10000";
        QTest::newRow("negative") << 2 << "-1965";
        QTest::newRow("decimal") << 2 << "1965.5";
        QTest::newRow("decimal comma") << 2 << "1965,5";
        QTest::newRow("space inside") << 2 << "19 65";
        QTest::newRow("a date") << 2 << "1/2/1965";
        QTest::newRow("Arabic-Indic digits") << 2 << QString::fromUtf8("١٩٦٥");
        QTest::newRow("month 13") << 13 << "1965";
    }
    void noMonthShowsNoDay() {
        QFETCH(int, month);
        QFETCH(QString, year);
        const MonthLayout layout = monthLayout(month, year);
        QCOMPARE(layout.monthText, QString::number(month) + "-" + year);
        QVERIFY(layout.firstDay.isEmpty());
        QVERIFY(layout.days.isEmpty());
        QVERIFY(monthLayout(layout.monthText).days.isEmpty());
    }

    void monthTextReadBack_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("days");
        QTest::newRow("year with a dash in it") << "2--2024" << 0;
        QTest::newRow("no dash") << "21965" << 0;
        QTest::newRow("no month number") << "x-1965" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("plain") << "11-2023" << 30;
    }
    void monthTextReadBack() {
        QFETCH(QString, text);
        QFETCH(int, days);
        QCOMPARE(monthLayout(text).days.size(), days);
    }

    void namesAndDayTexts() {
        const QStringList names = catalanMonthNames();
        QCOMPARE(names.size(), 12);
        QCOMPARE(names.first(), QString("Gener"));
        QCOMPARE(names[2], QString::fromUtf8("Març"));
        QCOMPARE(names.last(), QString("Desembre"));
        QCOMPARE(dayText(1), QString("01"));
        QCOMPARE(dayText(9), QString("09"));
        QCOMPARE(dayText(31), QString("31"));
    }
};

QTEST_GUILESS_MAIN(TestMonthSheet)
#include "tst_monthsheet.moc"
