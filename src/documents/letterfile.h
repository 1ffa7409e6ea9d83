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

// Every kind of line break as the single "\n" of a text box (core's toCrLf gives the file's form;
// core's cp1252Length and fitCp1252 count and cut a part as its record holds it).
QString toBox(const QString& text);

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
