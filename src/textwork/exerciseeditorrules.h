#pragma once
#include <QString>
#include <QStringList>
#include <optional>

// The rules of the exercise editor that need no screen: how the boxes take the fields of an
// exercise, where a save goes, and proposing and appending words from a word list.
namespace exerciseeditor {
constexpr int FirstNumber = 1;
constexpr int LastNumber = 200;    // the scroll bar's reach
constexpr int KeySearchReach = 25; // a key starting past this position of the keys is added again
constexpr int WordSearchReach = 120;
constexpr int RandomNameRange = 9999;

// The title as the box shows it: without its padding.
QString titleField(const QString& stored);
// Keys and text as the boxes show them: the padding gives way to one trailing space, none when
// the field is blank, so an appended word follows the text and a save pads it back as it was.
QString paddedField(const QString& stored);

// The file a save under a typed name writes: "name.dat" in the folder, ".dat" added only when the
// name does not end in it (any case). nullopt for a name that can't be a file name.
std::optional<QString> namedExercisePath(const QString& folder, const QString& name);

// Where a proposal starts: the integer part of the list's record count (fraction included) times
// a draw in [0, 1).
int proposalStart(double listCount, double draw);
// The index of the first word from start on, going on from the top at the end of the list, that
// holds the key at one of its first 120 positions; nullopt when no word does.
std::optional<int> proposeWord(const QStringList& words, const QString& key, int start);

// The text with the word (its outer spaces removed) and one space added, after a space of its
// own when the text does not end in one (or in a line break).
QString appendedText(const QString& text, const QString& word);
// The keys with the key and one space added (after a space of their own when they do not end in
// one), unless the key stands whole, between spaces, starting at one of the first 25 positions.
QString appendedKeys(const QString& keys, const QString& key);
} // namespace exerciseeditor
