#pragma once
#include <QString>
#include <QStringList>

// A filter of description/pattern pairs separated by "|", as the windows write them:
// "(*.bak)|*.bak|" or "GRÀFICS (*.gif;*.jpg)|*.gif;*.jpg|JPG|*.jpg". A text without "|" that holds
// wildcards is one entry of its own patterns ("*.RTF;*.doc").
struct FilterEntry {
    QString description;
    QStringList patterns;
};

QList<FilterEntry> parseFileFilter(const QString& filter);
// The same entries as Qt name filters ("description (*.gif *.jpg)"); empty for an empty filter.
QStringList toQtNameFilters(const QList<FilterEntry>& entries);
// Whether a file name matches one of the patterns, case ignored.
bool matchesPatterns(const QStringList& patterns, const QString& fileName);
// The names that match one of the patterns, case ignored, in their order.
QStringList matchingNames(const QStringList& patterns, const QStringList& fileNames);
