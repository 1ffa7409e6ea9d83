#pragma once
#include <QByteArray>
#include <QString>

// Code page 1252, the encoding of every record file. A character it cannot hold is written as "?".
QByteArray toCp1252(const QString& text);
QString fromCp1252(const QByteArray& bytes);
