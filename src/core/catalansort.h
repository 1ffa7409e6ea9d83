#pragma once
#include <QString>
#include <QStringList>

class QCollator;

// The one alphabetical order of the program: the Catalan alphabet, case ignored (à sorts with a,
// ç with c, l·l with ll). Every sorted list uses it, so games and lists agree on what "in order"
// means.
const QCollator& catalanCollator();
// Negative, zero or positive as a sorts before, with or after b.
int catalanCompare(const QString& a, const QString& b);
bool catalanLess(const QString& a, const QString& b);
// Sorts in place; words the collator takes as equal keep a fixed order by their codes.
void sortCatalan(QStringList& words);
