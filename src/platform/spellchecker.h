#pragma once
#include <QString>
#include <QStringList>

// Checks the spelling of single words against one language's dictionary.
class SpellChecker {
public:
    virtual ~SpellChecker() = default;

    // Whether a dictionary could be read; the first call may load it.
    virtual bool hasDictionary() = 0;
    // Whether the dictionary knows the word, composed or decomposed (false without a dictionary).
    virtual bool isCorrect(const QString& word) = 0;
    // Up to MaxSuggestions replacements for the word, best first.
    virtual QStringList suggestions(const QString& word) = 0;

    static constexpr int MaxSuggestions = 8;
};
