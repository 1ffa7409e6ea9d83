#pragma once
#include <QString>
#include <QStringList>

// A word list: 20-byte records, each a 16-bit tag 8, a 16-bit length n (0 to 16), n bytes of
// code page 1252 and 16 - n zero bytes; no header, count = file length / 20.
constexpr int WordRecordLength = 20;
constexpr int WordMaxLength = 16;

// Whether a word fits a record (at most 16 bytes in code page 1252).
bool fitsWordRecord(const QString& word);
// One word's record.
QByteArray wordRecord(const QString& word);

// The word a record holds: from byte 4 up to the first zero byte (the length field is not read).
QString recordWord(const QByteArray& record);

// Replaces the file with one record per word. Every word is checked first: when one does not
// fit, nothing is written and the old file stays as it was. The file is written whole.
bool WriteWordList(const QString& path, const QStringList& words);
// The words of the file in record order: each from byte 4 to the first zero byte, at most
// `kept` characters. A missing or short file is an empty list.
QStringList ReadWordList(const QString& path, int kept = WordMaxLength);
