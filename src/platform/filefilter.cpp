#include "platform/filefilter.h"

#include <QHash>
#include <QRegularExpression>

QList<FilterEntry> parseFileFilter(const QString& filter) {
    QList<FilterEntry> entries;
    // Without "|", a text holding wildcards is its own pattern list ("*.RTF;*.doc").
    if (!filter.contains(QLatin1Char('|')) &&
        (filter.contains(QLatin1Char('*')) || filter.contains(QLatin1Char('?')))) {
        FilterEntry e;
        for (const QString& p : filter.split(QLatin1Char(';'), Qt::SkipEmptyParts))
            if (!p.trimmed().isEmpty()) e.patterns << p.trimmed();
        e.description = e.patterns.join(QLatin1Char(';'));
        return {e};
    }
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
    for (const FilterEntry& e : entries) {
        // Qt reads the patterns from the last parentheses: a pattern holding one of its own (the
        // stray ")" of "*.bak;)") would make the dialog list nothing at all.
        QStringList patterns;
        for (const QString& p : e.patterns)
            if (!p.contains(QLatin1Char('(')) && !p.contains(QLatin1Char(')'))) patterns << p;
        if (patterns.isEmpty()) patterns << QStringLiteral("*");
        out << e.description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return out;
}

bool matchesPatterns(const QStringList& patterns, const QString& fileName) {
    // Each pattern is compiled once: a folder's listing matches every name against the same few.
    static QHash<QString, QRegularExpression> compiled; // listings are made by windows, on one thread
    for (const QString& p : patterns) {
        auto re = compiled.constFind(p);
        if (re == compiled.constEnd()) {
            if (compiled.size() >= 64) compiled.clear(); // patterns typed by the user
            re = compiled.insert(p, QRegularExpression(QRegularExpression::wildcardToRegularExpression(p),
                                                       QRegularExpression::CaseInsensitiveOption));
        }
        if (re->match(fileName).hasMatch()) return true;
    }
    return false;
}
