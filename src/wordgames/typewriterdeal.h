#pragma once
#include <QList>
#include <QString>
#include <QStringList>

class Random;

// The rules of the typewriter that need no screen: which words of the pool may be dealt, the
// drawing of one, and when a typed character matches a letter of the word.

// The length limits of the menu "FILTRE": its items "4 LLETRES", "6 LLETRES" and "11 LLETRES".
// The last one allows 10 letters: the row's eleventh box is never filled.
constexpr int TypewriterLimits[] = {4, 6, 10};
constexpr int TypewriterBoxCount = 11;

// The letters the boxes show and the user types: the word without its surrounding blanks.
QString typewriterLetters(const QString& word);

// Whether the word may be dealt: at most `limit` letters without its surrounding blanks, and none
// of the twelve accented small letters (á à é è í ì ó ò ú ù ö ü) among its first 20 characters.
// Capitals, ï, ç, ñ and · pass.
bool passesTypewriterFilters(const QString& word, int limit);

// The pool positions of the words that may be dealt, in pool order.
QList<int> typewriterCandidates(const QStringList& pool, int limit);

// The pool position of a word drawn among those that may be dealt, each as likely as the others;
// -1 when none may be dealt. One draw at most, so it always ends.
int dealTypewriterWord(const QStringList& pool, int limit, Random& random);

// Whether what the user typed is the letter: compared as characters, capitals and small letters
// alike. Nothing typed matches nothing.
bool typedMatches(const QString& typed, const QString& letter);
