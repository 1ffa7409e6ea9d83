#pragma once
#include <QByteArray>
#include <QString>

// Code page 1252, the encoding of every record file. Text is composed (NFC) before it is written;
// ŀ and Ŀ are written as l· and L·, and any other character the code page cannot hold as "?".
QByteArray toCp1252(const QString& text);
QString fromCp1252(const QByteArray& bytes);

// A text box's text as a record file stores it: every kind of line break (CR LF, a lone CR or LF,
// Unicode's line and paragraph separators) as CR LF.
QString toCrLf(const QString& text);
// The bytes the text takes stored: in code page 1252, line breaks as CR LF.
int cp1252Length(const QString& text);
// The longest start of the text that takes at most capacity bytes stored; a line break, an l· or
// a character made of two code units is never cut in two.
QString fitCp1252(const QString& text, int capacity);
