#pragma once
#include "platform/spellchecker.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <memory>

class Hunspell;

// Spelling through Hunspell with a dictionary folder's LANGUAGE.aff and LANGUAGE.dic (Debian's
// hunspell-ca installs /usr/share/hunspell/ca.aff and ca.dic). The dictionary is read at the first
// check, not when the program starts.
class HunspellSpellChecker : public SpellChecker {
public:
    explicit HunspellSpellChecker(QString folder = QStringLiteral("/usr/share/hunspell"),
                                  QString language = QStringLiteral("ca"));
    ~HunspellSpellChecker() override;

    bool hasDictionary() override;
    bool isCorrect(const QString& word) override;
    QStringList suggestions(const QString& word) override;

private:
    bool load();

    QString folder_;
    QString language_;
    bool tried_ = false;
    std::unique_ptr<Hunspell> hunspell_;
    // Words go to Hunspell in the dictionary's own encoding.
    QStringEncoder encoder_;
    QStringDecoder decoder_;
};
