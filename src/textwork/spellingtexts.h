#pragma once
#include <QByteArray>
#include <QString>

// The spelling window's texts on disk and on their way to other programs, without a screen.
namespace spellingtexts {
constexpr int RecordLength = 1000;  // a saved text: record 1 of 1000 characters, code page 1252
constexpr int HandOffLength = 2500; // the text handed to the office suite

// The saved file's name: ".txt" added unless the chosen name already ends in it (any case), so
// that a saved text can be chosen again and replaced.
QString withTxtExtension(const QString& chosen);

// A text cut or padded with spaces to the length.
QString fitted(const QString& text, int length);

// The file after saving text into it: record 1 replaced (line breaks as CR LF, as the engine
// counts them), every later byte of the old file kept (a partial last record too).
QByteArray savedFile(const QByteArray& oldFile, const QString& text);

// What opening a saved file gives: its first record as far as the file goes, padded with spaces
// to a whole record, in lower case.
QString openedText(const QByteArray& file);

// The office suite's copy: the text cut or padded to 2500 characters, in UTF-8, its line breaks
// as CR LF like the player's hand-off.
QByteArray handOffBytes(const QString& text);
} // namespace spellingtexts
