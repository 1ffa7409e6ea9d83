#pragma once
#include <QString>
#include <QStringList>
#include <array>

class Random;

// The rules of the find-the-word game, without widgets: eight buttons dealt from a word pool, and
// a target drawn among them.
namespace findtheword {

constexpr int Buttons = 8;
// Words read from a list keep this many characters.
constexpr int ListWordLength = 12;
using Captions = std::array<QString, Buttons>;

// A pool entry; past the end, an empty word.
QString entry(const QStringList& pool, int j);

// The comic strip's deal: the first eight entries in order, blanks around them removed.
void dealInOrder(const QStringList& pool, Captions& buttons);
// The deal after a list was loaded: each button takes an entry drawn at random (repeats possible).
// A pool of fewer than eight words leaves the buttons past its size empty.
void dealFromList(const QStringList& pool, Captions& buttons, Random& random);
// The deal after a hit, by the size of the pool: below 10, the first eight entries in order;
// above 10, eight fresh draws; exactly 10, the buttons keep their words.
void dealAfterHit(const QStringList& pool, Captions& buttons, Random& random);

// The slot of the next target: drawn among the buttons that show a word; among all eight when
// every button is empty.
int pickTarget(const Captions& buttons, Random& random);

// Whether a button's caption answers the target: both without surrounding blanks, case-sensitive.
bool isHit(const QString& caption, const QString& target);

} // namespace findtheword
