#pragma once
#include <QString>
#include <QStringList>
#include <optional>

class Random;

// The rules of the hidden-word game: a 7 x 7 grid of filler letters with the word laid into one
// row from its leftmost cell, and the player finding it by clicking its letters in order.
namespace hiddenword {

constexpr int Side = 7; // cells in a row and in a column
constexpr int CellCount = Side * Side;
constexpr int WordRows = Side - 1; // the word never lies in the bottom row
constexpr int ShownLength = Side;  // the word shows, and is found by, its first 7 characters
constexpr int PoolLimit = 32767;   // words a pool holds at most

// A filler of the grid: "a" to "y".
QChar gridFiller(Random& random);
// A filler of the word's row: codes 92 to 121 ("\", "]", "^", "_", "`", "a" to "y").
QChar rowFiller(Random& random);
// The 49 cells filled with grid fillers, cell i in row i / 7 and column i % 7.
QStringList fillGrid(Random& random);

// Which of the pool's words to deal: any of them, the last included; none from an empty pool.
std::optional<int> drawWord(Random& random, int poolSize);

// Where the word went: its row (0 to 5) and the cell of its first position.
struct Placement {
    int row = 0;
    int firstCell = 0;
};
// Lays the word's first 7 characters into a row drawn from 0 to 5, from column 0. Every column
// draws a row filler first; it stays where the word has a blank or has ended.
Placement placeWord(Random& random, QStringList& cells, const QString& word);

// A blank or a control character: no cell ever shows one.
inline bool isBlank(QChar c) {
    return c.unicode() <= 32;
}

// The three case modes, as the case label names them.
enum class CaseMode { Pool, Upper, Lower };
CaseMode caseModeOf(const QString& caseLabel);
// The text turned to the mode's case character by character, so positions never shift.
QString inCase(const QString& text, CaseMode mode);

// Blanks among the word's first 7 positions are no cell's to click: from `position` (from 1)
// on, each is added to the letters found at once and the next position is expected.
void passBlanks(const QString& word, int& position, QString& found);
// The character expected at a position (from 1, taken at most as 7); empty past the word's end.
QString expectedAt(const QString& word, int position);
// Whether the letters found spell the word: its first 7 characters, blanks after it left out.
bool isFound(const QString& found, const QString& word);

// The words of a word-list file, one per 20-byte record in record order (each from byte 4 to the
// first zero byte), at most PoolLimit of them. A missing or unreadable file gives none.
QStringList readPool(const QString& path);

} // namespace hiddenword
