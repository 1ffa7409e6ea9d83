#include "platform/filefilter.h"

#include <QRegularExpression>

QList<FilterEntry> parseFileFilter(const QString& filter) {
    QList<FilterEntry> entries;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (int i = 0; i < parts.size(); i += 2) {
        const QString pattern = i + 1 < parts.size() ? parts[i + 1] : QString();
        if (parts[i].trimmed().isEmpty() && pattern.trimmed().isEmpty()) continue; // the closing "|"
        FilterEntry e;
        e.description = parts[i].trimmed();
        for (const QString& p : pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts))
            if (!p.trimmed().isEmpty()) e.patterns << p.trimmed();
        if (e.patterns.isEmpty()) e.patterns << QStringLiteral("*");
        if (e.description.isEmpty()) e.description = e.patterns.join(QLatin1Char(';'));
        entries << e;
    }
    return entries;
}

QStringList toQtNameFilters(const QList<FilterEntry>& entries) {
    QStringList out;
    for (const FilterEntry& e : entries)
        out << e.description + QStringLiteral(" (") + e.patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    return out;
}

bool matchesPatterns(const QStringList& patterns, const QString& fileName) {
    for (const QString& p : patterns) {
        const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(p),
                                    QRegularExpression::CaseInsensitiveOption);
        if (re.match(fileName).hasMatch()) return true;
    }
    return false;
}
