#include "workshop/monthsheet.h"

#include <QDate>

QStringList catalanMonthNames() {
    return {QStringLiteral("Gener"),   QStringLiteral("Febrer"),   QStringLiteral("Març"),
            QStringLiteral("Abril"),   QStringLiteral("Maig"),     QStringLiteral("Juny"),
            QStringLiteral("Juliol"),  QStringLiteral("Agost"),    QStringLiteral("Setembre"),
            QStringLiteral("Octubre"), QStringLiteral("Novembre"), QStringLiteral("Desembre")};
}

std::optional<int> readYear(const QString& yearText) {
    const QString text = yearText.trimmed();
    if (text.isEmpty() || text.size() > 4) return std::nullopt;
    int year = 0;
    for (const QChar c : text) {
        // Only ASCII digits: other scripts' digits and signs are no year here.
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
        year = year * 10 + (c.unicode() - '0');
    }
    if (year < 100 || year > 9999) return std::nullopt;
    return year;
}

QString dayText(int day) {
    return QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0'));
}

MonthLayout monthLayout(int month, const QString& yearText) {
    MonthLayout layout;
    layout.monthText = QString::number(month) + QLatin1Char('-') + yearText;
    const std::optional<int> year = readYear(yearText);
    if (month < 1 || month > 12 || !year) return layout;
    const QDate first(*year, month, 1);
    if (!first.isValid()) return layout;
    layout.firstDay = QStringLiteral("%1/%2/%3")
                          .arg(1, 2, 10, QLatin1Char('0'))
                          .arg(month, 2, 10, QLatin1Char('0'))
                          .arg(*year, 4, 10, QLatin1Char('0'));
    const int c0 = first.dayOfWeek() - 1; // Monday 0
    for (int d = 1; d <= first.daysInMonth(); ++d) {
        const int cell = c0 + d - 1;
        layout.days.append({d, cell % CalendarColumns, cell});
    }
    return layout;
}

MonthLayout monthLayout(const QString& monthText) {
    const qsizetype dash = monthText.indexOf(QLatin1Char('-'));
    if (dash < 0) return monthLayout(0, monthText);
    bool ok = false;
    const int month = monthText.left(dash).toInt(&ok);
    return monthLayout(ok ? month : 0, monthText.mid(dash + 1));
}
