#pragma once
#include "platform/spellchecker.h"

#include <QHash>
#include <QSet>

// Knows the words a test gives it and offers the suggestions the test sets; without a dictionary
// it knows nothing.
class FakeSpellChecker : public SpellChecker {
public:
    bool hasDictionary() override { return dictionary; }
    bool isCorrect(const QString& word) override {
        checked << word;
        return dictionary && words.contains(word);
    }
    QStringList suggestions(const QString& word) override {
        return suggested.value(word).mid(0, MaxSuggestions);
    }

    bool dictionary = true;
    QSet<QString> words;
    QHash<QString, QStringList> suggested;
    QStringList checked;
};
