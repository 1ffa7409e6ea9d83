#pragma once
#include <QString>
#include <QStringList>
#include <span>

// The word filters of the write-a-word window's menu "FILTRE": each rebuilds the working pool from
// the whole word pool, so filters never combine. A word enters the working pool once for every
// match found in it, so a word that holds the letters several times is dealt that much more often.

enum class WordTest {
    None,      // every word, in order
    Cluster,   // for j = 1 to 16: characters j, j + 1 are `first`
    TwoLetter, // for j = 1 to 16: character j is `first`, then character j is `second`
    Unaccented // at most 5 characters without blanks at its ends, no small accented vowel
};

struct WordFilter {
    const char* control; // the menu item's name
    QString caption;
    const char* submenu; // "" for an item of "FILTRE" itself
    WordTest test;
    QString first;
    QString second;
    bool modelAsStored; // the dealt model is shown as stored, not as "MOSTRES" says
};

// The items of "FILTRE", in menu order: "CAP", "SENSE ACCENT", "LLETRES" then "MORFEMES".
std::span<const WordFilter> wordFilters();
// The item of that control name; nullptr for none.
const WordFilter* wordFilter(const QString& control);

// The working pool the filter selects from the pool. Comparisons are exact and case-sensitive.
QStringList filterWords(const WordFilter& filter, const QStringList& pool);
