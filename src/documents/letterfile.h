#pragma once
#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

// A saved family letter: six 500-byte records in code page 1252, part r - 1 in record r, each
// blank-padded, with no header. Line breaks of the parts are kept as CR LF.
namespace letterfile {

constexpr int PartCount = 6;
constexpr int RecordLength = 500;
constexpr int FileLength = PartCount * RecordLength;

// The six parts' texts, line breaks as CR LF.
using Parts = std::array<QString, PartCount>;

// The file a letter is saved under: the chosen name with ".txt" added, unless it ends so already
// (in any case).
QString savedFileName(const QString& chosen);

// Every kind of line break (CR LF, a lone CR or LF, Qt's paragraph and line separators) as CR LF.
QString toCrLf(const QString& text);
// Every kind of line break as the single "\n" of a text box.
QString toBox(const QString& text);

// The bytes a text box's text takes in its record (a line break counts two).
int storedLength(const QString& boxText);
// The longest start of a text box's text that fits in capacity bytes; a line break or a
// character made of two code units is never cut in two.
QString fitText(const QString& boxText, int capacity = RecordLength);

// The file's bytes: exactly FileLength, each part cut to its record.
QByteArray write(const Parts& parts);
// The parts of a file's bytes: each record's text without the blanks at its end. A short file
// fills the parts it reaches (a partial last record included) and leaves the rest empty; bytes
// past the sixth record are not read.
Parts read(const QByteArray& bytes);

// Reads a letter file: nothing when it is missing, is not a plain file (a folder, a pipe) or can't
// be read. Reads at most FileLength bytes.
std::optional<Parts> load(const QString& path);
// Writes the letter whole and safely: a failed write leaves the old file as it was.
bool save(const QString& path, const Parts& parts);

} // namespace letterfile
