#include "platform/filefilter.h"

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

namespace {
QList<QRegularExpression> patternExpressions(const QStringList& patterns) {
    QList<QRegularExpression> expressions;
    for (const QString& p : patterns)
        expressions << QRegularExpression(QRegularExpression::wildcardToRegularExpression(p),
                                          QRegularExpression::CaseInsensitiveOption);
    return expressions;
}

bool matchesOne(const QList<QRegularExpression>& expressions, const QString& fileName) {
    for (const QRegularExpression& re : expressions)
        if (re.match(fileName).hasMatch()) return true;
    return false;
}
} // namespace

bool matchesPatterns(const QStringList& patterns, const QString& fileName) {
    return matchesOne(patternExpressions(patterns), fileName);
}

QStringList matchingNames(const QStringList& patterns, const QStringList& fileNames) {
    // Each pattern is made into an expression once for all the names.
    const QList<QRegularExpression> expressions = patternExpressions(patterns);
    QStringList names;
    for (const QString& name : fileNames)
        if (matchesOne(expressions, name)) names << name;
    return names;
}
