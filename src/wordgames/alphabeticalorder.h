#pragma once
#include <QString>
#include <QStringList>
#include <array>

class Random;

// The rules of the alphabetical-order game: eight words in a column, put in order by sending one
// word at a time to the bottom.
namespace alphabeticalorder {

constexpr int Words = 8;
// The score row: 42 cells in 42 columns, indexed 0 to 39, 42 and 43.
constexpr int ScoreColumns = 42;
constexpr int ScoreIndexEnd = 44; // one past the highest cell index

// Which button stands in each slot, top to bottom.
using SlotMap = std::array<int, Words>;
constexpr SlotMap identitySlots() {
    return {0, 1, 2, 3, 4, 5, 6, 7};
}

// The words a deal may draw from a list file: those of its whole 20-byte records that do not begin
// with a space. A missing, unreadable or short file has none; reading never creates the file.
QStringList drawableWords(const QString& listPath);

// Eight words drawn at random from the drawable ones, reseeding from the clock before each draw; a
// word may come more than once. With nothing to draw, eight empty words.
QStringList dealWords(const QStringList& drawable, Random& random);

// The answer the column is tested against: the words in the program's alphabetical order.
QStringList sortedAnswer(const QStringList& words);

// The word in the given slot goes to the bottom; the words below it move up by one.
void sendToBottom(SlotMap& map, int slot);

// How many slots hold the answer's word of the same place (texts compared exactly).
int wordsInPlace(const QStringList& answer, const QStringList& column);
bool columnComplete(const QStringList& answer, const QStringList& column);

// The score-row column of the cell with that index; -1 when no cell has it (40, 41, from 44 on).
// After the first four, each group of four runs from right to left within its columns; 42 and 43
// stand in the last two columns, 43 first.
int scoreColumn(int index);
bool hasScoreCell(int index);

} // namespace alphabeticalorder
