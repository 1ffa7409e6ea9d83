#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// A fill-the-blanks exercise file: record 1 alone holds a 30-character title, a 30-character keys
// field (each key followed by one space) and the text, in code page 1252, padded with spaces.
struct GapExercise {
    QString title;
    QString keys;
    QString text;
    bool operator==(const GapExercise&) const = default;
};

namespace gapexercise {
constexpr int RecordLength = 9000;   // what the editor writes and reads
constexpr int TitleListLength = 630; // the title list's record length; only the title is used
constexpr int OpenLength = 900;      // what the player reads to open an exercise
constexpr int FieldLength = 30;      // title and keys
constexpr int TextStart = 2 * FieldLength;
constexpr int LastNumber = 260; // the numbered exercises the player lists
} // namespace gapexercise

// Record 1 as written: title and keys cut or padded to 30 characters, then the text, the whole
// cut or padded with spaces to 9000 bytes.
QByteArray assembleGapRecord(const QString& title, const QString& keys, const QString& text);

// Writes record 1 into the file: bytes past the record in a longer file stay as they were (a
// partial last record included) and a shorter file grows to the record's length. The file is
// written whole and safely; false when it cannot be read or written.
bool writeGapExercise(const QString& path, const QString& title, const QString& keys, const QString& text);

// Splits record 1 as read at a record length into its fields, padding kept. A record shorter
// than the length (a short file) is padded with spaces first.
GapExercise splitGapRecord(const QByteArray& record, int recordLength);

// Reads record 1 at a record length, never creating the file: a missing file reads as blank
// fields. nullopt when the path exists but holds no readable plain file (a folder, a pipe, a file
// we may not read).
std::optional<GapExercise> readGapExercise(const QString& path, int recordLength);

// The keys of a keys field: each space ends one key, so every further space gives an empty key;
// characters after the last space form no key.
QStringList splitGapKeys(const QString& keysField);

// "data/automatic/0007.dat" under the program folder; the number has at least four digits.
QString numberedGapExercisePath(const QString& programFolder, int number);
