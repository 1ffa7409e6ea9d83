#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class Random;

// The rules of the letter-ordering game: a word of up to eight letters drawn from the pool, its
// letters laid out under the slots in a fixed order for each length, and a word complete once
// every slot holds its letter.
namespace letterordering {

constexpr int Letters = 8;         // slots and letter buttons
constexpr int MaxWordLength = 8;   // longer pool entries are never drawn
constexpr int PoolEntryLength = 9; // characters of a list word that enter the pool
constexpr int TrackCells = 54;
constexpr int TrackColumns = 9;

// The slot under which letter k of an n-letter word is placed; -1 when words of that length are
// not scrambled (fewer than 3 or more than 8 letters) or k is out of range.
int LetterScrambleTable(int n, int k);

// The Left of each letter button after a new word: the slot Lefts of the word's letters (one per
// letter, in slot order) rearranged by the table; a word of 1 or 2 letters keeps the Lefts the
// buttons had. Only the first slotLefts.size() buttons are returned.
QList<int> letterLefts(const QList<int>& slotLefts, const QList<int>& currentLefts);

// Draws an entry of at most eight characters from the pool, reseeding from the clock first; every
// such entry weighs as often as it stands in the pool. Empty when none is that short.
QString drawWord(const QStringList& pool, Random& random);

// The letters a drawn entry lays out, one per slot: the entry without its outer blanks, at most
// eight characters.
QString wordLetters(const QString& entry);

// Whether a slot that expects `expected` takes the picked letter: only an empty slot, only a
// letter that was picked and still shows, and any letter equal to the expected one.
bool slotTakes(const QString& slotCaption, const QString& expected, const std::optional<QString>& picked);

// Whether the slots, read in order, spell the word's letters; an empty word is never complete.
bool wordComplete(const QStringList& slotCaptions, const QString& entry);

// Where track cell i lies, in twips on the panel: 9 columns by 6 rows of 195-twip squares, 180 apart.
int trackCellLeft(int i);
int trackCellTop(int i);

// Name lists of drawings: 16-byte records, the name before the first zero byte.
constexpr int NameRecordLength = 16;
constexpr int NameRecordsRead = 489;
// The test of the file-list and input-box readers: the first character's code is 68 ("D") or more.
bool passesNameTest(const QByteArray& record);
// The test of the reader by number: the first character's code is 58 or more and fewer than 9 of
// characters 1 to 15 have a code above 58.
bool passesNumberTest(const QByteArray& record);
// The names of records 1 to 489 that pass the test; nothing when the file is missing or can't be
// read (a folder, a device). Reading never creates the file.
std::optional<QStringList> readDrawingNames(const QString& path, bool (*test)(const QByteArray&));
// The name file that LoadNameListByNumber reads for 12 to 15 ("nomdib3" to "nomdib0"); empty otherwise.
QString numberedNameFile(int number);

} // namespace letterordering
