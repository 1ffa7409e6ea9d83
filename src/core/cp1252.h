#pragma once
#include <QByteArray>
#include <QString>

// Code page 1252, the encoding of every record file. Text is composed (NFC) before it is written;
// ŀ and Ŀ are written as l· and L·, and any other character the code page cannot hold as "?".
QByteArray toCp1252(const QString& text);
QString fromCp1252(const QByteArray& bytes);

// The longest start of a text, cut between whole characters, that a record of `bytes` bytes holds
// once written: a line break ("\r\n", "\r", "\n", U+2028, U+2029) takes the two bytes of "\r\n",
// ŀ and Ŀ the two of l· and L·, any other character (a surrogate pair too) one.
QString fitToCp1252(const QString& text, int bytes);
