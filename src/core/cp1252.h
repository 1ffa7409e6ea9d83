#pragma once
#include <QByteArray>
#include <QString>

// Code page 1252, the encoding of every record file. Text is composed (NFC) before it is written;
// ŀ and Ŀ are written as l· and L·, and any other character the code page cannot hold as "?".
QByteArray toCp1252(const QString& text);
QString fromCp1252(const QByteArray& bytes);
